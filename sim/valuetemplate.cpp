#include "valuetemplate.h"

#include <cctype>
#include <cstdio>
#include <stdexcept>

namespace {

// Recursive descent over: sum := product (('+'|'-') product)*;
// product := unary (('*'|'/'|'%') unary)*; unary := '-' unary | atom;
// atom := number | '(' sum ')'.
class ExpressionReader {
public:
    explicit ExpressionReader(const std::string& text) : text_(text) {}

    int64_t ReadAll() {
        const int64_t value = Sum();
        SkipBlanks();
        if (pos_ != text_.size()) Fail();
        return value;
    }

private:
    int64_t Sum() {
        int64_t value = Product();
        for (char op = Peek(); op == '+' || op == '-'; op = Peek()) {
            ++pos_;
            const int64_t rhs = Product();
            value = op == '+' ? value + rhs : value - rhs;
        }
        return value;
    }

    int64_t Product() {
        int64_t value = Unary();
        for (char op = Peek(); op == '*' || op == '/' || op == '%'; op = Peek()) {
            ++pos_;
            const int64_t rhs = Unary();
            if (op != '*' && rhs == 0) Fail();
            value = op == '*' ? value * rhs : op == '/' ? value / rhs : value % rhs;
        }
        return value;
    }

    int64_t Unary() {
        if (Peek() == '-') {
            ++pos_;
            return -Unary();
        }
        return Atom();
    }

    int64_t Atom() {
        if (Peek() == '(') {
            ++pos_;
            const int64_t value = Sum();
            if (Peek() != ')') Fail();
            ++pos_;
            return value;
        }
        const size_t start = pos_;
        while (pos_ < text_.size() && std::isdigit(static_cast<unsigned char>(text_[pos_]))) ++pos_;
        if (start == pos_) Fail();
        return static_cast<int64_t>(std::stoull(text_.substr(start, pos_ - start)));
    }

    char Peek() {
        SkipBlanks();
        return pos_ < text_.size() ? text_[pos_] : '\0';
    }

    void SkipBlanks() {
        while (pos_ < text_.size() && text_[pos_] == ' ') ++pos_;
    }

    [[noreturn]] void Fail() const { throw std::invalid_argument("bad expression: " + text_); }

    const std::string& text_;
    size_t pos_ = 0;
};

std::string ArcText(const Oid& index, size_t arc, bool hex) {
    if (arc >= index.size()) throw std::invalid_argument("template names index arc " + std::to_string(arc + 1));
    if (!hex) return std::to_string(index[arc]);
    char buffer[16];
    std::snprintf(buffer, sizeof buffer, "%02x", index[arc] & 0xffu);
    return buffer;
}

}  // namespace

std::string ValueTemplate::Substitute(const std::string& text, const Oid& index) {
    std::string out;
    for (size_t i = 0; i < text.size(); ++i) {
        const bool hex = text[i] == '$' && i + 2 < text.size() && text[i + 1] == 'x' &&
                         text[i + 2] >= '1' && text[i + 2] <= '9';
        const bool dec = text[i] == '$' && i + 1 < text.size() && text[i + 1] >= '1' && text[i + 1] <= '9';
        if (hex) {
            out += ArcText(index, static_cast<size_t>(text[i + 2] - '1'), true);
            i += 2;
        } else if (dec) {
            out += ArcText(index, static_cast<size_t>(text[i + 1] - '1'), false);
            i += 1;
        } else {
            out += text[i];
        }
    }
    return out;
}

int64_t ValueTemplate::Evaluate(const std::string& expression) {
    return ExpressionReader(expression).ReadAll();
}
