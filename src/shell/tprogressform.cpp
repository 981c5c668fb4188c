#include "tprogressform.h"

#include "mainwindowcentre.h"

#include <QCloseEvent>
#include <QLabel>
#include <QProgressBar>
#include <QTimer>
#include <QVBoxLayout>

TProgressForm::TProgressForm(QWidget* parentDialog, int closingPosition)
    : QDialog(parentDialog), closingPosition_(closingPosition) {
    setWindowTitle(QStringLiteral("Progress"));
    setWindowFlags(Qt::Dialog | Qt::MSWindowsFixedSizeDialogHint | Qt::WindowTitleHint);
    LB_Prompt = new QLabel(this);
    QFont bold = LB_Prompt->font();
    bold.setBold(true);
    LB_Prompt->setFont(bold);
    ProgressBar = new QProgressBar(this);
    ProgressBar->setRange(0, Maximum);
    ProgressBar->setValue(0);
    ProgressBar->setTextVisible(false);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(LB_Prompt);
    layout->addWidget(ProgressBar);
    resize(320, 80);
    CentreOnMainWindow(this);
    timer_ = new QTimer(this);
    timer_->setInterval(StepMilliseconds);
    connect(timer_, &QTimer::timeout, this, &TProgressForm::Advance);
    timer_->start();
}

void TProgressForm::Advance() {
    const int next = ProgressBar->value() + 1;
    ProgressBar->setValue(next > ProgressBar->maximum() ? ProgressBar->minimum() : next);
    if (ProgressBar->value() >= closingPosition_)
        close();
}

void TProgressForm::closeEvent(QCloseEvent* event) {
    timer_->stop();
    QDialog::closeEvent(event);
    setParent(nullptr);
}
