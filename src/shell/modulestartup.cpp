#include "modulestartup.h"

#include <unistd.h>

#include <cerrno>
#include <climits>
#include <cstdlib>
#include <functional>
#include <optional>

#include "ovexception.h"
#include "ovini.h"
#include "ovmessagetables.h"
#include "ovsnmpsession.h"
#include "ovsnmpsettings.h"
#include "registry.h"

namespace {

constexpr const char* kHelpPathKey = "\\SOFTWARE\\Orvane\\Modules\\HelpPath";
constexpr const char* kExePathKey = "\\SOFTWARE\\Orvane\\Corvue5.1\\ExePath";
constexpr const char* kMibFileKey = "\\SOFTWARE\\Orvane\\Corvue5.1\\MibFile";
constexpr const char* kConfigSection = "Program Information";
// The help-path value names the help file; the directory is what precedes
// its 12-character file name.
constexpr std::size_t kHelpFileNameLength = 12;

int32_t Decimal(const std::string& text) {
    const char* begin = text.c_str();
    char* end = nullptr;
    errno = 0;
    const long value = std::strtol(begin, &end, 10);
    const bool whole = end != begin && *end == '\0' && text.find_first_not_of(" \t") == 0;
    if (!whole || errno == ERANGE || value < INT32_MIN || value > INT32_MAX)
        throw OvException("'" + text + "' is not a valid integer value",
                          OvException::ConversionError);
    return static_cast<int32_t>(value);
}

bool FileExists(const std::string& path) {
    return access(path.c_str(), F_OK) == 0;
}

OvSNMPDefaults& Settings() {
    return DefaultSettings();
}

}  // namespace

std::string ModuleStartup::HelpPathValueName() {
    return "1.3.6.1.4.1." + std::to_string(VENDOR_ENTERPRISE) + ".10.63.11";
}

ModuleStartup::Outcome ModuleStartup::Run(const std::vector<std::string>& parameters) {
    texts_ = LaunchTexts{};
    CreateGlobalSession("");
    Settings().Security.Version = 0;
    FindModuleDirectory();
    OvMessageTables::LoadAll(moduleDirectory_);
    FindConfigDirectory();
    if (parameters.empty())
        return Outcome::NoParameters;
    for (const std::string& parameter : parameters)
        ApplyParameter(parameter);
    return Outcome::Ready;
}

bool ModuleStartup::SnmpV3Selected() const {
    return texts_.VersionText == "3" || Settings().Security.Version == 3;
}

std::string ModuleStartup::ConfigFilePath() const {
    return configDirectory_ + texts_.AddressText + ".cfg";
}

void ModuleStartup::FindModuleDirectory() {
    moduleDirectory_.clear();
    if (const auto key = Registry::OpenKey(kHelpPathKey, true)) {
        const std::string helpFile = key->ReadString(HelpPathValueName());
        if (helpFile.size() > kHelpFileNameLength)
            moduleDirectory_ = helpFile.substr(0, helpFile.size() - kHelpFileNameLength);
    }
}

void ModuleStartup::FindConfigDirectory() {
    configDirectory_.clear();
    if (const auto key = Registry::OpenKey(kExePathKey, false))
        configDirectory_ = key->ReadString("Path") + "../Conf/MBF/";
    if (const auto key = Registry::OpenKey(kMibFileKey, false))
        configDirectory_ = key->ReadString("Path");
}

void ModuleStartup::ApplyParameter(const std::string& parameter) {
    if (const auto at = parameter.find("/I"); at != std::string::npos) {
        Settings().Device.Address = texts_.AddressText = parameter.substr(at + 2);
        return;
    }
    // The file is applied anew before every other parameter, so its values
    // win over what earlier parameters set.
    if (const std::string path = ConfigFilePath(); FileExists(path))
        ApplyConfigFile(path);
    ApplySwitches(parameter);
}

