#include "simagent.h"

#include <net-snmp/net-snmp-config.h>
#include <net-snmp/net-snmp-includes.h>
#include <net-snmp/agent/net-snmp-agent-includes.h>
#include <net-snmp/agent/agent_callbacks.h>

#include <unistd.h>

#include <array>
#include <csignal>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <stdexcept>

// The SNMPv3 framework modules of Net-SNMP's MIB library; it installs no
// headers for them.
extern "C" {
void init_snmpEngine(void);
void init_snmpMPDStats(void);
void init_usmStats(void);
void init_usmUser(void);
void init_vacm_vars(void);
void init_vacm_context(void);
void init_vacm_conf(void);
void init_snmpTargetAddrEntry(void);
void init_snmpTargetParamsEntry(void);
void init_target_counters(void);
void init_snmpNotifyTable(void);
void init_snmpNotifyFilterProfileTable(void);
void init_setSerialNo(void);
void init_snmp_mib(void);
}

namespace {

constexpr const char* kAppName = "tq2400g-sim";

struct UserEntry {
    const char* name;
    const char* createArgs;   // as "createUser" takes them after the name
    const char* level;        // least security level "rwuser" accepts
};

constexpr std::array<UserEntry, 5> kUsers{{
    {"noauth", "", "noauth"},
    {"md5user", " MD5 md5password", "auth"},
    {"shauser", " SHA shapassword", "auth"},
    {"md5des", " MD5 md5password DES despassword", "priv"},
    {"shades", " SHA shapassword DES despassword", "priv"},
}};

void InitFrameworkModules() {
    init_snmpEngine();
    init_snmpMPDStats();
    init_usmStats();
    init_usmUser();
    init_vacm_vars();
    init_vacm_context();
    init_vacm_conf();
    init_snmpTargetAddrEntry();
    init_snmpTargetParamsEntry();
    init_target_counters();
    init_snmpNotifyTable();
    init_snmpNotifyFilterProfileTable();
    init_setSerialNo();
    init_snmp_mib();
}

volatile std::sig_atomic_t stopRequested = 0;

void RequestStop(int) { stopRequested = 1; }

void InstallStopHandlers() {
    struct sigaction action {};
    action.sa_handler = RequestStop;
    sigemptyset(&action.sa_mask);
    sigaction(SIGTERM, &action, nullptr);   // no SA_RESTART: the wait for packets ends at once
    sigaction(SIGINT, &action, nullptr);
}

SimAgent* agent = nullptr;

Oid ToOid(const oid* name, size_t length) { return Oid(name, name + length); }

std::vector<oid> ToNetSnmp(const Oid& value) { return std::vector<oid>(value.begin(), value.end()); }

SimValue FromVarbind(const netsnmp_variable_list* vb) {
    SimValue value;
    value.type = static_cast<SimType>(vb->type);
    switch (vb->type) {
    case ASN_INTEGER:
        value.number = *vb->val.integer;
        break;
    case ASN_COUNTER: case ASN_GAUGE: case ASN_TIMETICKS:
        value.number = static_cast<int64_t>(static_cast<uint32_t>(*vb->val.integer));
        break;
    case ASN_COUNTER64:
        value.number = static_cast<int64_t>((static_cast<uint64_t>(vb->val.counter64->high) << 32) |
                                            static_cast<uint32_t>(vb->val.counter64->low));
        break;
    case ASN_OCTET_STR: case ASN_IPADDRESS: case ASN_OPAQUE:
        value.bytes.assign(reinterpret_cast<const char*>(vb->val.string), vb->val_len);
        break;
    case ASN_OBJECT_ID:
        value.oid = ToOid(vb->val.objid, vb->val_len / sizeof(oid));
        break;
    default:
        break;
    }
    return value;
}

void SetVarbindValue(netsnmp_variable_list* vb, const SimValue& value) {
    const auto type = static_cast<u_char>(value.type);
    switch (value.type) {
    case SimType::Integer: {
        const long number = static_cast<long>(value.number);
        snmp_set_var_typed_value(vb, type, &number, sizeof number);
        break;
    }
    case SimType::Counter: case SimType::Gauge: case SimType::TimeTicks: {
        const u_long number = static_cast<u_long>(value.number);
        snmp_set_var_typed_value(vb, type, &number, sizeof number);
        break;
    }
    case SimType::Counter64: {
        const auto number = static_cast<uint64_t>(value.number);
        counter64 wide{static_cast<u_long>(number >> 32), static_cast<u_long>(number & 0xffffffffu)};
        snmp_set_var_typed_value(vb, type, &wide, sizeof wide);
        break;
    }
    case SimType::ObjectId: {
        const std::vector<oid> arcs = ToNetSnmp(value.oid);
        snmp_set_var_typed_value(vb, type, arcs.data(), arcs.size() * sizeof(oid));
        break;
    }
    default:
        snmp_set_var_typed_value(vb, type, value.bytes.data(), value.bytes.size());
        break;
    }
}

std::string OperationName(int command) {
    switch (command) {
    case SNMP_MSG_GET: return "GET";
    case SNMP_MSG_GETNEXT: return "GETNEXT";
    case SNMP_MSG_GETBULK: return "GETBULK";
    case SNMP_MSG_SET: return "SET";
    default: return "PDU" + std::to_string(command);
    }
}

std::string VersionName(long version) {
    switch (version) {
    case SNMP_VERSION_1: return "v1";
    case SNMP_VERSION_2c: return "v2c";
    case SNMP_VERSION_3: return "v3";
    default: return "v?" + std::to_string(version);
    }
}

std::string SecurityText(const netsnmp_pdu* pdu) {
    if (pdu->version != SNMP_VERSION_3)
        return std::string(reinterpret_cast<const char*>(pdu->community), pdu->community_len);
    static constexpr std::array<const char*, 4> kLevels{"?", "noAuthNoPriv", "authNoPriv", "authPriv"};
    const int level = pdu->securityLevel >= 1 && pdu->securityLevel <= 3 ? pdu->securityLevel : 0;
    return std::string(pdu->securityName ? pdu->securityName : "", pdu->securityNameLen) + ":" + kLevels[level];
}

JournalRecord RecordOf(const netsnmp_pdu* pdu) {
    JournalRecord record{OperationName(pdu->command), VersionName(pdu->version), SecurityText(pdu), {}};
    for (const netsnmp_variable_list* vb = pdu->variables; vb; vb = vb->next_variable)
        record.varbinds.emplace_back(ToOid(vb->name, vb->name_length), FromVarbind(vb));
    return record;
}

// sysUpTime is the one object whose value is the agent's own clock.
const Oid kSysUpTime{1, 3, 6, 1, 2, 1, 1, 3, 0};

}  // namespace

