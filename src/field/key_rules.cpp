// SPDX-License-Identifier: GPL-3.0-or-later
// The keystroke rules.  A key is carried as a character code that the rules
// may replace (either separator key types the locale's one) or set to 0 to
// cancel it; each rule appends what it does to the outcome's effects.

#include "field/key_rules.h"

#include "core/number_text.h"

#include <algorithm>
#include <string_view>

namespace trx {

namespace {

bool isDigit(char16_t c)
{
    return c >= u'0' && c <= u'9';
}

bool isSign(char16_t c)
{
    return c == u'+' || c == u'-';
}

bool hasExponentMark(std::u16string_view text)
{
    return text.find_first_of(u"Ee") != std::u16string_view::npos;
}

// Either separator: a pasted text may hold the other one.
bool hasSeparator(std::u16string_view text)
{
    return text.find_first_of(u",.") != std::u16string_view::npos;
}

// The numeric test on a field's text.  A number is ASCII through and
// through, so any other character stands in as one that fails it.
bool isNumericText(std::u16string_view text, char separator)
{
    std::string ascii(text.size(), '?');
    for (std::size_t i = 0; i < text.size(); ++i) {
        if (text[i] < 128)
            ascii[i] = static_cast<char>(text[i]);
    }
    return isNumeric(ascii, separator);
}

}  // namespace

struct KeyRules::Press {
    char16_t code;
    FieldView field;  // as the effects so far leave it
    char separator;
    KeyOutcome& outcome;
    bool replacement = false;  // a digit that may stand in for the whole text

    void add(KeyEffect::Kind kind, char16_t key = 0) { outcome.effects.push_back({kind, key, {}}); }
    void beepTwice()
    {
        add(KeyEffect::Kind::Beep);
        add(KeyEffect::Kind::Beep);
    }
    void write(std::u16string text)
    {
        outcome.effects.push_back({KeyEffect::Kind::SetText, 0, text});
        field.selectionStart = static_cast<int>(text.size());
        field.selectionLength = 0;
        field.text = std::move(text);
    }
    bool startsWithSign() const { return !field.text.empty() && isSign(field.text.front()); }
};

bool ComprobarTecla(char16_t pending, const FieldView& field, char separator)
{
    const std::u16string& text = field.text;
    const auto start = static_cast<std::size_t>(field.selectionStart);
    const char16_t previous = start > 0 ? text[start - 1] : 0;
    const char16_t next = start < text.size() ? text[start] : 0;
    if (isSign(pending)) {
        if (previous == 0 && next != pending)
            return !isSign(next);
        return previous == u'E' && !isSign(next);
    }
    const std::u16string_view before(text.data(), start);
    if (pending == static_cast<char16_t>(separator))
        return text.find(pending) == std::u16string::npos && !hasExponentMark(before);
    const auto afterSelection = std::min(text.size(), start + static_cast<std::size_t>(field.selectionLength));
    return !hasExponentMark(text) && isDigit(previous) &&
           !hasSeparator(std::u16string_view(text).substr(afterSelection));
}

KeyOutcome KeyRules::press(char16_t key, const FieldView& field, char separator)
{
    KeyOutcome outcome;
    Press press{key, field, separator, outcome};
    dispatch(press);
    outcome.key = press.code;
    return outcome;
}

void KeyRules::dispatch(Press& press)
{
    switch (press.code) {
    case kCtrlL:
        Tecleando = true;
        press.add(KeyEffect::Kind::ClearHint);
        return generalRule(press);
    case u'+':
    case u'-':
        return signRule(press);
    case u',':
    case u'.':
        Tecleando = true;
        if (press.code == static_cast<char16_t>(press.separator))
            return separatorRule(press);
        press.code = press.code == u',' ? u'.' : u',';
        return dispatch(press);
    case u'E':
        return exponentRule(press);
    case u'e':
        Tecleando = true;
        press.code = 0;
        return press.add(KeyEffect::Kind::Resend, u'E');
    case u' ':
        press.code = 0;
        press.add(KeyEffect::Kind::Beep);
        return generalRule(press);
    default:
        return isDigit(press.code) ? digitRule(press) : generalRule(press);
    }
}

void KeyRules::signRule(Press& press)
{
    Tecleando = true;
    press.add(KeyEffect::Kind::ClearHint);
    if (press.field.emptyOrWhollySelected()) {
        press.add(KeyEffect::Kind::DeleteSelection);
        press.field = {};
        return;
    }
    if (!checkPendingKey(press, press.code))
        generalRule(press);
}

void KeyRules::separatorRule(Press& press)
{
    if (ComprobarSeparador(press))
        return;
    press.code = 0;
    // Under a point separator the rule stops here once "0." has been written.
    if (press.separator == '.' && CeroPuesto)
        return;
    generalRule(press);
}

// A separator into an empty or wholly selected field writes "0" and the
// separator itself; otherwise ComprobarTecla decides.
bool KeyRules::ComprobarSeparador(Press& press)
{
    if (!press.field.emptyOrWhollySelected())
        return checkPendingKey(press, static_cast<char16_t>(press.separator));
    CeroPuesto = true;
    press.write(std::u16string(1, u'0') + static_cast<char16_t>(press.separator));
    return false;
}

void KeyRules::digitRule(Press& press)
{
    const std::u16string& text = press.field.text;
    const int start = press.field.selectionStart;
    if (start != 0 && text[start - 1] == u'E') {
        press.add(KeyEffect::Kind::AskForSign);
        press.code = 0;
        return;
    }
    const bool beforeSign = start == 0 && press.startsWithSign();
    if (!beforeSign && isNumericText(text, press.separator))
        return;  // the digit goes in
    press.replacement = true;
    generalRule(press);
}

void KeyRules::exponentRule(Press& press)
{
    Tecleando = true;
    if (press.field.emptyOrWhollySelected()) {
        press.code = 0;
        press.write(u"1E");
        return;
    }
    if (!checkPendingKey(press, u'E'))
        generalRule(press);
}

// A refused key is cancelled and goes on to the general rule.
bool KeyRules::checkPendingKey(Press& press, char16_t pending)
{
    if (ComprobarTecla(pending, press.field, press.separator)) {
        Tecleando = true;
        return true;
    }
    press.add(KeyEffect::Kind::Refuse, pending);
    press.code = 0;
    return false;
}

void KeyRules::generalRule(Press& press)
{
    if (press.code == kEnter) {
        press.code = 0;
        return press.add(KeyEffect::Kind::Resend, kTab);
    }
    if (press.code == kBackspace) {
        press.add(KeyEffect::Kind::ClearHint);
        Tecleando = true;
        return;
    }
    Tecleando = false;
    if (press.replacement && press.field.emptyOrWhollySelected()) {
        press.write(std::u16string(1, press.code));
        press.code = 0;
        return;
    }
    if (press.field.selectionStart == 0 && press.startsWithSign()) {
        press.beepTwice();  // nothing may stand before the sign
        press.code = 0;
    }
    std::u16string typed = press.field.text;
    if (press.code != 0)
        typed += press.code;
    if (!isNumericText(typed, press.separator)) {
        press.beepTwice();
        press.code = 0;
    }
}

}  // namespace trx
