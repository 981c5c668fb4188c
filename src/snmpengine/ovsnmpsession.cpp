#include "ovsnmpsession.h"

#include <net-snmp/net-snmp-config.h>
#include <net-snmp/net-snmp-includes.h>

#include <sys/socket.h>
#include <unistd.h>

#include <cstdlib>
#include <cstring>
#include <optional>

#include "ovbootcounter.h"
#include "ovexception.h"
#include "ovnetsnmpresult.h"
#include "ovnetsnmpvb.h"
#include "snmpeventprocessor.h"

namespace {

OvSNMPSession* g_session = nullptr;

// A pass phrase from which no key can be made (shorter than the minimum).
constexpr int32_t kUsmError = 1401;

struct ProtocolOid {
    int32_t code;
    const oid* value;
    std::size_t length;
};

// Protocol codes as the station numbers them.
const ProtocolOid kAuthProtocols[] = {
    {2, usmHMACMD5AuthProtocol, OID_LENGTH(usmHMACMD5AuthProtocol)},
    {3, usmHMACSHA1AuthProtocol, OID_LENGTH(usmHMACSHA1AuthProtocol)},
    {4, usmHMAC128SHA224AuthProtocol, OID_LENGTH(usmHMAC128SHA224AuthProtocol)},
    {5, usmHMAC192SHA256AuthProtocol, OID_LENGTH(usmHMAC192SHA256AuthProtocol)},
    {6, usmHMAC256SHA384AuthProtocol, OID_LENGTH(usmHMAC256SHA384AuthProtocol)},
    {7, usmHMAC384SHA512AuthProtocol, OID_LENGTH(usmHMAC384SHA512AuthProtocol)},
};

const ProtocolOid kPrivProtocols[] = {
    {2, usmDESPrivProtocol, OID_LENGTH(usmDESPrivProtocol)},
    {4, usmAESPrivProtocol, OID_LENGTH(usmAESPrivProtocol)},
#ifdef NETSNMP_DRAFT_BLUMENTHAL_AES_04
    {20, usmAES192PrivProtocol, OID_LENGTH(usmAES192PrivProtocol)},
    {21, usmAES256PrivProtocol, OID_LENGTH(usmAES256PrivProtocol)},
#endif
};

template <std::size_t N>
const ProtocolOid* FindProtocol(const ProtocolOid (&table)[N], int32_t code) {
    for (const auto& p : table)
        if (p.code == code)
            return &p;
    return nullptr;
}

// The library reads the environment for its MIB search path at start-up;
// with both lists empty it loads no MIB file and writes no MIB index.
class EmptyMibEnvironment {
public:
    EmptyMibEnvironment() {
        Save("MIBS", mibs_);
        Save("MIBDIRS", mibdirs_);
    }
    ~EmptyMibEnvironment() {
        Restore("MIBS", mibs_);
        Restore("MIBDIRS", mibdirs_);
    }

private:
    static void Save(const char* name, std::optional<std::string>& saved) {
        if (const char* v = std::getenv(name))
            saved = v;
        setenv(name, "", 1);
    }
    static void Restore(const char* name, const std::optional<std::string>& saved) {
        if (saved)
            setenv(name, saved->c_str(), 1);
        else
            unsetenv(name);
    }
    std::optional<std::string> mibs_, mibdirs_;
};

void InitialiseLibraryOnce() {
    static bool done = false;
    if (done)
        return;
    done = true;
    snmp_disable_log();
    netsnmp_ds_set_boolean(NETSNMP_DS_LIBRARY_ID, NETSNMP_DS_LIB_DONT_READ_CONFIGS, 1);
    netsnmp_ds_set_boolean(NETSNMP_DS_LIBRARY_ID, NETSNMP_DS_LIB_DISABLE_PERSISTENT_LOAD, 1);
    netsnmp_ds_set_boolean(NETSNMP_DS_LIBRARY_ID, NETSNMP_DS_LIB_DISABLE_PERSISTENT_SAVE, 1);
    netsnmp_ds_set_boolean(NETSNMP_DS_LIBRARY_ID, NETSNMP_DS_LIB_DONT_PERSIST_STATE, 1);
    netsnmp_ds_set_boolean(NETSNMP_DS_LIBRARY_ID, NETSNMP_DS_LIB_DISABLE_CONFIG_LOAD, 1);
    // Some subsystems create folders in the persistent directory whatever
    // the switches say; one below a device file can never be created.
    netsnmp_ds_set_string(NETSNMP_DS_LIBRARY_ID, NETSNMP_DS_LIB_PERSISTENT_DIR, "/dev/null");
    EmptyMibEnvironment noMibs;
    init_snmp("ovsnmp");
}

bool CanBindUdp() {
    const int fd = socket(AF_INET, SOCK_DGRAM, 0);
    if (fd < 0)
        return false;
    sockaddr_in any{};
    any.sin_family = AF_INET;
    const bool bound = bind(fd, reinterpret_cast<sockaddr*>(&any), sizeof any) == 0;
    close(fd);
    return bound;
}

std::string BootCounterPath(const std::string& directory) {
    if (directory.empty())
        return OvSNMPSession::BootCounterFile;
    const bool endsWithSeparator = directory.back() == '/' || directory.back() == '\\';
    return directory + (endsWithSeparator ? "" : "/") + OvSNMPSession::BootCounterFile;
}

uint32_t CountEngineBoot(const std::string& directory) {
    const std::string path = BootCounterPath(directory);
    uint32_t boots = 0;
    switch (OvBootCounter::Read(path, OvSNMPSession::EngineId, boots)) {
    case OvBootCounter::Status::Ok:
    case OvBootCounter::Status::NoFile:
    case OvBootCounter::Status::NoEntry: break;
    default: throw OvException::Own(-507);
    }
    ++boots;
    if (OvBootCounter::Save(path, OvSNMPSession::EngineId, boots) != OvBootCounter::Status::Ok)
        throw OvException::Own(-508);
    return boots;
}

// A context engine ID given as hexadecimal digits ("800007E5...", with or
// without "0x") is sent as those bytes; any other text as its characters.
std::string ContextEngineIdBytes(const std::string& text) {
    std::string digits = text;
    if (digits.size() > 2 && digits[0] == '0' && (digits[1] == 'x' || digits[1] == 'X'))
        digits = digits.substr(2);
    if (digits.empty() || digits.size() % 2 != 0 ||
        digits.find_first_not_of("0123456789abcdefABCDEF") != std::string::npos)
        return text;
    std::string bytes;
    for (std::size_t i = 0; i < digits.size(); i += 2)
        bytes.push_back(static_cast<char>(std::stoi(digits.substr(i, 2), nullptr, 16)));
    return bytes;
}

// The library takes the boots value as a configuration line and counts the
// start it stands for itself.
void SetLocalEngineBoots(uint32_t boots) {
    std::string line = "engineBoots " + std::to_string(boots - 1);
    netsnmp_config(line.data());
}

int PduCommand(OvPdu::Kind kind) {
    switch (kind) {
    case OvPdu::Kind::Get: return SNMP_MSG_GET;
    case OvPdu::Kind::GetNext: return SNMP_MSG_GETNEXT;
    case OvPdu::Kind::Set: return SNMP_MSG_SET;
    case OvPdu::Kind::Response: return SNMP_MSG_RESPONSE;
    }
    return SNMP_MSG_GET;
}

void CopyBytes(u_char*& dest, size_t& destLen, const std::string& bytes) {
    dest = static_cast<u_char*>(malloc(bytes.size() + 1));
    std::memcpy(dest, bytes.data(), bytes.size());
    dest[bytes.size()] = 0;
    destLen = bytes.size();
}

netsnmp_pdu* BuildLibraryPdu(const OvSNMPTarget& target, const OvPdu& pdu) {
    netsnmp_pdu* p = snmp_pdu_create(PduCommand(pdu.Type));
    if (target.IsUserTarget()) {
        p->securityLevel = pdu.SecurityLevel;
        if (!pdu.ContextName.empty())
            CopyBytes(reinterpret_cast<u_char*&>(p->contextName), p->contextNameLen, pdu.ContextName);
        if (!pdu.ContextEngineID.empty())
            CopyBytes(p->contextEngineID, p->contextEngineIDLen, ContextEngineIdBytes(pdu.ContextEngineID));
    } else {
        const std::string& community =
            pdu.Type == OvPdu::Kind::Set ? target.WriteCommunity : target.ReadCommunity;
        CopyBytes(p->community, p->community_len, community);
    }
    for (const OvVb& vb : pdu.Vbs) {
        if (!AppendToLibraryPdu(p, vb)) {
            snmp_free_pdu(p);
            return nullptr;
        }
    }
    return p;
}

OvPdu FromLibraryPdu(const netsnmp_pdu* p) {
    OvPdu pdu;
    pdu.Type = OvPdu::Kind::Response;
    pdu.ErrorStatus = static_cast<int32_t>(p->errstat);
    pdu.ErrorIndex = static_cast<int32_t>(p->errindex);
    pdu.SecurityLevel = p->securityLevel;
    for (const netsnmp_variable_list* v = p->variables; v; v = v->next_variable)
        pdu.Vbs.push_back(FromLibraryVariable(v));
    return pdu;
}

// The outcome of a response: a report stands for the security or message
// processing failure it announces, anything else for its error status.
int32_t ResponseResult(const netsnmp_pdu* response) {
    if (response->command == SNMP_MSG_REPORT)
        return NetSnmpErrorToResult(snmpv3_get_report_type(const_cast<netsnmp_pdu*>(response)));
    return static_cast<int32_t>(response->errstat);
}

// What a callback without a response PDU stands for.
int32_t CallbackResult(int operation) {
    switch (operation) {
    case NETSNMP_CALLBACK_OP_TIMED_OUT: return OvSnmpResult::Timeout;
    case NETSNMP_CALLBACK_OP_SEND_FAILED: return OvSnmpResult::TransportFailed;
    case NETSNMP_CALLBACK_OP_SEC_ERROR: return kUsmError;
    default: return OvSnmpResult::SessionClosing;
    }
}

int32_t SessionError(void* handle) {
    int systemError = 0, snmpError = 0;
    char* text = nullptr;
    snmp_sess_error(handle, &systemError, &snmpError, &text);
    free(text);
    return NetSnmpErrorToResult(snmpError != 0 ? snmpError : SNMPERR_GENERR);
}

}  // namespace

