#include "listview.h"

#include <QFontMetrics>
#include <QHeaderView>
#include <QPainter>
#include <QScrollBar>
#include <QTimer>

#include <algorithm>

namespace {
constexpr int RepaintMs = 100;
}

ListView::ListView(QWidget* parent) : QTreeWidget(parent), repaint_(new QTimer(this)) {
    repaint_->setSingleShot(true);
    repaint_->setInterval(RepaintMs);
    connect(repaint_, &QTimer::timeout, this, [this] {
        viewport()->setUpdatesEnabled(true);
        viewport()->update();
    });
    setRootIsDecorated(false);
    setItemsExpandable(false);
    setUniformRowHeights(true);
    setSelectionMode(QAbstractItemView::SingleSelection);
    setSelectionBehavior(QAbstractItemView::SelectRows);
    setEditTriggers(QAbstractItemView::NoEditTriggers);
    setAllColumnsShowFocus(true);
    setColumnCount(0);
    header()->setStretchLastSection(false);
    header()->setSectionsMovable(false);
    // Pages give narrow widths on purpose; the style's minimum would widen them.
    header()->setMinimumSectionSize(1);
    connect(this, &QTreeWidget::itemSelectionChanged, this, &ListView::SelectionChanged);
}

int ListView::AddColumn(const QString& title, int width) {
    const int column = columnCount();
    setColumnCount(column + 1);
    headerItem()->setText(column, title);
    SetColumnWidth(column, width);
    return column;
}

void ListView::ClearColumns() {
    ClearRows();
    setColumnCount(0);
    fitted_.clear();
}

int ListView::ColumnCount() const {
    return columnCount();
}

QString ListView::ColumnTitle(int column) const {
    return headerItem()->text(column);
}

int ListView::ColumnWidth(int column) const {
    return isColumnHidden(column) ? 0 : columnWidth(column);
}

void ListView::SetColumnWidth(int column, int width) {
    header()->setSectionResizeMode(column, QHeaderView::Interactive);
    setColumnHidden(column, width == HiddenWidth);
    if (width == HiddenWidth) return;
    fitted_.resize(std::max<qsizetype>(fitted_.size(), column + 1));
    fitted_[column] = width == HeaderWidth;
    if (width == HeaderWidth) width = header()->sectionSizeHint(column);
    setColumnWidth(column, width);
}

void ListView::WidenFittedColumns(const QStringList& cells) {
    const QFontMetrics metrics(font());
    for (qsizetype column = 0; column < std::min(cells.size(), fitted_.size()); ++column) {
        if (!fitted_[column]) continue;
        const int needed = metrics.horizontalAdvance(cells[column]) + CellPadding;
        if (needed > columnWidth(static_cast<int>(column))) setColumnWidth(static_cast<int>(column), needed);
    }
}

QTreeWidgetItem* ListView::AddRow(const QStringList& cells) {
    const int row = RowCount();
    auto* item = new QTreeWidgetItem(this, cells);
    WidenFittedColumns(cells);
    if (BelowTheView(row)) PauseRepaint();
    return item;
}

bool ListView::BelowTheView(int row) {
    if (rowHeight_ <= 0 && row > 0) rowHeight_ = visualItemRect(Row(0)).height();
    if (rowHeight_ <= 0) return false;
    const int scrolled = verticalScrollBar()->value();
    const int firstShown = verticalScrollMode() == ScrollPerItem ? scrolled : scrolled / rowHeight_;
    return row > firstShown + viewport()->height() / rowHeight_ + 1;
}

void ListView::PauseRepaint() {
    if (repaint_->isActive()) return;
    viewport()->setUpdatesEnabled(false);
    repaint_->start();
}

void ListView::ClearRows() {
    // Rows that go are not told as deselected: there is no row left to tell.
    lastSelected_ = nullptr;
    rowHeight_ = 0;
    const QSignalBlocker blocker(this);
    clear();
}

int ListView::RowCount() const {
    return topLevelItemCount();
}

QTreeWidgetItem* ListView::Row(int index) const {
    return topLevelItem(index);
}

int ListView::RowIndex(const QTreeWidgetItem* item) const {
    return indexOfTopLevelItem(const_cast<QTreeWidgetItem*>(item));
}

QString ListView::Cell(const QTreeWidgetItem* item, int column) {
    return item->text(column);
}

QStringList ListView::RowCells(const QTreeWidgetItem* item) const {
    QStringList cells;
    for (int column = 0; column < columnCount(); ++column) cells.append(item->text(column));
    return cells;
}

QTreeWidgetItem* ListView::Selected() const {
    const QList<QTreeWidgetItem*> items = selectedItems();
    return items.isEmpty() ? nullptr : items.first();
}

int ListView::SelectedIndex() const {
    const QTreeWidgetItem* item = Selected();
    return item ? RowIndex(item) : -1;
}

void ListView::SelectRow(int index) {
    QTreeWidgetItem* item = Row(index);
    if (!item) {
        clearSelection();
        return;
    }
    setCurrentItem(item);
    item->setSelected(true);
    scrollToItem(item);
}

void ListView::SetGridLines(bool on) {
    gridLines_ = on;
    viewport()->update();
}

void ListView::drawRow(QPainter* painter, const QStyleOptionViewItem& option, const QModelIndex& index) const {
    QTreeWidget::drawRow(painter, option, index);
    if (!gridLines_) return;
    // Drawn here rather than by a style sheet, which slows painting threefold.
    painter->save();
    painter->setPen(palette().color(QPalette::Mid));
    const QRect row = option.rect;
    painter->drawLine(row.left(), row.bottom(), row.right(), row.bottom());
    for (int column = 0; column < columnCount(); ++column) {
        if (isColumnHidden(column)) continue;
        const int right = columnViewportPosition(column) + columnWidth(column) - 1;
        painter->drawLine(right, row.top(), right, row.bottom());
    }
    painter->restore();
}

void ListView::SelectionChanged() {
    QTreeWidgetItem* now = Selected();
    if (now == lastSelected_) return;
    QTreeWidgetItem* before = lastSelected_;
    lastSelected_ = now;
    if (before && RowIndex(before) >= 0) Tell(before, false);
    if (now) Tell(now, true);
}

void ListView::Tell(QTreeWidgetItem* item, bool selected) {
    if (onSelectItem_) onSelectItem_(this, item, selected);
    emit ItemSelected(item, selected);
}
