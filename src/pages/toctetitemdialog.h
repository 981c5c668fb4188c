#pragma once

#include <QDialog>
#include <QList>

class QCheckBox;
class QLabel;
class QPushButton;

// A port list as a grid of numbered check boxes, one per bit, in rows of a
// given number of columns. Read-only lists offer only "OK".
class TOctetItemDialog : public QDialog {
    Q_OBJECT
public:
    static constexpr int Margin = 10;
    static constexpr int Pitch = 20;

    TOctetItemDialog(QWidget* owner, const QString& caption, int columns, int bitCount, bool settable);

    void SetAllChecked(bool checked);

    QList<QLabel*> Numbers;
    QList<QCheckBox*> Boxes;
    QPushButton* OkButton;
    QPushButton* CancelButton;
    QPushButton* CheckAllButton;
    QPushButton* ClearChecksButton;
};
