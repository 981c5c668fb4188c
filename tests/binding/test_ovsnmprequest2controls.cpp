#include <gtest/gtest.h>

#include "messageboxrecorder.h"
#include "ovexception.h"
#include "ovmessagetables.h"
#include "ovsnmprequest2controls.h"
#include "ovvendor.h"
#include "recordingtransport.h"
#include "simsessiontest.h"
#include "statusbar.h"
#include "statuspanel.h"

#include <QPlainTextEdit>
#include <QRegularExpression>

#include <memory>
#include <string>
#include <vector>

namespace {

const std::string S = "1.3.6.1.4.1.99.2";     // scalar group
const std::string T = "1.3.6.1.4.1.99.1.1";   // table entry

const OvSNMPVarDef Scalars[] = {
    {"1.3.6.1.4.1.99.2.2", "Name", SYN_DISPLAYSTR, ACC_READWRITE},
    {"1.3.6.1.4.1.99.2.1", "Mode", SYN_INTEGER, ACC_READWRITE},
    {},
};

const OvSNMPVarDef Columns[] = {
    {"1.3.6.1.4.1.99.1.1.1", "Index", SYN_INTEGER, ACC_NOTACCESS},
    {"1.3.6.1.4.1.99.1.1.2", "Rate", SYN_INTEGER, ACC_READWRITE},
    {},
};

// Records what the base asks of a binding, in order.
class ProbeBinding : public OvSNMPRequest2Controls {
public:
    using OvSNMPRequest2Controls::OvSNMPRequest2Controls;

    std::vector<std::string> calls;
    std::vector<bool> busyWhenShown;
    std::function<void()> onShow;
    std::string collected = "42";

protected:
    void BeforeGet() override { calls.push_back("BeforeGet"); }
    void BeforeSet() override { calls.push_back("BeforeSet"); }
    void ShowValues() override {
        busyWhenShown.push_back(Busy);
        std::string row;
        for (int i = 0; i < Request.List.Count(); ++i) row += (i ? "|" : "") + Request.List.Item(i).Value;
        calls.push_back("Show " + row);
        if (onShow) onShow();
    }
    void CollectValues() override {
        calls.push_back("Collect");
        Request.List.Item(1).Value = collected;
    }
    void AfterGet() override { calls.push_back("AfterGet"); }
    void AfterSet() override { calls.push_back("AfterSet"); }
};

struct DoneLog {
    std::vector<OvSNMPError> records;
    void Attach(OvSNMPRequest2Controls::DoneHandler& hook) {
        hook = [this](OvSNMPRequest2Controls&, const OvSNMPError& r) { records.push_back(r); };
    }
};

const QRegularExpression TimeEnd(R"( \d\d:\d\d:\d\d \S+\.$)");

class BindingBase : public ::testing::Test {
protected:
    BindingBase() : transport_(agent_) {
        agent_.Put(S + ".1.0", 3);
        agent_.PutText(S + ".2.0", "core");
        for (int row = 1; row <= 3; ++row) agent_.Put(T + ".2." + std::to_string(row), 100 * row);
        agent_.Put("1.3.6.1.4.1.99.9.0", 1);   // beyond the table
    }
    std::unique_ptr<ProbeBinding> Make(const OvSNMPVarDef* table, uint8_t itemType, int keys, uint8_t mode) {
        auto binding = std::make_unique<ProbeBinding>(&owner_);
        binding->Request.SetTransport(&transport_);
        binding->Request.List.Assign(OvSNMPVarList(table, itemType, keys));
        binding->Mode = mode;
        binding->SetStatusTarget(&memo_);
        return binding;
    }
    QStringList MemoLines() const { return memo_.toPlainText().split('\n', Qt::SkipEmptyParts); }
    QString LastLine() const { return MemoLines().value(MemoLines().size() - 1); }
    void DeliverUntilQuiet() {
        while (transport_.DeliverAll() > 0) {}
    }

