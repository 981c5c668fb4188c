#include "simvalue.h"

#include <arpa/inet.h>

#include <array>
#include <stdexcept>

namespace {

struct Kind {
    const char* word;
    SimType type;
};

constexpr std::array<Kind, 10> kKinds{{
    {"integer", SimType::Integer},   {"gauge", SimType::Gauge},
    {"unsigned", SimType::Gauge},    {"counter", SimType::Counter},
    {"counter64", SimType::Counter64}, {"timeticks", SimType::TimeTicks},
    {"ipaddress", SimType::IpAddress}, {"string", SimType::OctetString},
    {"hex", SimType::OctetString},   {"oid", SimType::ObjectId},
}};

struct TypeName {
    SimType type;
    const char* word;
};

constexpr std::array<TypeName, 10> kTypeWords{{
    {SimType::Integer, "INTEGER"},     {SimType::OctetString, "STRING"},
    {SimType::Null, "NULL"},           {SimType::ObjectId, "OID"},
    {SimType::IpAddress, "IPADDRESS"}, {SimType::Counter, "COUNTER"},
    {SimType::Gauge, "GAUGE"},         {SimType::TimeTicks, "TIMETICKS"},
    {SimType::Opaque, "OPAQUE"},       {SimType::Counter64, "COUNTER64"},
}};

const Kind* FindKind(const std::string& word) {
    for (const Kind& kind : kKinds)
        if (word == kind.word) return &kind;
    return nullptr;
}

int HexDigit(char c) {
    if (c >= '0' && c <= '9') return c - '0';
    if (c >= 'a' && c <= 'f') return c - 'a' + 10;
    if (c >= 'A' && c <= 'F') return c - 'A' + 10;
    return -1;
}

// Hex bytes, optionally separated by blanks or colons: "00 1a:2B".
std::string ParseHex(const std::string& text) {
    std::string out;
    int pending = -1;
    for (char c : text) {
        if (c == ' ' || c == ':') {
            if (pending >= 0) throw std::invalid_argument("odd hex digit in: " + text);
            continue;
        }
        const int digit = HexDigit(c);
        if (digit < 0) throw std::invalid_argument("bad hex: " + text);
        if (pending < 0) {
            pending = digit;
        } else {
            out += static_cast<char>(pending * 16 + digit);
            pending = -1;
        }
    }
    if (pending >= 0) throw std::invalid_argument("odd hex digit in: " + text);
    return out;
}

std::string ParseIp(const std::string& text) {
    in_addr addr{};
    if (inet_pton(AF_INET, text.c_str(), &addr) != 1) throw std::invalid_argument("bad IP address: " + text);
    return std::string(reinterpret_cast<const char*>(&addr), 4);
}

int64_t ParseNumber(const std::string& text, int64_t low, uint64_t high) {
    size_t used = 0;
    const bool negative = !text.empty() && text[0] == '-';
    if (negative) {
        const long long v = std::stoll(text, &used);
        if (used != text.size() || v < low) throw std::invalid_argument("number out of range: " + text);
        return v;
    }
    const unsigned long long v = std::stoull(text, &used);
    if (used != text.size() || v > high) throw std::invalid_argument("number out of range: " + text);
    return static_cast<int64_t>(v);
}

std::string HexText(const std::string& bytes) {
    static const char digits[] = "0123456789abcdef";
    std::string out;
    for (unsigned char b : bytes) {
        out += digits[b >> 4];
        out += digits[b & 15];
    }
    return out;
}

}  // namespace

SimValue SimValue::Integer(int64_t v) {
    SimValue value;
    value.type = SimType::Integer;
    value.number = v;
    return value;
}

SimValue SimValue::Octets(std::string v) {
    SimValue value;
    value.type = SimType::OctetString;
    value.bytes = std::move(v);
    return value;
}

bool SimValue::IsKind(const std::string& kind) { return FindKind(kind) != nullptr; }

bool SimValue::IsNumericKind(const std::string& kind) {
    const Kind* found = FindKind(kind);
    if (!found) return false;
    switch (found->type) {
    case SimType::Integer: case SimType::Gauge: case SimType::Counter:
    case SimType::Counter64: case SimType::TimeTicks:
        return true;
    default:
        return false;
    }
}

SimValue SimValue::FromText(const std::string& kind, const std::string& text) {
    const Kind* found = FindKind(kind);
    if (!found) throw std::invalid_argument("unknown type: " + kind);
    SimValue value;
    value.type = found->type;
    switch (found->type) {
    case SimType::Integer:
        value.number = ParseNumber(text, INT32_MIN, INT32_MAX);
        break;
    case SimType::Counter64:
        value.number = ParseNumber(text, 0, UINT64_MAX);
        break;
    case SimType::Gauge: case SimType::Counter: case SimType::TimeTicks:
        value.number = ParseNumber(text, 0, UINT32_MAX);
        break;
    case SimType::IpAddress:
        value.bytes = ParseIp(text);
        break;
    case SimType::ObjectId:
        value.oid = OidText::Parse(text);
        break;
    default:
        value.bytes = kind == "hex" ? ParseHex(text) : text;
        break;
    }
    return value;
}

std::string SimValue::TypeWord(SimType type) {
    for (const TypeName& name : kTypeWords)
        if (name.type == type) return name.word;
    return "TYPE" + std::to_string(static_cast<int>(type));
}

std::string SimValue::JournalText() const {
    switch (type) {
    case SimType::Integer:
        return std::to_string(number);
    case SimType::Counter64: case SimType::Gauge: case SimType::Counter: case SimType::TimeTicks:
        return std::to_string(static_cast<uint64_t>(number));
    case SimType::IpAddress: {
        char text[INET_ADDRSTRLEN] = "";
        if (bytes.size() == 4) inet_ntop(AF_INET, bytes.data(), text, sizeof text);
        return bytes.size() == 4 ? text : HexText(bytes);
    }
    case SimType::ObjectId:
        return OidText::Format(oid);
    case SimType::Null:
        return "-";
    default:
        return HexText(bytes);
    }
}
