#include "ovexpression.h"

#include <cstdint>
#include <limits>
#include <vector>

#include "ovcalendar.h"
#include "ovexception.h"
#include "ovnumbertext.h"
#include "ovsnmpvalueconverter.h"
#include "ovtexthelpers.h"
#include "ovtimeticks.h"

namespace {

constexpr int32_t kNullInExpression = -512;
constexpr int32_t kBadSyntaxInExpression = -513;
constexpr int32_t kBadLogicOperand = -1;

// --- substitution ---------------------------------------------------------

bool IsDigit(char c) {
    return c >= '0' && c <= '9';
}

int ReadIndex(std::string_view text, size_t& pos) {
    int64_t index = 0;
    while (pos < text.size() && IsDigit(text[pos])) {
        index = std::min<int64_t>(index * 10 + (text[pos] - '0'), std::numeric_limits<int>::max());
        ++pos;
    }
    return static_cast<int>(index);
}

std::string Replacement(const OvSNMPVarItem& item, bool quoteStrings) {
    const std::string value = item.Options ? item.Options->TextToValue(item.Value) : item.Value;
    if (value == OV_NULL_VALUE)
        throw OvException::Own(kNullInExpression);
    switch (item.Syntax) {
    case SYN_BOOLEAN:
    case SYN_BOOL8:
    case SYN_BOOL16:
        return value == "true" ? "1" : "0";
    case SYN_INTEGER:
    case SYN_COUNTER:
    case SYN_GUAGE:
    case SYN_COUNTER64:
    case SYN_UINTEGER:
    case SYN_DOUBLE:
    case SYN_INT8:
    case SYN_UINT8:
    case SYN_INT16:
    case SYN_UINT16:
        return value;
    case SYN_TIMETICKS:
        return std::to_string(OvTimeTicks::FromText(value));
    case SYN_BCDATETIME:
        return OvNumberText::DoubleText(OvSNMPValueConverter::BcDateTimeNumber(value));
    default:
        if (!quoteStrings)
            throw OvException::Own(kBadSyntaxInExpression);
        return "\"" + value + "\"";
    }
}

// --- shared by both evaluators -------------------------------------------

size_t MatchingParenthesis(std::string_view text, size_t open) {
    int depth = 0;
    for (size_t i = open; i < text.size(); ++i) {
        if (text[i] == '(')
            ++depth;
        else if (text[i] == ')' && --depth == 0)
            return i;
    }
    return std::string_view::npos;
}

std::string NowText() {
    return OvNumberText::DoubleText(OvCalendar::Now());
}

// --- arithmetic -----------------------------------------------------------

double Arithmetic(std::string text, int depth);

double NumberOf(std::string_view text) {
    if (EqualsNoCase(TrimBlanks(text), "NOW"))
        return OvCalendar::Now();
    return OvNumberText::LeadingDouble(text);
}

// Replaces the parenthesised groups, leftmost first, by their values; stops
// at a "(" that has no matching ")".
std::string WithGroupsEvaluated(std::string text, int depth) {
    size_t from = 0;
    for (size_t open = text.find('('); open != std::string::npos; open = text.find('(', from)) {
        const size_t close = MatchingParenthesis(text, open);
        if (close == std::string::npos)
            break;
        const std::string value =
            OvNumberText::DoubleText(Arithmetic(text.substr(open + 1, close - open - 1), depth + 1));
        text = text.substr(0, open) + value + text.substr(close + 1);
        from = open + value.size();
    }
    return text;
}

double Apply(char op, double left, double right) {
    switch (op) {
    case '+':
        return left + right;
    case '-':
        return left - right;
    case '*':
        return left * right;
    default:
        if (right == 0)
            throw OvException::Own(kBadSyntaxInExpression);
        return left / right;
    }
}

struct PendingOperation {
    char Operator;
    double Left;
};

// The right-hand side of each split is the rest of the text, so the splits
// run as a loop and are folded from the right afterwards; only left-hand
// sides and groups recurse.
double Arithmetic(std::string text, int depth) {
    if (depth > OvExpression::MaxDepth)
        throw OvException::Own(kBadSyntaxInExpression);
    std::vector<PendingOperation> pending;
    double value = 0;
    while (true) {
        text = WithGroupsEvaluated(std::move(text), depth);
        const auto split = [&](char op, bool evaluateLeft) {
            const size_t at = text.find(op);
            if (at == std::string::npos)
                return false;
            const std::string left = text.substr(0, at);
            pending.push_back({op, evaluateLeft ? Arithmetic(left, depth + 1) : NumberOf(left)});
            text.erase(0, at + 1);
            return true;
        };
        if (split('+', true) || split('-', true) || split('*', false) || split('/', false))
            continue;
        value = NumberOf(text);
        break;
    }
    for (auto it = pending.rbegin(); it != pending.rend(); ++it)
        value = Apply(it->Operator, it->Left, value);
    return value;
}

// --- logic ----------------------------------------------------------------

// The text between the first double quote and the next one.
struct QuotedSpan {
    size_t Open = std::string::npos;
    size_t Close = std::string::npos;

    explicit QuotedSpan(std::string_view text) {
        Open = text.find('"');
        if (Open != std::string::npos)
            Close = text.find('"', Open + 1);
    }