    QWidget owner_;
    QPlainTextEdit memo_;
    MemoryAgent agent_;
    RecordingTransport transport_;
};

TEST_F(BindingBase, StatusLineNamesTheListOnlyWhenItHasAName) {
    struct Case { int operation; const char* name; const char* text; const char* head; };
    const Case cases[] = {
        {0, "", "Ok", "Get: Ok. Receive at"},
        {0, "System", "Ok", "Get: Ok Request:System. Receive at"},
        {1, "", "Timeout", "Set: Timeout. Receive at"},
        {1, "Ports", "No [TIME] here", "Set: No [TIME] here Request:Ports. Receive at"},
    };
    auto b = Make(Scalars, SVT_SV, 0, 0);
    for (const Case& c : cases) {
        b->Request.List.Name = c.name;
        b->LastOperation = c.operation;
        b->ShowStatus(c.text);
        const QString line = LastLine();
        if (std::string(c.text).find("[TIME]") == std::string::npos) {
            EXPECT_TRUE(line.startsWith(c.head)) << line.toStdString();
            EXPECT_TRUE(TimeEnd.match(line).hasMatch()) << line.toStdString();
        } else {
            // The time goes into every "[TIME]", the one the text brought too.
            EXPECT_FALSE(line.contains("[TIME]")) << line.toStdString();
        }
    }
    EXPECT_EQ(MemoLines().size(), 4);
}

TEST_F(BindingBase, StatusLinesGoToTheirTargetOnly) {
    auto b = Make(Scalars, SVT_SV, 0, 0);
    StatusBar bar;
    StatusPanel* panel = bar.AddPanel(200);
    MessageBoxRecorder boxes;

    b->SetStatusTarget(&bar);
    b->ShowStatus("to the bar");
    EXPECT_TRUE(bar.SimpleText().startsWith("Get: to the bar. Receive at"));
    b->SetStatusTarget(panel);
    b->ShowStatus("to the panel");
    EXPECT_TRUE(panel->text().startsWith("Get: to the panel."));
    EXPECT_TRUE(bar.SimpleText().startsWith("Get: to the bar."));
    {
        QPlainTextEdit gone;
        b->SetStatusTarget(&gone);
    }
    EXPECT_EQ(b->StatusTarget(), nullptr);
    b->ShowStatus("nowhere");
    EXPECT_EQ(boxes.Count(), 0);
    EXPECT_TRUE(memo_.toPlainText().isEmpty());
}

TEST_F(BindingBase, SynchronousGetShowsScalarsOnceAndTableRowsInTurn) {
    auto scalar = Make(Scalars, SVT_SV, 0, 0);
    scalar->Get();
    EXPECT_EQ(scalar->calls, (std::vector<std::string>{"BeforeGet", "Show core|3", "AfterGet"}));
    EXPECT_EQ(scalar->RowCount, 1);
    EXPECT_EQ(scalar->busyWhenShown, std::vector<bool>{true});
    EXPECT_FALSE(scalar->Busy);
    EXPECT_TRUE(LastLine().startsWith("Get: Ok. Receive at"));

    auto table = Make(Columns, MVT_UMV, 1, 0);
    table->Get();
    EXPECT_EQ(table->calls,
              (std::vector<std::string>{"BeforeGet", "Show 1|100", "Show 2|200", "Show 3|300", "AfterGet"}));
    EXPECT_EQ(table->RowCount, 3);
    EXPECT_EQ(MemoLines().size(), 2);
}

TEST_F(BindingBase, ConditionAndRowFilterBothDecideWhichRowsCount) {
    auto source = std::make_unique<OvSNMPRequest>();
    source->List.Assign(OvSNMPVarList(Scalars, SVT_SV, 0));
    source->List.Item(1).Value = "200";

    for (const uint8_t mode : {OvSNMPRequest2Controls::Synchronous, OvSNMPRequest2Controls::Asynchronous}) {
        auto b = Make(Columns, MVT_FMV, 1, mode);
        b->FilterSource = source.get();
        b->FilterText = "$1=#1";
        EXPECT_EQ(b->RowFilter(), "$1=200");
        b->Get();
        DeliverUntilQuiet();
        EXPECT_EQ(b->calls, (std::vector<std::string>{"BeforeGet", "Show 2|200", "AfterGet"})) << int(mode);
        EXPECT_EQ(b->RowCount, 1);

        b->Request.Condition = "$0=1";   // no row holds both
        b->calls.clear();
        b->Get();
        DeliverUntilQuiet();
        EXPECT_EQ(b->RowCount, 0);
    }
    ProbeBinding unfiltered(&owner_);
    unfiltered.FilterText = "$1=#0";
    EXPECT_EQ(unfiltered.RowFilter(), "") << "a filter text without a source filters nothing";
}

TEST_F(BindingBase, AnEmptyTableStillEndsWell) {
    auto b = Make(Columns, MVT_UMV, 1, 1);
    b->Request.List.Item(1).Oid = "1.3.6.1.4.1.99.1.1.7";   // a column without rows
    DoneLog done;
    done.Attach(b->OnGetDone);
    b->Get();
    DeliverUntilQuiet();
    EXPECT_EQ(b->calls, (std::vector<std::string>{"BeforeGet", "AfterGet"}));
    EXPECT_EQ(b->RowCount, 0);
    ASSERT_EQ(done.records.size(), 1u);
    EXPECT_EQ(done.records[0].Code, 0);
    EXPECT_TRUE(LastLine().startsWith("Get: Ok."));
}

TEST_F(BindingBase, AsynchronousWalkIsBusyToTheEndAndTellsThePageOnce) {
    auto b = Make(Columns, MVT_FMV, 1, 1);
    DoneLog done;
    done.Attach(b->OnGetDone);
    b->Get();
    EXPECT_TRUE(b->Busy);
    EXPECT_EQ(transport_.Sent.size(), 1u);
    int responses = 0;
    while (transport_.DeliverAll() > 0) {
        ++responses;
        if (!done.records.empty()) break;
        EXPECT_TRUE(b->Busy) << "after response " << responses;
    }
    EXPECT_FALSE(b->Busy);
    EXPECT_EQ(responses, 4) << "three rows and the end of every column";
    EXPECT_EQ(b->RowCount, 3);
    ASSERT_EQ(done.records.size(), 1u);
    EXPECT_TRUE(done.records[0].Finished);
    EXPECT_EQ(b->calls.back(), "AfterGet");
    EXPECT_TRUE(LastLine().startsWith("Get: Ok. Receive at"));
}

TEST_F(BindingBase, NothingHappensWhileTheRequestIsNotAlive) {
    auto b = Make(Columns, MVT_FMV, 1, 1);
    DoneLog done;
    done.Attach(b->OnGetDone);
    done.Attach(b->OnSetDone);
    b->Request.Alive = false;
    b->Get();
    EXPECT_FALSE(b->Busy);
    b->Set(true, true);
    EXPECT_FALSE(b->Busy);
    EXPECT_TRUE(transport_.Sent.empty());
    EXPECT_TRUE(done.records.empty());
    EXPECT_TRUE(memo_.toPlainText().isEmpty());
}

TEST_F(BindingBase, AsynchronousFailuresAreReportedWhereThePageShowsThem) {
    const std::string timeout = OvException::FromSnmpResult(-5).Text();
    struct Case { bool withTarget; bool set; };
    for (const Case c : {Case{true, false}, Case{true, true}, Case{false, false}, Case{false, true}}) {
        memo_.clear();
        MessageBoxRecorder boxes;
        auto b = Make(Scalars, SVT_SV, 0, 1);
        if (!c.withTarget) b->SetStatusTarget(static_cast<QPlainTextEdit*>(nullptr));
        DoneLog done;
        done.Attach(c.set ? b->OnSetDone : b->OnGetDone);
        c.set ? b->Set(false, false) : b->Get();
        transport_.FailAll(-5);
        EXPECT_FALSE(b->Busy);
        ASSERT_EQ(done.records.size(), 1u);
        EXPECT_EQ(done.records[0].Code, -405);
        EXPECT_EQ(b->LastOperation, c.set ? 1 : 0);
        if (c.withTarget) {
            EXPECT_EQ(LastLine().toStdString().rfind((c.set ? "Set: " : "Get: ") + timeout + ". Receive at", 0), 0u)
                << LastLine().toStdString();
            EXPECT_EQ(boxes.Count(), 0);
        } else {
            ASSERT_EQ(boxes.Count(), 1);
            EXPECT_EQ(boxes.Boxes()[0].caption, "test_binding");
            EXPECT_EQ(boxes.Boxes()[0].text.toStdString(), timeout);
            EXPECT_EQ(boxes.Boxes()[0].buttons, MessageBox::Buttons::Ok);
            EXPECT_EQ(boxes.Boxes()[0].parent, &owner_);
        }
    }
}

TEST_F(BindingBase, SynchronousFailuresLeaveAsExceptionsAndClearBusy) {
    auto b = Make(Scalars, SVT_SV, 0, 0);
    transport_.ForcedStatus = -5;
    for (bool set : {false, true}) {
        try {
            set ? b->Set(false, false) : b->Get();
            ADD_FAILURE() << "no exception";
        } catch (const OvException& e) {
            EXPECT_EQ(e.Code(), -405);
        }
        EXPECT_FALSE(b->Busy);
    }
    EXPECT_TRUE(memo_.toPlainText().isEmpty());
    transport_.ForcedStatus = 0;
    b->onShow = [] { throw OvException::Own(-517); };
    EXPECT_THROW(b->Get(), OvException);
    EXPECT_FALSE(b->Busy);
}

TEST_F(BindingBase, AValueThatCannotBeShownEndsTheAsynchronousWalkWithItsMessage) {
    auto b = Make(Columns, MVT_UMV, 1, 1);
    DoneLog done;
    done.Attach(b->OnGetDone);
    int shown = 0;
    b->onShow = [&shown] {
        if (++shown == 2) throw OvException::Own(-517);
    };
    b->Get();
    DeliverUntilQuiet();
    EXPECT_FALSE(b->Busy);
    EXPECT_TRUE(done.records.empty());
    EXPECT_EQ(b->calls.back(), "Show 2|200") << "no further row, no AfterGet";
    EXPECT_EQ(LastLine().toStdString().rfind("Get: " + OvMessageTables::OwnText(-517) + ".", 0), 0u);
}

TEST_F(BindingBase, SynchronousSetReadsATableAgainButNotAScalarGroup) {
    struct Case { uint8_t itemType; int keys; const OvSNMPVarDef* table; bool collect; size_t pdus; };
    const Case cases[] = {
        {SVT_SV, 0, Scalars, true, 1},
        {MVT_UMV, 1, Columns, true, 5},    // the set, then three rows and the end
        {MVT_UMV, 1, Columns, false, 5},
    };
    for (const Case& c : cases) {
        transport_.Sent.clear();
        auto b = Make(c.table, c.itemType, c.keys, 0);
        if (c.itemType != SVT_SV) b->Request.List.Item(0).Value = "2";
        b->Request.List.Item(1).Value = "7";
        b->Set(true, c.collect);
        ASSERT_EQ(transport_.Sent.size(), c.pdus);
        EXPECT_EQ(transport_.Sent[0].Type, OvPdu::Kind::Set);
        EXPECT_EQ(transport_.Sent[0].Vbs.back().Integer, c.collect ? 42 : 7);
        EXPECT_EQ(b->calls[0], "BeforeSet");
        EXPECT_EQ(b->calls[1], c.collect ? "Collect" : "AfterSet");
        EXPECT_FALSE(b->Busy);
    }
    EXPECT_TRUE(MemoLines().value(0).startsWith("Set: Ok. Receive at"));
}

TEST_F(BindingBase, AsynchronousSetOfATableReadsItAgainAfterTellingThePage) {
    auto b = Make(Columns, MVT_UMV, 1, 1);
    b->Request.List.Item(0).Value = "3";
    std::vector<std::string> order;
    b->OnSetDone = [&order, &b](OvSNMPRequest2Controls&, const OvSNMPError& r) {
        order.push_back("SetDone " + std::to_string(r.Code) + (b->Busy ? " busy" : ""));
    };
    b->OnGetDone = [&order](OvSNMPRequest2Controls&, const OvSNMPError&) { order.push_back("GetDone"); };
    b->Set(true, true);
    EXPECT_TRUE(b->Busy);
    DeliverUntilQuiet();
    EXPECT_EQ(order, (std::vector<std::string>{"SetDone 0", "GetDone"}));
    EXPECT_EQ(b->RowCount, 3);
    EXPECT_EQ(MemoLines().size(), 2);
    EXPECT_TRUE(MemoLines().value(0).startsWith("Set: Ok."));
}

TEST_F(BindingBase, APageMayCloseFromItsDoneHandler) {
    auto b = Make(Columns, MVT_UMV, 1, 1);
    b->Request.List.Item(0).Value = "3";
    b->OnSetDone = [&b](OvSNMPRequest2Controls&, const OvSNMPError&) { b.reset(); };
    b->Set(true, false);
    transport_.DeliverAll();
    EXPECT_EQ(b, nullptr);
    EXPECT_EQ(transport_.Sent.size(), 1u) << "the destroyed binding reads nothing again";
}

// Against the simulated switch over UDP.
class BindingOnSwitch : public SimSessionTest {};

const OvSNMPVarDef BandwidthTable[] = {
    {VENDOR_ARC ".11.63.11.2.3.1.1.1", "Port", SYN_INTEGER, ACC_NOTACCESS},
    {VENDOR_ARC ".11.63.11.2.3.1.1.2", "RX Rate", SYN_INTEGER, ACC_READWRITE},
    {VENDOR_ARC ".11.63.11.2.3.1.1.3", "TX Rate", SYN_INTEGER, ACC_READWRITE},
    {},
};

const OvSNMPVarDef DeviceScalars[] = {
    {VENDOR_ARC ".11.63.11.2.1.2.16", "RMON State", SYN_INTEGER, ACC_READWRITE},
    {VENDOR_ARC ".11.63.11.2.1.2.7", "IGMP Snooping", SYN_INTEGER, ACC_READWRITE},
    {},
};

TEST_F(BindingOnSwitch, AsynchronousWalkShowsEveryPortRow) {
    QWidget owner;
    QPlainTextEdit memo;
    ProbeBinding b(&owner);
    b.Request.List.Assign(OvSNMPVarList(BandwidthTable, MVT_UMV, 1));
    b.SetStatusTarget(&memo);
    DoneLog done;
    done.Attach(b.OnGetDone);
    b.Get();
    ASSERT_TRUE(WaitFor([&] { return !done.records.empty(); }));
    EXPECT_EQ(done.records[0].Code, 0);
    EXPECT_EQ(b.RowCount, 28);
    EXPECT_EQ(b.calls[7], "Show 7|64|32");
    EXPECT_EQ(b.calls[12], "Show 12|100|100");
    EXPECT_TRUE(memo.toPlainText().startsWith("Get: Ok. Receive at"));
    const auto journal = switch_.Journal();
    ASSERT_EQ(journal.size(), 29u);
    for (const SimJournalEntry& e : journal) EXPECT_EQ(e.operation, "GETNEXT");
    EXPECT_EQ(journal[0].varbinds[0].oid, Vendor(".11.63.11.2.3.1.1.2"));
    EXPECT_EQ(journal[28].varbinds[1].oid, Vendor(".11.63.11.2.3.1.1.3.28"));
}

TEST_F(BindingOnSwitch, SynchronousSetWritesWhatTheBindingCollected) {
    QWidget owner;
    ProbeBinding b(&owner);
    b.Mode = OvSNMPRequest2Controls::Synchronous;
    b.Request.List.Assign(OvSNMPVarList(DeviceScalars, SVT_SV, 0));
    b.Get();
    EXPECT_EQ(b.calls[1], "Show 3|2");
    b.Request.List.Item(0).Value = "2";
    b.collected = "1";
    switch_.ClearJournal();
    b.Set(true, true);
    const auto journal = switch_.Journal();
    ASSERT_EQ(journal.size(), 1u) << "a scalar group is not read again";
    EXPECT_EQ(journal[0].operation, "SET");
    ASSERT_EQ(journal[0].varbinds.size(), 2u);
    EXPECT_EQ(journal[0].varbinds[0].oid, Vendor(".11.63.11.2.1.2.16.0"));
    EXPECT_EQ(journal[0].varbinds[0].value, "2");
    EXPECT_EQ(journal[0].varbinds[1].value, "1");
    b.Get();
    EXPECT_EQ(b.calls.back(), "AfterGet");
    EXPECT_EQ(b.calls[b.calls.size() - 2], "Show 2|1");
}

TEST_F(BindingOnSwitch, ABindingDestroyedWithAResponseInFlightIsNotCalled) {
    switch_.SetDelay(300);
    QWidget owner;
    auto b = std::make_unique<ProbeBinding>(&owner);
    b->Request.List.Assign(OvSNMPVarList(DeviceScalars, SVT_SV, 0));
    bool told = false;
    b->OnGetDone = [&told](OvSNMPRequest2Controls&, const OvSNMPError&) { told = true; };
    b->Get();
    b.reset();   // waits for the response, which must find the binding gone
    QCoreApplication::processEvents();
    EXPECT_FALSE(told);
    EXPECT_EQ(switch_.Journal().size(), 1u);
}

}  // namespace
