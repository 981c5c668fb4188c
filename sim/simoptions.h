#pragma once

#include <string>
#include <vector>

// The command line:
//   tq2400g-sim --port N --state-dir DIR [--data FILE|DIR ...] [--led-period-ms MS]
struct SimOptions {
    int port = 0;
    std::string stateDir;
    std::vector<std::string> dataPaths;   // empty: the data files shipped with the source
    int ledPeriodMs = 2000;               // 0 keeps the front panel still

    // Throws std::invalid_argument with a usage text on a bad command line.
    static SimOptions Parse(int argc, char** argv);
    static const char* Usage();
};
