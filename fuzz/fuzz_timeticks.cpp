#include <cstdint>
#include <string>

#include "fuzzcheck.h"
#include "ovtimeticks.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    const std::string input(reinterpret_cast<const char*>(data), size);
    const uint32_t ticks = OvTimeTicks::FromText(input);
    OV_FUZZ_CHECK(OvTimeTicks::FromText(OvTimeTicks::ToText(ticks)) == ticks);
    return 0;
}
