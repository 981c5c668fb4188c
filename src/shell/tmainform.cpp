#include "tmainform.h"

#include <QAction>
#include <QApplication>
#include <QCloseEvent>
#include <QDesktopServices>
#include <QDir>
#include <QMenu>
#include <QMenuBar>
#include <QProcess>
#include <QScreen>
#include <QScrollArea>
#include <QUrl>
#include <QVBoxLayout>

#include "configpagebuilder.h"
#include "dedicateddialogs.h"
#include "messagebox.h"
#include "ovlatin1.h"
#include "ovexception.h"
#include "ovoptionlist.h"
#include "ovsnmpcodes.h"
#include "ovsnmprequest.h"
#include "ovsnmprequest2edits.h"
#include "ovsnmpsettings.h"
#include "ovsnmpvardef.h"
#include "ovvendor.h"
#include "pagecatalog.h"
#include "statictext.h"
#include "statusbar.h"
#include "statuspanel.h"
#include "toolcommand.h"
#include "taboutform.h"
#include "tconfigform.h"
#include "tpaneltq2400gform.h"

namespace {

const OvOptionDef kRmonStateOptions[] = {{2, "disabled"}, {3, "enabled"}, {}};
const OvOptionList kRmonStateList(kRmonStateOptions, OvOptionList::IntegerValues);
const OvOptionDef kStpVersionOptions[] = {{0, "stp"}, {1, "rstp"}, {2, "mstp"}, {}};
const OvOptionList kStpVersionList(kStpVersionOptions, OvOptionList::IntegerValues);

const OvSNMPVarDef kRmonStateTable[] = {
    {VENDOR_ARC ".11.63.11.2.1.2.16", "RMON State", SYN_INTEGER, ACC_READWRITE, &kRmonStateList},
    {},
};
const OvSNMPVarDef kStpVersionTable[] = {
    {VENDOR_ARC ".12.15.1.2", "STP Version", SYN_INTEGER, ACC_READWRITE, &kStpVersionList},
    {},
};

const char* const kRebootOid = VENDOR_ARC ".12.1.2.3";
const std::string kWarmStart = "3";
const char* const kHelpFile = "TQ-2400 R2 Oct 08 d 4b corvue.hlp";

const QStringList kRmonFollowers = {"Statistics", "History", "Alarm/Event"};

std::string TargetOf(const PageEntry& entry) {
    return entry.Target ? entry.Target : "";
}


// The 64-bit counters of some pages exist only from SNMPv2c on: while such
// a page is open, SNMPv1 defaults read as SNMPv2c.
class VersionOverride {
public:
    explicit VersionOverride(bool wanted) {
        auto& version = DefaultSettings().Security.Version;
        if (wanted && version == 0) {
            changed_ = true;
            version = 1;
        }
    }
    ~VersionOverride() {
        if (changed_)
            DefaultSettings().Security.Version = 0;
    }
    VersionOverride(const VersionOverride&) = delete;
    VersionOverride& operator=(const VersionOverride&) = delete;

private:
    bool changed_ = false;
};

std::unique_ptr<OvSNMPRequest2Edits> SummaryBinding(QWidget* owner, const OvSNMPVarDef* table, StaticText* target) {
    auto binding = std::make_unique<OvSNMPRequest2Edits>(owner);
    binding->Request.List.Assign(OvSNMPVarList(table, SVT_SV, 0));
    binding->Mode = 0;
    binding->Associate(0, target);
    return binding;
}

}  // namespace

std::function<bool(const QString&, const QStringList&)> TMainForm::StartProgram =
    [](const QString& program, const QStringList& arguments) { return QProcess::startDetached(program, arguments); };
std::function<bool(const QString&)> TMainForm::OpenDocument = [](const QString& path) {
    return QDesktopServices::openUrl(QUrl::fromLocalFile(path));
};

TMainForm::TMainForm(const std::vector<std::string>& parameters) {
    BuildWindow();
    RunStartup(parameters);
    if (!endRequested_)
        CreationStep();
}

TMainForm::~TMainForm() {
    // The panels wait for their reads in flight while the window still stands.
    for (TPanelTQ2400GForm* panel : PanelList)
        panel->FormClose();
}

