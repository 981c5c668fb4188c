#include <gtest/gtest.h>

#include <QCoreApplication>
#include <QElapsedTimer>

#include <arpa/inet.h>
#include <netinet/in.h>
#include <sys/socket.h>
#include <unistd.h>

#include <filesystem>
#include <memory>

#include "ovexception.h"
#include "ovsnmpsession.h"
#include "ovsnmpsettings.h"
#include "ovsnmptarget.h"
#include "snmpdagent.h"
#include "snmpeventprocessor.h"
#include "tempdir.h"

namespace {

const char* kSysUpTime = "1.3.6.1.2.1.1.3.0";
const char* kSysLocation = "1.3.6.1.2.1.1.6.0";

// Runs each test in its own working directory so the boots file lands there.
class InTempDir : public ::testing::Test {
protected:
    void SetUp() override {
        previous_ = std::filesystem::current_path();
        std::filesystem::current_path(dir_.Path());
    }
    void TearDown() override {
        OvSNMPSession::DestroyGlobal();
        std::filesystem::current_path(previous_);
    }
    TempDir dir_;
    std::filesystem::path previous_;
};

using GlobalSession = InTempDir;

TEST_F(GlobalSession, CountsEngineBootsFromAMissingFileOnwards) {
    CreateGlobalSession("");
    EXPECT_EQ(OvSNMPSession::Global()->EngineBoots(), 1u);
    EXPECT_EQ(dir_.Read("OvSNMP_PP_BootCounter"), "OvSNMP_PP_Application 1\n");
    CreateGlobalSession("");
    CreateGlobalSession(dir_.Path());
    EXPECT_EQ(OvSNMPSession::Global()->EngineBoots(), 3u);
    EXPECT_EQ(dir_.Read("OvSNMP_PP_BootCounter"), "OvSNMP_PP_Application 3\n");
}

TEST_F(GlobalSession, DirectoryIsJoinedWithASeparator) {
    std::filesystem::create_directory(dir_.File("state"));
    CreateGlobalSession(dir_.File("state"));
    CreateGlobalSession(dir_.File("state") + "/");
    EXPECT_EQ(dir_.Read("state/OvSNMP_PP_BootCounter"), "OvSNMP_PP_Application 2\n");
    EXPECT_FALSE(std::filesystem::exists(dir_.File("OvSNMP_PP_BootCounter")));
}

TEST_F(GlobalSession, MalformedBootsFileRaises507) {
    dir_.Write("OvSNMP_PP_BootCounter", "garbage without a number\n");
    try {
        CreateGlobalSession("");
        FAIL() << "no exception";
    } catch (const OvException& e) {
        EXPECT_EQ(e.Code(), -507);
        EXPECT_EQ(e.Text(), "(VoZIZO++) Error when loading SNMP engine boots counter!");
    }
    EXPECT_EQ(OvSNMPSession::Global(), nullptr);
}

TEST_F(GlobalSession, UnwritableBootsFileRaises508) {
    // A directory in the place of the file can be neither read nor written.
    std::filesystem::create_directory(dir_.File("OvSNMP_PP_BootCounter"));
    try {
        CreateGlobalSession("");
        FAIL() << "no exception";
    } catch (const OvException& e) {
        EXPECT_EQ(e.Code(), -508);
        EXPECT_EQ(e.Text(), "(VoZIZO++) Error when saving SNMP engine boots counter!");
    }
}

TEST_F(GlobalSession, ResetsDefaultsAndStartsThePump) {
    DefaultSettings().Device.Address = "10.1.1.1";
    DefaultSettings().Security.Version = 3;
    CreateGlobalSession("");
    EXPECT_EQ(DefaultSettings().Device.Address, "127.0.0.1");
    EXPECT_EQ(DefaultSettings().Device.Port, 161);
    EXPECT_EQ(DefaultSettings().Security.Version, 0);
    EXPECT_EQ(DefaultSettings().Security.ReadCommunity, "lantor");
    EXPECT_EQ(DefaultSettings().Security.WriteCommunity, "wrendel");
    EXPECT_EQ(DefaultSettings().Security.SecurityModel, 1);
    EXPECT_EQ(DefaultSettings().Security.SecurityLevel, 1);
    EXPECT_EQ(DefaultSettings().Security.AuthProtocol, 1);
    EXPECT_EQ(DefaultSettings().Security.PrivProtocol, 1);
    EXPECT_EQ(DefaultSettings().Timeout, 100);
    EXPECT_TRUE(OvSNMPSession::Global()->EventProcessor().IsActive());
}

TEST(BuildTarget, EmptyOrUnresolvableAddressRaises509) {
    for (const char* address : {"", "no-such-host.invalid", "300.1.2.3"}) {
        OvSNMPRequestSettings s;
        s.Device.Address = address;
        try {
            BuildTarget(s);
            FAIL() << address;
        } catch (const OvException& e) {
            EXPECT_EQ(e.Code(), -509) << address;
            EXPECT_EQ(e.Text(), "(VoZIZO++) Invalid IP Address or DNS name!");
        }
    }
}

TEST(BuildTarget, CommunityTargetForEveryVersionButThree) {
    for (uint8_t version : {0, 1, 2}) {
        OvSNMPRequestSettings s;
        s.Device = {"localhost", 1161};
        s.Security.Version = version;
        s.Security.SecurityName = "ignored";
        const OvSNMPTarget t = BuildTarget(s);
        EXPECT_FALSE(t.IsUserTarget());
        EXPECT_EQ(t.IpAddress, "127.0.0.1");
        EXPECT_EQ(t.Port, 1161);
        EXPECT_EQ(t.Version, version);
        EXPECT_EQ(t.ReadCommunity, "lantor");
        EXPECT_EQ(t.WriteCommunity, "wrendel");
        EXPECT_EQ(t.SecurityName, "");
    }
}

TEST(BuildTarget, UserTargetCarriesTheSecurityParameters) {
    OvSNMPRequestSettings s;
    s.Security.Version = 3;
    s.Security.SecurityName = "admin";
    s.Security.SecurityLevel = 3;
    s.Security.AuthProtocol = 3;
    s.Security.PrivProtocol = 2;
    s.Security.AuthPassword = "a";
    s.Security.PrivPassword = "p";
    s.Retries = 4;
    s.Timeout = 300;
    const OvSNMPTarget t = BuildTarget(s);
    EXPECT_TRUE(t.IsUserTarget());
    EXPECT_EQ(t.SecurityName, "admin");
    EXPECT_EQ(t.SecurityLevel, 3);
    EXPECT_EQ(t.Retries, 4);
    EXPECT_EQ(t.Timeout, 300);
    OvSNMPRequestSettings other = s;
    other.Security.AuthPassword = "b";
    EXPECT_NE(BuildTarget(other).SessionKey(), t.SessionKey());
}

TEST(RequestSettings, CopyIsIndependentOfLaterDefaults) {
    ResetDefaultSettings();
    DefaultSettings().Device.Address = "10.90.90.90";
    const OvSNMPRequestSettings copy = OvSNMPRequestSettings::FromDefaults();
    DefaultSettings().Device.Address = "10.0.0.1";
    EXPECT_EQ(copy.Device.Address, "10.90.90.90");
    EXPECT_EQ(copy.Retries, 1);
    ResetDefaultSettings();
}

// ---- Against a real agent over UDP ----

class AgentSession : public ::testing::Test {
protected:
    // One agent for the suite, started by the first test so that a failure
    // to start fails that test instead of skipping the suite.
    static void TearDownTestSuite() { agent_.reset(); }
    void SetUp() override {
        if (!agent_)
            agent_ = std::make_unique<SnmpdAgent>();
        previous_ = std::filesystem::current_path();
        std::filesystem::current_path(dir_.Path());
        CreateGlobalSession("");
    }
    void TearDown() override {
        OvSNMPSession::DestroyGlobal();
        std::filesystem::current_path(previous_);
    }