struct OvSNMPSession::LibrarySession {
    void* handle = nullptr;
    std::string securityName;
    ~LibrarySession() {
        if (handle)
            snmp_sess_close(handle);
    }
};

struct OvSNMPSession::Outstanding {
    Completion completion;
    std::string sessionKey;
    bool cancelled = false;
};

OvSNMPSession::OvSNMPSession() : pump_(std::make_unique<SnmpEventProcessor>()) {}

OvSNMPSession::~OvSNMPSession() {
    pump_->Stop();
    // Closing with requests outstanding: their owners only count them off.
    auto outstanding = std::move(outstanding_);
    for (auto& [id, entry] : outstanding)
        if (!entry->cancelled && entry->completion)
            entry->completion(OvSnmpResult::SessionClosing, nullptr);
    sessions_.clear();
}

OvSNMPSession* OvSNMPSession::Global() {
    return g_session;
}

void OvSNMPSession::DestroyGlobal() {
    OvSNMPSession* session = g_session;
    g_session = nullptr;
    delete session;
}

void CreateGlobalSession(const std::string& directory) {
    OvSNMPSession::DestroyGlobal();
    InitialiseLibraryOnce();
    if (!CanBindUdp())
        throw OvException::Own(-506);
    const uint32_t boots = CountEngineBoot(directory);
    setup_engineID(nullptr, OvSNMPSession::EngineId);
    SetLocalEngineBoots(boots);
    auto* session = new OvSNMPSession();
    session->engineBoots_ = boots;
    g_session = session;
    ResetDefaultSettings();
    session->pump_->Start();
}

