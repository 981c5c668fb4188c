#include "tlistviewpanel.h"

#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

#include <algorithm>

#include "listview.h"
#include "ovsnmprequest2edits.h"
#include "tctrlbtnpanel.h"

TListViewPanel::TListViewPanel(QWidget* parent, OvSNMPRequest2Edits* binding)
    : QFrame(parent), EditCtrl(binding) {
    List = new ListView(this);
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(List);
    EditCtrl->BindListView(List, false);
    int titleCharacters = 0;
    for (int c = 0; c < List->ColumnCount(); ++c)
        titleCharacters += static_cast<int>(List->ColumnTitle(c).size());
    const int width = PixelsPerTitleCharacter * titleCharacters + 2 * List->frameWidth();
    resize(std::min(width, MaximumWidth), PanelHeight);
}

void TListViewPanel::ArrangeCtrlBtn(TCtrlBtnPanel* buttons) {
    for (QWidget* shown : {static_cast<QWidget*>(buttons->CountText), static_cast<QWidget*>(buttons->SamplesLabel),
                           static_cast<QWidget*>(buttons->RefreshButton), static_cast<QWidget*>(buttons->EditButton),
                           static_cast<QWidget*>(buttons->CloseButton)})
        shown->show();
    buttons->EditButton->setEnabled(false);
    buttons->DeleteButton->setEnabled(false);
    buttons->AddButton->setVisible(AddStatusIndex >= 0);
    buttons->DeleteButton->setVisible(DeleteStatusIndex >= 0);
    buttons->SetCheckedButton->hide();
    buttons->CheckAllButton->hide();
    buttons->ClearChecksButton->hide();
    buttons->ArrangeButtons();
}
