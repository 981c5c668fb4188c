#include <gtest/gtest.h>

#include "listview.h"
#include "messageboxrecorder.h"
#include "ovexception.h"
#include "ovoptionlist.h"
#include "ovsnmprequest2edits.h"
#include "radiogroup.h"
#include "statictext.h"

#include <QCheckBox>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QTest>

#include <functional>
#include <memory>
#include <string>
#include <vector>

namespace {

const OvOptionDef StateTable[] = {{2, "disabled"}, {3, "enabled"}, {}};
const OvOptionList States(StateTable, OvOptionList::IntegerValues);
const OvOptionDef PrefixTable[] = {{OvText("1.3.6.1.4"), "private"}, {OvText("1.3.6.1.2"), "mgmt"}, {}};
const OvOptionList Prefixes(PrefixTable, OvOptionList::PrefixValues);

std::string Repeat(const std::string& text, int times) {
    std::string repeated;
    for (int i = 0; i < times; ++i) repeated += text;
    return repeated;
}

int32_t CodeOf(const std::function<void()>& call) {
    try {
        call();
    } catch (const OvException& e) {
        return e.Code();
    }
    return 0;
}

// A binding over a list of one variable per syntax, without any request:
// values are set and read directly.
class EditsBinding : public ::testing::Test {
protected:
    enum Item { Octets, Name, Mode, Flag, Oid, Address, Ticks, Mac, DateTime, Calendar, Small, Gone, Count };

    EditsBinding() : binding_(&form_) {
        const struct { const char* caption; uint32_t syntax; int32_t access; const OvOptionList* options; } defs[] = {
            {"Octets", SYN_OCTETSTR, ACC_READWRITE, nullptr},    {"Name", SYN_DISPLAYSTR, ACC_READWRITE, nullptr},
            {"Mode", SYN_INTEGER, ACC_READWRITE, &States},       {"Flag", SYN_BOOLEAN, ACC_READWRITE, nullptr},
            {"Oid", SYN_OBJECTID, ACC_READWRITE, nullptr},       {"Address", SYN_IPADDRESS, ACC_READWRITE, nullptr},
            {"Ticks", SYN_TIMETICKS, ACC_READWRITE, nullptr},    {"Mac", SYN_MACADDRESS, ACC_READWRITE, nullptr},
            {"DateTime", SYN_DATETIME, ACC_READWRITE, nullptr},  {"Calendar", SYN_BCDATETIME, ACC_READWRITE, nullptr},
            {"Small", SYN_INTEGER, ACC_READWRITE, nullptr},      {"Gone", SYN_INTEGER, ACC_READWRITE | ACC_INVALID, nullptr},
        };
        OvSNMPVarList list;
        int arc = 1;
        for (const auto& d : defs)
            list.AddVariable("1.3.6.1.4.1.99.3." + std::to_string(arc++), d.caption, d.syntax, d.access, d.options);
        binding_.Request.List.Assign(list);
    }
    std::string& Value(int item) { return binding_.Request.List.Item(item).Value; }
    std::vector<QLineEdit*> Edits(int count) {
        std::vector<QLineEdit*> edits;
        for (int i = 0; i < count; ++i) edits.push_back(new QLineEdit(&form_));
        return edits;
    }
    static std::vector<std::string> Texts(const std::vector<QLineEdit*>& edits) {
        std::vector<std::string> texts;
        for (const QLineEdit* e : edits) texts.push_back(e->text().toStdString());
        return texts;
    }

