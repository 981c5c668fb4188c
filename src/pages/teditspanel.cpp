#include "teditspanel.h"

#include <QCheckBox>
#include <QComboBox>
#include <QEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QScrollArea>

#include <algorithm>

#include "messagebox.h"
#include "ovlatin1.h"
#include "ovexception.h"
#include "ovsnmpcodes.h"
#include "ovsnmprequest2edits.h"
#include "ovsnmpvarlist.h"
#include "tag.h"
#include "tctrlbtnpanel.h"
#include "toctetitemdialog.h"

namespace {

QColor FromColourValue(int colour) {
    return QColor(colour & 0xFF, (colour >> 8) & 0xFF, (colour >> 16) & 0xFF);
}

std::string BitNumbers(int count) {
    std::string list;
    for (int n = 0; n < count; ++n) {
        if (n)
            list += ',';
        list += std::to_string(n);
    }
    return list;
}

}  // namespace

TEditsPanel::TEditsPanel(QWidget* parent, OvSNMPRequest2Edits* binding) : QFrame(parent), EditCtrl(binding) {
    ScrollBox = new QScrollArea(this);
    ScrollBox->setFrameShape(QFrame::NoFrame);
    rowArea_ = new QWidget;
    ScrollBox->setWidget(rowArea_);
    NoteLabel = new QLabel(rowArea_);
    NoteLabel->hide();
    BuildRows();
    for (int i = 0; i < Rows.size(); ++i)
        if (!EditCtrl->Request.List.IsSettable(i))
            SetRowReadOnly(i);
}

void TEditsPanel::BuildRows() {
    const OvSNMPVarList& list = EditCtrl->Request.List;
    for (int i = 0; i < list.Count(); ++i) {
        const OvSNMPVarItem& item = list.Item(i);
        Row row;
        const bool settable = list.IsSettable(i);
        row.RowKind = item.Options ? (settable ? WritableCombo : ReadOnlyOptionEdit)
                                   : (settable ? WritableEdit : ReadOnlyEdit);
        row.Spec = "%s";
        row.CheckBox = new QCheckBox(rowArea_);
        row.CheckBox->setFixedWidth(CheckBoxWidth);
        row.CheckBox->setFocusPolicy(Qt::NoFocus);
        SetTag(row.CheckBox, i);
        connect(row.CheckBox, &QCheckBox::clicked, this, [this] { emit ChecksChanged(AnyChecked()); });
        row.CaptionLabel = new QLabel(ToQt(item.Caption), rowArea_);
        row.CaptionLabel->adjustSize();
        SetTag(row.CaptionLabel, i);
        row.ValueControl = MakeValueControl(i, row.RowKind);
        Rows.append(row);
    }
    ApplyRowStates(false);
    LayoutRows(true);
}

QWidget* TEditsPanel::MakeValueControl(int index, int rowKind) {
    if (rowKind == WritableCombo) {
        auto* combo = new QComboBox(rowArea_);
        SetTag(combo, index);
        EditCtrl->Associate(index, combo);
        return combo;
    }
    auto* edit = new QLineEdit(rowArea_);
    SetTag(edit, index);
    EditCtrl->AssociateFormatted(index, "%s", edit);
    return edit;
}

bool TEditsPanel::IsRowReadOnly(int row) const {
    const OvSNMPVarList& list = EditCtrl->Request.List;
    return !list.IsSettable(row) || row < list.KeyCount;
}

bool TEditsPanel::AllRowsReadOnly() const {
    for (int i = 0; i < Rows.size(); ++i)
        if (!IsRowReadOnly(i))
            return false;
    return true;
}

void TEditsPanel::SetValueColours(QWidget* control, bool readOnly) {
    QPalette palette = control->palette();
    palette.setColor(QPalette::Text, Qt::black);
    palette.setColor(QPalette::Base, readOnly ? palette.color(QPalette::Button) : QColor(Qt::white));
    control->setPalette(palette);
}

void TEditsPanel::SetRowReadOnly(int aIdx) {
    if (aIdx < 0 || aIdx >= Rows.size()) {
        MessageBox::Inform(this, QStringLiteral("aIdx is overtop!\n you may define < %1").arg(Rows.size()));
        return;
    }
    Row& row = Rows[aIdx];
    row.CheckBox->setChecked(false);
    row.CheckBox->setEnabled(false);
    row.CheckBox->hide();
    if (auto* edit = qobject_cast<QLineEdit*>(row.ValueControl)) {
        edit->setReadOnly(true);
        edit->setFocusPolicy(Qt::NoFocus);
    } else {
        row.ValueControl->setEnabled(false);
    }
    SetValueColours(row.ValueControl, true);
}

