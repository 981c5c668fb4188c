#include <gtest/gtest.h>

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QFrame>
#include <QRegularExpression>

#include <filesystem>

#include "ovexception.h"
#include "ovhextext.h"
#include "ovoptionlist.h"
#include "ovsnmpledcolormaplist.h"
#include "ovsnmprequest2leds.h"
#include "ovsnmpsession.h"
#include "shape.h"
#include "simswitch.h"
#include "statuspanel.h"
#include "tempdir.h"

namespace {

const OvSNMPLedColour kPortColours[] = {
    {0, 0x4080FF}, {1, 0x4080FF}, {2, 0x00FF00}, {3, 0x00FF00}, {4, 0x00FF00}, {5, 0x0000FF}, {0, -1},
};

// Codes above a byte match by their low byte; the first match wins.
const OvSNMPLedColour kOverlapping[] = {
    {0x102, 0x111111}, {2, 0x222222}, {7, 0x000000}, {9, -1},
};

const OvSNMPLedColour kExtra[] = {{6, 0xABCDEF}, {2, 0x333333}, {0, -1}};

TEST(LedColorMapList, BuildingCopiesTheTableWithoutItsEndingRow) {
    const OvSNMPLedColorMapList map(kPortColours, 7, 0x80, 0, 0x123456);
    EXPECT_EQ(map.ValueMask, 7);
    EXPECT_EQ(map.BlinkMask, 0x80);
    EXPECT_EQ(map.OffColour, 0);
    EXPECT_EQ(map.NoDataColour, 0x123456);
    ASSERT_EQ(map.Count(), 6);
    EXPECT_EQ(map.Entry(5).StatusCode, 5);
    EXPECT_EQ(map.Entry(5).Colour, 0x0000FF);
    EXPECT_THROW(map.Entry(6), std::out_of_range);
}

TEST(LedColorMapList, LookupTakesTheFirstRowOfTheStatusAndBlackOtherwise) {
    OvSNMPLedColorMapList map(kOverlapping, 7, 0x80, 0, -1);
    struct Case {
        uint8_t status;
        int32_t colour;
    } const cases[] = {{2, 0x111111}, {7, 0x000000}, {0, 0}, {9, 0}, {0x82, 0}, {6, 0}};
    for (const Case& c : cases)
        EXPECT_EQ(map.LookupColour(c.status), c.colour) << int(c.status);

    map.Append(kExtra);
    EXPECT_EQ(map.Count(), 5);
    EXPECT_EQ(map.LookupColour(6), 0xABCDEF);
    EXPECT_EQ(map.LookupColour(2), 0x111111) << "an appended row never shadows an earlier one";
}

TEST(LedColorMapList, EmptyOrMissingTablesGiveNoRows) {
    const OvSNMPLedColour empty[] = {{5, -1}};
    OvSNMPLedColorMapList map(empty, 7, 0x80, 0x010101, 0);
    map.Append(nullptr);
    EXPECT_EQ(map.Count(), 0);
    EXPECT_EQ(map.LookupColour(5), 0);
    EXPECT_EQ(OvSNMPLedColorMapList(nullptr, 0, 0, 0, 0).Count(), 0);
}

}  // namespace

namespace {

constexpr int32_t Green = 0x00FF00;
constexpr int32_t Orange = 0x4080FF;
constexpr int32_t Blue = 0xFF0000;
constexpr int32_t Red = 0x0000FF;
constexpr int32_t Grey = 0x808080;

const OvSNMPLedColour kPowerColours[] = {{0, 0}, {1, 0}, {2, Green}, {3, Green}, {4, Blue}, {5, Red}, {0, -1}};

const OvSNMPVarDef kLedSource[] = {
    {"1.3.6.1.4.1.32473.11.63.11.2.1.1.5", "swL2DevInfoFrontPanelLedStatus", SYN_OCTETSTR, ACC_READONLY},
    {},
};

// The binding with its value-set hook and failure report in reach, so that
// tests can hand it a value and drive its paints without any timer.
class TestLeds : public OvSNMPRequest2Leds {
public:
    using OvSNMPRequest2Leds::GetFailed;
    using OvSNMPRequest2Leds::OvSNMPRequest2Leds;
    using OvSNMPRequest2Leds::ShowValues;
};

class LedBinding : public ::testing::Test {
protected:
    LedBinding() : leds_(&form_) {
        leds_.BlinkTimer.stop();
        leds_.Request.List.Assign(OvSNMPVarList(kLedSource, MVT_SV, 0));
        leds_.Request.List.Instance = "0";
        panel_ = new QFrame(&form_);
        panel_->setFrameShape(QFrame::Panel);
        panel_->setGeometry(0, 0, 200, 7);
    }
    // Adds one LED per byte index on the test panel.
    void Add(const std::string& indexes, const OvSNMPLedColorMapList& map) {
        leds_.AddLeds(0, indexes, &map, panel_, 1, 2, Shape::Rectangle, 5, 5);
    }
    void ShowBytes(const std::string& bytes) {
        leds_.Request.List.Item(0).Value = OvHexText::FromBytes(bytes);
        leds_.ShowValues();
    }
    Shape* ShapeOf(size_t led) const { return leds_.Leds.at(led)->Shape; }
    QColor Painted(size_t led) const { return ShapeOf(led)->FillColour(); }

