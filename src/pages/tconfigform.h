#pragma once

#include <QDialog>
#include <QList>

#include <cstdint>

class OvOptionList;
class OvSNMPRequest2Edits;
class TSNMPEditorPanel;
class TSNMPListViewPanel;

// The dialog of one generic page: it hosts an editor or a table panel for
// the binding it is given, reads the page once it is shown, and on closing
// waits until its bindings are idle before it destroys them.
class TConfigForm : public QDialog {
    Q_OBJECT
public:
    enum : uint8_t { NotSetUp = 0, EditorPage = 1, TablePage = 2 };

    explicit TConfigForm(QWidget* owner);
    ~TConfigForm() override;

    // The form owns binding from now on.
    TSNMPEditorPanel* SetupEditor(OvSNMPRequest2Edits* binding);
    // addValue / deleteValue: nullptr for a table without that row-status use.
    TSNMPListViewPanel* SetupListView(OvSNMPRequest2Edits* binding, int addItem, const char* addValue, int deleteItem,
                                      const char* deleteValue);
    void RefreshPage();
    void FormClose();

    uint8_t FormType = NotSetUp;
    QList<OvSNMPRequest2Edits*> Bindings;
    OvSNMPRequest2Edits* CurrentBinding = nullptr;

    // The option lists that some static tables point to.
    static const OvOptionList& OptionList(int number);

protected:
    void showEvent(QShowEvent* event) override;
    void done(int result) override;

private:
    void Adopt(OvSNMPRequest2Edits* binding);
    void GrowTo(const QWidget* panel);
    bool shown_ = false;
    bool closed_ = false;
};

// The dialog some page handlers keep while it is open.
extern TConfigForm* ConfigForm;
