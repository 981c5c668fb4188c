#include <gtest/gtest.h>

#include "beep.h"
#include "listview.h"
#include "messagebox.h"
#include "messageboxrecorder.h"
#include "radiogroup.h"
#include "statictext.h"
#include "statusbar.h"
#include "statuspanel.h"
#include "tag.h"

#include <QCheckBox>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QRadioButton>
#include <QImage>
#include <QTest>

#include <utility>
#include <vector>

namespace {

using Event = std::pair<int, bool>;   // row index, selected

// Records what a list view tells, through both its handler and its signal.
struct SelectionLog {
    explicit SelectionLog(ListView& view) {
        view.SetOnSelectItem([this](ListView* sender, QTreeWidgetItem* item, bool selected) {
            handled.push_back({sender->RowIndex(item), selected});
        });
        QObject::connect(&view, &ListView::ItemSelected, [this, &view](QTreeWidgetItem* item, bool selected) {
            signalled.push_back({view.RowIndex(item), selected});
        });
    }
    std::vector<Event> handled;
    std::vector<Event> signalled;
};

ListView* ThreeRows(ListView& view) {
    view.AddColumn("Index", 40);
    view.AddColumn("Name", 80);
    for (const char* row : {"1", "2", "3"}) view.AddRow({row, QString("port") + row});
    return &view;
}

}  // namespace

TEST(ListViewTest, ColumnWidthsKeepTheirSpecialMeanings) {
    ListView view;
    view.resize(400, 200);
    struct Case { const char* title; int width; };
    const Case cases[] = {{"Hidden key", 0}, {"Fixed", 73}, {"A rather long column title", -2}, {"X", -2}};
    for (const Case& c : cases) view.AddColumn(c.title, c.width);
    ASSERT_EQ(view.ColumnCount(), 4);
    EXPECT_TRUE(view.isColumnHidden(0));
    EXPECT_EQ(view.ColumnWidth(0), 0);
    EXPECT_EQ(view.ColumnWidth(1), 73);
    // Fit-to-title: a longer title gives a wider column, and both show their title whole.
    const QFontMetrics metrics(view.header()->font());
    EXPECT_GE(view.ColumnWidth(2), metrics.horizontalAdvance(cases[2].title));
    EXPECT_GT(view.ColumnWidth(2), view.ColumnWidth(3));
    EXPECT_GE(view.ColumnWidth(3), metrics.horizontalAdvance(cases[3].title));
    EXPECT_EQ(view.ColumnTitle(2), cases[2].title);

    view.SetColumnWidth(0, 20);
    EXPECT_FALSE(view.isColumnHidden(0));
    EXPECT_EQ(view.ColumnWidth(0), 20);
}

TEST(ListViewTest, TitleFittedColumnsGrowToTheirCellsFixedOnesDoNot) {
    ListView view;
    view.AddColumn("IP", -2);
    view.AddColumn("Mask", 40);
    const int titleWidth = view.ColumnWidth(0);
    view.AddRow({"192.168.100.200", "255.255.255.255"});
    const QFontMetrics metrics(view.font());
    EXPECT_GT(view.ColumnWidth(0), titleWidth);
    EXPECT_GE(view.ColumnWidth(0), metrics.horizontalAdvance("192.168.100.200"));
    EXPECT_EQ(view.ColumnWidth(1), 40);
    const int grown = view.ColumnWidth(0);
    view.AddRow({"1.1.1.1", "0.0.0.0"});
    EXPECT_EQ(view.ColumnWidth(0), grown);
}

TEST(ListViewTest, RowsHoldCaptionAndSubItems) {
    ListView view;
    ThreeRows(view);
    QTreeWidgetItem* short_ = view.AddRow({"4"});
    ASSERT_EQ(view.RowCount(), 4);
    EXPECT_EQ(ListView::Cell(view.Row(1), 0), "2");
    EXPECT_EQ(ListView::Cell(view.Row(1), 1), "port2");
    EXPECT_EQ(view.RowCells(short_), QStringList({"4", ""}));
    EXPECT_EQ(view.RowIndex(short_), 3);

    view.ClearColumns();
    EXPECT_EQ(view.ColumnCount(), 0);
    EXPECT_EQ(view.RowCount(), 0);
}

TEST(ListViewTest, SelectionChangesAreToldLostThenGained) {
    ListView view;
    ThreeRows(view);
    SelectionLog log(view);

    view.SelectRow(0);
    view.SelectRow(2);
    view.SelectRow(2);    // no change, nothing told
    view.SelectRow(-1);
    const std::vector<Event> expected = {{0, true}, {0, false}, {2, true}, {2, false}};
    EXPECT_EQ(log.handled, expected);
    EXPECT_EQ(log.signalled, expected);
    EXPECT_EQ(view.SelectedIndex(), -1);
    EXPECT_EQ(view.Selected(), nullptr);
}

