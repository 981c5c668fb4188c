#include <gtest/gtest.h>

#include <cmath>

#include "ovbinarystring.h"
#include "ovcalendar.h"
#include "ovdatetime.h"
#include "ovhextext.h"
#include "ovnumbertext.h"
#include "ovnumlist.h"
#include "ovtimeticks.h"

namespace {

using namespace std::string_literals;

struct HexCase {
    const char* Text;
    std::string Bytes;
};

TEST(OvHexText, InputRules) {
    const HexCase cases[] = {
        {"00A1FF", "\x00\xA1\xFF"s},
        {"00a1ff", "\x00\xA1\xFF"s},
        {"A1B", "\x0A\x1B"s},
        {"00 A1 FF", "\x00\xA1\xFF"s},
        {"G1", "\x01"s},
        {"zz", "\x00"s},
        {"", ""},
        {"   ", ""},
        {"F", "\x0F"s},
    };
    for (const HexCase& c : cases)
        EXPECT_EQ(OvHexText::ToBytes(c.Text), c.Bytes) << c.Text;
}

TEST(OvHexText, TwoUpperCaseDigitsPerByte) {
    EXPECT_EQ(OvHexText::FromBytes("\x00\xA1\xFF"s), "00A1FF");
    EXPECT_EQ(OvHexText::FromBytes(""), "");
}

struct TicksCase {
    const char* Text;
    uint32_t Hundredths;
};

TEST(OvTimeTicks, InputRules) {
    const TicksCase cases[] = {
        {"3 days, 4:05:06.07", 27390607},
        {"1 day 0:00:00.00", 8640000},
        {"12345", 0},
        {"", 0},
        {"0:02:03.45", 12345},
        {"4:05:06", 360000 * 4 + 6000 * 5},  // seconds count only before a "."
        {"4:", 360000 * 4},
        {"2 days", 2 * 8640000},
        {"1:2:3.4", 360000 + 12000 + 304},
        {"x:y:z.w", 0},
        {"99999 days, 0:00:00.00", UINT32_MAX},
        {"-1:00:00.00", 0},
    };
    for (const TicksCase& c : cases)
        EXPECT_EQ(OvTimeTicks::FromText(c.Text), c.Hundredths) << c.Text;
}

TEST(OvTimeTicks, TextFormsByDayCount) {
    EXPECT_EQ(OvTimeTicks::ToText(27390607), "3 days, 4:05:06.07");
    EXPECT_EQ(OvTimeTicks::ToText(8640000), "1 day 0:00:00.00");
    EXPECT_EQ(OvTimeTicks::ToText(12345), "0:02:03.45");
    EXPECT_EQ(OvTimeTicks::ToText(0), "0:00:00.00");
    EXPECT_EQ(OvTimeTicks::ToText(UINT32_MAX), "497 days, 2:27:52.95");
    for (uint32_t ticks : {0u, 99u, 8639999u, 8640000u, 17280001u, UINT32_MAX})
        EXPECT_EQ(OvTimeTicks::FromText(OvTimeTicks::ToText(ticks)), ticks);
}

TEST(OvNumberText, LeadingNumbers) {
    EXPECT_EQ(OvNumberText::LeadingInt32(" -42abc"), -42);
    EXPECT_EQ(OvNumberText::LeadingInt32("abc"), 0);
    EXPECT_EQ(OvNumberText::LeadingInt32("99999999999"), INT32_MAX);
    EXPECT_EQ(OvNumberText::LeadingInt32("-99999999999"), INT32_MIN);
    EXPECT_EQ(OvNumberText::LeadingUInt32("4294967295"), UINT32_MAX);
    EXPECT_EQ(OvNumberText::LeadingUInt32("4294967296"), UINT32_MAX);
    EXPECT_EQ(OvNumberText::LeadingUInt32("-1"), 0u);
    EXPECT_EQ(OvNumberText::LeadingUInt64("18446744073709551615"), UINT64_MAX);
    EXPECT_EQ(OvNumberText::LeadingUInt64("99999999999999999999999"), UINT64_MAX);
    EXPECT_DOUBLE_EQ(OvNumberText::LeadingDouble("2.5e2x"), 250.0);
    EXPECT_DOUBLE_EQ(OvNumberText::LeadingDouble("-.5"), -0.5);
    EXPECT_DOUBLE_EQ(OvNumberText::LeadingDouble("x1"), 0.0);
    EXPECT_DOUBLE_EQ(OvNumberText::LeadingDouble(""), 0.0);
    EXPECT_EQ(OvNumberText::LeadingDouble("1e999"), HUGE_VAL);
    EXPECT_EQ(OvNumberText::LeadingDouble("-1e999"), -HUGE_VAL);
    EXPECT_EQ(OvNumberText::LeadingDouble("1e-999"), 0.0);
    EXPECT_EQ(OvNumberText::LeadingDouble("0.0000e-400x"), 0.0);
    EXPECT_EQ(OvNumberText::LeadingDouble("12345e-330"), 0.0);
    EXPECT_EQ(OvNumberText::LeadingDouble("0.01e311"), HUGE_VAL);
    EXPECT_EQ(OvNumberText::LeadingDouble("1e99999999999999999999"), HUGE_VAL);
    EXPECT_EQ(OvNumberText::LeadingDouble("1e-99999999999999999999"), 0.0);
}

struct DoubleTextCase {
    double Value;
    const char* Text;
};

TEST(OvNumberText, DoubleTextIsShortestWithFifteenDigits) {
    const DoubleTextCase cases[] = {
        {0.0, "0"},          {1.5, "1.5"},     {-2.0, "-2"},
        {0.1, "0.1"},        {1.0 / 3, "0.333333333333333"},
        {1e20, "1E20"},      {1e-5, "1E-5"},   {123456789012345.0, "123456789012345"},
        {39585.5625, "39585.5625"},
    };
    for (const DoubleTextCase& c : cases)
        EXPECT_EQ(OvNumberText::DoubleText(c.Value), c.Text);
    EXPECT_DOUBLE_EQ(OvNumberText::LeadingDouble("1E-5"), 1e-5);
}

TEST(OvNumberText, TruncationNeverLeavesTheRange) {
    EXPECT_EQ(OvNumberText::TruncateToRange(-2.9, INT32_MIN, INT32_MAX), -2);
    EXPECT_EQ(OvNumberText::TruncateToRange(1e30, INT32_MIN, INT32_MAX), INT32_MAX);
    EXPECT_EQ(OvNumberText::TruncateToRange(-1.0, 0, UINT32_MAX), 0);
    EXPECT_EQ(OvNumberText::TruncateToRange(NAN, 0, 10), 0);
    EXPECT_EQ(OvNumberText::TruncateToUInt64(1e30), UINT64_MAX);
    EXPECT_EQ(OvNumberText::TruncateToUInt64(-INFINITY), 0u);
}

TEST(OvCalendar, DateTimeNumbers) {
    EXPECT_DOUBLE_EQ(OvCalendar::FromCivil({1899, 12, 30, 0, 0, 0, 0}), 0.0);
    EXPECT_DOUBLE_EQ(OvCalendar::FromCivil({2008, 5, 17, 13, 30, 0, 0}), 39585.5625);
    EXPECT_DOUBLE_EQ(OvCalendar::FromCivil({1899, 12, 29, 6, 0, 0, 0}), -1.25);
    const OvCivilTime back = OvCalendar::ToCivil(-1.25);
    EXPECT_EQ(back.Day, 29);
    EXPECT_EQ(back.Hour, 6);
}

struct BcCase {
    double Number;
    const char* Text;
};

TEST(OvCalendar, TwelveHourTextBothWays) {
    const BcCase cases[] = {
        {39585.5625, "2008/05/17 01:30:00 pm"},
        {39585.0, "2008/05/17 12:00:00 am"},
        {39585.5, "2008/05/17 12:00:00 pm"},
        {0.0, "1899/12/30 12:00:00 am"},
        {2958465.0 + 86399.0 / 86400, "9999/12/31 11:59:59 pm"},
        {36586.0 + (23 * 3600 + 59 * 60 + 58) / 86400.0, "2000/03/01 11:59:58 pm"},
    };
    for (const BcCase& c : cases) {
        EXPECT_EQ(OvCalendar::ToText(c.Number), c.Text);
        double parsed = -1;
        ASSERT_TRUE(OvCalendar::FromText(c.Text, parsed)) << c.Text;
        EXPECT_NEAR(parsed, c.Number, 1e-9) << c.Text;
    }
}

TEST(OvCalendar, ParsingRefusesWhatIsNoDate) {
    double number = 0;
    for (const char* text : {"", "2008/13/01", "2008/02/30 01:00:00 pm", "2008/05/17 13:00:00 pm",
                             "2008/05/17 01:00:00 xm", "2008-05-17", "2008/05/17 1:60:00", "abc"})
        EXPECT_FALSE(OvCalendar::FromText(text, number)) << text;
    ASSERT_TRUE(OvCalendar::FromText("2008/5/17", number));
    EXPECT_DOUBLE_EQ(number, 39585.0);
    ASSERT_TRUE(OvCalendar::FromText("2008/05/17 13:30", number));
    EXPECT_DOUBLE_EQ(number, 39585.5625);
    ASSERT_TRUE(OvCalendar::FromText("2008/05/17 01:30:00 PM", number));
    EXPECT_DOUBLE_EQ(number, 39585.5625);
}

TEST(OvCalendar, OutOfRangeNumbersAreClampedNotUndefined) {
    EXPECT_FALSE(OvCalendar::IsInRange(NAN));
    EXPECT_FALSE(OvCalendar::IsInRange(1e300));
    EXPECT_EQ(OvCalendar::ToText(1e300), "9999/12/31 11:59:59 pm");
    EXPECT_EQ(OvCalendar::ToText(-1e300), "0001/01/01 12:00:00 am");
}

class FixedClock : public testing::Test {
protected:
    void SetUp() override {
        OvCalendar::SetClock([] { return 39585.5625 + 15.0 / 86400; });
    }
    void TearDown() override { OvCalendar::SetClock({}); }
};

using OvDateTimeTest = FixedClock;

TEST_F(OvDateTimeTest, DefaultIsNowWithZeroOffset) {
    const OvDateTime now;
    EXPECT_EQ(now.ToText(), "2008-5-17,13:30:15.0");
    EXPECT_EQ(now.Direction, '+');
}

TEST_F(OvDateTimeTest, TextWithOffsetEncodesToElevenBytes) {
    OvDateTime time;
    ASSERT_TRUE(time.Parse("2008-5-17,13:30:15.0,+8:0"));
    EXPECT_EQ(time.ToBytes(), "\x07\xD8\x05\x11\x0D\x1E\x0F\x00\x2B\x08\x00"s);
    EXPECT_EQ(time.ToText(), "2008-5-17,13:30:15.0,+8:0");
    OvDateTime back;
    back.FromBytes(time.ToBytes());
    EXPECT_EQ(back.ToText(), "2008-5-17,13:30:15.0,+8:0");
}

struct DateTimeCase {
    const char* Text;
    bool Matched;
    const char* Printed;
};

TEST_F(OvDateTimeTest, ParsingForms) {
    const DateTimeCase cases[] = {
        {"2008-5-17,13:30:15.0", true, "2008-5-17,13:30:15.0"},
        {"2008-5-17,13:30:15.0,-5:30", true, "2008-5-17,13:30:15.0,-5:30"},
        {"2008-5-17,13:30:15.0,+0:0", true, "2008-5-17,13:30:15.0"},
        {"2008-5-17,13:30:15.0,*8:0", true, "2008-5-17,13:30:15.0"},
        {"2008-5-17", false, "2008-5-17,0:0:0.0"},
        {"", false, "0-0-0,0:0:0.0"},
        {"garbage", false, "0-0-0,0:0:0.0"},
        {"70000-300-17,13:30:15.0", true, "4464-44-17,13:30:15.0"},
    };
    for (const DateTimeCase& c : cases) {
        OvDateTime time;
        EXPECT_EQ(time.Parse(c.Text), c.Matched) << c.Text;
        EXPECT_EQ(time.ToText(), c.Printed) << c.Text;
    }
}

TEST_F(OvDateTimeTest, ShortBytesReadAsZero) {
    OvDateTime time;
    time.FromBytes("\x07\xD8\x05"s);
    EXPECT_EQ(time.ToText(), "2008-5-0,0:0:0.0");
    time.FromBytes("\x07\xD8\x05\x11\x0D\x1E\x0F\x00"s);
    EXPECT_EQ(time.ToText(), "2008-5-17,13:30:15.0");
}

TEST(OvNumList, ParsesDelimitedNumbers) {
    OvNumList<int32_t> list;
    list.Delimiter = ',';
    EXPECT_TRUE(list.Parse("3,10,7"));
    ASSERT_EQ(list.Count(), 3);
    EXPECT_EQ(list[0], 3);
    EXPECT_EQ(list[1], 10);
    EXPECT_EQ(list[2], 7);
    EXPECT_EQ(list.IndexOf(10), 1);
    EXPECT_EQ(list.IndexOf(4), -1);
    EXPECT_TRUE(list.Parse(""));
    EXPECT_EQ(list.Count(), 0);
}

struct NumListCase {
    const char* Text;
    bool Clean;
    std::vector<uint32_t> Numbers;
};

TEST(OvNumList, EdgeCasesOfParsing) {
    const NumListCase cases[] = {
        {",", true, {0, 0}},
        {"1.9,2", true, {1, 2}},
        {"1.2.3,4", true, {1, 4}},
        {"1,x,3", false, {1, 0, 3}},
        {"-5", false, {5}},
        {"99999999999", true, {UINT32_MAX}},
        {"1, 2", false, {1, 2}},
    };
    for (const NumListCase& c : cases) {
        OvNumList<uint32_t> list;
        list.Delimiter = ',';
        EXPECT_EQ(list.Parse(c.Text), c.Clean) << c.Text;
        EXPECT_EQ(list.Numbers(), c.Numbers) << c.Text;
    }
}

TEST(OvNumList, DefaultDelimiterIsDot) {
    OvNumList<uint32_t> list;
    EXPECT_TRUE(list.Parse("10.0.0.1"));
    EXPECT_EQ(list.Count(), 4);
    EXPECT_TRUE(list.AllInRange(0, 255));
    EXPECT_TRUE(list.Parse("10.0.0.256"));
    EXPECT_FALSE(list.AllInRange(0, 255));
}

TEST(OvNumList, SaturationKeepsHugeNumbersOutOfRange) {
    OvNumList<int32_t> list;
    list.Delimiter = ',';
    list.Parse("4294967296");
    EXPECT_EQ(list[0], INT32_MAX);
    EXPECT_FALSE(list.AllInRange(0, 65535));
}

TEST(OvBinaryString, OwnsItsBytes) {
    OvBinaryString empty;
    EXPECT_EQ(empty.Count(), 0u);
    OvBinaryString ports("\x80\x01"s);
    EXPECT_EQ(ports.Count(), 2u);
    EXPECT_EQ(ports.At(0), 0x80);
    ports.SetAt(1, 0xFF);
    EXPECT_EQ(ports.View(), "\x80\xFF"s);
    ports.Resize(4);
    EXPECT_EQ(ports.View(), "\x80\xFF\x00\x00"s);
    const OvBinaryString copy = ports;
    ports.Clear();
    EXPECT_EQ(copy.Count(), 4u);
    EXPECT_EQ(ports.Count(), 0u);
    EXPECT_THROW(ports.At(0), std::out_of_range);
}

}  // namespace
