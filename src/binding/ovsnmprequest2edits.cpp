#include "ovsnmprequest2edits.h"

#include "ovexception.h"
#include "ovlatin1.h"
#include "ovmultiedit.h"
#include "ovnumbertext.h"
#include "ovoptionlist.h"
#include "radiogroup.h"
#include "statictext.h"

#include <QCheckBox>
#include <QComboBox>
#include <QCoreApplication>
#include <QLabel>
#include <QLineEdit>

#include <algorithm>

namespace {

constexpr int32_t BadPartSyntax = -517;
constexpr int32_t BitOutOfRange = -519;
constexpr int32_t NoOptionList = -520;
constexpr int32_t BadControl = -521;
constexpr int32_t NotEnoughControls = -522;

bool IsBooleanSyntax(uint32_t syntax) {
    return syntax == SYN_BOOLEAN || syntax == SYN_BOOL8 || syntax == SYN_BOOL16;
}

// The option of a text: by its shown text first, then by its stored value.
int OptionIndex(const OvOptionList& options, const std::string& text) {
    const int index = options.IndexOfText(text);
    return index >= 0 ? index : options.IndexOfValue(text);
}

void SetControlText(QWidget* control, const std::string& text) {
    if (auto* edit = qobject_cast<QLineEdit*>(control)) edit->setText(ToQt(text));
    else if (auto* label = qobject_cast<QLabel*>(control)) label->setText(ToQt(text));
}

std::string ControlText(const QWidget* control) {
    if (const auto* edit = qobject_cast<const QLineEdit*>(control)) return FromQt(edit->text());
    if (const auto* label = qobject_cast<const QLabel*>(control)) return FromQt(label->text());
    return "";
}

std::vector<int32_t> BitNumbers(const std::string& list) {
    std::vector<int32_t> bits;
    size_t start = 0;
    while (start <= list.size() && !list.empty()) {
        const size_t comma = std::min(list.find(',', start), list.size());
        const uint32_t bit = OvNumberText::LeadingUInt32(std::string_view(list).substr(start, comma - start));
        bits.push_back(static_cast<int32_t>(std::min<uint32_t>(bit, INT32_MAX)));
        start = comma + 1;
    }
    return bits;
}

int FormatControlCount(const std::string& format) {
    int count = 0;
    for (size_t i = 0; i + 1 < format.size(); ++i)
        count += format[i] == '%' && std::string_view("shiufn").find(format[i + 1]) != std::string_view::npos;
    return count;
}

bool ControlsAlive(const OvSNMPRequest2Edits::Association& a) {
    return std::all_of(a.Controls.begin(), a.Controls.end(), [](const QPointer<QWidget>& c) { return !c.isNull(); });
}

bool BitSet(const std::string& bytes, int32_t bit) {
    const auto byte = static_cast<size_t>(bit / 8);
    if (byte >= bytes.size()) throw OvException::Own(BitOutOfRange);
    return static_cast<unsigned char>(bytes[byte]) & (0x80 >> (bit % 8));
}

std::string BitsOfBoxes(const OvSNMPRequest2Edits::Association& a) {
    std::string bytes;
    for (size_t i = 0; i < a.Bits.size(); ++i) {
        const auto byte = static_cast<size_t>(a.Bits[i] / 8);
        const auto mask = static_cast<char>(0x80 >> (a.Bits[i] % 8));
        if (bytes.size() <= byte) bytes.resize(byte + 1, '\0');
        const bool checked = static_cast<const QCheckBox*>(a.Controls[i].data())->isChecked();
        bytes[byte] = static_cast<char>(checked ? bytes[byte] | mask : bytes[byte] & ~mask);
    }
    return bytes;
}

}  // namespace

OvSNMPRequest2Edits::OvSNMPRequest2Edits(QWidget* owner)
    : OvSNMPRequest2Controls(owner), Constraints(std::make_unique<OvEditConstraint>(owner, true)) {}