void TEditsPanel::SetRowEditable(int aIdx) {
    if (aIdx < 0 || aIdx >= Rows.size())
        return;
    Row& row = Rows[aIdx];
    row.CheckBox->setEnabled(true);
    row.CheckBox->show();
    row.CheckBox->setChecked(DefaultChecked);
    if (auto* edit = qobject_cast<QLineEdit*>(row.ValueControl)) {
        edit->setReadOnly(row.Octet.has_value());
        edit->setFocusPolicy(Qt::StrongFocus);
    }
    row.ValueControl->setEnabled(true);
    SetValueColours(row.ValueControl, false);
}

void TEditsPanel::ApplyRowStates(bool defaultChecked) {
    DefaultChecked = defaultChecked;
    for (int i = 0; i < Rows.size(); ++i) {
        if (IsRowReadOnly(i))
            SetRowReadOnly(i);
        else
            SetRowEditable(i);
    }
}

void TEditsPanel::HideRow(int row) {
    EditCtrl->Request.List.Item(row).Access |= ACC_HIDDEN;
    for (QWidget* control : {static_cast<QWidget*>(Rows[row].CheckBox), static_cast<QWidget*>(Rows[row].CaptionLabel),
                             Rows[row].ValueControl})
        control->hide();
}

void TEditsPanel::ShowRow(int row) {
    EditCtrl->Request.List.Item(row).Access &= ~ACC_HIDDEN;
    Rows[row].CaptionLabel->show();
    Rows[row].ValueControl->show();
    // A read-only row keeps its check box hidden.
    if (Rows[row].CheckBox->isEnabled())
        Rows[row].CheckBox->show();
}

void TEditsPanel::ClearRows() {
    for (int i = 0; i < Rows.size(); ++i) {
        if (auto* edit = qobject_cast<QLineEdit*>(Rows[i].ValueControl))
            edit->clear();
        else if (auto* combo = qobject_cast<QComboBox*>(Rows[i].ValueControl))
            combo->setCurrentIndex(-1);
        EditCtrl->Request.List.Item(i).Value.clear();
    }
}

void TEditsPanel::SetValueWidth(int width) {
    ValueWidth = width;
    LayoutRows(true);
}

void TEditsPanel::LayoutRows(bool resize) {
    const OvSNMPVarList& list = EditCtrl->Request.List;
    int widestCaption = 0;
    for (const Row& row : Rows)
        widestCaption = std::max(widestCaption, row.CaptionLabel->width());
    const int valueLeft = CaptionLeft + widestCaption + 5;
    int top = FirstRowTop;
    int right = 0;
    int bottom = 0;
    for (int i = 0; i < Rows.size(); ++i) {
        if (list.Item(i).Access & ACC_HIDDEN)
            continue;
        const Row& row = Rows[i];
        QWidget* value = row.ValueControl;
        value->resize(ValueWidth, value->sizeHint().height());
        if (i != 0)
            top += (value->height() < 20 ? 21 : value->height()) + RowSpacing;
        value->move(valueLeft, top);
        row.CheckBox->move(CheckBoxLeft, top + (value->height() - row.CheckBox->sizeHint().height()) / 2);
        row.CheckBox->resize(CheckBoxWidth, row.CheckBox->sizeHint().height());
        row.CaptionLabel->move(CaptionLeft, top + (value->height() - row.CaptionLabel->height()) / 2);
        right = std::max(right, value->geometry().right() + 1);
        bottom = std::max(bottom, value->geometry().bottom() + 1);
    }
    if (resize) {
        setFixedSize(right + OuterMargin, bottom + OuterMargin);
        rowArea_->resize(size());
        PlaceNote();
    }
}

void TEditsPanel::resizeEvent(QResizeEvent* event) {
    QFrame::resizeEvent(event);
    ScrollBox->setGeometry(rect());
    rowArea_->resize(std::max(rowArea_->width(), width()), std::max(rowArea_->height(), height()));
}

void TEditsPanel::SetOctetItem(int row, int columns, int bitCount) {
    auto* edit = qobject_cast<QLineEdit*>(Rows.value(row).ValueControl);
    if (!edit || (Rows[row].RowKind != ReadOnlyEdit && Rows[row].RowKind != WritableEdit))
        throw OvException("You can only assign Octet Item to a Edit!", OvException::PageSetupError);
    Rows[row].Octet = OctetItem{columns, bitCount};
    edit->setReadOnly(true);
    edit->installEventFilter(this);
}

