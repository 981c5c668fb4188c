#include "ovtexthelpers.h"

#include <algorithm>

namespace {

char LowerAscii(char c) {
    return (c >= 'A' && c <= 'Z') ? static_cast<char>(c - 'A' + 'a') : c;
}

bool IsBlank(char c) {
    return c == ' ' || c == '\t';
}

}  // namespace

std::string ReplaceAll(std::string_view text, std::string_view pattern, std::string_view replacement) {
    if (pattern.empty())
        return std::string(text);
    std::string result;
    size_t start = 0;
    for (size_t hit = text.find(pattern); hit != std::string_view::npos; hit = text.find(pattern, start)) {
        result.append(text.substr(start, hit - start));
        result.append(replacement);
        start = hit + pattern.size();
    }
    result.append(text.substr(start));
    return result;
}

std::string StripQuotes(std::string_view text) {
    if (text.size() >= 2 && text.front() == '"' && text.back() == '"')
        return std::string(text.substr(1, text.size() - 2));
    return std::string(text);
}

bool EqualsNoCase(std::string_view a, std::string_view b) {
    return a.size() == b.size() &&
           std::equal(a.begin(), a.end(), b.begin(), [](char x, char y) { return LowerAscii(x) == LowerAscii(y); });
}

bool StartsWithNoCase(std::string_view text, std::string_view prefix) {
    return text.size() >= prefix.size() && EqualsNoCase(text.substr(0, prefix.size()), prefix);
}

std::string TrimBlanks(std::string_view text) {
    size_t first = 0;
    while (first < text.size() && IsBlank(text[first]))
        ++first;
    size_t last = text.size();
    while (last > first && IsBlank(text[last - 1]))
        --last;
    return std::string(text.substr(first, last - first));
}
