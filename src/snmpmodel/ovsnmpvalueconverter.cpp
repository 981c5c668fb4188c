#include "ovsnmpvalueconverter.h"

#include <arpa/inet.h>
#include <netdb.h>
#include <sys/socket.h>

#include <algorithm>
#include <bit>
#include <cmath>
#include <cstring>
#include <vector>

#include "ovcalendar.h"
#include "ovdatetime.h"
#include "ovexception.h"
#include "ovhextext.h"
#include "ovnumbertext.h"
#include "ovtimeticks.h"

namespace {

constexpr int32_t kBadSyntax = -511;
constexpr int32_t kBadAddress = -509;
constexpr int32_t kBadObjectIdResult = -17;

std::string WithoutOptions(const OvSNMPVarItem& item) {
    return item.Options ? item.Options->TextToValue(item.Value) : item.Value;
}

std::string WithOptions(const OvSNMPVarItem& item, const std::string& value) {
    return item.Options ? item.Options->ValueToText(value) : value;
}

bool IsHexSyntax(uint32_t syntax) {
    return syntax == SYN_OCTETSTR || syntax == SYN_BITSTR || syntax == SYN_OPAQUE || syntax == SYN_MACADDRESS ||
           syntax == SYN_IPV6ADDRESS;
}

bool IsOctetStringSyntax(uint32_t syntax) {
    return IsHexSyntax(syntax) || syntax == SYN_DISPLAYSTR || syntax == SYN_DOUBLE || syntax == SYN_DATETIME ||
           syntax == SYN_BCDATETIME;
}

// The codes a request can carry: the ASN.1 and SNMP tags and the library's
// own octet-string kinds, but not the partial-data kinds.
void RequireTransferable(uint32_t syntax) {
    const bool transferable = (syntax >= SYN_BOOLEAN && syntax <= SYN_OBJECTID) ||
                              (syntax >= SYN_IPADDRESS && syntax <= SYN_IPV6ADDRESS);
    if (!transferable)
        throw OvException::Own(kBadSyntax);
}

// --- received bindings -------------------------------------------------

std::string TextUpToZero(const std::string& bytes) {
    return bytes.substr(0, bytes.find('\0'));
}

// The text of a binding whose type fits the syntax; "" for one that does not.
std::string FittingText(uint32_t syntax, const OvVb& vb) {
    if (IsOctetStringSyntax(syntax) && !vb.IsOctets())
        return "";
    const auto asUnsigned = static_cast<uint32_t>(vb.Integer);
    switch (syntax) {
    case SYN_BOOLEAN:
        return vb.IsInteger32Family() ? (vb.Integer != 0 ? "true" : "false") : "";
    case SYN_INTEGER:
        return vb.IsInteger32Family() ? std::to_string(static_cast<int32_t>(vb.Integer)) : "";
    case SYN_COUNTER:
    case SYN_GUAGE:
    case SYN_UINTEGER:
        return vb.IsInteger32Family() ? std::to_string(asUnsigned) : "";
    case SYN_TIMETICKS:
        return vb.IsInteger32Family() ? OvTimeTicks::ToText(asUnsigned) : "";
    case SYN_COUNTER64:
        if (vb.Syntax == OvVb::Counter64Tag)
            return std::to_string(vb.Counter64);
        return vb.IsInteger32Family() && vb.Syntax != OvVb::Integer32 ? std::to_string(asUnsigned) : "";
    case SYN_OCTETSTR:
    case SYN_BITSTR:
    case SYN_OPAQUE:
    case SYN_MACADDRESS:
    case SYN_IPV6ADDRESS:
        return OvHexText::FromBytes(vb.Bytes);
    case SYN_DISPLAYSTR:
        return TextUpToZero(vb.Bytes);
    case SYN_NULL:
        return "";
    case SYN_OBJECTID:
        return vb.Syntax == OvVb::ObjectId ? OvVb::ArcsText(vb.Arcs) : "";
    case SYN_IPADDRESS:
    case SYN_NSAPADDR:
        return vb.Syntax == OvVb::IpAddress ? vb.PrintableValue() : "";
    case SYN_DOUBLE:
        return vb.Bytes.empty() ? "" : OvNumberText::DoubleText(OvSNMPValueConverter::DoubleFromBytes(vb.Bytes));
    case SYN_DATETIME: {
        if (vb.Bytes.empty())
            return "";
        OvDateTime time;
        time.FromBytes(vb.Bytes);
        return time.ToText();
    }
    case SYN_BCDATETIME:
        return vb.Bytes.empty() ? ""
                                : OvSNMPValueConverter::BcDateTimeText(OvSNMPValueConverter::DoubleFromBytes(vb.Bytes));
    default:
        throw OvException::Own(kBadSyntax);
    }
}

std::string ReceivedText(uint32_t syntax, const OvVb& vb) {
    const bool fits = !IsOctetStringSyntax(syntax) || vb.IsOctets();
    if (IsHexSyntax(syntax))
        return fits ? FittingText(syntax, vb) : OV_NULL_VALUE;
    std::string text = FittingText(syntax, vb);
    if (!text.empty())
        return text;
    return syntax == SYN_DISPLAYSTR && fits ? "" : OV_NULL_VALUE;
}

// --- bindings to send --------------------------------------------------

bool LooksNumeric(const std::string& text) {
    return text.find_first_not_of("0123456789.") == std::string::npos;
}

// A dotted quad, or a host name to look up; a text made of digits and dots
// that is no dotted quad is refused rather than read the resolver's way
// ("10.1" as 10.0.0.1).
std::string ResolvedIpv4(const std::string& text) {
    in_addr address{};
    if (inet_pton(AF_INET, text.c_str(), &address) != 1) {
        if (LooksNumeric(text))
            throw OvException::Own(kBadAddress);
        addrinfo hints{};
        hints.ai_family = AF_INET;
        addrinfo* found = nullptr;
        if (text.empty() || getaddrinfo(text.c_str(), nullptr, &hints, &found) != 0 || !found)
            throw OvException::Own(kBadAddress);
        address = reinterpret_cast<const sockaddr_in*>(found->ai_addr)->sin_addr;
        freeaddrinfo(found);
    }
    return std::string(reinterpret_cast<const char*>(&address), 4);
}

std::vector<uint32_t> ArcsOrThrow(const std::string& text) {
    std::vector<uint32_t> arcs;
    if (!OvVb::ParseArcs(text, arcs))
        throw OvException::FromSnmpResult(kBadObjectIdResult);
    return arcs;
}

uint64_t Counter64FromText(const std::string& text) {
    const double value = OvNumberText::LeadingDouble(text);
    const uint64_t digits = OvNumberText::LeadingUInt64(text);
    // Exact for plain integers, which a double could not carry beyond 2^53.
    return value >= 0 && static_cast<double>(digits) == std::trunc(value) ? digits
                                                                          : OvNumberText::TruncateToUInt64(value);
}

void FillBinding(uint32_t syntax, const std::string& value, OvVb& vb) {
    switch (syntax) {
    case SYN_BOOLEAN:
        return vb.SetInteger(value == "true" ? 1 : 0);
    case SYN_NULL:
        return vb.SetNull();
    case SYN_INTEGER:
        return vb.SetInteger(OvNumberText::LeadingInt32(value));
    case SYN_COUNTER:
    case SYN_GUAGE:
    case SYN_UINTEGER:
        return vb.SetUnsigned(OvVb::Gauge32, OvNumberText::LeadingUInt32(value));
    case SYN_COUNTER64:
        return vb.SetCounter64(Counter64FromText(value));
    case SYN_TIMETICKS:
        return vb.SetUnsigned(OvVb::TimeTicks, OvTimeTicks::FromText(value));
    case SYN_OCTETSTR:
    case SYN_BITSTR:
    case SYN_OPAQUE:
    case SYN_MACADDRESS:
    case SYN_IPV6ADDRESS:
        vb.SetOctets(OvHexText::ToBytes(value));
        if (syntax == SYN_OPAQUE)
            vb.Syntax = OvVb::Opaque;
        return;
    case SYN_DISPLAYSTR:
        return vb.SetOctets(value);
    case SYN_OBJECTID:
        return vb.SetObjectId(ArcsOrThrow(value));
    case SYN_IPADDRESS:
    case SYN_NSAPADDR:
        return vb.SetIpAddress(ResolvedIpv4(value));
    case SYN_DOUBLE:
        return vb.SetOctets(OvSNMPValueConverter::DoubleToBytes(OvNumberText::LeadingDouble(value)));
    case SYN_DATETIME: {
        OvDateTime time;
        time.Parse(value);
        return vb.SetOctets(time.ToBytes());
    }
    case SYN_BCDATETIME:
        return vb.SetOctets(OvSNMPValueConverter::DoubleToBytes(OvSNMPValueConverter::BcDateTimeNumber(value)));
    default:
        throw OvException::Own(kBadSyntax);
    }
}

// --- instance sub-identifiers -------------------------------------------

std::string Join(const std::vector<uint32_t>& ids) {
    return OvVb::ArcsText(ids);
}

void AppendBytes(std::vector<uint32_t>& ids, const std::string& bytes) {
    for (unsigned char b : bytes)
        ids.push_back(b);
}

void AppendCounted(std::vector<uint32_t>& ids, const std::string& bytes, bool implied) {
    if (!implied)
        ids.push_back(static_cast<uint32_t>(bytes.size()));
    AppendBytes(ids, bytes);
}

void AppendDoubleWords(std::vector<uint32_t>& ids, double value) {
    const auto bits = std::bit_cast<uint64_t>(value);
    ids.push_back(static_cast<uint32_t>(bits));
    ids.push_back(static_cast<uint32_t>(bits >> 32));
}

void AppendFixedBytes(std::vector<uint32_t>& ids, const std::string& bytes, size_t count) {
    if (bytes.size() >= count)
        AppendBytes(ids, bytes.substr(0, count));
}

std::vector<uint32_t> IpAddressIds(const std::string& text) {
    std::vector<uint32_t> ids;
    size_t pos = 0;
    for (int i = 0; i < 4; ++i) {
        ids.push_back(std::min<uint32_t>(OvNumberText::LeadingUInt32(text.substr(std::min(pos, text.size()))), 255));
        const size_t dot = text.find('.', pos);
        pos = dot == std::string::npos ? text.size() : dot + 1;
    }
    return ids;
}

std::vector<uint32_t> IndexIds(uint32_t syntax, const std::string& value, bool implied) {
    std::vector<uint32_t> ids;
    switch (syntax) {
    case SYN_BOOLEAN:
        ids.push_back(value == "true" ? 1 : 0);
        break;
    case SYN_INTEGER:
        ids.push_back(static_cast<uint32_t>(OvNumberText::LeadingInt32(value)));
        break;
    case SYN_COUNTER:
    case SYN_GUAGE:
    case SYN_UINTEGER:
        ids.push_back(OvNumberText::LeadingUInt32(value));
        break;
    case SYN_OCTETSTR:
    case SYN_BITSTR:
    case SYN_OPAQUE:
        AppendCounted(ids, OvHexText::ToBytes(value), implied);
        break;
    case SYN_DISPLAYSTR:
        AppendCounted(ids, value, implied);
        break;
    case SYN_NULL:
        break;
    case SYN_OBJECTID: {
        const std::vector<uint32_t> arcs = ArcsOrThrow(value);
        if (!implied)
            ids.push_back(static_cast<uint32_t>(arcs.size()));
        ids.insert(ids.end(), arcs.begin(), arcs.end());
        break;
    }
    case SYN_IPADDRESS:
    case SYN_NSAPADDR:
        ids = IpAddressIds(value);
        break;
    case SYN_TIMETICKS:
        ids.push_back(OvTimeTicks::FromText(value));
        break;
    case SYN_COUNTER64: {
        const uint64_t counter = Counter64FromText(value);
        ids.push_back(static_cast<uint32_t>(counter >> 32));
        ids.push_back(static_cast<uint32_t>(counter));
        break;
    }
    case SYN_DOUBLE:
        AppendDoubleWords(ids, OvNumberText::LeadingDouble(value));
        break;
    case SYN_BCDATETIME:
        AppendDoubleWords(ids, OvSNMPValueConverter::BcDateTimeNumber(value));
        break;
    case SYN_MACADDRESS:
        AppendFixedBytes(ids, OvHexText::ToBytes(value), 6);
        break;
    case SYN_IPV6ADDRESS:
        AppendFixedBytes(ids, OvHexText::ToBytes(value), 16);
        break;
    case SYN_DATETIME: {
        OvDateTime time;
        time.Parse(value);
        AppendBytes(ids, time.ToBytes());
        break;
    }
    default:
        throw OvException::Own(kBadSyntax);
    }
    return ids;
}

// Reads sub-identifiers from the front of a dotted suffix. A component's
// leading digits are its value (saturating); a missing one reads as 0.
class SuffixReader {
public:
    explicit SuffixReader(const std::string& suffix) : text_(suffix) {}

