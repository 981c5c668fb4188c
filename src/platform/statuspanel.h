#pragma once

#include <QLabel>

// One panel of a StatusBar: a sunken label of fixed width. A class of its
// own so that a binding can take a panel as the place of its status lines.
class StatusPanel : public QLabel {
    Q_OBJECT
public:
    explicit StatusPanel(int width, QWidget* parent = nullptr);
};
