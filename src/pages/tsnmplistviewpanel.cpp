#include "tsnmplistviewpanel.h"

#include <QComboBox>
#include <QCoreApplication>
#include <QDialog>
#include <QElapsedTimer>
#include <QEvent>
#include <QLabel>
#include <QLineEdit>
#include <QMouseEvent>
#include <QPushButton>
#include <QCheckBox>

#include <algorithm>
#include <map>
#include <memory>

#include "listview.h"
#include "messagebox.h"
#include "ovlatin1.h"
#include "ovexception.h"
#include "ovsnmpcodes.h"
#include "ovsnmprequest2edits.h"
#include "tag.h"
#include "tctrlbtnpanel.h"
#include "teditspanel.h"
#include "tlistviewpanel.h"
#include "tmsgpanel.h"

namespace {

QComboBox* ComboOf(const TEditsPanel* editor, int row) {
    return row >= 0 && row < editor->Rows.size() ? qobject_cast<QComboBox*>(editor->Rows[row].ValueControl) : nullptr;
}

// Takes one text out of a row's combo box for the time of a dialog and
// puts it back at its place afterwards.
class RemovedOption {
public:
    RemovedOption(QComboBox* combo, const QString& text) : combo_(combo), text_(text) {
        if (combo_)
            index_ = combo_->findText(text_);
        if (index_ >= 0)
            combo_->removeItem(index_);
    }
    ~RemovedOption() {
        if (index_ >= 0)
            combo_->insertItem(index_, text_);
    }
    RemovedOption(const RemovedOption&) = delete;
    RemovedOption& operator=(const RemovedOption&) = delete;

private:
    QComboBox* combo_;
    QString text_;
    int index_ = -1;
};

}  // namespace

TSNMPListViewPanel::TSNMPListViewPanel(QWidget* parent, OvSNMPRequest2Edits* binding)
    : TSNMPEditorPanel(parent, binding) {
    ListPanel = new TListViewPanel(this, binding);
    ListPanel->ArrangeCtrlBtn(ButtonPanel);
    if (Editor->AllRowsReadOnly())
        HideEditButton();
    ShowContent(ListPanel);
    BeforeAdd = [](TSNMPListViewPanel* page) { page->Editor->ClearRows(); };
    connect(ButtonPanel->EditButton, &QPushButton::clicked, this, [this] {
        if (BeforeEdit) BeforeEdit(this);
        EditDialog();
        if (AfterEdit) AfterEdit(this);
    });
    connect(ButtonPanel->AddButton, &QPushButton::clicked, this, [this] {
        if (BeforeAdd) BeforeAdd(this);
        AddDialog();
        if (AfterAdd) AfterAdd(this);
    });
    connect(ButtonPanel->DeleteButton, &QPushButton::clicked, this, [this] { DeleteRow(); });
    ListView* list = ListPanel->List;
    list->setMouseTracking(true);
    list->viewport()->installEventFilter(this);
    QAbstractItemModel* model = list->model();
    connect(model, &QAbstractItemModel::rowsInserted, this, &TSNMPListViewPanel::UpdateCount);
    connect(model, &QAbstractItemModel::rowsRemoved, this, &TSNMPListViewPanel::UpdateCount);
    connect(model, &QAbstractItemModel::modelReset, this, &TSNMPListViewPanel::UpdateCount);
}

TSNMPListViewPanel::~TSNMPListViewPanel() {
    // The list view empties itself while it goes; the count goes first.
    ListPanel->List->model()->disconnect(this);
    ListPanel->List->viewport()->removeEventFilter(this);
}

void TSNMPListViewPanel::UpdateCount() {
    ButtonPanel->CountText->setText(QString::number(ListPanel->List->RowCount()));
}

void TSNMPListViewPanel::HideEditButton() {
    editAllowed_ = false;
    ButtonPanel->EditButton->hide();
    ButtonPanel->ArrangeButtons();
}

void TSNMPListViewPanel::CheckStatusValue(int itemIndex, const std::string& value, const char* error) {
    const QComboBox* combo = ComboOf(Editor, itemIndex);
    if (!combo || combo->findText(ToQt(value)) < 0)
        throw OvException(error + value, OvException::PageSetupError);
}

void TSNMPListViewPanel::SetAddStatus(int itemIndex, const std::string& value) {
    CheckStatusValue(itemIndex, value, "TSNMPListViewPanel::SetAddStatus - Wrong AddStatusValue:");
    ListPanel->AddStatusIndex = itemIndex;
    ListPanel->AddStatusValue = value;
    ButtonPanel->AddButton->show();
    ButtonPanel->ArrangeButtons();
}

