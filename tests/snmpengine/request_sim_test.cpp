#include <gtest/gtest.h>

#include <QCoreApplication>
#include <QElapsedTimer>

#include <filesystem>
#include <memory>

#include "ovexception.h"
#include "ovsnmprequest.h"
#include "ovsnmpsession.h"
#include "simswitch.h"
#include "tempdir.h"

namespace {

#define VENDOR "1.3.6.1.4.1.32473"

const OvSNMPVarDef kSystemScalars[] = {
    {VENDOR ".11.63.11.2.1.2.2", "System IP", SYN_IPADDRESS, ACC_READWRITE},
    {VENDOR ".11.63.11.2.1.2.3", "Subnet Mask", SYN_IPADDRESS, ACC_READWRITE},
    {VENDOR ".11.63.11.2.1.2.4", "Default Gateway", SYN_IPADDRESS, ACC_READWRITE},
    {VENDOR ".11.63.11.2.1.2.16", "RMON State", SYN_INTEGER, ACC_READWRITE},
    {VENDOR ".11.63.11.2.1.2.7", "IGMP Snooping", SYN_INTEGER, ACC_READWRITE},
    {},
};

const OvSNMPVarDef kBandwidthControlTable[] = {
    {VENDOR ".11.63.11.2.3.1.1.1", "QoS Bandwidth Port Index", SYN_INTEGER, ACC_NOTACCESS},
    {VENDOR ".11.63.11.2.3.1.1.2", "QoS Bandwidth RX Rate", SYN_INTEGER, ACC_READWRITE},
    {VENDOR ".11.63.11.2.3.1.1.3", "QoS Bandwidth TX Rate", SYN_INTEGER, ACC_READWRITE},
    {VENDOR ".11.63.11.2.3.1.1.4", "QoS Bandwidth RADIUS RX Rate", SYN_INTEGER, ACC_READONLY},
    {VENDOR ".11.63.11.2.3.1.1.5", "QoS Bandwidth RADIUS TX Rate", SYN_INTEGER, ACC_READONLY},
    {},
};

class SimRequest : public ::testing::Test {
protected:
    void SetUp() override {
        previous_ = std::filesystem::current_path();
        std::filesystem::current_path(dir_.Path());
        CreateGlobalSession("");
        DefaultSettings().Device = {"127.0.0.1", static_cast<uint16_t>(switch_.Port())};
        DefaultSettings().Security.Version = 3;
        DefaultSettings().Security.SecurityModel = 3;
        DefaultSettings().Security.SecurityLevel = 3;
        DefaultSettings().Security.SecurityName = SimSwitch::ShaDesUser;
        DefaultSettings().Security.AuthPassword = SimSwitch::ShaPassword;
        DefaultSettings().Security.PrivPassword = SimSwitch::DesPassword;
        DefaultSettings().Security.AuthProtocol = 3;
        DefaultSettings().Security.PrivProtocol = 2;
    }
    void TearDown() override {
        OvSNMPSession::DestroyGlobal();
        std::filesystem::current_path(previous_);
    }
    std::unique_ptr<OvSNMPRequest> Make(const OvSNMPVarDef* table, uint8_t itemType, int keys) {
        auto r = std::make_unique<OvSNMPRequest>();
        r->List.Assign(OvSNMPVarList(table, itemType, keys));
        return r;
    }
    static void WaitFor(const bool& done) {
        QElapsedTimer clock;
        clock.start();
        while (!done && clock.elapsed() < 15000)
            QCoreApplication::processEvents(QEventLoop::WaitForMoreEvents, 50);
    }

