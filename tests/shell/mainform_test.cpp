#include <gtest/gtest.h>

#include <QAction>
#include <QApplication>
#include <QComboBox>
#include <QElapsedTimer>
#include <QKeyEvent>
#include <QLabel>
#include <QMenu>
#include <QMenuBar>
#include <QProgressBar>
#include <QPushButton>
#include <QTest>
#include <QTimer>

#include <cstdlib>
#include <filesystem>
#include <memory>

#include "messageboxrecorder.h"
#include "ovmessagetables.h"
#include "ovsnmprequest2edits.h"
#include "ovsnmpsession.h"
#include "ovsnmpsettings.h"
#include "pagecatalog.h"
#include "simswitch.h"
#include "statictext.h"
#include "statusbar.h"
#include "taboutform.h"
#include "tconfigform.h"
#include "tctrlbtnpanel.h"
#include "teditspanel.h"
#include "tempdir.h"
#include "tmainform.h"
#include "tpaneltq2400gform.h"
#include "tprogressform.h"
#include "tprogressform2.h"
#include "tsnmpeditorpanel.h"

namespace {

struct Launch {
    QString program;
    QStringList arguments;
};

// The module started the way the station starts it, on the simulated switch.
class MainWindow : public ::testing::Test {
protected:
    void SetUp() override {
        previous_ = std::filesystem::current_path();
        std::filesystem::current_path(dir_.Path());
        std::filesystem::create_directories(dir_.File("mbf"));
        setenv("ORVANE_REGISTRY", dir_.File("registry.ini").c_str(), 1);
        dir_.Write("registry.ini", "[SOFTWARE\\Orvane\\Corvue5.1\\MibFile]\nPath=" + dir_.File("mbf/") + "\n");
        savedStart_ = TMainForm::StartProgram;
        TMainForm::StartProgram = [this](const QString& program, const QStringList& arguments) {
            launches_.push_back({program, arguments});
            return true;
        };
    }
    void TearDown() override {
        window_.reset();
        TMainForm::StartProgram = savedStart_;
        OvSNMPSession::DestroyGlobal();
        OvMessageTables::RestoreBuiltIn();
        ResetDefaultSettings();
        unsetenv("ORVANE_REGISTRY");
        std::filesystem::current_path(previous_);
    }

