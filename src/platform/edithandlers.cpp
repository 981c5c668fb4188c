#include "edithandlers.h"

#include <QFocusEvent>
#include <QLineEdit>

EditHandlers::EditHandlers(QLineEdit* edit) : QObject(edit), edit_(edit) {
    setObjectName(QStringLiteral("EditHandlers"));
    edit->installEventFilter(this);
    connect(edit, &QLineEdit::textChanged, this, [this] { Run(change_); });
}

EditHandlers* EditHandlers::Of(QLineEdit* edit) {
    auto* handlers = edit->findChild<EditHandlers*>(QString(), Qt::FindDirectChildrenOnly);
    return handlers ? handlers : new EditHandlers(edit);
}

EditHandlers::Handler EditHandlers::OnChange(QLineEdit* edit) {
    return Of(edit)->change_;
}

void EditHandlers::SetOnChange(QLineEdit* edit, Handler handler) {
    Of(edit)->change_ = std::move(handler);
}

EditHandlers::Handler EditHandlers::OnExit(QLineEdit* edit) {
    return Of(edit)->exit_;
}

void EditHandlers::SetOnExit(QLineEdit* edit, Handler handler) {
    Of(edit)->exit_ = std::move(handler);
}

bool EditHandlers::eventFilter(QObject* watched, QEvent* event) {
    if (watched == edit_ && event->type() == QEvent::FocusOut) {
        const Qt::FocusReason reason = static_cast<QFocusEvent*>(event)->reason();
        const bool leftForAnotherControl = reason != Qt::ActiveWindowFocusReason && reason != Qt::PopupFocusReason &&
                                           reason != Qt::MenuBarFocusReason;
        if (leftForAnotherControl) Run(exit_);
    }
    return false;
}

void EditHandlers::Run(const Handler& handler) {
    // A copy: the handler may replace itself while it runs.
    if (const Handler current = handler) current(edit_);
}
