#include "ovtimeticks.h"

#include <algorithm>
#include <cstdio>

#include "ovnumbertext.h"

namespace {

constexpr uint64_t kPerDay = 8640000;
constexpr uint64_t kPerHour = 360000;
constexpr uint64_t kPerMinute = 6000;
constexpr uint64_t kPerSecond = 100;

// A part's number: digits after blanks, a sign or anything else reads as 0.
uint64_t PartNumber(std::string_view text) {
    return OvNumberText::LeadingUInt64(text);
}

uint64_t SaturatingAdd(uint64_t total, uint64_t count, uint64_t unit) {
    const uint64_t limit = UINT64_MAX / 2;
    if (count > limit / unit)
        return limit;
    return std::min(limit, total + count * unit);
}

// Reads the days part when present; returns where reading goes on.
size_t ReadDays(std::string_view text, uint64_t& total) {
    for (std::string_view word : {std::string_view("days"), std::string_view("day")}) {
        const size_t at = text.find(word);
        if (at != std::string_view::npos) {
            total = SaturatingAdd(total, PartNumber(text.substr(0, at)), kPerDay);
            return at + word.size();
        }
    }
    return 0;
}

}  // namespace

std::string OvTimeTicks::ToText(uint32_t hundredths) {
    const unsigned long days = hundredths / kPerDay;
    const unsigned long hours = hundredths / kPerHour % 24;
    const unsigned long minutes = hundredths / kPerMinute % 60;
    const unsigned long seconds = hundredths / kPerSecond % 60;
    const unsigned long rest = hundredths % kPerSecond;
    char buffer[64];
    if (days >= 2)
        std::snprintf(buffer, sizeof buffer, "%lu days, %lu:%02lu:%02lu.%02lu", days, hours, minutes, seconds, rest);
    else if (days == 1)
        std::snprintf(buffer, sizeof buffer, "1 day %lu:%02lu:%02lu.%02lu", hours, minutes, seconds, rest);
    else
        std::snprintf(buffer, sizeof buffer, "%lu:%02lu:%02lu.%02lu", hours, minutes, seconds, rest);
    return buffer;
}

uint32_t OvTimeTicks::FromText(std::string_view text) {
    uint64_t total = 0;
    size_t pos = ReadDays(text, total);
    const size_t comma = text.find(',', pos);
    if (comma != std::string_view::npos)
        pos = comma + 1;
    const size_t hourColon = text.find(':', pos);
    if (hourColon != std::string_view::npos) {
        total = SaturatingAdd(total, PartNumber(text.substr(pos, hourColon - pos)), kPerHour);
        pos = hourColon + 1;
        const size_t minuteColon = text.find(':', pos);
        if (minuteColon != std::string_view::npos) {
            total = SaturatingAdd(total, PartNumber(text.substr(pos, minuteColon - pos)), kPerMinute);
            pos = minuteColon + 1;
            const size_t dot = text.find('.', pos);
            if (dot != std::string_view::npos) {
                total = SaturatingAdd(total, PartNumber(text.substr(pos, dot - pos)), kPerSecond);
                total = SaturatingAdd(total, PartNumber(text.substr(dot + 1)), 1);
            }
        }
    }
    return static_cast<uint32_t>(std::min<uint64_t>(total, UINT32_MAX));
}
