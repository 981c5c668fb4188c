#include <gtest/gtest.h>

#include "simswitch.h"

#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

#include <algorithm>
#include <cctype>
#include <chrono>
#include <filesystem>
#include <fstream>
#include <iostream>
#include <map>
#include <thread>

namespace {

const std::string kRmonState = SimSwitch::VendorOid(".11.63.11.2.1.2.16.0");
const std::string kSystemIp = SimSwitch::VendorOid(".11.63.11.2.1.2.2.0");
const std::string kStpVersion = SimSwitch::VendorOid(".12.15.1.2.0");
const std::string kLedStatus = SimSwitch::VendorOid(".11.63.11.2.1.1.5.0");
const std::string kTrustHost = SimSwitch::VendorOid(".12.1.2.10.1.1");
const std::string kBandwidthRx = SimSwitch::VendorOid(".11.63.11.2.3.1.1.2");

const std::string kV1Read = "-v1 -c public";
const std::string kV2Read = "-v2c -c public";
const std::string kV2Write = "-v2c -c private";
const std::string kV1Write = "-v1 -c private";
const std::string kQuick = " -t 0.3 -r 0";

std::string Numeric(const std::string& options) { return options + " -On"; }

std::string V3(const std::string& user) {
    const std::map<std::string, std::string> security{
        {SimSwitch::NoAuthUser, "-l noAuthNoPriv"},
        {SimSwitch::Md5User, "-l authNoPriv -a MD5 -A md5password"},
        {SimSwitch::ShaUser, "-l authNoPriv -a SHA -A shapassword"},
        {SimSwitch::Md5DesUser, "-l authPriv -a MD5 -A md5password -x DES -X despassword"},
        {SimSwitch::ShaDesUser, "-l authPriv -a SHA -A shapassword -x DES -X despassword"},
    };
    return "-v3 -u " + user + " " + security.at(user);
}

bool Contains(const std::string& text, const std::string& part) { return text.find(part) != std::string::npos; }

// The bytes of a Hex-STRING answer.
std::string HexBytes(const std::string& output) {
    const size_t at = output.find("Hex-STRING:");
    std::string hex;
    if (at == std::string::npos) return hex;
    for (char c : output.substr(at + 11))
        if (std::isxdigit(static_cast<unsigned char>(c))) hex += c;
    return hex;
}

class SimAgentTest : public ::testing::Test {
protected:
    std::string Get(const std::string& options, const std::string& oid) const {
        return sim.Tool("snmpget", Numeric(options), oid);
    }
    std::string Set(const std::string& options, const std::string& bindings) const {
        return sim.Tool("snmpset", Numeric(options), bindings);
    }
    std::string Walk(const std::string& oid) const { return sim.Tool("snmpwalk", Numeric(kV2Read), oid); }

