#include "ovsnmptarget.h"

#include <arpa/inet.h>
#include <netdb.h>
#include <netinet/in.h>
#include <sys/socket.h>

#include "ovexception.h"

namespace {

std::string ResolveIpv4(const std::string& address) {
    if (address.empty())
        return {};
    in_addr parsed{};
    if (inet_pton(AF_INET, address.c_str(), &parsed) == 1)
        return address;
    addrinfo hints{};
    hints.ai_family = AF_INET;
    hints.ai_socktype = SOCK_DGRAM;
    addrinfo* result = nullptr;
    if (getaddrinfo(address.c_str(), nullptr, &hints, &result) != 0 || !result)
        return {};
    char text[INET_ADDRSTRLEN] = {};
    inet_ntop(AF_INET, &reinterpret_cast<sockaddr_in*>(result->ai_addr)->sin_addr, text, sizeof text);
    freeaddrinfo(result);
    return text;
}

}  // namespace

std::string OvSNMPTarget::SessionKey() const {
    std::string key = IpAddress + ":" + std::to_string(Port) + "/v" + std::to_string(Version) + "/" +
                      std::to_string(Retries) + "/" + std::to_string(Timeout);
    if (!IsUserTarget())
        return key;
    // The pass phrases are part of the key: a changed phrase needs fresh keys.
    key += "/" + std::to_string(SecurityModel) + "/" + std::to_string(SecurityLevel) + "/" +
           std::to_string(AuthProtocol) + "/" + std::to_string(PrivProtocol) + "/";
    for (const std::string* part : {&SecurityName, &AuthPassword, &PrivPassword})
        key += std::to_string(part->size()) + ":" + *part;
    return key;
}

OvSNMPTarget BuildTarget(const OvSNMPRequestSettings& s) {
    OvSNMPTarget t;
    t.IpAddress = ResolveIpv4(s.Device.Address);
    if (t.IpAddress.empty())
        throw OvException::Own(-509);
    t.Port = s.Device.Port;
    t.Version = s.Security.Version;
    t.Retries = s.Retries;
    t.Timeout = s.Timeout;
    if (t.IsUserTarget()) {
        t.SecurityModel = s.Security.SecurityModel;
        t.SecurityLevel = s.Security.SecurityLevel;
        t.SecurityName = s.Security.SecurityName;
        t.AuthPassword = s.Security.AuthPassword;
        t.PrivPassword = s.Security.PrivPassword;
        t.AuthProtocol = s.Security.AuthProtocol;
        t.PrivProtocol = s.Security.PrivProtocol;
    } else {
        t.ReadCommunity = s.Security.ReadCommunity;
        t.WriteCommunity = s.Security.WriteCommunity;
    }
    return t;
}
