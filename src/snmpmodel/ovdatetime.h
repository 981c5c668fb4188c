#pragma once

#include <cstdint>
#include <string>
#include <string_view>

// SNMPv2 DateAndTime: 11 octets, the year in network order on the wire.
class OvDateTime {
public:
    static constexpr size_t ByteCount = 11;

    // The current local date and time, deci-seconds 0, offset "+0:0".
    OvDateTime();

    uint16_t Year = 0;
    uint8_t Month = 0;
    uint8_t Day = 0;
    uint8_t Hour = 0;
    uint8_t Minutes = 0;
    uint8_t Seconds = 0;
    uint8_t DeciSeconds = 0;
    char Direction = '+';
    uint8_t HoursFromUTC = 0;
    uint8_t MinutesFromUTC = 0;

    // "2008-5-17,13:30:15.0,+8:0"; the offset only when it is not 0:0 and
    // the direction is "+" or "-".
    std::string ToText() const;
    // Accepts "y-m-d,h:m:s.d,+h:m", the same with "-", or "y-m-d,h:m:s.d"
    // (offset +0:0). Numbers are truncated to the field widths; fields of a
    // text that matches none of the forms completely are 0 from the first
    // number not read. Returns whether one of the forms matched.
    bool Parse(std::string_view text);

    std::string ToBytes() const;
    // Reads the first 11 bytes; missing bytes count as 0.
    void FromBytes(std::string_view bytes);
};
