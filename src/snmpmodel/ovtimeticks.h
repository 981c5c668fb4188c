#pragma once

#include <cstdint>
#include <string>
#include <string_view>

// Text form of TimeTicks (hundredths of a second).
class OvTimeTicks {
public:
    // "3 days, 4:05:06.07", "1 day 0:00:00.00", "4:05:06.07".
    static std::string ToText(uint32_t hundredths);
    // Reads days, hours, minutes, seconds and hundredths in that order; parts
    // that are missing add nothing, so a bare number gives 0. Saturates at
    // the largest 32-bit value.
    static uint32_t FromText(std::string_view text);
};
