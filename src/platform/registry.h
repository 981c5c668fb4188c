#pragma once

#include <optional>
#include <string>

// The settings store that stands in for the machine-wide registry: an INI
// file whose sections are key paths ("SOFTWARE\Orvane\Modules\HelpPath")
// and whose entries are named string values. Its path is the environment
// variable ORVANE_REGISTRY, or /etc/orvane/registry.ini.
class RegistryKey {
public:
    RegistryKey(std::string file, std::string path) : file_(std::move(file)), path_(std::move(path)) {}
    // A value that is missing reads as empty text.
    std::string ReadString(const std::string& name) const;
    const std::string& Path() const { return path_; }

private:
    std::string file_;
    std::string path_;
};

class Registry {
public:
    static std::string StoreFile();
    // Opens a key with full access; with create, a missing key is added to
    // the store. Empty when the store cannot be read and written, or when the
    // key is missing and not to be created.
    static std::optional<RegistryKey> OpenKey(const std::string& path, bool create);
};
