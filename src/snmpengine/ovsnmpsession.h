#pragma once

#include <cstdint>
#include <functional>
#include <map>
#include <memory>
#include <string>
#include <vector>

#include "ovpdu.h"
#include "ovsnmptarget.h"
#include "ovsnmptransport.h"

class SnmpEventProcessor;
struct snmp_session;
struct snmp_pdu;

// The process's one SNMP session. Beneath it the SNMP library keeps one
// session per distinct target; synchronous and asynchronous sends use
// separate library sessions so that a synchronous wait never runs another
// request's completion.
class OvSNMPSession : public OvSNMPTransport {
public:
    static constexpr const char* EngineId = "OvSNMP_PP_Application";
    static constexpr const char* BootCounterFile = "OvSNMP_PP_BootCounter";

    // Completion statuses: 0, -5 timeout, -8 closing, an agent error
    // status, or a user-security or message-processing result.
    ~OvSNMPSession() override;
    OvSNMPSession(const OvSNMPSession&) = delete;
    OvSNMPSession& operator=(const OvSNMPSession&) = delete;

    // Null until CreateGlobalSession succeeded.
    static OvSNMPSession* Global();
    // Ends the process's session (completions of outstanding requests see -8).
    static void DestroyGlobal();

    uint32_t EngineBoots() const { return engineBoots_; }

    // Sends and waits. On return, pdu holds the response when the result is 0
    // or an agent error status.
    int32_t SendSync(const OvSNMPTarget& target, OvPdu& pdu) override;
    // Sends and returns at once; the completion runs from ProcessPendingEvents.
    int32_t SendAsync(const OvSNMPTarget& target, const OvPdu& pdu, Completion completion,
                      RequestId& id) override;
    void Cancel(RequestId id) override;
    bool IsOutstanding(RequestId id) const;

    // Reads every datagram that is ready, runs the completions of the
    // answered requests and retransmits or times out the rest; never blocks.
    void ProcessPendingEvents();
    // The sockets the library reads from, for waking the event pump.
    std::vector<int> SocketDescriptors() const;

    SnmpEventProcessor& EventProcessor() { return *pump_; }

private:
    friend void CreateGlobalSession(const std::string& directory);
    struct LibrarySession;
    struct Outstanding;

    using SessionMap = std::map<std::string, std::unique_ptr<LibrarySession>>;

    OvSNMPSession();
    std::string SessionKeyOf(const LibrarySession& session) const;
    SessionMap::iterator CloseSession(SessionMap::iterator it);
    LibrarySession* SessionFor(const OvSNMPTarget& target, bool synchronous, int32_t& result);
    void ForgetUserKeys(const std::string& securityName);
    static int OnResponse(int operation, snmp_session* session, int requestId, snmp_pdu* pdu, void* magic);

    SessionMap sessions_;
    std::vector<std::unique_ptr<LibrarySession>> closing_;
    bool processing_ = false;
    std::map<RequestId, std::unique_ptr<Outstanding>> outstanding_;
    RequestId nextId_ = 1;
    uint32_t engineBoots_ = 0;
    std::unique_ptr<SnmpEventProcessor> pump_;
};

// Creates the process's session: initialises the SNMP library (no
// configuration or MIB files, no saved state, nothing printed), counts the
// engine boots in "OvSNMP_PP_BootCounter" inside directory, resets the
// default request settings and starts the event pump. Raises -506, -507, -508.
void CreateGlobalSession(const std::string& directory);
