#include <cstdint>
#include <string>

#include "fuzzcheck.h"
#include "ovcalendar.h"
#include "ovdatetime.h"

namespace {

void CheckDateAndTime(const std::string& input) {
    OvDateTime parsed;
    parsed.Parse(input);
    OvDateTime again;
    OV_FUZZ_CHECK(again.Parse(parsed.ToText()));
    OV_FUZZ_CHECK(again.ToText() == parsed.ToText());

    OvDateTime fromBytes;
    fromBytes.FromBytes(input);
    OV_FUZZ_CHECK(fromBytes.ToBytes().size() == OvDateTime::ByteCount);
    OvDateTime reread;
    reread.Parse(fromBytes.ToText());
    OV_FUZZ_CHECK(reread.ToText() == fromBytes.ToText());
}

void CheckCalendarText(const std::string& input) {
    double number = 0;
    if (!OvCalendar::FromText(input, number))
        return;
    OV_FUZZ_CHECK(OvCalendar::IsInRange(number));
    const std::string text = OvCalendar::ToText(number);
    double back = 0;
    OV_FUZZ_CHECK(OvCalendar::FromText(text, back));
    OV_FUZZ_CHECK(OvCalendar::ToText(back) == text);
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    OvCalendar::SetClock([] { return 39585.5625; });
    const std::string input(reinterpret_cast<const char*>(data), size);
    CheckDateAndTime(input);
    CheckCalendarText(input);
    return 0;
}
