#include "tctrlbtnpanel.h"

#include <QDir>
#include <QFile>
#include <QLabel>
#include <QPixmap>
#include <QPushButton>

#include "statictext.h"

TCtrlBtnPanel::TCtrlBtnPanel(QWidget* parent) : QFrame(parent) {
    auto* count = new StaticText(this);
    count->setText("0");
    count->setAlignment(Qt::AlignCenter);
    count->setFrameStyle(QFrame::Panel | QFrame::Sunken);
    CountText = count;
    SamplesLabel = new QLabel("Samples", this);
    SamplesLabel->setAlignment(Qt::AlignCenter);
    RefreshButton = MakeButton("Refresh", "Get.bmp");
    EditButton = MakeButton("Edit", "Set.bmp");
    SetCheckedButton = MakeButton("Set Checked", "SetCheck.bmp");
    AddButton = MakeButton("Add", "Add.bmp");
    DeleteButton = MakeButton("Delete", "Delete.bmp");
    CheckAllButton = MakeButton("Check All", "SelectAll.bmp");
    ClearChecksButton = MakeButton("Clear Checks", "SelectNone.bmp");
    CloseButton = MakeButton("Close", "Close.bmp");
    AddButton->hide();
    DeleteButton->hide();
    setFixedWidth(2 * LeftMargin + ButtonWidth);
    ArrangeButtons();
}

QPushButton* TCtrlBtnPanel::MakeButton(const QString& caption, const QString& pictureFile) {
    auto* button = new QPushButton(caption, this);
    // An installation may put pictures for the buttons into the working
    // directory; a picture replaces the caption.
    const QString path = QDir::current().filePath(pictureFile);
    if (QFile::exists(path)) {
        const QPixmap picture(path);
        if (!picture.isNull()) {
            button->setIcon(picture);
            button->setIconSize(picture.size());
            button->setText(QString());
            button->setToolTip(caption);
        }
    }
    return button;
}

QList<QWidget*> TCtrlBtnPanel::StackedControls() const {
    return {CountText,    SamplesLabel,   RefreshButton,  EditButton,        SetCheckedButton,
            AddButton,    DeleteButton,   CheckAllButton, ClearChecksButton, CloseButton};
}

void TCtrlBtnPanel::ArrangeButtons() {
    int top = TopMargin;
    for (QWidget* control : StackedControls()) {
        const int height = control->sizeHint().height();
        control->setGeometry(LeftMargin, top, ButtonWidth, height);
        if (!control->isHidden())
            top += height + Spacing;
    }
    setMinimumHeight(top + TopMargin);
}
