// Not a test: opens one page of the catalogue on the simulated switch and
// keeps it open for a while, for screenshots.
//   page_show "Layer 2 Management/Device Control" [add|edit] [seconds]
#include <QApplication>
#include <QPushButton>
#include <QTimer>

#include <cstdlib>
#include <filesystem>
#include <memory>
#include <string>
#include <string_view>
#include <vector>

#include "configpagebuilder.h"
#include "listview.h"
#include "ovsnmpsession.h"
#include "ovsnmpsettings.h"
#include "pagecatalog.h"
#include "simswitch.h"
#include "tconfigform.h"
#include "tctrlbtnpanel.h"
#include "tempdir.h"
#include "tlistviewpanel.h"
#include "tsnmplistviewpanel.h"


int main(int argc, char** argv) {
    QApplication app(argc, argv);
    QApplication::setStyle("Fusion");
    QFont font = QApplication::font();
    font.setPointSize(8);
    QApplication::setFont(font);
    if (argc < 2)
        return 2;
    std::vector<std::string> captions;
    for (const QString& caption : QString::fromLocal8Bit(argv[1]).split('/'))
        captions.push_back(caption.toStdString());
    const std::vector<std::string_view> path(captions.begin(), captions.end());
    const PageEntry* entry = FindPage(path);
    if (!entry || !entry->Definition)
        return 2;
    const QString dialog = argc > 2 ? QString::fromLocal8Bit(argv[2]) : QString();
    const int seconds = argc > 3 ? std::atoi(argv[3]) : 6;
    TempDir dir;
    std::filesystem::current_path(dir.Path());
    SimSwitch sim;
    CreateGlobalSession("");
    DefaultSettings().Device = {"127.0.0.1", static_cast<uint16_t>(sim.Port())};
    DefaultSettings().Security.Version = 1;
    DefaultSettings().Security.ReadCommunity = SimSwitch::ReadCommunity;
    DefaultSettings().Security.WriteCommunity = SimSwitch::WriteCommunity;
    std::unique_ptr<TConfigForm> form = ConfigPageBuilder::Build(*entry, "10.90.90.90");
    QTimer::singleShot(seconds * 1000, &app, [] { QApplication::exit(0); });
    QTimer::singleShot(1000, form.get(), [&] {
        auto* page = form->findChild<TSNMPListViewPanel*>();
        if (!page)
            return;
        if (dialog == "add") {
            page->ButtonPanel->AddButton->click();
        } else if (dialog == "edit") {
            page->ListPanel->List->SelectRow(0);
            page->ButtonPanel->EditButton->setEnabled(true);
            page->ButtonPanel->EditButton->click();
        }
    });
    form->show();
    const int result = QApplication::exec();
    OvSNMPSession::DestroyGlobal();
    return result;
}