    // SNMPv1 or v2c: the station's file for the address carries port and version.
    void OpenCommunity(const std::string& version) {
        dir_.Write("mbf/127.0.0.1.cfg", "[Program Information]\nAgentPort=" + std::to_string(switch_.Port()) +
                                            "\nVersion=" + version +
                                            "\nSecurityModel=1\nSecurityLevel=0\nAuthProtocol=0\nPrivProtocol=0\n");
        Open({"/I127.0.0.1", "/Rpublic", "/Wprivate"});
    }
    // SNMPv3 as the station starts it: its file for the address holds the
    // version and the security settings (counted from 0).
    void OpenV3FromStationFile() {
        dir_.Write("mbf/127.0.0.1.cfg", "[Program Information]\nAgentPort=" + std::to_string(switch_.Port()) +
                                            "\nVersion=3\nSecurityModel=3\nSecurityLevel=2\nSecurityName=shades"
                                            "\nAuthProtocol=2\nPrivProtocol=1\nAuthPassword=shapassword"
                                            "\nPrivPassword=despassword\n");
        Open({"/I127.0.0.1", "/v3"});
    }
    void OpenV3() {
        Open({"/I127.0.0.1", "/v3", "/t" + std::to_string(switch_.Port()), "/m3", "/l3", "/nshades",
              "/Ashapassword", "/Pdespassword", "/a3", "/p2"});
    }
    void Open(const std::vector<std::string>& parameters) {
        window_ = std::make_unique<TMainForm>(parameters);
    }
    void Activate() {
        QEvent activate(QEvent::WindowActivate);
        QApplication::sendEvent(window_.get(), &activate);
    }
    void SetRmonState(int state) {
        switch_.Tool("snmpset", "-v2c -c private", SimSwitch::VendorOid(".11.63.11.2.1.2.16.0") + " i " +
                                                        std::to_string(state));
    }
    bool RmonEntriesEnabled() const {
        bool all = true;
        for (const char* caption : {"Statistics", "History", "Alarm/Event"}) {
            QAction* action = window_->MenuAction({"RMON", caption});
            EXPECT_NE(action, nullptr) << caption;
            all = all && action && action->isEnabled();
        }
        return all;
    }
    static const PageEntry& Entry(std::initializer_list<std::string_view> path) {
        const PageEntry* entry = FindPage(std::span(path.begin(), path.size()));
        if (!entry)
            throw std::runtime_error("no catalogue entry");
        return *entry;
    }
    std::vector<SimJournalEntry> Sets() const {
        std::vector<SimJournalEntry> sets;
        for (const auto& e : switch_.Journal())
            if (e.operation == "SET")
                sets.push_back(e);
        return sets;
    }
    // Runs action once ready() holds, checking from the event loop so that
    // the loop's own timers (the page's first read) keep running meanwhile.
    static void When(std::function<bool()> ready, std::function<void()> action) {
        auto* timer = new QTimer;
        timer->setInterval(10);
        QObject::connect(timer, &QTimer::timeout, [timer, ready = std::move(ready), action = std::move(action)] {
            if (!ready())
                return;
            timer->stop();
            timer->deleteLater();
            action();
        });
        timer->start();
    }
    // Runs inside the next configuration page once its first read has ended.
    static void WhenPageRead(std::function<void(TConfigForm*)> action) {
        When(
            [] {
                auto* form = qobject_cast<TConfigForm*>(QApplication::activeModalWidget());
                return form && form->CurrentBinding && !form->CurrentBinding->Busy;
            },
            [action = std::move(action)] { action(qobject_cast<TConfigForm*>(QApplication::activeModalWidget())); });
    }
    SimSwitch switch_;
    TempDir dir_;
    std::filesystem::path previous_;
    std::unique_ptr<TMainForm> window_;
    std::vector<Launch> launches_;
    std::function<bool(const QString&, const QStringList&)> savedStart_;
};

TEST_F(MainWindow, WithoutParametersTheModuleSaysSoAndEnds) {
    MessageBoxRecorder boxes;
    Open({});
    ASSERT_EQ(boxes.Count(), 1);
    EXPECT_EQ(boxes.Boxes()[0].text, "No parameter input");
    EXPECT_TRUE(window_->EndRequested());
    EXPECT_EQ(window_->ExitCode(), 0);
}

TEST_F(MainWindow, AStartUpErrorIsShownAndTheModuleEnds) {
    MessageBoxRecorder boxes;
    Open({"/I127.0.0.1", "/vthree"});
    ASSERT_EQ(boxes.Count(), 1);
    EXPECT_NE(boxes.Boxes()[0].text.indexOf("three"), -1) << boxes.Boxes()[0].text.toStdString();
    EXPECT_TRUE(window_->EndRequested());
    EXPECT_EQ(window_->ExitCode(), 1);
    EXPECT_TRUE(window_->PanelList.isEmpty());
}

TEST_F(MainWindow, CreationReadsTheSummaryValuesAndSetsUpTheMenus) {
    OpenV3();
    EXPECT_FALSE(window_->EndRequested());
    EXPECT_EQ(window_->windowTitle(), "127.0.0.1");
    EXPECT_EQ(window_->ST_RmonState->text(), "enabled");
    EXPECT_EQ(window_->ST_Version->text(), "rstp");
    EXPECT_TRUE(window_->ST_RmonState->isHidden());
    const QStringList menus = {"Basic Configuration", "RMON", "Bridge", "VLAN", "SNMP V3", "Security Management",
                               "Layer 2 Management", "Layer 3 Management", "Single IP", "Help"};
    QStringList seen;
    for (QAction* action : window_->MainMenu1->actions())
        seen << action->text();
    EXPECT_EQ(seen, menus);
    EXPECT_FALSE(window_->MenuAction({"Layer 3 Management"})->isVisible());
    EXPECT_FALSE(window_->MenuAction({"Layer 2 Management", "PoE"})->isVisible());
    EXPECT_TRUE(window_->MenuAction({"SNMP V3"})->isEnabled());
    EXPECT_NE(window_->MenuAction({"Help", "About"}), nullptr);
    EXPECT_EQ(window_->ClientSize(), QSize(782, 151));
    EXPECT_EQ(window_->StatusBar1->height(), 20);
}

TEST_F(MainWindow, SnmpV3MenuNeedsSnmpV3) {
    OpenCommunity("0");
    EXPECT_FALSE(window_->MenuAction({"SNMP V3"})->isEnabled());
}

TEST_F(MainWindow, ASilentSwitchAtCreationLeavesTheErrorInTheStatusBar) {
    switch_.SetSilent(true);
    OpenV3();
    EXPECT_FALSE(window_->StatusBar1->PanelText(0).isEmpty());
    EXPECT_TRUE(RmonEntriesEnabled());
    switch_.ClearFaults();
}

TEST_F(MainWindow, FirstActivationEmbedsOnePanelAndFollowsTheRmonState) {
    SetRmonState(2);
    OpenV3();
    Activate();
    ASSERT_EQ(window_->PanelList.size(), 1);
    EXPECT_EQ(window_->ClientSize(), QSize(755, 123));
    EXPECT_EQ(window_->CurrentPanel->pos(), QPoint(0, 0));
    EXPECT_FALSE(RmonEntriesEnabled());
    Activate();
    EXPECT_EQ(window_->PanelList.size(), 1);
}

TEST_F(MainWindow, RmonControlPageEnablesTheRmonEntriesAfterItCloses) {
    SetRmonState(2);
    OpenV3();
    Activate();
    ASSERT_FALSE(RmonEntriesEnabled());
    WhenPageRead([&](TConfigForm* form) {
        EXPECT_EQ(form->windowTitle(), "RMON State : 127.0.0.1");
        auto* page = form->findChild<TSNMPEditorPanel*>();
        auto* state = qobject_cast<QComboBox*>(page->Editor->Rows[0].ValueControl);
        EXPECT_EQ(state->currentText(), "disabled");
        state->setCurrentIndex(state->findText("enabled"));
        EXPECT_EQ(page->ButtonPanel->SetCheckedButton->text(), "Set");
        page->ButtonPanel->SetCheckedButton->click();
        page->ButtonPanel->CloseButton->click();
    });
    window_->RunPage(Entry({"RMON", "RMON Control"}));
    EXPECT_TRUE(RmonEntriesEnabled());
    EXPECT_EQ(window_->ST_RmonState->text(), "enabled");
}

TEST_F(MainWindow, ToolPagesStartTheToolWithCommunityOrSecurityParameters) {
    OpenCommunity("0");
    window_->RunPage(Entry({"Basic Configuration", "MIB II", "IF Table"}));
    ASSERT_EQ(launches_.size(), 1u);
    EXPECT_EQ(launches_[0].program, "MIB");
    EXPECT_EQ(launches_[0].arguments, (QStringList{"/I127.0.0.1", "/Rpublic", "/Wprivate", "/TMIB_IFTable"}));
    EXPECT_EQ(QApplication::activeModalWidget(), nullptr);
}

TEST_F(MainWindow, Version3ToolCommandCarriesTheSecuritySwitches) {
    OpenV3FromStationFile();
    EXPECT_EQ(window_->ST_RmonState->text(), "enabled");
    window_->LaunchTool("/TRmon_Statistics");
    ASSERT_EQ(launches_.size(), 1u);
    EXPECT_EQ(launches_[0].program, "Rmon");
    const QStringList& a = launches_[0].arguments;
    ASSERT_EQ(a.size(), 13);
    EXPECT_EQ(a[1], "/t" + QString::number(switch_.Port()));
    EXPECT_EQ(a[2], "/v3");
    EXPECT_EQ(a[5], "/nshades");
    EXPECT_EQ(a[9], "/Ashapassword");
    EXPECT_EQ(a[10], "/Pdespassword");
    EXPECT_FALSE(a.join(' ').contains("/R"));
}

TEST_F(MainWindow, RebootAnsweredNoSendsNothingAndYesWritesWarmStart) {
    OpenV3();
    switch_.ClearJournal();
    {
        MessageBoxRecorder boxes(MessageBox::Answer::No);
        window_->Reboot();
        ASSERT_EQ(boxes.Count(), 1);
        EXPECT_EQ(boxes.Boxes()[0].text, "Are you sure to reboot the device?");
        EXPECT_EQ(boxes.Boxes()[0].caption, "Reboot");
    }
    EXPECT_TRUE(Sets().empty());
    {
        MessageBoxRecorder boxes(MessageBox::Answer::Yes);
        window_->Reboot();
    }
    const auto sets = Sets();
    ASSERT_EQ(sets.size(), 1u);
    ASSERT_EQ(sets[0].varbinds.size(), 1u);
    EXPECT_EQ(sets[0].varbinds[0].oid, SimSwitch::VendorOid(".12.1.2.3.0"));
    EXPECT_EQ(sets[0].varbinds[0].value, "3");
}

TEST_F(MainWindow, IfXTableReadsWithVersion2cAndRestoresVersion1) {
    OpenCommunity("0");
    ASSERT_EQ(DefaultSettings().Security.Version, 0);
    EXPECT_EQ(window_->ST_RmonState->text(), "enabled") << window_->StatusBar1->PanelText(0).toStdString();
    uint8_t versionDuring = 0;
    WhenPageRead([&](TConfigForm* form) {
        versionDuring = form->Bindings.first()->Request.Security.Version;
        form->close();
    });
    switch_.ClearJournal();
    window_->RunPage(Entry({"Basic Configuration", "IF-MIB", "IfX Table"}));
    EXPECT_EQ(versionDuring, 1);
    EXPECT_EQ(DefaultSettings().Security.Version, 0);
    const auto journal = switch_.Journal();
    ASSERT_FALSE(journal.empty());
    EXPECT_EQ(journal.front().version, "v2c");
}

TEST_F(MainWindow, ClosingAsksFirst) {
    OpenV3();
    window_->show();
    {
        MessageBoxRecorder boxes(MessageBox::Answer::No);
        EXPECT_FALSE(window_->close());
        ASSERT_EQ(boxes.Count(), 1);
        EXPECT_EQ(boxes.Boxes()[0].text, "Are you sure to exit?");
        EXPECT_EQ(boxes.Boxes()[0].caption, "Exit");
    }
    EXPECT_TRUE(window_->isVisible());
    MessageBoxRecorder boxes(MessageBox::Answer::Yes);
    EXPECT_TRUE(window_->close());
}

TEST_F(MainWindow, HelpOpensTheHelpFileBesideTheExecutable) {
    OpenV3();
    QString opened;
    auto saved = TMainForm::OpenDocument;
    TMainForm::OpenDocument = [&](const QString& path) {
        opened = path;
        return true;
    };
    window_->MenuAction({"Help", "Help"})->trigger();
    TMainForm::OpenDocument = saved;
    EXPECT_TRUE(opened.endsWith("/TQ-2400 R2 Oct 08 d 4b corvue.hlp")) << opened.toStdString();
}

TEST_F(MainWindow, MenuEntriesRunTheirPagesAndDialogsWaitForTheirFeature) {
    OpenCommunity("1");
    window_->MenuAction({"Basic Configuration", "MIB II", "ARP Table"})->trigger();
    ASSERT_EQ(launches_.size(), 1u);
    EXPECT_EQ(launches_[0].arguments.last(), "/TMIB_ARP");
    // A dedicated dialog that no feature has registered cannot be chosen.
    QAction* networkTime = window_->MenuAction({"Basic Configuration", "Time Management", "Network Time"});
    ASSERT_NE(networkTime, nullptr);
    EXPECT_FALSE(networkTime->isEnabled());
    // A hidden entry is part of the menu but never shown.
    QAction* collisions = window_->MenuAction({"Basic Configuration", "EtherLike-MIB", "Dot3 Collisions"});
    ASSERT_NE(collisions, nullptr);
    EXPECT_FALSE(collisions->isVisible());
    bool sawPage = false;
    WhenPageRead([&](TConfigForm* form) {
        sawPage = true;
        EXPECT_EQ(form->windowTitle(), "Basic Management : 127.0.0.1");
        form->close();
    });
    window_->MenuAction({"Basic Configuration", "Agent Management", "Basic Management"})->trigger();
    EXPECT_TRUE(sawPage);
}

TEST(AboutBox, ShowsTheModuleAndRevealsTheBuildOnShiftAltF3) {
    TAboutForm about(nullptr);
    about.show();
    EXPECT_EQ(about.size(), QSize(323, 105));
    EXPECT_EQ(about.windowTitle(), "About TQ-2400G Module");
    EXPECT_EQ(about.Label1->text(), "Orvane TQ-2400G Management Module");
    EXPECT_TRUE(about.Label1->font().bold());
    EXPECT_EQ(about.Label2->text(), "Release Version 2.0");
    QTest::keyClick(about.OkButton, Qt::Key_F3, Qt::ShiftModifier);
    EXPECT_EQ(about.Label2->text(), "Release Version 2.0");
    QTest::keyClick(about.OkButton, Qt::Key_F3, Qt::ShiftModifier | Qt::AltModifier);
    EXPECT_EQ(about.Label2->text(), "Release Version 2.00D09(Build 2008/12/12)");
    about.OkButton->click();
    EXPECT_FALSE(about.isVisible());
}

TEST(ProgressWindows, BarRunsToSeventySixThenStartsOverAndClosesAtItsLimit) {
    QWidget owner;
    owner.show();
    auto* progress = new TProgressForm(&owner);
    progress->show();
    EXPECT_EQ(progress->windowTitle(), "Progress");
    EXPECT_EQ(progress->ProgressBar->maximum(), 76);
    for (int i = 0; i < 29; ++i)
        progress->Advance();
    EXPECT_TRUE(progress->isVisible());
    progress->Advance();
    EXPECT_FALSE(progress->isVisible());
    EXPECT_EQ(progress->parentWidget(), nullptr);
    delete progress;

    auto* second = new TProgressForm2(&owner);
    second->SetLimit(200);
    second->show();
    for (int i = 0; i < 77; ++i)
        second->Advance();
    EXPECT_EQ(second->ProgressBar->value(), 0);
    EXPECT_TRUE(second->isVisible());
    second->SetLimit(3);
    for (int i = 0; i < 3; ++i)
        second->Advance();
    EXPECT_FALSE(second->isVisible());
    delete second;
}

}  // namespace
