#include <gtest/gtest.h>

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QFrame>
#include <QLabel>
#include <QPointer>
#include <QTest>
#include <QTimer>
#include <QToolButton>

#include <filesystem>
#include <functional>
#include <memory>

#include "ovhextext.h"
#include "ovsnmpledcolormaplist.h"
#include "ovsnmprequest2leds.h"
#include "ovsnmpsession.h"
#include "shape.h"
#include "simswitch.h"
#include "statusbar.h"
#include "statuspanel.h"
#include "tempdir.h"
#include "tpaneltq2400gform.h"

namespace {

constexpr int32_t Black = 0x000000, Orange = 0x4080FF, Green = 0x00FF00, Blue = 0xFF0000, Red = 0x0000FF;

QColor Qt(int32_t colour) {
    return OvSNMPRequest2Leds::ToColour(colour);
}

// LED i of the binding: 0 power, 1 console, 1 + n port n.
const OvSNMPLed& Led(const TPanelTQ2400GForm& form, int i) {
    return *form.LedBinding->Leds.at(static_cast<size_t>(i));
}

QColor Painted(const TPanelTQ2400GForm& form, int i) {
    return Led(form, i).Shape->FillColour();
}

// A 58-byte LED string: power, console, then status and colour per port;
// ports not given are down and dark.
std::string LedString(int power, int console, std::initializer_list<std::array<int, 3>> ports) {
    std::string bytes(58, '\0');
    bytes[0] = static_cast<char>(power);
    bytes[1] = static_cast<char>(console);
    for (int n = 1; n <= 28; ++n)
        bytes[static_cast<size_t>(2 * n + 1)] = 7;
    for (const auto& p : ports) {
        bytes[static_cast<size_t>(2 * p[0])] = static_cast<char>(p[1]);
        bytes[static_cast<size_t>(2 * p[0] + 1)] = static_cast<char>(p[2]);
    }
    return bytes;
}

// Hands the binding a value the way a poll would, without SNMP.
void Show(TPanelTQ2400GForm& form, const std::string& bytes) {
    form.LedBinding->Request.List.Item(0).Value = OvHexText::FromBytes(bytes);
    for (const auto& led : form.LedBinding->Leds)
        form.LedBinding->EvaluateLed(*led);
    form.LedBinding->BlinkTicks = 0;
    form.LedBinding->PaintLeds();
}

// A panel without any SNMP session: layout and LEDs without live data.
class PanelForm : public ::testing::Test {
protected:
    PanelForm() : form_(new TPanelTQ2400GForm) { form_->LedBinding->BlinkTimer.stop(); }
    ~PanelForm() override { delete form_.data(); }
    QPointer<TPanelTQ2400GForm> form_;
};

TEST_F(PanelForm, PictureFillsTheBorderlessClientArea) {
    EXPECT_EQ(form_->size(), QSize(752, 100));
    EXPECT_TRUE(form_->windowFlags() & Qt::FramelessWindowHint);
    EXPECT_EQ(form_->Image1->geometry(), QRect(0, 0, 752, 100));
    ASSERT_FALSE(form_->Image1->pixmap().isNull());
    EXPECT_EQ(form_->Image1->pixmap().size(), QSize(752, 100));
    EXPECT_TRUE(form_->Image1->hasScaledContents());
}

struct ButtonCase {
    int button;
    QRect geometry;
};

TEST_F(PanelForm, PortButtonsSitOnTheirConnectors) {
    const ButtonCase cases[] = {
        {1, {309, 26, 22, 23}},  {2, {309, 53, 22, 24}},  {3, {332, 26, 22, 23}},  {11, {424, 26, 22, 23}},
        {12, {424, 53, 22, 24}}, {13, {462, 26, 22, 23}}, {14, {463, 53, 22, 24}}, {16, {484, 53, 22, 24}},
        {18, {506, 53, 22, 24}}, {23, {577, 26, 22, 23}}, {24, {574, 53, 22, 24}}, {25, {616, 30, 21, 15}},
        {26, {616, 54, 21, 15}}, {27, {648, 27, 23, 23}}, {28, {648, 53, 21, 23}}, {29, {672, 28, 22, 20}},
        {30, {672, 53, 22, 23}}, {31, {715, 30, 21, 15}}, {32, {715, 55, 21, 15}},
    };
    for (const ButtonCase& c : cases) {
        QToolButton* button = form_->SpeedButtons.at(static_cast<size_t>(c.button - 1));
        EXPECT_EQ(button->geometry(), c.geometry) << "button " << c.button;
        EXPECT_EQ(button->objectName(), QString("SpeedButton%1").arg(c.button));
        EXPECT_TRUE(button->isCheckable());
        EXPECT_FALSE(button->icon().isNull()) << "button " << c.button << " has no glyph";
    }
    for (QToolButton* button : form_->SpeedButtons)
        EXPECT_LE(button->iconSize().width(), button->width()) << button->objectName().toStdString();
}

struct PanelCase {
    int port;  // 0 power, -1 console
    int left, top;
};

TEST_F(PanelForm, LedPanelsHoldOneFiveByFiveLedEach) {
    const PanelCase cases[] = {{0, 23, 53},   {-1, 23, 71},  {1, 98, 31},   {2, 97, 48},   {3, 97, 64},
                               {4, 97, 81},   {5, 113, 31},  {8, 113, 81},  {9, 131, 31},  {14, 147, 48},
                               {19, 163, 64}, {24, 179, 81}, {25, 203, 32}, {26, 203, 48}, {27, 203, 64},
                               {28, 203, 82}};
    for (const PanelCase& c : cases) {
        QFrame* panel = c.port == 0    ? form_->PowerLedPanel
                        : c.port == -1 ? form_->ConsoleLedPanel
                                       : form_->PortLedPanels.at(static_cast<size_t>(c.port - 1));
        EXPECT_EQ(panel->geometry(), QRect(c.left, c.top, 7, 7)) << "port " << c.port;
        EXPECT_EQ(panel->frameShape(), QFrame::NoFrame);
        const auto shapes = panel->findChildren<Shape*>();
        ASSERT_EQ(shapes.size(), 1) << "port " << c.port;
        EXPECT_EQ(shapes[0]->geometry(), QRect(1, 1, 5, 5));
        EXPECT_EQ(shapes[0]->ShapeKind(), Shape::Rectangle);
    }
}

TEST_F(PanelForm, LedsReadPowerConsoleThenTwoBytesPerPort) {
    ASSERT_TRUE(form_->LedBinding);
    const OvSNMPRequest2Leds& leds = *form_->LedBinding;
    ASSERT_EQ(leds.Leds.size(), 30u);
    EXPECT_EQ(leds.LedMode, 2);
    EXPECT_EQ(leds.SingleByteLeds, 2);
    EXPECT_EQ(leds.Request.List.Count(), 1);
    EXPECT_EQ(leds.Request.List.ItemType, MVT_SV);
    EXPECT_EQ(leds.Request.List.Instance, "0");
    EXPECT_EQ(leds.Request.List.Name, " Led Status");
    EXPECT_EQ(leds.Request.List.Item(0).Oid, SimSwitch::VendorOid(".11.63.11.2.1.1.5"));
    EXPECT_EQ(leds.Request.List.Item(0).Caption, "swL2DevInfoFrontPanelLedStatus");
    EXPECT_EQ(leds.PollTimer.interval(), 5000);
    for (int i = 0; i < 30; ++i) {
        const OvSNMPLed& led = Led(*form_, i);
        EXPECT_EQ(led.ByteIndex, i < 2 ? i : 2 * (i - 1)) << i;
        const OvSNMPLedColorMapList* expected = i < 2    ? &TPanelTQ2400GForm::PowerConsoleColours()
                                                : i < 26 ? &TPanelTQ2400GForm::CopperPortColours()
                                                         : &TPanelTQ2400GForm::ComboPortColours();
        EXPECT_EQ(led.ColourMap, expected) << i;
        EXPECT_EQ(Painted(*form_, i), QColor(Qt::black));
    }
}

TEST(PanelColourMaps, CodesMapToTheirColours) {
    const OvSNMPLedColorMapList* maps[] = {&TPanelTQ2400GForm::PowerConsoleColours(),
                                           &TPanelTQ2400GForm::CopperPortColours(),
                                           &TPanelTQ2400GForm::ComboPortColours()};
    const int32_t expected[][7] = {
        {Black, Black, Green, Green, Blue, Red, Black},
        {Orange, Orange, Green, Green, Green, Red, Black},
        {Black, Orange, Orange, Green, Green, Red, Black},
    };
    for (int m = 0; m < 3; ++m) {
        EXPECT_EQ(maps[m]->ValueMask, 7);
        EXPECT_EQ(maps[m]->BlinkMask, 0x80);
        EXPECT_EQ(maps[m]->OffColour, Black);
        EXPECT_EQ(maps[m]->NoDataColour, Black);
        for (int code = 0; code < 7; ++code)
            EXPECT_EQ(maps[m]->LookupColour(static_cast<uint8_t>(code)), expected[m][code])
                << "map " << m << " code " << code;
    }
}

struct ValueCase {
    const char* what;
    std::string value;
    int led;
    int32_t colour;
    bool blinking;
};

TEST_F(PanelForm, LedStringsLightTheRightLeds) {
    std::string fifty = LedString(3, 3, {{24, 2, 2}, {25, 2, 3}});
    fifty.resize(50);
    const ValueCase cases[] = {
        {"port 2 blinking green", LedString(0, 0, {{2, 0x82, 2}}), 3, Green, true},
        {"port 2 no data", LedString(0, 0, {{2, 1, 2}}), 3, Black, false},
        {"power blue", LedString(4, 0, {}), 0, Blue, false},
        {"power blinking red", LedString(0x85, 0, {}), 0, Red, true},
        {"console green", LedString(0, 3, {}), 1, Green, false},
        {"port 1 at 10 Mbps", LedString(0, 0, {{1, 2, 0}}), 2, Orange, false},
        {"port 24 error", LedString(0, 0, {{24, 2, 5}}), 25, Red, false},
        {"port 25 from bytes 50 and 51", LedString(0, 0, {{25, 2, 3}}), 26, Green, false},
        {"port 25 code 0 is dark", LedString(0, 0, {{25, 2, 0}}), 26, Black, false},
        {"port 28 from bytes 56 and 57", LedString(0, 0, {{28, 0x82, 1}}), 29, Orange, true},
        {"50 bytes: port 24 still lit", fifty, 25, Green, false},
        {"50 bytes: port 25 dark", fifty, 26, Black, false},
        {"50 bytes: port 28 dark", fifty, 29, Black, false},
    };
    for (const ValueCase& c : cases) {
        form_->LedBinding->ResetLeds();
        Show(*form_, c.value);
        EXPECT_EQ(Led(*form_, c.led).Colour, c.colour) << c.what;
        EXPECT_EQ(Led(*form_, c.led).Blinking, c.blinking) << c.what;
        EXPECT_EQ(Painted(*form_, c.led), Qt(c.colour)) << c.what << ": the first paint lights it";
    }
}

TEST_F(PanelForm, OnlyTheLastChosenPortButtonStaysPressed) {
    form_->show();
    auto click = [](QWidget* w) { QTest::mouseClick(w, Qt::LeftButton, {}, QPoint(5, 5)); };
    auto pressed = [this] {
        std::vector<int> down;
        for (int n = 1; n <= 32; ++n)
            if (form_->SpeedButtons[static_cast<size_t>(n - 1)]->isChecked())
                down.push_back(n);
        return down;
    };
    click(form_->SpeedButtons[6]);
    click(form_->SpeedButtons[7]);
    EXPECT_EQ(pressed(), std::vector<int>{8});
    EXPECT_EQ(form_->PressedButton, form_->SpeedButtons[7]);
    click(form_->SpeedButtons[7]);
    EXPECT_EQ(pressed(), std::vector<int>{8}) << "choosing the pressed port again keeps it pressed";
    click(form_->SpeedButtons[31]);
    EXPECT_EQ(pressed(), std::vector<int>{32});
    click(form_->Image1);
    EXPECT_EQ(pressed(), std::vector<int>{});
    EXPECT_EQ(form_->PressedButton, nullptr);
    click(form_->Image1);
    EXPECT_EQ(pressed(), std::vector<int>{});
}

TEST_F(PanelForm, ClosingStopsTheLedsAndFreesTheWindow) {
    Show(*form_, LedString(3, 3, {{1, 2, 2}}));
    std::vector<QPointer<Shape>> shapes;
    for (const auto& led : form_->LedBinding->Leds)
        shapes.push_back(led->Shape);
    form_->FormClose();
    EXPECT_FALSE(form_->LedBinding);
    for (const auto& shape : shapes)
        EXPECT_EQ(shape->FillColour(), QColor(Qt::black));
    form_->FormClose();  // a second close finds nothing to stop

    form_->show();
    EXPECT_TRUE(form_->close());
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    EXPECT_TRUE(form_.isNull());
}

// The panel against the simulated switch over UDP, with a LED string that
// the test rewrites through the switch's own write path.
class PanelOnSwitch : public ::testing::Test {
protected:
    static constexpr const char* LedSuffix = ".11.63.11.2.1.1.5.0";

