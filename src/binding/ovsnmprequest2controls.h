#pragma once

#include "ovsnmperror.h"
#include "ovsnmprequest.h"

#include <QPointer>
#include <QWidget>

#include <cstdint>
#include <functional>
#include <memory>
#include <string>

class QPlainTextEdit;
class StatusBar;
class StatusPanel;

// The base of every binding between one request and the controls of a
// page. It reads the request's list and hands each value set or table row
// to ShowValues, writes what CollectValues gathered, and reports the
// outcome as a status line in a memo, a status bar or a status-bar panel,
// or in a message box when the page has none of these.
class OvSNMPRequest2Controls {
    // Declared first so that they outlive Request: its destruction still
    // delivers the responses in flight, which must then find the binding gone.
    std::shared_ptr<bool> alive_ = std::make_shared<bool>(true);

public:
    // Called when an asynchronous get or set has ended, well or not. The
    // handler may destroy the binding.
    using DoneHandler = std::function<void(OvSNMPRequest2Controls& binding, const OvSNMPError& record)>;

    static constexpr uint8_t Synchronous = 0;
    static constexpr uint8_t Asynchronous = 1;

    OvSNMPRequest Request;
    DoneHandler OnGetDone;
    DoneHandler OnSetDone;
    uint8_t Mode = Asynchronous;
    // True while a get or set runs; pages start no other and do not close.
    bool Busy = false;
    QWidget* const Owner;
    // Value sets or rows the last get accepted.
    int32_t RowCount = 0;
    // 0 get, 1 set: which status line ShowStatus writes.
    int32_t LastOperation = 0;
    bool RefreshAfterSet = true;
    // When set, FilterText's "#n" placeholders take this request's values.
    OvSNMPRequest* FilterSource = nullptr;
    std::string FilterText;

    explicit OvSNMPRequest2Controls(QWidget* owner);
    virtual ~OvSNMPRequest2Controls();
    OvSNMPRequest2Controls(const OvSNMPRequest2Controls&) = delete;
    OvSNMPRequest2Controls& operator=(const OvSNMPRequest2Controls&) = delete;

    // Where status lines go: appended to a memo, as a bar's simple text, or
    // as a panel's text. nullptr: nowhere (failures then show in a box).
    void SetStatusTarget(QPlainTextEdit* memo);
    void SetStatusTarget(StatusBar* bar);
    void SetStatusTarget(StatusPanel* panel);
    QWidget* StatusTarget() const { return statusTarget_; }

    // "Get: <text> Request:<list name>. Receive at <time>." (or "Set: ...")
    // into the status target; pages show their own messages this way too.
    void ShowStatus(const std::string& text);

    // Reads the list and shows it. Synchronous failures are raised.
    void Get();
    // Writes the list. collect: gather the controls' contents first.
    // selection and values go to the request unchanged.
    void Set(bool refreshAfter, bool collect, const std::string& selection = "",
             const OvSNMPValueSource* values = nullptr);

    // The row filter with FilterSource's values in it; "" without one.
    std::string RowFilter();

    // Partial data: see OvPartialData.
    static std::string TextToBytes(const std::string& text, uint32_t syntax);
    static std::string BytesToText(const std::string& bytes, uint32_t syntax);
    static std::string ExtractPart(const std::string& bytes, int32_t offset, uint32_t syntax);

    // The steps a derived binding fills in. Pages may call them too (the
    // generic panels collect the values themselves before a set).
    virtual void BeforeGet() {}
    virtual void BeforeSet() {}
    // Once for every accepted value set or row, with the values in the items.
    virtual void ShowValues() = 0;
    // Copies what the controls hold into the items' values.
    virtual void CollectValues() {}
    virtual void GetFailed(const OvSNMPError& record);
    virtual void SetFailed(const OvSNMPError& record);
    virtual void AfterGet() {}
    virtual void AfterSet() {}

protected:
    bool IsTableList() const;
    // The failure report: a status line, or a message box without a target.
    void Report(const std::string& text);

private:
    static void GetCompletion(void* binding, OvSNMPError& record, OvSNMPVarList& list);
    static void SetCompletion(void* binding, OvSNMPError& record, OvSNMPVarList& list);
    void GetCompleted(const OvSNMPError& record);
    void SetCompleted(const OvSNMPError& record);
    // Shows the current row when the filter and the request's condition hold.
    void ShowIfAccepted(const std::string& filter);
    void GetSync();
    // Starts an asynchronous operation; Busy until its completion.
    void StartAsync(const std::function<void()>& start);
    void FinishGet(const OvSNMPError& record);

    QPointer<QWidget> statusTarget_;
};
