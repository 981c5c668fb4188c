#include "datafileparser.h"

#include <algorithm>
#include <filesystem>
#include <fstream>
#include <sstream>
#include <stdexcept>

namespace {

bool ParseAccess(const std::string& word) {
    if (word == "rw" || word == "read-write") return true;
    if (word == "ro" || word == "read-only") return false;
    throw std::invalid_argument("access must be ro or rw, not " + word);
}

void RequireKind(const std::string& kind) {
    if (!SimValue::IsKind(kind)) throw std::invalid_argument("unknown type " + kind);
}

size_t ParseCount(const std::string& text) {
    if (text.empty() || text.find_first_not_of("0123456789") != std::string::npos)
        throw std::invalid_argument("expected a number, not " + text);
    return std::stoul(text);
}

std::string ReadFile(const std::string& path) {
    std::ifstream in(path, std::ios::binary);
    if (!in) throw std::runtime_error("cannot read " + path);
    std::stringstream ss;
    ss << in.rdbuf();
    return ss.str();
}

}  // namespace

void DataFileParser::Load(const std::string& path) {
    namespace fs = std::filesystem;
    if (!fs::is_directory(path)) {
        ParseText(ReadFile(path), path);
        return;
    }
    std::vector<std::string> files;
    for (const auto& entry : fs::directory_iterator(path))
        if (entry.is_regular_file() && entry.path().extension() == ".txt") files.push_back(entry.path().string());
    std::sort(files.begin(), files.end());
    for (const std::string& file : files) ParseText(ReadFile(file), file);
}

void DataFileParser::ParseText(const std::string& text, const std::string& source) {
    std::istringstream lines(text);
    std::string line;
    int number = 0;
    try {
        while (std::getline(lines, line)) {
            ++number;
            // A line ending in a backslash goes on in the next one.
            std::string more;
            while (!line.empty() && line.back() == '\\' && std::getline(lines, more)) {
                ++number;
                line.pop_back();
                line += more;
            }
            const auto tokens = Tokenize(line);
            if (!tokens.empty()) ParseLine(tokens);
        }
        if (inTable_) throw std::invalid_argument("table without end");
    } catch (const std::exception& e) {
        inTable_ = false;
        throw std::runtime_error(source + ":" + std::to_string(number) + ": " + e.what());
    }
}

std::vector<std::string> DataFileParser::Tokenize(const std::string& line) {
    std::vector<std::string> tokens;
    size_t i = 0;
    while (i < line.size()) {
        if (line[i] == ' ' || line[i] == '\t' || line[i] == '\r') {
            ++i;
            continue;
        }
        if (line[i] == '#') break;
        std::string token;
        if (line[i] == '"') {
            for (++i; i < line.size() && line[i] != '"'; ++i) {
                if (line[i] == '\\' && i + 1 < line.size()) ++i;
                token += line[i];
            }
            if (i >= line.size()) throw std::invalid_argument("unclosed quote");
            ++i;
        } else if (line[i] == '(') {
            // An expression is one value, blanks and all.
            int depth = 0;
            do {
                depth += line[i] == '(' ? 1 : line[i] == ')' ? -1 : 0;
                token += line[i++];
            } while (i < line.size() && depth > 0);
            if (depth > 0) throw std::invalid_argument("unclosed parenthesis");
        } else {
            while (i < line.size() && line[i] != ' ' && line[i] != '\t' && line[i] != '\r') token += line[i++];
        }
        tokens.push_back(token);
    }
    return tokens;
}

std::vector<Oid> DataFileParser::ExpandPattern(const std::string& pattern) {
    const size_t open = pattern.find('[');
    if (open == std::string::npos) return {OidText::Parse(pattern)};
    const size_t dash = pattern.find('-', open);
    const size_t close = pattern.find(']', open);
    if (dash == std::string::npos || close == std::string::npos || dash > close)
        throw std::invalid_argument("bad range in " + pattern);
    const size_t low = ParseCount(pattern.substr(open + 1, dash - open - 1));
    const size_t high = ParseCount(pattern.substr(dash + 1, close - dash - 1));
    std::vector<Oid> out;
    for (size_t n = low; n <= high; ++n) {
        const std::string one = pattern.substr(0, open) + std::to_string(n) + pattern.substr(close + 1);
        for (Oid& oid : ExpandPattern(one)) out.push_back(std::move(oid));
    }
    return out;
}

