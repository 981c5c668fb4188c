#include <gtest/gtest.h>

#include "listview.h"
#include "ovsnmprequest2edits.h"
#include "recordingtransport.h"

#include <QCheckBox>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QTest>

#include <memory>
#include <string>
#include <vector>

namespace {

const std::string T = "1.3.6.1.4.1.99.1.1";

const OvSNMPVarDef Columns[] = {
    {"1.3.6.1.4.1.99.1.1.1", "Port", SYN_INTEGER, ACC_NOTACCESS},
    {"1.3.6.1.4.1.99.1.1.2", "Rate", SYN_INTEGER, ACC_READWRITE},
    {"1.3.6.1.4.1.99.1.1.3", "Key", SYN_DISPLAYSTR, ACC_WRITEONLY},
    {"1.3.6.1.4.1.99.1.1.4", "Name", SYN_DISPLAYSTR, ACC_READONLY},
    {},
};

using Event = std::pair<int, bool>;

// A table page: list view, an edit for the rate and one for the key.
class EditsListView : public ::testing::Test {
protected:
    EditsListView() : transport_(agent_) {
        for (int row = 1; row <= 3; ++row) {
            agent_.Put(T + ".2." + std::to_string(row), 10 * row);
            agent_.PutText(T + ".4." + std::to_string(row), "port" + std::to_string(row));
        }
        agent_.Put("1.3.6.1.4.1.99.9.0", 1);
        view_.resize(400, 200);
        view_.show();
    }
    std::unique_ptr<OvSNMPRequest2Edits> Make(uint8_t itemType, bool editSelectedRow = true) {
        auto b = std::make_unique<OvSNMPRequest2Edits>(&view_);
        b->Request.SetTransport(&transport_);
        b->Request.List.Assign(OvSNMPVarList(Columns, itemType, 1));
        b->Mode = OvSNMPRequest2Controls::Synchronous;
        b->SetStatusTarget(&memo_);
        view_.SetOnSelectItem([this](ListView* sender, QTreeWidgetItem* item, bool selected) {
            EXPECT_EQ(sender, &view_);
            previous_.push_back({view_.RowIndex(item), selected});
        });
        b->BindListView(&view_, editSelectedRow);
        b->AssociateFormatted(1, "%i{n0x1000l4}", &rate_);
        b->Associate(2, &key_);
        return b;
    }
    void Click(int row) {
        QTest::mouseClick(view_.viewport(), Qt::LeftButton, {}, view_.visualItemRect(view_.Row(row)).center());
    }