    void SetUp() override {
        data_.Write("90-leds.txt", "{vendor}" + std::string(LedSuffix) + " hex rw \"" +
                                       OvHexText::FromBytes(LedString(3, 4, {{1, 2, 2}, {2, 2, 0}, {3, 0, 7},
                                                                             {24, 2, 5}, {25, 2, 3}, {26, 1, 3},
                                                                             {27, 2, 1}, {28, 2, 5}})) +
                                       "\"\n");
        SimSwitch::Options options;
        options.dataPaths = {SIM_DATA_DIR, data_.File("90-leds.txt")};
        switch_ = std::make_unique<SimSwitch>(options);
        previous_ = std::filesystem::current_path();
        std::filesystem::current_path(dir_.Path());
        CreateGlobalSession("");
        DefaultSettings().Device = {"127.0.0.1", static_cast<uint16_t>(switch_->Port())};
        DefaultSettings().Security.Version = 1;
        DefaultSettings().Security.ReadCommunity = SimSwitch::ReadCommunity;
        DefaultSettings().Timeout = 30;
        bar_.AddPanel(400);
        form_ = new TPanelTQ2400GForm(nullptr, &bar_);
        form_->LedBinding->BlinkTimer.stop();
    }
    void TearDown() override {
        delete form_.data();
        OvSNMPSession::DestroyGlobal();
        std::filesystem::current_path(previous_);
    }

