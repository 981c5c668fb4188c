#include <gtest/gtest.h>

#include "ovini.h"
#include "tempdir.h"

namespace {

TEST(OvIni, ReadsTrimmedValuesWithoutRegardToCase) {
    TempDir dir;
    dir.Write("dev.cfg",
              "; station file\n"
              "[Other]\nVersion=9\n"
              "[Program Information]\n"
              "AgentPort =  161  \n"
              "SecurityName=\tadmin user\t\n"
              "Empty=   \n");
    const OvIni ini(dir.File("dev.cfg"));
    EXPECT_EQ(ini.ReadString("Program Information", "AgentPort", "x"), "161");
    EXPECT_EQ(ini.ReadString("program information", "securityname", "x"), "admin user");
    EXPECT_EQ(ini.ReadString("Program Information", "Version", "dflt"), "dflt");
    EXPECT_EQ(ini.ReadString("Program Information", "Empty", "dflt"), "dflt");
    EXPECT_EQ(ini.ReadString("Missing", "AgentPort", ""), "");
}

TEST(OvIni, MissingFileGivesTheDefault) {
    const OvIni ini("/nonexistent/dir/x.cfg");
    EXPECT_EQ(ini.ReadString("Program Information", "Version", "d"), "d");
}

TEST(OvIni, LongValuesAreCutAt4095Characters) {
    TempDir dir;
    const std::string value = std::string(4094, 'k') + "xyz";
    dir.Write("long.cfg", "[S]\nPath=" + value + "\nNext=ok\n");
    const OvIni ini(dir.File("long.cfg"));
    EXPECT_EQ(ini.ReadString("S", "Path", ""), std::string(4094, 'k') + "x");
    EXPECT_EQ(ini.ReadString("S", "Next", ""), "ok");
}

TEST(OvIni, ValueCutInsideBlanksIsTrimmedAfterTheCut) {
    TempDir dir;
    dir.Write("c.cfg", "[S]\nKey=" + std::string(4090, 'v') + "          tail\n");
    EXPECT_EQ(OvIni(dir.File("c.cfg")).ReadString("S", "Key", ""), std::string(4090, 'v'));
}

TEST(OvIni, MediumLongLinesAndTheirNeighboursAreRead) {
    TempDir dir;
    const std::string medium(300, 'm');
    dir.Write("m.cfg", "[S]\nA=" + medium + "\nB=" + medium + "b\n[T]\nA=t\n");
    const OvIni ini(dir.File("m.cfg"));
    EXPECT_EQ(ini.ReadString("S", "A", ""), medium);
    EXPECT_EQ(ini.ReadString("S", "B", ""), medium + "b");
    EXPECT_EQ(ini.ReadString("T", "A", ""), "t");
}

}  // namespace
