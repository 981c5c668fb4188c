#include <gtest/gtest.h>

#include <fcntl.h>
#include <sys/wait.h>
#include <unistd.h>

#include <filesystem>
#include <set>
#include <string>

#include "modulestartup.h"
#include "ovsnmpsession.h"
#include "ovsnmpsettings.h"
#include "ovsnmptarget.h"
#include "snmpdagent.h"
#include "tempdir.h"

namespace {

std::set<std::string> FilesUnder(const std::string& root) {
    std::set<std::string> files;
    if (!std::filesystem::exists(root))
        return files;
    for (const auto& entry : std::filesystem::recursive_directory_iterator(root))
        files.insert(std::filesystem::relative(entry.path(), root).string());
    return files;
}

// The whole start-up and an SNMPv3 request run in a child process whose
// working directory and home are empty and whose stderr is a file, so that
// nothing the SNMP library does can hide in this test process.
TEST(Isolation, StartUpAndAnSnmpv3RequestWriteOnlyTheBootsFile) {
    SnmpdAgent agent;
    TempDir work, home, output;
    const std::string registry = output.File("registry.ini");
    output.Write("registry.ini", "[SOFTWARE\\Orvane\\Modules\\HelpPath]\n");
    const auto persistentBefore = FilesUnder("/var/lib/snmp");

    const pid_t child = fork();
    if (child == 0) {
        const int err = open(output.File("stderr").c_str(), O_WRONLY | O_CREAT | O_TRUNC, 0644);
        dup2(err, 2);
        std::filesystem::current_path(work.Path());
        setenv("HOME", home.Path().c_str(), 1);
        setenv("ORVANE_REGISTRY", registry.c_str(), 1);
        ModuleStartup startup;
        startup.Run({"/I127.0.0.1", "/v3", "/t" + std::to_string(agent.Port()), "/m3", "/l3", "/nshades",
                     std::string("/A") + SnmpdAgent::AuthPassword, std::string("/P") + SnmpdAgent::PrivPassword,
                     "/a3", "/p2"});
        OvPdu pdu;
        pdu.SecurityLevel = 3;
        OvVb vb;
        vb.Oid = "1.3.6.1.2.1.1.6.0";
        pdu.Vbs.push_back(vb);
        const int32_t result =
            OvSNMPSession::Global()->SendSync(BuildTarget(OvSNMPRequestSettings::FromDefaults()), pdu);
        const bool answered = result == 0 && pdu.Vbs.size() == 1 && pdu.Vbs[0].Bytes == "Test rack";
        OvSNMPSession::DestroyGlobal();
        _exit(answered ? 0 : 3);
    }
    int status = 0;
    waitpid(child, &status, 0);
    ASSERT_TRUE(WIFEXITED(status));
    EXPECT_EQ(WEXITSTATUS(status), 0) << "the SNMPv3 request did not succeed";
    EXPECT_EQ(FilesUnder(work.Path()), std::set<std::string>{"OvSNMP_PP_BootCounter"});
    EXPECT_EQ(work.Read("OvSNMP_PP_BootCounter"), "OvSNMP_PP_Application 1\n");
    EXPECT_TRUE(FilesUnder(home.Path()).empty());
    EXPECT_EQ(FilesUnder("/var/lib/snmp"), persistentBefore);
    EXPECT_EQ(output.Read("stderr"), "");
    EXPECT_EQ(output.Read("registry.ini"), "[SOFTWARE\\Orvane\\Modules\\HelpPath]\n");
}

}  // namespace