SimAgent::SimAgent(const SimOptions& options, MibStore& store)
    : options_(options), store_(store), animator_(store) {
    agent = this;
}

SimAgent::~SimAgent() { agent = nullptr; }

std::string SimAgent::StatePath(const std::string& name) const { return options_.stateDir + "/" + name; }

void SimAgent::PrepareStateDir() const {
    namespace fs = std::filesystem;
    fs::create_directories(StatePath("conf"));
    fs::create_directories(StatePath("persist"));
    fs::remove(StatePath(kReadyFile));
}

void SimAgent::WriteConfig() const {
    std::ofstream conf(StatePath(std::string("conf/") + kAppName + ".conf"));
    conf << "# Written by " << kAppName << " at every start; edits are lost.\n"
         << "rocommunity public 127.0.0.1\n"
         << "rwcommunity private 127.0.0.1\n";
    for (const UserEntry& user : kUsers)
        conf << "createUser " << user.name << user.createArgs << "\n"
             << "rwuser " << user.name << " " << user.level << "\n";
    if (!conf) throw std::runtime_error("cannot write the agent configuration in " + options_.stateDir);
}

void SimAgent::StartLibrary() {
    // Only the state dir: no system or user configuration, no MIB files.
    unsetenv("SNMP_PERSISTENT_FILE");
    setenv("MIBS", "", 1);
    setenv("MIBDIRS", StatePath("conf").c_str(), 1);
    netsnmp_ds_set_string(NETSNMP_DS_LIBRARY_ID, NETSNMP_DS_LIB_CONFIGURATION_DIR, StatePath("conf").c_str());
    netsnmp_ds_set_string(NETSNMP_DS_LIBRARY_ID, NETSNMP_DS_LIB_PERSISTENT_DIR, StatePath("persist").c_str());
    netsnmp_ds_set_boolean(NETSNMP_DS_APPLICATION_ID, NETSNMP_DS_AGENT_ROLE, 0);
    netsnmp_ds_set_boolean(NETSNMP_DS_APPLICATION_ID, NETSNMP_DS_AGENT_NO_ROOT_ACCESS, 1);
    netsnmp_ds_set_boolean(NETSNMP_DS_APPLICATION_ID, NETSNMP_DS_AGENT_DONT_LOG_TCPWRAPPERS_CONNECTS, 1);
    const std::string ports = "udp:127.0.0.1:" + std::to_string(options_.port);
    netsnmp_ds_set_string(NETSNMP_DS_APPLICATION_ID, NETSNMP_DS_AGENT_PORTS, ports.c_str());
    snmp_enable_filelog(StatePath(kLogFile).c_str(), 0);

    init_agent(kAppName);
    InitFrameworkModules();
    RegisterSubtrees();
    // After vacm: the journal sees every PDU, whatever vacm decided. No client
    // argument: the library frees those at shutdown.
    snmp_register_callback(SNMP_CALLBACK_APPLICATION, SNMPD_CALLBACK_ACM_CHECK_INITIAL, OnAccessCheck, nullptr);
    init_snmp(kAppName);
    if (init_master_agent() != 0)
        throw std::runtime_error("cannot listen on " + ports);
}

