#pragma once

#include <QMainWindow>
#include <QList>

#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "modulestartup.h"

class QAction;
class QMenu;
class QMenuBar;
class QScrollArea;
class QWidget;
class OvSNMPRequest2Edits;
class StaticText;
class StatusBar;
class TPanelTQ2400GForm;
struct PageEntry;

// The module's window: the switch's address as caption, its front panel,
// the menu bar of every page, and a status bar for the outcome of the
// window's own background work.
class TMainForm : public QMainWindow {
    Q_OBJECT
public:
    static constexpr int InitialClientWidth = 782;
    static constexpr int InitialClientHeight = 151;
    static constexpr int StatusBarHeight = 20;
    static constexpr int StatusPanelWidth = 50;

    // Runs the start-up with the station's parameters, then the creation step.
    explicit TMainForm(const std::vector<std::string>& parameters);
    ~TMainForm() override;

    // True when the start-up decided that the module ends at once (no
    // parameters, or a start-up error that has been shown).
    bool EndRequested() const { return endRequested_; }
    // 0, or 1 when the start-up failed.
    int ExitCode() const { return startupFailed_ ? 1 : 0; }

    void EmbedFrontPanel();
    void UpdateRmonMenu();
    void LaunchTool(const std::string& pageName);
    void Reboot();
    void Help();
    void About();
    // Opens one configuration page of the catalogue and waits until it closes.
    void RunConfigPage(const PageEntry& entry);
    void RunPage(const PageEntry& entry);

    QSize ClientSize() const;
    void SetClientSize(int width, int height);

    // The menu action of an entry, by the captions on its way down from
    // the menu bar, e.g. {"RMON", "Statistics"}; nullptr when there is none.
    QAction* MenuAction(const QStringList& path) const;
    QMenu* Menu(const QStringList& path) const;

    const ModuleStartup& Startup() const { return startup_; }
    // Starts a program without waiting and without a shell; tests replace it.
    static std::function<bool(const QString& program, const QStringList& arguments)> StartProgram;
    // Opens a document with the desktop's handler; tests replace it.
    static std::function<bool(const QString& path)> OpenDocument;

    QMenuBar* MainMenu1;
    StatusBar* StatusBar1;
    QScrollArea* ScrollBox1;
    StaticText* ST_RmonState;
    StaticText* ST_Version;
    std::unique_ptr<OvSNMPRequest2Edits> RmonStateBinding;
    std::unique_ptr<OvSNMPRequest2Edits> StpVersionBinding;
    QList<TPanelTQ2400GForm*> PanelList;
    TPanelTQ2400GForm* CurrentPanel = nullptr;
    bool Activated = false;

protected:
    bool event(QEvent* event) override;
    void closeEvent(QCloseEvent* event) override;

private:
    void BuildWindow();
    void RunStartup(const std::vector<std::string>& parameters);
    void CreationStep();
    void BuildMenus();
    void RunCommand(const std::string& command);
    void RunDialogPage(const PageEntry& entry);
    void ShowPanelStatus(const QString& text);
    void SetRmonEntriesEnabled(bool enabled);

    ModuleStartup startup_;
    QWidget* client_ = nullptr;
    QWidget* scrollContent_ = nullptr;
    bool endRequested_ = false;
    bool startupFailed_ = false;
};
