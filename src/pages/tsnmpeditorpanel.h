#pragma once

#include "tsnmppanel.h"

#include <string>

class QPushButton;
class TEditsPanel;

// A scalar-group page: the row editor as content; Set Checked writes the
// rows whose boxes are checked.
class TSNMPEditorPanel : public TSNMPPanel {
    Q_OBJECT
public:
    static constexpr int DialogTag = 1;

    TSNMPEditorPanel(QWidget* parent, OvSNMPRequest2Edits* binding);

    void SetValueWidth(int width);
    void SetRowFormat(int row, const std::string& specifier);
    // Writes the checked rows. A button tagged 1 sits in a dialog, which
    // closes once the page was complete.
    void SetChecked(QPushButton* button);
    // Connects Set Checked, Check All and Clear Checks of a button column
    // to this page's editor.
    void WireEditorButtons(TCtrlBtnPanel* buttons);

    TEditsPanel* Editor;
};
