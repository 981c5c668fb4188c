#pragma once

#include <sys/types.h>

#include <string>

#include "tempdir.h"

// Net-SNMP's own agent, started on a free port of 127.0.0.1 with a
// configuration generated for the test: communities for SNMPv1/v2c and one
// SNMPv3 user per security setting, all with write access.
class SnmpdAgent {
public:
    static constexpr const char* ReadCommunity = "public";
    static constexpr const char* WriteCommunity = "private";
    // Sees nothing but ifDescr.
    static constexpr const char* IfDescrCommunity = "ifdescr";
    static constexpr const char* AuthPassword = "authpass123";
    static constexpr const char* PrivPassword = "privpass123";
    // Users: "noauth" (noAuthNoPriv), "md5user", "shauser" (authNoPriv),
    // "md5des", "shades" (authPriv with DES).

    SnmpdAgent();
    ~SnmpdAgent();
    SnmpdAgent(const SnmpdAgent&) = delete;
    SnmpdAgent& operator=(const SnmpdAgent&) = delete;

    int Port() const { return port_; }
    std::string Endpoint() const { return "127.0.0.1:" + std::to_string(port_); }
    // Runs one of Net-SNMP's command-line tools against the agent and
    // returns what it printed, e.g. Tool("snmpwalk", "-v2c -c public -On", "1.3.6.1.2.1.2.2.1.1").
    std::string Tool(const std::string& tool, const std::string& options, const std::string& oids) const;

private:
    void Start();
    void Stop();
    bool Answers() const;

    TempDir dir_;
    int port_ = 0;
    pid_t pid_ = -1;
};
