// Fills a list view from an asynchronous walk of a 4094-row table of the
// simulated switch through the edits binding, as a table page does, and
// prints rows per second and the time per row at the start and at the end
// of the walk: a list that slows down as it grows shows in the second.

#include <QAbstractItemModel>
#include <QApplication>
#include <QElapsedTimer>

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <string>
#include <vector>

#include "listview.h"
#include "ovsnmprequest2edits.h"
#include "ovsnmpsession.h"
#include "simswitch.h"
#include "tempdir.h"

namespace {

constexpr int Rows = 4094;
constexpr int Window = 200;   // rows averaged at each end

const OvSNMPVarDef Table[] = {
    {"1.3.6.1.4.1.32473.99.2.1.1", "VLAN ID", SYN_INTEGER, ACC_NOTACCESS},
    {"1.3.6.1.4.1.32473.99.2.1.2", "VLAN Name", SYN_DISPLAYSTR, ACC_READWRITE},
    {"1.3.6.1.4.1.32473.99.2.1.3", "Egress Ports", SYN_OCTETSTR, ACC_READWRITE},
    {"1.3.6.1.4.1.32473.99.2.1.4", "Untagged Ports", SYN_OCTETSTR, ACC_READWRITE},
    {"1.3.6.1.4.1.32473.99.2.1.5", "Status", SYN_INTEGER, ACC_READWRITE},
    {},
};

std::string TableData() {
    return "table {vendor}.99.2.1 index 1\n"
           "  column 2 string rw \"vlan-$1\"\n"
           "  column 3 hex rw \"ff ff ff f0\"\n"
           "  column 4 hex rw \"0f 00 00 00\"\n"
           "  column 5 integer rw 1\n"
           "  rows [1-" + std::to_string(Rows) + "]\n"
           "end\n";
}

double MicrosPerRow(const std::vector<qint64>& at, size_t from, size_t to) {
    return (at[to] - at[from]) / 1e3 / double(to - from);
}

}  // namespace

int main(int argc, char** argv) {
    if (!std::getenv("QT_QPA_PLATFORM")) setenv("QT_QPA_PLATFORM", "offscreen", 1);
    QApplication app(argc, argv);
    TempDir work;
    work.Write("bench-vlans.txt", TableData());
    SimSwitch::Options options;
    options.dataPaths = {SIM_DATA_DIR, work.File("bench-vlans.txt")};
    SimSwitch sim(options);
    std::filesystem::current_path(work.Path());
    CreateGlobalSession("");
    DefaultSettings().Device = {"127.0.0.1", static_cast<uint16_t>(sim.Port())};
    DefaultSettings().Security.Version = 1;
    DefaultSettings().Security.ReadCommunity = SimSwitch::ReadCommunity;

    QWidget form;
    ListView view(&form);
    view.resize(600, 400);
    form.show();
    std::vector<qint64> rowAt;   // nanoseconds from the start at which each row arrived
    rowAt.reserve(Rows);
    QElapsedTimer clock;
    QObject::connect(view.model(), &QAbstractItemModel::rowsInserted,
                     [&] { rowAt.push_back(clock.nsecsElapsed()); });
    bool done = false;
    {
        OvSNMPRequest2Edits binding(&form);
        binding.Request.List.Assign(OvSNMPVarList(Table, MVT_UMV, 1));
        binding.BindListView(&view, false);
        binding.OnGetDone = [&done](OvSNMPRequest2Controls&, const OvSNMPError&) { done = true; };
        clock.start();
        binding.Get();
        while (!done) QCoreApplication::processEvents(QEventLoop::WaitForMoreEvents);
    }
    const double seconds = clock.nsecsElapsed() / 1e9;
    OvSNMPSession::DestroyGlobal();

    const size_t n = rowAt.size();
    std::printf("list view from an asynchronous walk: %zu of %d rows, %d columns, %.3f s\n", n, Rows,
                view.ColumnCount(), seconds);
    std::printf("rows per second: %.0f\n", n / seconds);
    if (n > 2 * Window) {
        std::printf("time per row, first %d rows: %.1f us\n", Window, MicrosPerRow(rowAt, 0, Window));
        std::printf("time per row, last %d rows:  %.1f us\n", Window, MicrosPerRow(rowAt, n - Window - 1, n - 1));
    }
    return n == size_t(Rows) ? 0 : 1;
}