OvSNMPRequest2Edits::~OvSNMPRequest2Edits() {
    // The view may outlive the binding; its handler must not call a binding that is gone.
    if (ListView) ListView->SetOnSelectItem(previousSelect_);
}

void OvSNMPRequest2Edits::BindListView(::ListView* view, bool editSelectedRow) {
    ListView = view;
    view->setEditTriggers(QAbstractItemView::NoEditTriggers);
    view->setSelectionBehavior(QAbstractItemView::SelectRows);
    view->SetGridLines(true);
    // The selected row stays marked while the user works in the controls.
    QPalette palette = view->palette();
    palette.setColor(QPalette::Inactive, QPalette::Highlight, palette.color(QPalette::Active, QPalette::Highlight));
    palette.setColor(QPalette::Inactive, QPalette::HighlightedText,
                     palette.color(QPalette::Active, QPalette::HighlightedText));
    view->setPalette(palette);
    previousSelect_ = view->OnSelectItem();
    view->SetOnSelectItem([this](::ListView* sender, QTreeWidgetItem* item, bool selected) {
        SelectItem(sender, item, selected);
    });
    EditSelectedRow = editSelectedRow;
    BuildColumns();
}

void OvSNMPRequest2Edits::Associate(int index, QLineEdit* edit) {
    AssociatePart(index, 0, Request.List.Item(index).Syntax, nullptr, edit);
}

void OvSNMPRequest2Edits::Associate(int index, QLabel* label) {
    AssociatePart(index, 0, Request.List.Item(index).Syntax, nullptr, label);
}

void OvSNMPRequest2Edits::Associate(int index, StaticText* text) {
    AssociatePart(index, 0, Request.List.Item(index).Syntax, nullptr, text);
}

void OvSNMPRequest2Edits::Associate(int index, QCheckBox* box) {
    AssociatePart(index, 0, Request.List.Item(index).Syntax, nullptr, box);
}

void OvSNMPRequest2Edits::Associate(int index, RadioGroup* group) {
    AssociatePart(index, 0, Request.List.Item(index).Syntax, nullptr, group);
}

void OvSNMPRequest2Edits::Associate(int index, QComboBox* box) {
    box->setEditable(false);
    AssociatePart(index, 0, Request.List.Item(index).Syntax, nullptr, box);
}

void OvSNMPRequest2Edits::AssociatePart(int index, int32_t offset, uint32_t partSyntax, const OvOptionList* options,
                                        QWidget* control, QWidget* second) {
    const OvSNMPVarItem& item = Request.List.Item(index);
    const bool whole = offset == 0 && partSyntax == item.Syntax;
    const OvOptionList* effective = options ? options : whole ? item.Options : nullptr;
    auto* combo = qobject_cast<QComboBox*>(control);
    auto* group = qobject_cast<RadioGroup*>(control);
    if ((combo || group) && !effective) throw OvException::Own(NoOptionList);
    if (combo) {
        if (effective->ValueType() == OvOptionList::PrefixValues && !second) throw OvException::Own(NotEnoughControls);
        combo->clear();
        for (int i = 0; i < effective->Count(); ++i) combo->addItem(ToQt(effective->Option(i).OptionText));
    }
    if (group) {
        QStringList texts;
        for (int i = 0; i < effective->Count(); ++i) texts.append(ToQt(effective->Option(i).OptionText));
        group->SetItems(texts);
    }
    std::vector<QWidget*> controls{control};
    if (second) controls.push_back(second);
    Append(index, offset, partSyntax, options, controls);
}

void OvSNMPRequest2Edits::AssociateFormatted(int index, const std::string& format,
                                             const std::vector<QLineEdit*>& edits) {
    const uint32_t syntax = Request.List.Item(index).Syntax;
    const auto count = static_cast<size_t>(FormatControlCount(format));
    if (count == 0 || edits.size() < count || std::count(edits.begin(), edits.begin() + count, nullptr) > 0)
        throw OvException::Own(NotEnoughControls);
    const std::vector<QLineEdit*> used(edits.begin(), edits.begin() + count);
    Constraints->AddRules(format, used);
    Append(index, 0, syntax, nullptr, std::vector<QWidget*>(used.begin(), used.end()));
}

