#include "tsnmppanel.h"

#include <QHBoxLayout>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QSplitter>
#include <QVBoxLayout>

#include <algorithm>

#include "messagebox.h"
#include "mainwindowcentre.h"
#include "ovexception.h"
#include "ovsnmprequest2edits.h"
#include "tctrlbtnpanel.h"
#include "tmsgpanel.h"

TSNMPPanel::TSNMPPanel(QWidget* parent, TMsgPanel* messages, OvSNMPRequest2Edits* binding)
    : QFrame(parent), Binding(binding) {
    auto* layout = new QHBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    ButtonSplitter = new QSplitter(Qt::Horizontal, this);
    ButtonSplitter->setHandleWidth(SplitterWidth);
    ButtonSplitter->setChildrenCollapsible(false);
    layout->addWidget(ButtonSplitter);
    ContentPanel = new QFrame(ButtonSplitter);
    ButtonPanel = new TCtrlBtnPanel(ButtonSplitter);
    ButtonSplitter->setStretchFactor(0, 1);
    ButtonSplitter->setStretchFactor(1, 0);
    auto* contentLayout = new QVBoxLayout(ContentPanel);
    contentLayout->setContentsMargins(0, 0, 0, 0);
    MessageSplitter = new QSplitter(Qt::Vertical, ContentPanel);
    MessageSplitter->setHandleWidth(SplitterWidth);
    MessageSplitter->setChildrenCollapsible(false);
    contentLayout->addWidget(MessageSplitter);
    contentHolder_ = new QWidget(MessageSplitter);
    auto* holderLayout = new QVBoxLayout(contentHolder_);
    holderLayout->setContentsMargins(0, 0, 0, 0);
    MsgPanel = messages ? nullptr : new TMsgPanel(MessageSplitter);
    messages_ = messages ? messages : MsgPanel;
    MessageSplitter->setStretchFactor(0, 1);
    Binding->SetStatusTarget(messages_->Memo);
    connect(ButtonPanel->RefreshButton, &QPushButton::clicked, this, [this] { RefreshClicked(); });
    connect(ButtonPanel->CloseButton, &QPushButton::clicked, this, [this] { CloseClicked(); });
}

void TSNMPPanel::ShowingErrors(const std::function<void()>& call) {
    try {
        call();
    } catch (const OvException& e) {
        Binding->ShowStatus(e.what());
    }
}

void TSNMPPanel::TakeBack(QWidget* control) {
    control->hide();
    control->setParent(contentHolder_);
}

void TSNMPPanel::RefreshClicked() {
    ShowingErrors([this] { Binding->Get(); });
}

void TSNMPPanel::CloseClicked() {
    if (HostForm)
        HostForm->close();
    else
        MessageBox::Inform(this, QStringLiteral("Please initial close form"));
}

void TSNMPPanel::ShowContent(QWidget* control) {
    if (Content && Content != control)
        Content->hide();
    Content = control;
    const QSize size = control->size();
    const int messageHeight = MsgPanel ? MsgPanel->height() : 0;
    const int width = size.width() + ButtonPanel->width() + SplitterWidth + 3;
    const int height = std::max(size.height() + messageHeight + SplitterWidth, ButtonPanel->minimumHeight());
    control->setParent(contentHolder_);
    contentHolder_->layout()->addWidget(control);
    control->show();
    resize(width, height);
    ButtonSplitter->setSizes({width - ButtonPanel->width() - SplitterWidth, ButtonPanel->width()});
    if (MsgPanel)
        MessageSplitter->setSizes({height - messageHeight - SplitterWidth, messageHeight});
}

void TSNMPPanel::FitForm(QWidget* form) {
    HostForm = form;
    if (!form->layout()) {
        auto* layout = new QVBoxLayout(form);
        layout->setContentsMargins(0, 0, 0, 0);
    }
    if (form->layout()->indexOf(this) < 0)
        form->layout()->addWidget(this);
    const QSize grown = form->size().expandedTo(size());
    form->resize(std::min(grown.width(), MaximumFormWidth), std::min(grown.height(), MaximumFormHeight));
    CentreOnMainWindow(form);
}
