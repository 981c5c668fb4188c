#include "ovini.h"

#include <ini.h>

#include <cstdio>
#include <cstring>
#include <memory>
#include <optional>
#include <strings.h>

namespace {

constexpr std::size_t kMaxValue = 4095;

std::string Trim(const std::string& text) {
    const char* blanks = " \t\r\n\v\f";
    const auto first = text.find_first_not_of(blanks);
    if (first == std::string::npos)
        return {};
    const auto last = text.find_last_not_of(blanks);
    return text.substr(first, last - first + 1);
}

// inih walks the file's structure (sections, keys, comments) with a line
// buffer of a few hundred bytes. Each physical line is kept whole here and
// handed to inih shortened when needed; the handler takes the value from the
// whole line, so values of any length are read.
struct Walk {
    FILE* file = nullptr;
    std::string currentLine;
    const OvIni::Visitor* visit = nullptr;
};

bool ReadPhysicalLine(FILE* file, std::string& line) {
    line.clear();
    int c;
    while ((c = std::fgetc(file)) != EOF) {
        if (c == '\n')
            return true;
        line.push_back(static_cast<char>(c));
    }
    return !line.empty();
}

// inih reports sections only through their keys; a key path of the
// settings store may exist without values, so headers are reported here.
void ReportSectionHeader(const Walk& walk) {
    const std::string line = Trim(walk.currentLine);
    const auto close = line.find(']');
    if (line.size() > 1 && line[0] == '[' && close != std::string::npos)
        (*walk.visit)(Trim(line.substr(1, close - 1)), std::string(), std::string());
}

char* Reader(char* buffer, int size, void* stream) {
    auto* walk = static_cast<Walk*>(stream);
    if (!ReadPhysicalLine(walk->file, walk->currentLine))
        return nullptr;
    ReportSectionHeader(*walk);
    std::string shown = walk->currentLine;
    if (shown.size() + 2 > static_cast<std::size_t>(size)) {
        // Keep the key and its separator; the value is taken from the whole line.
        const auto sep = shown.find_first_of("=:");
        shown = sep != std::string::npos && sep + 3 < static_cast<std::size_t>(size)
                    ? shown.substr(0, sep + 1)
                    : shown.substr(0, size - 2);
    }
    std::memcpy(buffer, shown.data(), shown.size());
    buffer[shown.size()] = '\n';
    buffer[shown.size() + 1] = '\0';
    return buffer;
}

int Handler(void* user, const char* section, const char* name, const char*) {
    auto* walk = static_cast<Walk*>(user);
    if (!name)
        return 1;
    const std::string& line = walk->currentLine;
    const auto sep = line.find_first_of("=:");
    (*walk->visit)(section, name, sep == std::string::npos ? std::string() : Trim(line.substr(sep + 1)));
    return 1;
}

}  // namespace

bool OvIni::ForEach(const Visitor& visit) const {
    std::unique_ptr<FILE, int (*)(FILE*)> file(std::fopen(fileName_.c_str(), "rb"), &std::fclose);
    if (!file)
        return false;
    Walk walk;
    walk.file = file.get();
    walk.visit = &visit;
    ini_parse_stream(&Reader, &walk, &Handler, &walk);
    return true;
}

std::string OvIni::ReadString(const std::string& section, const std::string& key,
                              const std::string& defaultValue) const {
    std::optional<std::string> found;
    ForEach([&](const std::string& s, const std::string& k, const std::string& value) {
        if (!found && !k.empty() && strcasecmp(s.c_str(), section.c_str()) == 0 &&
            strcasecmp(k.c_str(), key.c_str()) == 0)
            found = value;
    });
    if (!found)
        return defaultValue;
    std::string value = *found;
    if (value.size() > kMaxValue)
        value.resize(kMaxValue);
    value = Trim(value);
    return value.empty() ? defaultValue : value;
}
