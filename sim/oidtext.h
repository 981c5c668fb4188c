#pragma once

#include <cstdint>
#include <string>
#include <vector>

using Oid = std::vector<uint32_t>;

// Dotted OID text, with "{vendor}" standing for the enterprise arc of the
// switch's private MIB so that data files stay independent of the number.
class OidText {
public:
    static Oid Parse(const std::string& text);   // throws std::invalid_argument
    static std::string Format(const Oid& oid);   // "1.3.6.1..."
    static bool StartsWith(const Oid& oid, const Oid& prefix);
    static std::string ExpandVendor(const std::string& text);
};
