// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The rules of the four coefficient fields, without a window.
//
// The window hands each typed key to KeyRules together with a view of the
// field (its text, selection and caret) and gets back what happens, in order:
// texts written into the field, beeps, a refusal box, a status hint, a key to
// type again, and finally which key the field itself inserts.  The window
// turns these effects into widget calls and translated texts.  The other
// parts here decide without any state: what a change of a field's text must
// repair (text_repair.h) and what the fields mean before a solve
// (validation.h).

#include <string>
#include <vector>

namespace trx {

// A coefficient field as a key finds it.
struct FieldView {
    std::u16string text;
    int selectionStart = 0;  // the caret when nothing is selected
    int selectionLength = 0;

    bool emptyOrWhollySelected() const { return text.empty() || selectionLength == static_cast<int>(text.size()); }
};

// Character codes with a rule of their own besides the printable ones.
constexpr char16_t kBackspace = 8;
constexpr char16_t kCtrlL = 12;
constexpr char16_t kEnter = 13;
constexpr char16_t kTab = 9;

struct KeyEffect {
    enum class Kind {
        ClearHint,        // the status bar's hint goes
        AskForSign,       // the hint that an exponent needs its sign before its digits
        DeleteSelection,  // the field's whole selection is deleted; typing goes on at the end
        SetText,          // the field's text becomes `text`; typing goes on at the end
        Beep,
        Refuse,  // the box that refuses `key` (a sign, the separator or "E")
        Resend,  // `key` reaches the focused control again, once this key is done
    };
    Kind kind;
    char16_t key = 0;
    std::u16string text;
};

struct KeyOutcome {
    std::vector<KeyEffect> effects;  // in the order they take place
    char16_t key = 0;                // what the field inserts: the typed key, another one, or 0 for nothing
};

// Whether a sign, the separator or "E" may go in at the caret: a sign at the
// very start (never right before another sign) or right after the "E"; one
// separator, never after an "E"; one "E", right after a digit and never
// before a separator.
bool ComprobarTecla(char16_t pending, const FieldView& field, char separator);

class KeyRules {
public:
    KeyOutcome press(char16_t key, const FieldView& field, char separator);

    // A sign, separator, exponent or Backspace is being typed: the number in
    // the making must survive the change handling.
    bool typing() const { return Tecleando; }

private:
    struct Press;
    void dispatch(Press& press);
    void signRule(Press& press);
    void separatorRule(Press& press);
    bool ComprobarSeparador(Press& press);
    void digitRule(Press& press);
    void exponentRule(Press& press);
    bool checkPendingKey(Press& press, char16_t pending);
    void generalRule(Press& press);

    bool Tecleando = false;
    bool CeroPuesto = false;  // "0" and the separator were once written for the user
};

}  // namespace trx
