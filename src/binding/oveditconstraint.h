#pragma once

#include "edithandlers.h"

#include <QPointer>
#include <QLineEdit>
#include <QWidget>

#include <cstdint>
#include <memory>
#include <string>
#include <vector>

// Input rules for edits, written as specifiers such as "%i{n1x65535l5}" (an
// integer from 1 to 65535, at most five characters) or "%s{l32}". Typed
// characters the rule does not allow are taken out again with a beep; a
// text that fails the rule when the user leaves the edit is answered with
// a message box, and the edit's last accepted text comes back.
//
// Specifier: "%", a type letter (i signed, u unsigned, f decimal, h hex,
// s string, n delimited numbers followed by their delimiter), then
// optionally "{options}": n<minimum> x<maximum> l<length>[a][f][n]
// (a: move on when full, f: exact length or count, n: empty not allowed)
// w<width in pixels> e<character that moves the focus on>.
class OvEditConstraint {
public:
    static constexpr uint8_t AdvanceWhenFull = 1;
    static constexpr uint8_t ExactLength = 2;
    static constexpr uint8_t NotEmpty = 4;

    // One edit's rule.
    struct Rule {
        QPointer<QLineEdit> Edit;
        char Type = 's';
        char Delimiter = 0;
        double Minimum = 0;
        double Maximum = 0;
        int32_t Length = 0;
        uint8_t Flags = 0;
        char AdvanceChar = 0;
        std::string AcceptedText;
        EditHandlers::Handler SavedChange;
        EditHandlers::Handler SavedExit;
    };

    // Parent of the message boxes, and the window in which the focus moves on.
    QPointer<QWidget> Owner;
    // Every text that passes the exit check becomes the edit's accepted text.
    bool RememberAccepted;

    OvEditConstraint(QWidget* owner, bool rememberAccepted);
    // Gives every edit that still lives its own handlers back.
    ~OvEditConstraint();
    OvEditConstraint(const OvEditConstraint&) = delete;
    OvEditConstraint& operator=(const OvEditConstraint&) = delete;

    // A bad specifier fails with general code -2.
    void AddRule(const std::string& specifier, QLineEdit* edit);
    // format: specifiers one after another, one per edit, in order.
    void AddRules(const std::string& format, const std::vector<QLineEdit*>& edits);
    void RemoveRule(QLineEdit* edit);
    void RememberText(QLineEdit* edit);
    // The first rule of the edit, nullptr when it has none.
    Rule* RuleOf(const QLineEdit* edit) const;
    // The specifiers a format holds: a new one starts at every "%" but the first character.
    static std::vector<std::string> SplitFormat(const std::string& format);

private:
    void Changed(QLineEdit* edit);
    void Exited(QLineEdit* edit);
    void Refuse(Rule& rule, const std::string& message);
    std::string ExitMessage(const Rule& rule, const std::string& text) const;

    std::vector<std::unique_ptr<Rule>> rules_;
    bool refocusing_ = false;
    // Posted focus returns check that the checker still lives.
    std::shared_ptr<bool> alive_ = std::make_shared<bool>(true);
};
