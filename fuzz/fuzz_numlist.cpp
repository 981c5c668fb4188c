#include <cstdint>
#include <limits>
#include <string_view>

#include "fuzzcheck.h"
#include "ovnumlist.h"

namespace {

template <typename T>
void Check(char delimiter, std::string_view text) {
    OvNumList<T> list;
    list.Delimiter = delimiter;
    list.Parse(text);
    size_t delimiters = 0;
    for (char c : text)
        delimiters += c == delimiter;
    OV_FUZZ_CHECK(list.Count() == (text.empty() ? 0 : static_cast<int>(delimiters + 1)));
    for (int i = 0; i < list.Count(); ++i) {
        const int at = list.IndexOf(list[i]);
        OV_FUZZ_CHECK(at >= 0 && at <= i);
        OV_FUZZ_CHECK(list.AllInRange(0, std::numeric_limits<T>::max()));
    }
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    if (size == 0)
        return 0;
    const char delimiter = static_cast<char>(data[0]);
    const std::string_view text(reinterpret_cast<const char*>(data) + 1, size - 1);
    Check<int32_t>(delimiter, text);
    Check<uint32_t>(delimiter, text);
    return 0;
}