void OvSNMPRequest2Edits::AssociateBits(int index, const std::string& bits, QCheckBox* box1, QCheckBox* box2,
                                        QCheckBox* box3, QCheckBox* box4, QCheckBox* box5, QCheckBox* box6,
                                        QCheckBox* box7, QCheckBox* box8) {
    AssociateBits(index, bits, std::vector<QCheckBox*>{box1, box2, box3, box4, box5, box6, box7, box8});
}

void OvSNMPRequest2Edits::AssociateBits(int index, const std::string& bits, const QList<QCheckBox*>& boxes) {
    AssociateBits(index, bits, std::vector<QCheckBox*>(boxes.begin(), boxes.end()));
}

void OvSNMPRequest2Edits::AssociateBits(int index, const std::string& bits, const std::vector<QCheckBox*>& boxes) {
    const uint32_t syntax = Request.List.Item(index).Syntax;
    std::vector<int32_t> numbers = BitNumbers(bits);
    if (numbers.empty() || boxes.size() < numbers.size() ||
        std::count(boxes.begin(), boxes.begin() + numbers.size(), nullptr) > 0)
        throw OvException::Own(NotEnoughControls);
    std::vector<QWidget*> controls(boxes.begin(), boxes.begin() + static_cast<ptrdiff_t>(numbers.size()));
    Append(index, 0, syntax, nullptr, std::move(controls), std::move(numbers));
}

void OvSNMPRequest2Edits::Append(int index, int32_t offset, uint32_t partSyntax, const OvOptionList* options,
                                 std::vector<QWidget*> controls, std::vector<int32_t> bits) {
    auto association = std::make_unique<Association>();
    association->VariableIndex = index;
    association->Offset = offset;
    association->PartSyntax = partSyntax;
    association->PartOptions = options;
    association->ControlCount = static_cast<int32_t>(controls.size());
    association->Bits = std::move(bits);
    association->Controls.assign(controls.begin(), controls.end());
    Associations.push_back(std::move(association));
}

void OvSNMPRequest2Edits::Dissociate(int index) {
    for (const auto& a : Associations)
        if (a->VariableIndex == index)
            for (const QPointer<QWidget>& control : a->Controls)
                if (auto* edit = qobject_cast<QLineEdit*>(control.data())) Constraints->RemoveRule(edit);
    std::erase_if(Associations, [index](const auto& a) { return a->VariableIndex == index; });
}

const OvOptionList* OvSNMPRequest2Edits::EffectiveOptions(const Association& a) const {
    if (a.PartOptions) return a.PartOptions;
    const OvSNMPVarItem& item = Request.List.Item(a.VariableIndex);
    return a.Offset == 0 && a.PartSyntax == item.Syntax ? item.Options : nullptr;
}

void OvSNMPRequest2Edits::ShowInControls(int which) {
    for (const auto& a : Associations) {
        if ((which != -1 && a->VariableIndex != which) || !ControlsAlive(*a)) continue;
        if (Request.List.Item(a->VariableIndex).Access & ACC_INVALID) continue;
        Show(*a);
    }
}