    QWidget form_;
    TestLeds leds_;
    QFrame* panel_;
    const OvSNMPLedColorMapList power_{kPowerColours, 7, 0x80, 0, Grey};
};

std::string Bytes(std::initializer_list<int> values) {
    std::string bytes;
    for (int v : values)
        bytes.push_back(static_cast<char>(v));
    return bytes;
}

TEST_F(LedBinding, AddLedsPlacesOneOffShapePerByteIndexOnThePanel) {
    const OvSNMPLedColorMapList lit(kPowerColours, 7, 0x80, Blue, Grey);
    leds_.AddLeds(0, "0,1,5", &lit, panel_, 3, 10, Shape::Circle, 6, 4);
    ASSERT_EQ(leds_.Leds.size(), 3u);
    const int lefts[] = {3, 19, 35};
    const int bytes[] = {0, 1, 5};
    for (size_t i = 0; i < 3; ++i) {
        const OvSNMPLed& led = *leds_.Leds[i];
        EXPECT_EQ(led.Shape->geometry(), QRect(lefts[i], 1, 6, 4)) << i;
        EXPECT_EQ(led.Shape->parentWidget(), panel_);
        EXPECT_EQ(led.Shape->ShapeKind(), Shape::Circle);
        EXPECT_FALSE(led.Shape->isHidden());
        EXPECT_EQ(led.ByteIndex, bytes[i]);
        EXPECT_EQ(led.Colour, Blue);
        EXPECT_FALSE(led.Blinking);
        EXPECT_EQ(led.Shape->FillColour(), OvSNMPRequest2Leds::ToColour(Blue));
        EXPECT_EQ(led.Shape->OutlineColour(), OvSNMPRequest2Leds::ToColour(Blue));
    }
    EXPECT_EQ(panel_->frameShape(), QFrame::NoFrame);
}

TEST_F(LedBinding, ByteListsThatAreNoNumbersAreRefused) {
    for (const char* list : {"a", "1,,2", "1;2", "-1", "2x"}) {
        try {
            Add(list, power_);
            ADD_FAILURE() << list;
        } catch (const OvException& e) {
            EXPECT_EQ(e.Code(), OvException::ConversionError) << list;
        }
    }
    EXPECT_EQ(leds_.Leds.size(), 0u);
}

TEST(LedColour, ColoursAreBlueGreenRedFromTheHighByteDown) {
    EXPECT_EQ(OvSNMPRequest2Leds::ToColour(0x4080FF), QColor(0xFF, 0x80, 0x40));
    EXPECT_EQ(OvSNMPRequest2Leds::ToColour(0xFF0000), QColor(0, 0, 0xFF));
    EXPECT_EQ(OvSNMPRequest2Leds::ToColour(0), QColor(0, 0, 0));
}

TEST_F(LedBinding, SetLedModeKeepsOnlyPositiveSettings) {
    struct Case {
        int mode, single, expectedMode, expectedSingle;
    } const cases[] = {{2, 2, 2, 2}, {0, 0, 1, 4}, {-1, -5, 1, 4}, {3, 7, 3, 7}, {2, 0, 2, 4}};
    for (const Case& c : cases) {
        leds_.SetLedMode(c.mode, c.single);
        EXPECT_EQ(leds_.LedMode, c.expectedMode);
        EXPECT_EQ(leds_.SingleByteLeds, c.expectedSingle);
    }
}

struct EvaluationCase {
    const char* what;
    int mode;
    int byteIndex;
    std::string value;
    int32_t colour;
    bool blinking;
};

void PrintTo(const EvaluationCase& c, std::ostream* os) {
    *os << c.what;
}

class LedEvaluation : public LedBinding, public ::testing::WithParamInterface<EvaluationCase> {};

TEST_P(LedEvaluation, StatusBytesGiveColourAndBlinking) {
    const EvaluationCase& c = GetParam();
    leds_.SetLedMode(c.mode, 2);
    Add(std::to_string(c.byteIndex), power_);
    ShowBytes(c.value);
    EXPECT_EQ(leds_.Leds[0]->Colour, c.colour);
    EXPECT_EQ(leds_.Leds[0]->Blinking, c.blinking);
    if (!c.blinking) {
        EXPECT_EQ(Painted(0), OvSNMPRequest2Leds::ToColour(c.colour));
    }
}

INSTANTIATE_TEST_SUITE_P(
    Readings, LedEvaluation,
    ::testing::Values(EvaluationCase{"code 2 blinking", 1, 0, Bytes({0x82}), Green, true},
                      EvaluationCase{"code 2 steady", 1, 0, Bytes({0x02}), Green, false},
                      EvaluationCase{"blue", 1, 0, Bytes({0x04}), Blue, false},
                      EvaluationCase{"blinking red", 1, 0, Bytes({0x85}), Red, true},
                      EvaluationCase{"value mask drops high bits", 1, 1, Bytes({0, 0x7C}), Blue, false},
                      EvaluationCase{"code not in map", 1, 0, Bytes({0x06}), 0, false},
                      EvaluationCase{"short value", 1, 3, Bytes({2, 2, 2}), Grey, false},
                      EvaluationCase{"empty value", 1, 0, "", Grey, false},
                      EvaluationCase{"mode 1 reads beyond single bytes", 1, 2, Bytes({0, 0, 0x81, 5}), 0, true},
                      EvaluationCase{"single byte in mode 2", 2, 1, Bytes({0, 0x85, 3, 3}), Red, true},
                      EvaluationCase{"status and colour", 2, 2, Bytes({0, 0, 0x82, 4}), Blue, true},
                      EvaluationCase{"steady status and colour", 2, 2, Bytes({0, 0, 0x02, 5}), Red, false},
                      EvaluationCase{"status 1 is no data", 2, 2, Bytes({0, 0, 1, 4}), Grey, false},
                      EvaluationCase{"status 0x81 is data", 2, 2, Bytes({0, 0, 0x81, 2}), Green, true},
                      EvaluationCase{"colour byte missing", 2, 2, Bytes({0, 0, 0x82}), Grey, false},
                      EvaluationCase{"colour masked", 2, 2, Bytes({0, 0, 0, 0xFA}), Green, false}),
    [](const ::testing::TestParamInfo<EvaluationCase>& info) {
        std::string name = info.param.what;
        std::replace_if(name.begin(), name.end(), [](char ch) { return !std::isalnum(static_cast<unsigned char>(ch)); }, '_');
        return name;
    });

TEST_F(LedBinding, MissingByteWithoutNoDataColourFailsWithOutOfRange) {
    const OvSNMPLedColorMapList strict(kPowerColours, 7, 0x80, 0, OvSNMPLedColorMapList::NoColour);
    leds_.SetLedMode(2, 2);
    Add("0,2", strict);
    for (const std::string& value : {Bytes({3}), Bytes({3, 0, 0x82})}) {
        leds_.Request.List.Item(0).Value = OvHexText::FromBytes(value);
        try {
            leds_.EvaluateLed(*leds_.Leds[1]);
            ADD_FAILURE() << value.size();
        } catch (const OvException& e) {
            EXPECT_EQ(e.Code(), -519);
            EXPECT_EQ(e.Text(), "(VoZIZO++) Out of range for the bit(byte) index of the associated SNMP variable's "
                                "(partial) data!");
        }
    }
    // A status of 1 is data that says "none", not a missing byte.
    ShowBytes(Bytes({3, 0, 1, 5}));
    EXPECT_EQ(leds_.Leds[1]->Colour, strict.OffColour);
    EXPECT_EQ(leds_.Leds[0]->Colour, Green);
}

// After an evaluation a blinking LED toggles on the first seven paints
// (the evaluation's own and six more) and then stays lit.
TEST_F(LedBinding, BlinkingLedTogglesSevenPaintsThenStaysLit) {
    Add("0,1", power_);
    const QColor green = OvSNMPRequest2Leds::ToColour(Green);
    const QColor off = OvSNMPRequest2Leds::ToColour(0);
    const QColor blue = OvSNMPRequest2Leds::ToColour(Blue);
    for (int poll = 0; poll < 2; ++poll) {
        ShowBytes(Bytes({0x82, 0x04}));
        std::vector<QColor> blinking{Painted(0)};
        std::vector<QColor> steady{Painted(1)};
        for (int tick = 0; tick < 9; ++tick) {
            leds_.PaintLeds();
            blinking.push_back(Painted(0));
            steady.push_back(Painted(1));
        }
        // The second poll starts from a lit LED, so it goes dark first.
        const std::vector<QColor> expected =
            poll == 0 ? std::vector<QColor>{green, off, green, off, green, off, green, green, green, green}
                      : std::vector<QColor>{off, green, off, green, off, green, off, green, green, green};
        EXPECT_EQ(blinking, expected) << "poll " << poll;
        EXPECT_EQ(steady, std::vector<QColor>(10, blue));
        EXPECT_EQ(leds_.BlinkTicks, 10);
    }
    ShowBytes(Bytes({0x02, 0x04}));
    leds_.PaintLeds();
    EXPECT_EQ(leds_.BlinkTicks, 0) << "no LED blinks, nothing is counted";
    EXPECT_EQ(Painted(0), green);
}

TEST_F(LedBinding, FailedGetResetsEveryLedAndReportsInTheStatusTarget) {
    StatusPanel status(300, &form_);
    leds_.SetStatusTarget(&status);
    leds_.Request.List.Name = " Led Status";
    Add("0,1", power_);
    ShowBytes(Bytes({0x83, 0x05}));
    OvSNMPError record;
    record.Code = -5;
    record.Text = "SNMP request timed out";
    leds_.GetFailed(record);
    for (size_t i = 0; i < 2; ++i) {
        EXPECT_EQ(Painted(i), QColor(Qt::black)) << i;
        EXPECT_FALSE(leds_.Leds[i]->Blinking);
        EXPECT_EQ(leds_.Leds[i]->Colour, 0);
    }
    EXPECT_TRUE(QRegularExpression(
                    "^Get: SNMP request timed out Request: Led Status\\. Receive at \\d\\d:\\d\\d:\\d\\d \\S+\\.$")
                    .match(status.text())
                    .hasMatch())
        << status.text().toStdString();
}

TEST_F(LedBinding, StopPollingLeavesLedsOffAndTimersStopped) {
    Add("0", power_);
    leds_.BlinkTimer.start(OvSNMPRequest2Leds::BlinkIntervalMs);
    leds_.PollTimer.start(100000);
    ShowBytes(Bytes({0x85}));
    leds_.StopPolling();
    EXPECT_FALSE(leds_.PollTimer.isActive());
    EXPECT_FALSE(leds_.BlinkTimer.isActive());
    EXPECT_EQ(Painted(0), QColor(Qt::black));
    EXPECT_FALSE(leds_.Leds[0]->Blinking);
}

// Without a session every read fails as it starts: Refresh raises it, the
// poll timer shows it; both leave the LEDs off.
TEST_F(LedBinding, PollsThatCannotStartResetTheLedsAndShowWhy) {
    StatusPanel status(400, &form_);
    leds_.SetStatusTarget(&status);
    Add("0", power_);
    ShowBytes(Bytes({0x03}));
    leds_.StopPolling();
    ShowBytes(Bytes({0x03}));
    try {
        leds_.StartPolling(1);
        ADD_FAILURE() << "no exception";
    } catch (const OvException& e) {
        EXPECT_EQ(e.Code(), -506);
    }
    EXPECT_EQ(Painted(0), QColor(Qt::black));
    EXPECT_TRUE(leds_.PollTimer.isActive());
    EXPECT_EQ(leds_.PollTimer.interval(), 10);
    EXPECT_FALSE(leds_.BlinkTimer.isActive()) << "polling again does not restart the blinking";

    ShowBytes(Bytes({0x03}));
    QElapsedTimer clock;
    clock.start();
    while (status.text().isEmpty() && clock.elapsed() < 5000)
        QCoreApplication::processEvents(QEventLoop::WaitForMoreEvents, 20);
    EXPECT_TRUE(status.text().startsWith("Get: ")) << status.text().toStdString();
    EXPECT_TRUE(status.text().contains(QString::fromStdString(OvException::Own(-506).Text())));
    EXPECT_EQ(Painted(0), QColor(Qt::black));
    EXPECT_FALSE(leds_.Busy);
}

TEST_F(LedBinding, ShapesFreedByTheirFormAreSkipped) {
    Add("0,1", power_);
    delete ShapeOf(0);
    ShowBytes(Bytes({0x02, 0x85}));
    leds_.PaintLeds();
    leds_.ResetLeds();
    EXPECT_EQ(Painted(1), QColor(Qt::black));
}

// A variable with an option list shows option texts; the LED reads the
// value behind the text, here a 32-bit integer, least significant byte first.
TEST_F(LedBinding, OptionTextsAreTurnedBackIntoTheirValuesFirst) {
    const OvOptionDef states[] = {{3, "on"}, {0x0504, "fault"}, {}};
    const OvOptionList options(states, OvOptionList::IntegerValues);
    const OvSNMPVarDef source[] = {{"1.3.6.1.4.1.32473.1.1", "State", SYN_INTEGER, ACC_READONLY, &options}, {}};
    leds_.Request.List.Assign(OvSNMPVarList(source, MVT_SV, 0));
    Add("0,1", power_);
    struct Case {
        const char* text;
        int32_t first, second;
    } const cases[] = {{"on", Green, 0}, {"fault", Blue, Red}, {"2", Green, 0}};
    for (const Case& c : cases) {
        leds_.Request.List.Item(0).Value = c.text;
        leds_.ShowValues();
        EXPECT_EQ(leds_.Leds[0]->Colour, c.first) << c.text;
        EXPECT_EQ(leds_.Leds[1]->Colour, c.second) << c.text;
    }
}

// Synchronous reads over UDP from the simulated switch.
class LedBindingOnSwitch : public ::testing::Test {
protected:
    void SetUp() override {
        previous_ = std::filesystem::current_path();
        std::filesystem::current_path(dir_.Path());
        CreateGlobalSession("");
        DefaultSettings().Device = {"127.0.0.1", static_cast<uint16_t>(switch_.Port())};
        DefaultSettings().Security.Version = 1;
        DefaultSettings().Security.ReadCommunity = SimSwitch::ReadCommunity;
        DefaultSettings().Timeout = 30;
        leds_ = std::make_unique<TestLeds>(&form_);
        leds_->BlinkTimer.stop();
        leds_->Mode = OvSNMPRequest2Controls::Synchronous;
        leds_->Request.List.Assign(OvSNMPVarList(kLedSource, MVT_SV, 0));
        leds_->Request.List.Instance = "0";
        leds_->SetLedMode(2, 2);
        leds_->AddLeds(0, "0,1,2,4", &power_, &form_, 0, 2, Shape::Rectangle, 5, 5);
    }
    void TearDown() override {
        leds_.reset();
        OvSNMPSession::DestroyGlobal();
        std::filesystem::current_path(previous_);
    }
    QColor Painted(size_t led) const { return leds_->Leds.at(led)->Shape->FillColour(); }

