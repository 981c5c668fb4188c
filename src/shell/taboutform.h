#pragma once

#include <QDialog>

class QLabel;
class QPushButton;

// The about box: the model's icon, the module's name and release, and an
// "OK" button. Shift+Alt+F3 on the button reveals the full build number.
class TAboutForm : public QDialog {
    Q_OBJECT
public:
    explicit TAboutForm(QWidget* owner);

    QLabel* ModelIcon;
    QLabel* Label1;
    QLabel* Label2;
    QLabel* Label3;
    QPushButton* OkButton;

protected:
    void showEvent(QShowEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;
};
