#pragma once

#include <QWidget>

#include <array>
#include <memory>

class OvSNMPLedColorMapList;
class OvSNMPRequest2Leds;
class QFrame;
class QLabel;
class QToolButton;
class StatusBar;

// The switch's front, drawn in the main window: the device picture, one
// toggle button per port connector and the power, console and port LEDs,
// whose colours follow the switch's own LED string polled every five
// seconds. Choosing a port only marks its button.
class TPanelTQ2400GForm : public QWidget {
    Q_OBJECT
public:
    static constexpr int ClientWidth = 752;
    static constexpr int ClientHeight = 100;
    static constexpr int PortCount = 28;
    static constexpr int ButtonCount = 32;
    static constexpr int PollInterval = 500;  // hundredths of a second

    // statusBar: the main window's bar, whose panel 0 takes the status lines.
    explicit TPanelTQ2400GForm(QWidget* parent = nullptr, StatusBar* statusBar = nullptr);
    ~TPanelTQ2400GForm() override;

    static const OvSNMPLedColorMapList& PowerConsoleColours();
    static const OvSNMPLedColorMapList& CopperPortColours();
    static const OvSNMPLedColorMapList& ComboPortColours();

    QLabel* Image1;
    std::array<QToolButton*, ButtonCount> SpeedButtons{};
    QFrame* PowerLedPanel;
    QFrame* ConsoleLedPanel;
    std::array<QFrame*, PortCount> PortLedPanels{};

    std::unique_ptr<OvSNMPRequest2Leds> LedBinding;
    QToolButton* PressedButton = nullptr;

    void SpeedButtonClick(QToolButton* button);
    void Image1Click();
    // Stops the LEDs, waits for a read in flight and frees the binding.
    void FormClose();

protected:
    void closeEvent(QCloseEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void PlaceButtons();
    void PlaceLedPanels();
    QFrame* AddLedPanel(const QString& name, int left, int top);
    void CreateLedBinding(StatusBar* statusBar);
};
