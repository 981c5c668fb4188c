#include <gtest/gtest.h>

#include "beep.h"
#include "edithandlers.h"
#include "messageboxrecorder.h"
#include "oveditconstraint.h"
#include "ovexception.h"
#include "tag.h"

#include <QApplication>
#include <QLineEdit>
#include <QTest>
#include <QVBoxLayout>

#include <memory>
#include <string>

namespace {

// A form of three edits in tab order, shown and active so that focus moves.
class ConstraintTest : public ::testing::Test {
protected:
    void SetUp() override {
        auto* layout = new QVBoxLayout(&form_);
        for (QLineEdit*& edit : edits_) layout->addWidget(edit = new QLineEdit(&form_));
        form_.show();
        form_.activateWindow();
        ASSERT_TRUE(QTest::qWaitForWindowActive(&form_));
        Beep::ClearHistory();
    }
    QLineEdit* Edit(int i) const { return edits_[i]; }
    // Types into an edit that has the focus.
    void Type(int i, const char* keys) {
        Focus(i);
        QTest::keyClicks(Edit(i), keys);
        Settle();
    }
    void Focus(int i) {
        Edit(i)->setFocus(Qt::OtherFocusReason);
        Settle();
    }
    void Tab(int i) {
        QTest::keyClick(Edit(i), Qt::Key_Tab);
        Settle();
    }
    static void Settle() {
        for (int pass = 0; pass < 3; ++pass) QCoreApplication::processEvents();
    }
    QWidget* Focused() const { return QApplication::focusWidget(); }

