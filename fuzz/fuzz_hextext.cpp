#include <cstdint>
#include <string>

#include "fuzzcheck.h"
#include "ovhextext.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    const std::string input(reinterpret_cast<const char*>(data), size);
    const std::string bytes = OvHexText::ToBytes(input);
    size_t digits = 0;
    for (char c : input)
        digits += c != ' ';
    OV_FUZZ_CHECK(bytes.size() == (digits + 1) / 2);
    const std::string hex = OvHexText::FromBytes(input);
    OV_FUZZ_CHECK(hex.size() == 2 * size);
    OV_FUZZ_CHECK(OvHexText::ToBytes(hex) == input);
    return 0;
}
