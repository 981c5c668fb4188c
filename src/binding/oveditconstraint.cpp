#include "oveditconstraint.h"

#include "beep.h"
#include "focusmove.h"
#include "messagebox.h"
#include "ovexception.h"
#include "ovlatin1.h"
#include "ovmessagetables.h"
#include "ovnumbertext.h"
#include "ovnumlist.h"
#include "ovsnmpcodes.h"
#include "ovtexthelpers.h"
#include "tag.h"

#include <QTimer>

#include <algorithm>
#include <cstring>
#include <limits>

namespace {

constexpr int DefaultMaxLength = 32767;   // what QLineEdit takes for "no limit"
constexpr int RefusedKeyHz = 1000;
constexpr int RefusedKeyMs = 200;

// Messages of the common table, by number.
enum Message { BadSpecifier = 2, EmptyValue = 3, StringTooLong = 4, StringLength = 5, HexTooLong = 6,
               HexLength = 7, NumberRange = 8, TooManyNumbers = 9, NumberCount = 10, NumbersRange = 11 };

std::string Text(Message number) {
    return OvMessageTables::GeneralText(-number);
}

struct TypeBounds {
    char type;
    double minimum;
    double maximum;
};

constexpr double Largest = std::numeric_limits<double>::max();
constexpr TypeBounds Bounds[] = {
    {'i', -2147483648.0, 2147483647.0}, {'u', 0, 4294967295.0}, {'f', -Largest, Largest},
    {'h', 0, 0},                        {'s', 0, 0},            {'n', 0, 4294967295.0},
};

const TypeBounds* BoundsOf(char type) {
    const auto* found = std::find_if(std::begin(Bounds), std::end(Bounds),
                                     [type](const TypeBounds& b) { return b.type == type; });
    return found == std::end(Bounds) ? nullptr : found;
}

// Reads the options between the braces of a specifier.
class OptionReader {
public:
    OptionReader(std::string_view options, OvEditConstraint::Rule& rule) : options_(options), rule_(rule) {}

    int ReadAll() {
        int width = 0;
        while (at_ < options_.size()) {
            switch (options_[at_++]) {
            case 'n': rule_.Minimum = Number(); break;
            case 'x': rule_.Maximum = Number(); break;
            case 'l': rule_.Length = Digits(); ReadFlags(); break;
            case 'w': width = Digits(); break;
            case 'e':
                if (at_ >= options_.size()) throw OvException::General(-BadSpecifier);
                rule_.AdvanceChar = options_[at_++];
                break;
            default: throw OvException::General(-BadSpecifier);
            }
        }
        return width;
    }

private:
    std::string_view Run(const char* allowed) {
        const size_t end = std::min(options_.find_first_not_of(allowed, at_), options_.size());
        if (end == at_) throw OvException::General(-BadSpecifier);
        const std::string_view run = options_.substr(at_, end - at_);
        at_ = end;
        return run;
    }
    double Number() { return OvNumberText::LeadingDouble(Run("-0123456789.")); }
    int32_t Digits() { return OvNumberText::LeadingInt32(Run("0123456789")); }
    void ReadFlags() {
        static constexpr struct { char letter; uint8_t flag; } Flags[] = {
            {'a', OvEditConstraint::AdvanceWhenFull}, {'f', OvEditConstraint::ExactLength},
            {'n', OvEditConstraint::NotEmpty}};
        for (int read = 0; read < 3 && at_ < options_.size(); ++read) {
            const auto* flag = std::find_if(std::begin(Flags), std::end(Flags),
                                            [this](const auto& f) { return f.letter == options_[at_]; });
            if (flag == std::end(Flags)) return;
            rule_.Flags |= flag->flag;
            ++at_;
        }
    }