    static OvSNMPRequestSettings Settings(uint8_t version) {
        OvSNMPRequestSettings s;
        s.Device = {"127.0.0.1", static_cast<uint16_t>(agent_->Port())};
        s.Security.Version = version;
        s.Security.ReadCommunity = SnmpdAgent::ReadCommunity;
        s.Security.WriteCommunity = SnmpdAgent::WriteCommunity;
        s.Timeout = 50;
        return s;
    }
    static OvSNMPRequestSettings User(const char* name, int level, int auth, int priv) {
        OvSNMPRequestSettings s = Settings(3);
        s.Security.SecurityModel = 3;
        s.Security.SecurityName = name;
        s.Security.SecurityLevel = level;
        s.Security.AuthProtocol = auth;
        s.Security.PrivProtocol = priv;
        s.Security.AuthPassword = SnmpdAgent::AuthPassword;
        s.Security.PrivPassword = SnmpdAgent::PrivPassword;
        return s;
    }
    static OvPdu Get(const char* oid, int securityLevel = 1) {
        OvPdu pdu;
        pdu.Type = OvPdu::Kind::Get;
        pdu.SecurityLevel = securityLevel;
        OvVb vb;
        vb.Oid = oid;
        pdu.Vbs.push_back(vb);
        return pdu;
    }
    static int32_t SyncGet(const OvSNMPRequestSettings& s, OvPdu& pdu) {
        return OvSNMPSession::Global()->SendSync(BuildTarget(s), pdu);
    }

