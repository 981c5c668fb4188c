#pragma once

#include <functional>
#include <map>
#include <set>
#include <vector>

#include "ovsnmptransport.h"
#include "ovvb.h"

// A tiny agent in memory: objects in OID order, answering get, get-next and
// set the way an SNMPv2c agent does.
class MemoryAgent {
public:
    void Put(const std::string& oid, int32_t value);
    void PutText(const std::string& oid, const std::string& text);
    // SNMPv1 reports the end of the view with no-such-name and the request echoed.
    bool Version1 = false;
    int32_t Answer(const OvPdu& request, OvPdu& response);

private:
    std::map<std::vector<uint32_t>, OvVb> objects_;
};

// Stands in for the SNMP session: records every PDU a request builds and
// answers from a MemoryAgent, synchronously at once or asynchronously when
// the test delivers.
class RecordingTransport : public OvSNMPTransport {
public:
    explicit RecordingTransport(MemoryAgent& agent) : agent_(agent) {}

    int32_t SendSync(const OvSNMPTarget& target, OvPdu& pdu) override;
    int32_t SendAsync(const OvSNMPTarget& target, const OvPdu& pdu, Completion completion,
                      RequestId& id) override;
    void Cancel(RequestId id) override;

    // Answers every outstanding request (those sent by completions wait for the next call).
    int DeliverAll();
    // Ends every outstanding request with the given status and no response.
    void FailAll(int32_t status);

    std::vector<OvPdu> Sent;
    std::vector<OvSNMPTarget> Targets;
    std::set<RequestId> Cancelled;
    int32_t ForcedStatus = 0;  // when not 0, every send returns it

private:
    struct Outstanding {
        OvPdu request;
        Completion completion;
    };
    MemoryAgent& agent_;
    std::map<RequestId, Outstanding> outstanding_;
    RequestId next_ = 1;
};

std::vector<std::string> Oids(const OvPdu& pdu);