void TMainForm::BuildWindow() {
    QFont font = QApplication::font();
    font.setPointSize(8);
    setFont(font);
    MainMenu1 = new QMenuBar(this);
    setMenuBar(MainMenu1);
    client_ = new QWidget(this);
    setCentralWidget(client_);
    auto* layout = new QVBoxLayout(client_);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(0);
    ScrollBox1 = new QScrollArea(client_);
    ScrollBox1->setFrameShape(QFrame::NoFrame);
    ScrollBox1->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    ScrollBox1->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    scrollContent_ = new QWidget;
    ScrollBox1->setWidget(scrollContent_);
    layout->addWidget(ScrollBox1, 1);
    StatusBar1 = new StatusBar(client_);
    StatusBar1->setFixedHeight(StatusBarHeight);
    // Errors are long: the one panel starts at its width and takes the
    // rest of the bar, as the last panel of a status bar does.
    StatusPanel* panel = StatusBar1->AddPanel(StatusPanelWidth);
    panel->setMinimumWidth(StatusPanelWidth);
    panel->setMaximumWidth(QWIDGETSIZE_MAX);
    panel->setSizePolicy(QSizePolicy::Expanding, QSizePolicy::Fixed);
    layout->addWidget(StatusBar1);
    ST_RmonState = new StaticText(client_);
    ST_RmonState->hide();
    ST_Version = new StaticText(client_);
    ST_Version->hide();
    BuildMenus();
    SetClientSize(InitialClientWidth, InitialClientHeight);
    if (QScreen* screen = QApplication::primaryScreen())
        move(screen->availableGeometry().center() - rect().center());
}

void TMainForm::RunStartup(const std::vector<std::string>& parameters) {
    try {
        if (startup_.Run(parameters) == ModuleStartup::Outcome::NoParameters) {
            MessageBox::Inform(this, QStringLiteral("No parameter input"));
            endRequested_ = true;
        }
    } catch (const OvException& e) {
        MessageBox::Inform(this, ToQt(e.what()));
        endRequested_ = true;
        startupFailed_ = true;
    }
    if (QMenu* v3 = Menu({"SNMP V3"}))
        v3->menuAction()->setEnabled(startup_.SnmpV3Selected());
}

void TMainForm::CreationStep() {
    setWindowTitle(ToQt(startup_.Texts().AddressText));
    if (QMenu* poe = Menu({"Layer 2 Management", "PoE"}))
        poe->menuAction()->setVisible(false);
    try {
        RmonStateBinding = SummaryBinding(this, kRmonStateTable, ST_RmonState);
        RmonStateBinding->Get();
        StpVersionBinding = SummaryBinding(this, kStpVersionTable, ST_Version);
        StpVersionBinding->Get();
    } catch (const OvException& e) {
        ShowPanelStatus(ToQt(e.what()));
    }
}

void TMainForm::BuildMenus() {
    std::vector<QMenu*> parents;
    for (const PageEntry& entry : PageCatalog()) {
        parents.resize(entry.Depth);
        const QString caption = ToQt(entry.Caption);
        if (entry.Form == PageForm::Separator) {
            if (!parents.empty())
                parents.back()->addSeparator();
            continue;
        }
        QAction* action = nullptr;
        if (entry.Form == PageForm::Menu) {
            QMenu* menu = parents.empty() ? MainMenu1->addMenu(caption) : parents.back()->addMenu(caption);
            menu->setObjectName(caption);
            action = menu->menuAction();
            parents.push_back(menu);
        } else {
            action = parents.empty() ? MainMenu1->addAction(caption) : parents.back()->addAction(caption);
            const PageEntry* page = &entry;
            connect(action, &QAction::triggered, this, [this, page] { RunPage(*page); });
            action->setEnabled(entry.Form != PageForm::None &&
                               (entry.Form != PageForm::Dialog || DedicatedDialogs::Find(TargetOf(entry))));
        }
        action->setVisible(!entry.Hidden);
    }
}

QMenu* TMainForm::Menu(const QStringList& path) const {
    QAction* action = MenuAction(path);
    return action ? action->menu() : nullptr;
}

QAction* TMainForm::MenuAction(const QStringList& path) const {
    QList<QAction*> level = MainMenu1->actions();
    QAction* found = nullptr;
    for (const QString& caption : path) {
        found = nullptr;
        for (QAction* action : level)
            if (action->text() == caption) {
                found = action;
                break;
            }
        if (!found)
            return nullptr;
        level = found->menu() ? found->menu()->actions() : QList<QAction*>{};
    }
    return found;
}

QSize TMainForm::ClientSize() const {
    return client_->size();
}

void TMainForm::SetClientSize(int width, int height) {
    setFixedSize(width, height + MainMenu1->sizeHint().height());
    client_->resize(width, height);
}

bool TMainForm::event(QEvent* e) {
    if (e->type() == QEvent::WindowActivate && !Activated && !endRequested_) {
        Activated = true;
        EmbedFrontPanel();
        UpdateRmonMenu();
    }
    return QMainWindow::event(e);
}