void TSNMPListViewPanel::SetDeleteStatus(int itemIndex, const std::string& value) {
    CheckStatusValue(itemIndex, value, "TSNMPListViewPanel::SetDeleteStatus - Wrong DeleteStatusValue:");
    ListPanel->DeleteStatusIndex = itemIndex;
    ListPanel->DeleteStatusValue = value;
    ButtonPanel->DeleteButton->show();
    ButtonPanel->ArrangeButtons();
}

void TSNMPListViewPanel::RefreshClicked() {
    RefreshList();
}

void TSNMPListViewPanel::RefreshList() {
    if (Binding->Mode == 1 && Binding->Busy)
        return;
    ButtonPanel->EditButton->setEnabled(false);
    ButtonPanel->DeleteButton->setEnabled(false);
    ShowingErrors([this] { Binding->Get(); });
}

bool TSNMPListViewPanel::eventFilter(QObject* watched, QEvent* event) {
    ListView* list = ListPanel->List;
    if (watched == list->viewport()) {
        switch (event->type()) {
        case QEvent::MouseButtonRelease:
            ListClicked();
            break;
        case QEvent::MouseButtonDblClick:
            if (editAllowed_ && list->Selected() && ButtonPanel->EditButton->isEnabled()) {
                QMetaObject::invokeMethod(ButtonPanel->EditButton, &QPushButton::click, Qt::QueuedConnection);
                return true;
            }
            break;
        case QEvent::MouseMove: {
            const auto* mouse = static_cast<QMouseEvent*>(event);
            list->setToolTip(RowHint(list->itemAt(mouse->position().toPoint())));
            break;
        }
        default:
            break;
        }
    }
    return TSNMPEditorPanel::eventFilter(watched, event);
}

void TSNMPListViewPanel::ListClicked() {
    const bool selected = ListPanel->List->Selected() != nullptr;
    ButtonPanel->EditButton->setEnabled(selected);
    ButtonPanel->DeleteButton->setEnabled(selected);
    if (!selected)
        Editor->ClearRows();
}

QString TSNMPListViewPanel::RowHint(const QTreeWidgetItem* item) const {
    if (!item)
        return {};
    const ListView* list = ListPanel->List;
    qsizetype longest = 0;
    for (int c = 0; c < list->ColumnCount(); ++c)
        longest = std::max(longest, list->ColumnTitle(c).size());
    QString hint;
    for (int c = 0; c < list->ColumnCount(); ++c) {
        const QString title = list->ColumnTitle(c);
        hint += title + QString(longest - title.size(), QLatin1Char('\t')) + QStringLiteral("  ") +
                ListView::Cell(item, c) + QLatin1Char('\n');
    }
    return hint;
}

QString TSNMPListViewPanel::DialogCaption() const {
    QWidget* parent = parentWidget();
    if (parent && (parent->isWindow() || (parent->parentWidget() && parent->parentWidget()->inherits("QStackedWidget"))))
        return parent->windowTitle();
    return HostForm ? HostForm->windowTitle() : QString();
}

QDialog* TSNMPListViewPanel::OpenRowDialog(const QString& caption, TSNMPPanel** dialogPanel) {
    QWidget* owner = HostForm ? HostForm : window();
    auto* dialog = new QDialog(owner);
    dialog->setWindowTitle(caption);
    Binding->SetConstraintOwner(dialog);
    auto* panel = new TSNMPPanel(dialog, Messages(), Binding);
    WireEditorButtons(panel->ButtonPanel);
    SetTag(panel->ButtonPanel->SetCheckedButton, DialogTag);
    *dialogPanel = panel;
    return dialog;
}

void TSNMPListViewPanel::PrepareRowDialog(TSNMPPanel* panel) {
    for (const TEditsPanel::Row& row : Editor->Rows)
        if (row.Octet)
            static_cast<QLineEdit*>(row.ValueControl)->setReadOnly(true);
    Editor->ArrangeCtrlBtn(panel->ButtonPanel);
    panel->ButtonPanel->RefreshButton->hide();
    panel->ButtonPanel->ArrangeButtons();
    panel->ButtonPanel->SetCheckedButton->setEnabled(Editor->AnyChecked());
}

void TSNMPListViewPanel::ShowRowDialog(QDialog* dialog, TSNMPPanel* panel) {
    Editor->LayoutRows(true);
    panel->ShowContent(Editor);
    panel->FitForm(dialog);
    runningDialog_ = dialog;
    dialog->exec();
    runningDialog_ = nullptr;
}

