#include "ovhextext.h"

namespace {

int NibbleOf(char c) {
    if (c >= '0' && c <= '9')
        return c - '0';
    if (c >= 'A' && c <= 'F')
        return c - 'A' + 10;
    if (c >= 'a' && c <= 'f')
        return c - 'a' + 10;
    return 0;
}

std::string WithoutBlanks(std::string_view text) {
    std::string digits;
    digits.reserve(text.size());
    for (char c : text)
        if (c != ' ')
            digits.push_back(c);
    return digits;
}

}  // namespace

std::string OvHexText::FromBytes(std::string_view bytes) {
    static constexpr char kDigits[] = "0123456789ABCDEF";
    std::string text;
    text.reserve(bytes.size() * 2);
    for (unsigned char b : bytes) {
        text.push_back(kDigits[b >> 4]);
        text.push_back(kDigits[b & 0x0F]);
    }
    return text;
}

std::string OvHexText::ToBytes(std::string_view text) {
    const std::string digits = WithoutBlanks(text);
    std::string bytes;
    bytes.reserve(digits.size() / 2 + 1);
    size_t i = 0;
    if (digits.size() % 2 == 1)
        bytes.push_back(static_cast<char>(NibbleOf(digits[i++])));
    for (; i < digits.size(); i += 2)
        bytes.push_back(static_cast<char>(NibbleOf(digits[i]) * 16 + NibbleOf(digits[i + 1])));
    return bytes;
}
