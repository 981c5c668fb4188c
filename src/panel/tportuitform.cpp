#include "tportuitform.h"

#include <QCheckBox>
#include <QFileInfo>
#include <QFontInfo>
#include <QScrollArea>
#include <QTabWidget>
#include <QVBoxLayout>

#include <algorithm>

TPortUitForm::TPortUitForm(QWidget* owner) : QWidget(owner, Qt::FramelessWindowHint) {
    QFont eightPoint = font();
    eightPoint.setPointSize(8);
    setFont(eightPoint);
    resize(543, 252);
    UnitPageControl = new QTabWidget(this);
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(UnitPageControl);
}

void TPortUitForm::AddUnit(const QString& caption, int, int count, int columns) {
    auto* page = new QWidget;
    UnitPages.push_back(page);
    const int index = UnitPageControl->addTab(page, caption);
    auto* scrollBox = new QScrollArea(page);
    auto* pageLayout = new QVBoxLayout(page);
    pageLayout->setContentsMargins(0, 0, 0, 0);
    pageLayout->addWidget(scrollBox);
    // The grid joins the window before its boxes are made, so the boxes
    // measure themselves in the window's font.
    auto* grid = new QWidget;
    scrollBox->setWidget(grid);
    if (QFileInfo::exists(DeviceInfoFile))
        columns = ColumnsWithDeviceInfo;
    // A column count below one would divide by zero; one column is the
    // nearest grid that still shows every box.
    columns = std::max(columns, 1);
    QRect extent;
    for (int i = 0; i < count; ++i)
        extent |= AddPortBox(grid, i, columns)->geometry();
    grid->resize(extent.right() + 1, extent.bottom() + 1);
    UnitPageControl->setTabVisible(index, false);
}

QCheckBox* TPortUitForm::AddPortBox(QWidget* parent, int index, int columns) {
    auto* box = new QCheckBox(QString::number(index + 1), parent);
    const int f = QFontInfo(box->font()).pointSize();
    const int height = box->sizeHint().height();
    box->setGeometry((index % columns) * f * 5 + 20, (index / columns) * height + 4,
                     static_cast<int>(box->text().size()) * f + 3 * f, height);
    box->setVisible(false);
    PortBoxes.push_back(box);
    return box;
}

void TPortUitForm::ShowUnit(const QString& unitText, const QString& modelName, int count) {
    bool isNumber = false;
    const int unit = unitText.toInt(&isNumber, 10);
    if (!isNumber || unit < 1 || unit > static_cast<int>(UnitPages.size()))
        return;
    QWidget* page = UnitPages[static_cast<size_t>(unit - 1)];
    const int index = UnitPageControl->indexOf(page);
    UnitPageControl->setTabText(index, UnitPageControl->tabText(index) + " " + modelName);
    UnitPageControl->setCurrentWidget(page);
    page->setVisible(true);
    const size_t first = static_cast<size_t>(unit - 1) * PortsPerUnit;
    for (size_t k = first; k < first + static_cast<size_t>(std::max(count, 0)) && k < PortBoxes.size(); ++k)
        PortBoxes[k]->setVisible(true);
}

void TPortUitForm::ClearAll() {
    for (QCheckBox* box : PortBoxes)
        box->setChecked(false);
}
