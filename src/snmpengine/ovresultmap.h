#pragma once

#include <cstdint>
#include <string>

struct OvMappedResult {
    int32_t Code = 0;
    std::string Text;
};

// Maps a result of the SNMP library (a send's status, a response's error
// status, a user-security or message-processing result) onto the library's
// own code range and the text of that code.
OvMappedResult MapSnmpResult(int32_t result);