    SimSwitch switch_;
    TempDir dir_;
    std::filesystem::path previous_;
};

// Walks a table through GetAsync, one row per completion.
struct AsyncWalker {
    OvSNMPRequest* request = nullptr;
    std::vector<std::string> rxRates;
    std::vector<int32_t> codes;
    bool finished = false;
    std::function<void(int rows)> afterRow;
    static void Row(void* self, OvSNMPError& record, OvSNMPVarList& list) {
        auto* w = static_cast<AsyncWalker*>(self);
        w->codes.push_back(record.Code);
        if (record.Code == 0 && list.Item(1).Value != "(NOTDONE)")
            w->rxRates.push_back(list.Item(0).Value + ":" + list.Item(1).Value);
        if (record.Finished) {
            w->finished = true;
            return;
        }
        if (w->afterRow)
            w->afterRow(static_cast<int>(w->rxRates.size()));
        w->request->GetAsync(&AsyncWalker::Row, w, false);
    }
};

TEST_F(SimRequest, ScalarGroupIsReadWithOneGet) {
    auto r = Make(kSystemScalars, SVT_SV, 0);
    switch_.ClearJournal();
    EXPECT_FALSE(r->FetchRow(true));
    EXPECT_EQ(r->List.Item(0).Value, "10.90.90.90");
    EXPECT_EQ(r->List.Item(1).Value, "255.255.255.0");
    EXPECT_EQ(r->List.Item(3).Value, "3");
    const auto journal = switch_.Journal();
    ASSERT_EQ(journal.size(), 1u);
    EXPECT_EQ(journal[0].operation, "GET");
    EXPECT_EQ(journal[0].version, "v3");
    EXPECT_EQ(journal[0].security, "shades:authPriv");
    ASSERT_EQ(journal[0].varbinds.size(), 5u);
    EXPECT_EQ(journal[0].varbinds[3].oid, VENDOR ".11.63.11.2.1.2.16.0");
}

TEST_F(SimRequest, TableIsWalkedAsynchronouslyThroughTheEventPump) {
    auto r = Make(kBandwidthControlTable, MVT_UMV, 1);
    AsyncWalker walker;
    walker.request = r.get();
    switch_.ClearJournal();
    r->GetAsync(&AsyncWalker::Row, &walker, true);
    WaitFor(walker.finished);
    ASSERT_TRUE(walker.finished);
    EXPECT_EQ(walker.rxRates.size(), 28u);
    EXPECT_EQ(walker.rxRates.front().substr(0, 2), "1:");
    EXPECT_EQ(walker.rxRates.back().substr(0, 3), "28:");
    EXPECT_EQ(walker.codes.back(), 0);
    const auto journal = switch_.Journal();
    ASSERT_EQ(journal.size(), 29u) << "one get-next per row and one that ends every column";
    for (const auto& entry : journal) {
        EXPECT_EQ(entry.operation, "GETNEXT");
        EXPECT_EQ(entry.varbinds.size(), 4u);
    }
}

TEST_F(SimRequest, WriteOfSelectedItemsSendsOnlyThem) {
    auto r = Make(kSystemScalars, SVT_SV, 0);
    r->FetchRow(true);
    r->List.Item(3).Value = "2";
    r->List.Item(4).Value = "3";
    r->List.Item(0).Value = "10.1.1.1";  // not selected: must not be written
    switch_.ClearJournal();
    r->SetSync(false, "3,4");
    const auto journal = switch_.Journal();
    ASSERT_EQ(journal.size(), 1u);
    EXPECT_EQ(journal[0].operation, "SET");
    ASSERT_EQ(journal[0].varbinds.size(), 2u);
    EXPECT_EQ(journal[0].varbinds[0].oid, VENDOR ".11.63.11.2.1.2.16.0");
    EXPECT_EQ(journal[0].varbinds[0].type, "INTEGER");
    EXPECT_EQ(journal[0].varbinds[0].value, "2");
    EXPECT_EQ(journal[0].varbinds[1].oid, VENDOR ".11.63.11.2.1.2.7.0");
    EXPECT_EQ(journal[0].varbinds[1].value, "3");
    auto check = Make(kSystemScalars, SVT_SV, 0);
    check->FetchRow(true);
    EXPECT_EQ(check->List.Item(0).Value, "10.90.90.90");
    EXPECT_EQ(check->List.Item(3).Value, "2");
}

TEST_F(SimRequest, AgentGoingSilentInTheMiddleOfAWalkEndsItWithATimeout) {
    auto r = Make(kBandwidthControlTable, MVT_UMV, 1);
    r->Timeout = 20;
    AsyncWalker walker;
    walker.request = r.get();
    walker.afterRow = [&](int rows) {
        if (rows == 3)
            switch_.SetSilent(true);
    };
    r->GetAsync(&AsyncWalker::Row, &walker, true);
    WaitFor(walker.finished);
    ASSERT_TRUE(walker.finished);
    EXPECT_EQ(walker.rxRates.size(), 3u);
    EXPECT_EQ(walker.codes.back(), -405);
    EXPECT_EQ(r->Pending, 0);
}

TEST_F(SimRequest, AgentErrorForOneObjectIsReported) {
    switch_.SetErrorFor(VENDOR ".11.63.11.2.1.2.16.0", 5);
    auto r = Make(kSystemScalars, SVT_SV, 0);
    try {
        r->FetchRow(true);
        FAIL();
    } catch (const OvException& e) {
        EXPECT_EQ(e.Code(), -105);
        EXPECT_EQ(e.Text(), "(SNMP) Cannot perform operation, General Error!");
    }
}

}  // namespace
