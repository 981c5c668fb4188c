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
struct Lookup {
    FILE* file = nullptr;
    std::string currentLine;
    const std::string* section = nullptr;
    const std::string* key = nullptr;
    std::optional<std::string> value;
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

char* Reader(char* buffer, int size, void* stream) {
    auto* lookup = static_cast<Lookup*>(stream);
    if (!ReadPhysicalLine(lookup->file, lookup->currentLine))
        return nullptr;
    std::string shown = lookup->currentLine;
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
    auto* lookup = static_cast<Lookup*>(user);
    if (lookup->value || !name)
        return 1;
    if (strcasecmp(section, lookup->section->c_str()) != 0 ||
        strcasecmp(name, lookup->key->c_str()) != 0)
        return 1;
    const std::string& line = lookup->currentLine;
    const auto sep = line.find_first_of("=:");
    std::string raw = sep == std::string::npos ? std::string() : Trim(line.substr(sep + 1));
    if (raw.size() > kMaxValue)
        raw.resize(kMaxValue);
    lookup->value = Trim(raw);
    return 1;
}

}  // namespace

std::string OvIni::ReadString(const std::string& section, const std::string& key,
                              const std::string& defaultValue) const {
    std::unique_ptr<FILE, int (*)(FILE*)> file(std::fopen(fileName_.c_str(), "rb"), &std::fclose);
    if (!file)
        return defaultValue;
    Lookup lookup;
    lookup.file = file.get();
    lookup.section = &section;
    lookup.key = &key;
    ini_parse_stream(&Reader, &lookup, &Handler, &lookup);
    if (!lookup.value || lookup.value->empty())
        return defaultValue;
    return *lookup.value;
}
