#include "faultswitches.h"

#include <fstream>
#include <sstream>

void FaultSwitches::Load(const std::string& path) {
    std::ifstream in(path);
    std::stringstream ss;
    if (in) ss << in.rdbuf();
    Parse(ss.str());
}

void FaultSwitches::Parse(const std::string& text) {
    silent_ = false;
    delayMs_ = 0;
    errors_.clear();
    std::istringstream lines(text);
    std::string line;
    while (std::getline(lines, line)) {
        std::istringstream words(line);
        std::string keyword;
        words >> keyword;
        if (keyword == "silent") {
            silent_ = true;
        } else if (keyword == "delay") {
            words >> delayMs_;
        } else if (keyword == "error") {
            std::string oid;
            int status = 0;
            // A half-written or mistyped line switches nothing on.
            if (words >> oid >> status) {
                try {
                    errors_.emplace_back(OidText::Parse(oid), status);
                } catch (const std::exception&) {
                }
            }
        }
    }
}

int FaultSwitches::ErrorFor(const Oid& oid) const {
    for (const auto& [prefix, status] : errors_)
        if (OidText::StartsWith(oid, prefix)) return status;
    return 0;
}
