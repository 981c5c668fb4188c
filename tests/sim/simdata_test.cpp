#include <gtest/gtest.h>

#include "datafileparser.h"
#include "frontpanelanimator.h"
#include "mibstore.h"
#include "valuetemplate.h"

#include <stdexcept>

namespace {

Oid O(const std::string& text) { return OidText::Parse(text); }

struct TemplateCase {
    const char* text;
    Oid index;
    const char* substituted;
};

TEST(ValueTemplate, SubstitutesIndexArcs) {
    const TemplateCase cases[] = {
        {"Port $1", {7}, "Port 7"},
        {"$1.$2", {25, 101}, "25.101"},
        {"00:1e:$x1", {26}, "00:1e:1a"},
        {"no marks", {1}, "no marks"},
        {"$", {1}, "$"},
    };
    for (const auto& c : cases) EXPECT_EQ(ValueTemplate::Substitute(c.text, c.index), c.substituted) << c.text;
    EXPECT_THROW(ValueTemplate::Substitute("$2", {1}), std::invalid_argument);
}

TEST(ValueTemplate, EvaluatesIntegerExpressions) {
    const std::pair<const char*, int64_t> cases[] = {
        {"42", 42}, {"-1", -1}, {"(1 + 2) * 3", 9}, {"7 % 3", 1}, {"10 - 2 - 3", 5},
        {"5123456789 * 2", 10246913578}, {"-(2 * 3)", -6}, {"20 / 3", 6},
    };
    for (const auto& [text, value] : cases) EXPECT_EQ(ValueTemplate::Evaluate(text), value) << text;
    for (const char* bad : {"", "1 +", "(1", "1 / 0", "2 x 3", "1)"})
        EXPECT_THROW(ValueTemplate::Evaluate(bad), std::invalid_argument) << bad;
}

TEST(DataFileParser, TokenizesQuotesExpressionsAndComments) {
    const auto tokens = DataFileParser::Tokenize(R"(a "b c" (1 + $1) "say \"hi\"" # comment)");
    EXPECT_EQ(tokens, (std::vector<std::string>{"a", "b c", "(1 + $1)", "say \"hi\""}));
}

TEST(DataFileParser, ExpandsIndexPatterns) {
    EXPECT_EQ(DataFileParser::ExpandPattern("[25-27].101"), (std::vector<Oid>{{25, 101}, {26, 101}, {27, 101}}));
    EXPECT_EQ(DataFileParser::ExpandPattern("[1-2].[3-4]"), (std::vector<Oid>{{1, 3}, {1, 4}, {2, 3}, {2, 4}}));
    EXPECT_EQ(DataFileParser::ExpandPattern("5"), (std::vector<Oid>{{5}}));
}

TEST(DataFileParser, BuildsObjectsAndTables) {
    MibStore store;
    DataFileParser(store).ParseText(R"(
{vendor}.1.0 string rw "two words"
{vendor}.2.0 hex ro "01 02 \
  03"
table 1.3.6.1.2.1.2.2.1 index 1
  column 2 string ro "Port $1"
  column 10 counter ro (1000 * $1 + 7)
  rows [1-3]
  row 9 "Uplink" -
end
1.3.6.1.2.1.2.2.1.2.2 string ro "Renamed"
)", "inline");
    EXPECT_EQ(store.Find(OidText::Parse("{vendor}.1.0"))->value, SimValue::Octets("two words"));
    EXPECT_TRUE(store.Find(OidText::Parse("{vendor}.1.0"))->writable);
    EXPECT_EQ(store.Find(OidText::Parse("{vendor}.2.0"))->value.bytes, std::string("\x01\x02\x03", 3));
    EXPECT_EQ(store.Find(O("1.3.6.1.2.1.2.2.1.2.1"))->value.bytes, "Port 1");
    EXPECT_EQ(store.Find(O("1.3.6.1.2.1.2.2.1.2.2"))->value.bytes, "Renamed");
    EXPECT_EQ(store.Find(O("1.3.6.1.2.1.2.2.1.10.3"))->value.number, 3007);
    EXPECT_EQ(store.Find(O("1.3.6.1.2.1.2.2.1.2.9"))->value.bytes, "Uplink");
    EXPECT_EQ(store.Find(O("1.3.6.1.2.1.2.2.1.10.9"))->value.number, 9007);
    EXPECT_EQ(store.Find(O("1.3.6.1.2.1.2.2.1.10.9"))->value.type, SimType::Counter);
}

TEST(DataFileParser, ReportsTheFileAndLineOfAMistake) {
    const std::pair<const char*, const char*> cases[] = {
        {"1.3.6.1.2.1.1.5.0 string rw", "x:1: expected: OID KIND ACCESS VALUE"},
        {"\n1.3.6.1.2.1.1.5.0 text rw a", "x:2: unknown type text"},
        {"1.3.6.1.2.1.1.5.0 integer maybe 1", "x:1: access must be ro or rw, not maybe"},
        {"1.3.6.1.2.1.1.7.0 integer ro 99999999999", "x:1: number out of range: 99999999999"},
        {"table 1.3.6.1.4.1.1.1\ncolumn 2 integer rw 1", "x:2: table without end"},
        {"column 2 integer rw 1", "x:1: column outside a table"},
        {"table 1.3.6.1.4.1.1.1 rowstatus 3\ncolumn 2 integer rw 1\nend", "x:3: the rowstatus column is not declared"},
        {"table 1.3.6.1.4.1.1.1 index 2\ncolumn 2 integer rw 1\nrows [1-2]\nend", "does not fit the table"},
    };
    for (const auto& [text, message] : cases) {
        MibStore store;
        try {
            DataFileParser(store).ParseText(text, "x");
            ADD_FAILURE() << "accepted: " << text;
        } catch (const std::runtime_error& e) {
            EXPECT_NE(std::string(e.what()).find(message), std::string::npos) << e.what();
        }
    }
}

class MibStoreSet : public ::testing::Test {
protected:
    void SetUp() override {
        DataFileParser(store).ParseText(R"(
{vendor}.1.0 integer rw 3
{vendor}.2.0 string ro "fixed"
table {vendor}.5.1 index 1 rowstatus 3
  column 2 ipaddress rw 0.0.0.0
  column 3 integer rw 1
  row 1 10.0.0.1 1
end
table {vendor}.6.1 index 1
  column 2 integer rw 1000
  rows [1-2]
end
)", "inline");
    }
    SetStatus Check(const std::string& oid, const SimValue& value, std::vector<SetBinding> pdu = {}) {
        if (pdu.empty()) pdu.emplace_back(OidText::Parse(oid), value);
        return store.CheckSet(OidText::Parse(oid), value, pdu);
    }
    static SimValue Ip(const char* text) { return SimValue::FromText("ipaddress", text); }
    MibStore store;
};

TEST_F(MibStoreSet, ChecksEachBindingAsASwitchDoes) {
    struct Case {
        const char* oid;
        SimValue value;
        SetStatus status;
    } cases[] = {
        {"{vendor}.1.0", SimValue::Integer(2), kSetOk},
        {"{vendor}.1.0", SimValue::Octets("2"), kWrongType},
        {"{vendor}.2.0", SimValue::Octets("new"), kNotWritable},
        {"{vendor}.3.0", SimValue::Integer(1), kNoCreation},
        {"{vendor}.1.1", SimValue::Integer(1), kNoCreation},
        {"{vendor}.6.1.2.3", SimValue::Integer(5), kNoCreation},          // no RowStatus: no new rows
        {"{vendor}.5.1.2.7", Ip("10.0.0.7"), kInconsistentName},           // new row without createAndGo
        {"{vendor}.5.1.3.1", SimValue::Integer(4), kInconsistentValue},    // the row is there already
        {"{vendor}.5.1.3.7", SimValue::Integer(1), kInconsistentValue},    // activate what is not there
        {"{vendor}.5.1.3.1", SimValue::Integer(3), kWrongValue},           // notReady is never written
        {"{vendor}.5.1.3.7", SimValue::Integer(6), kSetOk},                // destroy nothing
        {"{vendor}.5.1.3.7", SimValue::Octets("x"), kWrongType},
    };
    for (const auto& c : cases) EXPECT_EQ(Check(c.oid, c.value), c.status) << c.oid;
}

TEST_F(MibStoreSet, CreatesARowWithTheColumnsOfThePdu) {
    const std::vector<SetBinding> pdu{{OidText::Parse("{vendor}.5.1.2.7"), Ip("10.0.0.7")},
                                      {OidText::Parse("{vendor}.5.1.3.7"), SimValue::Integer(4)}};
    for (const auto& [oid, value] : pdu) ASSERT_EQ(store.CheckSet(oid, value, pdu), kSetOk);
    for (const auto& [oid, value] : pdu) store.ApplySet(oid, value);
    EXPECT_EQ(store.Find(OidText::Parse("{vendor}.5.1.2.7"))->value, Ip("10.0.0.7"));
    EXPECT_EQ(store.Find(OidText::Parse("{vendor}.5.1.3.7"))->value, SimValue::Integer(1));
}

TEST_F(MibStoreSet, DestroyRemovesTheRowAndTakesNoOtherColumn) {
    const std::vector<SetBinding> mixed{{OidText::Parse("{vendor}.5.1.3.1"), SimValue::Integer(6)},
                                        {OidText::Parse("{vendor}.5.1.2.1"), Ip("10.0.0.9")}};
    EXPECT_EQ(store.CheckSet(mixed[0].first, mixed[0].second, mixed), kInconsistentValue);
    store.ApplySet(OidText::Parse("{vendor}.5.1.3.1"), SimValue::Integer(6));
    EXPECT_EQ(store.Find(OidText::Parse("{vendor}.5.1.2.1")), nullptr);
    EXPECT_EQ(store.Find(OidText::Parse("{vendor}.5.1.3.1")), nullptr);
}

TEST(MibStore, RegistersOneRootPerTopLevelArc) {
    MibStore store;
    DataFileParser(store).ParseText(R"(
1.3.6.1.2.1.1.5.0 string rw "a"
1.3.6.1.2.1.31.1.1.1.1.1 string ro "b"
{vendor}.1.0 integer rw 1
{vendor}.12.1.0 integer rw 1
table 1.3.6.1.2.1.2.2.1 index 1
  column 1 integer ro $1
end
)", "inline");
    std::vector<std::string> roots;
    for (const Oid& root : store.Roots()) roots.push_back(OidText::Format(root));
    EXPECT_EQ(roots, (std::vector<std::string>{"1.3.6.1.2.1.1", "1.3.6.1.2.1.2", "1.3.6.1.2.1.31",
                                               OidText::ExpandVendor("{vendor}")}));
}

TEST(FrontPanelAnimator, ChangesPortsButNotPowerOrLength) {
    MibStore store;
    std::string leds(FrontPanelAnimator::kLength, '\0');
    leds[0] = 3;
    for (int port = 1; port <= FrontPanelAnimator::kPorts; ++port) {
        leds[2 * port] = 0x02;
        leds[2 * port + 1] = 0x02;
    }
    store.Put(FrontPanelAnimator::LedOid(), SimValue::Octets(leds), false);
    FrontPanelAnimator animator(store);
    int changes = 0;
    for (int step = 0; step < 8; ++step) {
        const std::string before = store.Find(FrontPanelAnimator::LedOid())->value.bytes;
        animator.Step();
        const std::string after = store.Find(FrontPanelAnimator::LedOid())->value.bytes;
        ASSERT_EQ(after.size(), FrontPanelAnimator::kLength);
        EXPECT_EQ(after[0], 3);
        changes += before != after;
        for (int port = 1; port <= FrontPanelAnimator::kPorts; ++port)
            EXPECT_NE(after[2 * port], 0x01) << "status 1 would read as no data, port " << port;
    }
    EXPECT_EQ(changes, 8);
}

TEST(FrontPanelAnimator, LeavesAShortValueAlone) {
    MibStore store;
    store.Put(FrontPanelAnimator::LedOid(), SimValue::Octets("short"), false);
    FrontPanelAnimator(store).Step();
    EXPECT_EQ(store.Find(FrontPanelAnimator::LedOid())->value.bytes, "short");
}

}  // namespace
