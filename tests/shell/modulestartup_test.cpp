#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>
#include <string>
#include <vector>

#include "modulestartup.h"
#include "ovexception.h"
#include "ovmessagetables.h"
#include "ovsnmpsession.h"
#include "ovsnmpsettings.h"
#include "portcountofmodel.h"
#include "tempdir.h"

namespace {

const std::string kHelpPathSection = "[SOFTWARE\\Orvane\\Modules\\HelpPath]";

// Each start-up runs in a fresh working directory with a settings store of
// its own; the station's configuration directory is a folder inside it.
class Startup : public ::testing::Test {
protected:
    void SetUp() override {
        previous_ = std::filesystem::current_path();
        std::filesystem::current_path(dir_.Path());
        std::filesystem::create_directories(dir_.File("mbf"));
        setenv("ORVANE_REGISTRY", dir_.File("registry.ini").c_str(), 1);
        WriteRegistry("[SOFTWARE\\Orvane\\Corvue5.1\\MibFile]\nPath=" + dir_.File("mbf/") + "\n");
    }
    void TearDown() override {
        OvSNMPSession::DestroyGlobal();
        OvMessageTables::RestoreBuiltIn();
        ResetDefaultSettings();
        unsetenv("ORVANE_REGISTRY");
        std::filesystem::current_path(previous_);
    }

    void WriteRegistry(const std::string& content) { dir_.Write("registry.ini", content); }
    void WriteDeviceFile(const std::string& address, const std::string& keys) {
        dir_.Write("mbf/" + address + ".cfg", "[Program Information]\n" + keys);
    }
    // A complete file as the station writes it, with the numbers it needs.
    static std::string StationFile(const std::string& port, const std::string& version,
                                   const std::string& extra = "") {
        return "AgentPort=" + port + "\nVersion=" + version +
               "\nSecurityModel=3\nSecurityLevel=0\nAuthProtocol=0\nPrivProtocol=0\n" + extra;
    }
    ModuleStartup::Outcome Run(const std::vector<std::string>& parameters) {
        return startup_.Run(parameters);
    }
    static const OvSNMPDefaults& S() { return DefaultSettings(); }

