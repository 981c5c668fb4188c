#pragma once

#include "simvalue.h"

#include <cstdio>
#include <string>
#include <utility>
#include <vector>

// What the agent received in one PDU, as the journal records it.
struct JournalRecord {
    std::string operation;   // GET, GETNEXT, GETBULK, SET
    std::string version;     // v1, v2c, v3
    std::string security;    // community, or user:level for v3
    std::vector<std::pair<Oid, SimValue>> varbinds;
};

// The request journal: one line per PDU, fields separated by tabs —
// operation, version, security, then one field per varbind "OID TYPE VALUE".
// Lines are flushed at once so that a test reads what was received so far.
class RequestJournal {
public:
    RequestJournal() = default;
    ~RequestJournal();
    RequestJournal(const RequestJournal&) = delete;
    RequestJournal& operator=(const RequestJournal&) = delete;

    void Open(const std::string& path);
    void Record(const JournalRecord& record);
    static std::string Line(const JournalRecord& record);

private:
    FILE* file_ = nullptr;
};
