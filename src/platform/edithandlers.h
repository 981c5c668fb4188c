#pragma once

#include <QObject>

#include <functional>

class QLineEdit;

// The change and exit handlers of an edit, one of each, in the manner of
// event properties: whoever installs a handler can keep the one it replaces
// and call it from its own (the input constraints do so). The change
// handler runs on every change of the text, typed or set; the exit handler
// when the focus moves to another control (not when the window merely loses
// activation, e.g. to a message box).
class EditHandlers : public QObject {
    Q_OBJECT
public:
    using Handler = std::function<void(QLineEdit* edit)>;

    static Handler OnChange(QLineEdit* edit);
    static void SetOnChange(QLineEdit* edit, Handler handler);
    static Handler OnExit(QLineEdit* edit);
    static void SetOnExit(QLineEdit* edit, Handler handler);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    explicit EditHandlers(QLineEdit* edit);
    static EditHandlers* Of(QLineEdit* edit);
    void Run(const Handler& handler);

    QLineEdit* edit_;
    Handler change_;
    Handler exit_;
};