void OvSNMPSession::ForgetUserKeys(const std::string& securityName) {
    // The library keeps one key set per user and engine. A session with new
    // pass phrases must not meet the keys of an older one.
    for (auto it = sessions_.begin(); it != sessions_.end();)
        it = it->second->securityName == securityName ? CloseSession(it) : std::next(it);
    for (usmUser* user = usm_get_userList(); user;) {
        usmUser* next = user->next;
        if (user->name && securityName == user->name) {
            usm_remove_user(user);
            usm_free_user(user);
        }
        user = next;
    }
}

OvSNMPSession::LibrarySession* OvSNMPSession::SessionFor(const OvSNMPTarget& target, bool synchronous,
                                                         int32_t& result) {
    result = OvSnmpResult::Success;
    const std::string key = (synchronous ? "sync|" : "async|") + target.SessionKey();
    if (auto it = sessions_.find(key); it != sessions_.end())
        return it->second.get();

    if (target.IsUserTarget()) {
        const std::string keyPrefix = target.SessionKey();
        bool sameKeysInUse = false;
        for (const auto& [k, s] : sessions_)
            if (s->securityName == target.SecurityName && k.substr(k.find('|') + 1) == keyPrefix)
                sameKeysInUse = true;
        if (!sameKeysInUse)
            ForgetUserKeys(target.SecurityName);
    }

    netsnmp_session init;
    snmp_sess_init(&init);
    const std::string peer = "udp:" + target.IpAddress + ":" + std::to_string(target.Port);
    init.peername = const_cast<char*>(peer.c_str());
    init.retries = target.Retries;
    init.timeout = static_cast<long>(target.Timeout) * 10000L;
    init.version = target.Version == 3 ? SNMP_VERSION_3
                   : target.Version == 1 ? SNMP_VERSION_2c
                                         : SNMP_VERSION_1;
    std::string community = target.ReadCommunity;
    init.community = reinterpret_cast<u_char*>(community.data());
    init.community_len = community.size();

    std::string securityName = target.SecurityName;
    if (target.IsUserTarget()) {
        init.securityModel = target.SecurityModel;
        init.securityLevel = target.SecurityLevel;
        init.securityName = securityName.data();
        init.securityNameLen = securityName.size();
        if (const ProtocolOid* auth = FindProtocol(kAuthProtocols, target.AuthProtocol)) {
            init.securityAuthProto = const_cast<oid*>(auth->value);
            init.securityAuthProtoLen = auth->length;
            init.securityAuthKeyLen = USM_AUTH_KU_LEN;
            if (generate_Ku(init.securityAuthProto, init.securityAuthProtoLen,
                            reinterpret_cast<const u_char*>(target.AuthPassword.data()),
                            target.AuthPassword.size(), init.securityAuthKey,
                            &init.securityAuthKeyLen) != SNMPERR_SUCCESS) {
                result = kUsmError;
                return nullptr;
            }
            if (const ProtocolOid* priv = FindProtocol(kPrivProtocols, target.PrivProtocol)) {
                init.securityPrivProto = const_cast<oid*>(priv->value);
                init.securityPrivProtoLen = priv->length;
                init.securityPrivKeyLen = USM_PRIV_KU_LEN;
                if (generate_Ku(init.securityAuthProto, init.securityAuthProtoLen,
                                reinterpret_cast<const u_char*>(target.PrivPassword.data()),
                                target.PrivPassword.size(), init.securityPrivKey,
                                &init.securityPrivKeyLen) != SNMPERR_SUCCESS) {
                    result = kUsmError;
                    return nullptr;
                }
            }
        }
    }

    // Opening an SNMPv3 session discovers the agent's engine ID; a silent
    // agent times out here.
    void* handle = snmp_sess_open(&init);
    if (!handle) {
        result = NetSnmpErrorToResult(init.s_snmp_errno ? init.s_snmp_errno : SNMPERR_GENERR);
        return nullptr;
    }
    auto session = std::make_unique<LibrarySession>();
    session->handle = handle;
    session->securityName = target.IsUserTarget() ? target.SecurityName : std::string();
    return sessions_.emplace(key, std::move(session)).first->second.get();
}

