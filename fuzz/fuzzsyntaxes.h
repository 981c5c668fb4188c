#pragma once

#include <cstdint>

#include "ovsnmpcodes.h"

// Every syntax code the conversions know, plus two they must refuse.
inline constexpr uint32_t kFuzzSyntaxes[] = {
    SYN_BOOLEAN,   SYN_INTEGER,   SYN_BITSTR,     SYN_OCTETSTR,   SYN_NULL,       SYN_OBJECTID,
    SYN_IPADDRESS, SYN_COUNTER,   SYN_GUAGE,      SYN_TIMETICKS,  SYN_OPAQUE,     SYN_NSAPADDR,
    SYN_COUNTER64, SYN_UINTEGER,  SYN_DOUBLE,     SYN_MACADDRESS, SYN_DATETIME,   SYN_BCDATETIME,
    SYN_DISPLAYSTR, SYN_IPV6ADDRESS, SYN_BOOL8,   0x07,
};

inline uint32_t FuzzSyntax(uint8_t selector) {
    return kFuzzSyntaxes[selector % (sizeof kFuzzSyntaxes / sizeof kFuzzSyntaxes[0])];
}
