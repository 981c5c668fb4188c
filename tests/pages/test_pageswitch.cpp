#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTest>

#include "configpagebuilder.h"
#include "listview.h"
#include "messageboxrecorder.h"
#include "ovsnmprequest2edits.h"
#include "pagetest.h"
#include "tconfigform.h"
#include "tctrlbtnpanel.h"
#include "teditspanel.h"
#include "tlistviewpanel.h"
#include "tmsgpanel.h"
#include "toctetitemdialog.h"
#include "tsnmpeditorpanel.h"
#include "tsnmplistviewpanel.h"

#include <QPlainTextEdit>

namespace {

std::string Vendor(const std::string& suffix) {
    return SimSwitch::VendorOid(suffix);
}

QLineEdit* EditOf(TEditsPanel* editor, int row) {
    return qobject_cast<QLineEdit*>(editor->Rows[row].ValueControl);
}

QComboBox* ComboOf(TEditsPanel* editor, int row) {
    return qobject_cast<QComboBox*>(editor->Rows[row].ValueControl);
}

void Check(TEditsPanel* editor, int row) {
    QTest::mouseClick(editor->Rows[row].CheckBox, Qt::LeftButton);
}

void SelectRow(ListView* list, int row) {
    QTreeWidgetItem* item = list->Row(row);
    list->scrollToItem(item);
    const QRect area = list->visualItemRect(item);
    QTest::mouseClick(list->viewport(), Qt::LeftButton, {}, QPoint(area.left() + 5, area.center().y()));
}

using ScalarPage = PageTest;

TEST_F(ScalarPage, DeviceControlWritesExactlyTheTwoCheckedRows) {
    auto form = Open({"Layer 2 Management", "Device Control"});
    auto* page = form->findChild<TSNMPEditorPanel*>();
    ASSERT_NE(page, nullptr);
    TEditsPanel* editor = page->Editor;
    ASSERT_EQ(editor->Rows.size(), 18);
    EXPECT_EQ(EditOf(editor, 1)->text(), "10.90.90.90");
    EXPECT_EQ(ComboOf(editor, 8)->currentText(), "enabled");
    EXPECT_FALSE(page->ButtonPanel->SetCheckedButton->isEnabled());

    EditOf(editor, 4)->setText("5");
    ComboOf(editor, 5)->setCurrentIndex(ComboOf(editor, 5)->findText("enabled"));
    Check(editor, 4);
    Check(editor, 5);
    EXPECT_TRUE(page->ButtonPanel->SetCheckedButton->isEnabled());
    switch_.ClearJournal();
    QTest::mouseClick(page->ButtonPanel->SetCheckedButton, Qt::LeftButton);

    const auto sets = Sets();
    ASSERT_EQ(sets.size(), 1u);
    ASSERT_EQ(sets[0].varbinds.size(), 2u);
    EXPECT_EQ(sets[0].varbinds[0].oid, Vendor(".11.63.11.2.1.2.5.0"));
    EXPECT_EQ(sets[0].varbinds[0].value, "5");
    EXPECT_EQ(sets[0].varbinds[1].oid, Vendor(".11.63.11.2.1.2.7.0"));
    EXPECT_EQ(sets[0].varbinds[1].value, "3");
    EXPECT_NE(page->Messages()->Memo->toPlainText().indexOf("Set: Ok"), -1);
    // The rows left out are writable again for the next Set Checked.
    EXPECT_TRUE(form->Bindings.first()->Request.List.IsSettable(0));
}

TEST_F(ScalarPage, AnEmptyCheckedRowWritesNothing) {
    auto form = Open({"Layer 2 Management", "Device Control"});
    auto* page = form->findChild<TSNMPEditorPanel*>();
    EditOf(page->Editor, 4)->clear();
    Check(page->Editor, 4);
    switch_.ClearJournal();
    MessageBoxRecorder boxes;
    QTest::mouseClick(page->ButtonPanel->SetCheckedButton, Qt::LeftButton);
    ASSERT_EQ(boxes.Count(), 1);
    EXPECT_EQ(boxes.Boxes()[0].text, "Some items are empty!");
    EXPECT_EQ(boxes.Boxes()[0].caption, "Warning");
    EXPECT_TRUE(Sets().empty());
    for (int i = 0; i < page->Editor->Rows.size(); ++i)
        EXPECT_TRUE(form->Bindings.first()->Request.List.IsSettable(i)) << i;
}

TEST_F(ScalarPage, PortListRowIsEditedInItsDialogOfCheckBoxes) {
    auto form = Open({"VLAN", "VLAN Multiply Management"});
    auto* page = form->findChild<TSNMPEditorPanel*>();
    QLineEdit* ports = EditOf(page->Editor, 2);
    EXPECT_TRUE(ports->isReadOnly());
    bool sawDialog = false;
    WhenModal([&] {
        auto* dialog = qobject_cast<TOctetItemDialog*>(QApplication::activeModalWidget());
        ASSERT_NE(dialog, nullptr);
        sawDialog = true;
        ASSERT_EQ(dialog->Boxes.size(), 28);
        // ff ff ff f0: ports 1 to 28 all in the list.
        for (QCheckBox* box : dialog->Boxes)
            EXPECT_TRUE(box->isChecked());
        EXPECT_EQ(dialog->Boxes[12]->y(), dialog->Boxes[0]->y() + dialog->Boxes[0]->height() + dialog->Numbers[0]->height());
        EXPECT_EQ(dialog->Boxes[12]->x(), dialog->Boxes[0]->x());
        EXPECT_EQ(dialog->Numbers[27]->text(), "28");
        dialog->Boxes[0]->setChecked(false);
        dialog->Boxes[27]->setChecked(false);
        dialog->OkButton->click();
    });
    QTest::mouseClick(ports, Qt::LeftButton);
    ASSERT_TRUE(sawDialog);
    Check(page->Editor, 2);
    switch_.ClearJournal();
    QTest::mouseClick(page->ButtonPanel->SetCheckedButton, Qt::LeftButton);
    const auto sets = Sets();
    ASSERT_EQ(sets.size(), 1u);
    ASSERT_EQ(sets[0].varbinds.size(), 1u);
    EXPECT_EQ(sets[0].varbinds[0].oid, Vendor(".11.63.11.2.23.2.3.0"));
    EXPECT_EQ(sets[0].varbinds[0].value, "7fffffe0");
}

using TablePage = PageTest;

TEST_F(TablePage, TrustHostTableAddsWithCreateAndGoAndDeletesWithDestroyAlone) {
    auto form = Open({"Basic Configuration", "Agent Management", "Trust Host", "Trust Host Table"});
    auto* page = form->findChild<TSNMPListViewPanel*>();
    ASSERT_NE(page, nullptr);
    EXPECT_TRUE(page->ButtonPanel->EditButton->isHidden());
    EXPECT_FALSE(page->ButtonPanel->AddButton->isHidden());
    EXPECT_FALSE(page->ButtonPanel->DeleteButton->isHidden());
    ListView* list = page->ListPanel->List;
    ASSERT_EQ(list->RowCount(), 2);
    EXPECT_EQ(page->ButtonPanel->CountText->text(), "2");

    switch_.ClearJournal();
    WhenModal([&] {
        TEditsPanel* editor = page->Editor;
        QComboBox* status = ComboOf(editor, 3);
        EXPECT_EQ(status->currentText(), "createAndGo");
        EXPECT_FALSE(status->isEnabled());
        EXPECT_TRUE(editor->Rows[0].CheckBox->isChecked());
        EXPECT_FALSE(editor->Rows[0].CheckBox->isEnabled());
        EditOf(editor, 0)->setText("5");
        EditOf(editor, 1)->setText("10.1.1.1");
        EditOf(editor, 2)->setText("255.255.0.0");
        Check(editor, 1);
        Check(editor, 2);
        auto* dialog = page->RunningDialog();
        ASSERT_NE(dialog, nullptr);
        dialog->findChild<TCtrlBtnPanel*>()->SetCheckedButton->click();
    });
    QTest::mouseClick(page->ButtonPanel->AddButton, Qt::LeftButton);
    auto sets = Sets();
    ASSERT_EQ(sets.size(), 1u);
    ASSERT_EQ(sets[0].varbinds.size(), 3u);
    for (const SimVarbind& vb : sets[0].varbinds)
        EXPECT_EQ(vb.oid.substr(vb.oid.rfind('.')), ".5") << vb.oid;
    bool createAndGo = false;
    for (const SimVarbind& vb : sets[0].varbinds)
        createAndGo |= vb.oid == Vendor(".12.1.2.10.1.1.3.5") && vb.value == "4";
    EXPECT_TRUE(createAndGo);
    WaitIdle(*form->Bindings.first());
    ASSERT_EQ(list->RowCount(), 3);

    // No writes nothing; Yes writes the row status alone.
    SelectRow(list, 2);
    EXPECT_TRUE(page->ButtonPanel->DeleteButton->isEnabled());
    switch_.ClearJournal();
    {
        MessageBoxRecorder boxes(MessageBox::Answer::No);
        QTest::mouseClick(page->ButtonPanel->DeleteButton, Qt::LeftButton);
        ASSERT_EQ(boxes.Count(), 1);
        EXPECT_EQ(boxes.Boxes()[0].text, "Are you sure to delete ?");
        EXPECT_EQ(boxes.Boxes()[0].caption, "Delete");
        EXPECT_TRUE(Sets().empty());
    }
    {
        MessageBoxRecorder boxes(MessageBox::Answer::Yes);
        QTest::mouseClick(page->ButtonPanel->DeleteButton, Qt::LeftButton);
    }
    sets = Sets();
    ASSERT_EQ(sets.size(), 1u);
    ASSERT_EQ(sets[0].varbinds.size(), 1u);
    EXPECT_EQ(sets[0].varbinds[0].oid, Vendor(".12.1.2.10.1.1.3.5"));
    EXPECT_EQ(sets[0].varbinds[0].value, "6");
    WaitIdle(*form->Bindings.first());
    EXPECT_EQ(list->RowCount(), 2);
}

TEST_F(TablePage, BandwidthControlEditsOneRow) {
    auto form = Open({"Layer 2 Management", "QoS Management", "Bandwidth Control Table"});
    auto* page = form->findChild<TSNMPListViewPanel*>();
    ASSERT_NE(page, nullptr);
    EXPECT_TRUE(page->ButtonPanel->AddButton->isHidden());
    EXPECT_TRUE(page->ButtonPanel->DeleteButton->isHidden());
    ListView* list = page->ListPanel->List;
    ASSERT_EQ(list->RowCount(), 28);
    EXPECT_FALSE(page->ButtonPanel->EditButton->isEnabled());
    SelectRow(list, 6);
    ASSERT_TRUE(page->ButtonPanel->EditButton->isEnabled());
    switch_.ClearJournal();
    WhenModal([&] {
        TEditsPanel* editor = page->Editor;
        EXPECT_EQ(EditOf(editor, 0)->text(), "7");
        EXPECT_EQ(EditOf(editor, 1)->text(), "64");
        EXPECT_TRUE(EditOf(editor, 0)->isReadOnly());
        EditOf(editor, 1)->setText("128");
        Check(editor, 1);
        page->RunningDialog()->findChild<TCtrlBtnPanel*>()->SetCheckedButton->click();
    });
    QTest::mouseClick(page->ButtonPanel->EditButton, Qt::LeftButton);
    const auto sets = Sets();
    ASSERT_EQ(sets.size(), 1u);
    ASSERT_EQ(sets[0].varbinds.size(), 1u);
    EXPECT_EQ(sets[0].varbinds[0].oid, Vendor(".11.63.11.2.3.1.1.2.7"));
    EXPECT_EQ(sets[0].varbinds[0].value, "128");
}

TEST_F(TablePage, ClosingWhileAWalkRunsWaitsForTheWalk) {
    switch_.SetDelay(150);
    std::unique_ptr<TConfigForm> form =
        ConfigPageBuilder::Build(Entry({"Layer 2 Management", "QoS Management", "Bandwidth Control Table"}), "x");
    form->show();
    OvSNMPRequest2Edits* binding = form->Bindings.first();
    while (!binding->Busy)
        QApplication::processEvents(QEventLoop::AllEvents, 20);
    form->close();
    EXPECT_TRUE(form->Bindings.isEmpty());
    auto* page = form->findChild<TSNMPListViewPanel*>();
    // The walk ended at the row in flight when the page closed.
    EXPECT_LT(page->ListPanel->List->RowCount(), 28);
    switch_.ClearFaults();
}

}  // namespace
