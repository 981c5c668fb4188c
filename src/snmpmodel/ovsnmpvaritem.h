#pragma once

#include <cstdint>
#include <optional>
#include <string>

class OvOptionList;

// A variable of a list: its definition, its current value as display text
// and the OID of the instance last read. Absent expressions and remarks are
// empty optionals.
struct OvSNMPVarItem {
    std::string Oid;
    std::string Caption;
    uint32_t Syntax = 0;
    int32_t Access = 0;
    const OvOptionList* Options = nullptr;  // process-wide, never owned
    std::optional<std::string> GetExpression;
    std::optional<std::string> SetExpression;
    std::optional<std::string> Remark;
    std::string Value;
    std::string InstanceOid;
};
