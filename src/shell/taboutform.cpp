#include "taboutform.h"

#include <QKeyEvent>
#include <QLabel>
#include <QPainter>
#include <QPushButton>

namespace {

// A small picture of the switch: a dark chassis with two rows of ports.
QPixmap ModelPicture() {
    QPixmap picture(32, 32);
    picture.fill(Qt::transparent);
    QPainter p(&picture);
    p.setPen(QColor(40, 40, 40));
    p.setBrush(QColor(70, 80, 96));
    p.drawRoundedRect(1, 9, 30, 14, 2, 2);
    p.setBrush(QColor(20, 200, 60));
    for (int i = 0; i < 6; ++i) {
        p.fillRect(4 + i * 4, 12, 3, 3, QColor(225, 225, 225));
        p.fillRect(4 + i * 4, 17, 3, 3, QColor(225, 225, 225));
    }
    return picture;
}

}  // namespace

TAboutForm::TAboutForm(QWidget* owner) : QDialog(owner) {
    setWindowFlags(Qt::Dialog | Qt::MSWindowsFixedSizeDialogHint | Qt::WindowTitleHint | Qt::WindowSystemMenuHint |
                   Qt::WindowCloseButtonHint);
    setFixedSize(323, 105);
    ModelIcon = new QLabel(this);
    ModelIcon->setGeometry(16, 16, 32, 32);
    Label1 = new QLabel(this);
    Label1->setGeometry(64, 12, 250, 16);
    QFont bold = Label1->font();
    bold.setBold(true);
    Label1->setFont(bold);
    Label2 = new QLabel(this);
    Label2->setGeometry(64, 32, 250, 16);
    Label3 = new QLabel(QStringLiteral("SNMP v1, v2c and v3 device management"), this);
    Label3->setGeometry(64, 52, 250, 16);
    OkButton = new QPushButton(QStringLiteral("OK"), this);
    OkButton->setGeometry(124, 74, 75, 25);
    OkButton->setDefault(true);
    OkButton->installEventFilter(this);
    connect(OkButton, &QPushButton::clicked, this, &QDialog::accept);
    if (owner)
        move(owner->geometry().center() - rect().center());
}

void TAboutForm::showEvent(QShowEvent* event) {
    ModelIcon->setPixmap(ModelPicture());
    setWindowTitle(QStringLiteral("About TQ-2400G Module"));
    Label1->setText(QStringLiteral("Orvane TQ-2400G Management Module"));
    Label2->setText(QStringLiteral("Release Version 2.0"));
    QDialog::showEvent(event);
}

bool TAboutForm::eventFilter(QObject* watched, QEvent* event) {
    if (watched == OkButton && event->type() == QEvent::KeyPress) {
        const auto* key = static_cast<QKeyEvent*>(event);
        const auto held = key->modifiers() & (Qt::ShiftModifier | Qt::AltModifier | Qt::ControlModifier);
        if (key->key() == Qt::Key_F3 && held == (Qt::ShiftModifier | Qt::AltModifier)) {
            Label2->setText(QStringLiteral("Release Version 2.00D09(Build 2008/12/12)"));
            return true;
        }
    }
    return QDialog::eventFilter(watched, event);
}