    SimSwitch switch_;
    TempDir dir_;
    std::filesystem::path previous_;
    QWidget form_;
    const OvSNMPLedColorMapList power_{kPowerColours, 7, 0x80, 0, Grey};
    std::unique_ptr<TestLeds> leds_;
};

// The switch's own data: power 03, console 00, port 1 0x82/02, port 2 02/02.
TEST_F(LedBindingOnSwitch, RefreshPaintsTheSwitchsLedString) {
    leds_->Refresh();
    EXPECT_EQ(Painted(0), OvSNMPRequest2Leds::ToColour(Green));
    EXPECT_EQ(Painted(1), QColor(Qt::black));
    EXPECT_TRUE(leds_->Leds[2]->Blinking);
    EXPECT_EQ(leds_->Leds[2]->Colour, Green);
    EXPECT_FALSE(leds_->Leds[3]->Blinking);
    EXPECT_EQ(Painted(3), OvSNMPRequest2Leds::ToColour(Green));
}

TEST_F(LedBindingOnSwitch, RefreshOfASilentSwitchResetsTheLedsAndRaises) {
    leds_->Refresh();
    switch_.SetSilent(true);
    try {
        leds_->Refresh();
        ADD_FAILURE() << "no exception";
    } catch (const OvException& e) {
        EXPECT_EQ(e.Code(), -405);
        EXPECT_EQ(e.Text(), "(SNMPClass) SNMP request timed out!");
    }
    EXPECT_FALSE(leds_->Busy);
    for (size_t i = 0; i < 4; ++i)
        EXPECT_EQ(Painted(i), QColor(Qt::black)) << i;
}

TEST(LedBindingLifetime, BlinkTimerRunsFromConstruction) {
    QWidget form;
    OvSNMPRequest2Leds leds(&form);
    EXPECT_TRUE(leds.BlinkTimer.isActive());
    EXPECT_EQ(leds.BlinkTimer.interval(), 60);
    EXPECT_FALSE(leds.PollTimer.isActive());
    EXPECT_EQ(leds.BlinkLimit, 6);
    EXPECT_EQ(leds.LedMode, 1);
    EXPECT_EQ(leds.SingleByteLeds, 4);
}

}  // namespace