void OvSNMPRequest2Edits::Show(const Association& a) {
    const OvSNMPVarItem& item = Request.List.Item(a.VariableIndex);
    std::string text = item.Options ? item.Options->TextToValue(item.Value) : item.Value;
    std::string bytes = TextToBytes(text, item.Syntax);
    if (a.Offset != 0 || a.PartSyntax != item.Syntax) {
        bytes = ExtractPart(bytes, a.Offset, a.PartSyntax);
        text = BytesToText(bytes, a.PartSyntax);
    }
    const OvOptionList* options = EffectiveOptions(a);
    if (options) text = options->ValueToText(text);

    QWidget* first = a.Controls[0];
    if (auto* label = qobject_cast<QLabel*>(first)) {
        label->setText(ToQt(text));
    } else if (qobject_cast<QCheckBox*>(first) && !a.Bits.empty()) {
        for (size_t i = 0; i < a.Bits.size(); ++i)
            static_cast<QCheckBox*>(a.Controls[i].data())->setChecked(BitSet(bytes, a.Bits[i]));
    } else if (auto* box = qobject_cast<QCheckBox*>(first)) {
        if (!options && !IsBooleanSyntax(a.PartSyntax)) throw OvException::Own(BadPartSyntax);
        box->setChecked(options ? OptionIndex(*options, text) > 0 : text == "true");
    } else if (auto* combo = qobject_cast<QComboBox*>(first)) {
        const int index = OptionIndex(*options, text);
        combo->setCurrentIndex(index);
        if (index >= 0 && a.Controls.size() > 1) {
            std::string rest = text.substr(std::min(text.size(), options->Option(index).OptionText.size()));
            if (!rest.empty() && a.PartSyntax == SYN_OBJECTID) rest.erase(0, 1);
            SetControlText(a.Controls[1], rest);
        }
    } else if (auto* group = qobject_cast<RadioGroup*>(first)) {
        group->SetItemIndex(OptionIndex(*options, text));
    } else if (auto* edit = qobject_cast<QLineEdit*>(first)) {
        if (a.Controls.size() == 1)
            edit->setText(ToQt(text));
        else
            OvMultiEdit::Show(a.PartSyntax, text, bytes, a.Controls);
    } else {
        throw OvException::Own(BadControl);
    }
}

std::string OvSNMPRequest2Edits::PartBytes(const Association& a) {
    QWidget* first = a.Controls[0];
    if (qobject_cast<QCheckBox*>(first) && !a.Bits.empty()) return BitsOfBoxes(a);
    const OvOptionList* options = EffectiveOptions(a);
    std::string part;
    if (const auto* label = qobject_cast<QLabel*>(first)) {
        part = FromQt(label->text());
    } else if (const auto* box = qobject_cast<QCheckBox*>(first)) {
        const int option = box->isChecked() ? 1 : 0;
        if (options)
            part = option < options->Count() ? options->Option(option).OptionText : "";
        else if (IsBooleanSyntax(a.PartSyntax))
            part = box->isChecked() ? "true" : "false";
        else
            throw OvException::Own(BadPartSyntax);
    } else if (const auto* combo = qobject_cast<QComboBox*>(first)) {
        part = FromQt(combo->currentText());
        const std::string rest = a.Controls.size() > 1 ? ControlText(a.Controls[1]) : "";
        // An empty rest adds no separator: "1.3.6." is no object identifier.
        if (!rest.empty()) part += (a.PartSyntax == SYN_OBJECTID ? "." : "") + rest;
    } else if (const auto* group = qobject_cast<RadioGroup*>(first)) {
        part = FromQt(group->SelectedText());
    } else if (const auto* edit = qobject_cast<QLineEdit*>(first)) {
        part = a.Controls.size() == 1 ? FromQt(edit->text()) : OvMultiEdit::Collect(a.PartSyntax, a.Controls);
    } else {
        throw OvException::Own(BadControl);
    }
    if (options) part = options->TextToValue(part);
    return TextToBytes(part, a.PartSyntax);
}

