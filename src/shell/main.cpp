#include <QCoreApplication>

#include <cstdio>
#include <string>
#include <vector>

#include "modulestartup.h"
#include "ovexception.h"
#include "ovsnmpsettings.h"

namespace {

void Report(const ModuleStartup& startup) {
    const OvSNMPDefaults& s = DefaultSettings();
    std::printf("Agent %s port %u, SNMP version code %u\n", s.Device.Address.c_str(), s.Device.Port,
                s.Security.Version);
    if (s.Security.Version == 3)
        std::printf("User \"%s\", security model %d, level %d, authentication %d, privacy %d\n",
                    s.Security.SecurityName.c_str(), s.Security.SecurityModel, s.Security.SecurityLevel,
                    s.Security.AuthProtocol, s.Security.PrivProtocol);
    std::printf("Module directory \"%s\", configuration directory \"%s\"\n",
                startup.ModuleDirectory().c_str(), startup.ConfigDirectory().c_str());
}

}  // namespace

int main(int argc, char** argv) {
    QCoreApplication app(argc, argv);
    const std::vector<std::string> parameters(argv + 1, argv + argc);
    ModuleStartup startup;
    try {
        if (startup.Run(parameters) == ModuleStartup::Outcome::NoParameters) {
            std::puts("No parameter input");
            return 0;
        }
    } catch (const OvException& e) {
        std::printf("%s\n", e.what());
        return 1;
    }
    Report(startup);
    return 0;
}