bool TEditsPanel::eventFilter(QObject* watched, QEvent* event) {
    const bool opens = event->type() == QEvent::MouseButtonPress || event->type() == QEvent::KeyPress;
    if (opens) {
        const int row = RowOf(qobject_cast<QWidget*>(watched));
        if (row >= 0 && Rows[row].Octet) {
            EditOctetItem(row);
            return true;
        }
    }
    return QFrame::eventFilter(watched, event);
}

int TEditsPanel::RowOf(const QWidget* control) const {
    for (int i = 0; i < Rows.size(); ++i)
        if (Rows[i].ValueControl == control || Rows[i].CheckBox == control || Rows[i].CaptionLabel == control)
            return i;
    return -1;
}

void TEditsPanel::EditOctetItem(int row) {
    const OctetItem octet = *Rows[row].Octet;
    OvSNMPVarList& list = EditCtrl->Request.List;
    auto* edit = static_cast<QLineEdit*>(Rows[row].ValueControl);
    const auto ignoringErrors = [](auto&& step) {
        try {
            step();
        } catch (const OvException&) {
        }
    };
    ignoringErrors([&] { EditCtrl->CollectFromControls(-1); });
    TOctetItemDialog dialog(window(), ToQt(list.Item(row).Caption), octet.Columns,
                            octet.BitCount, list.IsSettable(row));
    EditCtrl->AssociateBits(row, BitNumbers(octet.BitCount), dialog.Boxes);
    try {
        EditCtrl->ShowInControls(row);
    } catch (const OvException&) {
        edit->clear();
        list.Item(row).Value.clear();
        dialog.SetAllChecked(false);
    }
    if (dialog.exec() == QDialog::Accepted)
        ignoringErrors([&] { EditCtrl->CollectFromControls(-1); });
    EditCtrl->Dissociate(row);
    EditCtrl->AssociateFormatted(row, Rows[row].Spec, edit);
    ignoringErrors([&] {
        EditCtrl->ShowInControls(row);
        EditCtrl->CollectFromControls(-1);
    });
}

void TEditsPanel::ShowNote(const QString& text, int colour, int fontSize) {
    NoteLabel->setText(text);
    QPalette palette = NoteLabel->palette();
    palette.setColor(QPalette::WindowText, FromColourValue(colour));
    NoteLabel->setPalette(palette);
    QFont font = NoteLabel->font();
    font.setPointSize(fontSize);
    NoteLabel->setFont(font);
    NoteLabel->adjustSize();
    NoteLabel->show();
    PlaceNote();
}

void TEditsPanel::PlaceNote() {
    NoteLabel->move(20, height() - 15);
}

bool TEditsPanel::AnyChecked() const {
    for (const Row& row : Rows)
        if (!row.CheckBox->isHidden() && row.CheckBox->isChecked())
            return true;
    return false;
}

void TEditsPanel::SetAllChecks(bool checked) {
    for (const Row& row : Rows)
        if (row.CheckBox->isEnabled())
            row.CheckBox->setChecked(checked);
}

void TEditsPanel::ArrangeCtrlBtn(TCtrlBtnPanel* buttons) {
    if (!EditCtrl)
        throw OvException("TEditsPanel:ArrangeCtrlBtn - EditCtrl is NULL!", OvException::PageSetupError);
    for (QWidget* shown : {buttons->RefreshButton, buttons->SetCheckedButton, buttons->CheckAllButton,
                           buttons->ClearChecksButton, buttons->CloseButton})
        shown->show();
    for (QWidget* hidden : {static_cast<QWidget*>(buttons->CountText), static_cast<QWidget*>(buttons->SamplesLabel),
                            static_cast<QWidget*>(buttons->EditButton), static_cast<QWidget*>(buttons->AddButton),
                            static_cast<QWidget*>(buttons->DeleteButton)})
        hidden->hide();
    if (AllRowsReadOnly()) {
        buttons->SetCheckedButton->hide();
        buttons->CheckAllButton->hide();
        buttons->ClearChecksButton->hide();
    } else {
        QList<QCheckBox*> usable;
        for (const Row& row : Rows)
            if (!row.CheckBox->isHidden() && row.CheckBox->isEnabled())
                usable.append(row.CheckBox);
        if (usable.size() <= 1) {
            buttons->CheckAllButton->hide();
            buttons->ClearChecksButton->hide();
            buttons->SetCheckedButton->setText(QStringLiteral("Set"));
            buttons->SetCheckedButton->setEnabled(true);
            for (QCheckBox* box : usable)
                box->setChecked(true);
            int checked = 0;
            for (const Row& row : Rows)
                checked += row.CheckBox->isChecked();
            if (checked <= 1)
                for (const Row& row : Rows)
                    row.CheckBox->hide();
        }
    }
    buttons->ArrangeButtons();
}
