#include "toctetitemdialog.h"

#include <QCheckBox>
#include <QLabel>
#include <QPushButton>

#include <algorithm>

TOctetItemDialog::TOctetItemDialog(QWidget* owner, const QString& caption, int columns, int bitCount, bool settable)
    : QDialog(owner) {
    setWindowTitle(caption);
    setWindowFlags(Qt::Dialog | Qt::WindowTitleHint | Qt::WindowSystemMenuHint | Qt::WindowCloseButtonHint);
    int boxesRight = Margin;
    int boxesBottom = Margin;
    for (int n = 0; n < bitCount; ++n) {
        auto* number = new QLabel(QString::number(n + 1), this);
        number->adjustSize();
        auto* box = new QCheckBox(this);
        box->setFocusPolicy(Qt::NoFocus);
        box->setFixedWidth(Pitch);
        box->setEnabled(settable);
        const int rowHeight = box->sizeHint().height() + number->height();
        const int left = (n % columns) * Pitch + Margin;
        const int top = (n / columns) * rowHeight + Margin;
        number->move(left, top);
        box->setGeometry(left, number->height() + top, Pitch, box->sizeHint().height());
        boxesRight = std::max(boxesRight, left + Pitch);
        boxesBottom = std::max(boxesBottom, box->geometry().bottom() + 1);
        Numbers.append(number);
        Boxes.append(box);
    }
    OkButton = new QPushButton(QStringLiteral("OK"), this);
    CancelButton = new QPushButton(QStringLiteral("Cancel"), this);
    CheckAllButton = new QPushButton(QStringLiteral("Check All"), this);
    ClearChecksButton = new QPushButton(QStringLiteral("Clear Checks"), this);
    int left = Margin;
    for (QPushButton* button : {OkButton, CancelButton, CheckAllButton, ClearChecksButton}) {
        button->setVisible(button == OkButton || settable);
        if (button->isHidden())
            continue;
        button->setGeometry(left, boxesBottom + Margin, 75, 25);
        left += 75 + Margin;
    }
    // The buttons are wider than a short grid: the window takes the wider of the two.
    setFixedSize(std::max(boxesRight + Margin, left), OkButton->geometry().bottom() + 1 + Margin);
    connect(OkButton, &QPushButton::clicked, this, &QDialog::accept);
    connect(CancelButton, &QPushButton::clicked, this, &QDialog::reject);
    connect(CheckAllButton, &QPushButton::clicked, this, [this] { SetAllChecked(true); });
    connect(ClearChecksButton, &QPushButton::clicked, this, [this] { SetAllChecked(false); });
    if (owner)
        move(owner->window()->geometry().center() - rect().center());
}

void TOctetItemDialog::SetAllChecked(bool checked) {
    for (QCheckBox* box : Boxes)
        box->setChecked(checked);
}
