#include "ovpartialdata.h"

#include "ovcalendar.h"
#include "ovdatetime.h"
#include "ovexception.h"
#include "ovhextext.h"
#include "ovnumbertext.h"
#include "ovsnmpcodes.h"
#include "ovsnmpvalueconverter.h"
#include "ovtimeticks.h"

#include <algorithm>

namespace {

constexpr int32_t BadSyntax = -511;
constexpr int32_t BadPartValue = -518;
constexpr int32_t PartOutOfRange = -519;

// How each syntax is laid out in bytes: its fixed width (0 = the rest of
// the value) and the least it needs to be read back.
struct Layout {
    uint32_t syntax;
    size_t width;
    size_t minimum;
};

constexpr Layout Layouts[] = {
    {SYN_BOOLEAN, 4, 4},     {SYN_INTEGER, 4, 4},    {SYN_BITSTR, 0, 0},      {SYN_OCTETSTR, 0, 0},
    {SYN_NULL, 0, 0},        {SYN_OBJECTID, 0, 0},   {SYN_IPADDRESS, 4, 4},   {SYN_COUNTER, 4, 4},
    {SYN_GUAGE, 4, 4},       {SYN_TIMETICKS, 4, 4},  {SYN_OPAQUE, 0, 0},      {SYN_NSAPADDR, 4, 4},
    {SYN_COUNTER64, 8, 8},   {SYN_UINTEGER, 4, 4},   {SYN_DOUBLE, 8, 8},      {SYN_MACADDRESS, 6, 6},
    {SYN_DATETIME, 11, 11},  {SYN_BCDATETIME, 8, 8}, {SYN_DISPLAYSTR, 0, 0},  {SYN_IPV6ADDRESS, 16, 16},
    {SYN_BOOL8, 1, 1},       {SYN_INT8, 1, 1},       {SYN_UINT8, 1, 1},       {SYN_BOOL16, 2, 2},
    {SYN_INT16, 2, 2},       {SYN_UINT16, 2, 2},
};

const Layout& LayoutOf(uint32_t syntax) {
    const auto* found = std::find_if(std::begin(Layouts), std::end(Layouts),
                                     [syntax](const Layout& l) { return l.syntax == syntax; });
    if (found == std::end(Layouts)) throw OvException::Own(BadSyntax);
    return *found;
}

std::string LittleEndian(uint64_t value, size_t count) {
    std::string bytes;
    for (size_t i = 0; i < count; ++i) bytes.push_back(static_cast<char>((value >> (8 * i)) & 0xFF));
    return bytes;
}

std::string NetworkOrder16(uint64_t value) {
    return {static_cast<char>((value >> 8) & 0xFF), static_cast<char>(value & 0xFF)};
}

uint64_t ReadLittleEndian(const std::string& bytes, size_t from, size_t count) {
    uint64_t value = 0;
    for (size_t i = 0; i < count; ++i) value |= uint64_t(static_cast<unsigned char>(bytes[from + i])) << (8 * i);
    return value;
}

uint32_t ReadNetworkOrder16(const std::string& bytes) {
    return uint32_t(static_cast<unsigned char>(bytes[0])) << 8 | static_cast<unsigned char>(bytes[1]);
}

// The numbers between the dots of a dotted text, each read leniently.
std::vector<uint64_t> DottedNumbers(const std::string& text) {
    std::vector<uint64_t> numbers;
    size_t start = text.starts_with('.') ? 1 : 0;
    while (start <= text.size() && !text.empty()) {
        const size_t dot = std::min(text.find('.', start), text.size());
        numbers.push_back(OvNumberText::LeadingUInt64(std::string_view(text).substr(start, dot - start)));
        start = dot + 1;
    }
    return numbers;
}

bool IsTrue(const std::string& text) {
    return text == "true";
}

uint64_t Decimal(const std::string& text) {
    return static_cast<uint64_t>(OvNumberText::LeadingInt64(text));
}

std::string JoinedSubIdentifiers(const std::string& bytes) {
    std::string text;
    for (size_t at = 0; at + 4 <= bytes.size(); at += 4)
        text += (text.empty() ? "" : ".") + std::to_string(ReadLittleEndian(bytes, at, 4));
    return text;
}

}  // namespace

size_t OvPartialData::FixedWidth(uint32_t syntax) {
    return LayoutOf(syntax).width;
}