int32_t OvSNMPSession::SendSync(const OvSNMPTarget& target, OvPdu& pdu) {
    int32_t result = OvSnmpResult::Success;
    LibrarySession* session = SessionFor(target, true, result);
    if (!session)
        return result;
    netsnmp_pdu* request = BuildLibraryPdu(target, pdu);
    if (!request)
        return OvSnmpResult::InvalidPdu;
    netsnmp_pdu* response = nullptr;
    const int status = snmp_sess_synch_response(session->handle, request, &response);
    if (status == STAT_SUCCESS && response) {
        result = ResponseResult(response);
        pdu = FromLibraryPdu(response);
    } else if (status == STAT_TIMEOUT) {
        result = OvSnmpResult::Timeout;
    } else {
        result = SessionError(session->handle);
    }
    if (response)
        snmp_free_pdu(response);
    return result;
}

int32_t OvSNMPSession::SendAsync(const OvSNMPTarget& target, const OvPdu& pdu, Completion completion,
                                 RequestId& id) {
    int32_t result = OvSnmpResult::Success;
    LibrarySession* session = SessionFor(target, false, result);
    if (!session)
        return result;
    netsnmp_pdu* request = BuildLibraryPdu(target, pdu);
    if (!request)
        return OvSnmpResult::InvalidPdu;
    id = nextId_++;
    // The library gets the request's number, never a pointer, so a cancelled
    // or finished entry cannot be reached through a late callback.
    if (snmp_sess_async_send(session->handle, request, &OvSNMPSession::OnResponse,
                             reinterpret_cast<void*>(static_cast<uintptr_t>(id))) == 0) {
        snmp_free_pdu(request);
        return SessionError(session->handle);
    }
    auto entry = std::make_unique<Outstanding>();
    entry->completion = std::move(completion);
    entry->sessionKey = SessionKeyOf(*session);
    outstanding_.emplace(id, std::move(entry));
    pump_->WatchSockets();
    return OvSnmpResult::Success;
}

