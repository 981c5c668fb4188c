#include "tmsgpanel.h"

#include <QPlainTextEdit>
#include <QVBoxLayout>

TMsgPanel::TMsgPanel(QWidget* parent) : QFrame(parent) {
    setFixedHeight(PanelHeight);
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    Memo = new QPlainTextEdit(this);
    Memo->setReadOnly(true);
    layout->addWidget(Memo);
}