void OvSNMPRequest2Edits::CollectFromControls(int which) {
    OvSNMPVarList& list = Request.List;
    for (int i = 0; i < list.Count(); ++i) {
        if ((which != -1 && which != i) || !list.IsSettable(i)) continue;
        OvSNMPVarItem& item = list.Item(i);
        std::string value = TextToBytes(item.Options ? item.Options->TextToValue(item.Value) : item.Value, item.Syntax);
        bool associated = false;
        for (const auto& a : Associations) {
            if (a->VariableIndex != i || !ControlsAlive(*a)) continue;
            // A first association that covers the whole value rebuilds it from
            // the controls alone: a shorter octet string or object identifier
            // must not keep the old value's tail.
            const bool whole = a->Offset == 0 && a->PartSyntax == item.Syntax && a->Bits.empty();
            if (!associated && (item.Syntax == SYN_DISPLAYSTR || whole)) value.clear();
            associated = true;
            const std::string part = PartBytes(*a);
            const auto offset = static_cast<size_t>(a->Offset);
            if (value.size() < offset + part.size()) value.resize(offset + part.size(), '\0');
            value.replace(offset, part.size(), part);
        }
        if (!associated) continue;
        item.Value = BytesToText(value, item.Syntax);
        if (item.Options) item.Value = item.Options->ValueToText(item.Value);
    }
}

std::vector<int> OvSNMPRequest2Edits::ColumnItems() const {
    const OvSNMPVarList& list = Request.List;
    std::vector<int> items;
    for (int i = 0; i < list.Count(); ++i)
        if (list.IsUnshown(i)) items.push_back(i);
    for (int i = 0; i < list.Count(); ++i)
        if (list.IsShown(i)) items.push_back(i);
    return items;
}

void OvSNMPRequest2Edits::BuildColumns() {
    if (!ListView) return;
    const OvSNMPVarList& list = Request.List;
    if (ListView->ColumnCount() >= list.ShownCount() + list.UnshownCount()) return;
    ListView->ClearColumns();
    for (int i : ColumnItems())
        ListView->AddColumn(ToQt(list.Item(i).Caption), list.IsUnshown(i) ? ::ListView::HiddenWidth
                                                                          : ::ListView::HeaderWidth);
}

void OvSNMPRequest2Edits::AddRow() {
    if (!ListView) return;
    QStringList cells;
    for (int i : ColumnItems()) cells.append(ToQt(Request.List.Item(i).Value));
    ListView->AddRow(cells);
}

void OvSNMPRequest2Edits::ReadSelectedRow() {
    const QTreeWidgetItem* row = ListView ? ListView->Selected() : nullptr;
    if (!row) return;
    const std::vector<int> items = ColumnItems();
    for (size_t column = 0; column < items.size() && static_cast<int>(column) < ListView->ColumnCount(); ++column)
        Request.List.Item(items[column]).Value = FromQt(::ListView::Cell(row, static_cast<int>(column)));
}

void OvSNMPRequest2Edits::EnableControls(bool enabled) {
    for (const auto& a : Associations)
        for (const QPointer<QWidget>& control : a->Controls)
            if (control) control->setEnabled(enabled);
}

void OvSNMPRequest2Edits::SetConstraintOwner(QWidget* owner) {
    Constraints->Owner = owner;
}

void OvSNMPRequest2Edits::BeforeGet() {
    if (!ListView) return;
    BuildColumns();
    ListView->ClearRows();
}

void OvSNMPRequest2Edits::ShowValues() {
    if (!ListView) return ShowInControls(-1);
    AddRow();
    // A long walk stays responsive; pages keep their actions apart by Busy.
    QCoreApplication::processEvents();
}

void OvSNMPRequest2Edits::CollectValues() {
    for (int i = 0; i < Request.List.Count(); ++i) Request.List.Item(i).Value.clear();
    if (ListView) ReadSelectedRow();
    CollectFromControls(-1);
}

void OvSNMPRequest2Edits::AfterGet() {
    if (ListView && EditSelectedRow && Request.List.ItemType == MVT_FMV) EnableControls(false);
}

void OvSNMPRequest2Edits::SelectItem(::ListView* sender, QTreeWidgetItem* item, bool selected) {
    if (previousSelect_) previousSelect_(sender, item, selected);
    if (!selected) return;
    // Called from the view's event: a value that cannot be shown is reported, not thrown.
    try {
        if (EditSelectedRow) EnableControls(true);
        ReadSelectedRow();
        ShowInControls(-1);
    } catch (const std::exception& e) {
        LastOperation = 0;
        Report(e.what());
    }
}