void SimAgent::RegisterSubtrees() {
    int n = 0;
    for (const Oid& root : store_.Roots()) {
        const std::vector<oid> arcs = ToNetSnmp(root);
        const std::string name = std::string(kAppName) + "-" + std::to_string(++n);
        netsnmp_handler_registration* registration = netsnmp_create_handler_registration(
            name.c_str(), OnRequest, arcs.data(), arcs.size(), HANDLER_CAN_RWRITE);
        if (!registration || netsnmp_register_handler(registration) != MIB_REGISTERED_OK)
            snmp_log(LOG_WARNING, "cannot register %s\n", OidText::Format(root).c_str());
    }
}

void SimAgent::MarkReady() const {
    std::ofstream ready(StatePath(kReadyFile));
    ready << getpid() << "\n";
}

int SimAgent::Run() {
    PrepareStateDir();
    journal_.Open(StatePath(kJournalFile));
    WriteConfig();
    InstallStopHandlers();
    StartLibrary();
    if (options_.ledPeriodMs > 0) {
        timeval period{options_.ledPeriodMs / 1000, (options_.ledPeriodMs % 1000) * 1000};
        snmp_alarm_register_hr(period, SA_REPEAT, OnLedTimer, nullptr);
    }
    MarkReady();
    while (!stopRequested) agent_check_and_process(1);
    snmp_shutdown(kAppName);
    shutdown_agent();
    return 0;
}

void SimAgent::OnLedTimer(unsigned int, void*) { agent->animator_.Step(); }

int SimAgent::OnAccessCheck(int, int, void* serverArg, void*) {
    SimAgent* self = agent;
    auto* view = static_cast<view_parameters*>(serverArg);
    self->journal_.Record(RecordOf(view->pdu));
    self->faults_.Load(self->StatePath(kFaultsFile));
    if (self->faults_.DelayMs() > 0) usleep(static_cast<useconds_t>(self->faults_.DelayMs()) * 1000);
    // The one refusal after which the agent drops the PDU unanswered in every version.
    if (self->faults_.Silent()) view->errorcode = VACM_NOSUCHCONTEXT;
    return SNMPERR_SUCCESS;
}

