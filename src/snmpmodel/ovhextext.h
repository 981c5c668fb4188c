#pragma once

#include <string>
#include <string_view>

// Hexadecimal text of octet strings: two upper-case digits per byte.
class OvHexText {
public:
    static std::string FromBytes(std::string_view bytes);
    // Blanks are removed first; a character that is no hexadecimal digit
    // counts as 0; with an odd count the first digit alone is the first byte.
    static std::string ToBytes(std::string_view text);
};
