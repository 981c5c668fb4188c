#pragma once

#include <QLineEdit>
#include <QPointer>

#include <cstdint>
#include <string>
#include <vector>

// One value shown in several edits, split by its syntax: a byte per edit
// for octet strings and addresses, a number per edit for object
// identifiers, days to hundredths for time ticks, the fields of a date and
// time. Too few edits for the syntax fail with -522.
class OvMultiEdit {
public:
    using Edits = std::vector<QPointer<QWidget>>;

    // text: the value's text; bytes: its byte form. "(NULL)" leaves the edits alone.
    static void Show(uint32_t syntax, const std::string& text, const std::string& bytes, const Edits& edits);
    // The value's text, read back from the edits.
    static std::string Collect(uint32_t syntax, const Edits& edits);
};
