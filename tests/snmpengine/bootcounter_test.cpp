#include <gtest/gtest.h>

#include "ovbootcounter.h"
#include "tempdir.h"

namespace {

using Status = OvBootCounter::Status;

TEST(OvBootCounter, ReadsTheEntryOfItsEngineAmongOthers) {
    TempDir dir;
    dir.Write("b", "OtherEngine 7\nOvSNMP_PP_Application 41\n");
    uint32_t boots = 99;
    EXPECT_EQ(OvBootCounter::Read(dir.File("b"), "OvSNMP_PP_Application", boots), Status::Ok);
    EXPECT_EQ(boots, 41u);
}

TEST(OvBootCounter, MissingFileOrEntryReadsZero) {
    TempDir dir;
    dir.Write("b", "OtherEngine 7\n");
    uint32_t boots = 5;
    EXPECT_EQ(OvBootCounter::Read(dir.File("none"), "E", boots), Status::NoFile);
    EXPECT_EQ(boots, 0u);
    boots = 5;
    EXPECT_EQ(OvBootCounter::Read(dir.File("b"), "E", boots), Status::NoEntry);
    EXPECT_EQ(boots, 0u);
}

TEST(OvBootCounter, MalformedContentIsRefused) {
    const char* malformed[] = {"E\n", "E x\n", "E 1 2\n", "E -3\n", "E 99999999999\n", "\x01\x02\x03"};
    for (const char* content : malformed) {
        TempDir dir;
        dir.Write("b", content);
        uint32_t boots = 0;
        EXPECT_EQ(OvBootCounter::Read(dir.File("b"), "E", boots), Status::Malformed) << content;
    }
}

TEST(OvBootCounter, SaveKeepsOtherEnginesAndReplacesItsOwn) {
    TempDir dir;
    dir.Write("b", "A 1\nE 3\nB 2\n");
    EXPECT_EQ(OvBootCounter::Save(dir.File("b"), "E", 4), Status::Ok);
    EXPECT_EQ(dir.Read("b"), "A 1\nE 4\nB 2\n");
    EXPECT_EQ(OvBootCounter::Save(dir.File("new"), "E", 1), Status::Ok);
    EXPECT_EQ(dir.Read("new"), "E 1\n");
}

TEST(OvBootCounter, OverlongEngineIdAndUnwritableFileFail) {
    TempDir dir;
    uint32_t boots = 0;
    const std::string longId(33, 'e');
    EXPECT_EQ(OvBootCounter::Read(dir.File("b"), longId, boots), Status::EngineIdTooLong);
    EXPECT_EQ(OvBootCounter::Save(dir.File("b"), longId, 1), Status::EngineIdTooLong);
    EXPECT_EQ(OvBootCounter::Save(dir.File("no/such/dir/b"), "E", 1), Status::WriteFailed);
}

}  // namespace
