#pragma once

#include <functional>
#include <string>

// Reads single string values from an INI file, the way the station's
// configuration files are read: section and key without regard to case,
// the value cut at 4095 characters and trimmed of surrounding blanks.
class OvIni {
public:
    explicit OvIni(std::string fileName) : fileName_(std::move(fileName)) {}

    const std::string& FileName() const { return fileName_; }

    // The value of the key, or the default when the file, the section or
    // the key is missing or the value is empty.
    std::string ReadString(const std::string& section, const std::string& key,
                           const std::string& defaultValue) const;

    // Every key of the file in file order, with its value trimmed but not
    // cut; each section header is reported once with an empty key. False when
    // the file cannot be opened.
    using Visitor = std::function<void(const std::string& section, const std::string& key,
                                       const std::string& value)>;
    bool ForEach(const Visitor& visit) const;

private:
    std::string fileName_;
};
