#include "ovoptionlist.h"

#include "ovnumbertext.h"
#include "ovsnmpcodes.h"
#include "ovtexthelpers.h"

OvOptionList::OvOptionList(const OvOptionDef* table, uint32_t valueType, bool caseSensitivity)
    : valueType_(valueType), caseSensitivity_(caseSensitivity) {
    AddOptions(table);
}

void OvOptionList::AddOptions(const OvOptionDef* table) {
    for (const OvOptionDef* def = table; def && def->Text; ++def) {
        OvOption option;
        option.OptionText = def->Text;
        if (valueType_ == IntegerValues) {
            option.IntegerValue = def->Value;
        } else if (const char* stored = reinterpret_cast<const char*>(def->Value)) {
            option.TextValue = stored;
        }
        options_.push_back(std::move(option));
    }
}

bool OvOptionList::Equal(std::string_view a, std::string_view b) const {
    return caseSensitivity_ ? a == b : EqualsNoCase(a, b);
}

bool OvOptionList::StartsWith(std::string_view text, std::string_view prefix) const {
    return caseSensitivity_ ? text.starts_with(prefix) : StartsWithNoCase(text, prefix);
}

int OvOptionList::IndexOfText(std::string_view text) const {
    for (size_t i = 0; i < options_.size(); ++i) {
        const std::string& optionText = options_[i].OptionText;
        if (valueType_ == PrefixValues ? StartsWith(text, optionText) : Equal(text, optionText))
            return static_cast<int>(i);
    }
    return -1;
}

int OvOptionList::IndexOfValue(std::string_view value) const {
    int64_t number = 0;
    if (valueType_ == IntegerValues && (value == OV_NULL_VALUE || !OvNumberText::ParseWholeInt64(value, number)))
        return -1;
    for (size_t i = 0; i < options_.size(); ++i) {
        const OvOption& option = options_[i];
        const bool match = valueType_ == IntegerValues  ? option.IntegerValue == number
                           : valueType_ == PrefixValues ? StartsWith(value, option.TextValue)
                                                        : Equal(value, option.TextValue);
        if (match)
            return static_cast<int>(i);
    }
    return -1;
}

std::string OvOptionList::StoredValueText(const OvOption& option) const {
    return valueType_ == IntegerValues ? std::to_string(option.IntegerValue) : option.TextValue;
}

std::string OvOptionList::ValueToText(std::string_view value) const {
    const int index = IndexOfValue(value);
    if (index < 0)
        return std::string(value);
    const OvOption& option = options_[static_cast<size_t>(index)];
    if (valueType_ == PrefixValues)
        return option.OptionText + std::string(value.substr(option.TextValue.size()));
    return option.OptionText;
}

std::string OvOptionList::TextToValue(std::string_view text) const {
    const int index = IndexOfText(text);
    if (index < 0)
        return std::string(text);
    const OvOption& option = options_[static_cast<size_t>(index)];
    if (valueType_ == PrefixValues)
        return option.TextValue + std::string(text.substr(option.OptionText.size()));
    return StoredValueText(option);
}
