#pragma once

#include <sys/types.h>

#include <string>
#include <vector>

#include "tempdir.h"

// One varbind of a journal line, as the simulated switch received it: the
// OID in dotted numbers, a type word (INTEGER, STRING, NULL, OID, IPADDRESS,
// COUNTER, GAUGE, TIMETICKS, OPAQUE, COUNTER64) and the value (octet strings
// in lower-case hex, "-" for NULL).
struct SimVarbind {
    std::string oid;
    std::string type;
    std::string value;
};

// One PDU the simulated switch received.
struct SimJournalEntry {
    std::string operation;   // GET, GETNEXT, GETBULK, SET
    std::string version;     // v1, v2c, v3
    std::string security;    // the community, or "user:level" for SNMPv3
    std::vector<SimVarbind> varbinds;
};

// The simulated TQ-2400G switch (tq2400g-sim), started on a free port of
// 127.0.0.1 with a fresh state dir and stopped when the object goes.
class SimSwitch {
public:
    static constexpr const char* ReadCommunity = "public";
    static constexpr const char* WriteCommunity = "private";
    static constexpr const char* NoAuthUser = "noauth";    // noAuthNoPriv
    static constexpr const char* Md5User = "md5user";      // MD5
    static constexpr const char* ShaUser = "shauser";      // SHA
    static constexpr const char* Md5DesUser = "md5des";    // MD5 + DES
    static constexpr const char* ShaDesUser = "shades";    // SHA + DES
    static constexpr const char* Md5Password = "md5password";
    static constexpr const char* ShaPassword = "shapassword";
    static constexpr const char* DesPassword = "despassword";

    struct Options {
        int ledPeriodMs = 0;                  // 0: the front panel stays as the data has it
        std::vector<std::string> dataPaths;   // empty: the data files of sim/data
    };

    SimSwitch();
    explicit SimSwitch(const Options& options);
    ~SimSwitch();
    SimSwitch(const SimSwitch&) = delete;
    SimSwitch& operator=(const SimSwitch&) = delete;

    int Port() const { return port_; }
    std::string Endpoint() const { return "127.0.0.1:" + std::to_string(port_); }
    const std::string& StateDir() const { return state_.Path(); }
    // Seconds from starting the process to its being ready to answer.
    double StartSeconds() const { return startSeconds_; }

    std::vector<SimJournalEntry> Journal() const;
    void ClearJournal() const;

    void SetSilent(bool silent);
    void SetDelay(int milliseconds);
    void SetErrorFor(const std::string& oid, int errorStatus);
    void ClearFaults();

    // Stops the agent now; returns its exit status (-1 when it had to be killed).
    int Stop();

    // Runs one of Net-SNMP's command-line tools against the switch and returns
    // what it printed, e.g. Tool("snmpget", "-v2c -c public -On", "1.3.6.1.2.1.1.5.0").
    std::string Tool(const std::string& tool, const std::string& options, const std::string& oids) const;

    // "{vendor}" arcs: VendorOid(".11.63.11.2.1.2.16.0").
    static std::string VendorOid(const std::string& suffix);

private:
    void Start(const Options& options);
    void WriteFaults() const;

    TempDir state_;
    TempDir client_;
    int port_ = 0;
    pid_t pid_ = -1;
    double startSeconds_ = 0;
    bool silent_ = false;
    int delayMs_ = 0;
    std::vector<std::pair<std::string, int>> errors_;
};
