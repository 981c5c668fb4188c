#include "tpaneltq2400gform.h"

#include "ovexception.h"
#include "ovsnmpledcolormaplist.h"
#include "ovsnmprequest2leds.h"
#include "ovvendor.h"
#include "shape.h"
#include "statusbar.h"
#include "statuspanel.h"
#include "tjpegimage.h"

#include <QCloseEvent>
#include <QCoreApplication>
#include <QElapsedTimer>
#include <QFrame>
#include <QLabel>
#include <QMouseEvent>
#include <QPixmap>
#include <QToolButton>

#include <string>

namespace {

constexpr int32_t Black = 0x000000;
constexpr int32_t Orange = 0x4080FF;
constexpr int32_t Green = 0x00FF00;
constexpr int32_t Blue = 0xFF0000;
constexpr int32_t Red = 0x0000FF;
constexpr uint8_t ValueMask = 7;
constexpr uint8_t BlinkMask = 0x80;

constexpr OvSNMPLedColour PowerConsoleTable[] = {
    {0, Black}, {1, Black}, {2, Green}, {3, Green}, {4, Blue}, {5, Red}, {0, OvSNMPLedColorMapList::EndColour},
};
constexpr OvSNMPLedColour CopperPortTable[] = {
    {0, Orange}, {1, Orange}, {2, Green}, {3, Green}, {4, Green}, {5, Red}, {0, OvSNMPLedColorMapList::EndColour},
};
constexpr OvSNMPLedColour ComboPortTable[] = {
    {0, Black}, {1, Orange}, {2, Orange}, {3, Green}, {4, Green}, {5, Red}, {0, OvSNMPLedColorMapList::EndColour},
};

// Built at process start and shared by every front panel.
const OvSNMPLedColorMapList PowerConsoleMap(PowerConsoleTable, ValueMask, BlinkMask, Black, Black);
const OvSNMPLedColorMapList CopperPortMap(CopperPortTable, ValueMask, BlinkMask, Black, Black);
const OvSNMPLedColorMapList ComboPortMap(ComboPortTable, ValueMask, BlinkMask, Black, Black);

// The switch reports every LED in this one string. It is read as an octet
// string: its bytes are binary, and a zero status would end a text.
const OvSNMPVarDef LedSource[] = {
    {VENDOR_ARC ".11.63.11.2.1.1.5", "swL2DevInfoFrontPanelLedStatus", SYN_OCTETSTR, ACC_READONLY},
    {},
};

enum class Glyph { JackLatchDown, JackLatchUp, Fibre };

struct ButtonPlace {
    int left, top, width, height;
    Glyph glyph;
};

constexpr int UpperTop = 26, UpperHeight = 23, LowerTop = 53, LowerHeight = 24, CopperWidth = 22;
constexpr int SecondBlockLefts[] = {462, 463, 485, 484, 508, 506, 529, 530, 552, 553, 577, 574};

// Buttons 25 to 32: the two connectors, copper and fibre, of ports 25 to 28.
constexpr ButtonPlace ComboButtons[] = {
    {616, 30, 21, 15, Glyph::Fibre},          // 25: port 25, fibre
    {616, 54, 21, 15, Glyph::Fibre},          // 26: port 26, fibre
    {648, 27, 23, 23, Glyph::JackLatchDown},  // 27: port 25, copper
    {648, 53, 21, 23, Glyph::JackLatchUp},    // 28: port 26, copper
    {672, 28, 22, 20, Glyph::JackLatchDown},  // 29: port 27, copper
    {672, 53, 22, 23, Glyph::JackLatchUp},    // 30: port 28, copper
    {715, 30, 21, 15, Glyph::Fibre},          // 31: port 27, fibre
    {715, 55, 21, 15, Glyph::Fibre},          // 32: port 28, fibre
};

ButtonPlace CopperButton(int port) {
    const bool upper = port % 2 == 1;
    const int left = port <= 12 ? 309 + 23 * ((port - 1) / 2) : SecondBlockLefts[port - 13];
    return {left, upper ? UpperTop : LowerTop, CopperWidth, upper ? UpperHeight : LowerHeight,
            upper ? Glyph::JackLatchDown : Glyph::JackLatchUp};
}

constexpr int LedColumns[] = {97, 113, 131, 147, 163, 179, 203};
constexpr int LedRows[] = {31, 48, 64, 81};
constexpr int LedPanelSide = 7;

struct LedPanelShift {
    int port, left, top;
};
constexpr LedPanelShift LedPanelShifts[] = {{1, 98, 31}, {25, 203, 32}, {28, 203, 82}};

QPoint LedPanelPlace(int port) {
    for (const LedPanelShift& shift : LedPanelShifts)
        if (shift.port == port)
            return {shift.left, shift.top};
    return {LedColumns[(port - 1) / 4], LedRows[(port - 1) % 4]};
}

QPixmap GlyphPixmap(Glyph glyph) {
    static const char* const files[] = {"/panel/rj45-up.jpg", "/panel/rj45-down.jpg", "/panel/sfp.jpg"};
    return QPixmap::fromImage(TJpegImage::LoadFromFile(QString(RESOURCES_DIR) + files[static_cast<int>(glyph)]));
}

}  // namespace

const OvSNMPLedColorMapList& TPanelTQ2400GForm::PowerConsoleColours() {
    return PowerConsoleMap;
}

const OvSNMPLedColorMapList& TPanelTQ2400GForm::CopperPortColours() {
    return CopperPortMap;
}

const OvSNMPLedColorMapList& TPanelTQ2400GForm::ComboPortColours() {
    return ComboPortMap;
}

