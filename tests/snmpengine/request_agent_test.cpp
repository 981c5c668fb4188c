#include <gtest/gtest.h>

#include <QCoreApplication>
#include <QElapsedTimer>

#include <filesystem>
#include <map>
#include <memory>
#include <set>
#include <sstream>

#include "ovexception.h"
#include "ovsnmprequest.h"
#include "ovsnmpsession.h"
#include "snmpdagent.h"
#include "tempdir.h"

namespace {

// "oid value" lines of snmpwalk -On -Oq, keyed by OID without the leading dot.
std::map<std::string, std::string> WalkLines(const std::string& output) {
    std::map<std::string, std::string> lines;
    std::istringstream in(output);
    std::string line;
    while (std::getline(in, line)) {
        if (line.empty() || line[0] != '.')
            continue;
        const auto space = line.find(' ');
        std::string value = space == std::string::npos ? "" : line.substr(space + 1);
        if (value.size() >= 2 && value.front() == '"' && value.back() == '"')
            value = value.substr(1, value.size() - 2);
        lines[line.substr(1, space - 1)] = value;
    }
    return lines;
}

class AgentRequest : public ::testing::Test {
protected:
    static void TearDownTestSuite() { agent_.reset(); }
    void SetUp() override {
        if (!agent_)
            agent_ = std::make_unique<SnmpdAgent>();
        previous_ = std::filesystem::current_path();
        std::filesystem::current_path(dir_.Path());
        CreateGlobalSession("");
        DefaultSettings().Device = {"127.0.0.1", static_cast<uint16_t>(agent_->Port())};
        DefaultSettings().Security.Version = 1;
        DefaultSettings().Security.ReadCommunity = SnmpdAgent::ReadCommunity;
        DefaultSettings().Security.WriteCommunity = SnmpdAgent::WriteCommunity;
    }
    void TearDown() override {
        OvSNMPSession::DestroyGlobal();
        std::filesystem::current_path(previous_);
    }
    static std::unique_ptr<OvSNMPRequest> Make(const OvSNMPVarDef* table, uint8_t itemType, int keys) {
        auto r = std::make_unique<OvSNMPRequest>();
        r->List.Assign(OvSNMPVarList(table, itemType, keys));
        return r;
    }
    // Every row of a synchronous walk: the row index and the value of one column.
    static std::map<std::string, std::string> Walk(OvSNMPRequest& r, int column) {
        std::map<std::string, std::string> rows;
        for (bool more = r.FetchRow(true); more; more = r.FetchRow(false))
            rows[r.List.Item(column).InstanceOid] = r.List.Item(column).Value;
        return rows;
    }
    static std::string V2c(const char* community) { return std::string("-v2c -c ") + community + " -On -Oq"; }

