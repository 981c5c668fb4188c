#include "registry.h"

#include <strings.h>
#include <unistd.h>

#include <cstdlib>
#include <fstream>

#include "ovini.h"

namespace {

std::string WithoutLeadingBackslash(const std::string& path) {
    return !path.empty() && path.front() == '\\' ? path.substr(1) : path;
}

bool SameKey(const std::string& a, const std::string& b) {
    return strcasecmp(a.c_str(), b.c_str()) == 0;
}

bool KeyExists(const std::string& file, const std::string& path) {
    bool found = false;
    OvIni(file).ForEach([&](const std::string& section, const std::string&, const std::string&) {
        found = found || SameKey(section, path);
    });
    return found;
}

bool AppendKey(const std::string& file, const std::string& path) {
    std::ofstream out(file, std::ios::app);
    out << "\n[" << path << "]\n";
    out.flush();
    return static_cast<bool>(out);
}

}  // namespace

std::string RegistryKey::ReadString(const std::string& name) const {
    std::string value;
    bool found = false;
    OvIni(file_).ForEach([&](const std::string& section, const std::string& key, const std::string& v) {
        if (!found && !key.empty() && SameKey(section, path_) && SameKey(key, name)) {
            value = v;
            found = true;
        }
    });
    return value;
}

std::string Registry::StoreFile() {
    const char* path = std::getenv("ORVANE_REGISTRY");
    return path && *path ? path : "/etc/orvane/registry.ini";
}

std::optional<RegistryKey> Registry::OpenKey(const std::string& rawPath, bool create) {
    const std::string file = StoreFile();
    const std::string path = WithoutLeadingBackslash(rawPath);
    const bool exists = access(file.c_str(), F_OK) == 0;
    // Full access needs a store that can be written as well as read.
    if (exists && access(file.c_str(), R_OK | W_OK) != 0)
        return std::nullopt;
    if (exists && KeyExists(file, path))
        return RegistryKey(file, path);
    if (!create || !AppendKey(file, path))
        return std::nullopt;
    return RegistryKey(file, path);
}