    std::string_view options_;
    OvEditConstraint::Rule& rule_;
    size_t at_ = 0;
};

// Parses a specifier into rule; returns the width it asks for (0: none).
int ParseSpecifier(const std::string& specifier, OvEditConstraint::Rule& rule) {
    const auto bad = [] { return OvException::General(-BadSpecifier); };
    if (specifier.size() <= 1 || specifier[0] != '%') throw bad();
    const TypeBounds* bounds = BoundsOf(specifier[1]);
    if (!bounds) throw bad();
    rule.Type = bounds->type;
    rule.Minimum = bounds->minimum;
    rule.Maximum = bounds->maximum;
    size_t head = 2;
    if (rule.Type == 'n') {
        if (specifier.size() <= head) throw bad();
        rule.Delimiter = specifier[head++];
    }
    if (specifier.size() == head) return 0;
    if (specifier[head] != '{' || specifier.size() < head + 2 || specifier.back() != '}') throw bad();
    return OptionReader(std::string_view(specifier).substr(head + 1, specifier.size() - head - 2), rule).ReadAll();
}

bool IsPlaceholder(const QString& text) {
    return text == QLatin1String(OV_NULL_VALUE) || text == QLatin1String(OV_NOTDONE_VALUE);
}

bool IsDigit(QChar c) {
    return c >= '0' && c <= '9';
}

// The first character the rule does not let the user type; -1 for none.
int FirstRefused(const OvEditConstraint::Rule& rule, const QString& text) {
    bool pointSeen = false;
    for (int i = 0; i < text.size(); ++i) {
        const QChar c = text[i];
        bool allowed = IsDigit(c);
        switch (rule.Type) {
        case 'i': allowed = allowed || (c == '-' && i == 0); break;
        case 'f':
            allowed = allowed || (c == '-' && i == 0) || (c == '.' && !pointSeen);
            pointSeen = pointSeen || c == '.';
            break;
        case 'h': allowed = allowed || (c >= 'A' && c <= 'F') || (c >= 'a' && c <= 'f'); break;
        case 'n': allowed = allowed || (c == QChar::fromLatin1(rule.Delimiter) && i > 0 && text[i - 1] != c); break;
        case 's': allowed = true; break;
        default: break;   // 'u': digits only
        }
        if (!allowed) return i;
    }
    return -1;
}

std::string Unsigned(double bound) {
    return std::to_string(static_cast<uint32_t>(std::clamp(bound, 0.0, 4294967295.0)));
}

std::string Replaced(std::string text, std::initializer_list<std::pair<const char*, std::string>> values) {
    for (const auto& [placeholder, value] : values) text = ReplaceAll(text, placeholder, value);
    return text;
}

// The whole text as a number in the C locale; false when it is none.
bool ReadNumber(const std::string& text, char type, double& value) {
    if (type == 'f') {
        bool ok = false;
        value = ToQt(text).toDouble(&ok);
        return ok;
    }
    int64_t whole = 0;
    const bool ok = OvNumberText::ParseWholeInt64(text, whole);
    value = static_cast<double>(whole);
    return ok;
}

}  // namespace

OvEditConstraint::OvEditConstraint(QWidget* owner, bool rememberAccepted)
    : Owner(owner), RememberAccepted(rememberAccepted) {}

OvEditConstraint::~OvEditConstraint() {
    // The handlers installed on the edits call this object: they must not
    // outlive it on edits that stay.
    while (!rules_.empty()) {
        const std::unique_ptr<Rule>& rule = rules_.back();
        if (rule->Edit) {
            EditHandlers::SetOnChange(rule->Edit, rule->SavedChange);
            EditHandlers::SetOnExit(rule->Edit, rule->SavedExit);
        }
        rules_.pop_back();
    }
}

void OvEditConstraint::AddRule(const std::string& specifier, QLineEdit* edit) {
    auto rule = std::make_unique<Rule>();
    const int width = ParseSpecifier(specifier, *rule);
    rule->Edit = edit;
    rule->SavedChange = EditHandlers::OnChange(edit);
    rule->SavedExit = EditHandlers::OnExit(edit);
    if (width > 0) edit->resize(width, edit->height());
    // For delimited numbers the length counts numbers, not characters.
    if (rule->Type != 'n') edit->setMaxLength(rule->Length > 0 ? rule->Length : DefaultMaxLength);
    EditHandlers::SetOnChange(edit, [this](QLineEdit* e) { Changed(e); });
    EditHandlers::SetOnExit(edit, [this](QLineEdit* e) { Exited(e); });
    // Rules of edits that are gone are dropped here, so a page that builds its
    // edits anew does not grow the list.
    std::erase_if(rules_, [](const auto& r) { return !r->Edit; });
    rules_.push_back(std::move(rule));
}

std::vector<std::string> OvEditConstraint::SplitFormat(const std::string& format) {
    std::vector<std::string> specifiers;
    for (size_t start = 0; start < format.size();) {
        const size_t next = std::min(format.find('%', start + 1), format.size());
        specifiers.push_back(format.substr(start, next - start));
        start = next;
    }
    return specifiers;
}

void OvEditConstraint::AddRules(const std::string& format, const std::vector<QLineEdit*>& edits) {
    const std::vector<std::string> specifiers = SplitFormat(format);
    for (size_t i = 0; i < specifiers.size() && i < edits.size(); ++i) AddRule(specifiers[i], edits[i]);
}

void OvEditConstraint::RemoveRule(QLineEdit* edit) {
    const auto found = std::find_if(rules_.begin(), rules_.end(),
                                    [edit](const auto& r) { return edit && r->Edit == edit; });
    if (found == rules_.end()) return;
    EditHandlers::SetOnChange(edit, (*found)->SavedChange);
    EditHandlers::SetOnExit(edit, (*found)->SavedExit);
    rules_.erase(found);
}

void OvEditConstraint::RememberText(QLineEdit* edit) {
    if (Rule* rule = RuleOf(edit)) rule->AcceptedText = FromQt(edit->text());
}

OvEditConstraint::Rule* OvEditConstraint::RuleOf(const QLineEdit* edit) const {
    const auto found = std::find_if(rules_.begin(), rules_.end(),
                                    [edit](const auto& r) { return edit && r->Edit == edit; });
    return found == rules_.end() ? nullptr : found->get();
}

