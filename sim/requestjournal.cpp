#include "requestjournal.h"

#include <stdexcept>

RequestJournal::~RequestJournal() {
    if (file_) std::fclose(file_);
}

void RequestJournal::Open(const std::string& path) {
    // Append mode keeps writing at the end after a test truncates the file.
    file_ = std::fopen(path.c_str(), "a");
    if (!file_) throw std::runtime_error("cannot open journal " + path);
}

std::string RequestJournal::Line(const JournalRecord& record) {
    std::string line = record.operation + '\t' + record.version + '\t' + record.security;
    for (const auto& [oid, value] : record.varbinds)
        line += '\t' + OidText::Format(oid) + ' ' + SimValue::TypeWord(value.type) + ' ' + value.JournalText();
    return line;
}

void RequestJournal::Record(const JournalRecord& record) {
    if (!file_) return;
    const std::string line = Line(record) + '\n';
    std::fwrite(line.data(), 1, line.size(), file_);
    std::fflush(file_);
}
