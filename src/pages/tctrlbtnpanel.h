#pragma once

#include <QFrame>

class QLabel;
class QPushButton;

// The column of command buttons at the right edge of a page: the row
// count, then Refresh, Edit, Set Checked, Add, Delete, Check All, Clear
// Checks and Close, stacked from the top; hidden controls take no room.
class TCtrlBtnPanel : public QFrame {
    Q_OBJECT
public:
    static constexpr int LeftMargin = 10;
    static constexpr int TopMargin = 10;
    static constexpr int ButtonWidth = 96;
    static constexpr int Spacing = 5;

    explicit TCtrlBtnPanel(QWidget* parent);

    // Places every control that is not hidden, top down.
    void ArrangeButtons();
    // The controls in their stacking order.
    QList<QWidget*> StackedControls() const;

    QLabel* CountText;
    QLabel* SamplesLabel;
    QPushButton* RefreshButton;
    QPushButton* EditButton;
    QPushButton* SetCheckedButton;
    QPushButton* AddButton;
    QPushButton* DeleteButton;
    QPushButton* CheckAllButton;
    QPushButton* ClearChecksButton;
    QPushButton* CloseButton;

private:
    QPushButton* MakeButton(const QString& caption, const QString& pictureFile);
};
