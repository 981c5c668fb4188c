#include <gtest/gtest.h>

#include "ovexception.h"
#include "ovsnmpcodes.h"
#include "ovsnmprequest2controls.h"

#include <ostream>
#include <string>

namespace {

using B = OvSNMPRequest2Controls;

std::string Bytes(std::initializer_list<int> values) {
    std::string bytes;
    for (int v : values) bytes.push_back(static_cast<char>(v));
    return bytes;
}

int32_t CodeOf(const std::function<void()>& call) {
    try {
        call();
    } catch (const OvException& e) {
        return e.Code();
    }
    return 0;
}

struct RoundTrip {
    uint32_t syntax;
    const char* text;
    std::string bytes;
    const char* back;   // the text read back from the bytes
};

void PrintTo(const RoundTrip& c, std::ostream* os) {
    *os << "syntax 0x" << std::hex << c.syntax << std::dec << " \"" << c.text << "\"";
}

class PartialRoundTrip : public ::testing::TestWithParam<RoundTrip> {};

TEST_P(PartialRoundTrip, TextBytesAndBack) {
    const RoundTrip& c = GetParam();
    EXPECT_EQ(B::TextToBytes(c.text, c.syntax), c.bytes);
    EXPECT_EQ(B::BytesToText(c.bytes, c.syntax), c.back);
}

INSTANTIATE_TEST_SUITE_P(
    EverySyntax, PartialRoundTrip,
    ::testing::Values(
        RoundTrip{SYN_BOOLEAN, "true", Bytes({1, 0, 0, 0}), "true"},
        RoundTrip{SYN_BOOLEAN, "True", Bytes({0, 0, 0, 0}), "false"},
        RoundTrip{SYN_INTEGER, "-2", Bytes({0xFE, 0xFF, 0xFF, 0xFF}), "-2"},
        RoundTrip{SYN_INTEGER, "258", Bytes({2, 1, 0, 0}), "258"},
        RoundTrip{SYN_UINTEGER, "4294967295", Bytes({0xFF, 0xFF, 0xFF, 0xFF}), "4294967295"},
        RoundTrip{SYN_COUNTER, "16909060", Bytes({4, 3, 2, 1}), "16909060"},
        RoundTrip{SYN_GUAGE, "7", Bytes({7, 0, 0, 0}), "7"},
        RoundTrip{SYN_OCTETSTR, "00A1ff", Bytes({0, 0xA1, 0xFF}), "00A1FF"},
        RoundTrip{SYN_MACADDRESS, "0011223344AA", Bytes({0, 0x11, 0x22, 0x33, 0x44, 0xAA}), "0011223344AA"},
        RoundTrip{SYN_NULL, "anything", "", "(NULL)"},
        RoundTrip{SYN_OBJECTID, "1.3.258", Bytes({1, 0, 0, 0, 3, 0, 0, 0, 2, 1, 0, 0}), "1.3.258"},
        RoundTrip{SYN_IPADDRESS, "10.1.2.255", Bytes({10, 1, 2, 255}), "10.1.2.255"},
        RoundTrip{SYN_IPADDRESS, "10.1.2.259", Bytes({10, 1, 2, 3}), "10.1.2.3"},
        RoundTrip{SYN_TIMETICKS, "1 day 0:00:01.05", Bytes({0x69, 0xD6, 0x83, 0}), "1 day 0:00:01.05"},
        RoundTrip{SYN_COUNTER64, "4294967296", Bytes({0, 0, 0, 0, 1, 0, 0, 0}), "4294967296"},
        RoundTrip{SYN_DOUBLE, "1.5", Bytes({0, 0, 0, 0, 0, 0, 0xF8, 0x3F}), "1.5"},
        RoundTrip{SYN_DATETIME, "2008-5-17,13:30:15.0,+8:0", Bytes({0x07, 0xD8, 5, 17, 13, 30, 15, 0, '+', 8, 0}),
                  "2008-5-17,13:30:15.0,+8:0"},
        RoundTrip{SYN_DISPLAYSTR, "ab\xE9", "ab\xE9", "ab\xE9"},
        RoundTrip{SYN_BOOL8, "true", Bytes({1}), "true"},
        RoundTrip{SYN_INT8, "-1", Bytes({0xFF}), "-1"},
        RoundTrip{SYN_UINT8, "511", Bytes({0xFF}), "255"},
        RoundTrip{SYN_BOOL16, "true", Bytes({0, 1}), "true"},
        RoundTrip{SYN_INT16, "-1", Bytes({0xFF, 0xFF}), "65535"},
        RoundTrip{SYN_UINT16, "515", Bytes({2, 3}), "515"}));

TEST(PartialData, NullAndEmptyStandForEachOther) {
    for (uint32_t syntax : {SYN_INTEGER, SYN_OCTETSTR, SYN_DISPLAYSTR, SYN_UINT16})
        EXPECT_EQ(B::TextToBytes("(NULL)", syntax), "") << syntax;
    EXPECT_EQ(B::BytesToText("", SYN_INTEGER), "(NULL)");
    EXPECT_EQ(B::BytesToText("", SYN_MACADDRESS), "(NULL)");
    EXPECT_EQ(B::BytesToText("", SYN_DISPLAYSTR), "");
}

TEST(PartialData, ReadsPastTheFixedWidthOnlyWhereTheSyntaxSaysSo) {
    // Non-zero anywhere in the 32-bit value is true; longer values read their head.
    EXPECT_EQ(B::BytesToText(Bytes({0, 0, 0, 1}), SYN_BOOLEAN), "true");
    EXPECT_EQ(B::BytesToText(Bytes({1, 2, 3, 4, 9, 9}), SYN_IPADDRESS), "1.2.3.4");
    EXPECT_EQ(B::BytesToText(Bytes({0xFF, 0xFF}), SYN_INT16), "65535");
}

TEST(PartialData, FailuresCarryTheirCodes) {
    struct Case { const char* what; std::function<void()> call; int32_t code; };
    const Case cases[] = {
        {"integer from 3 bytes", [] { B::BytesToText(Bytes({1, 2, 3}), SYN_INTEGER); }, -518},
        {"counter64 from 4 bytes", [] { B::BytesToText(Bytes({1, 2, 3, 4}), SYN_COUNTER64); }, -518},
        {"mac from 5 bytes", [] { B::BytesToText(Bytes({1, 2, 3, 4, 5}), SYN_MACADDRESS); }, -518},
        {"datetime from 10 bytes", [] { B::BytesToText(std::string(10, '\1'), SYN_DATETIME); }, -518},
        {"uint16 from 1 byte", [] { B::BytesToText(Bytes({1}), SYN_UINT16); }, -518},
        {"text of unknown syntax", [] { B::TextToBytes("1", 0x99); }, -511},
        {"bytes of unknown syntax", [] { B::BytesToText("1", 0x07); }, -511},
        {"part of unknown syntax", [] { B::ExtractPart("1", 0, 0xC7); }, -511},
        {"uint16 at offset 3 of 4 bytes", [] { B::ExtractPart(Bytes({0, 1, 2, 3}), 3, SYN_UINT16); }, -519},
        {"octets beyond the end", [] { B::ExtractPart(Bytes({0, 1}), 3, SYN_OCTETSTR); }, -519},
        {"negative offset", [] { B::ExtractPart(Bytes({0, 1}), -1, SYN_UINT8); }, -519},
    };
    for (const Case& c : cases) EXPECT_EQ(CodeOf(c.call), c.code) << c.what;
    try {
        B::BytesToText(Bytes({1}), SYN_INTEGER);
    } catch (const OvException& e) {
        EXPECT_EQ(e.Text(), "(VoZIZO++) Bad value of the associated SNMP variable's (partial) data!");
    }
}

TEST(PartialData, ExtractsTheFieldAtItsOffset) {
    const std::string value = Bytes({0, 1, 2, 3});
    EXPECT_EQ(B::ExtractPart(value, 2, SYN_UINT16), Bytes({2, 3}));
    EXPECT_EQ(B::BytesToText(B::ExtractPart(value, 2, SYN_UINT16), SYN_UINT16), "515");
    EXPECT_EQ(B::ExtractPart(value, 1, SYN_UINT8), Bytes({1}));
    EXPECT_EQ(B::ExtractPart(value, 1, SYN_OCTETSTR), Bytes({1, 2, 3}));
    EXPECT_EQ(B::ExtractPart(value, 0, SYN_INTEGER), value);
    EXPECT_EQ(B::ExtractPart(value, 4, SYN_DISPLAYSTR), "");
    EXPECT_EQ(B::ExtractPart(value, 0, SYN_NULL), "");
    EXPECT_EQ(B::ExtractPart("", 9, SYN_INTEGER), "");
}

}  // namespace