    ListView view_;
    QLineEdit rate_{&view_};
    QLineEdit key_{&view_};
    QPlainTextEdit memo_;
    std::vector<Event> previous_;
    MemoryAgent agent_;
    RecordingTransport transport_;
};

TEST_F(EditsListView, ColumnsPutTheUnshownFirstAndHidden) {
    auto b = Make(MVT_FMV);
    ASSERT_EQ(view_.ColumnCount(), 4);
    const QString titles[] = {"Key", "Port", "Rate", "Name"};
    for (int i = 0; i < 4; ++i) EXPECT_EQ(view_.ColumnTitle(i), titles[i]);
    EXPECT_EQ(view_.ColumnWidth(0), 0);
    for (int i = 1; i < 4; ++i) EXPECT_GT(view_.ColumnWidth(i), 0);
    EXPECT_TRUE(view_.GridLines());
    EXPECT_EQ(view_.editTriggers(), QAbstractItemView::NoEditTriggers);

    // Columns that are there stay, with their widths, across gets.
    view_.SetColumnWidth(2, 77);
    b->Get();
    b->Get();
    EXPECT_EQ(view_.ColumnWidth(2), 77);
    EXPECT_EQ(view_.RowCount(), 3) << "rows of an earlier get are removed";
}

TEST_F(EditsListView, RowsListCellsInColumnOrderAndDisableTheControlsOfAFixedTable) {
    auto b = Make(MVT_FMV);
    b->Get();
    ASSERT_EQ(view_.RowCount(), 3);
    EXPECT_EQ(view_.RowCells(view_.Row(1)), QStringList({"", "2", "20", "port2"})) << "a write-only column is not read";
    EXPECT_FALSE(rate_.isEnabled());
    EXPECT_FALSE(key_.isEnabled());

    Click(1);
    EXPECT_TRUE(rate_.isEnabled());
    EXPECT_EQ(rate_.text(), "20");
    EXPECT_EQ(b->Request.List.Item(0).Value, "2");
    Click(2);
    EXPECT_EQ(rate_.text(), "30");
    EXPECT_EQ(previous_, (std::vector<Event>{{1, true}, {1, false}, {2, true}}))
        << "the view's own handler hears every change first";

    rate_.setText("99");
    view_.SelectRow(-1);
    EXPECT_EQ(rate_.text(), "99") << "losing the selection changes nothing";
    EXPECT_TRUE(rate_.isEnabled());
}

TEST_F(EditsListView, AnUnfixedTableKeepsItsControlsEnabled) {
    for (const auto& [itemType, editSelected, enabled] :
         {std::tuple{MVT_UMV, true, true}, std::tuple{MVT_FMV, false, true}, std::tuple{MVT_FMV, true, false}}) {
        rate_.setEnabled(true);
        auto b = Make(itemType, editSelected);
        b->Get();
        EXPECT_EQ(rate_.isEnabled(), enabled) << int(itemType) << editSelected;
    }
}

TEST_F(EditsListView, SetWritesTheSelectedRowWithWhatTheControlsHold) {
    auto b = Make(MVT_FMV);
    b->Get();
    Click(2);
    rate_.setText("55");
    key_.setText("secret");
    transport_.Sent.clear();
    b->Set(true, true);
    ASSERT_GE(transport_.Sent.size(), 1u);
    const OvPdu& set = transport_.Sent[0];
    ASSERT_EQ(set.Type, OvPdu::Kind::Set);
    std::vector<std::string> written;
    for (const OvVb& vb : set.Vbs)
        written.push_back(vb.Oid + "=" + (vb.IsOctets() ? vb.Bytes : std::to_string(vb.Integer)));
    EXPECT_NE(std::find(written.begin(), written.end(), T + ".2.3=55"), written.end()) << testing::PrintToString(written);
    EXPECT_NE(std::find(written.begin(), written.end(), T + ".3.3=secret"), written.end());
    EXPECT_EQ(view_.RowCells(view_.Row(2))[2], "55") << "the table is read again";
}

TEST_F(EditsListView, AValueThatCannotBeShownOnSelectionIsReported) {
    auto b = Make(MVT_UMV);
    QCheckBox box(&view_);
    b->Associate(1, &box);   // an integer without options cannot check a box
    b->Get();
    view_.SelectRow(0);
    EXPECT_TRUE(memo_.toPlainText().contains("(VoZIZO++) Bad syntax of the associated SNMP variable's (partial) data!"))
        << memo_.toPlainText().toStdString();
}

TEST_F(EditsListView, TheViewGetsItsHandlerBackWhenTheBindingGoes) {
    {
        auto b = Make(MVT_UMV);
        b->Get();
    }
    view_.SelectRow(1);
    EXPECT_EQ(previous_, (std::vector<Event>{{1, true}}));
    EXPECT_EQ(rate_.text(), "") << "no binding shows anything";
}

TEST_F(EditsListView, RowsCanBeAddedAndReadByThePage) {
    auto b = Make(MVT_UMV);
    OvSNMPVarList& list = b->Request.List;
    const char* values[] = {"7", "70", "k", "port7"};
    for (int i = 0; i < 4; ++i) list.Item(i).Value = values[i];
    b->AddRow();
    for (int i = 0; i < 4; ++i) list.Item(i).Value.clear();
    b->ReadSelectedRow();
    EXPECT_EQ(list.Item(1).Value, "") << "nothing selected, nothing read";
    view_.SelectRow(0);
    b->ReadSelectedRow();
    for (int i = 0; i < 4; ++i) EXPECT_EQ(list.Item(i).Value, values[i]);
}

}  // namespace