    QString Status() const { return bar_.PanelText(0); }

    // Polls come every 5 s; the test lets them come every 100 ms instead
    // and waits for the next status line.
    bool NextPoll() {
        // Exactly one poll: a second one started meanwhile would end later
        // and overwrite what this one showed.
        bar_.SetPanelText(0, "");
        form_->LedBinding->PollTimer.setInterval(100);
        QElapsedTimer clock;
        clock.start();
        while (!form_->LedBinding->Busy && Status().isEmpty() && clock.elapsed() < 10000)
            QCoreApplication::processEvents(QEventLoop::WaitForMoreEvents, 20);
        form_->LedBinding->PollTimer.setInterval(1000000);
        while ((Status().isEmpty() || form_->LedBinding->Busy) && clock.elapsed() < 10000)
            QCoreApplication::processEvents(QEventLoop::WaitForMoreEvents, 20);
        return !Status().isEmpty();
    }

    void SetLeds(const std::string& bytes) {
        const std::string out =
            switch_->Tool("snmpset", "-v2c -c private", SimSwitch::VendorOid(LedSuffix) + " x " +
                                                            OvHexText::FromBytes(bytes).c_str());
        ASSERT_NE(out.find("Hex-STRING"), std::string::npos) << out;
    }

    void ExpectPainted(std::initializer_list<std::pair<int, int32_t>> leds) {
        for (const auto& [led, colour] : leds)
            EXPECT_EQ(Painted(*form_, led), Qt(colour)) << "LED " << led;
    }

