#pragma once

#include "oidtext.h"

#include <string>
#include <utility>
#include <vector>

// Faults a test switches on through a small control file in the state dir,
// read again for every request:
//
//   silent                 drop every request unanswered
//   delay MS               answer each request MS milliseconds late
//   error OID STATUS       answer a varbind at or under OID with error STATUS
class FaultSwitches {
public:
    void Load(const std::string& path);
    void Parse(const std::string& text);

    bool Silent() const { return silent_; }
    int DelayMs() const { return delayMs_; }
    // The error status for a varbind at `oid`, 0 when none is set.
    int ErrorFor(const Oid& oid) const;

private:
    bool silent_ = false;
    int delayMs_ = 0;
    std::vector<std::pair<Oid, int>> errors_;
};
