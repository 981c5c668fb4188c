#include "ovexpression.h"

#include <gtest/gtest.h>

#include "ovcalendar.h"
#include "ovexception.h"

namespace {

constexpr double kNow = 39585.5625;  // 2008-05-17 13:30

class OvExpressionTest : public testing::Test {
protected:
    void SetUp() override {
        OvCalendar::SetClock([] { return kNow; });
    }
    void TearDown() override { OvCalendar::SetClock({}); }

    int Add(uint32_t syntax, const std::string& value, const OvOptionList* options = nullptr) {
        list_.AddVariable("1.3.6.1.4.1.32473.9." + std::to_string(list_.Count()), "v", syntax, ACC_READONLY,
                          options);
        list_.Item(list_.Count() - 1).Value = value;
        return list_.Count() - 1;
    }

    static void ExpectError(int32_t code, const std::string& text, const std::function<void()>& call) {
        try {
            call();
            ADD_FAILURE() << "no exception, expected " << code;
        } catch (const OvException& e) {
            EXPECT_EQ(e.Code(), code);
            EXPECT_EQ(e.Text(), text);
        }
    }

    OvSNMPVarList list_;
};

struct ArithmeticCase {
    const char* Text;
    double Value;
};

TEST_F(OvExpressionTest, ArithmeticFollowsTheSplittingRules) {
    const ArithmeticCase cases[] = {
        {"2+3*4", 14},
        {"(1+2)*3", 9},
        {"10-2-3", 11},  // 10-(2-3)
        {"-5", -5},
        {"", 0},
        {"abc", 0},
        {"2*3*4", 24},
        {"8/4/2", 4},  // 8/(4/2)
        {"6/2*3", 18},  // the number before the first "*" is 6
        {"((2))", 2},
        {"(1+1)*(2+3)", 10},
        {"2*(1-6)", -5},  // "2*-5": "-" splits first
        {"(1", 0},
        {"((2)+1", 1},
        {"(5+(2)", 2},
        {" 7 ", 7},
        {"1.5e1+1", 16},
        {"100/(1E20)", 1e-18},
    };
    for (const ArithmeticCase& c : cases)
        EXPECT_DOUBLE_EQ(OvExpression::EvaluateArithmetic(c.Text), c.Value) << c.Text;
}

TEST_F(OvExpressionTest, NowIsTheClocksDateTimeNumber) {
    EXPECT_DOUBLE_EQ(OvExpression::EvaluateArithmetic("NOW"), kNow);
    EXPECT_DOUBLE_EQ(OvExpression::EvaluateArithmetic("now-1"), kNow - 1);
    EXPECT_DOUBLE_EQ(OvExpression::EvaluateArithmetic("NOW * 2"), kNow * 2);
}

TEST_F(OvExpressionTest, DivisionByZeroIsAnError) {
    for (const char* text : {"1/0", "1/(2-2)", "0/0", "5/x"})
        ExpectError(-513, "(VoZIZO++) Bad SNMP syntax in the expression!",
                    [&] { OvExpression::EvaluateArithmetic(text); });
}

TEST_F(OvExpressionTest, AbsurdNestingIsRefusedNotOverflowed) {
    const std::string deep = std::string(10000, '(') + "1" + std::string(10000, ')');
    ExpectError(-513, "(VoZIZO++) Bad SNMP syntax in the expression!",
                [&] { OvExpression::EvaluateArithmetic(deep); });
    const std::string nested = std::string(OvExpression::MaxDepth / 2, '(') + "1" +
                               std::string(OvExpression::MaxDepth / 2, ')');
    EXPECT_DOUBLE_EQ(OvExpression::EvaluateArithmetic(nested), 1);
    std::string longChain = "1";
    for (int i = 0; i < 5000; ++i)
        longChain += "+1";
    EXPECT_DOUBLE_EQ(OvExpression::EvaluateArithmetic(longChain), 5001);
    const std::string deepLogic = std::string(10000, '(') + "true" + std::string(10000, ')');
    ExpectError(-1, "Bad logic operand!", [&] { OvExpression::EvaluateLogic(deepLogic); });
    EXPECT_TRUE(OvExpression::EvaluateLogic(std::string(10001, '!') + "false"));
}

struct LogicCase {
    const char* Text;
    bool Value;
};

TEST_F(OvExpressionTest, LogicAndTextComparisons) {
    const LogicCase cases[] = {
        {"true", true},
        {"FALSE", false},
        {"true|false", true},
        {"false|false", false},
        {"true&false", false},
        {"true&true", true},
        {"!true", false},
        {"!false&true", true},  // "&" splits before "!"
        {"!(false&true)", true},
        {"!!true", true},
        {"(true|false)&false", false},
        {"10<9", true},  // texts compare byte by byte
        {"9>10", true},
        {"\"up\"=up", true},
        {" a = a ", true},
        {"a<>b", true},
        {"a<>a", false},
        {"b>=b", true},
        {"a<=b", true},
        {"a>b", false},
        {"\xE9>z", true},  // unsigned character codes
        {"\"a|b\"=x", false},
        {"\"(a)\"=\"(a)\"", true},
        {"(\"a)\"=x", false},
        {"NOW=39585.5625", true},
        {"=", true},
    };
    for (const LogicCase& c : cases)
        EXPECT_EQ(OvExpression::EvaluateLogic(c.Text), c.Value) << c.Text;
}

TEST_F(OvExpressionTest, OperandsThatAreNoComparisonAreErrors) {
    for (const char* text : {"true & false", "yes", "", " true", "(maybe)", "false|maybe"})
        ExpectError(-1, "Bad logic operand!", [&] { OvExpression::EvaluateLogic(text); });
    EXPECT_TRUE(OvExpression::EvaluateLogic("true|maybe-not-looked-at"));
}

TEST_F(OvExpressionTest, ConditionComparesSubstitutedValuesAsTexts) {
    Add(SYN_DISPLAYSTR, "up");
    const int count = Add(SYN_INTEGER, "7");
    EXPECT_TRUE(OvExpression::EvaluateCondition(list_, "$0=\"up\"&$1>5"));
    list_.Item(count).Value = "10";
    EXPECT_FALSE(OvExpression::EvaluateCondition(list_, "$0=\"up\"&$1>5"));
}

TEST_F(OvExpressionTest, ConditionTrueAndEmpty) {
    EXPECT_TRUE(OvExpression::EvaluateCondition(list_, "true"));
    EXPECT_TRUE(OvExpression::EvaluateCondition(list_, ""));
    ExpectError(-1, "Bad logic operand!", [&] { OvExpression::EvaluateCondition(list_, "true & false"); });
}

const OvOptionDef kState[] = {{2, "disabled"}, {3, "enabled"}, {}};
const OvOptionList kStateList(kState, OvOptionList::IntegerValues);

struct SubstitutionCase {
    uint32_t Syntax;
    const char* Value;
    const char* Quoted;
    const char* Unquoted;  // nullptr: -513
};

TEST_F(OvExpressionTest, SubstitutionBySyntax) {
    const SubstitutionCase cases[] = {
        {SYN_BOOLEAN, "true", "1", "1"},
        {SYN_BOOLEAN, "false", "0", "0"},
        {SYN_BOOL8, "true", "1", "1"},
        {SYN_BOOL16, "yes", "0", "0"},
        {SYN_INTEGER, "-5", "-5", "-5"},
        {SYN_COUNTER, "7", "7", "7"},
        {SYN_GUAGE, "8", "8", "8"},
        {SYN_COUNTER64, "9", "9", "9"},
        {SYN_UINTEGER, "10", "10", "10"},
        {SYN_DOUBLE, "1.5", "1.5", "1.5"},
        {SYN_INT8, "-1", "-1", "-1"},
        {SYN_UINT8, "255", "255", "255"},
        {SYN_INT16, "-300", "-300", "-300"},
        {SYN_UINT16, "65535", "65535", "65535"},
        {SYN_TIMETICKS, "1 day 0:00:00.00", "8640000", "8640000"},
        {SYN_BCDATETIME, "2008/05/17 01:30:00 pm", "39585.5625", "39585.5625"},
        {SYN_DISPLAYSTR, "up", "\"up\"", nullptr},
        {SYN_OCTETSTR, "00A1", "\"00A1\"", nullptr},
        {SYN_IPADDRESS, "10.0.0.1", "\"10.0.0.1\"", nullptr},
        {SYN_OBJECTID, "1.3.6", "\"1.3.6\"", nullptr},
        {SYN_DATETIME, "2008-5-17,13:30:15.0", "\"2008-5-17,13:30:15.0\"", nullptr},
    };
    for (const SubstitutionCase& c : cases) {
        OvSNMPVarList list;
        list.AddVariable("1.1", "v", c.Syntax, ACC_READONLY);
        list.Item(0).Value = c.Value;
        SCOPED_TRACE(testing::Message() << "syntax " << c.Syntax);
        EXPECT_EQ(OvExpression::SubstituteVariables(list, "[$0]", true, '$'), std::string("[") + c.Quoted + "]");
        if (c.Unquoted)
            EXPECT_EQ(OvExpression::SubstituteVariables(list, "[$0]", false, '$'),
                      std::string("[") + c.Unquoted + "]");
        else
            ExpectError(-513, "(VoZIZO++) Bad SNMP syntax in the expression!",
                        [&] { OvExpression::SubstituteVariables(list, "[$0]", false, '$'); });
    }
}

TEST_F(OvExpressionTest, SubstitutionReferencesAndMarkers) {
    Add(SYN_INTEGER, "4");
    Add(SYN_INTEGER, "5");
    for (int i = 2; i < 12; ++i)
        Add(SYN_INTEGER, std::to_string(i * 10));
    EXPECT_EQ(OvExpression::SubstituteVariables(list_, "$1+$", false, '$'), "5+4");
    EXPECT_EQ(OvExpression::SubstituteVariables(list_, "$11*2", false, '$'), "110*2");
    EXPECT_EQ(OvExpression::SubstituteVariables(list_, "#0=$0", true, '#'), "4=$0");
    EXPECT_EQ(OvExpression::SubstituteVariables(list_, "no marker", true, '$'), "no marker");
}

TEST_F(OvExpressionTest, SubstitutionUsesStoredValuesOfOptionLists) {
    Add(SYN_INTEGER, "enabled", &kStateList);
    EXPECT_EQ(OvExpression::SubstituteVariables(list_, "$0", false, '$'), "3");
    EXPECT_TRUE(OvExpression::EvaluateCondition(list_, "$0=3"));
}

TEST_F(OvExpressionTest, SubstitutionFailures) {
    Add(SYN_INTEGER, "(NULL)");
    ExpectError(-512, "(VoZIZO++) Null value in the expression!",
                [&] { OvExpression::SubstituteVariables(list_, "$0+1", false, '$'); });
    ExpectError(-12, "Out of range at index of array or list!",
                [&] { OvExpression::SubstituteVariables(list_, "$1", false, '$'); });
    ExpectError(-12, "Out of range at index of array or list!",
                [&] { OvExpression::SubstituteVariables(list_, "$99999999999999", false, '$'); });
}

TEST_F(OvExpressionTest, ValueHoldingTheMarkerIsNotSubstitutedAgain) {
    Add(SYN_DISPLAYSTR, "$0");
    Add(SYN_DISPLAYSTR, "$1");
    EXPECT_EQ(OvExpression::SubstituteVariables(list_, "$0|$1", true, '$'), "\"$0\"|\"$1\"");
    EXPECT_FALSE(OvExpression::EvaluateCondition(list_, "$0=$1"));
}

struct StoreCase {
    uint32_t Syntax;
    const char* Expression;
    const char* Value;
};

TEST_F(OvExpressionTest, EvaluateExpressionStoresBySyntax) {
    const StoreCase cases[] = {
        {SYN_BOOLEAN, "2-2", "false"},
        {SYN_BOOLEAN, "0.5", "true"},
        {SYN_INTEGER, "7/2", "3"},
        {SYN_INTEGER, "0-7/2", "-3"},
        {SYN_INTEGER, "1E20", "2147483647"},
        {SYN_COUNTER, "0-1", "0"},
        {SYN_GUAGE, "4294967295.9", "4294967295"},
        {SYN_UINTEGER, "12.7", "12"},
        {SYN_TIMETICKS, "8640000+1", "1 day 0:00:00.01"},
        {SYN_COUNTER64, "1E19", "10000000000000000000"},
        {SYN_DOUBLE, "1/4", "0.25"},
        {SYN_BCDATETIME, "NOW-1", "2008/05/16 01:30:00 pm"},
        {SYN_BCDATETIME, "1E300", "(NULL)"},
    };
    for (const StoreCase& c : cases) {
        OvSNMPVarList list;
        list.AddVariable("1.1", "v", c.Syntax, ACC_DERIVED, nullptr, c.Expression);
        OvExpression::EvaluateExpression(list, 0, true);
        EXPECT_EQ(list.Item(0).Value, c.Value) << c.Expression;
    }
}

TEST_F(OvExpressionTest, EvaluateExpressionPicksGetOrSetAndAppliesOptions) {
    Add(SYN_INTEGER, "1");
    list_.AddVariable("1.2", "state", SYN_INTEGER, ACC_READWRITE, &kStateList, "$0+2", "$0+1");
    OvExpression::EvaluateExpression(list_, 1, true);
    EXPECT_EQ(list_.Item(1).Value, "enabled");
    OvExpression::EvaluateExpression(list_, 1, false);
    EXPECT_EQ(list_.Item(1).Value, "disabled");
    list_.Item(0).Value = "untouched";
    OvExpression::EvaluateExpression(list_, 0, true);
    EXPECT_EQ(list_.Item(0).Value, "untouched");
}

TEST_F(OvExpressionTest, ResultThatCannotBeStoredIsAnError) {
    for (uint32_t syntax : {SYN_DISPLAYSTR, SYN_OCTETSTR, SYN_OBJECTID, SYN_IPADDRESS, SYN_DATETIME}) {
        OvSNMPVarList list;
        list.AddVariable("1.1", "v", syntax, ACC_DERIVED, nullptr, "1+1");
        ExpectError(-513, "(VoZIZO++) Bad SNMP syntax in the expression!",
                    [&] { OvExpression::EvaluateExpression(list, 0, true); });
    }
}

}  // namespace
