#include "focusmove.h"

#include <QApplication>
#include <QTimer>
#include <QWidget>

namespace {

bool TakesTabFocus(const QWidget* widget, const QWidget* window) {
    return widget->window() == window && widget->isEnabled() && widget->isVisibleTo(window) &&
           (widget->focusPolicy() & Qt::TabFocus);
}

}  // namespace

void FocusNext(QWidget* owner) {
    if (!owner) return;
    QWidget* window = owner->window();
    QWidget* start = QApplication::focusWidget();
    if (!start || start->window() != window) start = window;
    for (QWidget* next = start->nextInFocusChain(); next && next != start; next = next->nextInFocusChain()) {
        if (TakesTabFocus(next, window)) {
            next->setFocus(Qt::TabFocusReason);
            return;
        }
    }
}

void PostFocusNext(QWidget* owner) {
    if (!owner) return;
    QTimer::singleShot(0, owner, [owner] { FocusNext(owner); });
}
