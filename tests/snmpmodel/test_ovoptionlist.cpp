#include "ovoptionlist.h"

#include <gtest/gtest.h>

#include "ovsnmpcodes.h"
#include "ovsnmpvocabulary.h"

namespace {

const OvOptionDef kState[] = {{2, "disabled"}, {3, "enabled"}, {}};
const OvOptionDef kMore[] = {{-1, "negative"}, {0, nullptr}};
const OvOptionDef kAuth[] = {
    {OvText("1.3.6.1.6.3.10.1.1.1"), "None"},
    {OvText("1.3.6.1.6.3.10.1.1.2"), "MD5"},
    {OvText("1.3.6.1.6.3.10.1.1.3"), "SHA"},
    {},
};
const OvOptionDef kPrefix[] = {{OvText("1.3.6.1.4.1.9"), "cisco"}, {OvText("1.3.6.1.2"), "mib-2"}, {}};
const OvOptionDef kEmpty[] = {{}};

TEST(OvOptionList, IntegerListMapsBothWays) {
    const OvOptionList list(kState, OvOptionList::IntegerValues);
    EXPECT_EQ(list.Count(), 2);
    EXPECT_EQ(list.ValueToText("3"), "enabled");
    EXPECT_EQ(list.TextToValue("enabled"), "3");
    EXPECT_EQ(list.TextToValue("ENABLED"), "3");
    EXPECT_EQ(list.ValueToText("(NULL)"), "(NULL)");
    EXPECT_EQ(list.ValueToText("abc"), "abc");
    EXPECT_EQ(list.TextToValue("abc"), "abc");
}

TEST(OvOptionList, IntegerValueMustBeAWholeNumber) {
    const OvOptionList list(kState, OvOptionList::IntegerValues);
    EXPECT_EQ(list.IndexOfValue("2"), 0);
    EXPECT_EQ(list.IndexOfValue("+3"), 1);
    EXPECT_EQ(list.IndexOfValue("3x"), -1);
    EXPECT_EQ(list.IndexOfValue(""), -1);
    EXPECT_EQ(list.IndexOfValue("(NULL)"), -1);
    EXPECT_EQ(list.IndexOfValue("4"), -1);
}

TEST(OvOptionList, AddOptionsAppendsInTableOrder) {
    OvOptionList list(kState, OvOptionList::IntegerValues);
    list.AddOptions(kMore);
    list.AddOptions(nullptr);
    list.AddOptions(kEmpty);
    ASSERT_EQ(list.Count(), 3);
    EXPECT_EQ(list.Option(2).OptionText, "negative");
    EXPECT_EQ(list.ValueToText("-1"), "negative");
    EXPECT_EQ(list.TextToValue("negative"), "-1");
}

TEST(OvOptionList, TextListMatchesWithoutCase) {
    const OvOptionList list(kAuth, OvOptionList::TextValues);
    EXPECT_EQ(list.ValueToText("1.3.6.1.6.3.10.1.1.2"), "MD5");
    EXPECT_EQ(list.TextToValue("md5"), "1.3.6.1.6.3.10.1.1.2");
    EXPECT_EQ(list.IndexOfText("sha"), 2);
    EXPECT_EQ(list.IndexOfValue("1.3.6.1.6.3.10.1.1.22"), -1);
    EXPECT_EQ(list.ValueToText("(NULL)"), "(NULL)");
}

TEST(OvOptionList, CaseSensitiveListComparesExactly) {
    const OvOptionList list(kAuth, OvOptionList::TextValues, true);
    EXPECT_EQ(list.IndexOfText("md5"), -1);
    EXPECT_EQ(list.IndexOfText("MD5"), 1);
}

TEST(OvOptionList, PrefixListReplacesTheLeadingPart) {
    const OvOptionList list(kPrefix, OvOptionList::PrefixValues);
    EXPECT_EQ(list.ValueToText("1.3.6.1.4.1.9.1.5"), "cisco.1.5");
    EXPECT_EQ(list.TextToValue("CISCO.1.5"), "1.3.6.1.4.1.9.1.5");
    EXPECT_EQ(list.ValueToText("1.3.6.1.2.1.1"), "mib-2.1.1");
    EXPECT_EQ(list.ValueToText("1.3.6.1.3"), "1.3.6.1.3");
    EXPECT_EQ(list.IndexOfText("mib"), -1);
}

TEST(OvOptionList, EmptyTableGivesEmptyList) {
    const OvOptionList list(kEmpty, OvOptionList::IntegerValues);
    EXPECT_EQ(list.Count(), 0);
    EXPECT_EQ(list.ValueToText("1"), "1");
}

struct VocabularyCase {
    const OvOptionList& (*List)();
    const char* Word;
    int Code;
};

TEST(OvSNMPVocabulary, WordsMapToCodesWithoutCase) {
    const VocabularyCase cases[] = {
        {OvSNMPVocabulary::ItemTypes, "SVT_SV", SVT_SV},
        {OvSNMPVocabulary::ItemTypes, "mvt_umv", MVT_UMV},
        {OvSNMPVocabulary::ItemTypes, "MVT_FMV", MVT_FMV},
        {OvSNMPVocabulary::Syntaxes, "guage", SYN_GUAGE},
        {OvSNMPVocabulary::Syntaxes, "DisplayStr", SYN_DISPLAYSTR},
        {OvSNMPVocabulary::Syntaxes, "ipv6address", SYN_IPV6ADDRESS},
        {OvSNMPVocabulary::Syntaxes, "uint16", SYN_UINT16},
        {OvSNMPVocabulary::Syntaxes, "bcdatetime", SYN_BCDATETIME},
        {OvSNMPVocabulary::AccessKinds, "readwrite", ACC_READWRITE},
        {OvSNMPVocabulary::AccessKinds, "NOTACCESS", ACC_NOTACCESS},
        {OvSNMPVocabulary::AccessKinds, "invalid", ACC_INVALID},
    };
    for (const VocabularyCase& c : cases)
        EXPECT_EQ(c.List().TextToValue(c.Word), std::to_string(c.Code)) << c.Word;
    EXPECT_EQ(OvSNMPVocabulary::Syntaxes().Count(), 26);
    EXPECT_EQ(OvSNMPVocabulary::Syntaxes().IndexOfText("gauge"), -1);
    EXPECT_EQ(&OvSNMPVocabulary::Syntaxes(), &OvSNMPVocabulary::Syntaxes());
}

}  // namespace
