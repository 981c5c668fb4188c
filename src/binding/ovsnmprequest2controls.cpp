#include "ovsnmprequest2controls.h"

#include "messagebox.h"
#include "ovexception.h"
#include "ovlatin1.h"
#include "ovmessagetables.h"
#include "ovpartialdata.h"
#include "ovtexthelpers.h"
#include "statusbar.h"
#include "statuspanel.h"

#include <QLocale>
#include <QPlainTextEdit>
#include <QTime>

namespace {

constexpr const char* StatusTemplates[] = {
    "Get: [ERROR] Request:[VARLIST]. Receive at [TIME].",
    "Set: [ERROR] Request:[VARLIST]. Receive at [TIME].",
};

std::string OkText() {
    return OvMessageTables::OwnText(0);
}

// "hh:nn:ss" on a 12-hour clock and the locale's AM or PM.
std::string TimeOfDay() {
    return FromQt(QLocale::system().toString(QTime::currentTime(), QStringLiteral("hh:mm:ss AP")));
}

// Without a list name the " Request:[VARLIST]" part goes, counted from the
// end of "[ERROR]" to the end of "[VARLIST]".
std::string WithListName(std::string line, const std::string& name) {
    if (!name.empty()) return ReplaceAll(line, "[VARLIST]", name);
    const size_t error = line.find("[ERROR]");
    const size_t list = line.find("[VARLIST]");
    if (error != std::string::npos && list != std::string::npos && list >= error)
        line.erase(error + 7, list - error + 2);
    return line;
}

// Clears Busy however the operation is left.
struct BusyScope {
    explicit BusyScope(bool& busy) : busy_(busy) { busy_ = true; }
    ~BusyScope() { busy_ = false; }
    bool& busy_;
};

}  // namespace

OvSNMPRequest2Controls::OvSNMPRequest2Controls(QWidget* owner) : Owner(owner) {}

OvSNMPRequest2Controls::~OvSNMPRequest2Controls() {
    *alive_ = false;
    Busy = false;
}

void OvSNMPRequest2Controls::SetStatusTarget(QPlainTextEdit* memo) {
    statusTarget_ = memo;
}

void OvSNMPRequest2Controls::SetStatusTarget(StatusBar* bar) {
    statusTarget_ = bar;
}

void OvSNMPRequest2Controls::SetStatusTarget(StatusPanel* panel) {
    statusTarget_ = panel;
}

void OvSNMPRequest2Controls::ShowStatus(const std::string& text) {
    if (!statusTarget_) return;
    std::string line = WithListName(StatusTemplates[LastOperation == 1 ? 1 : 0], Request.List.Name);
    line = ReplaceAll(line, "[ERROR]", text);
    line = ReplaceAll(line, "[TIME]", TimeOfDay());
    const QString shown = ToQt(line);
    if (auto* memo = qobject_cast<QPlainTextEdit*>(statusTarget_)) {
        memo->appendPlainText(shown);
    } else if (auto* bar = qobject_cast<StatusBar*>(statusTarget_)) {
        bar->SetSimpleText(shown);
    } else if (auto* panel = qobject_cast<StatusPanel*>(statusTarget_)) {
        panel->setText(shown);
    }
}

void OvSNMPRequest2Controls::Report(const std::string& text) {
    if (statusTarget_)
        ShowStatus(text);
    else
        MessageBox::Inform(Owner ? Owner->window() : nullptr, ToQt(text));
}

void OvSNMPRequest2Controls::GetFailed(const OvSNMPError& record) {
    LastOperation = 0;
    Report(record.Text);
}

void OvSNMPRequest2Controls::SetFailed(const OvSNMPError& record) {
    LastOperation = 1;
    Report(record.Text);
}

bool OvSNMPRequest2Controls::IsTableList() const {
    return Request.List.ItemType == MVT_FMV || Request.List.ItemType == MVT_UMV;
}

std::string OvSNMPRequest2Controls::RowFilter() {
    if (!FilterSource || FilterText.empty()) return "";
    return FilterSource->SubstituteVariables(FilterText, true, '#');
}

void OvSNMPRequest2Controls::ShowIfAccepted(const std::string& filter) {
    if (!Request.EvaluateCondition(filter) || !Request.EvaluateCondition(Request.Condition)) return;
    ShowValues();
    ++RowCount;
}

void OvSNMPRequest2Controls::Get() {
    LastOperation = 0;
    BeforeGet();
    RowCount = 0;
    if (Mode == Synchronous) return GetSync();
    StartAsync([this] { Request.GetAsync(&GetCompletion, this, true); });
}