int OvSNMPSession::OnResponse(int operation, snmp_session*, int, snmp_pdu* pdu, void* magic) {
    OvSNMPSession* self = g_session;
    // A retransmission is news only to the library.
    if (!self || operation == NETSNMP_CALLBACK_OP_RESEND)
        return 1;
    const auto id = static_cast<RequestId>(reinterpret_cast<uintptr_t>(magic));
    auto it = self->outstanding_.find(id);
    if (it == self->outstanding_.end())
        return 1;
    std::unique_ptr<Outstanding> entry = std::move(it->second);
    self->outstanding_.erase(it);
    if (entry->cancelled || !entry->completion)
        return 1;
    if (operation == NETSNMP_CALLBACK_OP_RECEIVED_MESSAGE && pdu) {
        const auto* response = static_cast<const netsnmp_pdu*>(pdu);
        const OvPdu converted = FromLibraryPdu(response);
        entry->completion(ResponseResult(response), &converted);
    } else {
        entry->completion(CallbackResult(operation), nullptr);
    }
    return 1;
}

std::string OvSNMPSession::SessionKeyOf(const LibrarySession& session) const {
    for (const auto& [key, s] : sessions_)
        if (s.get() == &session)
            return key;
    return {};
}

OvSNMPSession::SessionMap::iterator OvSNMPSession::CloseSession(SessionMap::iterator it) {
    const std::string key = it->first;
    // Inside a tick the library may still be working in this session; it is
    // closed when the tick ends.
    if (processing_)
        closing_.push_back(std::move(it->second));
    it = sessions_.erase(it);
    // Requests the closed session still owed an answer end as if the whole
    // session closed.
    std::vector<std::unique_ptr<Outstanding>> orphans;
    for (auto o = outstanding_.begin(); o != outstanding_.end();) {
        if (o->second->sessionKey == key) {
            orphans.push_back(std::move(o->second));
            o = outstanding_.erase(o);
        } else {
            ++o;
        }
    }
    for (auto& orphan : orphans)
        if (!orphan->cancelled && orphan->completion)
            orphan->completion(OvSnmpResult::SessionClosing, nullptr);
    return it;
}

void OvSNMPSession::Cancel(RequestId id) {
    if (auto it = outstanding_.find(id); it != outstanding_.end())
        it->second->cancelled = true;
}

bool OvSNMPSession::IsOutstanding(RequestId id) const {
    return outstanding_.count(id) != 0;
}

std::vector<int> OvSNMPSession::SocketDescriptors() const {
    std::vector<int> fds;
    for (const auto& [key, session] : sessions_)
        if (netsnmp_transport* t = snmp_sess_transport(session->handle))
            fds.push_back(t->sock);
    return fds;
}

void OvSNMPSession::ProcessPendingEvents() {
    processing_ = true;
    // Completions may open and close sessions; walk a snapshot of the keys.
    std::vector<std::string> keys;
    for (const auto& [key, session] : sessions_)
        if (key.rfind("async|", 0) == 0)
            keys.push_back(key);
    for (const std::string& key : keys) {
        const auto found = sessions_.find(key);
        if (found == sessions_.end())
            continue;
        void* handle = found->second->handle;
        int fds = 0, block = 0;
        fd_set readable;
        FD_ZERO(&readable);
        timeval tv{};
        snmp_sess_select_info(handle, &fds, &readable, &tv, &block);
        timeval zero{};
        if (fds > 0 && select(fds, &readable, nullptr, nullptr, &zero) > 0)
            snmp_sess_read(handle, &readable);
        snmp_sess_timeout(handle);
    }
    processing_ = false;
    closing_.clear();
}