int SimAgent::OnRequest(netsnmp_mib_handler*, netsnmp_handler_registration* registration,
                        netsnmp_agent_request_info* info, netsnmp_request_info* requests) {
    switch (info->mode) {
    case MODE_GET:
        agent->ServeGet(info, requests);
        break;
    case MODE_GETNEXT:
        agent->ServeGetNext(registration, info, requests);
        break;
    case MODE_SET_RESERVE1:
        agent->CheckSets(info, requests);
        break;
    case MODE_SET_COMMIT:
        agent->CommitSets(requests);
        break;
    default:   // RESERVE2, ACTION, FREE, UNDO: values change only at COMMIT
        break;
    }
    return SNMP_ERR_NOERROR;
}

void SimAgent::ServeGet(netsnmp_agent_request_info* info, netsnmp_request_info* requests) {
    for (netsnmp_request_info* request = requests; request; request = request->next) {
        if (request->processed) continue;
        netsnmp_variable_list* vb = request->requestvb;
        const Oid name = ToOid(vb->name, vb->name_length);
        if (const int status = faults_.ErrorFor(name)) {
            netsnmp_set_request_error(info, request, status);
        } else if (name == kSysUpTime) {
            const u_long ticks = netsnmp_get_agent_uptime();
            snmp_set_var_typed_value(vb, ASN_TIMETICKS, &ticks, sizeof ticks);
        } else if (const MibCell* cell = store_.Find(name)) {
            SetVarbindValue(vb, cell->value);
        } else {
            const Oid parent(name.begin(), name.end() - 1);
            netsnmp_set_request_error(info, request, store_.HasChildren(parent) ? SNMP_NOSUCHINSTANCE : SNMP_NOSUCHOBJECT);
        }
    }
}

void SimAgent::ServeGetNext(netsnmp_handler_registration* registration, netsnmp_agent_request_info* info,
                            netsnmp_request_info* requests) {
    const Oid root = ToOid(registration->rootoid, registration->rootoid_len);
    for (netsnmp_request_info* request = requests; request; request = request->next) {
        if (request->processed) continue;
        netsnmp_variable_list* vb = request->requestvb;
        const Oid asked = ToOid(vb->name, vb->name_length);
        // A name before the subtree starts the walk at the subtree itself.
        const auto* next = asked < root ? store_.AtOrAfter(root) : store_.Next(asked);
        if (!next || !OidText::StartsWith(next->first, root)) continue;   // the agent asks the next subtree
        const std::vector<oid> arcs = ToNetSnmp(next->first);
        snmp_set_var_objid(vb, arcs.data(), arcs.size());
        const int askedStatus = faults_.ErrorFor(asked);
        if (const int status = askedStatus ? askedStatus : faults_.ErrorFor(next->first))
            netsnmp_set_request_error(info, request, status);
        else if (next->first == kSysUpTime)
            SetVarbindValue(vb, SimValue{SimType::TimeTicks, static_cast<int64_t>(netsnmp_get_agent_uptime()), {}, {}});
        else
            SetVarbindValue(vb, next->second.value);
    }
}

void SimAgent::CheckSets(netsnmp_agent_request_info* info, netsnmp_request_info* requests) {
    std::vector<SetBinding> pdu;
    for (const netsnmp_variable_list* vb = info->asp->pdu->variables; vb; vb = vb->next_variable)
        pdu.emplace_back(ToOid(vb->name, vb->name_length), FromVarbind(vb));
    for (netsnmp_request_info* request = requests; request; request = request->next) {
        if (request->processed) continue;
        const netsnmp_variable_list* vb = request->requestvb;
        const Oid name = ToOid(vb->name, vb->name_length);
        int status = faults_.ErrorFor(name);
        if (status == 0) status = store_.CheckSet(name, FromVarbind(vb), pdu);
        if (status != 0) netsnmp_set_request_error(info, request, status);
    }
}

void SimAgent::CommitSets(netsnmp_request_info* requests) {
    for (netsnmp_request_info* request = requests; request; request = request->next) {
        const netsnmp_variable_list* vb = request->requestvb;
        store_.ApplySet(ToOid(vb->name, vb->name_length), FromVarbind(vb));
    }
}
