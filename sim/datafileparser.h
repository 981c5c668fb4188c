#pragma once

#include "mibstore.h"

#include <string>
#include <vector>

// Reads the switch's data files into a MibStore. A file is line based:
//
//   OID KIND ACCESS VALUE            one object (a scalar's OID ends in .0)
//   table ENTRY-OID [index N] [rowstatus COLUMN]
//   column COLUMN KIND ACCESS TEMPLATE
//   rows PATTERN...                  rows made from the column templates
//   row INDEX VALUE...               a row with values in column order ("-": template)
//   end
//
// KIND is integer, gauge, counter, counter64, timeticks, ipaddress, string,
// hex or oid; ACCESS ro or rw. A PATTERN is an index with at most a few ranges
// such as "[1-24].100". "#" starts a comment; values with blanks are quoted
// (an expression in parentheses needs no quotes);
// a line ending in a backslash goes on in the next one.
// A later definition of an OID replaces an earlier one, so files load in name
// order and each may refine those before it.
class DataFileParser {
public:
    explicit DataFileParser(MibStore& store) : store_(store) {}

    // A file, or every "*.txt" file of a directory in name order.
    void Load(const std::string& path);
    void ParseText(const std::string& text, const std::string& source);

    static std::vector<std::string> Tokenize(const std::string& line);
    static std::vector<Oid> ExpandPattern(const std::string& pattern);

private:
    void ParseLine(const std::vector<std::string>& tokens);
    void ParseObject(const std::vector<std::string>& tokens);
    void BeginTable(const std::vector<std::string>& tokens);
    void ParseColumn(const std::vector<std::string>& tokens);
    void ParseRows(const std::vector<std::string>& tokens);
    void ParseRow(const std::vector<std::string>& tokens);
    void EndTable();
    void RequireTable(const std::string& keyword) const;

    MibStore& store_;
    bool inTable_ = false;
    MibTable table_;
    std::vector<uint32_t> columnOrder_;
};
