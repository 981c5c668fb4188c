// Shows the front panel with live LEDs from the simulated switch for a few
// seconds, for a look at it (or a screenshot) on a real or virtual display:
//   panel_show [seconds]
#include <QApplication>
#include <QTimer>
#include <QVBoxLayout>
#include <QWidget>

#include <cstdlib>
#include <filesystem>

#include "ovsnmpsession.h"
#include "simswitch.h"
#include "statusbar.h"
#include "tempdir.h"
#include "tpaneltq2400gform.h"

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    QApplication::setStyle("Fusion");
    const int seconds = argc > 1 ? std::atoi(argv[1]) : 6;

    SimSwitch::Options options;
    options.ledPeriodMs = 700;
    SimSwitch agent(options);
    TempDir work;
    std::filesystem::current_path(work.Path());
    CreateGlobalSession("");
    DefaultSettings().Device = {"127.0.0.1", static_cast<uint16_t>(agent.Port())};
    DefaultSettings().Security.Version = 1;
    DefaultSettings().Security.ReadCommunity = SimSwitch::ReadCommunity;

    QWidget window;
    window.setWindowTitle(QString::fromStdString(agent.Endpoint()));
    auto* layout = new QVBoxLayout(&window);
    layout->setContentsMargins(0, 0, 0, 0);
    auto* bar = new StatusBar;
    bar->AddPanel(420);
    auto* panel = new TPanelTQ2400GForm(nullptr, bar);
    layout->addWidget(panel);
    layout->addWidget(bar);
    window.move(0, 0);
    window.show();

    QTimer::singleShot(seconds * 1000, &app, &QApplication::quit);
    const int result = QApplication::exec();
    OvSNMPSession::DestroyGlobal();
    return result;
}
