#include "datafileparser.h"
#include "mibstore.h"
#include "simagent.h"
#include "simoptions.h"

#include <iostream>
#include <stdexcept>

int main(int argc, char** argv) {
    SimOptions options;
    try {
        options = SimOptions::Parse(argc, argv);
    } catch (const std::invalid_argument& e) {
        std::cerr << e.what() << "\n";
        return 2;
    }
    try {
        MibStore store;
        DataFileParser parser(store);
        if (options.dataPaths.empty()) options.dataPaths.push_back(SIM_DEFAULT_DATA_DIR);
        for (const std::string& path : options.dataPaths) parser.Load(path);
        SimAgent agent(options, store);
        return agent.Run();
    } catch (const std::exception& e) {
        std::cerr << "tq2400g-sim: " << e.what() << "\n";
        return 1;
    }
}