    bool AtEnd() const { return pos_ >= text_.size(); }

    uint32_t Next() {
        if (AtEnd())
            return 0;
        const size_t dot = text_.find('.', pos_);
        const size_t end = dot == std::string::npos ? text_.size() : dot;
        const uint64_t value = OvNumberText::LeadingUInt64(std::string_view(text_).substr(pos_, end - pos_));
        pos_ = dot == std::string::npos ? text_.size() : dot + 1;
        return static_cast<uint32_t>(std::min<uint64_t>(value, UINT32_MAX));
    }

    std::string Bytes(uint64_t count) {
        std::string bytes;
        for (uint64_t i = 0; i < count && !AtEnd(); ++i)
            bytes.push_back(static_cast<char>(Next() & 0xFF));
        return bytes;
    }

    std::string RemainingBytes() { return Bytes(UINT64_MAX); }

    std::string Rest() const { return AtEnd() ? "" : text_.substr(pos_); }

    double DoubleWords() {
        const uint64_t low = Next();
        const uint64_t high = Next();
        return std::bit_cast<double>(high << 32 | low);
    }

private:
    const std::string& text_;
    size_t pos_ = 0;
};

std::string CountedBytes(SuffixReader& reader, bool implied) {
    return implied ? reader.RemainingBytes() : reader.Bytes(reader.Next());
}

std::string DecodedText(uint32_t syntax, SuffixReader& reader, bool implied) {
    switch (syntax) {
    case SYN_BOOLEAN:
        return reader.Next() != 0 ? "true" : "false";
    case SYN_INTEGER:
        return std::to_string(static_cast<int32_t>(reader.Next()));
    case SYN_COUNTER:
    case SYN_GUAGE:
    case SYN_UINTEGER:
        return std::to_string(reader.Next());
    case SYN_TIMETICKS:
        return OvTimeTicks::ToText(reader.Next());
    case SYN_COUNTER64: {
        const uint64_t high = reader.Next();
        return std::to_string(high << 32 | reader.Next());
    }
    case SYN_DOUBLE:
        return OvNumberText::DoubleText(reader.DoubleWords());
    case SYN_BCDATETIME:
        return OvSNMPValueConverter::BcDateTimeText(reader.DoubleWords());
    case SYN_OCTETSTR:
    case SYN_BITSTR:
    case SYN_OPAQUE:
        return OvHexText::FromBytes(CountedBytes(reader, implied));
    case SYN_DISPLAYSTR:
        return CountedBytes(reader, implied);
    case SYN_IPV6ADDRESS:
        return OvHexText::FromBytes(implied ? reader.RemainingBytes() : reader.Bytes(16));
    case SYN_MACADDRESS:
        return OvHexText::FromBytes(reader.Bytes(6));
    case SYN_OBJECTID: {
        std::vector<uint32_t> arcs;
        const uint64_t count = implied ? UINT64_MAX : reader.Next();
        for (uint64_t i = 0; i < count && !reader.AtEnd(); ++i)
            arcs.push_back(reader.Next());
        return OvVb::ArcsText(arcs);
    }
    case SYN_IPADDRESS:
    case SYN_NSAPADDR: {
        std::vector<uint32_t> quad;
        for (int i = 0; i < 4; ++i)
            quad.push_back(reader.Next() & 0xFF);
        return Join(quad);
    }
    case SYN_DATETIME: {
        std::string bytes;
        for (size_t i = 0; i < OvDateTime::ByteCount; ++i)
            bytes.push_back(static_cast<char>(reader.Next() & 0xFF));
        OvDateTime time;
        time.FromBytes(bytes);
        return time.ToText();
    }
    case SYN_NULL:
        return OV_NULL_VALUE;
    default:
        throw OvException::Own(kBadSyntax);
    }
}

bool IsLastAndImplied(const OvSNMPVarList& list, int index) {
    return index == list.KeyCount - 1 && list.IsImplied(index);
}

}  // namespace