    QWidget form_;
    QLineEdit* edits_[3] = {};
    MessageBoxRecorder boxes_;
    OvEditConstraint checker_{&form_, true};
};

TEST_F(ConstraintTest, SpecifiersSetBoundsLengthAndFlags) {
    using C = OvEditConstraint;
    struct Case { const char* spec; char type; double min; double max; int length; uint8_t flags; char advance; int maxLength; };
    const Case cases[] = {
        {"%i{n1x65535l5}", 'i', 1, 65535, 5, 0, 0, 5},
        {"%i{n1x32l2a}", 'i', 1, 32, 2, C::AdvanceWhenFull, 0, 2},
        {"%i{}", 'i', -2147483648.0, 2147483647.0, 0, 0, 0, 32767},
        {"%u", 'u', 0, 4294967295.0, 0, 0, 0, 32767},
        {"%s{l32}", 's', 0, 0, 32, 0, 0, 32},
        {"%s{l8afn}", 's', 0, 0, 8, C::AdvanceWhenFull | C::ExactLength | C::NotEmpty, 0, 8},
        {"%s{l3n}", 's', 0, 0, 3, C::NotEmpty, 0, 3},
        {"%f{n-1.5x2.25}", 'f', -1.5, 2.25, 0, 0, 0, 32767},
        {"%h{e-}", 'h', 0, 0, 0, 0, '-', 32767},
        {"%n.{n0x255l4f}", 'n', 0, 255, 4, C::ExactLength, 0, 32767},
    };
    for (const Case& c : cases) {
        QLineEdit edit;
        checker_.AddRule(c.spec, &edit);
        const OvEditConstraint::Rule* rule = checker_.RuleOf(&edit);
        ASSERT_NE(rule, nullptr) << c.spec;
        EXPECT_EQ(rule->Type, c.type) << c.spec;
        EXPECT_EQ(rule->Minimum, c.min) << c.spec;
        EXPECT_EQ(rule->Maximum, c.max) << c.spec;
        EXPECT_EQ(rule->Length, c.length) << c.spec;
        EXPECT_EQ(rule->Flags, c.flags) << c.spec;
        EXPECT_EQ(rule->AdvanceChar, c.advance) << c.spec;
        EXPECT_EQ(edit.maxLength(), c.maxLength) << c.spec;
        checker_.RemoveRule(&edit);
    }
    QLineEdit wide;
    checker_.AddRule("%s{w140l4}", &wide);
    EXPECT_EQ(wide.width(), 140);
    EXPECT_EQ(checker_.RuleOf(&wide)->Delimiter, 0);
}

TEST_F(ConstraintTest, BadSpecifiersFailWithMessageTwo) {
    const char* bad[] = {"", "%", "i{}", "%q", "%n", "%i{", "%i{l5", "%i{l5}x", "%i(l5)", "%i{z}",
                         "%i{e}", "%i{l}", "%i{w}", "%i{n}", "%i{xl5}", "%i{l2n1}", "%i{l5}{}"};
    for (const char* spec : bad) {
        QLineEdit edit;
        try {
            checker_.AddRule(spec, &edit);
            ADD_FAILURE() << "accepted " << spec;
        } catch (const OvException& e) {
            EXPECT_EQ(e.Code(), -2) << spec;
            EXPECT_EQ(e.Text(), "Bad format specifier of edit's constraint!") << spec;
        }
        EXPECT_EQ(checker_.RuleOf(&edit), nullptr) << spec;
    }
}

TEST_F(ConstraintTest, FormatsSplitAtEveryPercentButTheFirst) {
    EXPECT_EQ(OvEditConstraint::SplitFormat("%i{n0x255l3}%i{n0x255l3}%s"),
              (std::vector<std::string>{"%i{n0x255l3}", "%i{n0x255l3}", "%s"}));
    EXPECT_EQ(OvEditConstraint::SplitFormat("%s{e%}"), (std::vector<std::string>{"%s{e", "%}"}));
    checker_.AddRules("%i{l2}%s{l4}", {Edit(0), Edit(1)});
    EXPECT_EQ(checker_.RuleOf(Edit(0))->Type, 'i');
    EXPECT_EQ(Edit(1)->maxLength(), 4);
}

TEST_F(ConstraintTest, RefusedCharactersAreTakenOutWithABeep) {
    struct Case { const char* spec; const char* typed; const char* shown; size_t beeps; };
    const Case cases[] = {
        {"%i{}", "-1-2a", "-12", 2},
        {"%u", "-5", "5", 1},
        {"%f", "-1.2.3-", "-1.23", 2},
        {"%h", "0aFgZ9", "0aF9", 2},
        {"%n.", ".1..2.3", "1.2.3", 2},
        {"%n,{l2}", "10,20,30", "10,20,30", 0},   // the count is checked on leaving only
        {"%s{l8}", "a b!-.", "a b!-.", 0},
    };
    for (const Case& c : cases) {
        Edit(0)->clear();
        checker_.AddRule(c.spec, Edit(0));
        Beep::ClearHistory();
        Type(0, c.typed);
        EXPECT_EQ(Edit(0)->text().toStdString(), c.shown) << c.spec;
        EXPECT_EQ(Beep::History().size(), c.beeps) << c.spec;
        for (const Beep::Tone& tone : Beep::History()) {
            EXPECT_EQ(tone.frequency, 1000);
            EXPECT_EQ(tone.duration, 200);
        }
        checker_.RemoveRule(Edit(0));
    }
}

TEST_F(ConstraintTest, APastedTextIsCleanedAndPlaceholdersAreLeftAlone) {
    checker_.AddRule("%i{n1x65535l5}", Edit(0));
    Edit(0)->setText("1a2b3");
    EXPECT_EQ(Edit(0)->text(), "123");
    EXPECT_EQ(Beep::History().size(), 2u);
    for (const char* placeholder : {"(NULL)", "(NOTDONE)"}) {
        Edit(0)->setMaxLength(32767);
        Edit(0)->setText(placeholder);
        EXPECT_EQ(Edit(0)->text(), placeholder);
        Focus(1);
        EXPECT_EQ(boxes_.Count(), 0);
    }
}

TEST_F(ConstraintTest, IntegerEditRefusesLettersOutOfRangeAndASixthCharacter) {
    checker_.AddRule("%i{n1x65535l5}", Edit(0));
    Type(0, "12a");
    EXPECT_EQ(Edit(0)->text(), "12");
    EXPECT_EQ(Beep::History().size(), 1u);
    Type(0, "3456");
    EXPECT_EQ(Edit(0)->text(), "12345");
    Tab(0);
    EXPECT_EQ(Focused(), Edit(1));
    EXPECT_EQ(boxes_.Count(), 0);
    EXPECT_EQ(checker_.RuleOf(Edit(0))->AcceptedText, "12345");

    Edit(0)->setText("0");
    Focus(0);
    Tab(0);
    ASSERT_EQ(boxes_.Count(), 1);
    EXPECT_EQ(boxes_.Boxes()[0].text, "Please enter a number between 1 and 65535!");
    EXPECT_EQ(boxes_.Boxes()[0].caption, "test_binding");
    EXPECT_EQ(boxes_.Boxes()[0].parent, &form_);
    EXPECT_EQ(Edit(0)->text(), "12345");
    EXPECT_EQ(Focused(), Edit(0)) << "the refused edit takes the focus back";
}

TEST_F(ConstraintTest, TheFocusMovesOnWhenFullOrAtTheAdvanceCharacter) {
    checker_.AddRule("%i{n1x20l2a}", Edit(0));
    checker_.AddRule("%i{e.}", Edit(1));
    Type(0, "1");
    EXPECT_EQ(Focused(), Edit(0));
    QTest::keyClicks(Edit(0), "2");
    Settle();
    EXPECT_EQ(Focused(), Edit(1));
    QTest::keyClicks(Edit(1), "7.");
    Settle();
    EXPECT_EQ(Edit(1)->text(), "7");
    EXPECT_EQ(Focused(), Edit(2));
    EXPECT_TRUE(Beep::History().empty());
}

TEST_F(ConstraintTest, LeavingChecksTheWholeText) {
    struct Case { const char* spec; const char* text; const char* message; };
    const Case cases[] = {
        {"%s{l32f}", "1234567890123456789012345678901", "Please enter a string whose length is 32!"},
        {"%s{l4}", "abcde", ""},   // typed past the maximum length: the edit never holds it
        {"%h{l4f}", "abc", "Please enter a hex string whose length is 4!"},
        {"%i{n1x4094l4}", "-5", "Please enter a number between 1 and 4094!"},
        {"%i{n1x4094l4}", "-", "Please enter a number between 1 and 4094!"},
        {"%i{}", "-2147483648", ""},
        {"%i{}", "2147483648", "Please enter a number between -2147483648 and 2147483647!"},
        {"%u{x10}", "10", ""},
        {"%f{n0x1.5}", "1.6", "Please enter a number between 0 and 1.5!"},
        {"%n.{n0x255l4f}", "1.2.3",
         "Please enter a delimited number string with delimiter '.'.\nHere,the count of the number is equal to 4!"},
        {"%n,{l2}", "1,2,3",
         "Please enter a delimited number string with delimiter ','.\nHere,the count of the number is less than 2!"},
        {"%n.{n0x255}", "1.256",
         "Please enter a delimited number string with delimiter '.'.\nHere,each number is between 0 and 255!"},
        {"%i{}", "", ""},
        {"%i{l5n}", "", "Empty value is not allowed!"},
    };
    for (const Case& c : cases) {
        boxes_.Clear();
        checker_.AddRule(c.spec, Edit(0));
        Focus(0);
        Edit(0)->setText(c.text);
        Focus(1);
        if (*c.message) {
            ASSERT_EQ(boxes_.Count(), 1) << c.spec << " " << c.text;
            EXPECT_EQ(boxes_.Boxes()[0].text.toStdString(), c.message) << c.spec;
            EXPECT_EQ(Edit(0)->text(), "") << "nothing accepted before";
        } else {
            EXPECT_EQ(boxes_.Count(), 0) << c.spec << " " << c.text << ": " << boxes_.Boxes().value(0).text.toStdString();
        }
        checker_.RemoveRule(Edit(0));
        Edit(0)->clear();
    }
}

TEST_F(ConstraintTest, OnlyTheRefusedEditIsCheckedWhileItTakesTheFocusBack) {
    checker_.AddRule("%i{l3n}", Edit(0));
    checker_.AddRule("%i{l3n}", Edit(1));
    Focus(0);
    Tab(0);
    EXPECT_EQ(boxes_.Count(), 1) << "the second empty edit is not checked as the focus leaves it";
    EXPECT_EQ(Focused(), Edit(0));
}

TEST_F(ConstraintTest, ThePagesOwnHandlersRunAfterTheCheckAndMayRefuse) {
    std::vector<std::string> seen;
    EditHandlers::SetOnChange(Edit(0), [&seen](QLineEdit* e) { seen.push_back("change " + e->text().toStdString()); });
    EditHandlers::SetOnExit(Edit(0), [&seen](QLineEdit* e) {
        seen.push_back("exit " + e->text().toStdString());
        SetTag(e, e->text() == "13" ? -1 : 0);   // the page refuses 13
    });
    checker_.AddRule("%i{n1x20l2}", Edit(0));
    Type(0, "1x2");
    Tab(0);
    // Taking out the refused "x" sets the text "1" again: the page hears it again.
    EXPECT_EQ(seen, (std::vector<std::string>{"change 1", "change 1", "change 12", "exit 12"}));
    Edit(0)->setText("13");
    Focus(0);
    Tab(0);
    EXPECT_EQ(Edit(0)->text(), "12") << "refused by the page: the last accepted text, no message";
    EXPECT_EQ(boxes_.Count(), 0);
    seen.clear();

    checker_.RemoveRule(Edit(0));
    Edit(0)->setText("ab");
    EXPECT_EQ(Edit(0)->text(), "ab");
    EXPECT_EQ(seen, std::vector<std::string>{"change ab"});
    EXPECT_EQ(Edit(0)->maxLength(), 2) << "the edit keeps its length";
}

TEST_F(ConstraintTest, WithoutRememberingARefusedEditFallsBackToEmpty) {
    OvEditConstraint forgetful(&form_, false);
    forgetful.AddRule("%i{n5x9}", Edit(0));
    Type(0, "7");
    Tab(0);
    Edit(0)->setText("3");
    Focus(0);
    Tab(0);
    EXPECT_EQ(boxes_.Count(), 1);
    EXPECT_EQ(Edit(0)->text(), "");
    forgetful.RememberText(Edit(0));
    Edit(0)->setText("4");
    Focus(1);
    EXPECT_EQ(Edit(0)->text(), "");
}

TEST_F(ConstraintTest, EditsOutliveTheirCheckerSafely) {
    int ownChanges = 0;
    EditHandlers::SetOnChange(Edit(2), [&ownChanges](QLineEdit*) { ++ownChanges; });
    {
        OvEditConstraint shortLived(&form_, true);
        shortLived.AddRule("%u", Edit(2));
        Edit(2)->setText("1");
        EXPECT_EQ(ownChanges, 1);
    }
    Type(2, "a");
    EXPECT_EQ(Edit(2)->text(), "1a");
    EXPECT_EQ(ownChanges, 2);
    EXPECT_TRUE(Beep::History().empty());
    // And a checker outlives its edits.
    auto edit = std::make_unique<QLineEdit>(&form_);
    checker_.AddRule("%u", edit.get());
    edit.reset();
    EXPECT_EQ(checker_.RuleOf(nullptr), nullptr);
    checker_.AddRule("%u", Edit(2));
    Type(2, "5");
    EXPECT_EQ(Edit(2)->text(), "15") << "the new rule cleans the whole text";
}

}  // namespace
