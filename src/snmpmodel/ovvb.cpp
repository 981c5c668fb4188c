#include "ovvb.h"

#include "ovtimeticks.h"

namespace {

std::string DottedQuad(const std::string& bytes) {
    std::string text;
    for (size_t i = 0; i < 4; ++i) {
        const unsigned byte = i < bytes.size() ? static_cast<unsigned char>(bytes[i]) : 0;
        text += (i ? "." : "") + std::to_string(byte);
    }
    return text;
}

}  // namespace

std::string OvVb::PrintableValue() const {
    switch (Syntax) {
    case Integer32:
        return std::to_string(Integer);
    case Counter32:
    case Gauge32:
    case UInteger32:
        return std::to_string(static_cast<uint32_t>(Integer));
    case TimeTicks:
        return OvTimeTicks::ToText(static_cast<uint32_t>(Integer));
    case Counter64Tag:
        return std::to_string(Counter64);
    case OctetString:
    case Opaque:
        return Bytes;
    case ObjectId:
        return ArcsText(Arcs);
    case IpAddress:
        return DottedQuad(Bytes);
    default:
        return "";
    }
}

void OvVb::SetNull() {
    std::string oid = std::move(Oid);
    *this = OvVb();
    Oid = std::move(oid);
}

void OvVb::SetInteger(int32_t value) {
    SetNull();
    Syntax = Integer32;
    Integer = value;
}

void OvVb::SetUnsigned(uint8_t tag, uint32_t value) {
    SetNull();
    Syntax = tag;
    Integer = value;
}

void OvVb::SetCounter64(uint64_t value) {
    SetNull();
    Syntax = Counter64Tag;
    Counter64 = value;
}

void OvVb::SetOctets(std::string bytes) {
    SetNull();
    Syntax = OctetString;
    Bytes = std::move(bytes);
}

void OvVb::SetObjectId(std::vector<uint32_t> arcs) {
    SetNull();
    Syntax = ObjectId;
    Arcs = std::move(arcs);
}

void OvVb::SetIpAddress(std::string fourBytes) {
    SetNull();
    Syntax = IpAddress;
    fourBytes.resize(4, '\0');
    Bytes = std::move(fourBytes);
}

bool OvVb::IsInteger32Family() const {
    return Syntax == Integer32 || Syntax == Counter32 || Syntax == Gauge32 || Syntax == TimeTicks ||
           Syntax == UInteger32;
}

std::string OvVb::ArcsText(const std::vector<uint32_t>& arcs) {
    std::string text;
    for (size_t i = 0; i < arcs.size(); ++i)
        text += (i ? "." : "") + std::to_string(arcs[i]);
    return text;
}

bool OvVb::ParseArcs(const std::string& text, std::vector<uint32_t>& arcs) {
    arcs.clear();
    size_t pos = (!text.empty() && text[0] == '.') ? 1 : 0;
    if (pos == text.size())
        return true;
    while (true) {
        uint64_t arc = 0;
        const size_t start = pos;
        while (pos < text.size() && text[pos] >= '0' && text[pos] <= '9') {
            arc = arc * 10 + static_cast<uint64_t>(text[pos++] - '0');
            if (arc > UINT32_MAX)
                return false;
        }
        if (pos == start)
            return false;
        arcs.push_back(static_cast<uint32_t>(arc));
        if (pos == text.size())
            return true;
        if (text[pos++] != '.')
            return false;
    }
}