    SimSwitch sim;
};

TEST_F(SimAgentTest, AnswersEveryVersionAndUser) {
    for (const std::string& options :
         {kV1Read, kV2Read, kV2Write, V3(SimSwitch::NoAuthUser), V3(SimSwitch::Md5User), V3(SimSwitch::ShaUser),
          V3(SimSwitch::Md5DesUser), V3(SimSwitch::ShaDesUser)})
        EXPECT_EQ(Get(options, kStpVersion), "." + kStpVersion + " = INTEGER: 1\n") << options;
}

TEST_F(SimAgentTest, RejectsUnknownCommunityAndWrongPassphrase) {
    EXPECT_TRUE(Contains(Get("-v2c -c guess" + kQuick, kStpVersion), "Timeout")) << "no answer to a stranger";
    EXPECT_TRUE(Contains(Get("-v3 -u md5user -l authNoPriv -a MD5 -A wrongpassword" + kQuick, kStpVersion),
                         "Authentication failure"));
    EXPECT_TRUE(Contains(Get("-v3 -u nobody -l noAuthNoPriv" + kQuick, kStpVersion), "Unknown user name"));
}

TEST_F(SimAgentTest, EveryWriterStoresAValue) {
    int value = 0;
    for (const std::string& options :
         {kV1Write, kV2Write, V3(SimSwitch::NoAuthUser), V3(SimSwitch::Md5User), V3(SimSwitch::ShaUser),
          V3(SimSwitch::Md5DesUser), V3(SimSwitch::ShaDesUser)}) {
        const std::string expected = "." + kSystemIp + " = IpAddress: 10.0.0." + std::to_string(++value) + "\n";
        EXPECT_EQ(Set(options, kSystemIp + " a 10.0.0." + std::to_string(value)), expected) << options;
        EXPECT_EQ(Get(kV2Read, kSystemIp), expected) << options;
    }
}

TEST_F(SimAgentTest, RefusesWritesAsTheProtocolVersionDictates) {
    struct Case {
        std::string options;
        std::string bindings;
        std::string reason;
    };
    const std::string unknown = SimSwitch::VendorOid(".11.63.11.2.1.2.99.0");
    const Case cases[] = {
        {kV2Write, kRmonState + " s enabled", "wrongType"},
        {kV1Write, kRmonState + " s enabled", "(badValue)"},
        {kV2Write, kLedStatus + " x 00", "notWritable"},
        {kV1Write, kLedStatus + " x 00", "(noSuchName)"},
        {kV2Write, unknown + " i 1", "noCreation"},
        {kV1Write, unknown + " i 1", "(noSuchName)"},
        {kV2Write, kRmonState + ".1 i 2", "noCreation"},
        {kV2Write, kBandwidthRx + ".29 i 10", "noCreation"},
        {kV2Read, kRmonState + " i 2", "noAccess"},
        {kV1Read, kRmonState + " i 2", "(noSuchName)"},
    };
    for (const Case& c : cases) {
        const std::string output = Set(c.options, c.bindings);
        EXPECT_TRUE(Contains(output, "Reason: " + c.reason)) << c.options << " " << c.bindings << "\n" << output;
    }
    EXPECT_EQ(Get(kV2Read, kRmonState), "." + kRmonState + " = INTEGER: 3\n");
}

TEST_F(SimAgentTest, SetsAllBindingsOrNone) {
    const std::string failed = Set(kV2Write, kRmonState + " i 2 " + kSystemIp + " a 10.1.1.1 " + kLedStatus + " x 00");
    EXPECT_TRUE(Contains(failed, "Failed object: ." + kLedStatus)) << failed;
    EXPECT_EQ(Get(kV2Read, kRmonState), "." + kRmonState + " = INTEGER: 3\n");
    EXPECT_EQ(Get(kV2Read, kSystemIp), "." + kSystemIp + " = IpAddress: 10.90.90.90\n");

    EXPECT_EQ(Set(kV2Write, kRmonState + " i 2 " + kSystemIp + " a 10.1.1.1"),
              "." + kRmonState + " = INTEGER: 2\n." + kSystemIp + " = IpAddress: 10.1.1.1\n");
    EXPECT_EQ(Get(kV2Read, kRmonState), "." + kRmonState + " = INTEGER: 2\n");
}

TEST_F(SimAgentTest, CreatesAndDestroysRowsThroughRowStatus) {
    const std::string ip = kTrustHost + ".2.5", mask = kTrustHost + ".4.5", status = kTrustHost + ".3.5";
    const std::string created = Set(kV2Write, ip + " a 10.20.30.40 " + mask + " a 255.255.0.0 " + status + " i 4");
    EXPECT_TRUE(Contains(created, "INTEGER: 4")) << created;
    const std::string row = Walk(kTrustHost);
    EXPECT_TRUE(Contains(row, "." + ip + " = IpAddress: 10.20.30.40")) << row;
    EXPECT_TRUE(Contains(row, "." + mask + " = IpAddress: 255.255.0.0")) << row;
    EXPECT_TRUE(Contains(row, "." + status + " = INTEGER: 1")) << row;

    EXPECT_TRUE(Contains(Set(kV2Write, status + " i 4"), "Reason: inconsistentValue")) << "the row exists";
    EXPECT_TRUE(Contains(Set(kV2Write, kTrustHost + ".2.6 a 10.0.0.6"), "Reason: inconsistentName"))
        << "a new row needs createAndGo in the same PDU";

    EXPECT_EQ(Set(kV2Write, status + " i 6"), "." + status + " = INTEGER: 6\n");
    const std::string after = Walk(kTrustHost);
    EXPECT_FALSE(Contains(after, "." + ip + " ")) << after;
    EXPECT_FALSE(Contains(after, "." + status + " ")) << after;
    EXPECT_TRUE(Contains(after, "." + kTrustHost + ".2.1 = IpAddress: 10.90.90.10")) << "other rows stay";
}

TEST_F(SimAgentTest, JournalsEveryPduWithItsVarbinds) {
    sim.ClearJournal();
    Get(kV2Read, kRmonState + " " + kStpVersion);
    Set(V3(SimSwitch::ShaDesUser), kRmonState + " i 2 " + SimSwitch::VendorOid(".11.63.11.2.23.2.3.0") +
                                        " x F0000001 " + SimSwitch::VendorOid(".11.63.11.2.23.2.1.0") + " s 1-4");
    sim.Tool("snmpgetnext", Numeric(kV1Read), kRmonState);
    sim.Tool("snmpbulkget", Numeric(kV2Read) + " -Cn0 -Cr3", kTrustHost);

    const std::vector<SimJournalEntry> journal = sim.Journal();
    ASSERT_EQ(journal.size(), 4u);
    EXPECT_EQ(journal[0].operation, "GET");
    EXPECT_EQ(journal[0].version, "v2c");
    EXPECT_EQ(journal[0].security, "public");
    ASSERT_EQ(journal[0].varbinds.size(), 2u);
    EXPECT_EQ(journal[0].varbinds[0].oid, kRmonState);
    EXPECT_EQ(journal[0].varbinds[0].type, "NULL");
    EXPECT_EQ(journal[0].varbinds[1].oid, kStpVersion);

    EXPECT_EQ(journal[1].operation, "SET");
    EXPECT_EQ(journal[1].version, "v3");
    EXPECT_EQ(journal[1].security, "shades:authPriv");
    ASSERT_EQ(journal[1].varbinds.size(), 3u);
    EXPECT_EQ(journal[1].varbinds[0].type, "INTEGER");
    EXPECT_EQ(journal[1].varbinds[0].value, "2");
    EXPECT_EQ(journal[1].varbinds[1].type, "STRING");
    EXPECT_EQ(journal[1].varbinds[1].value, "f0000001");
    EXPECT_EQ(journal[1].varbinds[2].value, "312d34");

    EXPECT_EQ(journal[2].operation, "GETNEXT");
    EXPECT_EQ(journal[2].version, "v1");
    EXPECT_EQ(journal[3].operation, "GETBULK");
    ASSERT_EQ(journal[3].varbinds.size(), 1u);
    EXPECT_EQ(journal[3].varbinds[0].oid, kTrustHost);
}

TEST_F(SimAgentTest, SilentSwitchDropsRequestsButJournalsThem) {
    sim.SetSilent(true);
    sim.ClearJournal();
    EXPECT_TRUE(Contains(Get(kV2Read + kQuick, kRmonState), "Timeout"));
    EXPECT_TRUE(Contains(Get(V3(SimSwitch::Md5User) + kQuick, kRmonState), "Timeout"));
    EXPECT_EQ(sim.Journal().size(), 2u);
    sim.SetSilent(false);
    EXPECT_EQ(Get(kV2Read + kQuick, kRmonState), "." + kRmonState + " = INTEGER: 3\n");
}

TEST_F(SimAgentTest, DelaySwitchAnswersLate) {
    sim.SetDelay(1000);
    EXPECT_TRUE(Contains(Get(kV2Read + " -t 0.2 -r 0", kRmonState), "Timeout"));
    EXPECT_EQ(Get(kV2Read + " -t 5 -r 0", kRmonState), "." + kRmonState + " = INTEGER: 3\n");
    sim.ClearFaults();
    EXPECT_EQ(Get(kV2Read + kQuick, kRmonState), "." + kRmonState + " = INTEGER: 3\n");
}

TEST_F(SimAgentTest, ErrorSwitchFailsOneObject) {
    sim.SetErrorFor(kRmonState, 5);
    EXPECT_TRUE(Contains(Get(kV2Read, kRmonState), "Reason: (genError)"));
    EXPECT_TRUE(Contains(Get(kV1Read, kRmonState), "Reason: (genError)"));
    EXPECT_EQ(Get(kV2Read, kStpVersion), "." + kStpVersion + " = INTEGER: 1\n");
    EXPECT_TRUE(Contains(Set(kV2Write, kStpVersion + " i 2 " + kRmonState + " i 2"), "Reason: (genError)"));
    EXPECT_EQ(Get(kV2Read, kStpVersion), "." + kStpVersion + " = INTEGER: 1\n") << "the whole set failed";

    sim.SetErrorFor(kTrustHost, 12);
    EXPECT_TRUE(Contains(sim.Tool("snmpgetnext", Numeric(kV2Read), kTrustHost), "inconsistentValue"));
    sim.ClearFaults();
    EXPECT_EQ(Get(kV2Read, kRmonState), "." + kRmonState + " = INTEGER: 3\n");
}

TEST_F(SimAgentTest, ServesTheEarlyPagesTables) {
    const std::map<std::string, size_t> rows{
        {"1.3.6.1.2.1.2.2.1.1", 28},                                // ifIndex
        {"1.3.6.1.2.1.31.1.1.1.1", 28},                             // ifName
        {"1.3.6.1.2.1.31.1.1.1.6", 28},                             // ifHCInOctets
        {kBandwidthRx, 28},
        {SimSwitch::VendorOid(".11.63.11.2.2.1.1.4"), 28},          // port link status
        {SimSwitch::VendorOid(".11.63.11.2.2.2.1.3"), 32},          // port admin state, 4 combo media more
        {SimSwitch::VendorOid(".11.63.11.2.1.2"), 18},              // device control
        {SimSwitch::VendorOid(".11.63.11.2.23.2"), 5},              // VLAN multiply
    };
    for (const auto& [oid, count] : rows) {
        const std::string walk = Walk(oid);
        EXPECT_EQ(static_cast<size_t>(std::count(walk.begin(), walk.end(), '\n')), count) << oid << "\n" << walk;
    }
    EXPECT_TRUE(Contains(Get(kV2Read, "1.3.6.1.2.1.31.1.1.1.6.28"), "Counter64: 143456791326"));
    EXPECT_TRUE(Contains(Walk("1.3.6.1.6.3.15.1.2.2.1.3"), "STRING: \"shades\"")) << "usmUserSecurityName";
    EXPECT_TRUE(Contains(Get(kV2Read, "1.3.6.1.6.3.10.2.1.3.0"), "INTEGER:")) << "snmpEngineTime";
}

TEST_F(SimAgentTest, FrameworkTablesTakeRowsToo) {
    const std::string entry = "1.3.6.1.6.3.12.1.2.1", name = ".2.116.49";   // snmpTargetAddrTable, "t1"
    const std::string created = Set(kV2Write, entry + ".2" + name + " o 1.3.6.1.6.1.1 " + entry + ".3" + name +
                                                  " x 7F00000100A2 " + entry + ".7" + name + " s p1 " + entry +
                                                  ".9" + name + " i 4");
    EXPECT_TRUE(Contains(created, "INTEGER: 4")) << created;
    EXPECT_EQ(Get(kV2Read, entry + ".9" + name), "." + entry + ".9" + name + " = INTEGER: 1\n");
}

TEST_F(SimAgentTest, LedStringHasOneByteEachForPowerAndConsoleAndTwoPerPort) {
    const std::string hex = HexBytes(Get(kV2Read, kLedStatus));
    ASSERT_EQ(hex.size(), 2u * 58u);
    EXPECT_EQ(hex.substr(0, 2), "03") << "power on";
    EXPECT_EQ(hex.substr(50 * 2, 4), "8204") << "port 25 powers its device";
    EXPECT_EQ(HexBytes(Get(kV2Read, kLedStatus)), hex) << "still without an LED period";
}

TEST(SimAgentLive, LedStringChangesOverTime) {
    SimSwitch sim(SimSwitch::Options{20, {}});
    const std::string first = HexBytes(sim.Tool("snmpget", "-v2c -c public", kLedStatus));
    ASSERT_EQ(first.size(), 2u * 58u);
    std::string later = first;
    for (int attempt = 0; attempt < 50 && later == first; ++attempt) {
        std::this_thread::sleep_for(std::chrono::milliseconds(50));
        later = HexBytes(sim.Tool("snmpget", "-v2c -c public", kLedStatus));
    }
    EXPECT_NE(later, first);
    EXPECT_EQ(later.size(), first.size());
    EXPECT_EQ(later.substr(0, 4), first.substr(0, 4)) << "power and console stay";
}

TEST(SimAgentLife, StartsQuicklyKeepsStateInItsDirAndStopsCleanly) {
    const auto cwdBefore = std::filesystem::current_path();
    std::vector<std::string> cwdFiles;
    for (const auto& entry : std::filesystem::directory_iterator(cwdBefore)) cwdFiles.push_back(entry.path());
    std::string stateDir;
    {
        SimSwitch sim;
        std::cout << "tq2400g-sim ready after " << sim.StartSeconds() << " s\n";
        ::testing::Test::RecordProperty("start_seconds", std::to_string(sim.StartSeconds()));
        stateDir = sim.StateDir();
        sim.Tool("snmpget", V3(SimSwitch::Md5DesUser), kRmonState);
        EXPECT_EQ(sim.Stop(), 0) << "clean exit on SIGTERM";
        for (const char* file : {"journal.txt", "conf/tq2400g-sim.conf", "persist/tq2400g-sim.conf"})
            EXPECT_TRUE(std::filesystem::exists(stateDir + "/" + file)) << file;
    }
    std::vector<std::string> cwdAfter;
    for (const auto& entry : std::filesystem::directory_iterator(cwdBefore)) cwdAfter.push_back(entry.path());
    EXPECT_EQ(cwdAfter, cwdFiles) << "nothing written to the working directory";
    EXPECT_FALSE(std::filesystem::exists(stateDir)) << "the fixture removes the state dir";
}

TEST(SimAgentLife, KeepsEngineBootsInTheStateDir) {
    SimSwitch sim;
    const std::string persisted = sim.StateDir() + "/persist/tq2400g-sim.conf";
    ASSERT_EQ(sim.Stop(), 0);
    std::ifstream in(persisted);
    std::string text((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
    EXPECT_TRUE(Contains(text, "engineBoots")) << text;
    EXPECT_TRUE(Contains(text, "usmUser")) << text;
}

int RunSim(const std::string& arguments) {
    const int status = std::system((std::string(SIM_SWITCH_EXECUTABLE) + " " + arguments + " 2>/dev/null").c_str());
    return WIFEXITED(status) ? WEXITSTATUS(status) : -1;
}

TEST(SimAgentCommandLine, RefusesBadArgumentsAndBadData) {
    TempDir dir;
    dir.Write("bad.txt", "1.3.6.1.2.1.1.5.0 string rw\n");
    const std::string state = " --state-dir " + dir.File("state");
    const std::string bad[] = {"", "--port 0" + state, "--port 70000" + state, "--port 1610",
                               "--port 1610" + state + " --led", "--port 1610" + state + " --colour red",
                               "--port 1610" + state + " --led-period-ms fast"};
    for (const std::string& arguments : bad)
        EXPECT_EQ(RunSim(arguments), 2) << arguments;
    EXPECT_EQ(RunSim("--port " + std::to_string(FreeUdpPort()) + state + " --data " + dir.File("bad.txt")), 1);
    EXPECT_EQ(RunSim("--port " + std::to_string(FreeUdpPort()) + state + " --data " + dir.File("missing.txt")), 1);
    SimSwitch running;
    EXPECT_EQ(RunSim("--port " + std::to_string(running.Port()) + state), 1) << "the port is taken";
}

}  // namespace