std::string OvPartialData::TextToBytes(const std::string& text, uint32_t syntax) {
    LayoutOf(syntax);
    if (text == OV_NULL_VALUE) return {};
    switch (syntax) {
    case SYN_BOOLEAN: return LittleEndian(IsTrue(text), 4);
    case SYN_INTEGER:
    case SYN_COUNTER:
    case SYN_GUAGE:
    case SYN_UINTEGER: return LittleEndian(Decimal(text), 4);
    case SYN_NULL: return {};
    case SYN_OBJECTID: {
        std::string bytes;
        for (uint64_t id : DottedNumbers(text)) bytes += LittleEndian(id, 4);
        return bytes;
    }
    case SYN_IPADDRESS:
    case SYN_NSAPADDR: {
        std::string bytes;
        for (uint64_t part : DottedNumbers(text)) bytes.push_back(static_cast<char>(part & 0xFF));
        return bytes;
    }
    case SYN_TIMETICKS: return LittleEndian(OvTimeTicks::FromText(text), 4);
    case SYN_COUNTER64: return LittleEndian(OvNumberText::LeadingUInt64(text), 8);
    case SYN_DOUBLE: return OvSNMPValueConverter::DoubleToBytes(OvNumberText::LeadingDouble(text));
    case SYN_DATETIME: {
        OvDateTime time;
        time.Parse(text);
        return time.ToBytes();
    }
    case SYN_BCDATETIME: return OvSNMPValueConverter::DoubleToBytes(OvSNMPValueConverter::BcDateTimeNumber(text));
    case SYN_DISPLAYSTR: return text;
    case SYN_BOOL8: return LittleEndian(IsTrue(text), 1);
    case SYN_INT8:
    case SYN_UINT8: return LittleEndian(Decimal(text), 1);
    case SYN_BOOL16: return NetworkOrder16(IsTrue(text));
    case SYN_INT16:
    case SYN_UINT16: return NetworkOrder16(Decimal(text));
    default: return OvHexText::ToBytes(text);   // the octet-string kinds
    }
}

std::string OvPartialData::BytesToText(const std::string& bytes, uint32_t syntax) {
    const Layout& layout = LayoutOf(syntax);
    if (bytes.empty()) return syntax == SYN_DISPLAYSTR ? "" : OV_NULL_VALUE;
    if (bytes.size() < layout.minimum) throw OvException::Own(BadPartValue);
    const uint64_t word = ReadLittleEndian(bytes, 0, std::min<size_t>(layout.minimum, 8));
    switch (syntax) {
    case SYN_BOOLEAN:
    case SYN_BOOL8: return word != 0 ? "true" : "false";
    case SYN_INTEGER: return std::to_string(static_cast<int32_t>(word));
    case SYN_COUNTER:
    case SYN_GUAGE:
    case SYN_UINTEGER:
    case SYN_COUNTER64:
    case SYN_UINT8: return std::to_string(word);
    case SYN_INT8: return std::to_string(static_cast<int8_t>(word));
    case SYN_IPADDRESS:
    case SYN_NSAPADDR:
        return std::to_string(word & 0xFF) + "." + std::to_string((word >> 8) & 0xFF) + "." +
               std::to_string((word >> 16) & 0xFF) + "." + std::to_string(word >> 24);
    case SYN_TIMETICKS: return OvTimeTicks::ToText(static_cast<uint32_t>(word));
    case SYN_DOUBLE: return OvNumberText::DoubleText(OvSNMPValueConverter::DoubleFromBytes(bytes));
    case SYN_BCDATETIME: return OvSNMPValueConverter::BcDateTimeText(OvSNMPValueConverter::DoubleFromBytes(bytes));
    case SYN_DATETIME: {
        OvDateTime time;
        time.FromBytes(bytes);
        return time.ToText();
    }
    case SYN_BOOL16: return ReadNetworkOrder16(bytes) != 0 ? "true" : "false";
    case SYN_INT16:
    case SYN_UINT16: return std::to_string(ReadNetworkOrder16(bytes));
    case SYN_OBJECTID: return JoinedSubIdentifiers(bytes);
    case SYN_NULL: return OV_NULL_VALUE;
    case SYN_DISPLAYSTR: return bytes;
    default: return OvHexText::FromBytes(bytes);   // the octet-string kinds
    }
}

std::string OvPartialData::ExtractPart(const std::string& bytes, int32_t offset, uint32_t syntax) {
    const size_t width = LayoutOf(syntax).width;
    if (bytes.empty() || syntax == SYN_NULL) return {};
    if (offset < 0 || bytes.size() < static_cast<size_t>(offset) + width) throw OvException::Own(PartOutOfRange);
    return bytes.substr(static_cast<size_t>(offset), width == 0 ? std::string::npos : width);
}