void TMainForm::EmbedFrontPanel() {
    auto* panel = new TPanelTQ2400GForm(scrollContent_, StatusBar1);
    const int h = TPanelTQ2400GForm::ClientHeight;
    const int w = TPanelTQ2400GForm::ClientWidth;
    panel->move(0, 0);
    const int wide = w + 3;
    int top = 0;
    int clientWidth = ClientSize().width();
    if (!CurrentPanel) {
        clientWidth = wide;
    } else {
        top = ScrollBox1->height() - static_cast<int>(PanelList.size()) - 1;
        clientWidth = std::max(clientWidth, wide);
    }
    panel->move(0, top);
    CurrentPanel = panel;
    SetClientSize(clientWidth, top + h + StatusBar1->height() + static_cast<int>(PanelList.size()) + 3);
    scrollContent_->resize(std::max(scrollContent_->width(), panel->width()), top + panel->height());
    panel->show();
    if (width() < panel->width())
        setFixedWidth(panel->width() + 4);
    PanelList.append(panel);
}

void TMainForm::UpdateRmonMenu() {
    if (!RmonStateBinding)
        return;
    try {
        RmonStateBinding->Get();
        if (ST_RmonState->text() == QLatin1String("disabled"))
            SetRmonEntriesEnabled(false);
        else if (ST_RmonState->text() == QLatin1String("enabled"))
            SetRmonEntriesEnabled(true);
    } catch (const OvException& e) {
        ShowPanelStatus(ToQt(e.what()));
    }
}

void TMainForm::SetRmonEntriesEnabled(bool enabled) {
    for (const QString& caption : kRmonFollowers)
        if (QAction* action = MenuAction({"RMON", caption}))
            action->setEnabled(enabled);
}

void TMainForm::ShowPanelStatus(const QString& text) {
    StatusBar1->SetPanelText(0, text);
}

void TMainForm::closeEvent(QCloseEvent* e) {
    const auto answer = MessageBox::Show(this, QStringLiteral("Exit"), QStringLiteral("Are you sure to exit?"),
                                         MessageBox::Buttons::YesNo, MessageBox::Icon::Question);
    if (answer == MessageBox::Answer::Yes)
        e->accept();
    else
        e->ignore();
}

void TMainForm::RunPage(const PageEntry& entry) {
    if (entry.Definition)
        RunConfigPage(entry);
    else if (entry.Form == PageForm::Dialog)
        RunDialogPage(entry);
    else if (entry.Form == PageForm::Tool)
        LaunchTool(TargetOf(entry));
    else if (entry.Form == PageForm::Command)
        RunCommand(TargetOf(entry));
    if (entry.Extras & ExtraRmonUpdate)
        UpdateRmonMenu();
}

void TMainForm::RunCommand(const std::string& command) {
    if (command == "Reboot")
        Reboot();
    else if (command == "Help")
        Help();
    else if (command == "About")
        About();
}

void TMainForm::RunDialogPage(const PageEntry& entry) {
    const DedicatedDialogs::Factory* factory = DedicatedDialogs::Find(TargetOf(entry));
    if (!factory)
        return;
    if ((entry.Extras & ExtraStpVersionFirst) && StpVersionBinding) {
        try {
            StpVersionBinding->Get();
        } catch (const OvException& e) {
            ShowPanelStatus(ToQt(e.what()));
        }
    }
    std::unique_ptr<QDialog> dialog((*factory)(this));
    if (!(entry.Extras & ExtraOwnCaption))
        dialog->setWindowTitle(ConfigPageBuilder::CaptionPrefix(entry) + ToQt(startup_.Texts().AddressText));
    dialog->exec();
}

void TMainForm::RunConfigPage(const PageEntry& entry) {
    VersionOverride version(entry.Extras & ExtraV2c);
    std::unique_ptr<TConfigForm> form = ConfigPageBuilder::Build(entry, ToQt(startup_.Texts().AddressText));
    form->exec();
}

void TMainForm::LaunchTool(const std::string& pageName) {
    const ToolCommand command = ToolCommand::Build(startup_.Texts(), pageName);
    QStringList arguments;
    for (const std::string& argument : command.Arguments())
        arguments << ToQt(argument);
    StartProgram(ToQt(command.Program()), arguments);
}

void TMainForm::Reboot() {
    OvSNMPRequest request;
    request.List.ItemType = SVT_SV;
    request.List.AddVariable(kRebootOid, "", SYN_INTEGER, ACC_READWRITE);
    request.List.Item(0).Value = kWarmStart;
    const auto answer = MessageBox::Show(this, QStringLiteral("Reboot"), QStringLiteral("Are you sure to reboot the device?"),
                                         MessageBox::Buttons::YesNo, MessageBox::Icon::Question);
    if (answer == MessageBox::Answer::No)
        return;
    request.Timeout = 500;
    try {
        request.SetSync(false, "");
    } catch (const OvException&) {
        // The switch restarts instead of answering: silence is the expected outcome.
    }
}

void TMainForm::Help() {
    OpenDocument(QDir(QCoreApplication::applicationDirPath()).filePath(QString::fromLatin1(kHelpFile)));
}

void TMainForm::About() {
    TAboutForm about(this);
    about.exec();
}
