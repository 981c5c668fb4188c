#pragma once

#include <QDialog>

class QLabel;
class QProgressBar;
class QTimer;

// "Progress" while the switch carries out a long operation: the bar runs
// from 0 to 76 one step a second, starting over at the end, and the window
// closes itself once the bar reaches its closing position (30 here).
class TProgressForm : public QDialog {
    Q_OBJECT
public:
    static constexpr int Maximum = 76;
    static constexpr int StepMilliseconds = 1000;

    explicit TProgressForm(QWidget* parentDialog, int closingPosition = 30);

    // One tick of the timer; public so that a test can drive the bar.
    void Advance();

    QLabel* LB_Prompt;
    QProgressBar* ProgressBar;

protected:
    void closeEvent(QCloseEvent* event) override;
    int closingPosition_;

private:
    QTimer* timer_;
};
