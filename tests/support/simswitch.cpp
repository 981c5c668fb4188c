#include "simswitch.h"

#include <signal.h>
#include <sys/wait.h>
#include <unistd.h>

#include <array>
#include <chrono>
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <sstream>
#include <stdexcept>
#include <thread>

namespace {

constexpr auto kStartTimeout = std::chrono::seconds(10);
constexpr auto kStopTimeout = std::chrono::seconds(5);
constexpr auto kPollStep = std::chrono::milliseconds(5);

std::vector<std::string> Split(const std::string& text, char separator) {
    std::vector<std::string> parts;
    std::string part;
    std::istringstream in(text);
    while (std::getline(in, part, separator)) parts.push_back(part);
    return parts;
}

SimVarbind ParseVarbind(const std::string& field) {
    const size_t first = field.find(' ');
    const size_t second = first == std::string::npos ? std::string::npos : field.find(' ', first + 1);
    if (second == std::string::npos) return SimVarbind{field, "", ""};
    return SimVarbind{field.substr(0, first), field.substr(first + 1, second - first - 1), field.substr(second + 1)};
}

bool Exited(pid_t pid, int* status) { return waitpid(pid, status, WNOHANG) == pid; }

}  // namespace

SimSwitch::SimSwitch() : SimSwitch(Options{}) {}

SimSwitch::SimSwitch(const Options& options) { Start(options); }

SimSwitch::~SimSwitch() { Stop(); }

std::string SimSwitch::VendorOid(const std::string& suffix) {
    return "1.3.6.1.4.1." + std::to_string(VENDOR_ENTERPRISE) + suffix;
}

void SimSwitch::Start(const Options& options) {
    // The tools announce each directory they create on their first run.
    std::filesystem::create_directories(client_.File("cert_indexes"));
    std::filesystem::create_directories(client_.File("mib_indexes"));
    port_ = FreeUdpPort();
    std::vector<std::string> args{SIM_SWITCH_EXECUTABLE, "--port", std::to_string(port_), "--state-dir",
                                  state_.Path(), "--led-period-ms", std::to_string(options.ledPeriodMs)};
    for (const std::string& path : options.dataPaths.empty() ? std::vector<std::string>{SIM_DATA_DIR}
                                                             : options.dataPaths) {
        args.push_back("--data");
        args.push_back(path);
    }
    const std::string errors = client_.File("sim-stderr.txt");
    const auto begin = std::chrono::steady_clock::now();
    pid_ = fork();
    if (pid_ == 0) {
        std::vector<char*> argv;
        for (std::string& arg : args) argv.push_back(arg.data());
        argv.push_back(nullptr);
        if (!std::freopen(errors.c_str(), "w", stderr)) _exit(126);
        execv(argv[0], argv.data());
        _exit(127);
    }
    const std::string ready = state_.File("ready");
    int status = 0;
    while (std::chrono::steady_clock::now() - begin < kStartTimeout) {
        if (std::filesystem::exists(ready)) {
            startSeconds_ = std::chrono::duration<double>(std::chrono::steady_clock::now() - begin).count();
            return;
        }
        if (Exited(pid_, &status)) {
            pid_ = -1;
            break;
        }
        std::this_thread::sleep_for(kPollStep);
    }
    Stop();
    throw std::runtime_error("tq2400g-sim did not start: " + client_.Read("sim-stderr.txt") +
                             state_.Read("agent.log"));
}

int SimSwitch::Stop() {
    if (pid_ <= 0) return 0;
    kill(pid_, SIGTERM);
    int status = 0;
    const auto begin = std::chrono::steady_clock::now();
    while (!Exited(pid_, &status)) {
        if (std::chrono::steady_clock::now() - begin > kStopTimeout) {
            kill(pid_, SIGKILL);
            waitpid(pid_, &status, 0);
            pid_ = -1;
            return -1;
        }
        std::this_thread::sleep_for(kPollStep);
    }
    pid_ = -1;
    return WIFEXITED(status) ? WEXITSTATUS(status) : -1;
}

std::vector<SimJournalEntry> SimSwitch::Journal() const {
    std::vector<SimJournalEntry> entries;
    for (const std::string& line : Split(state_.Read("journal.txt"), '\n')) {
        const std::vector<std::string> fields = Split(line, '\t');
        if (fields.size() < 3) continue;
        SimJournalEntry entry{fields[0], fields[1], fields[2], {}};
        for (size_t i = 3; i < fields.size(); ++i) entry.varbinds.push_back(ParseVarbind(fields[i]));
        entries.push_back(std::move(entry));
    }
    return entries;
}

void SimSwitch::ClearJournal() const { std::filesystem::resize_file(state_.File("journal.txt"), 0); }

void SimSwitch::SetSilent(bool silent) {
    silent_ = silent;
    WriteFaults();
}

void SimSwitch::SetDelay(int milliseconds) {
    delayMs_ = milliseconds;
    WriteFaults();
}

void SimSwitch::SetErrorFor(const std::string& oid, int errorStatus) {
    errors_.emplace_back(oid, errorStatus);
    WriteFaults();
}

void SimSwitch::ClearFaults() {
    silent_ = false;
    delayMs_ = 0;
    errors_.clear();
    WriteFaults();
}

void SimSwitch::WriteFaults() const {
    std::string text;
    if (silent_) text += "silent\n";
    if (delayMs_ > 0) text += "delay " + std::to_string(delayMs_) + "\n";
    for (const auto& [oid, status] : errors_) text += "error " + oid + " " + std::to_string(status) + "\n";
    // The agent reads the file at every request: it must never see half of it.
    state_.Write("faults.tmp", text);
    std::filesystem::rename(state_.File("faults.tmp"), state_.File("faults.txt"));
}

std::string SimSwitch::Tool(const std::string& tool, const std::string& options, const std::string& oids) const {
    // The tools read no MIB and no configuration of this machine, and keep
    // their own state out of the switch's state dir.
    return RunCommand("SNMPCONFPATH=/nonexistent SNMP_PERSISTENT_DIR=" + client_.Path() +
                      " MIBS= MIBDIRS=/nonexistent " + tool + " " + options + " " + Endpoint() + " " + oids +
                      " 2>&1");
}