TPanelTQ2400GForm::TPanelTQ2400GForm(QWidget* parent, StatusBar* statusBar)
    : QWidget(parent, Qt::FramelessWindowHint) {
    setAttribute(Qt::WA_DeleteOnClose);
    setFixedSize(ClientWidth, ClientHeight);
    Image1 = new QLabel(this);
    Image1->setObjectName("Image1");
    Image1->setGeometry(0, 0, ClientWidth, ClientHeight);
    Image1->setScaledContents(true);
    Image1->setPixmap(QPixmap::fromImage(TJpegImage::LoadFromFile(QString(RESOURCES_DIR) + "/panel/front.jpg")));
    Image1->installEventFilter(this);
    PlaceButtons();
    PlaceLedPanels();
    CreateLedBinding(statusBar);
}

TPanelTQ2400GForm::~TPanelTQ2400GForm() = default;

void TPanelTQ2400GForm::PlaceButtons() {
    const QPixmap glyphs[] = {GlyphPixmap(Glyph::JackLatchDown), GlyphPixmap(Glyph::JackLatchUp),
                              GlyphPixmap(Glyph::Fibre)};
    for (int n = 1; n <= ButtonCount; ++n) {
        const ButtonPlace place = n <= 24 ? CopperButton(n) : ComboButtons[n - 25];
        auto* button = new QToolButton(this);
        button->setObjectName(QString("SpeedButton%1").arg(n));
        button->setCheckable(true);
        button->setAutoRaise(true);
        button->setFocusPolicy(Qt::NoFocus);
        const QPixmap& glyph = glyphs[static_cast<int>(place.glyph)];
        button->setIcon(glyph);
        button->setIconSize(glyph.size());
        button->setGeometry(place.left, place.top, place.width, place.height);
        connect(button, &QToolButton::clicked, this, [this, button] { SpeedButtonClick(button); });
        SpeedButtons[static_cast<size_t>(n - 1)] = button;
    }
}

QFrame* TPanelTQ2400GForm::AddLedPanel(const QString& name, int left, int top) {
    auto* panel = new QFrame(this);
    panel->setObjectName(name);
    panel->setFrameShape(QFrame::NoFrame);
    panel->setGeometry(left, top, LedPanelSide, LedPanelSide);
    return panel;
}

void TPanelTQ2400GForm::PlaceLedPanels() {
    PowerLedPanel = AddLedPanel("PowerLedPanel", 23, 53);
    ConsoleLedPanel = AddLedPanel("ConsoleLedPanel", 23, 71);
    for (int port = 1; port <= PortCount; ++port) {
        const QPoint place = LedPanelPlace(port);
        PortLedPanels[static_cast<size_t>(port - 1)] =
            AddLedPanel(QString("Port%1LedPanel").arg(port), place.x(), place.y());
    }
}

// Without a session or an answering switch the panel still shows its
// picture and buttons, just without live LEDs: set-up errors stay quiet.
void TPanelTQ2400GForm::CreateLedBinding(StatusBar* statusBar) {
    try {
        LedBinding = std::make_unique<OvSNMPRequest2Leds>(this);
        LedBinding->Request.List.Assign(OvSNMPVarList(LedSource, MVT_SV, 0));
        LedBinding->Request.List.Instance = "0";
        LedBinding->SetLedMode(2, 2);
        const auto add = [this](const std::string& bytes, const OvSNMPLedColorMapList& map, QFrame* panel, int gap) {
            LedBinding->AddLeds(0, bytes, &map, panel, 1, gap, Shape::Rectangle, 5, 5);
        };
        add("0", PowerConsoleMap, PowerLedPanel, 10);
        add("1", PowerConsoleMap, ConsoleLedPanel, 10);
        for (int port = 1; port <= PortCount; ++port)
            add(std::to_string(2 * port), port <= 24 ? CopperPortMap : ComboPortMap,
                PortLedPanels[static_cast<size_t>(port - 1)], port <= 24 ? 6 : 10);
        if (statusBar != nullptr && statusBar->Panel(0) != nullptr)
            LedBinding->SetStatusTarget(statusBar->Panel(0));
        LedBinding->Request.List.Name = " Led Status";
        LedBinding->StartPolling(PollInterval);
    } catch (const std::exception&) {
    }
}

void TPanelTQ2400GForm::SpeedButtonClick(QToolButton* button) {
    if (PressedButton != nullptr)
        PressedButton->setChecked(false);
    PressedButton = button;
    button->setChecked(true);
}

void TPanelTQ2400GForm::Image1Click() {
    if (PressedButton != nullptr)
        PressedButton->setChecked(false);
    PressedButton = nullptr;
}

bool TPanelTQ2400GForm::eventFilter(QObject* watched, QEvent* event) {
    if (watched == Image1 && event->type() == QEvent::MouseButtonPress)
        Image1Click();
    return QWidget::eventFilter(watched, event);
}

void TPanelTQ2400GForm::FormClose() {
    // Taken out first: the wait below runs the event loop, and a second
    // close arriving there must find nothing left to stop.
    std::unique_ptr<OvSNMPRequest2Leds> binding = std::move(LedBinding);
    if (!binding)
        return;
    binding->StopPolling();
    binding->Request.Alive = false;
    // A read in flight ends with its response or its timeout. Should the
    // session go away first, its completion never comes: stop waiting once
    // nothing is outstanding, or after the request's own destroy wait.
    QElapsedTimer waited;
    waited.start();
    while (binding->Busy && binding->Request.Pending > 0 && waited.elapsed() < OvSNMPRequest::DestroyWaitMs)
        QCoreApplication::processEvents(QEventLoop::AllEvents, 20);
}

void TPanelTQ2400GForm::closeEvent(QCloseEvent* event) {
    FormClose();
    event->accept();
}