TEST(ListViewTest, ClickingSelectsOneRowOnly) {
    ListView view;
    ThreeRows(view);
    view.resize(300, 200);
    view.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&view));
    SelectionLog log(view);

    const auto click = [&view](int row, Qt::KeyboardModifiers modifiers = {}) {
        const QRect rect = view.visualItemRect(view.Row(row));
        QTest::mouseClick(view.viewport(), Qt::LeftButton, modifiers, rect.center());
    };
    click(1);
    click(2, Qt::ControlModifier);   // no multiple selection, even with Ctrl
    EXPECT_EQ(view.selectedItems().size(), 1);
    EXPECT_EQ(view.SelectedIndex(), 2);
    const std::vector<Event> expected = {{1, true}, {1, false}, {2, true}};
    EXPECT_EQ(log.handled, expected);

    // Rows are read-only: a double click opens no editor.
    QTest::mouseDClick(view.viewport(), Qt::LeftButton, {}, view.visualItemRect(view.Row(2)).center());
    EXPECT_TRUE(view.findChildren<QLineEdit*>().isEmpty());
}

TEST(ListViewTest, RemovingRowsTellsNothingAndForgetsTheSelection) {
    ListView view;
    ThreeRows(view);
    view.SelectRow(1);
    SelectionLog log(view);
    view.ClearRows();
    EXPECT_TRUE(log.handled.empty());
    view.AddRow({"9", "port9"});
    view.SelectRow(0);
    EXPECT_EQ(log.handled, (std::vector<Event>{{0, true}}));
}

TEST(ListViewTest, GridLinesAreDrawnAndStreamedRowsArePaintedSoon) {
    ListView view;
    view.resize(300, 200);
    ThreeRows(view);
    view.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&view));
    const QRect cell = view.visualItemRect(view.Row(0));
    const QPoint onLine(cell.left() + 10, cell.bottom());
    const QColor mid = view.palette().color(QPalette::Mid);
    struct Case { bool grid; bool lineShows; };
    for (const Case c : {Case{true, true}, Case{false, false}}) {
        view.SetGridLines(c.grid);
        QTest::qWait(150);   // past the pause of a stream of rows
        EXPECT_TRUE(view.viewport()->updatesEnabled());
        const QImage image = view.viewport()->grab().toImage();
        EXPECT_EQ(image.pixelColor(onLine).rgb() == mid.rgb(), c.lineShows) << "grid " << c.grid;
    }
}

TEST(ListViewTest, OnlyRowsBelowTheVisibleOnesWaitForTheirRepaint) {
    ListView view;
    view.resize(300, 120);
    ThreeRows(view);
    view.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&view));
    view.AddRow({"4", "port4"});
    EXPECT_TRUE(view.viewport()->updatesEnabled()) << "a visible row paints at once";
    for (int row = 5; row <= 200; ++row) view.AddRow({QString::number(row), "port"});
    EXPECT_FALSE(view.viewport()->updatesEnabled());
    EXPECT_EQ(view.RowCount(), 200);
    QTest::qWait(150);
    EXPECT_TRUE(view.viewport()->updatesEnabled());
}

TEST(RadioGroupTest, ItemIndexFollowsProgramAndUser) {
    RadioGroup group("Mode", nullptr);
    group.SetItems({"disabled", "enabled", "auto"});
    std::vector<int> told;
    QObject::connect(&group, &RadioGroup::ItemIndexChanged, [&told](int index) { told.push_back(index); });

    EXPECT_EQ(group.ItemIndex(), -1);
    EXPECT_EQ(group.SelectedText(), "");

    struct Case { int set; int expected; };
    const Case cases[] = {{1, 1}, {2, 2}, {-1, -1}, {0, 0}, {7, -1}};
    for (const Case& c : cases) {
        group.SetItemIndex(c.set);
        EXPECT_EQ(group.ItemIndex(), c.expected) << "set " << c.set;
        for (int i = 0; i < group.Count(); ++i) EXPECT_EQ(group.Button(i)->isChecked(), i == c.expected);
    }
    EXPECT_EQ(told, (std::vector<int>{1, 2, -1, 0, -1}));

    group.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&group));
    QTest::mouseClick(group.Button(2), Qt::LeftButton);
    EXPECT_EQ(group.ItemIndex(), 2);
    EXPECT_EQ(group.SelectedText(), "auto");

    group.SetItems({"off", "on"});
    EXPECT_EQ(group.Count(), 2);
    EXPECT_EQ(group.ItemIndex(), -1);
    EXPECT_EQ(group.Items(), QStringList({"off", "on"}));
    EXPECT_EQ(group.Item(5), "");
}

