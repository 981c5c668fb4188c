#include <cstdint>
#include <cstring>
#include <string>

#include "fuzzcheck.h"
#include "fuzzsyntaxes.h"
#include "ovcalendar.h"
#include "ovexception.h"
#include "ovsnmpvalueconverter.h"

namespace {

constexpr uint8_t kTags[] = {0x02, 0x04, 0x05, 0x06, 0x40, 0x41, 0x42, 0x43,
                             0x44, 0x46, 0x47, 0x80, 0x81, 0x82, 0x45, 0x30};

OvVb BindingOf(uint8_t tag, const uint8_t* data, size_t size) {
    OvVb vb;
    vb.Syntax = tag;
    vb.Bytes.assign(reinterpret_cast<const char*>(data), size);
    uint64_t word = 0;
    std::memcpy(&word, data, size < 8 ? size : 8);
    vb.Counter64 = word;
    vb.Integer = tag == 0x02 ? static_cast<int32_t>(word) : static_cast<int64_t>(word & 0xFFFFFFFF);
    for (size_t i = 0; i + 4 <= size; i += 4) {
        uint32_t arc = 0;
        std::memcpy(&arc, data + i, 4);
        vb.Arcs.push_back(arc);
    }
    return vb;
}

}  // namespace

// First byte: the variable's syntax; second: the binding's type; the rest is
// the value.
extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    if (size < 2)
        return 0;
    OvCalendar::SetClock([] { return 39585.5625; });
    const uint32_t syntax = FuzzSyntax(data[0]);
    const OvVb received = BindingOf(kTags[data[1] % sizeof kTags], data + 2, size - 2);
    OvSNMPVarList list;
    list.AddVariable("1.3.6.1.4.1.32473.1", "v", syntax, ACC_READWRITE);
    try {
        OvSNMPValueConverter::ValueFromVb(list, 0, received);
    } catch (const OvException& e) {
        OV_FUZZ_CHECK(e.Code() == -511);
        return 0;
    }
    const std::string first = list.Item(0).Value;
    OvVb sent;
    OvSNMPValueConverter::ValueToVb(list, 0, sent);
    OvSNMPValueConverter::ValueFromVb(list, 0, sent);
    // What was read is written back unchanged and reads the same again.
    OV_FUZZ_CHECK(list.Item(0).Value == first || first == OV_NULL_VALUE);
    return 0;
}
