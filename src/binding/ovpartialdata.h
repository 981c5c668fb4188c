#pragma once

#include <cstdint>
#include <string>

// Moves a value between its text form and its byte form, so that a control
// can be bound to a part of an octet-string value: a byte, a 16-bit word, a
// field at a byte offset. Multi-byte numbers are least significant byte
// first, except the 16-bit kinds, which are in network order.
class OvPartialData {
public:
    // "(NULL)" gives no bytes.
    static std::string TextToBytes(const std::string& text, uint32_t syntax);
    // No bytes give "(NULL)" ("" for "displaystr"); too few for the syntax -518.
    static std::string BytesToText(const std::string& bytes, uint32_t syntax);
    // The syntax's fixed width from offset on, or the rest for the variable
    // kinds; a value too short for it fails with -519.
    static std::string ExtractPart(const std::string& bytes, int32_t offset, uint32_t syntax);
    // Bytes a part of the syntax takes; 0 for the kinds that take the rest.
    // Unknown syntaxes fail with -511.
    static size_t FixedWidth(uint32_t syntax);
};