    static std::unique_ptr<SnmpdAgent> agent_;
    TempDir dir_;
    std::filesystem::path previous_;
};

std::unique_ptr<SnmpdAgent> AgentRequest::agent_;

const OvSNMPVarDef kIfTable[] = {
    {" ", "ifIndex", SYN_INTEGER, ACC_NOTACCESS},
    {"1.3.6.1.2.1.2.2.1.2", "ifDescr", SYN_DISPLAYSTR, ACC_READONLY},
    {"1.3.6.1.2.1.2.2.1.3", "ifType", SYN_INTEGER, ACC_READONLY},
    {"1.3.6.1.2.1.2.2.1.4", "ifMtu", SYN_INTEGER, ACC_READONLY},
    {},
};

TEST_F(AgentRequest, InterfacesTableWalkMatchesSnmpwalk) {
    auto r = Make(kIfTable, MVT_UMV, 1);
    std::map<std::string, std::string> keys;
    for (bool more = r->FetchRow(true); more; more = r->FetchRow(false)) {
        keys[r->List.Item(1).InstanceOid] = r->List.Item(0).Value;
        EXPECT_EQ(r->List.Item(1).InstanceOid, "1.3.6.1.2.1.2.2.1.2." + r->List.Item(0).Value);
    }
    const auto expected = WalkLines(agent_->Tool("snmpwalk", V2c("public"), "1.3.6.1.2.1.2.2.1.2"));
    ASSERT_FALSE(expected.empty());
    std::map<std::string, std::string> descriptions;
    auto again = Make(kIfTable, MVT_UMV, 1);
    EXPECT_EQ(Walk(*again, 1), expected);
    EXPECT_EQ(keys.size(), expected.size());
}

TEST_F(AgentRequest, UserTableDecodesBothKeysOverSnmpv3AuthPriv) {
    DefaultSettings().Security.Version = 3;
    DefaultSettings().Security.SecurityModel = 3;
    DefaultSettings().Security.SecurityLevel = 3;
    DefaultSettings().Security.SecurityName = "shades";
    DefaultSettings().Security.AuthProtocol = 3;
    DefaultSettings().Security.PrivProtocol = 2;
    DefaultSettings().Security.AuthPassword = SnmpdAgent::AuthPassword;
    DefaultSettings().Security.PrivPassword = SnmpdAgent::PrivPassword;
    const OvSNMPVarDef usmUserTable[] = {
        {" ", "EngineID", SYN_OCTETSTR, ACC_NOTACCESS},
        {" ", "UserName", SYN_DISPLAYSTR, ACC_NOTACCESS},
        {"1.3.6.1.6.3.15.1.2.2.1.3", "SecurityName", SYN_DISPLAYSTR, ACC_READONLY},
        {"1.3.6.1.6.3.15.1.2.2.1.5", "AuthProtocol", SYN_OBJECTID, ACC_READONLY},
        {},
    };
    auto r = Make(usmUserTable, MVT_UMV, 2);
    std::string engineHex = agent_->Tool("snmpget", V2c("public") + " -Ox", "1.3.6.1.6.3.10.2.1.1.0");
    engineHex = engineHex.substr(engineHex.find(' ') + 1);
    std::erase_if(engineHex, [](char c) { return c == ' ' || c == '\n' || c == '"'; });
    std::set<std::string> names, instances;
    for (bool more = r->FetchRow(true); more; more = r->FetchRow(false)) {
        EXPECT_EQ(r->List.Item(0).Value, engineHex);
        EXPECT_EQ(r->List.Item(1).Value, r->List.Item(2).Value);
        names.insert(r->List.Item(1).Value);
        instances.insert(r->List.Item(2).InstanceOid);
        EXPECT_EQ(r->List.Item(2).InstanceOid, "1.3.6.1.6.3.15.1.2.2.1.3." + r->RowIndex());
    }
    EXPECT_EQ(names, (std::set<std::string>{"md5des", "md5user", "noauth", "shades", "shauser"}));
    std::set<std::string> expected;
    for (const auto& [oid, value] : WalkLines(agent_->Tool("snmpwalk", V2c("public"), "1.3.6.1.6.3.15.1.2.2.1.3")))
        expected.insert(oid);
    EXPECT_EQ(instances, expected);
}

TEST_F(AgentRequest, AccessTableDecodesFourKeys) {
    const OvSNMPVarDef vacmAccessTable[] = {
        {"1.3.6.1.6.3.16.1.2.1.3", "GroupName", SYN_DISPLAYSTR, ACC_NOTACCESS},
        {"1.3.6.1.6.3.16.1.4.1.1", "ContextPrefix", SYN_DISPLAYSTR, ACC_NOTACCESS},
        {"1.3.6.1.6.3.16.1.4.1.2", "SecurityModel", SYN_INTEGER, ACC_NOTACCESS},
        {"1.3.6.1.6.3.16.1.4.1.3", "SecurityLevel", SYN_INTEGER, ACC_NOTACCESS},
        {"1.3.6.1.6.3.16.1.4.1.5", "ReadView", SYN_DISPLAYSTR, ACC_READONLY},
        {},
    };
    auto r = Make(vacmAccessTable, MVT_FMV, 4);
    const auto expected = WalkLines(agent_->Tool("snmpwalk", V2c("public"), "1.3.6.1.6.3.16.1.4.1.5"));
    ASSERT_FALSE(expected.empty());
    int rows = 0;
    for (bool more = r->FetchRow(true); more; more = r->FetchRow(false)) {
        ++rows;
        const std::string& oid = r->List.Item(4).InstanceOid;
        ASSERT_TRUE(expected.count(oid)) << oid;
        // The decoded keys encode back to the row's instance.
        EXPECT_EQ("1.3.6.1.6.3.16.1.4.1.5." + r->RowIndex(), oid);
        EXPECT_FALSE(r->List.Item(0).Value.empty());
        EXPECT_GE(std::stoi(r->List.Item(2).Value), 0);
        EXPECT_LE(std::stoi(r->List.Item(3).Value), 3);
        EXPECT_EQ(r->List.Item(0).InstanceOid, "1.3.6.1.6.3.16.1.2.1.3." + oid.substr(std::string("1.3.6.1.6.3.16.1.4.1.5.").size()));
    }
    EXPECT_EQ(rows, static_cast<int>(expected.size()));
}

const OvSNMPVarDef kTargetAddrTable[] = {
    {" ", "Name", SYN_DISPLAYSTR, ACC_NOTACCESS | ACC_IMPLIED},
    {"1.3.6.1.6.3.12.1.2.1.2", "TDomain", SYN_OBJECTID, ACC_READWRITE},
    {"1.3.6.1.6.3.12.1.2.1.3", "TAddress", SYN_OCTETSTR, ACC_READWRITE},
    {"1.3.6.1.6.3.12.1.2.1.7", "Params", SYN_DISPLAYSTR, ACC_READWRITE},
    {"1.3.6.1.6.3.12.1.2.1.9", "RowStatus", SYN_INTEGER, ACC_READWRITE},
    {},
};

TEST_F(AgentRequest, TargetAddressRowIsCreatedAndDestroyedWithAnImpliedIndex) {
    const std::string rowStatusOid = "1.3.6.1.6.3.12.1.2.1.9.111.118.116.101.115.116";  // "ovtest", implied
    auto r = Make(kTargetAddrTable, MVT_UMV, 1);
    r->List.Item(0).Value = "ovtest";
    r->List.Item(1).Value = "1.3.6.1.6.1.1";
    r->List.Item(2).Value = "7F000001A2B9";
    r->List.Item(3).Value = "ovparams";
    r->List.Item(4).Value = "4";
    EXPECT_FALSE(r->SetSync(false, ""));
    EXPECT_EQ(agent_->Tool("snmpget", V2c("public"), rowStatusOid), "." + rowStatusOid + " 1\n");

    auto walk = Make(kTargetAddrTable, MVT_UMV, 1);
    bool seen = false;
    for (bool more = walk->FetchRow(true); more; more = walk->FetchRow(false)) {
        if (walk->List.Item(0).Value != "ovtest")
            continue;
        seen = true;
        EXPECT_EQ(walk->List.Item(4).InstanceOid, rowStatusOid);
        EXPECT_EQ(walk->List.Item(2).Value, "7F000001A2B9");
        EXPECT_EQ(walk->List.Item(3).Value, "ovparams");
    }
    EXPECT_TRUE(seen);

    r->List.Item(4).Value = "6";
    r->SetSync(false, "4");
    EXPECT_NE(agent_->Tool("snmpget", V2c("public"), rowStatusOid).find("No Such Instance"), std::string::npos);
}

TEST_F(AgentRequest, Version1WalkEndsAtTheEndOfTheViewWithoutError) {
    DefaultSettings().Security.Version = 0;
    DefaultSettings().Security.ReadCommunity = SnmpdAgent::IfDescrCommunity;
    auto r = Make(kIfTable, MVT_UMV, 1);
    r->List.Item(2).Access = ACC_INVALID;
    r->List.Item(3).Access = ACC_INVALID;
    const auto expected = WalkLines(agent_->Tool("snmpwalk", V2c("public"), "1.3.6.1.2.1.2.2.1.2"));
    EXPECT_EQ(Walk(*r, 1), expected);
}

TEST_F(AgentRequest, WritingAReadOnlyObjectGivesItsText) {
    const OvSNMPVarDef sysUpTime[] = {{"1.3.6.1.2.1.1.3", "Up", SYN_TIMETICKS, ACC_READWRITE}, {}};
    auto r = Make(sysUpTime, SVT_SV, 0);
    r->List.Item(0).Value = "0:00:01.00";
    try {
        r->SetSync(false, "");
        FAIL();
    } catch (const OvException& e) {
        EXPECT_EQ(e.Code(), -117);
        EXPECT_EQ(e.Text(), "(SNMP) Cannot create/set variable, Not Writable!");
    }
}

TEST_F(AgentRequest, AsynchronousWalkThroughTheEventPump) {
    struct Walker {
        OvSNMPRequest* request = nullptr;
        std::map<std::string, std::string> rows;
        bool finished = false;
        int32_t code = 0;
        static void Row(void* self, OvSNMPError& record, OvSNMPVarList& list) {
            auto* w = static_cast<Walker*>(self);
            w->code = record.Code;
            if (record.Code == 0 && list.Item(1).Value != "(NOTDONE)")
                w->rows[list.Item(1).InstanceOid] = list.Item(1).Value;
            if (record.Finished)
                w->finished = true;
            else
                w->request->GetAsync(&Walker::Row, w, false);
        }
    };
    auto r = Make(kIfTable, MVT_UMV, 1);
    Walker walker;
    walker.request = r.get();
    r->GetAsync(&Walker::Row, &walker, true);
    QElapsedTimer clock;
    clock.start();
    while (!walker.finished && clock.elapsed() < 10000)
        QCoreApplication::processEvents(QEventLoop::WaitForMoreEvents, 50);
    EXPECT_TRUE(walker.finished);
    EXPECT_EQ(walker.code, 0);
    EXPECT_EQ(walker.rows, WalkLines(agent_->Tool("snmpwalk", V2c("public"), "1.3.6.1.2.1.2.2.1.2")));
    EXPECT_EQ(r->Pending, 0);
}

}  // namespace
