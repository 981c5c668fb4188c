#pragma once

#include <string>
#include <vector>

#include "launchtexts.h"

// What the module does before its main window shows anything: it creates
// the SNMP session, finds its directories in the settings store, loads the
// message files and turns the command line and the device's configuration
// file into the default request settings.
class ModuleStartup {
public:
    enum class Outcome { Ready, NoParameters };

    // Raises OvException: the session's own failures, and a conversion error
    // for a value that must be a decimal number and is not.
    Outcome Run(const std::vector<std::string>& parameters);

    const LaunchTexts& Texts() const { return texts_; }
    const std::string& ModuleDirectory() const { return moduleDirectory_; }
    const std::string& ConfigDirectory() const { return configDirectory_; }
    // The "SNMP V3" menu is usable only when SNMPv3 was chosen.
    bool SnmpV3Selected() const;

    // The configuration file that applies before a parameter: the
    // configuration directory, the address as it stands, ".cfg".
    std::string ConfigFilePath() const;

    static std::string HelpPathValueName();

private:
    void FindModuleDirectory();
    void FindConfigDirectory();
    void ApplyParameter(const std::string& parameter);
    void ApplyConfigFile(const std::string& path);
    void ApplySwitches(const std::string& parameter);
    void ApplyVersion3Switch(const std::string& parameter);

    LaunchTexts texts_;
    std::string moduleDirectory_;
    std::string configDirectory_;
};
