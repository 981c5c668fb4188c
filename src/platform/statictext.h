#pragma once

#include <QLabel>

// A static text: looks like a label, but is a class of its own so that a
// binding can tell a page's static texts from its plain labels.
class StaticText : public QLabel {
    Q_OBJECT
public:
    explicit StaticText(QWidget* parent = nullptr) : QLabel(parent) {}
    StaticText(const QString& text, QWidget* parent) : QLabel(text, parent) {}
};
