#include "radiogroup.h"

#include <QButtonGroup>
#include <QRadioButton>
#include <QVBoxLayout>

RadioGroup::RadioGroup(QWidget* parent) : RadioGroup(QString(), parent) {}

RadioGroup::RadioGroup(const QString& caption, QWidget* parent)
    : QGroupBox(caption, parent), group_(new QButtonGroup(this)), layout_(new QVBoxLayout(this)) {
    layout_->setContentsMargins(8, 4, 8, 4);
    layout_->setSpacing(2);
    connect(group_, &QButtonGroup::idToggled, this, [this](int id, bool checked) {
        if (checked) emit ItemIndexChanged(id);
    });
}

void RadioGroup::SetItems(const QStringList& items) {
    Clear();
    for (const QString& item : items) AddItem(item);
}

void RadioGroup::AddItem(const QString& item) {
    auto* button = new QRadioButton(item, this);
    group_->addButton(button, static_cast<int>(buttons_.size()));
    layout_->addWidget(button);
    // At once, not when the event loop comes round: a group that is on the
    // screen already shows its new item.
    button->show();
    buttons_.append(button);
}

void RadioGroup::Clear() {
    const bool hadSelection = ItemIndex() >= 0;
    for (QRadioButton* button : buttons_) {
        group_->removeButton(button);
        delete button;
    }
    buttons_.clear();
    if (hadSelection) emit ItemIndexChanged(-1);
}

QStringList RadioGroup::Items() const {
    QStringList items;
    for (const QRadioButton* button : buttons_) items.append(button->text());
    return items;
}

int RadioGroup::Count() const {
    return static_cast<int>(buttons_.size());
}

QString RadioGroup::Item(int index) const {
    return Button(index) ? Button(index)->text() : QString();
}

int RadioGroup::ItemIndex() const {
    return group_->checkedId();
}

void RadioGroup::SetItemIndex(int index) {
    if (index == ItemIndex()) return;
    if (QRadioButton* button = Button(index)) {
        button->setChecked(true);
        return;
    }
    // An exclusive group refuses to uncheck its last button.
    group_->setExclusive(false);
    if (QAbstractButton* checked = group_->checkedButton()) checked->setChecked(false);
    group_->setExclusive(true);
    emit ItemIndexChanged(-1);
}

QString RadioGroup::SelectedText() const {
    return Item(ItemIndex());
}

QRadioButton* RadioGroup::Button(int index) const {
    return index >= 0 && index < buttons_.size() ? buttons_[index] : nullptr;
}
