#include "messagebox.h"

#include <QCoreApplication>
#include <QFileInfo>
#include <QMessageBox>

namespace {
MessageBox::Responder& CurrentResponder() {
    static MessageBox::Responder responder;
    return responder;
}

struct ButtonSet {
    QMessageBox::StandardButtons buttons;
    QMessageBox::StandardButton fallback;   // what Escape or closing the box means
};

ButtonSet ButtonsOf(MessageBox::Buttons buttons) {
    switch (buttons) {
    case MessageBox::Buttons::YesNo: return {QMessageBox::Yes | QMessageBox::No, QMessageBox::No};
    case MessageBox::Buttons::OkCancel: return {QMessageBox::Ok | QMessageBox::Cancel, QMessageBox::Cancel};
    case MessageBox::Buttons::Ok: break;
    }
    return {QMessageBox::Ok, QMessageBox::Ok};
}

QMessageBox::Icon IconOf(MessageBox::Icon icon) {
    static constexpr QMessageBox::Icon icons[] = {QMessageBox::NoIcon, QMessageBox::Information,
                                                  QMessageBox::Warning, QMessageBox::Critical,
                                                  QMessageBox::Question};
    return icons[static_cast<int>(icon)];
}

MessageBox::Answer AnswerOf(int button, QMessageBox::StandardButton fallback) {
    switch (button == QMessageBox::NoButton ? fallback : button) {
    case QMessageBox::Ok: return MessageBox::Answer::Ok;
    case QMessageBox::Yes: return MessageBox::Answer::Yes;
    case QMessageBox::No: return MessageBox::Answer::No;
    default: return MessageBox::Answer::Cancel;
    }
}
}

MessageBox::Answer MessageBox::Show(QWidget* parent, const QString& caption, const QString& text,
                                    Buttons buttons, Icon icon) {
    if (CurrentResponder()) return CurrentResponder()({parent, caption, text, buttons, icon});
    const ButtonSet set = ButtonsOf(buttons);
    QMessageBox box(IconOf(icon), caption, text, set.buttons, parent);
    box.setEscapeButton(set.fallback);
    return AnswerOf(box.exec(), set.fallback);
}

void MessageBox::Inform(QWidget* parent, const QString& text) {
    Show(parent, ExecutableName(), text);
}

MessageBox::Responder MessageBox::SetResponder(Responder responder) {
    std::swap(CurrentResponder(), responder);
    return responder;
}

QString MessageBox::ExecutableName() {
    return QFileInfo(QCoreApplication::applicationFilePath()).fileName();
}
