#pragma once

#include <QFrame>

#include <functional>

class QSplitter;
class OvSNMPRequest2Edits;
class TCtrlBtnPanel;
class TMsgPanel;

// The frame of a generic page: its content on the left, the column of
// buttons on the right, and the memo of status lines under the content.
class TSNMPPanel : public QFrame {
    Q_OBJECT
public:
    static constexpr int SplitterWidth = 3;
    static constexpr int MaximumFormWidth = 800;
    static constexpr int MaximumFormHeight = 550;

    // messages: another page's message panel to write to, or nullptr for one of its own.
    TSNMPPanel(QWidget* parent, TMsgPanel* messages, OvSNMPRequest2Edits* binding);

    // Shows control as the page's content and sizes the panel around it.
    void ShowContent(QWidget* control);
    // Makes form the panel's host: centred, sized to the panel within limits.
    void FitForm(QWidget* form);
    // The message panel the status lines go to (this panel's or the given one).
    TMsgPanel* Messages() const { return messages_; }

    OvSNMPRequest2Edits* Binding;
    TCtrlBtnPanel* ButtonPanel;
    QSplitter* ButtonSplitter;
    QFrame* ContentPanel;
    TMsgPanel* MsgPanel;
    QSplitter* MessageSplitter;
    QWidget* Content = nullptr;
    QWidget* HostForm = nullptr;

protected:
    // Refresh of a page: read the binding, a failure into the memo.
    virtual void RefreshClicked();
    void CloseClicked();
    // Runs a binding call; an error it raises goes to the memo.
    void ShowingErrors(const std::function<void()>& call);
    // Takes a control back from a dialog that showed it, hidden.
    void TakeBack(QWidget* control);

private:
    QWidget* contentHolder_;
    TMsgPanel* messages_;
};
