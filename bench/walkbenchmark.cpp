// Walks a 1000-row, 5-column table of the simulated switch asynchronously,
// row by row through the event pump, and compares the time with snmpwalk's
// get-next walk of one column of the same table: both make the same number
// of round trips, so the ratio shows what the pump and the request add.

#include <QCoreApplication>
#include <QElapsedTimer>

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <filesystem>
#include <cstdlib>
#include <ctime>
#include <thread>
#include <vector>

#include "ovsnmprequest.h"
#include "ovsnmpsession.h"
#include "simswitch.h"
#include "tempdir.h"

namespace {

constexpr int kRows = 1000;
constexpr int kRuns = 5;

const OvSNMPVarDef kTable[] = {
    {"1.3.6.1.4.1.32473.99.1.1.1", "Index", SYN_INTEGER, ACC_NOTACCESS},
    {"1.3.6.1.4.1.32473.99.1.1.2", "Name", SYN_DISPLAYSTR, ACC_READONLY},
    {"1.3.6.1.4.1.32473.99.1.1.3", "Rate", SYN_INTEGER, ACC_READWRITE},
    {"1.3.6.1.4.1.32473.99.1.1.4", "Octets", SYN_COUNTER, ACC_READONLY},
    {"1.3.6.1.4.1.32473.99.1.1.5", "Address", SYN_IPADDRESS, ACC_READONLY},
    {"1.3.6.1.4.1.32473.99.1.1.6", "Mode", SYN_INTEGER, ACC_READWRITE},
    {},
};

std::string TableData() {
    return "table {vendor}.99.1.1 index 1\n"
           "  column 2 string ro \"port-$1\"\n"
           "  column 3 integer rw ($1 * 1000)\n"
           "  column 4 counter ro (123457 * $1 + 7)\n"
           "  column 5 ipaddress ro 10.0.3.7\n"
           "  column 6 integer rw 2\n"
           "  rows [1-" + std::to_string(kRows) + "]\n"
           "end\n";
}

struct Walk {
    OvSNMPRequest request;
    int rows = 0;
    bool finished = false;
    static void Row(void* self, OvSNMPError& record, OvSNMPVarList&) {
        auto* w = static_cast<Walk*>(self);
        if (record.Finished) {
            w->finished = true;
            return;
        }
        ++w->rows;
        w->request.GetAsync(&Walk::Row, w, false);
    }
};

double AsyncWalkSeconds(int& rows, double& cpuSeconds) {
    Walk walk;
    walk.request.List.Assign(OvSNMPVarList(kTable, MVT_UMV, 1));
    QElapsedTimer clock;
    clock.start();
    const std::clock_t cpu = std::clock();
    walk.request.GetAsync(&Walk::Row, &walk, true);
    while (!walk.finished)
        QCoreApplication::processEvents(QEventLoop::WaitForMoreEvents);
    rows = walk.rows;
    cpuSeconds = double(std::clock() - cpu) / CLOCKS_PER_SEC;
    return clock.nsecsElapsed() / 1e9;
}

double SnmpwalkSeconds(const SimSwitch& sim, int& lines) {
    const auto start = std::chrono::steady_clock::now();
    const std::string out = sim.Tool("snmpwalk", "-v2c -c public -On -r 0", "1.3.6.1.4.1.32473.99.1.1.2");
    const double seconds = std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
    lines = static_cast<int>(std::count(out.begin(), out.end(), '\n'));
    return seconds;
}

double Median(std::vector<double> values) {
    std::sort(values.begin(), values.end());
    return values[values.size() / 2];
}

}  // namespace

int main(int argc, char** argv) {
    QCoreApplication app(argc, argv);
    TempDir work;
    work.Write("bench-table.txt", TableData());
    SimSwitch::Options options;
    options.dataPaths = {SIM_DATA_DIR, work.File("bench-table.txt")};
    SimSwitch sim(options);

    std::filesystem::current_path(work.Path());
    CreateGlobalSession("");
    DefaultSettings().Device = {"127.0.0.1", static_cast<uint16_t>(sim.Port())};
    DefaultSettings().Security.Version = 1;
    DefaultSettings().Security.ReadCommunity = SimSwitch::ReadCommunity;

    if (const char* hold = std::getenv("BENCH_HOLD")) {
        std::printf("switch on port %d\n", sim.Port());
        std::fflush(stdout);
        std::this_thread::sleep_for(std::chrono::seconds(std::atoi(hold)));
    }
    std::vector<double> module, moduleCpu, tool;
    int rows = 0, lines = 0;
    for (int run = 0; run < kRuns; ++run) {
        double cpu = 0;
        module.push_back(AsyncWalkSeconds(rows, cpu));
        moduleCpu.push_back(cpu);
        tool.push_back(SnmpwalkSeconds(sim, lines));
    }
    OvSNMPSession::DestroyGlobal();

    const double m = Median(module), t = Median(tool);
    std::printf("table: %d rows x 5 columns, %d runs each, medians\n", kRows, kRuns);
    std::printf("GetAsync walk through the event pump: %.3f s (%d rows, %.1f us per row, %.3f s CPU in the module)\n",
                m, rows, m * 1e6 / (rows + 1), Median(moduleCpu));
    std::printf("snmpwalk of one column:               %.3f s (%d lines)\n", t, lines);
    std::printf("ratio: %.2f (goal: at most 1.20)\n", m / t);
    return rows == kRows ? 0 : 1;
}
