#pragma once

#include <QString>

#include <functional>

class QWidget;

// Every message box of the module goes through this service, so that tests
// can answer boxes without a modal loop: with a responder installed, the
// responder answers in place of the user and no window is shown.
class MessageBox {
public:
    enum class Buttons { Ok, YesNo, OkCancel };
    enum class Icon { None, Information, Warning, Error, Question };
    enum class Answer { Ok, Cancel, Yes, No };

    struct Request {
        QWidget* parent;
        QString caption;
        QString text;
        Buttons buttons;
        Icon icon;
    };
    using Responder = std::function<Answer(const Request&)>;

    // Shows a modal box and returns the button pressed; closing the box
    // without a button counts as Cancel or No.
    static Answer Show(QWidget* parent, const QString& caption, const QString& text,
                       Buttons buttons = Buttons::Ok, Icon icon = Icon::None);
    // Shorthand for the library's boxes: OK only, the executable's name as caption.
    static void Inform(QWidget* parent, const QString& text);

    // Installs a responder (an empty one restores the real boxes); returns
    // the one it replaces.
    static Responder SetResponder(Responder responder);

    // The executable's file name without its directory.
    static QString ExecutableName();
};