    bool Contains(size_t pos) const { return Close != std::string::npos && pos > Open && pos < Close; }
};

size_t UnquotedFirst(std::string_view text, char op) {
    const size_t at = text.find(op);
    return at != std::string::npos && QuotedSpan(text).Contains(at) ? std::string::npos : at;
}

bool Logic(std::string text, int depth);

std::string WithLogicGroupsEvaluated(std::string text, int depth) {
    while (true) {
        const size_t open = UnquotedFirst(text, '(');
        if (open == std::string::npos)
            return text;
        const size_t close = MatchingParenthesis(text, open);
        if (close == std::string::npos || QuotedSpan(text).Contains(close))
            return text;
        const bool inner = Logic(text.substr(open + 1, close - open - 1), depth + 1);
        text = text.substr(0, open) + (inner ? "true" : "false") + text.substr(close + 1);
    }
}

std::string ComparisonSide(std::string_view side) {
    const std::string text = StripQuotes(TrimBlanks(side));
    return EqualsNoCase(text, "NOW") ? NowText() : text;
}

bool Comparison(std::string_view text) {
    static constexpr std::string_view kOperators[] = {"<>", ">=", "<=", ">", "<", "="};
    for (std::string_view op : kOperators) {
        const size_t at = text.find(op);
        if (at == std::string_view::npos)
            continue;
        const int order = ComparisonSide(text.substr(0, at)).compare(ComparisonSide(text.substr(at + op.size())));
        if (op == "<>")
            return order != 0;
        if (op == ">=")
            return order >= 0;
        if (op == "<=")
            return order <= 0;
        if (op == ">")
            return order > 0;
        if (op == "<")
            return order < 0;
        return order == 0;
    }
    if (EqualsNoCase(text, "true"))
        return true;
    if (EqualsNoCase(text, "false"))
        return false;
    throw OvException::General(kBadLogicOperand);
}

// As with arithmetic, right-hand sides are handled by the loop; "!" only
// flips the final result.
bool Logic(std::string text, int depth) {
    if (depth > OvExpression::MaxDepth)
        throw OvException::General(kBadLogicOperand);
    bool negated = false;
    while (true) {
        text = WithLogicGroupsEvaluated(std::move(text), depth);
        if (const size_t at = UnquotedFirst(text, '|'); at != std::string::npos) {
            if (Logic(text.substr(0, at), depth + 1))
                return !negated;
            text.erase(0, at + 1);
        } else if (const size_t at = UnquotedFirst(text, '&'); at != std::string::npos) {
            if (!Logic(text.substr(0, at), depth + 1))
                return negated;
            text.erase(0, at + 1);
        } else if (UnquotedFirst(text, '!') != std::string::npos) {
            negated = !negated;
            text.erase(0, 1);
        } else {
            return Comparison(text) != negated;
        }
    }
}

// --- storing results ------------------------------------------------------

std::string ResultText(uint32_t syntax, double value) {
    switch (syntax) {
    case SYN_BOOLEAN:
        return value != 0 ? "true" : "false";
    case SYN_INTEGER:
        return std::to_string(OvNumberText::TruncateToRange(value, INT32_MIN, INT32_MAX));
    case SYN_COUNTER:
    case SYN_GUAGE:
    case SYN_UINTEGER:
        return std::to_string(OvNumberText::TruncateToRange(value, 0, UINT32_MAX));
    case SYN_TIMETICKS:
        return OvTimeTicks::ToText(static_cast<uint32_t>(OvNumberText::TruncateToRange(value, 0, UINT32_MAX)));
    case SYN_COUNTER64:
        return std::to_string(OvNumberText::TruncateToUInt64(value));
    case SYN_DOUBLE:
        return OvNumberText::DoubleText(value);
    case SYN_BCDATETIME:
        return OvSNMPValueConverter::BcDateTimeText(value);
    default:
        throw OvException::Own(kBadSyntaxInExpression);
    }
}

}  // namespace

std::string OvExpression::SubstituteVariables(const OvSNMPVarList& list, std::string_view text, bool quoteStrings,
                                              char marker) {
    std::string result;
    size_t pos = 0;
    for (size_t at = text.find(marker); at != std::string_view::npos; at = text.find(marker, pos)) {
        result.append(text.substr(pos, at - pos));
        pos = at + 1;
        const int index = ReadIndex(text, pos);
        result += Replacement(list.Item(index), quoteStrings);
    }
    result.append(text.substr(pos));
    return result;
}

double OvExpression::EvaluateArithmetic(std::string_view text) {
    return Arithmetic(std::string(text), 0);
}

bool OvExpression::EvaluateLogic(std::string_view text) {
    return Logic(std::string(text), 0);
}

void OvExpression::EvaluateExpression(OvSNMPVarList& list, int index, bool afterRead) {
    OvSNMPVarItem& item = list.Item(index);
    const std::optional<std::string>& expression = afterRead ? item.GetExpression : item.SetExpression;
    if (!expression)
        return;
    const double value = EvaluateArithmetic(SubstituteVariables(list, *expression, false, '$'));
    const std::string text = ResultText(item.Syntax, value);
    item.Value = item.Options ? item.Options->ValueToText(text) : text;
}

bool OvExpression::EvaluateCondition(const OvSNMPVarList& list, std::string_view text) {
    if (text.empty())
        return true;
    return EvaluateLogic(SubstituteVariables(list, text, true, '$'));
}
