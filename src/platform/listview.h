#pragma once

#include <QStringList>
#include <QTreeWidget>

#include <functional>

class QTimer;

// A list view in report style: titled columns, and rows made of a caption
// (column 0) and sub-items (columns 1 on). One row at most is selected.
// Every change of selection is told as (item, selected): first the row
// that lost the selection, then the row that gained it.
class ListView : public QTreeWidget {
    Q_OBJECT
public:
    // Column widths with a meaning of their own.
    static constexpr int HiddenWidth = 0;
    static constexpr int HeaderWidth = -2;   // fits the column's title, and widens to its cells

    using SelectHandler = std::function<void(ListView* sender, QTreeWidgetItem* item, bool selected)>;

    explicit ListView(QWidget* parent = nullptr);

    // Columns. A width of 0 hides the column; -2 sizes it to its title.
    int AddColumn(const QString& title, int width);
    void ClearColumns();
    int ColumnCount() const;
    QString ColumnTitle(int column) const;
    // The width in pixels; 0 for a hidden column.
    int ColumnWidth(int column) const;
    void SetColumnWidth(int column, int width);

    // Rows. Cells are caption, then sub-items; missing cells stay empty.
    QTreeWidgetItem* AddRow(const QStringList& cells);
    void ClearRows();
    int RowCount() const;
    QTreeWidgetItem* Row(int index) const;
    int RowIndex(const QTreeWidgetItem* item) const;
    // The text of a row's column: the caption for 0, sub-item k-1 for k.
    static QString Cell(const QTreeWidgetItem* item, int column);
    QStringList RowCells(const QTreeWidgetItem* item) const;

    // Selection: the selected row, or nullptr / -1 when none is.
    QTreeWidgetItem* Selected() const;
    int SelectedIndex() const;
    // Selects the row at index; -1 clears the selection.
    void SelectRow(int index);

    // The one selection handler, in the manner of an event property: a
    // binding keeps the handler it finds and calls it from its own.
    const SelectHandler& OnSelectItem() const { return onSelectItem_; }
    void SetOnSelectItem(SelectHandler handler) { onSelectItem_ = std::move(handler); }

    void SetGridLines(bool on);
    bool GridLines() const { return gridLines_; }

signals:
    // Told with every selection change, after the handler.
    void ItemSelected(QTreeWidgetItem* item, bool selected);

protected:
    void drawRow(QPainter* painter, const QStyleOptionViewItem& option, const QModelIndex& index) const override;

private:
    void SelectionChanged();
    // While rows stream in below the visible ones, the view is repainted at
    // most every RepaintMs: painting every appended row would cost more than
    // the walk itself, and such a row changes no visible pixel but the
    // scroll bar's.
    void PauseRepaint();
    bool BelowTheView(int row);
    void Tell(QTreeWidgetItem* item, bool selected);
    // A column sized to its title grows to the widest cell, so that an
    // address or a name is never cut off.
    void WidenFittedColumns(const QStringList& cells);
    static constexpr int CellPadding = 12;

    QTreeWidgetItem* lastSelected_ = nullptr;
    SelectHandler onSelectItem_;
    bool gridLines_ = false;
    QList<bool> fitted_;
    QTimer* repaint_;
    int rowHeight_ = 0;   // measured on the first row that has a height
};
