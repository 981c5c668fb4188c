#pragma once

#include "oidtext.h"

#include <cstdint>
#include <string>

// A value written once for every row of a table: "$1" … "$9" stand for the
// arcs of the row's index in decimal, "$x1" … "$x9" for the same arcs as two
// hex digits (for MAC addresses), and a numeric value may be an integer
// expression with + - * / % and parentheses ("1000 * $1 + 17").
class ValueTemplate {
public:
    static std::string Substitute(const std::string& text, const Oid& index);
    static int64_t Evaluate(const std::string& expression);   // throws std::invalid_argument
};
