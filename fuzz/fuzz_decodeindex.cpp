#include <cstdint>
#include <string>

#include "fuzzcheck.h"
#include "fuzzsyntaxes.h"
#include "ovcalendar.h"
#include "ovexception.h"
#include "ovsnmpvalueconverter.h"

// First byte: the key column's syntax; second: whether it is last and
// implied; the rest is the instance suffix.
extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    if (size < 2)
        return 0;
    OvCalendar::SetClock([] { return 39585.5625; });
    const uint32_t syntax = FuzzSyntax(data[0]);
    const bool implied = data[1] & 1;
    const std::string suffix(reinterpret_cast<const char*>(data) + 2, size - 2);
    OvSNMPVarList list;
    list.ItemType = MVT_UMV;
    list.KeyCount = 1;
    list.AddVariable("1.3.6.1.4.1.32473.2.1.1", "key", syntax, ACC_NOTACCESS | (implied ? ACC_IMPLIED : 0));
    std::string rest;
    try {
        rest = OvSNMPValueConverter::DecodeIndex(list, 0, suffix);
    } catch (const OvException& e) {
        OV_FUZZ_CHECK(e.Code() == -511);
        return 0;
    }
    OV_FUZZ_CHECK(rest.size() <= suffix.size());
    OV_FUZZ_CHECK(suffix.compare(suffix.size() - rest.size(), rest.size(), rest) == 0);
    try {
        const std::string encoded = OvSNMPValueConverter::EncodeIndex(list, 0);
        OvSNMPVarList again = list;
        OvSNMPValueConverter::DecodeIndex(again, 0, encoded);
        // Once decoded, a value's sub-identifiers decode and encode to themselves.
        OV_FUZZ_CHECK(OvSNMPValueConverter::EncodeIndex(again, 0) == encoded);
    } catch (const OvException& e) {
        OV_FUZZ_CHECK(e.Code() == -417);
    }
    return 0;
}
