#include "ovmultiedit.h"

#include "ovcalendar.h"
#include "ovdatetime.h"
#include "ovexception.h"
#include "ovhextext.h"
#include "ovlatin1.h"
#include "ovnumbertext.h"
#include "ovsnmpcodes.h"
#include "ovtimeticks.h"

#include <QString>

#include <algorithm>
#include <functional>

namespace {

constexpr int32_t NotEnoughControls = -522;

void Require(const OvMultiEdit::Edits& edits, size_t count) {
    if (edits.size() < count) throw OvException::Own(NotEnoughControls);
}

void Put(const OvMultiEdit::Edits& edits, size_t i, const std::string& text) {
    if (auto* edit = qobject_cast<QLineEdit*>(edits[i].data())) edit->setText(ToQt(text));
}

std::string TextOf(const OvMultiEdit::Edits& edits, size_t i) {
    const auto* edit = qobject_cast<const QLineEdit*>(edits[i].data());
    return edit ? FromQt(edit->text()) : std::string();
}

uint32_t NumberOf(const OvMultiEdit::Edits& edits, size_t i) {
    return OvNumberText::LeadingUInt32(TextOf(edits, i));
}

std::string Hex(unsigned char byte) {
    return OvHexText::FromBytes(std::string(1, static_cast<char>(byte)));
}

// Shows count bytes (all of them for count 0) as hex, one per edit; edits
// beyond the bytes are cleared.
void ShowHexBytes(const std::string& bytes, size_t count, const OvMultiEdit::Edits& edits) {
    const size_t shown = count ? count : bytes.size();
    Require(edits, shown);
    for (size_t i = 0; i < edits.size(); ++i)
        Put(edits, i, i < shown && i < bytes.size() ? Hex(static_cast<unsigned char>(bytes[i])) : "");
}

std::string JoinHexBytes(const OvMultiEdit::Edits& edits, size_t count) {
    const size_t used = count ? count : edits.size();
    Require(edits, used);
    std::string hex;
    for (size_t i = 0; i < used; ++i) {
        const std::string text = TextOf(edits, i);
        hex += text.empty() ? "00" : text.size() == 1 ? "0" + text : text;
    }
    return hex;
}

std::vector<std::string> DottedParts(const std::string& text) {
    std::vector<std::string> parts;
    size_t start = text.starts_with('.') ? 1 : 0;
    while (start < text.size()) {
        const size_t dot = std::min(text.find('.', start), text.size());
        parts.push_back(text.substr(start, dot - start));
        start = dot + 1;
    }
    return parts;
}

std::string JoinNumbers(const OvMultiEdit::Edits& edits, size_t count) {
    std::string text;
    for (size_t i = 0; i < count; ++i) text += (i ? "." : "") + std::to_string(NumberOf(edits, i));
    return text;
}

constexpr uint32_t TickUnits[] = {8640000, 360000, 6000, 100, 1};   // days to hundredths

void ShowTicks(const std::string& bytes, const OvMultiEdit::Edits& edits) {
    Require(edits, 5);
    uint32_t v = 0;
    for (size_t i = 0; i < 4 && i < bytes.size(); ++i) v |= uint32_t(static_cast<unsigned char>(bytes[i])) << (8 * i);
    for (size_t i = 0; i < 5; ++i) {
        Put(edits, i, std::to_string(v / TickUnits[i]));
        v %= TickUnits[i];
    }
}

std::string CollectTicks(const OvMultiEdit::Edits& edits) {
    Require(edits, 5);
    uint64_t total = 0;
    for (size_t i = 0; i < 5; ++i) total += uint64_t(NumberOf(edits, i)) * TickUnits[i];
    return OvTimeTicks::ToText(static_cast<uint32_t>(std::min<uint64_t>(total, UINT32_MAX)));
}

void ShowDateTime(const std::string& text, const OvMultiEdit::Edits& edits) {
    Require(edits, 10);
    OvDateTime time;
    time.Parse(text);
    const std::string fields[] = {std::to_string(time.Year),        std::to_string(time.Month),
                                  std::to_string(time.Day),         std::to_string(time.Hour),
                                  std::to_string(time.Minutes),     std::to_string(time.Seconds),
                                  std::to_string(time.DeciSeconds), std::string(1, time.Direction),
                                  std::to_string(time.HoursFromUTC), std::to_string(time.MinutesFromUTC)};
    for (size_t i = 0; i < 10; ++i) Put(edits, i, fields[i]);
}

std::string CollectDateTime(const OvMultiEdit::Edits& edits) {
    Require(edits, 10);
    OvDateTime time;
    time.Year = static_cast<uint16_t>(NumberOf(edits, 0));
    uint8_t* bytes[] = {&time.Month, &time.Day, &time.Hour, &time.Minutes, &time.Seconds, &time.DeciSeconds};
    for (size_t i = 0; i < 6; ++i) *bytes[i] = static_cast<uint8_t>(NumberOf(edits, i + 1));
    const std::string direction = TextOf(edits, 7);
    time.Direction = direction.empty() ? '+' : direction[0];
    time.HoursFromUTC = static_cast<uint8_t>(NumberOf(edits, 8));
    time.MinutesFromUTC = static_cast<uint8_t>(NumberOf(edits, 9));
    return time.ToText();
}

void ShowCalendar(const std::string& text, const OvMultiEdit::Edits& edits) {
    Require(edits, 7);
    double number = 0;
    OvCalendar::FromText(text, number);
    const OvCivilTime t = OvCalendar::ToCivil(number);
    const int fields[] = {t.Year, t.Month, t.Day, t.Hour, t.Minute, t.Second, t.Millisecond};
    for (size_t i = 0; i < 7; ++i) Put(edits, i, std::to_string(fields[i]));
}

std::string CollectCalendar(const OvMultiEdit::Edits& edits) {
    Require(edits, 7);
    OvCivilTime t;
    int* fields[] = {&t.Year, &t.Month, &t.Day, &t.Hour, &t.Minute, &t.Second, &t.Millisecond};
    for (size_t i = 0; i < 7; ++i) *fields[i] = static_cast<int>(NumberOf(edits, i));
    return OvCalendar::ToText(OvCalendar::FromCivil(t));
}

}  // namespace

