#pragma once

#include <cstdint>

class OvOptionList;

// One record of a page's static variable table; a record with a null Oid
// ends the table. Tables are written {oid, caption, syntax, access, options}
// with the remaining words left null.
struct OvSNMPVarDef {
    const char* Oid = nullptr;
    const char* Caption = nullptr;
    uint32_t Syntax = 0;
    int32_t Access = 0;
    const OvOptionList* Options = nullptr;
    const char* GetExpression = nullptr;
    const char* SetExpression = nullptr;
    const char* Remark = nullptr;
    const char* const* InitialValue = nullptr;
    const char* const* InitialInstanceOid = nullptr;
};
