#include "ovtexthelpers.h"

#include <gtest/gtest.h>

TEST(ReplaceAll, ScansOnAfterEachReplacement) {
    EXPECT_EQ(ReplaceAll("aaa", "a", "aa"), "aaaaaa");
    EXPECT_EQ(ReplaceAll("[MIN] to [MAX]", "[MIN]", "1"), "1 to [MAX]");
    EXPECT_EQ(ReplaceAll("abab", "ab", ""), "");
    EXPECT_EQ(ReplaceAll("abc", "", "x"), "abc");
}

TEST(StripQuotes, RemovesOnePairOnlyWhenBothEndsAreQuotes) {
    EXPECT_EQ(StripQuotes("\"up\""), "up");
    EXPECT_EQ(StripQuotes("\"\"x\"\""), "\"x\"");
    EXPECT_EQ(StripQuotes("\"up"), "\"up");
    EXPECT_EQ(StripQuotes("\""), "\"");
    EXPECT_EQ(StripQuotes("\"\""), "");
}
