#pragma once

#include <string>
#include <string_view>

#include "ovsnmpvarlist.h"

// The expression language of derived values and row conditions. Variables
// are referred to by a marker and their index in the list ("$3"; a marker
// without digits is variable 0).
class OvExpression {
public:
    // Nesting beyond this depth is refused (-513 for arithmetic, -1 for logic)
    // instead of exhausting the stack.
    static constexpr int MaxDepth = 200;

    // Replaces every marker reference by the variable's value, scanning on
    // after each inserted value so that a value holding the marker is never
    // substituted again. Raises -512 for a "(NULL)" value, -513 for a syntax
    // that has no text form in expressions (unless quoteStrings, which puts
    // such values in double quotes) and general -12 for a variable number
    // beyond the list.
    static std::string SubstituteVariables(const OvSNMPVarList& list, std::string_view text, bool quoteStrings,
                                           char marker);

    // "+", "-", "*", "/", parentheses, numbers and NOW, evaluated the
    // library's way: split at the first "+", else the first "-" (so
    // subtractions group to the right), else "*", else "/". Division by
    // zero raises -513.
    static double EvaluateArithmetic(std::string_view text);

    // "|", "&", "!", parentheses, comparisons of texts byte by byte, "true"
    // and "false"; any other operand raises general -1.
    static bool EvaluateLogic(std::string_view text);

    // Runs the variable's GetExpression (afterRead) or SetExpression into its
    // Value; absent expressions leave it alone.
    static void EvaluateExpression(OvSNMPVarList& list, int index, bool afterRead);

    // An empty condition is true; otherwise "$" references are substituted
    // with quoting and the text is evaluated as logic.
    static bool EvaluateCondition(const OvSNMPVarList& list, std::string_view text);
};
