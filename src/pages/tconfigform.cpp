#include "tconfigform.h"

#include <QCoreApplication>
#include <QTimer>

#include <algorithm>

#include "mainwindowcentre.h"
#include "ovexception.h"
#include "ovoptionlist.h"
#include "ovsnmprequest2edits.h"
#include "tsnmpeditorpanel.h"
#include "tsnmplistviewpanel.h"

TConfigForm* ConfigForm = nullptr;

namespace {

const OvOptionDef kOtherDisabledEnabled[] = {{1, "other"}, {2, "disabled"}, {3, "enabled"}, {}};
const OvOptionDef kQuerierStates[] = {{1, "other"}, {2, "querier"}, {3, "non-querier"}, {}};
const OvOptionDef kOtherDisableEnable[] = {{1, "other"}, {2, "disable"}, {3, "enable"}, {}};
const OvOptionDef kVersions[] = {{1, "version-1"}, {2, "version-2"}, {}};

const OvOptionList kOptionLists[] = {
    {kOtherDisabledEnabled, OvOptionList::IntegerValues}, {kOtherDisabledEnabled, OvOptionList::IntegerValues},
    {kOtherDisabledEnabled, OvOptionList::IntegerValues}, {kQuerierStates, OvOptionList::IntegerValues},
    {kOtherDisableEnable, OvOptionList::IntegerValues},   {kOtherDisableEnable, OvOptionList::IntegerValues},
    {kVersions, OvOptionList::IntegerValues},
};

}  // namespace

const OvOptionList& TConfigForm::OptionList(int number) {
    return kOptionLists[std::clamp(number, 1, 7) - 1];
}

TConfigForm::TConfigForm(QWidget* owner) : QDialog(owner) {
    setWindowTitle(QStringLiteral("ConfigForm"));
    // Small at first: setting up grows it to its page.
    resize(120, 80);
    CentreOnMainWindow(this);
}

void TConfigForm::showEvent(QShowEvent* event) {
    QDialog::showEvent(event);
    // The page is read once the dialog runs its message loop, never while
    // it is being built: a form that is never shown is never read.
    if (!shown_) {
        shown_ = true;
        QTimer::singleShot(0, this, [this] { RefreshPage(); });
    }
}

TConfigForm::~TConfigForm() {
    FormClose();
    if (ConfigForm == this)
        ConfigForm = nullptr;
}

void TConfigForm::Adopt(OvSNMPRequest2Edits* binding) {
    if (FormType != NotSetUp)
        throw OvException("Can not change Type of a Config Form!", OvException::PageSetupError);
    Bindings.append(binding);
}

void TConfigForm::GrowTo(const QWidget* panel) {
    resize(size().expandedTo(panel->size()));
}

TSNMPEditorPanel* TConfigForm::SetupEditor(OvSNMPRequest2Edits* binding) {
    Adopt(binding);
    FormType = EditorPage;
    auto* panel = new TSNMPEditorPanel(this, binding);
    panel->FitForm(this);
    GrowTo(panel);
    return panel;
}

TSNMPListViewPanel* TConfigForm::SetupListView(OvSNMPRequest2Edits* binding, int addItem, const char* addValue,
                                               int deleteItem, const char* deleteValue) {
    Adopt(binding);
    FormType = TablePage;
    auto* panel = new TSNMPListViewPanel(this, binding);
    panel->FitForm(this);
    GrowTo(panel);
    if (addValue)
        panel->SetAddStatus(addItem, addValue);
    if (deleteValue)
        panel->SetDeleteStatus(deleteItem, deleteValue);
    return panel;
}

void TConfigForm::RefreshPage() {
    if (FormType == NotSetUp || closed_)
        return;
    if (FormType != EditorPage && FormType != TablePage)
        throw OvException("Refresh a Form with unknown Form Type!", OvException::PageSetupError);
    OvSNMPRequest2Edits* binding = Bindings.first();
    if (CurrentBinding)
        CurrentBinding->Request.Alive = false;
    CurrentBinding = binding;
    binding->Request.Alive = true;
    try {
        binding->Get();
    } catch (const OvException& e) {
        binding->ShowStatus(e.what());
    }
}

void TConfigForm::done(int result) {
    FormClose();
    QDialog::done(result);
}

void TConfigForm::FormClose() {
    if (closed_)
        return;
    closed_ = true;
    for (OvSNMPRequest2Edits* binding : Bindings) {
        binding->Request.Alive = false;
        while (binding->Busy)
            QCoreApplication::processEvents(QEventLoop::WaitForMoreEvents);
        delete binding;
    }
    Bindings.clear();
    CurrentBinding = nullptr;
}
