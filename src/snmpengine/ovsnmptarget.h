#pragma once

#include <cstdint>
#include <string>

#include "ovsnmpsettings.h"

// Everything one send needs to reach an agent: the resolved address and the
// security parameters of the request that built it.
struct OvSNMPTarget {
    std::string IpAddress;  // dotted quad, resolved from the request's Address
    uint16_t Port = 161;
    uint8_t Version = 0;
    int32_t Retries = 1;
    int32_t Timeout = OvDefaultTimeout;  // hundredths of a second
    std::string ReadCommunity;
    std::string WriteCommunity;
    int32_t SecurityModel = 1;
    int32_t SecurityLevel = 1;
    std::string SecurityName;
    std::string AuthPassword;
    std::string PrivPassword;
    int32_t AuthProtocol = 1;
    int32_t PrivProtocol = 1;

    bool IsUserTarget() const { return Version == 3; }
    // Identifies the library session that can carry this target's sends.
    std::string SessionKey() const;
};

// Builds the target of one send from a request's settings; raises -509 when
// the address is empty or cannot be resolved.
OvSNMPTarget BuildTarget(const OvSNMPRequestSettings& settings);
