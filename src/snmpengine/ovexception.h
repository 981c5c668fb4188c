#pragma once

#include <cstdint>
#include <stdexcept>
#include <string>

// The one exception type of the library: a text and a signed 32-bit code
// (0 success, negative failures). Pages catch it and show Text().
class OvException : public std::runtime_error {
public:
    OvException(const std::string& text, int32_t code);

    // A text that had to be a decimal number and is not. The library's
    // tables have no code for it; it sits outside all their ranges.
    static constexpr int32_t ConversionError = -600;
    // A page built with settings its controls cannot take: a fault of the
    // page's definition, raised while the page is built.
    static constexpr int32_t PageSetupError = -601;

    int32_t Code() const noexcept { return code_; }
    std::string Text() const { return what(); }

    // The library's own codes -501 to -528, with the library table's text.
    static OvException Own(int32_t code);
    // General codes -1, -2, ...: entry -code of the common table.
    static OvException General(int32_t code);
    // A result of the SNMP library, mapped to code and text.
    static OvException FromSnmpResult(int32_t result);

private:
    int32_t code_;
};
