#include "ovcalendar.h"

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <ctime>

#include "ovtexthelpers.h"

namespace {

constexpr double kMinNumber = -693593.0;      // 0001-01-01
constexpr double kMaxNumber = 2958465.999999;  // 9999-12-31 23:59:59.999
constexpr int64_t kMsPerDay = 86400000;
// Days from 1970-01-01 to 1899-12-30 subtracted from the civil day count.
constexpr int64_t kEpochOffset = 25569;

OvCalendar::Clock& CurrentClock() {
    static OvCalendar::Clock clock;
    return clock;
}

// Days since 1970-01-01 of a proleptic Gregorian date.
int64_t DaysFromCivil(int64_t y, unsigned m, unsigned d) {
    y -= m <= 2;
    const int64_t era = (y >= 0 ? y : y - 399) / 400;
    const unsigned yoe = static_cast<unsigned>(y - era * 400);
    const unsigned doy = (153 * (m + (m > 2 ? -3 : 9)) + 2) / 5 + d - 1;
    const unsigned doe = yoe * 365 + yoe / 4 - yoe / 100 + doy;
    return era * 146097 + static_cast<int64_t>(doe) - 719468;
}

void CivilFromDays(int64_t z, OvCivilTime& time) {
    z += 719468;
    const int64_t era = (z >= 0 ? z : z - 146096) / 146097;
    const unsigned doe = static_cast<unsigned>(z - era * 146097);
    const unsigned yoe = (doe - doe / 1460 + doe / 36524 - doe / 146096) / 365;
    const unsigned doy = doe - (365 * yoe + yoe / 4 - yoe / 100);
    const unsigned mp = (5 * doy + 2) / 153;
    time.Day = static_cast<int>(doy - (153 * mp + 2) / 5 + 1);
    time.Month = static_cast<int>(mp < 10 ? mp + 3 : mp - 9);
    time.Year = static_cast<int>(static_cast<int64_t>(yoe) + era * 400 + (time.Month <= 2));
}

int DaysInMonth(int year, int month) {
    static constexpr int kDays[] = {31, 28, 31, 30, 31, 30, 31, 31, 30, 31, 30, 31};
    const bool leap = (year % 4 == 0 && year % 100 != 0) || year % 400 == 0;
    return month == 2 && leap ? 29 : kDays[month - 1];
}

double SystemNow() {
    const std::timespec now = [] {
        std::timespec ts{};
        std::timespec_get(&ts, TIME_UTC);
        return ts;
    }();
    std::tm local{};
    localtime_r(&now.tv_sec, &local);
    OvCivilTime time{local.tm_year + 1900, local.tm_mon + 1, local.tm_mday, local.tm_hour,
                     local.tm_min,         local.tm_sec,     static_cast<int>(now.tv_nsec / 1000000)};
    return OvCalendar::FromCivil(time);
}

// Reads an unsigned number of at most 9 digits; false when none.
bool ReadNumber(std::string_view text, size_t& pos, int& value) {
    while (pos < text.size() && text[pos] == ' ')
        ++pos;
    size_t digits = 0;
    value = 0;
    while (pos < text.size() && text[pos] >= '0' && text[pos] <= '9' && digits < 9) {
        value = value * 10 + (text[pos++] - '0');
        ++digits;
    }
    return digits > 0;
}

bool ReadSeparator(std::string_view text, size_t& pos, char separator) {
    if (pos < text.size() && text[pos] == separator) {
        ++pos;
        return true;
    }
    return false;
}

bool ReadDate(std::string_view text, size_t& pos, OvCivilTime& time) {
    return ReadNumber(text, pos, time.Year) && ReadSeparator(text, pos, '/') && ReadNumber(text, pos, time.Month) &&
           ReadSeparator(text, pos, '/') && ReadNumber(text, pos, time.Day);
}

// Optional "hh:nn[:ss] [am|pm]"; false when something else follows the date.
bool ReadTime(std::string_view text, size_t& pos, OvCivilTime& time) {
    if (TrimBlanks(text.substr(pos)).empty())
        return true;
    if (!ReadNumber(text, pos, time.Hour) || !ReadSeparator(text, pos, ':') || !ReadNumber(text, pos, time.Minute))
        return false;
    if (ReadSeparator(text, pos, ':') && !ReadNumber(text, pos, time.Second))
        return false;
    const std::string rest = TrimBlanks(text.substr(pos));
    if (rest.empty())
        return time.Hour < 24;
    if (time.Hour < 1 || time.Hour > 12)
        return false;
    if (EqualsNoCase(rest, "am")) {
        time.Hour %= 12;
        return true;
    }
    if (EqualsNoCase(rest, "pm")) {
        time.Hour = time.Hour % 12 + 12;
        return true;
    }
    return false;
}

bool IsValid(const OvCivilTime& time) {
    return time.Year >= 1 && time.Year <= 9999 && time.Month >= 1 && time.Month <= 12 && time.Day >= 1 &&
           time.Day <= DaysInMonth(time.Year, time.Month) && time.Minute < 60 && time.Second < 60;
}

}  // namespace

double OvCalendar::Now() {
    const Clock& clock = CurrentClock();
    return clock ? clock() : SystemNow();
}

void OvCalendar::SetClock(Clock clock) {
    CurrentClock() = std::move(clock);
}

bool OvCalendar::IsInRange(double number) {
    return number >= kMinNumber && number <= kMaxNumber;
}

double OvCalendar::FromCivil(const OvCivilTime& time) {
    const int64_t days = DaysFromCivil(time.Year, static_cast<unsigned>(time.Month), static_cast<unsigned>(time.Day)) +
                         kEpochOffset;
    const double fraction =
        ((time.Hour * 60.0 + time.Minute) * 60.0 + time.Second + time.Millisecond / 1000.0) / 86400.0;
    return days >= 0 ? static_cast<double>(days) + fraction : static_cast<double>(days) - fraction;
}

OvCivilTime OvCalendar::ToCivil(double number) {
    if (std::isnan(number))
        number = 0;
    number = std::clamp(number, kMinNumber, kMaxNumber);
    int64_t days = static_cast<int64_t>(std::trunc(number));
    int64_t ms = std::llround(std::fabs(number - static_cast<double>(days)) * kMsPerDay);
    if (ms >= kMsPerDay) {
        ms -= kMsPerDay;
        days += number >= 0 ? 1 : -1;
    }
    OvCivilTime time;
    CivilFromDays(days - kEpochOffset, time);
    time.Hour = static_cast<int>(ms / 3600000);
    time.Minute = static_cast<int>(ms / 60000 % 60);
    time.Second = static_cast<int>(ms / 1000 % 60);
    time.Millisecond = static_cast<int>(ms % 1000);
    return time;
}

std::string OvCalendar::ToText(double number) {
    const OvCivilTime time = ToCivil(number);
    const int hour12 = time.Hour % 12 == 0 ? 12 : time.Hour % 12;
    char buffer[48];
    std::snprintf(buffer, sizeof buffer, "%04d/%02d/%02d %02d:%02d:%02d %s", time.Year, time.Month, time.Day, hour12,
                  time.Minute, time.Second, time.Hour < 12 ? "am" : "pm");
    return buffer;
}

bool OvCalendar::FromText(std::string_view text, double& number) {
    OvCivilTime time;
    time.Hour = time.Minute = time.Second = 0;
    size_t pos = 0;
    if (!ReadDate(text, pos, time) || !ReadTime(text, pos, time) || !IsValid(time))
        return false;
    number = FromCivil(time);
    return true;
}
