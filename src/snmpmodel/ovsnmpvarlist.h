#pragma once

#include <cstdint>
#include <memory>
#include <string>
#include <string_view>
#include <vector>

#include "ovoptionlist.h"
#include "ovsnmpcodes.h"
#include "ovsnmpvardef.h"
#include "ovsnmpvaritem.h"

// The variables of one page: built from a static table, then read and
// written by a request. Items are addressed by their 0-based index; an index
// outside the list raises general code -12.
class OvSNMPVarList {
public:
    std::string Instance;
    int32_t KeyCount = 0;
    uint8_t ItemType = SVT_SV;
    std::string Name;

    OvSNMPVarList() = default;
    OvSNMPVarList(const OvSNMPVarDef* table, uint8_t itemType, int32_t keyCount);
    // Copies everything but Instance and the owned option lists.
    OvSNMPVarList(const OvSNMPVarList& other);
    OvSNMPVarList& operator=(const OvSNMPVarList& other);

    // Takes KeyCount, ItemType, Name and deep copies of the items; keeps this
    // list's Instance.
    OvSNMPVarList& Assign(const OvSNMPVarList& other);
    void AddDefinitions(const OvSNMPVarDef* table);
    // Empty expressions and remark are stored as absent.
    void AddVariable(std::string_view oid, std::string_view caption, uint32_t syntax, int32_t access,
                     const OvOptionList* options = nullptr, std::string_view getExpression = {},
                     std::string_view setExpression = {}, std::string_view remark = {});
    void AppendInstanceToOids(std::string_view suffix);
    void Clear();

    int Count() const { return static_cast<int>(items_.size()); }
    OvSNMPVarItem& Item(int index);
    const OvSNMPVarItem& Item(int index) const;

    bool IsImplied(int index) const;
    bool IsReadable(int index) const;
    bool IsSettable(int index) const;
    bool IsShown(int index) const;
    bool IsUnshown(int index) const;
    int ShownCount() const;
    int UnshownCount() const;

    // Option lists that live and die with this list.
    void AdoptOptionList(std::unique_ptr<OvOptionList> list);
    int OwnedOptionListCount() const { return static_cast<int>(ownedOptions_.size()); }

private:
    std::vector<OvSNMPVarItem> items_;
    std::vector<std::unique_ptr<OvOptionList>> ownedOptions_;
};
