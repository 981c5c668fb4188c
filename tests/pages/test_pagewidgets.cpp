#include <gtest/gtest.h>

#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QDir>
#include <QImage>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTest>

#include <filesystem>
#include <memory>

#include "listview.h"
#include "messageboxrecorder.h"
#include "ovexception.h"
#include "ovoptionlist.h"
#include "ovsnmprequest2edits.h"
#include "ovsnmpvardef.h"
#include "tag.h"
#include "tconfigform.h"
#include "tctrlbtnpanel.h"
#include "teditspanel.h"
#include "tempdir.h"
#include "tlistviewpanel.h"
#include "tmsgpanel.h"
#include "toctetitemdialog.h"
#include "tsnmpeditorpanel.h"
#include "tsnmplistviewpanel.h"

namespace {

const OvOptionDef kStates[] = {{2, "disabled"}, {3, "enabled"}, {}};
const OvOptionList kStateList(kStates, OvOptionList::IntegerValues);
const OvOptionDef kRowStatus[] = {{1, "active"}, {4, "createAndGo"}, {6, "destroy"}, {}};
const OvOptionList kRowStatusList(kRowStatus, OvOptionList::IntegerValues);
const OvOptionDef kOnlyCreate[] = {{4, "createAndGo"}, {}};
const OvOptionList kOnlyCreateList(kOnlyCreate, OvOptionList::IntegerValues);

// One row of each kind: read-only edit, writable edit, combo box, read-only option text.
const OvSNMPVarDef kFourKinds[] = {
    {"1.3.6.1.4.1.99.1", "Read Only", SYN_DISPLAYSTR, ACC_READONLY},
    {"1.3.6.1.4.1.99.2", "A Much Longer Caption", SYN_INTEGER, ACC_READWRITE},
    {"1.3.6.1.4.1.99.3", "State", SYN_INTEGER, ACC_READWRITE, &kStateList},
    {"1.3.6.1.4.1.99.4", "Shown State", SYN_INTEGER, ACC_READONLY, &kStateList},
    {},
};
const OvSNMPVarDef kOneWritable[] = {
    {"1.3.6.1.4.1.99.1", "Name", SYN_DISPLAYSTR, ACC_READONLY},
    {"1.3.6.1.4.1.99.2", "Speed", SYN_INTEGER, ACC_READWRITE},
    {},
};
const OvSNMPVarDef kAllReadOnly[] = {
    {"1.3.6.1.4.1.99.1", "Name", SYN_DISPLAYSTR, ACC_READONLY},
    {"1.3.6.1.4.1.99.2", "Speed", SYN_INTEGER, ACC_READONLY},
    {},
};
const OvSNMPVarDef kHostTable[] = {
    {"1.3.6.1.4.1.99.5.1", "Index", SYN_INTEGER, ACC_NOTACCESS},
    {"1.3.6.1.4.1.99.5.2", "Address", SYN_IPADDRESS, ACC_READWRITE},
    {"1.3.6.1.4.1.99.5.3", "Status", SYN_INTEGER, ACC_READWRITE, &kRowStatusList},
    {"1.3.6.1.4.1.99.5.4", "Ports", SYN_OCTETSTR, ACC_READONLY},
    {},
};
const OvSNMPVarDef kCreateOnlyTable[] = {
    {"1.3.6.1.4.1.99.6.1", "Index", SYN_INTEGER, ACC_NOTACCESS},
    {"1.3.6.1.4.1.99.6.2", "Status", SYN_INTEGER, ACC_READWRITE, &kOnlyCreateList},
    {},
};

std::unique_ptr<OvSNMPRequest2Edits> Binding(QWidget* owner, const OvSNMPVarDef* table, uint8_t itemType = SVT_SV,
                                             int keys = 0) {
    auto binding = std::make_unique<OvSNMPRequest2Edits>(owner);
    binding->Request.List.Assign(OvSNMPVarList(table, itemType, keys));
    return binding;
}

class PageWidgets : public ::testing::Test {
protected:
    QWidget window_;
};

TEST_F(PageWidgets, ButtonColumnStacksVisibleControlsOnly) {
    TCtrlBtnPanel buttons(&window_);
    EXPECT_EQ(buttons.width(), 116);
    EXPECT_TRUE(buttons.AddButton->isHidden());
    EXPECT_TRUE(buttons.DeleteButton->isHidden());
    buttons.EditButton->hide();
    buttons.ArrangeButtons();
    int top = 10;
    for (QWidget* control : buttons.StackedControls()) {
        if (control->isHidden())
            continue;
        EXPECT_EQ(control->geometry(), QRect(10, top, 96, control->height()));
        top += control->height() + 5;
    }
    EXPECT_EQ(buttons.CountText->text(), "0");
    EXPECT_EQ(buttons.SamplesLabel->text(), "Samples");
}

TEST_F(PageWidgets, ButtonPicturesInTheWorkingDirectoryReplaceCaptions) {
    TempDir dir;
    const QString previous = QDir::currentPath();
    QDir::setCurrent(QString::fromStdString(dir.Path()));
    QImage picture(16, 16, QImage::Format_RGB32);
    picture.fill(Qt::green);
    ASSERT_TRUE(picture.save("Get.bmp", "BMP"));
    TCtrlBtnPanel buttons(&window_);
    QDir::setCurrent(previous);
    EXPECT_TRUE(buttons.RefreshButton->text().isEmpty());
    EXPECT_FALSE(buttons.RefreshButton->icon().isNull());
    EXPECT_EQ(buttons.EditButton->text(), "Edit");
}

TEST_F(PageWidgets, RowKindsFollowSettableAndOptions) {
    auto binding = Binding(&window_, kFourKinds);
    TEditsPanel editor(&window_, binding.get());
    ASSERT_EQ(editor.Rows.size(), 4);
    const int kinds[] = {TEditsPanel::ReadOnlyEdit, TEditsPanel::WritableEdit, TEditsPanel::WritableCombo,
                         TEditsPanel::ReadOnlyOptionEdit};
    for (int i = 0; i < 4; ++i) {
        EXPECT_EQ(editor.Rows[i].RowKind, kinds[i]) << i;
        EXPECT_EQ(GetTag(editor.Rows[i].ValueControl), i);
        EXPECT_EQ(GetTag(editor.Rows[i].CheckBox), i);
    }
    EXPECT_NE(qobject_cast<QComboBox*>(editor.Rows[2].ValueControl), nullptr);
    EXPECT_NE(qobject_cast<QLineEdit*>(editor.Rows[3].ValueControl), nullptr);
    // A read-only row: hidden unchecked box, value in the read-only colours.
    EXPECT_TRUE(editor.Rows[0].CheckBox->isHidden());
    EXPECT_FALSE(editor.Rows[0].CheckBox->isChecked());
    auto* readOnly = qobject_cast<QLineEdit*>(editor.Rows[0].ValueControl);
    EXPECT_TRUE(readOnly->isReadOnly());
    EXPECT_EQ(readOnly->palette().color(QPalette::Base), readOnly->palette().color(QPalette::Button));
    EXPECT_EQ(editor.Rows[1].ValueControl->palette().color(QPalette::Base), QColor(Qt::white));
}

TEST_F(PageWidgets, RowsFormOneValueColumnWithTheLayoutArithmetic) {
    auto binding = Binding(&window_, kFourKinds);
    TEditsPanel editor(&window_, binding.get());
    int widest = 0;
    for (const auto& row : editor.Rows)
        widest = std::max(widest, row.CaptionLabel->width());
    int top = 20;
    int right = 0, bottom = 0;
    for (int i = 0; i < editor.Rows.size(); ++i) {
        QWidget* value = editor.Rows[i].ValueControl;
        if (i)
            top += std::max(value->height() < 20 ? 21 : value->height(), 0) + 5;
        EXPECT_EQ(value->geometry().topLeft(), QPoint(45 + widest + 5, top)) << i;
        EXPECT_EQ(value->width(), 121);
        EXPECT_EQ(editor.Rows[i].CaptionLabel->x(), 45);
        EXPECT_EQ(editor.Rows[i].CheckBox->x(), 20);
        EXPECT_EQ(editor.Rows[i].CaptionLabel->y(), top + (value->height() - editor.Rows[i].CaptionLabel->height()) / 2);
        right = std::max(right, value->geometry().right() + 1);
        bottom = std::max(bottom, value->geometry().bottom() + 1);
    }
    EXPECT_EQ(editor.size(), QSize(right + 40, bottom + 40));
    editor.SetValueWidth(150);
    EXPECT_EQ(editor.Rows[1].ValueControl->width(), 150);
    EXPECT_EQ(editor.width(), right + 29 + 40);
}

TEST_F(PageWidgets, ButtonsOfAnEditorFollowItsRows) {
    struct Case {
        const OvSNMPVarDef* table;
        bool setShown, checkAllShown;
        const char* setCaption;
        bool boxesShown;
    } cases[] = {
        {kFourKinds, true, true, "Set Checked", true},
        {kOneWritable, true, false, "Set", false},
        {kAllReadOnly, false, false, "Set Checked", false},
    };
    for (const Case& c : cases) {
        auto binding = Binding(&window_, c.table);
        TEditsPanel editor(&window_, binding.get());
        TCtrlBtnPanel buttons(&window_);
        editor.ArrangeCtrlBtn(&buttons);
        EXPECT_FALSE(buttons.RefreshButton->isHidden());
        EXPECT_FALSE(buttons.CloseButton->isHidden());
        EXPECT_TRUE(buttons.EditButton->isHidden());
        EXPECT_TRUE(buttons.CountText->isHidden());
        EXPECT_EQ(!buttons.SetCheckedButton->isHidden(), c.setShown) << c.setCaption;
        EXPECT_EQ(!buttons.CheckAllButton->isHidden(), c.checkAllShown);
        EXPECT_EQ(!buttons.ClearChecksButton->isHidden(), c.checkAllShown);
        EXPECT_EQ(buttons.SetCheckedButton->text(), c.setCaption);
        bool anyBox = false;
        for (const auto& row : editor.Rows)
            anyBox |= !row.CheckBox->isHidden();
        EXPECT_EQ(anyBox, c.boxesShown);
    }
}

TEST_F(PageWidgets, SingleSettableRowIsWrittenWithoutABox) {
    auto binding = Binding(&window_, kOneWritable);
    TEditsPanel editor(&window_, binding.get());
    TCtrlBtnPanel buttons(&window_);
    editor.ArrangeCtrlBtn(&buttons);
    EXPECT_TRUE(buttons.SetCheckedButton->isEnabled());
    EXPECT_TRUE(editor.Rows[1].CheckBox->isChecked());
}

TEST_F(PageWidgets, RowStatesAndTheirMessages) {
    auto binding = Binding(&window_, kHostTable, MVT_UMV, 1);
    TEditsPanel editor(&window_, binding.get());
    // A table's key column is read-only in the editor although it is settable.
    EXPECT_TRUE(binding->Request.List.IsSettable(0));
    EXPECT_TRUE(qobject_cast<QLineEdit*>(editor.Rows[0].ValueControl)->isReadOnly());
    EXPECT_TRUE(editor.Rows[0].CheckBox->isHidden());
    MessageBoxRecorder boxes;
    editor.SetRowReadOnly(4);
    ASSERT_EQ(boxes.Count(), 1);
    EXPECT_EQ(boxes.Boxes()[0].text, "aIdx is overtop!\n you may define < 4");
    editor.HideRow(1);
    EXPECT_TRUE(binding->Request.List.Item(1).Access & ACC_HIDDEN);
    EXPECT_TRUE(editor.Rows[1].ValueControl->isHidden());
    editor.ShowRow(1);
    EXPECT_FALSE(binding->Request.List.Item(1).Access & ACC_HIDDEN);
    EXPECT_FALSE(editor.Rows[1].CaptionLabel->isHidden());
    qobject_cast<QLineEdit*>(editor.Rows[1].ValueControl)->setText("1.2.3.4");
    binding->Request.List.Item(1).Value = "1.2.3.4";
    editor.ClearRows();
    EXPECT_TRUE(qobject_cast<QLineEdit*>(editor.Rows[1].ValueControl)->text().isEmpty());
    EXPECT_EQ(qobject_cast<QComboBox*>(editor.Rows[2].ValueControl)->currentIndex(), -1);
    EXPECT_TRUE(binding->Request.List.Item(1).Value.empty());
}

TEST_F(PageWidgets, PortListsBelongToEditsOnly) {
    auto binding = Binding(&window_, kFourKinds);
    TEditsPanel editor(&window_, binding.get());
    try {
        editor.SetOctetItem(2, 12, 28);
        FAIL() << "a combo box took a port list";
    } catch (const OvException& e) {
        EXPECT_EQ(e.Text(), "You can only assign Octet Item to a Edit!");
    }
    editor.SetOctetItem(1, 12, 28);
    EXPECT_TRUE(qobject_cast<QLineEdit*>(editor.Rows[1].ValueControl)->isReadOnly());
}

TEST_F(PageWidgets, PortListDialogGridAndReadOnlyForm) {
    TOctetItemDialog settable(&window_, "Ports", 12, 28, true);
    ASSERT_EQ(settable.Boxes.size(), 28);
    const int rowHeight = settable.Boxes[0]->height() + settable.Numbers[0]->height();
    for (int n : {0, 11, 12, 27}) {
        EXPECT_EQ(settable.Boxes[n]->x(), (n % 12) * 20 + 10) << n;
        EXPECT_EQ(settable.Numbers[n]->y(), (n / 12) * rowHeight + 10) << n;
        EXPECT_EQ(settable.Boxes[n]->y(), settable.Numbers[n]->height() + (n / 12) * rowHeight + 10) << n;
        EXPECT_EQ(settable.Numbers[n]->text(), QString::number(n + 1));
    }
    EXPECT_EQ(settable.OkButton->y(), settable.Boxes[27]->geometry().bottom() + 1 + 10);
    EXPECT_EQ(settable.height(), settable.OkButton->geometry().bottom() + 1 + 10);
    EXPECT_GE(settable.width(), settable.ClearChecksButton->geometry().right() + 1);
    settable.CheckAllButton->click();
    EXPECT_TRUE(settable.Boxes[27]->isChecked());
    settable.ClearChecksButton->click();
    EXPECT_FALSE(settable.Boxes[0]->isChecked());

    TOctetItemDialog readOnly(&window_, "Ports", 12, 28, false);
    EXPECT_FALSE(readOnly.Boxes[5]->isEnabled());
    EXPECT_FALSE(readOnly.OkButton->isHidden());
    EXPECT_TRUE(readOnly.CancelButton->isHidden());
    EXPECT_TRUE(readOnly.CheckAllButton->isHidden());
    EXPECT_TRUE(readOnly.ClearChecksButton->isHidden());
    EXPECT_EQ(readOnly.width(), 12 * 20 + 10 + 10);
}

TEST_F(PageWidgets, StatusValuesMustBeOptionsOfTheRowStatusCombo) {
    QWidget host;
    auto binding = Binding(&host, kHostTable, MVT_UMV, 1);
    TSNMPListViewPanel page(&host, binding.get());
    EXPECT_TRUE(page.ButtonPanel->AddButton->isHidden());
    const struct {
        int item;
        const char* value;
        bool add;
        const char* text;
    } wrong[] = {
        {2, "createAndWait", true, "TSNMPListViewPanel::SetAddStatus - Wrong AddStatusValue:createAndWait"},
        {1, "createAndGo", true, "TSNMPListViewPanel::SetAddStatus - Wrong AddStatusValue:createAndGo"},
        {2, "gone", false, "TSNMPListViewPanel::SetDeleteStatus - Wrong DeleteStatusValue:gone"},
    };
    for (const auto& w : wrong) {
        try {
            w.add ? page.SetAddStatus(w.item, w.value) : page.SetDeleteStatus(w.item, w.value);
            ADD_FAILURE() << w.text;
        } catch (const OvException& e) {
            EXPECT_EQ(e.Text(), w.text);
        }
    }
    page.SetAddStatus(2, "createAndGo");
    page.SetDeleteStatus(2, "destroy");
    EXPECT_FALSE(page.ButtonPanel->AddButton->isHidden());
    EXPECT_FALSE(page.ButtonPanel->DeleteButton->isHidden());
    EXPECT_EQ(page.ListPanel->AddStatusIndex, 2);
}

TEST_F(PageWidgets, EditDialogOffersNoCreateOrDestroyAndRestoresTheOrder) {
    TConfigForm form(nullptr);
    auto* binding = new OvSNMPRequest2Edits(&form);
    binding->Request.List.Assign(OvSNMPVarList(kHostTable, MVT_UMV, 1));
    binding->Mode = 0;
    TSNMPListViewPanel* page = form.SetupListView(binding, 2, "createAndGo", 2, "destroy");
    auto* status = qobject_cast<QComboBox*>(page->Editor->Rows[2].ValueControl);
    QStringList seen;
    QMetaObject::invokeMethod(
        &form,
        [&] {
            while (!page->RunningDialog())
                QApplication::processEvents();
            for (int i = 0; i < status->count(); ++i)
                seen << status->itemText(i);
            page->RunningDialog()->reject();
        },
        Qt::QueuedConnection);
    page->EditDialog();
    EXPECT_EQ(seen, QStringList{"active"});
    QStringList after;
    for (int i = 0; i < status->count(); ++i)
        after << status->itemText(i);
    EXPECT_EQ(after, (QStringList{"active", "createAndGo", "destroy"}));
}

TEST_F(PageWidgets, AStatusRowLeftEmptyIsHiddenForTheEditDialog) {
    TConfigForm form(nullptr);
    auto* binding = new OvSNMPRequest2Edits(&form);
    binding->Request.List.Assign(OvSNMPVarList(kCreateOnlyTable, MVT_UMV, 1));
    binding->Mode = 0;
    TSNMPListViewPanel* page = form.SetupListView(binding, 1, "createAndGo", -1, nullptr);
    bool hiddenDuring = false;
    QMetaObject::invokeMethod(
        &form,
        [&] {
            while (!page->RunningDialog())
                QApplication::processEvents();
            hiddenDuring = page->Editor->Rows[1].ValueControl->isHidden();
            page->RunningDialog()->reject();
        },
        Qt::QueuedConnection);
    page->EditDialog();
    EXPECT_TRUE(hiddenDuring);
    EXPECT_FALSE(binding->Request.List.Item(1).Access & ACC_HIDDEN);
    EXPECT_EQ(qobject_cast<QComboBox*>(page->Editor->Rows[1].ValueControl)->count(), 1);
}

TEST_F(PageWidgets, RowHintListsEveryColumnWithPaddedTitles) {
    QWidget host;
    auto binding = Binding(&host, kHostTable, MVT_UMV, 1);
    TSNMPListViewPanel page(&host, binding.get());
    ListView* list = page.ListPanel->List;
    QTreeWidgetItem* row = list->AddRow(QStringList{"7", "10.1.1.1", "active", "ff"});
    EXPECT_EQ(page.RowHint(row).toStdString(), "Index\t\t  7\nAddress  10.1.1.1\nStatus\t  active\nPorts\t\t  ff\n");
    EXPECT_TRUE(page.RowHint(nullptr).isEmpty());
}

TEST_F(PageWidgets, AConfigFormIsSetUpOnceAndReadOnlyWhenShown) {
    TConfigForm form(nullptr);
    EXPECT_EQ(form.windowTitle(), "ConfigForm");
    auto* binding = new OvSNMPRequest2Edits(&form);
    binding->Request.List.Assign(OvSNMPVarList(kOneWritable, SVT_SV, 0));
    TSNMPEditorPanel* editor = form.SetupEditor(binding);
    auto* other = new OvSNMPRequest2Edits(&form);
    other->Request.List.Assign(OvSNMPVarList(kHostTable, MVT_UMV, 1));
    try {
        form.SetupListView(other, -1, nullptr, -1, nullptr);
        FAIL() << "set up twice";
    } catch (const OvException& e) {
        EXPECT_EQ(e.Text(), "Can not change Type of a Config Form!");
    }
    delete other;
    EXPECT_EQ(form.FormType, TConfigForm::EditorPage);
    EXPECT_EQ(form.findChild<TSNMPEditorPanel*>(), editor);
    for (int i = 0; i < 10; ++i)
        QApplication::processEvents();
    // Never shown, never read: nothing reached the memo.
    EXPECT_TRUE(editor->Messages()->Memo->toPlainText().isEmpty());
    EXPECT_EQ(form.CurrentBinding, nullptr);
}

TEST_F(PageWidgets, TheSevenOptionListsOfTheConfigurationDialog) {
    const struct {
        int list;
        const char* value;
        const char* text;
    } cases[] = {{1, "1", "other"},  {2, "2", "disabled"},    {3, "3", "enabled"},  {4, "2", "querier"},
                 {4, "3", "non-querier"}, {5, "2", "disable"}, {6, "3", "enable"},   {7, "1", "version-1"},
                 {7, "2", "version-2"}};
    for (const auto& c : cases) {
        const OvOptionList& list = TConfigForm::OptionList(c.list);
        EXPECT_EQ(list.ValueType(), OvOptionList::IntegerValues);
        EXPECT_EQ(list.ValueToText(c.value), c.text) << c.list;
    }
    EXPECT_EQ(TConfigForm::OptionList(7).Count(), 2);
    EXPECT_EQ(TConfigForm::OptionList(4).Count(), 3);
}

}  // namespace
