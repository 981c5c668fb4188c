#include "ovnumbertext.h"

#include <algorithm>
#include <charconv>
#include <cstdint>
#include <cmath>
#include <limits>

namespace {

std::string_view SkipBlanks(std::string_view text) {
    size_t i = 0;
    while (i < text.size() && (text[i] == ' ' || text[i] == '\t'))
        ++i;
    return text.substr(i);
}

bool IsDigit(char c) {
    return c >= '0' && c <= '9';
}

// Reads unsigned digits from the front of text into a saturated value;
// returns the number of characters read.
size_t ReadDigits(std::string_view text, uint64_t& value) {
    constexpr uint64_t kMax = std::numeric_limits<uint64_t>::max();
    value = 0;
    size_t i = 0;
    for (; i < text.size() && IsDigit(text[i]); ++i) {
        const uint64_t digit = static_cast<uint64_t>(text[i] - '0');
        value = (value > (kMax - digit) / 10) ? kMax : value * 10 + digit;
    }
    return i;
}

int64_t SignedFromMagnitude(bool negative, uint64_t magnitude) {
    constexpr uint64_t kLimit = static_cast<uint64_t>(std::numeric_limits<int64_t>::max());
    if (!negative)
        return magnitude > kLimit ? std::numeric_limits<int64_t>::max() : static_cast<int64_t>(magnitude);
    return magnitude > kLimit ? std::numeric_limits<int64_t>::min() : -static_cast<int64_t>(magnitude);
}

// For a decimal token beyond the range of double: whether its magnitude is
// too large (rather than too small).
bool Overflows(std::string_view token) {
    if (!token.empty() && (token[0] == '-' || token[0] == '+'))
        token.remove_prefix(1);
    const size_t e = token.find_first_of("eE");
    const std::string_view mantissa = token.substr(0, e);
    // Clamped so that adding the digit position cannot overflow.
    constexpr int64_t kExponentLimit = 1'000'000'000;
    const int64_t exponent =
        e == std::string_view::npos
            ? 0
            : std::clamp<int64_t>(OvNumberText::LeadingInt64(token.substr(e + 1)), -kExponentLimit, kExponentLimit);
    const size_t point = std::min(mantissa.find('.'), mantissa.size());
    const size_t firstSignificant = mantissa.find_first_of("123456789");
    if (firstSignificant == std::string_view::npos)
        return false;
    // Position of the leading digit relative to the decimal point.
    const int64_t magnitude = firstSignificant < point ? static_cast<int64_t>(point - firstSignificant)
                                                       : -static_cast<int64_t>(firstSignificant - point - 1);
    return magnitude + exponent > 0;
}

}  // namespace

int64_t OvNumberText::LeadingInt64(std::string_view text) {
    text = SkipBlanks(text);
    bool negative = false;
    if (!text.empty() && (text[0] == '-' || text[0] == '+')) {
        negative = text[0] == '-';
        text.remove_prefix(1);
    }
    uint64_t magnitude = 0;
    ReadDigits(text, magnitude);
    return SignedFromMagnitude(negative, magnitude);
}

int32_t OvNumberText::LeadingInt32(std::string_view text) {
    const int64_t value = LeadingInt64(text);
    return static_cast<int32_t>(std::clamp<int64_t>(value, INT32_MIN, INT32_MAX));
}

uint32_t OvNumberText::LeadingUInt32(std::string_view text) {
    const int64_t value = LeadingInt64(text);
    return static_cast<uint32_t>(std::clamp<int64_t>(value, 0, UINT32_MAX));
}

uint64_t OvNumberText::LeadingUInt64(std::string_view text) {
    text = SkipBlanks(text);
    if (!text.empty() && text[0] == '+')
        text.remove_prefix(1);
    uint64_t value = 0;
    ReadDigits(text, value);
    return value;
}

double OvNumberText::LeadingDouble(std::string_view text) {
    text = SkipBlanks(text);
    if (!text.empty() && text[0] == '+')
        text.remove_prefix(1);
    double value = 0;
    const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), value);
    if (error == std::errc::result_out_of_range) {
        const bool negative = text[0] == '-';
        if (!Overflows(std::string_view(text.data(), static_cast<size_t>(end - text.data()))))
            return negative ? -0.0 : 0.0;
        return negative ? -HUGE_VAL : HUGE_VAL;
    }
    return error == std::errc() ? value : 0.0;
}

bool OvNumberText::ParseWholeInt64(std::string_view text, int64_t& value) {
    const bool negative = !text.empty() && text[0] == '-';
    if (!text.empty() && (text[0] == '-' || text[0] == '+'))
        text.remove_prefix(1);
    uint64_t magnitude = 0;
    const size_t read = ReadDigits(text, magnitude);
    if (read == 0 || read != text.size())
        return false;
    value = SignedFromMagnitude(negative, magnitude);
    return true;
}

std::string OvNumberText::DoubleText(double value) {
    char buffer[64];
    const auto result = std::to_chars(buffer, buffer + sizeof buffer, value, std::chars_format::general, 15);
    std::string text(buffer, result.ptr);
    const size_t e = text.find('e');
    if (e == std::string::npos)
        return text;
    std::string exponent = text.substr(e + 1);
    const bool negative = !exponent.empty() && exponent[0] == '-';
    const size_t digits = exponent.find_first_not_of("+-0");
    return text.substr(0, e) + "E" + (negative ? "-" : "") +
           (digits == std::string::npos ? "0" : exponent.substr(digits));
}

int64_t OvNumberText::TruncateToRange(double value, int64_t minimum, int64_t maximum) {
    if (std::isnan(value))
        return 0;
    const double truncated = std::trunc(value);
    if (truncated <= static_cast<double>(minimum))
        return minimum;
    if (truncated >= static_cast<double>(maximum))
        return maximum;
    return static_cast<int64_t>(truncated);
}

uint64_t OvNumberText::TruncateToUInt64(double value) {
    if (std::isnan(value) || value <= 0)
        return 0;
    if (value >= 18446744073709551616.0)
        return std::numeric_limits<uint64_t>::max();
    return static_cast<uint64_t>(value);
}
