// Time from starting the module to the first answered LED poll of its
// front panel, on the simulated switch over SNMPv3 authPriv (SHA, DES):
// the start-up, the two summary reads, the menu bar, the embedding of the
// front panel and its first poll. Runs in-process on the offscreen platform.
//   bench_start [runs]
#include <QApplication>
#include <QElapsedTimer>

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <memory>
#include <string>
#include <vector>

#include "ovsnmpsession.h"
#include "simswitch.h"
#include "statusbar.h"
#include "tempdir.h"
#include "tmainform.h"

namespace {

struct Lap {
    double window;      // constructed: start-up, summary reads, menus
    double firstPoll;   // the first LED poll answered
};

Lap OneStart(const SimSwitch& sim) {
    const std::vector<std::string> parameters = {
        "/I127.0.0.1", "/v3", "/t" + std::to_string(sim.Port()), "/m3", "/l3", "/nshades",
        "/Ashapassword", "/Pdespassword", "/a3", "/p2"};
    QElapsedTimer clock;
    clock.start();
    auto window = std::make_unique<TMainForm>(parameters);
    const double constructed = clock.nsecsElapsed() / 1e6;
    window->show();
    QEvent activate(QEvent::WindowActivate);
    QApplication::sendEvent(window.get(), &activate);
    while (!window->StatusBar1->PanelText(0).startsWith("Get: Ok Request: Led Status") && clock.elapsed() < 20000)
        QApplication::processEvents(QEventLoop::WaitForMoreEvents, 5);
    const double answered = clock.nsecsElapsed() / 1e6;
    window.reset();
    OvSNMPSession::DestroyGlobal();
    return {constructed, answered};
}

double Median(std::vector<double> values) {
    std::sort(values.begin(), values.end());
    return values[values.size() / 2];
}

}  // namespace

int main(int argc, char** argv) {
    setenv("QT_QPA_PLATFORM", "offscreen", 0);
    QApplication app(argc, argv);
    const int runs = argc > 1 ? std::max(1, std::atoi(argv[1])) : 7;
    TempDir dir;
    std::filesystem::current_path(dir.Path());
    setenv("ORVANE_REGISTRY", dir.File("registry.ini").c_str(), 1);
    SimSwitch sim;
    std::vector<double> windows, polls;
    for (int i = 0; i < runs; ++i) {
        const Lap lap = OneStart(sim);
        windows.push_back(lap.window);
        polls.push_back(lap.firstPoll);
    }
    std::printf("start to window built:      median %7.1f ms, best %7.1f ms (%d runs)\n", Median(windows),
                *std::min_element(windows.begin(), windows.end()), runs);
    std::printf("start to first LED poll ok: median %7.1f ms, best %7.1f ms\n", Median(polls),
                *std::min_element(polls.begin(), polls.end()));
    return 0;
}
