#pragma once

#include <QGroupBox>
#include <QStringList>

class QButtonGroup;
class QRadioButton;
class QVBoxLayout;

// A captioned box of radio buttons, one per item, of which at most one is
// checked. ItemIndex is the checked item, -1 for none.
class RadioGroup : public QGroupBox {
    Q_OBJECT
public:
    explicit RadioGroup(QWidget* parent = nullptr);
    RadioGroup(const QString& caption, QWidget* parent);

    // Replaces all items; no item is checked afterwards.
    void SetItems(const QStringList& items);
    void AddItem(const QString& item);
    void Clear();
    QStringList Items() const;
    int Count() const;
    QString Item(int index) const;

    int ItemIndex() const;
    // Checks item index; -1 (or any index out of range) unchecks all.
    void SetItemIndex(int index);
    // The text of the checked item, "" when none is.
    QString SelectedText() const;
    QRadioButton* Button(int index) const;

signals:
    // The user or the program checked another item (-1: none).
    void ItemIndexChanged(int index);

private:
    QButtonGroup* group_;
    QVBoxLayout* layout_;
    QList<QRadioButton*> buttons_;
};
