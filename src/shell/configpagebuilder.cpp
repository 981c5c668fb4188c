#include "configpagebuilder.h"

#include "ovsnmprequest2edits.h"
#include "ovsnmpvarlist.h"
#include "pagecatalog.h"
#include "tconfigform.h"
#include "teditspanel.h"
#include "tsnmpeditorpanel.h"
#include "tsnmplistviewpanel.h"

namespace {

const char* const kTpidNote = "Warning:The TPID is a global setting!";
constexpr int kNoteColour = 255;
constexpr int kNoteFontSize = 10;

TSNMPEditorPanel* SetUp(TConfigForm& form, OvSNMPRequest2Edits* binding, const PageEntry& entry) {
    if (entry.Form != PageForm::Table)
        return form.SetupEditor(binding);
    if (entry.RowStatus >= 0)
        return form.SetupListView(binding, entry.RowStatus, "createAndGo", entry.RowStatus, "destroy");
    return form.SetupListView(binding, -1, nullptr, -1, nullptr);
}

void ApplyExtras(TConfigForm& form, TSNMPEditorPanel* panel, const PageEntry& entry) {
    for (const PageFormat& format : entry.Formats)
        panel->SetRowFormat(format.Item, format.Format);
    if (entry.Extras & ExtraValueWidth150)
        panel->SetValueWidth(ConfigPageBuilder::WideValueWidth);
    if (entry.Extras & ExtraPortList28)
        panel->Editor->SetOctetItem(ConfigPageBuilder::PortListRow, ConfigPageBuilder::PortListColumns,
                                    ConfigPageBuilder::PortListBits);
    if (entry.Extras & ExtraNote)
        panel->Editor->ShowNote(QString::fromLatin1(kTpidNote), kNoteColour, kNoteFontSize);
    if (entry.Extras & ExtraNoEdit)
        if (auto* table = dynamic_cast<TSNMPListViewPanel*>(panel))
            table->HideEditButton();
    if (entry.Extras & ExtraHeight450)
        form.resize(form.width(), ConfigPageBuilder::TallPageHeight);
}

}  // namespace

QString ConfigPageBuilder::CaptionPrefix(const PageEntry& entry) {
    return entry.CaptionPrefix ? QString::fromLatin1(entry.CaptionPrefix)
                               : QString::fromLatin1(entry.Caption) + QStringLiteral(" : ");
}

std::unique_ptr<TConfigForm> ConfigPageBuilder::Build(const PageEntry& entry, const QString& addressText) {
    auto form = std::make_unique<TConfigForm>(nullptr);
    form->setWindowTitle(CaptionPrefix(entry) + addressText);
    auto* binding = new OvSNMPRequest2Edits(form.get());
    binding->Request.List.Assign(OvSNMPVarList(entry.Definition->Vars, static_cast<uint8_t>(entry.Definition->ItemType),
                                               entry.Definition->KeyCount));
    TSNMPEditorPanel* panel = nullptr;
    try {
        panel = SetUp(*form, binding, entry);
    } catch (...) {
        if (form->Bindings.isEmpty())
            delete binding;
        throw;
    }
    ApplyExtras(*form, panel, entry);
    return form;
}
