#pragma once

#include <cstdint>
#include <string>

// The process-wide default request settings. Start-up fills them from the
// command line and the device's configuration file; every request copies
// them when it is built.

struct OvSNMPDevice {
    std::string Address = "127.0.0.1";
    uint16_t Port = 161;
};

struct OvSNMPScope {
    std::string ContextEngineID;
    std::string ContextName;
};

// Version: 0 SNMPv1, 1 SNMPv2c, 3 SNMPv3. SecurityLevel: 1 noAuthNoPriv,
// 2 authNoPriv, 3 authPriv. AuthProtocol: 1 none, 2 HMAC-MD5, 3 HMAC-SHA.
// PrivProtocol: 1 none, 2 DES.
struct OvSNMPSecurity {
    uint8_t Version = 0;
    std::string ReadCommunity = "lantor";
    std::string WriteCommunity = "wrendel";
    int32_t SecurityModel = 1;
    int32_t SecurityLevel = 1;
    std::string SecurityName;
    std::string AuthPassword;
    std::string PrivPassword;
    int32_t AuthProtocol = 1;
    int32_t PrivProtocol = 1;
};

inline constexpr int32_t OvDefaultTimeout = 100;  // hundredths of a second

struct OvSNMPDefaults {
    OvSNMPDevice Device;
    OvSNMPScope Scope;
    OvSNMPSecurity Security;
    int32_t Timeout = OvDefaultTimeout;
};

// What one request sends with: a copy of the defaults plus its retries.
struct OvSNMPRequestSettings {
    OvSNMPDevice Device;
    OvSNMPScope Scope;
    OvSNMPSecurity Security;
    int32_t Timeout = OvDefaultTimeout;
    int32_t Retries = 1;

    static OvSNMPRequestSettings FromDefaults();
};

OvSNMPDefaults& DefaultSettings();
void ResetDefaultSettings();