    TempDir dir_;
    std::filesystem::path previous_;
    ModuleStartup startup_;
};

TEST_F(Startup, AddressAloneNeverAppliesTheFile) {
    WriteDeviceFile("10.90.90.90", StationFile("2000", "1"));
    EXPECT_EQ(Run({"/I10.90.90.90"}), ModuleStartup::Outcome::Ready);
    EXPECT_EQ(S().Device.Address, "10.90.90.90");
    EXPECT_EQ(S().Device.Port, 161);
    EXPECT_EQ(S().Security.Version, 0);
    EXPECT_EQ(S().Security.ReadCommunity, "lantor");
    EXPECT_EQ(startup_.Texts().AddressText, "10.90.90.90");
    EXPECT_EQ(startup_.Texts().PortText, "");
}

TEST_F(Startup, FileIsAppliedBeforeEachLaterParameter) {
    WriteDeviceFile("10.90.90.90", StationFile("2001", "1"));
    Run({"/I10.90.90.90", "/Rcommunity"});
    EXPECT_EQ(S().Device.Port, 2001);
    EXPECT_EQ(S().Security.Version, 1);
    EXPECT_EQ(S().Security.ReadCommunity, "community");
    EXPECT_EQ(startup_.Texts().VersionText, "1");
    EXPECT_EQ(startup_.Texts().PortText, "2001");
    EXPECT_EQ(startup_.Texts().ReadCommunityText, "community");
}

TEST_F(Startup, ParameterBeforeTheAddressUsesTheFileOfTheEmptyAddress) {
    WriteDeviceFile("", StationFile("3000", "1"));
    Run({"/Rr", "/I1.2.3.4"});
    EXPECT_EQ(S().Device.Port, 3000);
    EXPECT_EQ(S().Device.Address, "1.2.3.4");
}

TEST_F(Startup, Version3SwitchesNeedVersion3) {
    Run({"/I1.2.3.4", "/t2000"});
    EXPECT_EQ(S().Device.Port, 161);
    EXPECT_EQ(startup_.Texts().PortText, "");
    Run({"/I1.2.3.4", "/v3", "/t2000"});
    EXPECT_EQ(S().Device.Port, 2000);
    EXPECT_EQ(startup_.Texts().PortText, "2000");
    EXPECT_TRUE(startup_.SnmpV3Selected());
    EXPECT_EQ(startup_.Texts().VersionText, "");
}

TEST_F(Startup, FileAppliedAgainOverwritesEarlierSwitches) {
    WriteDeviceFile("1.2.3.4", StationFile("4000", "1"));
    Run({"/I1.2.3.4", "/v3", "/t2000", "/Rx"});
    // The file puts version 1 back before /t2000, so /t is not even tested.
    EXPECT_EQ(S().Device.Port, 4000);
    EXPECT_EQ(S().Security.Version, 1);
    EXPECT_FALSE(startup_.SnmpV3Selected());
}

TEST_F(Startup, FirstSwitchFoundDecides) {
    Run({"/Wsecret/I9.9.9.9"});
    EXPECT_EQ(S().Device.Address, "9.9.9.9");
    EXPECT_EQ(S().Security.WriteCommunity, "wrendel");
    Run({"x/Wwr/Rrd"});
    EXPECT_EQ(S().Security.ReadCommunity, "rd");
    EXPECT_EQ(S().Security.WriteCommunity, "wrendel");
}

TEST_F(Startup, FileCountsLevelAndProtocolsFromZero) {
    WriteDeviceFile("5.5.5.5",
                    "AgentPort=161\nVersion=3\nSecurityModel=3\nSecurityLevel=2\nAuthProtocol=2\n"
                    "PrivProtocol=1\nSecurityName=admin\nAuthPassword=  authphrase \nPrivPassword=\n"
                    "ContextName=\nContextEngineID=800007E5\n");
    Run({"/I5.5.5.5", "/l2"});
    // /l2 comes after the file: level 2.
    EXPECT_EQ(S().Security.SecurityLevel, 2);
    EXPECT_EQ(startup_.Texts().SecurityLevelText, "2");
    EXPECT_EQ(S().Security.AuthProtocol, 3);
    EXPECT_EQ(startup_.Texts().AuthProtocolText, "3");
    EXPECT_EQ(S().Security.PrivProtocol, 2);
    EXPECT_EQ(S().Security.SecurityName, "admin");
    EXPECT_EQ(S().Security.AuthPassword, "authphrase");
    EXPECT_EQ(S().Security.PrivPassword, "");
    EXPECT_EQ(startup_.Texts().PrivPasswordText, "");
    EXPECT_EQ(S().Scope.ContextEngineID, "800007E5");
    EXPECT_EQ(startup_.Texts().VersionText, "3");

    Run({"/I5.5.5.5", "/Rr"});
    EXPECT_EQ(S().Security.SecurityLevel, 3);
    EXPECT_EQ(startup_.Texts().SecurityLevelText, "3");
}

TEST_F(Startup, ZeroInTheFileLeavesTheDefault) {
    WriteDeviceFile("6.6.6.6", StationFile("161", "3"));
    Run({"/I6.6.6.6", "/Rr"});
    EXPECT_EQ(S().Security.SecurityLevel, 1);
    EXPECT_EQ(S().Security.AuthProtocol, 1);
    EXPECT_EQ(S().Security.PrivProtocol, 1);
    EXPECT_EQ(startup_.Texts().SecurityLevelText, "");
    EXPECT_EQ(startup_.Texts().SecurityModelText, "3");
}

TEST_F(Startup, LevelZeroSwitchKeepsTheText) {
    Run({"/I1.1.1.1", "/v3", "/l3", "/l0"});
    EXPECT_EQ(S().Security.SecurityLevel, 0);
    EXPECT_EQ(startup_.Texts().SecurityLevelText, "3");
}

TEST_F(Startup, EveryVersion3SwitchSetsItsSettingAndText) {
    Run({"/I1.1.1.1", "/v3", "/t1161", "/cctx", "/d0x8000", "/m3", "/l3", "/nadmin", "/Aauth pass",
         "/Ppriv pass", "/a3", "/p2"});
    EXPECT_EQ(S().Device.Port, 1161);
    EXPECT_EQ(S().Scope.ContextName, "ctx");
    EXPECT_EQ(S().Scope.ContextEngineID, "0x8000");
    EXPECT_EQ(S().Security.SecurityModel, 3);
    EXPECT_EQ(S().Security.SecurityLevel, 3);
    EXPECT_EQ(S().Security.SecurityName, "admin");
    EXPECT_EQ(S().Security.AuthPassword, "auth pass");
    EXPECT_EQ(S().Security.PrivPassword, "priv pass");
    EXPECT_EQ(S().Security.AuthProtocol, 3);
    EXPECT_EQ(S().Security.PrivProtocol, 2);
    const LaunchTexts& t = startup_.Texts();
    EXPECT_EQ(t.PortText, "1161");
    EXPECT_EQ(t.ContextNameText, "ctx");
    EXPECT_EQ(t.ContextEngineIDText, "0x8000");
    EXPECT_EQ(t.SecurityModelText, "3");
    EXPECT_EQ(t.SecurityLevelText, "3");
    EXPECT_EQ(t.SecurityNameText, "admin");
    EXPECT_EQ(t.AuthPasswordText, "auth pass");
    EXPECT_EQ(t.PrivPasswordText, "priv pass");
    EXPECT_EQ(t.AuthProtocolText, "3");
    EXPECT_EQ(t.PrivProtocolText, "2");
}

TEST_F(Startup, NumbersKeepTheirLowBits) {
    Run({"/I1.1.1.1", "/v259", "/t65537"});
    EXPECT_EQ(S().Security.Version, 3);
    EXPECT_EQ(S().Device.Port, 1);
    EXPECT_EQ(startup_.Texts().PortText, "1");
}

TEST_F(Startup, NonNumericValuesEndStartUpWithAConversionError) {
    const std::vector<std::vector<std::string>> bad = {
        {"/I1.1.1.1", "/vthree"}, {"/I1.1.1.1", "/v"},        {"/I1.1.1.1", "/v3", "/t16x"},
        {"/I1.1.1.1", "/v3", "/m"}, {"/I1.1.1.1", "/v3", "/l-"}, {"/I1.1.1.1", "/v3", "/a 2 2"},
        {"/I1.1.1.1", "/v3", "/p99999999999"},
    };
    for (const auto& parameters : bad) {
        try {
            Run(parameters);
            ADD_FAILURE() << parameters.back();
        } catch (const OvException& e) {
            EXPECT_EQ(e.Code(), OvException::ConversionError);
            EXPECT_NE(e.Text().find("is not a valid integer value"), std::string::npos);
        }
    }
}

TEST_F(Startup, DeviceFileMissingRequiredKeysFails) {
    WriteDeviceFile("7.7.7.7", "AgentPort=161\nVersion=1\n");
    try {
        Run({"/I7.7.7.7", "/Rr"});
        FAIL();
    } catch (const OvException& e) {
        EXPECT_EQ(e.Text(), "'' is not a valid integer value");
    }
}

TEST_F(Startup, NoParametersIsReported) {
    EXPECT_EQ(Run({}), ModuleStartup::Outcome::NoParameters);
    EXPECT_FALSE(startup_.SnmpV3Selected());
}

TEST_F(Startup, CreatesTheHelpPathKeyAndFormsTheDirectories) {
    WriteRegistry("[SOFTWARE\\Orvane\\Corvue5.1\\ExePath]\nPath=/opt/corvue/bin/\n");
    Run({"/I1.1.1.1"});
    EXPECT_EQ(startup_.ConfigDirectory(), "/opt/corvue/bin/../Conf/MBF/");
    EXPECT_EQ(startup_.ModuleDirectory(), "");
    EXPECT_NE(dir_.Read("registry.ini").find(kHelpPathSection), std::string::npos);

    WriteRegistry(kHelpPathSection + "\n" + ModuleStartup::HelpPathValueName() +
                  "=/opt/modules/tq2400g/TQ-2400G.hlp\n"
                  "[SOFTWARE\\Orvane\\Corvue5.1\\ExePath]\nPath=/opt/corvue/bin/\n"
                  "[SOFTWARE\\Orvane\\Corvue5.1\\MibFile]\nPath=/srv/mbf/\n");
    Run({"/I1.1.1.1"});
    EXPECT_EQ(startup_.ModuleDirectory(), "/opt/modules/tq2400g/");
    EXPECT_EQ(startup_.ConfigDirectory(), "/srv/mbf/");
}

TEST_F(Startup, HelpValueOfTwelveCharactersOrLessGivesNoDirectory) {
    WriteRegistry(kHelpPathSection + "\n" + ModuleStartup::HelpPathValueName() + "=TQ-2400G.hlp\n");
    Run({"/I1.1.1.1"});
    EXPECT_EQ(startup_.ModuleDirectory(), "");
}

TEST_F(Startup, UnopenableStoreLeavesBothDirectoriesEmpty) {
    setenv("ORVANE_REGISTRY", dir_.File("no/such/dir/registry.ini").c_str(), 1);
    Run({"/I1.1.1.1"});
    EXPECT_EQ(startup_.ModuleDirectory(), "");
    EXPECT_EQ(startup_.ConfigDirectory(), "");
    // With both empty, the file of the address is looked for in the working directory.
    EXPECT_EQ(startup_.ConfigFilePath(), "1.1.1.1.cfg");
}

TEST_F(Startup, LoadsTheMessageFilesFromTheModuleDirectory) {
    std::filesystem::create_directories(dir_.File("module/errmsg"));
    dir_.Write("module/errmsg/ovsnmp.err", "Alles gut\n");
    WriteRegistry(kHelpPathSection + "\n" + ModuleStartup::HelpPathValueName() + "=" +
                  dir_.File("module/") + "TQ-2400G.hlp\n");
    Run({"/I1.1.1.1"});
    EXPECT_EQ(OvMessageTables::OwnText(0), "Alles gut");
}

TEST_F(Startup, CreatesTheSessionAndSetsVersion1Only) {
    Run({"/I1.1.1.1"});
    ASSERT_NE(OvSNMPSession::Global(), nullptr);
    EXPECT_TRUE(std::filesystem::exists(dir_.File("OvSNMP_PP_BootCounter")));
}

TEST(PortCountOfModel, KnowsTheFamilyWithoutRegardToCase) {
    const std::pair<const char*, int> cases[] = {
        {"TQ-2400", 28}, {"TQ-2400P", 28}, {"TQ-4800", 52}, {"tq-4800p", 52},
        {"TQ-2400G", 28}, {"", 0},          {"TQ-9999", 0},
    };
    for (const auto& [model, ports] : cases)
        EXPECT_EQ(PortCountOfModel(model), ports) << model;
}

}  // namespace
