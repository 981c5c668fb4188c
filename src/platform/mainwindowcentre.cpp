#include "mainwindowcentre.h"

#include <QApplication>
#include <QMainWindow>

void CentreOnMainWindow(QWidget* window) {
    for (QWidget* top : QApplication::topLevelWidgets())
        if (qobject_cast<QMainWindow*>(top) && top != window) {
            window->move(top->geometry().center() - window->rect().center());
            return;
        }
}