void DataFileParser::ParseLine(const std::vector<std::string>& tokens) {
    const std::string& keyword = tokens[0];
    if (keyword == "table") return BeginTable(tokens);
    if (keyword == "column") return ParseColumn(tokens);
    if (keyword == "rows") return ParseRows(tokens);
    if (keyword == "row") return ParseRow(tokens);
    if (keyword == "end") return EndTable();
    ParseObject(tokens);
}

void DataFileParser::ParseObject(const std::vector<std::string>& tokens) {
    if (tokens.size() != 4) throw std::invalid_argument("expected: OID KIND ACCESS VALUE");
    RequireKind(tokens[1]);
    store_.Put(OidText::Parse(tokens[0]), MibStore::MakeValue(tokens[1], tokens[3]), ParseAccess(tokens[2]));
}

void DataFileParser::BeginTable(const std::vector<std::string>& tokens) {
    if (inTable_) throw std::invalid_argument("table inside a table");
    if (tokens.size() < 2 || tokens.size() % 2 != 0)
        throw std::invalid_argument("expected: table ENTRY-OID [index N] [rowstatus COLUMN]");
    table_ = MibTable{};
    table_.entry = OidText::Parse(tokens[1]);
    columnOrder_.clear();
    for (size_t i = 2; i < tokens.size(); i += 2) {
        if (tokens[i] == "index")
            table_.indexLength = ParseCount(tokens[i + 1]);
        else if (tokens[i] == "rowstatus")
            table_.rowStatusColumn = static_cast<uint32_t>(ParseCount(tokens[i + 1]));
        else
            throw std::invalid_argument("unknown table option " + tokens[i]);
    }
    inTable_ = true;
    store_.AddTable(table_);
}

void DataFileParser::ParseColumn(const std::vector<std::string>& tokens) {
    RequireTable("column");
    if (tokens.size() != 5) throw std::invalid_argument("expected: column COLUMN KIND ACCESS TEMPLATE");
    RequireKind(tokens[2]);
    const auto column = static_cast<uint32_t>(ParseCount(tokens[1]));
    table_.columns[column] = MibColumn{tokens[2], ParseAccess(tokens[3]), tokens[4]};
    columnOrder_.push_back(column);
    store_.AddTable(table_);
}

void DataFileParser::ParseRows(const std::vector<std::string>& tokens) {
    RequireTable("rows");
    for (size_t i = 1; i < tokens.size(); ++i)
        for (const Oid& index : ExpandPattern(tokens[i])) store_.AddRow(*store_.FindTable(table_.entry), index);
}

void DataFileParser::ParseRow(const std::vector<std::string>& tokens) {
    RequireTable("row");
    if (tokens.size() != columnOrder_.size() + 2)
        throw std::invalid_argument("row needs an index and " + std::to_string(columnOrder_.size()) + " values");
    std::map<uint32_t, std::string> given;
    for (size_t i = 0; i < columnOrder_.size(); ++i)
        if (tokens[i + 2] != "-") given[columnOrder_[i]] = tokens[i + 2];
    for (const Oid& index : ExpandPattern(tokens[1])) store_.AddRow(*store_.FindTable(table_.entry), index, given);
}

void DataFileParser::EndTable() {
    RequireTable("end");
    if (table_.rowStatusColumn != 0 && !table_.columns.count(table_.rowStatusColumn))
        throw std::invalid_argument("the rowstatus column is not declared");
    inTable_ = false;
}

void DataFileParser::RequireTable(const std::string& keyword) const {
    if (!inTable_) throw std::invalid_argument(keyword + " outside a table");
}