    QWidget form_;
    OvSNMPRequest2Edits binding_;
};

TEST_F(EditsBinding, BitBoxesShowAndSetSingleBitsFromTheTop) {
    std::vector<QCheckBox*> boxes;
    for (int i = 0; i < 8; ++i) boxes.push_back(new QCheckBox(&form_));
    binding_.AssociateBits(Octets, "0,1,2,3,4,5,6,7", boxes[0], boxes[1], boxes[2], boxes[3], boxes[4], boxes[5],
                           boxes[6], boxes[7]);
    Value(Octets) = "81";
    binding_.ShowInControls(Octets);
    for (int i = 0; i < 8; ++i) EXPECT_EQ(boxes[i]->isChecked(), i == 0 || i == 7) << i;

    for (int i = 0; i < 8; ++i) boxes[i]->setChecked(i == 2);
    binding_.CollectFromControls(Octets);
    EXPECT_EQ(Value(Octets), "20");

    // Bytes beyond the boxes keep what they held.
    Value(Octets) = "FFAA";
    binding_.CollectFromControls(-1);
    EXPECT_EQ(Value(Octets), "20AA");
}

TEST_F(EditsBinding, BitBeyondTheValueFailsWhenShown) {
    QCheckBox box(&form_);
    binding_.AssociateBits(Octets, "8", &box);
    Value(Octets) = "FF";
    EXPECT_EQ(CodeOf([&] { binding_.ShowInControls(-1); }), -519);
    Value(Octets) = "FF80";
    binding_.ShowInControls(-1);
    EXPECT_TRUE(box.isChecked());
    // Collecting into a value too short for the bit extends it with zeros.
    Value(Octets) = "";
    binding_.CollectFromControls(-1);
    EXPECT_EQ(Value(Octets), "0080");
}

TEST_F(EditsBinding, TheListFormOfBitsTakesAsManyBoxesAsNumbers) {
    QList<QCheckBox*> boxes;
    for (int i = 0; i < 28; ++i) boxes.append(new QCheckBox(&form_));
    std::string positions;
    for (int i = 0; i < 28; ++i) positions += (i ? "," : "") + std::to_string(i);
    binding_.AssociateBits(Octets, positions, boxes);
    EXPECT_EQ(binding_.Associations.back()->ControlCount, 28);
    Value(Octets) = "FFFFFFF0";
    binding_.ShowInControls(-1);
    for (QCheckBox* box : boxes) EXPECT_TRUE(box->isChecked());
    boxes[0]->setChecked(false);
    boxes[27]->setChecked(false);
    binding_.CollectFromControls(-1);
    EXPECT_EQ(Value(Octets), "7FFFFFE0");

    EXPECT_EQ(CodeOf([&] { binding_.AssociateBits(Octets, "0,1,2", boxes.mid(0, 2)); }), -522);
}

TEST_F(EditsBinding, AssociationErrorsComeBeforeAnyRequest) {
    QComboBox combo(&form_);
    RadioGroup group(&form_);
    QLineEdit edit(&form_);
    struct Case { const char* what; std::function<void()> call; int32_t code; };
    const Case cases[] = {
        {"combo without options", [&] { binding_.Associate(Small, &combo); }, -520},
        {"radio group without options", [&] { binding_.Associate(Small, &group); }, -520},
        {"part without options", [&] { binding_.AssociatePart(Mode, 1, SYN_UINT8, nullptr, &combo); }, -520},
        {"prefix combo alone", [&] { binding_.AssociatePart(Oid, 0, SYN_OBJECTID, &Prefixes, &combo); }, -522},
        {"format without edits", [&] { binding_.AssociateFormatted(Small, "%i%i", &edit); }, -522},
        {"format without specifier", [&] { binding_.AssociateFormatted(Small, "", &edit); }, -522},
        {"bad specifier", [&] { binding_.AssociateFormatted(Small, "%i{q}", &edit); }, -2},
        {"item out of the list", [&] { binding_.Associate(99, &edit); }, -12},
    };
    for (const Case& c : cases) EXPECT_EQ(CodeOf(c.call), c.code) << c.what;
    EXPECT_TRUE(binding_.Associations.empty());
}

TEST_F(EditsBinding, CheckBoxesNeedABooleanOrAnOptionList) {
    QCheckBox plain(&form_), optioned(&form_), number(&form_);
    binding_.Associate(Flag, &plain);
    binding_.Associate(Mode, &optioned);
    Value(Flag) = "true";
    Value(Mode) = "enabled";
    binding_.ShowInControls(-1);
    EXPECT_TRUE(plain.isChecked());
    EXPECT_TRUE(optioned.isChecked());
    Value(Mode) = "2";   // by stored value too
    binding_.ShowInControls(Mode);
    EXPECT_FALSE(optioned.isChecked()) << "the first option means unchecked";

    plain.setChecked(false);
    optioned.setChecked(true);
    binding_.CollectFromControls(-1);
    EXPECT_EQ(Value(Flag), "false");
    EXPECT_EQ(Value(Mode), "enabled");

    binding_.Associate(Small, &number);
    Value(Small) = "1";
    EXPECT_EQ(CodeOf([&] { binding_.ShowInControls(Small); }), -517);
    EXPECT_EQ(CodeOf([&] { binding_.CollectFromControls(Small); }), -517);
}

TEST_F(EditsBinding, WholeTextValuesAreRebuiltFromTheirEdit) {
    struct Case { Item item; const char* old; const char* typed; const char* collected; };
    const Case cases[] = {
        {Name, "a long old name", "new", "new"},
        {Name, "old", "", ""},
        {Octets, "A1B2C3D4", "0aff", "0AFF"},
        {Oid, "1.3.6.1.2.1.1.5", "1.3.6", "1.3.6"},
        {Address, "10.90.90.90", "192.168.0.1", "192.168.0.1"},
        {Ticks, "3 days, 4:05:06.07", "1:00:00.00", "1:00:00.00"},
        {Small, "-5", "12", "12"},
    };
    for (const Case& c : cases) {
        QLineEdit edit(&form_);
        binding_.Associate(c.item, &edit);
        Value(c.item) = c.old;
        binding_.ShowInControls(c.item);
        EXPECT_EQ(edit.text().toStdString(), c.old);
        edit.setText(QString::fromLatin1(c.typed));
        binding_.CollectFromControls(c.item);
        EXPECT_EQ(Value(c.item), c.collected) << c.old;
        binding_.Dissociate(c.item);
    }
}

TEST_F(EditsBinding, LatinOneTextsKeepEveryByte) {
    QLineEdit edit(&form_);
    binding_.Associate(Name, &edit);
    Value(Name) = "caf\xE9 \xFF";
    binding_.ShowInControls(-1);
    EXPECT_EQ(edit.text(), QString::fromUtf8("café ÿ"));
    binding_.CollectFromControls(-1);
    EXPECT_EQ(Value(Name), "caf\xE9 \xFF");
}

TEST_F(EditsBinding, LabelsAndStaticTextsShowOptionTexts) {
    QLabel label(&form_);
    StaticText text(&form_);
    binding_.Associate(Mode, &label);
    binding_.Associate(Small, &text);
    Value(Mode) = "3";
    Value(Small) = "-7";
    binding_.ShowInControls(-1);
    EXPECT_EQ(label.text(), "enabled");
    EXPECT_EQ(text.text(), "-7");
    Value(Gone) = "1";
    QLabel invalid(&form_);
    invalid.setText("untouched");
    binding_.Associate(Gone, &invalid);
    binding_.ShowInControls(-1);
    EXPECT_EQ(invalid.text(), "untouched") << "an invalid item is not shown";
}

TEST_F(EditsBinding, CombosAndRadioGroupsPickAnOption) {
    QComboBox combo(&form_);
    combo.setEditable(true);
    RadioGroup group(&form_);
    binding_.Associate(Mode, &combo);
    EXPECT_FALSE(combo.isEditable());
    ASSERT_EQ(combo.count(), 2);
    EXPECT_EQ(combo.itemText(1), "enabled");

    // The radio group stands for the same item through a second association.
    binding_.Associate(Mode, &group);
    EXPECT_EQ(group.Items(), QStringList({"disabled", "enabled"}));
    for (const char* shown : {"3", "enabled"}) {
        Value(Mode) = shown;
        binding_.ShowInControls(-1);
        EXPECT_EQ(combo.currentIndex(), 1) << shown;
        EXPECT_EQ(group.ItemIndex(), 1) << shown;
    }
    Value(Mode) = "9";
    binding_.ShowInControls(-1);
    EXPECT_EQ(combo.currentIndex(), -1);
    EXPECT_EQ(group.ItemIndex(), -1);

    combo.setCurrentIndex(0);
    group.SetItemIndex(0);
    binding_.CollectFromControls(-1);
    EXPECT_EQ(Value(Mode), "disabled");
}

TEST_F(EditsBinding, PrefixOptionsSplitTheValueBetweenComboAndEdit) {
    QComboBox combo(&form_);
    QLineEdit rest(&form_);
    binding_.AssociatePart(Oid, 0, SYN_OBJECTID, &Prefixes, &combo, &rest);
    Value(Oid) = "1.3.6.1.4.1.99";
    binding_.ShowInControls(-1);
    EXPECT_EQ(combo.currentText(), "private");
    EXPECT_EQ(rest.text(), "1.99");
    combo.setCurrentIndex(1);
    rest.setText("1.1.5");
    binding_.CollectFromControls(-1);
    EXPECT_EQ(Value(Oid), "1.3.6.1.2.1.1.5");
    rest.clear();
    binding_.CollectFromControls(-1);
    EXPECT_EQ(Value(Oid), "1.3.6.1.2");
}

TEST_F(EditsBinding, SeveralEditsSplitAValueBySyntax) {
    struct Case { Item item; const char* value; std::vector<std::string> shown; std::vector<std::string> typed; const char* collected; };
    const Case cases[] = {
        {Address, "10.90.90.1", {"10", "90", "90", "1"}, {"192", "168", "1", "254"}, "192.168.1.254"},
        {Mac, "001122AABBCC", {"00", "11", "22", "AA", "BB", "CC"}, {"1", "", "ff", "3", "4", "5"}, "0100FF030405"},
        {Octets, "0A0B", {"0A", "0B", ""}, {"0a", "b", "c"}, "0A0B0C"},
        {Oid, "1.3.6.1", {"1", "3", "6", "1", ""}, {"1", "3", "6", "1", "9"}, "1.3.6.1.9"},
        {Ticks, "3 days, 4:05:06.07", {"3", "4", "5", "6", "7"}, {"0", "25", "0", "0", "0"}, "1 day 1:00:00.00"},
        {DateTime, "2008-5-17,13:30:15.0,+8:0", {"2008", "5", "17", "13", "30", "15", "0", "+", "8", "0"},
         {"2010", "1", "2", "3", "4", "5", "6", "-", "5", "30"}, "2010-1-2,3:4:5.6,-5:30"},
        {Calendar, "2008/05/17 01:30:15 pm", {"2008", "5", "17", "13", "30", "15", "0"},
         {"2011", "12", "31", "0", "5", "9", "0"}, "2011/12/31 12:05:09 am"},
    };
    for (const Case& c : cases) {
        const std::vector<QLineEdit*> edits = Edits(static_cast<int>(c.shown.size()));
        binding_.AssociateFormatted(c.item, Repeat("%s", static_cast<int>(edits.size())), edits);
        Value(c.item) = c.value;
        binding_.ShowInControls(c.item);
        EXPECT_EQ(Texts(edits), c.shown) << c.value;
        for (size_t i = 0; i < edits.size(); ++i) edits[i]->setText(QString::fromStdString(c.typed[i]));
        binding_.CollectFromControls(c.item);
        EXPECT_EQ(Value(c.item), c.collected) << c.value;
        Value(c.item) = "(NULL)";
        binding_.ShowInControls(c.item);
        EXPECT_EQ(Texts(edits), c.typed) << "(NULL) leaves the edits as they are";
        binding_.Dissociate(c.item);
    }
}

TEST_F(EditsBinding, TooFewEditsForTheSyntaxFail) {
    struct Case { Item item; int edits; const char* value; };
    const Case cases[] = {{Address, 3, "10.0.0.1"}, {Mac, 5, "001122334455"}, {Ticks, 4, "1:00:00.00"},
                          {Octets, 2, "010203"}, {Oid, 2, "1.3.6"}, {DateTime, 9, "2008-5-17,13:30:15.0"},
                          {Calendar, 6, "2008/05/17 01:30:15 pm"}};
    for (const Case& c : cases) {
        const std::vector<QLineEdit*> edits = Edits(c.edits);
        binding_.AssociateFormatted(c.item, Repeat("%s", c.edits), edits);
        Value(c.item) = c.value;
        EXPECT_EQ(CodeOf([&] { binding_.ShowInControls(c.item); }), -522) << c.value;
        if (c.item != Octets && c.item != Oid) {
            EXPECT_EQ(CodeOf([&] { binding_.CollectFromControls(c.item); }), -522) << c.value;
        }
        binding_.Dissociate(c.item);
    }
}

TEST_F(EditsBinding, APartOfTheValueHasItsOwnSyntax) {
    QLineEdit word(&form_), byte(&form_);
    binding_.AssociatePart(Octets, 2, SYN_UINT16, nullptr, &word);
    binding_.AssociatePart(Octets, 5, SYN_UINT8, nullptr, &byte);
    Value(Octets) = "000102030405";
    binding_.ShowInControls(-1);
    EXPECT_EQ(word.text(), "515");
    EXPECT_EQ(byte.text(), "5");
    word.setText("258");
    byte.setText("255");
    binding_.CollectFromControls(-1);
    EXPECT_EQ(Value(Octets), "0001010204FF");

    Value(Octets) = "0001";
    EXPECT_EQ(CodeOf([&] { binding_.ShowInControls(-1); }), -519);
    binding_.CollectFromControls(-1);
    EXPECT_EQ(Value(Octets), "0001010200FF") << "a short value grows with zeros up to each part";
}

}  // namespace