void OvSNMPValueConverter::ValueFromVb(OvSNMPVarList& list, int index, const OvVb& vb) {
    OvSNMPVarItem& item = list.Item(index);
    item.Value = WithOptions(item, ReceivedText(item.Syntax, vb));
}

void OvSNMPValueConverter::ValueToVb(const OvSNMPVarList& list, int index, OvVb& vb) {
    const OvSNMPVarItem& item = list.Item(index);
    RequireTransferable(item.Syntax);
    const std::string value = WithoutOptions(item);
    if (value == OV_NULL_VALUE)
        return vb.SetNull();
    FillBinding(item.Syntax, value, vb);
}

std::string OvSNMPValueConverter::EncodeIndex(const OvSNMPVarList& list, int index) {
    const OvSNMPVarItem& item = list.Item(index);
    return Join(IndexIds(item.Syntax, WithoutOptions(item), IsLastAndImplied(list, index)));
}

std::string OvSNMPValueConverter::DecodeIndex(OvSNMPVarList& list, int index, const std::string& suffix) {
    OvSNMPVarItem& item = list.Item(index);
    SuffixReader reader(suffix);
    const std::string text = DecodedText(item.Syntax, reader, IsLastAndImplied(list, index));
    item.Value = WithOptions(item, text);
    return reader.Rest();
}

double OvSNMPValueConverter::DoubleFromBytes(const std::string& bytes) {
    uint64_t bits = 0;
    for (size_t i = 0; i < 8 && i < bytes.size(); ++i)
        bits |= static_cast<uint64_t>(static_cast<unsigned char>(bytes[i])) << (8 * i);
    return std::bit_cast<double>(bits);
}

std::string OvSNMPValueConverter::DoubleToBytes(double value) {
    const auto bits = std::bit_cast<uint64_t>(value);
    std::string bytes(8, '\0');
    for (size_t i = 0; i < 8; ++i)
        bytes[i] = static_cast<char>(bits >> (8 * i));
    return bytes;
}

double OvSNMPValueConverter::BcDateTimeNumber(const std::string& text) {
    double number = 0;
    return OvCalendar::FromText(text, number) ? number : 0.0;
}

std::string OvSNMPValueConverter::BcDateTimeText(double number) {
    return OvCalendar::IsInRange(number) ? OvCalendar::ToText(number) : OV_NULL_VALUE;
}
