#pragma once

#include "faultswitches.h"
#include "frontpanelanimator.h"
#include "mibstore.h"
#include "requestjournal.h"
#include "simoptions.h"

#include <string>

struct netsnmp_mib_handler_s;
struct netsnmp_handler_registration_s;
struct netsnmp_agent_request_info_s;
struct netsnmp_request_info_s;

// The simulated switch's SNMP agent: Net-SNMP's agent library with the
// SNMPv3 framework modules, the switch's objects served from a MibStore, a
// request journal and test faults. Everything it writes lies in the state dir.
class SimAgent {
public:
    SimAgent(const SimOptions& options, MibStore& store);
    ~SimAgent();
    SimAgent(const SimAgent&) = delete;
    SimAgent& operator=(const SimAgent&) = delete;

    // Serves until SIGTERM or SIGINT; returns the process exit code.
    int Run();

    // Files in the state dir.
    static constexpr const char* kJournalFile = "journal.txt";
    static constexpr const char* kFaultsFile = "faults.txt";
    static constexpr const char* kReadyFile = "ready";
    static constexpr const char* kLogFile = "agent.log";

private:
    void PrepareStateDir() const;
    void WriteConfig() const;
    void StartLibrary();
    void RegisterSubtrees();
    void MarkReady() const;

    static int OnAccessCheck(int major, int minor, void* serverArg, void* clientArg);
    static int OnRequest(netsnmp_mib_handler_s* handler, netsnmp_handler_registration_s* registration,
                         netsnmp_agent_request_info_s* info, netsnmp_request_info_s* requests);
    static void OnLedTimer(unsigned int clientReg, void* clientArg);

    void ServeGet(netsnmp_agent_request_info_s* info, netsnmp_request_info_s* requests);
    void ServeGetNext(netsnmp_handler_registration_s* registration, netsnmp_agent_request_info_s* info,
                      netsnmp_request_info_s* requests);
    void CheckSets(netsnmp_agent_request_info_s* info, netsnmp_request_info_s* requests);
    void CommitSets(netsnmp_request_info_s* requests);

    std::string StatePath(const std::string& name) const;

    SimOptions options_;
    MibStore& store_;
    RequestJournal journal_;
    FaultSwitches faults_;
    FrontPanelAnimator animator_;
};
