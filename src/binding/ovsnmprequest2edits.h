#pragma once

#include "listview.h"
#include "oveditconstraint.h"
#include "ovsnmprequest2controls.h"

#include <QList>
#include <QPointer>

#include <memory>
#include <string>
#include <vector>

class OvOptionList;
class QCheckBox;
class QComboBox;
class QLabel;
class QLineEdit;
class RadioGroup;
class StaticText;

// The binding most pages use: items of the request's list are associated
// with edits, labels, static texts, check boxes, combo boxes and radio
// groups, whose contents follow each get and are collected before a set.
// A table list shows its rows in a list view; the selected row is the one
// the controls show and a set writes.
class OvSNMPRequest2Edits : public OvSNMPRequest2Controls {
public:
    // An item (or a part of its value: the bytes from Offset on, read with
    // PartSyntax) bound to one or more controls; the first control decides
    // how the value is shown.
    struct Association {
        int32_t VariableIndex = 0;
        int32_t Offset = 0;
        uint32_t PartSyntax = 0;
        const OvOptionList* PartOptions = nullptr;
        int32_t ControlCount = 0;
        std::vector<int32_t> Bits;   // check boxes bound to single bits
        std::vector<QPointer<QWidget>> Controls;
    };

    QPointer<::ListView> ListView;
    std::vector<std::unique_ptr<Association>> Associations;
    std::unique_ptr<OvEditConstraint> Constraints;
    bool EditSelectedRow = true;

    explicit OvSNMPRequest2Edits(QWidget* owner);
    // Gives the list view its own selection handler back.
    ~OvSNMPRequest2Edits() override;

    // Shows the table's rows in the view (read-only, whole rows, grid lines)
    // and takes over its selection: selecting a row shows it in the controls.
    void BindListView(::ListView* view, bool editSelectedRow);

    void Associate(int index, QLineEdit* edit);
    void Associate(int index, QLabel* label);
    void Associate(int index, StaticText* text);
    void Associate(int index, QCheckBox* box);
    void Associate(int index, RadioGroup* group);
    // The box becomes a drop-down list from which the user can only pick.
    void Associate(int index, QComboBox* box);
    // The general form: a part of the value, an option list of its own
    // (nullptr: the item's, for the whole value), and a second control for
    // the rest of a prefix option's value.
    void AssociatePart(int index, int32_t offset, uint32_t partSyntax, const OvOptionList* options, QWidget* control,
                       QWidget* second = nullptr);
    // One edit per specifier of format ("%i{n1x65535l5}%s{l32}"), with its input rule.
    void AssociateFormatted(int index, const std::string& format, const std::vector<QLineEdit*>& edits);
    template <typename... Edits>
    void AssociateFormatted(int index, const std::string& format, QLineEdit* edit, Edits*... further) {
        AssociateFormatted(index, format, std::vector<QLineEdit*>{edit, further...});
    }
    // Check boxes bound to single bits: bits "0,1,7" takes the first three
    // boxes. Bit 0 is the most significant bit of the first byte.
    void AssociateBits(int index, const std::string& bits, QCheckBox* box1, QCheckBox* box2 = nullptr,
                       QCheckBox* box3 = nullptr, QCheckBox* box4 = nullptr, QCheckBox* box5 = nullptr,
                       QCheckBox* box6 = nullptr, QCheckBox* box7 = nullptr, QCheckBox* box8 = nullptr);
    void AssociateBits(int index, const std::string& bits, const std::vector<QCheckBox*>& boxes);
    void AssociateBits(int index, const std::string& bits, const QList<QCheckBox*>& boxes);
    // Removes the item's associations; its edits lose their input rules.
    void Dissociate(int index);

    // Items' values into their controls and back; -1 for every item.
    void ShowInControls(int which);
    void CollectFromControls(int which);

    void BuildColumns();
    void AddRow();
    // The selected row's cells into the values of the items that have a column.
    void ReadSelectedRow();
    void EnableControls(bool enabled);
    // The window of the input rules' message boxes and focus moves.
    void SetConstraintOwner(QWidget* owner);

    void BeforeGet() override;
    void ShowValues() override;
    void CollectValues() override;
    void AfterGet() override;
    virtual void SelectItem(::ListView* sender, QTreeWidgetItem* item, bool selected);

private:
    void Append(int index, int32_t offset, uint32_t partSyntax, const OvOptionList* options,
                std::vector<QWidget*> controls, std::vector<int32_t> bits = {});
    const OvOptionList* EffectiveOptions(const Association& a) const;
    void Show(const Association& a);
    std::string PartBytes(const Association& a);
    std::vector<int> ColumnItems() const;

    ::ListView::SelectHandler previousSelect_;
};