void ModuleStartup::ApplyConfigFile(const std::string& path) {
    const OvIni ini(path);
    auto read = [&](const char* key) { return ini.ReadString(kConfigSection, key, ""); };
    OvSNMPDefaults& s = Settings();

    s.Device.Port = static_cast<uint16_t>(Decimal(read("AgentPort")));
    texts_.PortText = std::to_string(s.Device.Port);

    texts_.VersionText = read("Version");
    s.Security.Version = static_cast<uint8_t>(Decimal(texts_.VersionText));

    if (const std::string v = read("ContextName"); !v.empty())
        s.Scope.ContextName = texts_.ContextNameText = v;
    s.Scope.ContextEngineID = texts_.ContextEngineIDText = read("ContextEngineID");

    s.Security.SecurityModel = Decimal(read("SecurityModel"));
    texts_.SecurityModelText = std::to_string(s.Security.SecurityModel);

    // These three count from 0 in the file; "0" leaves the setting alone.
    auto applyCountedFromZero = [&](const char* key, int32_t& setting, std::string& text) {
        const std::string v = read(key);
        if (v == "0")
            return;
        setting = Decimal(v) + 1;
        text = std::to_string(setting);
    };
    applyCountedFromZero("SecurityLevel", s.Security.SecurityLevel, texts_.SecurityLevelText);
    s.Security.SecurityName = texts_.SecurityNameText = read("SecurityName");
    applyCountedFromZero("AuthProtocol", s.Security.AuthProtocol, texts_.AuthProtocolText);
    applyCountedFromZero("PrivProtocol", s.Security.PrivProtocol, texts_.PrivProtocolText);

    if (const std::string v = read("AuthPassword"); !v.empty())
        s.Security.AuthPassword = texts_.AuthPasswordText = v;
    if (const std::string v = read("PrivPassword"); !v.empty())
        s.Security.PrivPassword = texts_.PrivPasswordText = v;
}

void ModuleStartup::ApplySwitches(const std::string& parameter) {
    OvSNMPDefaults& s = Settings();
    auto value = [&](const char* sw) -> std::optional<std::string> {
        const auto at = parameter.find(sw);
        if (at == std::string::npos)
            return std::nullopt;
        return parameter.substr(at + 2);
    };
    if (const auto v = value("/R")) {
        s.Security.ReadCommunity = texts_.ReadCommunityText = *v;
    } else if (const auto v = value("/W")) {
        s.Security.WriteCommunity = texts_.WriteCommunityText = *v;
    } else if (const auto v = value("/v")) {
        s.Security.Version = static_cast<uint8_t>(Decimal(*v));
    } else if (SnmpV3Selected()) {
        ApplyVersion3Switch(parameter);
    }
}

void ModuleStartup::ApplyVersion3Switch(const std::string& parameter) {
    OvSNMPDefaults& s = Settings();
    LaunchTexts& t = texts_;
    using Apply = std::function<void(const std::string&)>;
    const std::pair<const char*, Apply> switches[] = {
        {"/t", [&](const std::string& v) {
             s.Device.Port = static_cast<uint16_t>(Decimal(v));
             t.PortText = std::to_string(s.Device.Port);
         }},
        {"/c", [&](const std::string& v) {
             s.Scope.ContextName = v;
             if (!v.empty())
                 t.ContextNameText = v;
         }},
        {"/d", [&](const std::string& v) { s.Scope.ContextEngineID = t.ContextEngineIDText = v; }},
        {"/m", [&](const std::string& v) {
             s.Security.SecurityModel = Decimal(v);
             t.SecurityModelText = std::to_string(s.Security.SecurityModel);
         }},
        {"/l", [&](const std::string& v) {
             s.Security.SecurityLevel = Decimal(v);
             if (s.Security.SecurityLevel != 0)
                 t.SecurityLevelText = std::to_string(s.Security.SecurityLevel);
         }},
        {"/n", [&](const std::string& v) { s.Security.SecurityName = t.SecurityNameText = v; }},
        {"/A", [&](const std::string& v) {
             s.Security.AuthPassword = v;
             if (!v.empty())
                 t.AuthPasswordText = v;
         }},
        {"/P", [&](const std::string& v) {
             s.Security.PrivPassword = v;
             if (!v.empty())
                 t.PrivPasswordText = v;
         }},
        {"/a", [&](const std::string& v) {
             s.Security.AuthProtocol = Decimal(v);
             t.AuthProtocolText = std::to_string(s.Security.AuthProtocol);
         }},
        {"/p", [&](const std::string& v) {
             s.Security.PrivProtocol = Decimal(v);
             t.PrivProtocolText = std::to_string(s.Security.PrivProtocol);
         }},
    };
    for (const auto& [sw, apply] : switches) {
        if (const auto at = parameter.find(sw); at != std::string::npos) {
            apply(parameter.substr(at + 2));
            return;
        }
    }
}
