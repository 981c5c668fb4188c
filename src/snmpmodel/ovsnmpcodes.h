#pragma once

#include <cstdint>

// Item types of a variable list: how its OIDs are instanced and how it is read.
inline constexpr uint8_t SVT_SV = 0;   // scalar group, instance ".0"
inline constexpr uint8_t MVT_SV = 1;   // one table row at the list's Instance
inline constexpr uint8_t MVT_FMV = 2;  // whole table; controls disabled until a row is chosen
inline constexpr uint8_t MVT_UMV = 3;  // whole table

// Syntax codes: ASN.1/SNMP tags, the library's own octet-string kinds and
// the partial-data kinds of the control bindings.
inline constexpr uint32_t SYN_BOOLEAN = 0x01;
inline constexpr uint32_t SYN_INTEGER = 0x02;
inline constexpr uint32_t SYN_BITSTR = 0x03;
inline constexpr uint32_t SYN_OCTETSTR = 0x04;
inline constexpr uint32_t SYN_NULL = 0x05;
inline constexpr uint32_t SYN_OBJECTID = 0x06;
inline constexpr uint32_t SYN_IPADDRESS = 0x40;
inline constexpr uint32_t SYN_COUNTER = 0x41;
inline constexpr uint32_t SYN_GUAGE = 0x42;
inline constexpr uint32_t SYN_TIMETICKS = 0x43;
inline constexpr uint32_t SYN_OPAQUE = 0x44;
inline constexpr uint32_t SYN_NSAPADDR = 0x45;
inline constexpr uint32_t SYN_COUNTER64 = 0x46;
inline constexpr uint32_t SYN_UINTEGER = 0x47;
inline constexpr uint32_t SYN_DOUBLE = 0x48;
inline constexpr uint32_t SYN_MACADDRESS = 0x49;
inline constexpr uint32_t SYN_DATETIME = 0x4A;
inline constexpr uint32_t SYN_BCDATETIME = 0x4B;
inline constexpr uint32_t SYN_DISPLAYSTR = 0x4C;
inline constexpr uint32_t SYN_IPV6ADDRESS = 0x4D;
inline constexpr uint32_t SYN_BOOL8 = 0xC1;
inline constexpr uint32_t SYN_INT8 = 0xC2;
inline constexpr uint32_t SYN_UINT8 = 0xC3;
inline constexpr uint32_t SYN_BOOL16 = 0xC4;
inline constexpr uint32_t SYN_INT16 = 0xC5;
inline constexpr uint32_t SYN_UINT16 = 0xC6;

// Access bits.
inline constexpr int32_t ACC_NOTACCESS = 0x01;
inline constexpr int32_t ACC_READONLY = 0x02;
inline constexpr int32_t ACC_WRITEONLY = 0x04;
inline constexpr int32_t ACC_READWRITE = 0x06;
inline constexpr int32_t ACC_DERIVED = 0x08;
inline constexpr int32_t ACC_HIDDEN = 0x10;
inline constexpr int32_t ACC_INVALID = 0x20;
inline constexpr int32_t ACC_IMPLIED = 0x40;  // last index column encoded without its length

// Texts that stand in a Value in place of a value.
inline constexpr const char* OV_NULL_VALUE = "(NULL)";        // no value
inline constexpr const char* OV_NOTDONE_VALUE = "(NOTDONE)";  // the column's walk has ended
