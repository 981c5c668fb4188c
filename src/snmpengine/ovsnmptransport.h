#pragma once

#include <cstdint>
#include <functional>

#include "ovpdu.h"
#include "ovsnmptarget.h"

// Where requests send their PDUs: the process's SNMP session, or a stand-in
// that records them.
class OvSNMPTransport {
public:
    // status: a result of the SNMP library; response is null unless a
    // response PDU arrived.
    using Completion = std::function<void(int32_t status, const OvPdu* response)>;
    using RequestId = uint64_t;

    virtual ~OvSNMPTransport() = default;
    // On return, pdu holds the response when one arrived.
    virtual int32_t SendSync(const OvSNMPTarget& target, OvPdu& pdu) = 0;
    virtual int32_t SendAsync(const OvSNMPTarget& target, const OvPdu& pdu, Completion completion,
                              RequestId& id) = 0;
    // The completion of this request will not be called.
    virtual void Cancel(RequestId id) = 0;
};