    TempDir data_;
    std::unique_ptr<SimSwitch> switch_;
    TempDir dir_;
    std::filesystem::path previous_;
    StatusBar bar_;
    QPointer<TPanelTQ2400GForm> form_;
};

TEST_F(PanelOnSwitch, LedsFollowTheSwitchsChangingLedString) {
    ASSERT_TRUE(NextPoll());
    EXPECT_TRUE(Status().startsWith("Get: Ok Request: Led Status. Receive at ")) << Status().toStdString();
    ExpectPainted({{0, Green}, {1, Blue}, {2, Green}, {3, Orange}, {4, Black}, {25, Red}, {26, Green},
                   {27, Black}, {28, Orange}, {29, Red}, {10, Black}});

    SetLeds(LedString(5, 0, {{1, 2, 5}, {3, 2, 2}, {25, 2, 0}, {26, 2, 2}}));
    ASSERT_TRUE(NextPoll());
    ExpectPainted({{0, Red}, {1, Black}, {2, Red}, {3, Black}, {4, Green}, {25, Black}, {26, Black},
                   {27, Orange}, {28, Black}, {29, Black}});

    const auto journal = switch_->Journal();
    ASSERT_FALSE(journal.empty());
    EXPECT_EQ(journal.back().operation, "GET");
    ASSERT_EQ(journal.back().varbinds.size(), 1u);
    EXPECT_EQ(journal.back().varbinds[0].oid, SimSwitch::VendorOid(LedSuffix));
}

TEST_F(PanelOnSwitch, SilentSwitchDarkensAllLedsUntilItAnswersAgain) {
    ASSERT_TRUE(NextPoll());
    ExpectPainted({{0, Green}, {2, Green}});
    switch_->SetSilent(true);
    ASSERT_TRUE(NextPoll());
    EXPECT_TRUE(Status().startsWith("Get: (SNMPClass) SNMP request timed out! Request: Led Status. Receive at "))
        << Status().toStdString();
    for (int i = 0; i < 30; ++i) {
        EXPECT_EQ(Painted(*form_, i), QColor(Qt::black)) << "LED " << i;
        EXPECT_FALSE(Led(*form_, i).Blinking);
    }
    switch_->SetSilent(false);
    ASSERT_TRUE(NextPoll());
    EXPECT_TRUE(Status().startsWith("Get: Ok")) << Status().toStdString();
    ExpectPainted({{0, Green}, {1, Blue}, {2, Green}, {29, Red}});
}

TEST_F(PanelOnSwitch, ClosingWaitsForTheReadInFlight) {
    switch_->SetDelay(150);
    form_->LedBinding->PollTimer.setInterval(1000000);
    bar_.SetPanelText(0, "");
    form_->LedBinding->Get();
    ASSERT_TRUE(form_->LedBinding->Busy);
    // A second close arrives while the first one waits.
    QTimer::singleShot(0, form_, [this] { form_->FormClose(); });
    form_->FormClose();
    EXPECT_FALSE(form_->LedBinding);
    EXPECT_TRUE(Status().startsWith("Get: Ok")) << "the read in flight ended before the binding went: "
                                                 << Status().toStdString();
}

// Should the session end while a read is in flight, its completion never
// comes; closing must not wait for it for ever.
TEST_F(PanelOnSwitch, ClosingDoesNotHangWhenTheSessionEndedFirst) {
    switch_->SetDelay(300);
    form_->LedBinding->PollTimer.setInterval(1000000);
    form_->LedBinding->Get();
    ASSERT_TRUE(form_->LedBinding->Busy);
    OvSNMPSession::DestroyGlobal();
    form_->FormClose();
    EXPECT_FALSE(form_->LedBinding);
}

}  // namespace
