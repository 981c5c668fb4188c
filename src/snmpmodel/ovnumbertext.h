#pragma once

#include <cstdint>
#include <string>
#include <string_view>

// Reading and writing the numbers inside value texts. Reading takes the
// longest leading number after blanks and gives 0 when there is none; values
// beyond the target range saturate. Independent of the process locale.
class OvNumberText {
public:
    static int64_t LeadingInt64(std::string_view text);
    static int32_t LeadingInt32(std::string_view text);
    // A leading minus sign reads as 0.
    static uint32_t LeadingUInt32(std::string_view text);
    static uint64_t LeadingUInt64(std::string_view text);
    static double LeadingDouble(std::string_view text);

    // The whole text is one decimal integer (optional sign); false otherwise.
    static bool ParseWholeInt64(std::string_view text, int64_t& value);

    // Shortest general text with up to 15 significant digits; exponents are
    // written "1E20", "1E-5" so that the text carries no "+".
    static std::string DoubleText(double value);

    // Truncation toward zero into a range, NaN giving 0.
    static int64_t TruncateToRange(double value, int64_t minimum, int64_t maximum);
    static uint64_t TruncateToUInt64(double value);
};
