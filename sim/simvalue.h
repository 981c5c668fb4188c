#pragma once

#include "oidtext.h"

#include <cstdint>
#include <string>

// The SNMP value kinds the switch's objects use, numbered by their BER tags
// so that the agent layer can hand them to the library unchanged.
enum class SimType : uint8_t {
    Integer = 0x02,
    OctetString = 0x04,
    Null = 0x05,
    ObjectId = 0x06,
    IpAddress = 0x40,
    Counter = 0x41,
    Gauge = 0x42,
    TimeTicks = 0x43,
    Opaque = 0x44,
    Counter64 = 0x46,
};

// One typed value. Numbers of every width live in `number` (signed for
// INTEGER, unsigned otherwise), octet strings and IP addresses in `bytes`.
class SimValue {
public:
    SimType type = SimType::Null;
    int64_t number = 0;
    std::string bytes;
    Oid oid;

    static SimValue Integer(int64_t v);
    static SimValue Octets(std::string v);

    // Data-file form: `kind` is one of the data-file type words
    // (integer, gauge, counter, counter64, timeticks, ipaddress, string, hex, oid).
    static SimValue FromText(const std::string& kind, const std::string& text);
    static bool IsKind(const std::string& kind);
    static bool IsNumericKind(const std::string& kind);

    // Journal form: a type word and a value without blanks.
    static std::string TypeWord(SimType type);
    std::string JournalText() const;

    bool operator==(const SimValue&) const = default;
};
