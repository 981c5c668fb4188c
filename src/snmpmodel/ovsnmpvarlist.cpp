#include "ovsnmpvarlist.h"

#include <algorithm>
#include <iterator>

#include "ovexception.h"

namespace {

constexpr int32_t kOutOfRangeCode = -12;

std::optional<std::string> OptionalText(const char* text) {
    return text ? std::optional<std::string>(text) : std::nullopt;
}

std::optional<std::string> OptionalText(std::string_view text) {
    return text.empty() ? std::nullopt : std::optional<std::string>(text);
}

std::string TextOf(const char* const* pointer) {
    return pointer && *pointer ? std::string(*pointer) : std::string();
}

OvSNMPVarItem ItemOf(const OvSNMPVarDef& def) {
    OvSNMPVarItem item;
    item.Oid = def.Oid;
    item.Caption = def.Caption ? def.Caption : "";
    item.Syntax = def.Syntax;
    item.Access = def.Access;
    item.Options = def.Options;
    item.GetExpression = OptionalText(def.GetExpression);
    item.SetExpression = OptionalText(def.SetExpression);
    item.Remark = OptionalText(def.Remark);
    item.Value = TextOf(def.InitialValue);
    item.InstanceOid = TextOf(def.InitialInstanceOid);
    return item;
}

}  // namespace

OvSNMPVarList::OvSNMPVarList(const OvSNMPVarDef* table, uint8_t itemType, int32_t keyCount)
    : KeyCount(keyCount), ItemType(itemType) {
    AddDefinitions(table);
}

OvSNMPVarList::OvSNMPVarList(const OvSNMPVarList& other) {
    Assign(other);
}

OvSNMPVarList& OvSNMPVarList::operator=(const OvSNMPVarList& other) {
    return Assign(other);
}

OvSNMPVarList& OvSNMPVarList::Assign(const OvSNMPVarList& other) {
    if (this == &other)
        return *this;
    KeyCount = other.KeyCount;
    ItemType = other.ItemType;
    Name = other.Name;
    items_ = other.items_;
    return *this;
}

void OvSNMPVarList::AddDefinitions(const OvSNMPVarDef* table) {
    if (!table)
        return;
    size_t count = 0;
    while (table[count].Oid)
        ++count;
    items_.reserve(items_.size() + count);
    std::transform(table, table + count, std::back_inserter(items_), ItemOf);
}

void OvSNMPVarList::AddVariable(std::string_view oid, std::string_view caption, uint32_t syntax, int32_t access,
                                const OvOptionList* options, std::string_view getExpression,
                                std::string_view setExpression, std::string_view remark) {
    OvSNMPVarItem item;
    item.Oid = oid;
    item.Caption = caption;
    item.Syntax = syntax;
    item.Access = access;
    item.Options = options;
    item.GetExpression = OptionalText(getExpression);
    item.SetExpression = OptionalText(setExpression);
    item.Remark = OptionalText(remark);
    items_.push_back(std::move(item));
}

void OvSNMPVarList::AppendInstanceToOids(std::string_view suffix) {
    for (OvSNMPVarItem& item : items_)
        item.Oid = item.Oid + "." + std::string(suffix);
}

void OvSNMPVarList::Clear() {
    items_.clear();
}

OvSNMPVarItem& OvSNMPVarList::Item(int index) {
    if (index < 0 || index >= Count())
        throw OvException::General(kOutOfRangeCode);
    return items_[static_cast<size_t>(index)];
}

const OvSNMPVarItem& OvSNMPVarList::Item(int index) const {
    return const_cast<OvSNMPVarList*>(this)->Item(index);
}

bool OvSNMPVarList::IsImplied(int index) const {
    return (Item(index).Access & ACC_IMPLIED) != 0;
}

bool OvSNMPVarList::IsReadable(int index) const {
    const int32_t a = Item(index).Access;
    return !(a & ACC_INVALID) && (a & ACC_READONLY);
}

bool OvSNMPVarList::IsSettable(int index) const {
    const int32_t a = Item(index).Access;
    const bool tableKey = (ItemType == MVT_FMV || ItemType == MVT_UMV) && index < KeyCount;
    return !(a & ACC_INVALID) && ((a & ACC_WRITEONLY) || tableKey);
}

bool OvSNMPVarList::IsShown(int index) const {
    const int32_t a = Item(index).Access;
    return !(a & (ACC_INVALID | ACC_HIDDEN)) && (a & (ACC_NOTACCESS | ACC_DERIVED | ACC_READONLY));
}

bool OvSNMPVarList::IsUnshown(int index) const {
    const int32_t a = Item(index).Access;
    return a == ACC_WRITEONLY || (a & (ACC_INVALID | ACC_HIDDEN));
}

int OvSNMPVarList::ShownCount() const {
    int count = 0;
    for (int i = 0; i < Count(); ++i)
        count += IsShown(i);
    return count;
}

int OvSNMPVarList::UnshownCount() const {
    int count = 0;
    for (int i = 0; i < Count(); ++i)
        count += IsUnshown(i);
    return count;
}

void OvSNMPVarList::AdoptOptionList(std::unique_ptr<OvOptionList> list) {
    ownedOptions_.push_back(std::move(list));
}
