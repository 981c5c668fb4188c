#pragma once

#include <string>
#include <string_view>

// Replaces every occurrence of pattern from left to right; the scan goes on
// after each inserted replacement, so a replacement is never searched again.
// An empty pattern leaves the text unchanged.
std::string ReplaceAll(std::string_view text, std::string_view pattern, std::string_view replacement);

// Removes one pair of double quotes when the text both starts and ends with one.
std::string StripQuotes(std::string_view text);

// Case-insensitive (ASCII) equality and prefix test, used by option lists and
// the expression keywords.
bool EqualsNoCase(std::string_view a, std::string_view b);
bool StartsWithNoCase(std::string_view text, std::string_view prefix);

// Removes leading and trailing blanks and tabs.
std::string TrimBlanks(std::string_view text);
