#include <gtest/gtest.h>

#include <QCoreApplication>
#include <QTimer>

#include <memory>

#include "ovexception.h"
#include "ovsnmprequest.h"
#include "recordingtransport.h"

namespace {

// T is a table entry; column 2 is read-only, column 3 read-write.
const std::string T = "1.3.6.1.4.1.99.1.1";
const OvSNMPVarDef kThreeColumns[] = {
    {" ", "Index", SYN_INTEGER, ACC_NOTACCESS},
    {"1.3.6.1.4.1.99.1.1.2", "A", SYN_INTEGER, ACC_READONLY},
    {"1.3.6.1.4.1.99.1.1.3", "B", SYN_INTEGER, ACC_READWRITE},
    {},
};

class Request : public ::testing::Test {
protected:
    Request() : transport_(agent_) {}
    std::unique_ptr<OvSNMPRequest> Make(const OvSNMPVarDef* table, uint8_t itemType, int keyCount) {
        auto request = std::make_unique<OvSNMPRequest>();
        request->SetTransport(&transport_);
        request->List.Assign(OvSNMPVarList(table, itemType, keyCount));
        return request;
    }
    const OvPdu& LastSent() const { return transport_.Sent.back(); }

    MemoryAgent agent_;
    RecordingTransport transport_;
};

TEST_F(Request, WalksATableRowByRowThenEndsEveryColumn) {
    agent_.Put(T + ".2.1", 5);
    agent_.Put(T + ".3.1", 7);
    agent_.Put("1.3.6.1.4.1.99.2.0", 1);  // beyond the table
    auto r = Make(kThreeColumns, MVT_FMV, 1);

    EXPECT_TRUE(r->FetchRow(true));
    EXPECT_EQ(LastSent().Type, OvPdu::Kind::GetNext);
    EXPECT_EQ(Oids(LastSent()), (std::vector<std::string>{T + ".2", T + ".3"}));
    EXPECT_EQ(r->List.Item(1).Value, "5");
    EXPECT_EQ(r->List.Item(1).InstanceOid, T + ".2.1");
    EXPECT_EQ(r->List.Item(2).Value, "7");
    EXPECT_EQ(r->List.Item(2).InstanceOid, T + ".3.1");
    EXPECT_EQ(r->List.Item(0).Value, "1");
    EXPECT_EQ(r->List.Item(0).InstanceOid, " .1");

    EXPECT_FALSE(r->FetchRow(false));
    EXPECT_EQ(Oids(LastSent()), (std::vector<std::string>{T + ".2.1", T + ".3.1"}));
    EXPECT_EQ(r->List.Item(1).Value, "(NOTDONE)");
    EXPECT_EQ(r->List.Item(2).Value, "(NOTDONE)");
    EXPECT_EQ(r->List.Item(1).InstanceOid, T + ".2.1");

    r->List.Item(0).Value = "2";
    r->List.Item(2).Value = "9";
    EXPECT_FALSE(r->SetSync(false, ""));
    ASSERT_EQ(LastSent().Type, OvPdu::Kind::Set);
    ASSERT_EQ(LastSent().Vbs.size(), 1u);
    EXPECT_EQ(LastSent().Vbs[0].Oid, T + ".3.2");
    EXPECT_EQ(LastSent().Vbs[0].Syntax, OvVb::Integer32);
    EXPECT_EQ(LastSent().Vbs[0].Integer, 9);
}

TEST_F(Request, EmptyTableEndsAtTheFirstRead) {
    agent_.Put("1.3.6.1.4.1.99.2.0", 1);
    auto r = Make(kThreeColumns, MVT_UMV, 1);
    EXPECT_FALSE(r->FetchRow(true));
    EXPECT_EQ(r->List.Item(1).Value, "(NOTDONE)");
    EXPECT_EQ(r->List.Item(2).Value, "(NOTDONE)");
}

TEST_F(Request, Version1EndOfViewEndsTheWalkWithoutError) {
    agent_.Version1 = true;
    agent_.Put(T + ".2.1", 5);
    agent_.Put(T + ".3.1", 7);
    auto r = Make(kThreeColumns, MVT_FMV, 1);
    ASSERT_TRUE(r->FetchRow(true));
    // The next read runs past the last object of the agent.
    EXPECT_FALSE(r->FetchRow(false));
    EXPECT_EQ(r->List.Item(2).Value, "7");
}

TEST_F(Request, Version1NoSuchNameInTheMiddleIsAnError) {
    agent_.Version1 = true;
    auto r = Make(kThreeColumns, MVT_FMV, 1);
    try {
        r->FetchRow(true);
        FAIL();
    } catch (const OvException& e) {
        EXPECT_EQ(e.Code(), -102);
        EXPECT_EQ(e.Text(), "(SNMP) Variable does not exist!");
    }
}

TEST_F(Request, ColumnsEndingAtDifferentRowsGoOnUntilAllEnd) {
    agent_.Put(T + ".2.1", 10);
    agent_.Put(T + ".3.1", 11);
    agent_.Put(T + ".3.2", 21);
    agent_.Put(T + ".3.3", 31);
    auto r = Make(kThreeColumns, MVT_FMV, 1);
    ASSERT_TRUE(r->FetchRow(true));
    ASSERT_TRUE(r->FetchRow(false));
    EXPECT_EQ(r->List.Item(1).Value, "(NOTDONE)");
    EXPECT_EQ(r->List.Item(2).Value, "21");
    EXPECT_EQ(r->List.Item(0).Value, "2") << "the row is named by the column still inside itself";
    ASSERT_TRUE(r->FetchRow(false));
    EXPECT_EQ(r->List.Item(2).Value, "31");
    EXPECT_EQ(r->List.Item(0).Value, "3");
    EXPECT_FALSE(r->FetchRow(false));
}

TEST_F(Request, ColumnWalkDoesNotRunIntoColumnTen) {
    const OvSNMPVarDef table[] = {
        {" ", "Index", SYN_INTEGER, ACC_NOTACCESS},
        {"1.3.6.1.4.1.99.1.1.1", "One", SYN_INTEGER, ACC_READONLY},
        {},
    };
    agent_.Put(T + ".1.7", 1);
    agent_.Put(T + ".10.7", 2);
    auto r = Make(table, MVT_UMV, 1);
    ASSERT_TRUE(r->FetchRow(true));
    EXPECT_FALSE(r->FetchRow(false));
}

TEST_F(Request, ScalarGroupIsOneGetAtInstanceZero) {
    const OvSNMPVarDef table[] = {
        {"1.3.6.1.4.1.99.5.1", "Name", SYN_DISPLAYSTR, ACC_READWRITE},
        {"1.3.6.1.4.1.99.5.2", "Secret", SYN_DISPLAYSTR, ACC_WRITEONLY},
        {"1.3.6.1.4.1.99.5.3", "Mode", SYN_INTEGER, ACC_READONLY},
        {},
    };
    agent_.PutText("1.3.6.1.4.1.99.5.1.0", "switch-1");
    agent_.Put("1.3.6.1.4.1.99.5.3.0", 3);
    auto r = Make(table, SVT_SV, 0);
    EXPECT_FALSE(r->FetchRow(true));
    EXPECT_EQ(LastSent().Type, OvPdu::Kind::Get);
    EXPECT_EQ(Oids(LastSent()),
              (std::vector<std::string>{"1.3.6.1.4.1.99.5.1.0", "1.3.6.1.4.1.99.5.3.0"}));
    EXPECT_EQ(r->List.Item(0).Value, "switch-1");
    EXPECT_EQ(r->List.Item(2).Value, "3");
    try {
        r->FetchRow(false);
        FAIL();
    } catch (const OvException& e) {
        EXPECT_EQ(e.Code(), -510);
    }
}

TEST_F(Request, SingleRowListUsesItsInstanceOrTheBareOids) {
    const OvSNMPVarDef table[] = {{"1.3.6.1.4.1.99.6.1", "X", SYN_INTEGER, ACC_READONLY}, {}};
    auto r = Make(table, MVT_SV, 0);
    r->FetchRow(true);
    EXPECT_EQ(Oids(LastSent()), std::vector<std::string>{"1.3.6.1.4.1.99.6.1"});
    EXPECT_EQ(LastSent().Type, OvPdu::Kind::Get);
    r->List.Instance = "4.2";
    r->UseGetNext = true;
    r->FetchRow(true);
    EXPECT_EQ(Oids(LastSent()), std::vector<std::string>{"1.3.6.1.4.1.99.6.1.4.2"});
    EXPECT_EQ(LastSent().Type, OvPdu::Kind::GetNext);
}

TEST_F(Request, SelectionWritesOnlyItsVariablesAndRestoresTheList) {
    const OvSNMPVarDef table[] = {
        {"1.3.6.1.4.1.99.7.1", "A", SYN_INTEGER, ACC_READWRITE},
        {"1.3.6.1.4.1.99.7.2", "B", SYN_INTEGER, ACC_READWRITE},
        {"1.3.6.1.4.1.99.7.3", "C", SYN_INTEGER, ACC_READWRITE},
        {},
    };
    auto r = Make(table, SVT_SV, 0);
    for (int i = 0; i < 3; ++i)
        r->List.Item(i).Value = std::to_string(i + 1);
    r->SetSync(false, "1");
    ASSERT_EQ(LastSent().Vbs.size(), 1u);
    EXPECT_EQ(LastSent().Vbs[0].Oid, "1.3.6.1.4.1.99.7.2.0");
    EXPECT_EQ(LastSent().Vbs[0].Integer, 2);
    for (int i = 0; i < 3; ++i) {
        EXPECT_EQ(r->List.Item(i).Value, std::to_string(i + 1));
        EXPECT_EQ(r->List.Item(i).Access, ACC_READWRITE);
    }

    struct Source : OvSNMPValueSource {
        std::string ValueAt(int position) const override { return position == 0 ? "30" : "10"; }
    } source;
    r->SetSync(false, "2,0", &source);
    ASSERT_EQ(LastSent().Vbs.size(), 2u);
    EXPECT_EQ(LastSent().Vbs[0].Oid, "1.3.6.1.4.1.99.7.1.0");
    EXPECT_EQ(LastSent().Vbs[0].Integer, 10);
    EXPECT_EQ(LastSent().Vbs[1].Integer, 30);
    EXPECT_EQ(r->List.Item(0).Value, "1");
}

TEST_F(Request, FailedWriteRaisesWithTheListRestored) {
    const OvSNMPVarDef table[] = {{"1.3.6.1.4.1.99.7.1", "A", SYN_INTEGER, ACC_READWRITE},
                                  {"1.3.6.1.4.1.99.7.2", "B", SYN_INTEGER, ACC_READWRITE},
                                  {}};
    auto r = Make(table, SVT_SV, 0);
    r->List.Item(0).Value = "1";
    transport_.ForcedStatus = 17;
    try {
        r->SetSync(false, "1");
        FAIL();
    } catch (const OvException& e) {
        EXPECT_EQ(e.Code(), -117);
    }
    EXPECT_EQ(r->List.Item(0).Access, ACC_READWRITE);
    EXPECT_EQ(r->List.Item(0).Value, "1");
}

TEST_F(Request, RowWriteUsesTheEncodedIndexOfEveryKey) {
    const OvSNMPVarDef table[] = {
        {"1.3.6.1.4.1.99.8.1.1", "Name", SYN_DISPLAYSTR, ACC_NOTACCESS},
        {"1.3.6.1.4.1.99.8.1.2", "Port", SYN_INTEGER, ACC_NOTACCESS},
        {"1.3.6.1.4.1.99.8.1.3", "Status", SYN_INTEGER, ACC_READWRITE},
        {},
    };
    auto r = Make(table, MVT_UMV, 2);
    r->List.Item(0).Value = "ab";
    r->List.Item(1).Value = "7";
    r->List.Item(2).Value = "4";
    r->SetSync(false, "");
    ASSERT_EQ(LastSent().Vbs.size(), 1u);
    EXPECT_EQ(LastSent().Vbs[0].Oid, "1.3.6.1.4.1.99.8.1.3.2.97.98.7");
}

TEST_F(Request, ShortSuffixAndBadItemTypeRaise) {
    const OvSNMPVarDef twoKeys[] = {
        {" ", "K1", SYN_INTEGER, ACC_NOTACCESS},
        {" ", "K2", SYN_INTEGER, ACC_NOTACCESS},
        {"1.3.6.1.4.1.99.1.1.3", "B", SYN_INTEGER, ACC_READONLY},
        {},
    };
    agent_.Put(T + ".3.1", 1);
    auto r = Make(twoKeys, MVT_FMV, 2);
    try {
        r->FetchRow(true);
        FAIL();
    } catch (const OvException& e) {
        EXPECT_EQ(e.Code(), -514);
        EXPECT_EQ(e.Text(), "(VoZIZO++) Bad key count of SNMP variable list!");
    }
    auto bad = Make(kThreeColumns, 7, 1);
    try {
        bad->FetchRow(true);
        FAIL();
    } catch (const OvException& e) {
        EXPECT_EQ(e.Code(), -515);
    }
}

TEST_F(Request, SettingsAreCopiedAtConstruction) {
    ResetDefaultSettings();
    DefaultSettings().Device.Address = "127.0.0.2";
    OvSNMPRequest r;
    DefaultSettings().Device.Address = "10.0.0.1";
    EXPECT_EQ(r.Device.Address, "127.0.0.2");
    EXPECT_EQ(r.Retries, 1);
    EXPECT_EQ(r.Timeout, 100);
    EXPECT_TRUE(r.Alive);
    ResetDefaultSettings();
}

// ---- Completions ----

struct Completed {
    std::vector<OvSNMPError> records;
    std::vector<std::string> values;
    static void Record(void* self, OvSNMPError& record, OvSNMPVarList& list) {
        auto* c = static_cast<Completed*>(self);
        c->records.push_back(record);
        c->values.push_back(list.Count() > 2 ? list.Item(2).Value : std::string());
    }
};

TEST_F(Request, AsynchronousWalkReportsEachRowAndFinishes) {
    agent_.Put(T + ".2.1", 5);
    agent_.Put(T + ".3.1", 7);
    agent_.Put(T + ".2.2", 6);
    agent_.Put(T + ".3.2", 8);
    agent_.Put("1.3.6.1.4.1.99.2.0", 1);
    ResetDefaultSettings();
    auto r = Make(kThreeColumns, MVT_FMV, 1);
    Completed c;
    r->GetAsync(&Completed::Record, &c, true);
    EXPECT_EQ(r->Pending, 1);
    while (transport_.DeliverAll() > 0)
        if (!c.records.back().Finished)
            r->GetAsync(&Completed::Record, &c, false);
    ASSERT_EQ(c.records.size(), 3u);
    EXPECT_FALSE(c.records[0].Finished);
    EXPECT_EQ(c.values[0], "7");
    EXPECT_EQ(c.values[1], "8");
    EXPECT_TRUE(c.records[2].Finished);
    EXPECT_EQ(c.records[2].Code, 0);
    EXPECT_EQ(c.records[2].Text, "Ok");
    EXPECT_EQ(c.records[0].AgentAddress, "127.0.0.1");
    EXPECT_EQ(c.records[0].AgentPort, 161);
    EXPECT_EQ(r->Pending, 0);
}

TEST_F(Request, TimeoutAndClosingSessionReachTheCompletionAsTheyShould) {
    auto r = Make(kThreeColumns, MVT_FMV, 1);
    Completed c;
    r->GetAsync(&Completed::Record, &c, true);
    transport_.FailAll(-5);
    ASSERT_EQ(c.records.size(), 1u);
    EXPECT_EQ(c.records[0].Code, -405);
    EXPECT_TRUE(c.records[0].Finished);
    r->GetAsync(&Completed::Record, &c, true);
    transport_.FailAll(-8);
    EXPECT_EQ(c.records.size(), 1u) << "a closing session is only counted off";
    EXPECT_EQ(r->Pending, 0);
}

TEST_F(Request, NothingIsSentWhileNotAlive) {
    auto r = Make(kThreeColumns, MVT_FMV, 1);
    r->Alive = false;
    Completed c;
    r->GetAsync(&Completed::Record, &c, true);
    r->SetAsync(&Completed::Record, &c, false, "");
    EXPECT_FALSE(r->FetchRow(true));
    EXPECT_FALSE(r->SetSync(false, ""));
    EXPECT_TRUE(transport_.Sent.empty());
}

TEST_F(Request, DestructorWaitsForTheOutstandingCompletion) {
    agent_.Put(T + ".2.1", 5);
    agent_.Put(T + ".3.1", 7);
    auto r = Make(kThreeColumns, MVT_FMV, 1);
    Completed c;
    r->GetAsync(&Completed::Record, &c, true);
    QTimer::singleShot(30, [&] { transport_.DeliverAll(); });
    r.reset();
    ASSERT_EQ(c.records.size(), 1u);
    EXPECT_TRUE(transport_.Cancelled.empty());
}

TEST_F(Request, CompletionNeverReachesADestroyedRequest) {
    auto r = Make(kThreeColumns, MVT_FMV, 1);
    Completed c;
    r->GetAsync(&Completed::Record, &c, true);
    r.reset();  // waits its 6 s, then detaches
    EXPECT_EQ(transport_.Cancelled.size(), 1u);
    EXPECT_EQ(transport_.DeliverAll(), 0);
    EXPECT_TRUE(c.records.empty());
}

TEST_F(Request, CompletionMayDestroyItsRequest) {
    agent_.Put(T + ".2.1", 5);
    agent_.Put(T + ".3.1", 7);
    struct Owner {
        std::unique_ptr<OvSNMPRequest> request;
        bool called = false;
        static void Done(void* self, OvSNMPError&, OvSNMPVarList&) {
            auto* o = static_cast<Owner*>(self);
            o->called = true;
            o->request.reset();
        }
    } owner;
    owner.request = Make(kThreeColumns, MVT_FMV, 1);
    owner.request->GetAsync(&Owner::Done, &owner, true);
    transport_.DeliverAll();
    EXPECT_TRUE(owner.called);
    EXPECT_EQ(owner.request, nullptr);
}

}  // namespace
