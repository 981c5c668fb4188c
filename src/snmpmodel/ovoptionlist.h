#pragma once

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

// One record of a static option table: {2, "disabled"} for integer lists,
// {OvText("1.3.6.1.6.3.10.1.1.2"), "MD5"} for text lists; a record with a
// null Text ends the table.
struct OvOptionDef {
    intptr_t Value = 0;
    const char* Text = nullptr;
};

// The value word of a text-valued option record.
inline intptr_t OvText(const char* value) {
    return reinterpret_cast<intptr_t>(value);
}

// One option: the stored value (an integer, or a text for text and prefix
// lists) and the text shown for it.
struct OvOption {
    intptr_t IntegerValue = 0;
    std::string TextValue;
    std::string OptionText;
};

// Maps the stored values of an enumeration to their display texts.
class OvOptionList {
public:
    static constexpr uint32_t IntegerValues = 1;
    static constexpr uint32_t TextValues = 2;
    static constexpr uint32_t PrefixValues = 3;  // an option matches every value that begins with its text

    OvOptionList(const OvOptionDef* table, uint32_t valueType, bool caseSensitivity = false);

    uint32_t ValueType() const { return valueType_; }
    bool CaseSensitivity() const { return caseSensitivity_; }
    int Count() const { return static_cast<int>(options_.size()); }
    const OvOption& Option(int index) const { return options_.at(static_cast<size_t>(index)); }

    void AddOptions(const OvOptionDef* table);

    // -1 when no option matches.
    int IndexOfText(std::string_view text) const;
    int IndexOfValue(std::string_view value) const;

    // A value or text that no option matches is returned unchanged.
    std::string ValueToText(std::string_view value) const;
    std::string TextToValue(std::string_view text) const;

private:
    bool Equal(std::string_view a, std::string_view b) const;
    bool StartsWith(std::string_view text, std::string_view prefix) const;
    std::string StoredValueText(const OvOption& option) const;

    uint32_t valueType_;
    bool caseSensitivity_;
    std::vector<OvOption> options_;
};
