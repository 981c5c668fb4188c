#pragma once

#include <cstdint>
#include <functional>
#include <string>
#include <string_view>

// Broken-down local calendar time.
struct OvCivilTime {
    int Year = 1899;
    int Month = 12;
    int Day = 30;
    int Hour = 0;
    int Minute = 0;
    int Second = 0;
    int Millisecond = 0;
};

// Date-time numbers: days since 1899-12-30 with the time of day as fraction,
// in local time. The clock is replaceable so that "now" can be fixed.
class OvCalendar {
public:
    using Clock = std::function<double()>;

    static double Now();
    // An empty clock restores the system's local time.
    static void SetClock(Clock clock);

    // 0001-01-01 to 9999-12-31; NaN and infinities are outside.
    static bool IsInRange(double number);
    static double FromCivil(const OvCivilTime& time);
    // Numbers outside the range are clamped to it first.
    static OvCivilTime ToCivil(double number);

    // "yyyy/mm/dd hh:nn:ss am/pm" with a 12-hour clock.
    static std::string ToText(double number);
    // Reads the same form back ("yyyy/mm/dd", then optionally "hh:nn[:ss]"
    // and "am"/"pm"); a text that is no valid date gives false.
    static bool FromText(std::string_view text, double& number);
};
