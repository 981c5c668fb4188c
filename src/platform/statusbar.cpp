#include "statusbar.h"

#include "statuspanel.h"

#include <QLabel>

StatusBar::StatusBar(QWidget* parent) : QStatusBar(parent), simple_(new QLabel(this)) {
    setSizeGripEnabled(false);
    addWidget(simple_, 1);
    UpdateMode();
}

StatusPanel* StatusBar::AddPanel(int width) {
    auto* panel = new StatusPanel(width, this);
    addWidget(panel);
    panels_.append(panel);
    UpdateMode();
    return panel;
}

int StatusBar::PanelCount() const {
    return static_cast<int>(panels_.size());
}

StatusPanel* StatusBar::Panel(int index) const {
    return index >= 0 && index < panels_.size() ? panels_[index] : nullptr;
}

QString StatusBar::PanelText(int index) const {
    return Panel(index) ? Panel(index)->text() : QString();
}

void StatusBar::SetPanelText(int index, const QString& text) {
    if (StatusPanel* panel = Panel(index)) panel->setText(text);
}

void StatusBar::SetSimplePanel(bool on) {
    simplePanel_ = on;
    UpdateMode();
}

QString StatusBar::SimpleText() const {
    return simple_->text();
}

void StatusBar::SetSimpleText(const QString& text) {
    simple_->setText(text);
}

void StatusBar::UpdateMode() {
    const bool simple = simplePanel_ || panels_.isEmpty();
    simple_->setVisible(simple);
    for (StatusPanel* panel : panels_) panel->setVisible(!simple);
}
