#include "ovdatetime.h"

#include <array>
#include <cstdio>

#include "ovcalendar.h"

namespace {

constexpr int kFullCount = 9;
constexpr int kLocalCount = 7;

// Reads "%d" numbers and literal characters of pattern ('d' stands for a
// number) the way scanf does; returns how many numbers were read.
int ScanNumbers(std::string_view text, std::string_view pattern, std::array<int64_t, kFullCount>& numbers) {
    size_t pos = 0;
    int count = 0;
    for (char expected : pattern) {
        if (expected != 'd') {
            if (pos >= text.size() || text[pos] != expected)
                return count;
            ++pos;
            continue;
        }
        while (pos < text.size() && (text[pos] == ' ' || text[pos] == '\t'))
            ++pos;
        const bool negative = pos < text.size() && text[pos] == '-';
        if (pos < text.size() && (text[pos] == '-' || text[pos] == '+'))
            ++pos;
        const size_t start = pos;
        uint64_t value = 0;
        while (pos < text.size() && text[pos] >= '0' && text[pos] <= '9')
            value = (value * 10 + static_cast<uint64_t>(text[pos++] - '0')) & 0xFFFFFFFF;
        if (pos == start)
            return count;
        numbers[count++] = negative ? -static_cast<int64_t>(value) : static_cast<int64_t>(value);
    }
    return count;
}

}  // namespace

OvDateTime::OvDateTime() {
    const OvCivilTime now = OvCalendar::ToCivil(OvCalendar::Now());
    Year = static_cast<uint16_t>(now.Year);
    Month = static_cast<uint8_t>(now.Month);
    Day = static_cast<uint8_t>(now.Day);
    Hour = static_cast<uint8_t>(now.Hour);
    Minutes = static_cast<uint8_t>(now.Minute);
    Seconds = static_cast<uint8_t>(now.Second);
}

std::string OvDateTime::ToText() const {
    char buffer[96];
    const bool withOffset = (HoursFromUTC != 0 || MinutesFromUTC != 0) && (Direction == '+' || Direction == '-');
    const int length = std::snprintf(buffer, sizeof buffer, "%d-%d-%d,%d:%d:%d.%d", Year, Month, Day, Hour, Minutes,
                                     Seconds, DeciSeconds);
    if (withOffset)
        std::snprintf(buffer + length, sizeof buffer - length, ",%c%d:%d", Direction, HoursFromUTC, MinutesFromUTC);
    return buffer;
}

bool OvDateTime::Parse(std::string_view text) {
    std::array<int64_t, kFullCount> n{};
    bool matched = true;
    if (ScanNumbers(text, "d-d-d,d:d:d.d,+d:d", n) == kFullCount) {
        Direction = '+';
    } else if (n = {}; ScanNumbers(text, "d-d-d,d:d:d.d,-d:d", n) == kFullCount) {
        Direction = '-';
    } else {
        n = {};
        matched = ScanNumbers(text, "d-d-d,d:d:d.d", n) == kLocalCount;
        n[7] = n[8] = 0;
        Direction = '+';
    }
    Year = static_cast<uint16_t>(n[0]);
    Month = static_cast<uint8_t>(n[1]);
    Day = static_cast<uint8_t>(n[2]);
    Hour = static_cast<uint8_t>(n[3]);
    Minutes = static_cast<uint8_t>(n[4]);
    Seconds = static_cast<uint8_t>(n[5]);
    DeciSeconds = static_cast<uint8_t>(n[6]);
    HoursFromUTC = static_cast<uint8_t>(n[7]);
    MinutesFromUTC = static_cast<uint8_t>(n[8]);
    return matched;
}

std::string OvDateTime::ToBytes() const {
    const char bytes[ByteCount] = {static_cast<char>(Year >> 8), static_cast<char>(Year & 0xFF),
                                   static_cast<char>(Month),     static_cast<char>(Day),
                                   static_cast<char>(Hour),      static_cast<char>(Minutes),
                                   static_cast<char>(Seconds),   static_cast<char>(DeciSeconds),
                                   Direction,                    static_cast<char>(HoursFromUTC),
                                   static_cast<char>(MinutesFromUTC)};
    return std::string(bytes, ByteCount);
}

void OvDateTime::FromBytes(std::string_view bytes) {
    unsigned char b[ByteCount] = {};
    for (size_t i = 0; i < ByteCount && i < bytes.size(); ++i)
        b[i] = static_cast<unsigned char>(bytes[i]);
    Year = static_cast<uint16_t>(b[0] << 8 | b[1]);
    Month = b[2];
    Day = b[3];
    Hour = b[4];
    Minutes = b[5];
    Seconds = b[6];
    DeciSeconds = b[7];
    Direction = static_cast<char>(b[8]);
    HoursFromUTC = b[9];
    MinutesFromUTC = b[10];
}