TEST(StatusBarTest, PanelsAndSimpleTextTakeTurns) {
    StatusBar bar;
    EXPECT_FALSE(bar.findChildren<QLabel*>().isEmpty());
    bar.SetSimpleText("only text");
    // Without panels the simple text always shows.
    const auto simpleShows = [&bar] {
        for (QLabel* label : bar.findChildren<QLabel*>())
            if (!qobject_cast<StatusPanel*>(label)) return !label->isHidden();
        return false;
    };
    EXPECT_TRUE(simpleShows());

    StatusPanel* first = bar.AddPanel(120);
    bar.AddPanel(60);
    EXPECT_EQ(bar.PanelCount(), 2);
    EXPECT_EQ(first->width(), 120);
    EXPECT_EQ(bar.Panel(1)->minimumWidth(), 60);
    EXPECT_EQ(bar.Panel(2), nullptr);
    bar.SetPanelText(1, "Ready");
    bar.SetPanelText(5, "ignored");
    EXPECT_EQ(bar.PanelText(1), "Ready");
    EXPECT_FALSE(simpleShows());
    EXPECT_FALSE(first->isHidden());

    bar.SetSimplePanel(true);
    EXPECT_TRUE(simpleShows());
    EXPECT_TRUE(first->isHidden());
    EXPECT_EQ(bar.SimpleText(), "only text");
    bar.SetSimplePanel(false);
    EXPECT_FALSE(simpleShows());
    EXPECT_EQ(bar.PanelText(1), "Ready");
}

TEST(MessageBoxTest, RecorderAnswersInOrderAndRestoresThePreviousResponder) {
    int outerCalls = 0;
    MessageBox::SetResponder([&outerCalls](const MessageBox::Request&) {
        ++outerCalls;
        return MessageBox::Answer::No;
    });
    {
        MessageBoxRecorder recorder(MessageBox::Answer::Cancel);
        recorder.QueueAnswer(MessageBox::Answer::Yes);
        QWidget parent;
        struct Case { MessageBox::Buttons buttons; MessageBox::Answer expected; };
        const Case cases[] = {{MessageBox::Buttons::YesNo, MessageBox::Answer::Yes},
                              {MessageBox::Buttons::OkCancel, MessageBox::Answer::Cancel}};
        for (const Case& c : cases)
            EXPECT_EQ(MessageBox::Show(&parent, "cap", "question", c.buttons, MessageBox::Icon::Question),
                      c.expected);
        MessageBox::Inform(&parent, "done");
        ASSERT_EQ(recorder.Count(), 3);
        EXPECT_EQ(recorder.Boxes()[0].buttons, MessageBox::Buttons::YesNo);
        EXPECT_EQ(recorder.Boxes()[1].buttons, MessageBox::Buttons::OkCancel);
        EXPECT_EQ(recorder.Boxes()[2].caption, "test_platform");
        EXPECT_EQ(recorder.Boxes()[2].text, "done");
        EXPECT_EQ(recorder.Boxes()[2].buttons, MessageBox::Buttons::Ok);
        EXPECT_EQ(recorder.Boxes()[2].parent, &parent);
    }
    EXPECT_EQ(MessageBox::Show(nullptr, "c", "t", MessageBox::Buttons::YesNo), MessageBox::Answer::No);
    EXPECT_EQ(outerCalls, 1);
    MessageBox::SetResponder(nullptr);
}

TEST(PlatformServicesTest, BeepsAreRecordedWithPitchAndLength) {
    Beep::ClearHistory();
    Beep::Play(2000, 50);
    Beep::Play(440, 200);
    ASSERT_EQ(Beep::History().size(), 2u);
    EXPECT_EQ(Beep::History()[1].frequency, 440);
    EXPECT_EQ(Beep::History()[1].duration, 200);
    Beep::ClearHistory();
    EXPECT_TRUE(Beep::History().empty());
}

TEST(PlatformServicesTest, TagsAreIntegersOnAnyWidget) {
    QCheckBox box;
    StaticText text("x", nullptr);
    EXPECT_EQ(GetTag(&box), 0);
    SetTag(&box, 17);
    SetTag(&text, -3);
    EXPECT_EQ(GetTag(&box), 17);
    EXPECT_EQ(GetTag(&text), -3);
    // A static text is a label, and can still be told apart from a plain one.
    QLabel plain;
    QWidget* asWidget = &text;
    EXPECT_NE(qobject_cast<QLabel*>(asWidget), nullptr);
    EXPECT_NE(qobject_cast<StaticText*>(asWidget), nullptr);
    EXPECT_EQ(qobject_cast<StaticText*>(static_cast<QWidget*>(&plain)), nullptr);
}