void OvEditConstraint::Changed(QLineEdit* edit) {
    Rule* rule = RuleOf(edit);
    QString text = edit->text();
    if (!rule || text.isEmpty() || IsPlaceholder(text)) return;
    QWidget* focusOwner = Owner ? Owner.data() : edit->window();
    const int advance = rule->AdvanceChar ? text.indexOf(QChar::fromLatin1(rule->AdvanceChar)) : -1;
    if (advance >= 0) {
        edit->setText(text.remove(advance, 1));
        PostFocusNext(focusOwner);
        return;
    }
    const int refused = FirstRefused(*rule, text);
    if (refused >= 0) {
        const int cursor = edit->cursorPosition();
        // Setting the text runs this handler again for the next refused character.
        edit->setText(text.remove(refused, 1));
        edit->setCursorPosition(cursor > refused ? cursor - 1 : cursor);
        Beep::Play(RefusedKeyHz, RefusedKeyMs);
        return;
    }
    const bool full = (rule->Flags & AdvanceWhenFull) && rule->Type != 'n' && rule->Length > 0;
    const int length = rule->Length;
    if (rule->SavedChange) rule->SavedChange(edit);
    if (GetTag(edit) == -1) return;
    if (full && edit->text().size() == length) PostFocusNext(focusOwner);
}

std::string OvEditConstraint::ExitMessage(const Rule& rule, const std::string& text) const {
    switch (rule.Type) {
    case 'h':
    case 's': {
        const auto size = static_cast<int32_t>(text.size());
        const bool hex = rule.Type == 'h';
        if (rule.Length <= 0) return "";
        const std::string length = std::to_string(rule.Length);
        if (rule.Flags & ExactLength)
            return size == rule.Length ? "" : Replaced(Text(hex ? HexLength : StringLength), {{"[LEN]", length}});
        return size <= rule.Length ? "" : Replaced(Text(hex ? HexTooLong : StringTooLong), {{"[MAXLEN]", length}});
    }
    case 'n': {
        OvNumList<uint32_t> numbers;
        numbers.Delimiter = rule.Delimiter;
        const bool clean = numbers.Parse(text);
        const std::string delimiter(1, rule.Delimiter);
        const std::string count = std::to_string(rule.Length);
        if (rule.Length > 0 && (rule.Flags & ExactLength) && numbers.Count() != rule.Length)
            return Replaced(Text(NumberCount), {{"[DELIMITER]", delimiter}, {"[COUNT]", count}});
        if (rule.Length > 0 && !(rule.Flags & ExactLength) && numbers.Count() > rule.Length)
            return Replaced(Text(TooManyNumbers), {{"[DELIMITER]", delimiter}, {"[MAXCOUNT]", count}});
        const auto minimum = static_cast<uint32_t>(std::clamp(rule.Minimum, 0.0, 4294967295.0));
        const auto maximum = static_cast<uint32_t>(std::clamp(rule.Maximum, 0.0, 4294967295.0));
        if (clean && numbers.AllInRange(minimum, maximum)) return "";
        return Replaced(Text(NumbersRange),
                        {{"[DELIMITER]", delimiter}, {"[MIN]", Unsigned(rule.Minimum)}, {"[MAX]", Unsigned(rule.Maximum)}});
    }
    default: {   // the numbers 'i', 'u', 'f'
        double value = 0;
        if (ReadNumber(text, rule.Type, value) && value >= rule.Minimum && value <= rule.Maximum) return "";
        return Replaced(Text(NumberRange), {{"[MIN]", OvNumberText::DoubleText(rule.Minimum)},
                                            {"[MAX]", OvNumberText::DoubleText(rule.Maximum)}});
    }
    }
}

void OvEditConstraint::Exited(QLineEdit* edit) {
    // The focus leaves this edit only because a refused edit takes it back.
    if (refocusing_) return;
    Rule* rule = RuleOf(edit);
    const QString shown = edit->text();
    if (!rule || IsPlaceholder(shown)) return;
    if (shown.isEmpty()) {
        if (rule->Flags & NotEmpty) Refuse(*rule, Text(EmptyValue));
        return;
    }
    const std::string message = ExitMessage(*rule, FromQt(shown));
    if (!message.empty()) return Refuse(*rule, message);
    const QPointer<QLineEdit> alive(edit);
    if (rule->SavedExit) rule->SavedExit(edit);
    // The page's handler may have taken the rule or the edit away.
    rule = alive ? RuleOf(edit) : nullptr;
    if (!rule) return;
    if (GetTag(edit) == -1)
        edit->setText(ToQt(rule->AcceptedText));
    else if (RememberAccepted)
        rule->AcceptedText = FromQt(edit->text());
}

void OvEditConstraint::Refuse(Rule& rule, const std::string& message) {
    const QPointer<QLineEdit> edit = rule.Edit;
    MessageBox::Show(Owner, MessageBox::ExecutableName(), ToQt(message));
    if (!edit) return;
    if (Rule* still = RuleOf(edit)) edit->setText(ToQt(still->AcceptedText));
    // After the focus change that got here has ended.
    QTimer::singleShot(0, edit, [this, edit, alive = std::weak_ptr<bool>(alive_)] {
        if (alive.expired() || !edit) return;
        refocusing_ = true;
        edit->setFocus(Qt::OtherFocusReason);
        refocusing_ = false;
    });
}
