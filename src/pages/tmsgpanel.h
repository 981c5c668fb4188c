#pragma once

#include <QFrame>

class QPlainTextEdit;

// The strip at the bottom of a page where the bindings write their status lines.
class TMsgPanel : public QFrame {
    Q_OBJECT
public:
    static constexpr int PanelHeight = 50;

    explicit TMsgPanel(QWidget* parent);

    QPlainTextEdit* Memo;
};