void OvMultiEdit::Show(uint32_t syntax, const std::string& text, const std::string& bytes, const Edits& edits) {
    if (text == OV_NULL_VALUE) return;
    switch (syntax) {
    case SYN_BITSTR:
    case SYN_OCTETSTR:
    case SYN_OPAQUE: return ShowHexBytes(bytes, 0, edits);
    case SYN_MACADDRESS: return ShowHexBytes(bytes, 6, edits);
    case SYN_IPV6ADDRESS: return ShowHexBytes(bytes, 16, edits);
    case SYN_OBJECTID: {
        const std::vector<std::string> parts = DottedParts(text);
        Require(edits, parts.size());
        for (size_t i = 0; i < edits.size(); ++i)
            Put(edits, i, i < parts.size() ? std::to_string(OvNumberText::LeadingUInt32(parts[i])) : "");
        return;
    }
    case SYN_IPADDRESS:
    case SYN_NSAPADDR:
        Require(edits, 4);
        for (size_t i = 0; i < 4; ++i)
            Put(edits, i, i < bytes.size() ? std::to_string(static_cast<unsigned char>(bytes[i])) : "0");
        return;
    case SYN_TIMETICKS: return ShowTicks(bytes, edits);
    case SYN_DATETIME: return ShowDateTime(text, edits);
    case SYN_BCDATETIME: return ShowCalendar(text, edits);
    default: Require(edits, 1); return Put(edits, 0, text);
    }
}

std::string OvMultiEdit::Collect(uint32_t syntax, const Edits& edits) {
    switch (syntax) {
    case SYN_BITSTR:
    case SYN_OCTETSTR:
    case SYN_OPAQUE: return JoinHexBytes(edits, 0);
    case SYN_MACADDRESS: return JoinHexBytes(edits, 6);
    case SYN_IPV6ADDRESS: return JoinHexBytes(edits, 16);
    case SYN_OBJECTID: return JoinNumbers(edits, edits.size());
    case SYN_IPADDRESS:
    case SYN_NSAPADDR: Require(edits, 4); return JoinNumbers(edits, 4);
    case SYN_TIMETICKS: return CollectTicks(edits);
    case SYN_DATETIME: return CollectDateTime(edits);
    case SYN_BCDATETIME: return CollectCalendar(edits);
    default: Require(edits, 1); return TextOf(edits, 0);
    }
}