void TSNMPListViewPanel::FinishRowDialog(QDialog* dialog) {
    TakeBack(Editor);
    delete dialog;
    Binding->SetConstraintOwner(HostForm ? HostForm : window());
    RefreshList();
}

void TSNMPListViewPanel::AddDialog() {
    TSNMPPanel* panel = nullptr;
    QDialog* dialog = OpenRowDialog(DialogCaption() + QStringLiteral(" (Add)"), &panel);
    Editor->ApplyRowStates(false);
    const OvSNMPVarList& list = Binding->Request.List;
    for (int i = 0; i < std::min<int>(list.KeyCount, Editor->Rows.size()); ++i) {
        Editor->SetRowEditable(i);
        const TEditsPanel::Row& row = Editor->Rows[i];
        row.CheckBox->setChecked(true);
        row.CheckBox->show();
        row.CheckBox->setEnabled(false);
        row.ValueControl->setEnabled(true);
    }
    if (QComboBox* status = ComboOf(Editor, ListPanel->AddStatusIndex)) {
        const TEditsPanel::Row& row = Editor->Rows[ListPanel->AddStatusIndex];
        status->setCurrentIndex(status->findText(ToQt(ListPanel->AddStatusValue)));
        status->setEnabled(false);
        row.CheckBox->setChecked(true);
        row.CheckBox->setEnabled(false);
    }
    PrepareRowDialog(panel);
    ListPanel->List->SelectRow(-1);
    ButtonPanel->EditButton->setEnabled(false);
    ButtonPanel->DeleteButton->setEnabled(false);
    ShowRowDialog(dialog, panel);
    FinishRowDialog(dialog);
}

void TSNMPListViewPanel::EditDialog() {
    if (Binding->Mode == 1) {
        Binding->Request.Alive = false;
        QElapsedTimer waited;
        waited.start();
        while (Binding->Busy && waited.elapsed() < EditWaitMs)
            QCoreApplication::processEvents(QEventLoop::WaitForMoreEvents);
        Binding->Request.Alive = true;
    }
    TSNMPPanel* panel = nullptr;
    QDialog* dialog = OpenRowDialog(HostForm ? HostForm->windowTitle() : QString(), &panel);
    Editor->ApplyRowStates(false);
    PrepareRowDialog(panel);
    Editor->SetValueWidth(EditValueWidth);
    {
        // The row-status column offers neither creating nor destroying while a row is edited.
        RemovedOption noCreate(ComboOf(Editor, ListPanel->AddStatusIndex), ToQt(ListPanel->AddStatusValue));
        RemovedOption noDestroy(ComboOf(Editor, ListPanel->DeleteStatusIndex), ToQt(ListPanel->DeleteStatusValue));
        QList<int> hidden;
        for (int index : {ListPanel->AddStatusIndex, ListPanel->DeleteStatusIndex}) {
            QComboBox* combo = ComboOf(Editor, index);
            if (combo && combo->count() == 0 && !hidden.contains(index)) {
                Editor->HideRow(index);
                hidden.append(index);
            }
        }
        ShowRowDialog(dialog, panel);
        for (int index : hidden)
            Editor->ShowRow(index);
    }
    Editor->LayoutRows(true);
    FinishRowDialog(dialog);
}

void TSNMPListViewPanel::DeleteRow() {
    const auto answer = MessageBox::Show(this, QStringLiteral("Delete"), QStringLiteral("Are you sure to delete ?"),
                                         MessageBox::Buttons::YesNo, MessageBox::Icon::Question);
    if (answer != MessageBox::Answer::Yes || ListPanel->DeleteStatusIndex < 0)
        return;
    OvSNMPVarList& list = Binding->Request.List;
    const auto mode = Binding->Mode;
    Binding->Mode = 0;
    QList<int> leftOut;
    for (int i = list.KeyCount; i < list.Count(); ++i)
        if (i != ListPanel->DeleteStatusIndex && !(list.Item(i).Access & ACC_INVALID)) {
            list.Item(i).Access |= ACC_INVALID;
            leftOut.append(i);
        }
    ShowingErrors([&] {
        Binding->CollectValues();
        list.Item(ListPanel->DeleteStatusIndex).Value = ListPanel->DeleteStatusValue;
        Binding->Set(false, false, "", nullptr);
    });
    for (int i : leftOut)
        list.Item(i).Access &= ~ACC_INVALID;
    RefreshList();
    Binding->Mode = mode;
}