void OvSNMPRequest2Controls::StartAsync(const std::function<void()>& start) {
    // A request kept quiet by its page starts nothing and tells nothing.
    if (!Request.Alive) return;
    Busy = true;
    try {
        start();
    } catch (...) {
        Busy = false;
        throw;
    }
}

void OvSNMPRequest2Controls::GetSync() {
    {
        BusyScope busy(Busy);
        const std::string filter = RowFilter();
        if (IsTableList()) {
            for (bool more = Request.FetchRow(true); more; more = Request.FetchRow(false)) ShowIfAccepted(filter);
        } else {
            Request.FetchRow(true);
            ShowIfAccepted(filter);
        }
        AfterGet();
    }
    ShowStatus(OkText());
}

void OvSNMPRequest2Controls::GetCompletion(void* binding, OvSNMPError& record, OvSNMPVarList&) {
    auto* self = static_cast<OvSNMPRequest2Controls*>(binding);
    if (*self->alive_) self->GetCompleted(record);
}

void OvSNMPRequest2Controls::GetCompleted(const OvSNMPError& record) {
    const std::shared_ptr<bool> alive = alive_;
    if (record.Code != 0) {
        Busy = false;
        GetFailed(record);
        if (*alive && OnGetDone) OnGetDone(*this, record);
        return;
    }
    try {
        const std::string filter = RowFilter();
        if (IsTableList() && !record.Finished) {
            ShowIfAccepted(filter);
            if (Request.Alive) return Request.GetAsync(&GetCompletion, this, false);
        } else if (!IsTableList()) {
            ShowIfAccepted(filter);
        }
    } catch (const std::exception& e) {
        // A value that cannot be shown, or a next row that cannot be asked
        // for, ends the walk with its message; the page is not told done.
        // Nothing may leave a completion: it runs inside the event pump.
        Busy = false;
        LastOperation = 0;
        Report(e.what());
        return;
    }
    FinishGet(record);
}

void OvSNMPRequest2Controls::FinishGet(const OvSNMPError& record) {
    const std::shared_ptr<bool> alive = alive_;
    AfterGet();
    Busy = false;
    LastOperation = 0;
    ShowStatus(OkText());
    if (*alive && OnGetDone) OnGetDone(*this, record);
}

void OvSNMPRequest2Controls::Set(bool refreshAfter, bool collect, const std::string& selection,
                                 const OvSNMPValueSource* values) {
    LastOperation = 1;
    RefreshAfterSet = refreshAfter;
    BeforeSet();
    if (collect) CollectValues();
    if (Mode == Synchronous) {
        {
            BusyScope busy(Busy);
            Request.SetSync(false, selection, values);
            AfterSet();
        }
        ShowStatus(OkText());
        if (IsTableList() && RefreshAfterSet) Get();
        return;
    }
    StartAsync([&] { Request.SetAsync(&SetCompletion, this, false, selection, values); });
}

void OvSNMPRequest2Controls::SetCompletion(void* binding, OvSNMPError& record, OvSNMPVarList&) {
    auto* self = static_cast<OvSNMPRequest2Controls*>(binding);
    if (*self->alive_) self->SetCompleted(record);
}

void OvSNMPRequest2Controls::SetCompleted(const OvSNMPError& record) {
    const std::shared_ptr<bool> alive = alive_;
    if (record.Code != 0) {
        Busy = false;
        SetFailed(record);
        if (*alive && OnSetDone) OnSetDone(*this, record);
        return;
    }
    AfterSet();
    Busy = false;
    LastOperation = 1;
    ShowStatus(OkText());
    if (*alive && OnSetDone) OnSetDone(*this, record);
    // The handler may have closed the page and with it this binding.
    if (!*alive || !IsTableList() || !RefreshAfterSet) return;
    try {
        Get();
    } catch (const std::exception& e) {
        LastOperation = 0;
        Report(e.what());
    }
}

std::string OvSNMPRequest2Controls::TextToBytes(const std::string& text, uint32_t syntax) {
    return OvPartialData::TextToBytes(text, syntax);
}

std::string OvSNMPRequest2Controls::BytesToText(const std::string& bytes, uint32_t syntax) {
    return OvPartialData::BytesToText(bytes, syntax);
}

std::string OvSNMPRequest2Controls::ExtractPart(const std::string& bytes, int32_t offset, uint32_t syntax) {
    return OvPartialData::ExtractPart(bytes, offset, syntax);
}
