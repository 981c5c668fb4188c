#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "ovvb.h"

// One request or response PDU as the engine sees it; the session turns it
// into the SNMP library's own PDU and back.
struct OvPdu {
    enum class Kind { Get, GetNext, Set, Response };

    Kind Type = Kind::Get;
    std::vector<OvVb> Vbs;
    int32_t ErrorStatus = 0;
    int32_t ErrorIndex = 0;
    int32_t SecurityLevel = 1;
    std::string ContextName;
    std::string ContextEngineID;
};
