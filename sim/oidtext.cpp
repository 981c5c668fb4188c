#include "oidtext.h"

#include <stdexcept>

namespace {
constexpr const char* kVendorMark = "{vendor}";
const std::string kVendorArc = "1.3.6.1.4.1." + std::to_string(VENDOR_ENTERPRISE);
}

std::string OidText::ExpandVendor(const std::string& text) {
    std::string out = text;
    for (size_t at = out.find(kVendorMark); at != std::string::npos; at = out.find(kVendorMark))
        out.replace(at, std::char_traits<char>::length(kVendorMark), kVendorArc);
    return out;
}

Oid OidText::Parse(const std::string& text) {
    const std::string expanded = ExpandVendor(text);
    Oid oid;
    size_t pos = expanded.empty() || expanded[0] != '.' ? 0 : 1;
    while (pos < expanded.size()) {
        size_t end = expanded.find('.', pos);
        if (end == std::string::npos) end = expanded.size();
        const std::string arc = expanded.substr(pos, end - pos);
        if (arc.empty() || arc.find_first_not_of("0123456789") != std::string::npos)
            throw std::invalid_argument("bad OID: " + text);
        const unsigned long value = std::stoul(arc);
        if (value > UINT32_MAX) throw std::invalid_argument("OID arc too large: " + text);
        oid.push_back(static_cast<uint32_t>(value));
        pos = end + 1;
    }
    if (oid.empty()) throw std::invalid_argument("empty OID");
    return oid;
}

std::string OidText::Format(const Oid& oid) {
    std::string out;
    for (uint32_t arc : oid) {
        if (!out.empty()) out += '.';
        out += std::to_string(arc);
    }
    return out;
}

bool OidText::StartsWith(const Oid& oid, const Oid& prefix) {
    return oid.size() >= prefix.size() && std::equal(prefix.begin(), prefix.end(), oid.begin());
}
