#pragma once

#include <QFrame>
#include <QList>

#include <optional>
#include <string>

class QCheckBox;
class QLabel;
class QLineEdit;
class QScrollArea;
class OvSNMPRequest2Edits;
class TCtrlBtnPanel;

// The row editor: for every item of its binding's list one row of check box,
// caption and value control, the value controls aligned in one column.
// A checked row is one the user wants written.
class TEditsPanel : public QFrame {
    Q_OBJECT
public:
    static constexpr int DefaultValueWidth = 121;
    static constexpr int RowSpacing = 5;
    static constexpr int FirstRowTop = 20;
    static constexpr int CheckBoxLeft = 20;
    static constexpr int CheckBoxWidth = 20;
    static constexpr int CaptionLeft = 45;
    static constexpr int OuterMargin = 40;

    enum RowKinds { ReadOnlyEdit = 1, WritableEdit = 2, WritableCombo = 3, ReadOnlyOptionEdit = 4 };

    // A port list edited as a grid of check boxes, one per bit.
    struct OctetItem {
        int Columns;
        int BitCount;
    };
    struct Row {
        int RowKind;
        std::string Spec;
        QWidget* ValueControl;
        QCheckBox* CheckBox;
        QLabel* CaptionLabel;
        std::optional<OctetItem> Octet;
    };

    TEditsPanel(QWidget* parent, OvSNMPRequest2Edits* binding);

    void ArrangeCtrlBtn(TCtrlBtnPanel* buttons);

    void SetRowReadOnly(int aIdx);
    void SetRowEditable(int aIdx);
    void ApplyRowStates(bool defaultChecked);
    void HideRow(int row);
    void ShowRow(int row);
    void ClearRows();
    void SetValueWidth(int width);
    // Places the rows; with resize, the panel takes the size of its rows.
    void LayoutRows(bool resize);
    void SetOctetItem(int row, int columns, int bitCount);
    void EditOctetItem(int row);
    // colour is 0x00BBGGRR.
    void ShowNote(const QString& text, int colour, int fontSize);

    // True when the row can never be written here: its item is not
    // settable, or it is a key column of a table.
    bool IsRowReadOnly(int row) const;
    bool AllRowsReadOnly() const;
    // Whether some visible check box is checked.
    bool AnyChecked() const;
    void SetAllChecks(bool checked);
    int RowOf(const QWidget* control) const;

    OvSNMPRequest2Edits* EditCtrl;
    QList<Row> Rows;
    int ValueWidth = DefaultValueWidth;
    bool DefaultChecked = false;
    QLabel* NoteLabel;
    QScrollArea* ScrollBox;

signals:
    // A row's check box changed: anyChecked tells whether some visible box
    // is checked now.
    void ChecksChanged(bool anyChecked);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;

private:
    void BuildRows();
    QWidget* MakeValueControl(int index, int rowKind);
    void SetValueColours(QWidget* control, bool readOnly);
    void PlaceNote();

    QWidget* rowArea_;
};
