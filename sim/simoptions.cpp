#include "simoptions.h"

#include <stdexcept>

namespace {

int ParseNumber(const std::string& option, const std::string& text, int low, int high) {
    size_t used = 0;
    int value = 0;
    try {
        value = std::stoi(text, &used);
    } catch (const std::exception&) {
        used = 0;
    }
    if (used == 0 || used != text.size() || value < low || value > high)
        throw std::invalid_argument(option + " needs a number from " + std::to_string(low) + " to " +
                                    std::to_string(high));
    return value;
}

}  // namespace

const char* SimOptions::Usage() {
    return "usage: tq2400g-sim --port N --state-dir DIR [--data FILE|DIR ...] [--led-period-ms MS]";
}

SimOptions SimOptions::Parse(int argc, char** argv) {
    SimOptions options;
    for (int i = 1; i < argc; ++i) {
        const std::string option = argv[i];
        if (i + 1 >= argc) throw std::invalid_argument(option + " needs a value\n" + Usage());
        const std::string value = argv[++i];
        if (option == "--port")
            options.port = ParseNumber(option, value, 1, 65535);
        else if (option == "--state-dir")
            options.stateDir = value;
        else if (option == "--data")
            options.dataPaths.push_back(value);
        else if (option == "--led-period-ms")
            options.ledPeriodMs = ParseNumber(option, value, 0, 3600000);
        else
            throw std::invalid_argument("unknown option " + option + "\n" + Usage());
    }
    if (options.port == 0 || options.stateDir.empty()) throw std::invalid_argument(Usage());
    return options;
}
