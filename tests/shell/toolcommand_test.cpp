#include <gtest/gtest.h>

#include "toolcommand.h"

namespace {

LaunchTexts Texts(const std::string& version) {
    LaunchTexts t;
    t.AddressText = "10.90.90.90";
    t.ReadCommunityText = "public";
    t.WriteCommunityText = "private";
    t.PortText = "161";
    t.VersionText = version;
    t.SecurityNameText = "admin";
    t.AuthPasswordText = "auth pass";
    t.PrivPasswordText = "priv;pass";
    t.AuthProtocolText = "3";
    t.PrivProtocolText = "2";
    t.ContextEngineIDText = "80001f88";
    t.SecurityLevelText = "3";
    t.ContextNameText = "";
    t.SecurityModelText = "3";
    return t;
}

TEST(ToolCommand, CommunityVersionsCarryReadAndWriteCommunity) {
    const ToolCommand command = ToolCommand::Build(Texts("1"), "/TMIB_IFTable");
    EXPECT_EQ(command.Text(), "MIB /I10.90.90.90 /Rpublic /Wprivate /TMIB_IFTable ");
    EXPECT_EQ(command.Program(), "MIB");
}

TEST(ToolCommand, Version3CarriesTheElevenSwitchesInOrder) {
    const ToolCommand command = ToolCommand::Build(Texts("3"), "/TRmon_Statistics");
    EXPECT_EQ(command.Text(),
              "Rmon /I10.90.90.90 /t161 /v3 /d80001f88 /m3 /nadmin /l3 /a3 /p2 /Aauth pass /Ppriv;pass /c "
              "/TRmon_Statistics ");
    EXPECT_EQ(command.Text().find("/R"), std::string::npos);
}

TEST(ToolCommand, PassPhrasesStayWholeArgumentsWhateverTheyHold) {
    const ToolCommand command = ToolCommand::Build(Texts("3"), "/TIFMib_LastChangeTable");
    const std::vector<std::string> expected = {"/I10.90.90.90", "/t161", "/v3", "/d80001f88", "/m3", "/nadmin",
                                               "/l3", "/a3", "/p2", "/Aauth pass", "/Ppriv;pass", "/c",
                                               "/TIFMib_LastChangeTable"};
    EXPECT_EQ(command.Arguments(), expected);
    EXPECT_EQ(command.Program(), "IFMib");
}

TEST(ToolCommand, ToolIsTheTextBetweenTheSwitchAndTheFirstUnderscore) {
    const struct {
        const char* page;
        const char* tool;
    } cases[] = {{"/TMIB_Info", "MIB"},           {"/TEthernetLike_dot3StatsTable", "EthernetLike"},
                 {"/TEntityMIB_Maping", "EntityMIB"}, {"/TVLan_Static", "VLan"},
                 {"/TBridge_Base_Table", "Bridge"}, {"/TNoUnderscore", "NoUnderscore"}};
    for (const auto& c : cases)
        EXPECT_EQ(ToolCommand::Build(Texts("2"), c.page).Program(), c.tool) << c.page;
}

}  // namespace
