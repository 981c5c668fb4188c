#pragma once

#include "tsnmpeditorpanel.h"

#include <functional>
#include <string>

class QDialog;
class QTreeWidgetItem;
class TListViewPanel;
class TSNMPPanel;

// A table page: the rows in a list view; Edit and Add show one row in the
// row editor inside a dialog, Delete writes the row-status column.
class TSNMPListViewPanel : public TSNMPEditorPanel {
    Q_OBJECT
public:
    static constexpr int EditValueWidth = 200;
    static constexpr int EditWaitMs = 1000;

    TSNMPListViewPanel(QWidget* parent, OvSNMPRequest2Edits* binding);
    ~TSNMPListViewPanel() override;

    void SetAddStatus(int itemIndex, const std::string& value);
    void SetDeleteStatus(int itemIndex, const std::string& value);
    // Rows can only be added and deleted: no Edit button, double clicks do nothing.
    void HideEditButton();

    void RefreshList();
    void AddDialog();
    void EditDialog();
    void DeleteRow();
    // The hint for the row under the mouse: one line per column.
    QString RowHint(const QTreeWidgetItem* item) const;

    TListViewPanel* ListPanel;
    std::function<void(TSNMPListViewPanel*)> BeforeAdd;
    std::function<void(TSNMPListViewPanel*)> AfterAdd;
    std::function<void(TSNMPListViewPanel*)> BeforeEdit;
    std::function<void(TSNMPListViewPanel*)> AfterEdit;
    // The dialog of the running Add or Edit, for tests and hooks; nullptr otherwise.
    QDialog* RunningDialog() const { return runningDialog_; }

protected:
    void RefreshClicked() override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void CheckStatusValue(int itemIndex, const std::string& value, const char* error);
    void ListClicked();
    void UpdateCount();
    // Builds the dialog around the editor; its panel writes to this page's memo.
    QDialog* OpenRowDialog(const QString& caption, TSNMPPanel** dialogPanel);
    // Port lists read-only, the editor's buttons on the dialog without Refresh.
    void PrepareRowDialog(TSNMPPanel* panel);
    // Lays the editor out in the dialog and runs it modally.
    void ShowRowDialog(QDialog* dialog, TSNMPPanel* panel);
    // The editor back on the page, the dialog gone, the table read again.
    void FinishRowDialog(QDialog* dialog);
    QString DialogCaption() const;

    bool editAllowed_ = true;
    QDialog* runningDialog_ = nullptr;
};