    static std::unique_ptr<SnmpdAgent> agent_;
    TempDir dir_;
    std::filesystem::path previous_;
};

std::unique_ptr<SnmpdAgent> AgentSession::agent_;

struct SecurityCase {
    const char* label;
    OvSNMPRequestSettings settings;
    int level;
};

TEST_F(AgentSession, GetSucceedsWithEveryVersionAndSecuritySetting) {
    const SecurityCase cases[] = {
        {"SNMPv1", Settings(0), 1},
        {"SNMPv2c", Settings(1), 1},
        {"noAuthNoPriv", User("noauth", 1, 1, 1), 1},
        {"authNoPriv MD5", User("md5user", 2, 2, 1), 2},
        {"authNoPriv SHA", User("shauser", 2, 3, 1), 2},
        {"authPriv MD5+DES", User("md5des", 3, 2, 2), 3},
        {"authPriv SHA+DES", User("shades", 3, 3, 2), 3},
    };
    for (const auto& c : cases) {
        OvPdu pdu = Get(kSysLocation, c.level);
        EXPECT_EQ(SyncGet(c.settings, pdu), 0) << c.label;
        ASSERT_EQ(pdu.Vbs.size(), 1u) << c.label;
        EXPECT_EQ(pdu.Vbs[0].Oid, kSysLocation) << c.label;
        EXPECT_EQ(pdu.Vbs[0].Syntax, 0x04) << c.label;
        EXPECT_EQ(pdu.Vbs[0].Bytes, "Test rack") << c.label;
    }
}

TEST_F(AgentSession, WrongPassPhraseAndUnknownUserGiveTheirSecurityTexts) {
    OvSNMPRequestSettings wrong = User("shauser", 2, 3, 1);
    wrong.Security.AuthPassword = "not-the-password";
    OvPdu pdu = Get(kSysUpTime, 2);
    const int32_t wrongResult = SyncGet(wrong, pdu);
    const OvException wrongError = OvException::FromSnmpResult(wrongResult);
    EXPECT_EQ(wrongError.Code(), -308);
    EXPECT_EQ(wrongError.Text(), "(SNMPv3USM) Authentication failure!");

    OvPdu again = Get(kSysUpTime, 2);
    EXPECT_EQ(SyncGet(User("shauser", 2, 3, 1), again), 0)
        << "the right pass phrase works after a wrong one";

    OvPdu unknown = Get(kSysUpTime, 1);
    const OvException unknownError =
        OvException::FromSnmpResult(SyncGet(User("nobody", 1, 1, 1), unknown));
    EXPECT_EQ(unknownError.Code(), -304);
    EXPECT_EQ(unknownError.Text(), "(SNMPv3USM) Unknown SecurityName!");
}

TEST_F(AgentSession, AgentErrorStatusIsTheResult) {
    OvPdu pdu;
    pdu.Type = OvPdu::Kind::Set;
    OvVb vb;
    vb.Oid = kSysUpTime;
    vb.Syntax = 0x43;
    vb.Integer = 5;
    pdu.Vbs.push_back(vb);
    const int32_t result = OvSNMPSession::Global()->SendSync(BuildTarget(Settings(1)), pdu);
    EXPECT_EQ(result, 17);  // notWritable
    EXPECT_EQ(pdu.ErrorIndex, 1);
    EXPECT_EQ(OvException::FromSnmpResult(result).Text(), "(SNMP) Cannot create/set variable, Not Writable!");
}

TEST_F(AgentSession, AsynchronousGetCompletesThroughTheEventPump) {
    int32_t status = 99;
    std::string value;
    OvSNMPSession::RequestId id = 0;
    OvPdu pdu = Get(kSysLocation);
    ASSERT_EQ(OvSNMPSession::Global()->SendAsync(
                  BuildTarget(Settings(1)), pdu,
                  [&](int32_t s, const OvPdu* response) {
                      status = s;
                      if (response)
                          value = response->Vbs.at(0).Bytes;
                  },
                  id),
              0);
    EXPECT_TRUE(OvSNMPSession::Global()->IsOutstanding(id));
    QElapsedTimer clock;
    clock.start();
    while (status == 99 && clock.elapsed() < 5000)
        QCoreApplication::processEvents(QEventLoop::WaitForMoreEvents, 50);
    EXPECT_EQ(status, 0);
    EXPECT_EQ(value, "Test rack");
    EXPECT_FALSE(OvSNMPSession::Global()->IsOutstanding(id));
}

TEST_F(AgentSession, CancelledRequestNeverRunsItsCompletion) {
    bool called = false;
    OvSNMPSession::RequestId id = 0;
    OvPdu pdu = Get(kSysLocation);
    OvSNMPSession::Global()->SendAsync(BuildTarget(Settings(1)), pdu,
                                       [&](int32_t, const OvPdu*) { called = true; }, id);
    OvSNMPSession::Global()->Cancel(id);
    QElapsedTimer clock;
    clock.start();
    while (OvSNMPSession::Global()->IsOutstanding(id) && clock.elapsed() < 5000)
        QCoreApplication::processEvents(QEventLoop::WaitForMoreEvents, 50);
    EXPECT_FALSE(OvSNMPSession::Global()->IsOutstanding(id));
    EXPECT_FALSE(called);
}

TEST_F(AgentSession, SessionClosingReportsOutstandingRequests) {
    int32_t status = 99;
    OvSNMPSession::RequestId id = 0;
    OvPdu pdu = Get(kSysLocation);
    OvSNMPSession::Global()->SendAsync(BuildTarget(Settings(1)), pdu,
                                       [&](int32_t s, const OvPdu*) { status = s; }, id);
    OvSNMPSession::DestroyGlobal();
    EXPECT_EQ(status, -8);
}

// A UDP socket that receives and never answers.
class SilentAgent {
public:
    SilentAgent() {
        fd_ = socket(AF_INET, SOCK_DGRAM, 0);
        sockaddr_in addr{};
        addr.sin_family = AF_INET;
        addr.sin_addr.s_addr = htonl(INADDR_LOOPBACK);
        bind(fd_, reinterpret_cast<sockaddr*>(&addr), sizeof addr);
        socklen_t len = sizeof addr;
        getsockname(fd_, reinterpret_cast<sockaddr*>(&addr), &len);
        port_ = ntohs(addr.sin_port);
    }
    ~SilentAgent() { close(fd_); }
    uint16_t Port() const { return port_; }
    int DatagramsReceived() const {
        int count = 0;
        char buffer[2048];
        while (recv(fd_, buffer, sizeof buffer, MSG_DONTWAIT) > 0)
            ++count;
        return count;
    }

private:
    int fd_ = -1;
    uint16_t port_ = 0;
};

TEST_F(AgentSession, SilentAgentTimesOutAfterEveryTry) {
    for (uint8_t version : {uint8_t{1}, uint8_t{3}}) {
        SilentAgent silent;
        OvSNMPRequestSettings s = version == 3 ? User("noauth", 1, 1, 1) : Settings(1);
        s.Device.Port = silent.Port();
        s.Timeout = 20;
        s.Retries = 1;
        OvPdu pdu = Get(kSysUpTime);
        const OvException e = OvException::FromSnmpResult(SyncGet(s, pdu));
        EXPECT_EQ(e.Code(), -405) << "version " << int(version);
        EXPECT_EQ(e.Text(), "(SNMPClass) SNMP request timed out!");
        EXPECT_EQ(silent.DatagramsReceived(), 2) << "one send and one retry, version " << int(version);
    }
}

}  // namespace

namespace {

TEST_F(AgentSession, AsynchronousRequestToASilentAgentTimesOutAfterItsRetry) {
    SilentAgent silent;
    OvSNMPRequestSettings s = Settings(1);
    s.Device.Port = silent.Port();
    s.Timeout = 10;
    int32_t status = 99;
    OvSNMPSession::RequestId id = 0;
    OvPdu pdu = Get(kSysUpTime);
    ASSERT_EQ(OvSNMPSession::Global()->SendAsync(BuildTarget(s), pdu,
                                                 [&](int32_t st, const OvPdu*) { status = st; }, id),
              0);
    QElapsedTimer clock;
    clock.start();
    while (status == 99 && clock.elapsed() < 5000)
        QCoreApplication::processEvents(QEventLoop::WaitForMoreEvents, 50);
    EXPECT_EQ(status, -5);
    EXPECT_EQ(silent.DatagramsReceived(), 2);
}

}  // namespace
