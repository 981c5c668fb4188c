#include "snmpdagent.h"

#include <signal.h>
#include <sys/wait.h>
#include <unistd.h>

#include <array>
#include <chrono>
#include <cstdio>
#include <stdexcept>
#include <thread>

namespace {

std::string Configuration() {
    std::string c;
    c += "rocommunity public 127.0.0.1\n";
    c += "rwcommunity private 127.0.0.1\n";
    // A view that ends with the interfaces' descriptions, for walks that
    // run into the end of the agent's view.
    c += "rocommunity ifdescr 127.0.0.1 .1.3.6.1.2.1.2.2.1.2\n";
    c += "createUser noauth\n";
    c += "createUser md5user MD5 authpass123\n";
    c += "createUser shauser SHA authpass123\n";
    c += "createUser md5des MD5 authpass123 DES privpass123\n";
    c += "createUser shades SHA authpass123 DES privpass123\n";
    c += "rwuser noauth noauth\n";
    c += "rwuser md5user auth\n";
    c += "rwuser shauser auth\n";
    c += "rwuser md5des priv\n";
    c += "rwuser shades priv\n";
    c += "sysLocation Test rack\n";
    c += "sysContact tests@localhost\n";
    return c;
}

}  // namespace

SnmpdAgent::SnmpdAgent() {
    Start();
}

SnmpdAgent::~SnmpdAgent() {
    Stop();
}

void SnmpdAgent::Start() {
    port_ = FreeUdpPort();
    dir_.Write("snmpd.conf", Configuration());
    pid_ = fork();
    if (pid_ == 0) {
        setenv("SNMP_PERSISTENT_DIR", dir_.Path().c_str(), 1);
        setenv("SNMPCONFPATH", dir_.Path().c_str(), 1);
        const std::string conf = dir_.File("snmpd.conf");
        const std::string log = dir_.File("snmpd.log");
        const std::string address = "udp:127.0.0.1:" + std::to_string(port_);
        execl("/usr/sbin/snmpd", "snmpd", "-f", "-C", "-c", conf.c_str(), "-Lf", log.c_str(),
              "-M", "/dev/null", "-m", "", address.c_str(), static_cast<char*>(nullptr));
        _exit(127);
    }
    const auto deadline = std::chrono::steady_clock::now() + std::chrono::seconds(10);
    while (std::chrono::steady_clock::now() < deadline) {
        if (Answers())
            return;
        std::this_thread::sleep_for(std::chrono::milliseconds(50));
    }
    Stop();
    throw std::runtime_error("snmpd did not start: " + dir_.Read("snmpd.log"));
}

void SnmpdAgent::Stop() {
    if (pid_ <= 0)
        return;
    kill(pid_, SIGTERM);
    int status = 0;
    waitpid(pid_, &status, 0);
    pid_ = -1;
}

bool SnmpdAgent::Answers() const {
    return Tool("snmpget", "-v2c -c public -t 0.2 -r 0", "1.3.6.1.2.1.1.3.0").find("Timeticks") !=
           std::string::npos;
}

std::string SnmpdAgent::Tool(const std::string& tool, const std::string& options,
                             const std::string& oids) const {
    // The tools read no MIB and no configuration of this machine.
    return RunCommand("SNMPCONFPATH=/nonexistent SNMP_PERSISTENT_DIR=" + dir_.File("tools") +
               " MIBS= MIBDIRS=/nonexistent " + tool + " " + options + " " +
               Endpoint() + " " + oids + " 2>&1");
}
