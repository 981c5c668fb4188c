#include "tsnmpeditorpanel.h"

#include <QCheckBox>
#include <QComboBox>
#include <QLineEdit>
#include <QPushButton>

#include "messagebox.h"
#include "ovexception.h"
#include "ovsnmpcodes.h"
#include "ovsnmprequest2edits.h"
#include "tag.h"
#include "tctrlbtnpanel.h"
#include "teditspanel.h"

namespace {

bool IsEmpty(const QWidget* control) {
    if (const auto* edit = qobject_cast<const QLineEdit*>(control))
        return edit->text().isEmpty();
    if (const auto* combo = qobject_cast<const QComboBox*>(control))
        return combo->currentText().isEmpty();
    return false;
}

}  // namespace

TSNMPEditorPanel::TSNMPEditorPanel(QWidget* parent, OvSNMPRequest2Edits* binding)
    : TSNMPPanel(parent, nullptr, binding) {
    Editor = new TEditsPanel(this, binding);
    ShowContent(Editor);
    WireEditorButtons(ButtonPanel);
    ButtonPanel->SetCheckedButton->setEnabled(false);
    Editor->ArrangeCtrlBtn(ButtonPanel);
}

void TSNMPEditorPanel::WireEditorButtons(TCtrlBtnPanel* buttons) {
    QPushButton* setChecked = buttons->SetCheckedButton;
    connect(setChecked, &QPushButton::clicked, this, [this, setChecked] { SetChecked(setChecked); });
    connect(buttons->CheckAllButton, &QPushButton::clicked, this, [this, setChecked] {
        Editor->SetAllChecks(true);
        setChecked->setEnabled(Editor->AnyChecked());
    });
    connect(buttons->ClearChecksButton, &QPushButton::clicked, this, [this, setChecked] {
        Editor->SetAllChecks(false);
        setChecked->setEnabled(Editor->AnyChecked());
    });
    connect(Editor, &TEditsPanel::ChecksChanged, setChecked, &QWidget::setEnabled);
}

void TSNMPEditorPanel::SetValueWidth(int width) {
    Editor->SetValueWidth(width);
    ShowContent(Editor);
    if (HostForm)
        FitForm(HostForm);
}

void TSNMPEditorPanel::SetRowFormat(int row, const std::string& specifier) {
    Binding->Dissociate(row);
    TEditsPanel::Row& r = Editor->Rows[row];
    if (r.RowKind == TEditsPanel::ReadOnlyEdit || r.RowKind == TEditsPanel::WritableEdit) {
        r.Spec = specifier;
        Binding->AssociateFormatted(row, specifier, static_cast<QLineEdit*>(r.ValueControl));
    } else if (r.RowKind == TEditsPanel::WritableCombo) {
        throw OvException("Can not set Var format to a ComboBox!", OvException::PageSetupError);
    } else {
        throw OvException("Unknow UI Control type!", OvException::PageSetupError);
    }
}

void TSNMPEditorPanel::SetChecked(QPushButton* button) {
    OvSNMPVarList& list = Binding->Request.List;
    const auto mode = Binding->Mode;
    Binding->Mode = 0;
    bool complete = true;
    QList<int> leftOut;
    ShowingErrors([&] {
        Binding->CollectValues();
        for (int i = 0; i < Editor->Rows.size(); ++i) {
            const TEditsPanel::Row& row = Editor->Rows[i];
            if (!row.CheckBox->isChecked()) {
                if (!(list.Item(i).Access & ACC_INVALID)) {
                    list.Item(i).Access |= ACC_INVALID;
                    leftOut.append(i);
                }
            } else if (IsEmpty(row.ValueControl)) {
                complete = false;
            }
        }
        if (!complete)
            MessageBox::Show(this, QStringLiteral("Warning"), QStringLiteral("Some items are empty!"),
                             MessageBox::Buttons::Ok, MessageBox::Icon::Warning);
        else
            Binding->Set(false, false, "", nullptr);
    });
    for (int i : leftOut)
        list.Item(i).Access &= ~ACC_INVALID;
    Binding->Mode = mode;
    if (complete && button && GetTag(button) == DialogTag)
        button->window()->close();
}
