#pragma once

#include <cstdint>
#include <string>

// What an asynchronous request reports to its completion.
struct OvSNMPError {
    int32_t Code = 0;        // library code, 0 on success
    int32_t ErrorIndex = 0;  // 1-based binding of the failing variable, 0 if none
    std::string Text;
    std::string AgentAddress;
    uint16_t AgentPort = 0;
    bool Finished = false;   // no further row follows
};
