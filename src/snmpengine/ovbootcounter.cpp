#include "ovbootcounter.h"

#include <cerrno>
#include <fstream>
#include <optional>
#include <sstream>
#include <vector>

namespace {

struct Entry {
    std::string engineId;
    uint32_t boots = 0;
};

std::optional<Entry> ParseLine(const std::string& line) {
    std::istringstream in(line);
    Entry e;
    std::string bootsText, rest;
    if (!(in >> e.engineId >> bootsText) || (in >> rest))
        return std::nullopt;
    if (bootsText.empty() || bootsText.find_first_not_of("0123456789") != std::string::npos ||
        bootsText.size() > 10)
        return std::nullopt;
    const unsigned long long value = std::stoull(bootsText);
    if (value > 0xFFFFFFFFull)
        return std::nullopt;
    e.boots = static_cast<uint32_t>(value);
    return e;
}

bool IsBlank(const std::string& line) {
    return line.find_first_not_of(" \t\r") == std::string::npos;
}

}  // namespace

OvBootCounter::Status OvBootCounter::Read(const std::string& path, const std::string& engineId,
                                          uint32_t& boots) {
    boots = 0;
    if (engineId.size() > MaxEngineIdLength)
        return Status::EngineIdTooLong;
    std::ifstream in(path);
    if (!in)
        return Status::NoFile;
    std::string line;
    std::optional<uint32_t> found;
    while (std::getline(in, line)) {
        if (IsBlank(line))
            continue;
        const auto entry = ParseLine(line);
        if (!entry)
            return Status::Malformed;
        if (!found && entry->engineId == engineId)
            found = entry->boots;
    }
    if (!found)
        return Status::NoEntry;
    boots = *found;
    return Status::Ok;
}

OvBootCounter::Status OvBootCounter::Save(const std::string& path, const std::string& engineId,
                                          uint32_t boots) {
    if (engineId.size() > MaxEngineIdLength)
        return Status::EngineIdTooLong;
    std::vector<std::string> lines;
    bool replaced = false;
    if (std::ifstream in(path); in) {
        std::string line;
        while (std::getline(in, line)) {
            if (IsBlank(line))
                continue;
            const auto entry = ParseLine(line);
            if (entry && entry->engineId == engineId) {
                if (replaced)
                    continue;
                line = engineId + " " + std::to_string(boots);
                replaced = true;
            }
            lines.push_back(line);
        }
    }
    if (!replaced)
        lines.push_back(engineId + " " + std::to_string(boots));
    std::ofstream out(path, std::ios::trunc);
    for (const auto& l : lines)
        out << l << '\n';
    out.flush();
    return out ? Status::Ok : Status::WriteFailed;
}
