// SPDX-License-Identifier: GPL-3.0-or-later
#include "field/key_rules.h"

#include <gtest/gtest.h>

namespace trx {
namespace {

enum class Caret { AtEnd, AtStart, AllSelected };

struct Seen {
    std::u16string text;
    int beeps = 0;
    std::u16string refused;  // the keys whose refusal box was shown
    std::u16string resent;
    bool asksForSign = false;
};

// Types `keys` one by one into a field, doing with each outcome what the
// window does: the effects, then the key the field inserts at the caret
// (here even Backspace, which a real field carries out instead).
Seen typeKeys(KeyRules& rules, FieldView field, std::u16string_view keys, char separator)
{
    Seen seen;
    for (const char16_t key : keys) {
        const KeyOutcome outcome = rules.press(key, field, separator);
        for (const KeyEffect& effect : outcome.effects) {
            switch (effect.kind) {
            case KeyEffect::Kind::ClearHint:
            case KeyEffect::Kind::AskForSign:
                seen.asksForSign = effect.kind == KeyEffect::Kind::AskForSign;
                break;
            case KeyEffect::Kind::DeleteSelection:
            case KeyEffect::Kind::SetText:
                field = {effect.text, static_cast<int>(effect.text.size()), 0};
                break;
            case KeyEffect::Kind::Beep:
                ++seen.beeps;
                break;
            case KeyEffect::Kind::Refuse:
                seen.refused += effect.key;
                break;
            case KeyEffect::Kind::Resend:
                seen.resent += effect.key;
                break;
            }
        }
        if (outcome.key != 0) {
            field.text.replace(field.selectionStart, field.selectionLength, 1, outcome.key);
            field = {field.text, field.selectionStart + 1, 0};
        }
    }
    seen.text = field.text;
    return seen;
}

struct KeyCase {
    const char* name;
    char separator;
    std::u16string before;
    Caret caret;
    std::u16string keys;
    std::u16string after;
    int beeps;
    std::u16string refused;
    std::u16string resent;
    bool asksForSign;
    bool typing;  // afterwards
};

TEST(KeyRules, AdmitOnlyNumbersInTheMaking)
{
    const KeyCase cases[] = {
        {"PlusSign", ',', u"", Caret::AtEnd, u"+5", u"+5", 0, u"", u"", false, false},
        {"SignAfterDigits", ',', u"12", Caret::AtEnd, u"-", u"12", 0, u"-", u"", false, false},
        {"PlusAfterDigits", ',', u"12", Caret::AtEnd, u"+", u"12", 0, u"+", u"", false, false},
        {"SignBeforeOtherSign", ',', u"-4", Caret::AtStart, u"+", u"-4", 2, u"+", u"", false, false},
        {"SignBeforeSameSign", ',', u"-4", Caret::AtStart, u"-", u"-4", 2, u"-", u"", false, false},
        {"SignOverSelection", ',', u"12", Caret::AllSelected, u"-", u"-", 0, u"", u"", false, true},
        {"SecondSeparator", ',', u"1,5", Caret::AtEnd, u",", u"1,5", 0, u",", u"", false, false},
        {"PointTypesOurComma", ',', u"1", Caret::AtEnd, u".5", u"1,5", 0, u"", u"", false, true},
        {"SecondSeparatorAsPoint", ',', u"1,5", Caret::AtEnd, u".", u"1,5", 0, u",", u"", false, false},
        {"SeparatorIntoEmptyField", ',', u"", Caret::AtEnd, u",", u"0,", 0, u"", u"", false, false},
        {"SeparatorOverSelection", ',', u"12", Caret::AllSelected, u",5", u"0,5", 0, u"", u"", false, false},
        {"CommaTypesOurPoint", '.', u"", Caret::AtEnd, u",", u"0.", 0, u"", u"", false, true},
        {"SecondPoint", '.', u"0.5", Caret::AtEnd, u",", u"0.5", 0, u".", u"", false, false},
        {"SeparatorBeforeNumber", ',', u"5", Caret::AtStart, u",", u",5", 0, u"", u"", false, true},
        {"ExponentNeedsItsSign", ',', u"5", Caret::AtEnd, u"E3", u"5E", 0, u"", u"", true, true},
        {"SignedExponent", ',', u"5", Caret::AtEnd, u"E3-3", u"5E-3", 0, u"", u"", false, false},
        {"LowerCaseExponentIsResent", ',', u"5", Caret::AtEnd, u"e", u"5", 0, u"", u"E", false, true},
        {"ExponentWithoutDigitBefore", ',', u"25", Caret::AtStart, u"E", u"25", 0, u"E", u"", false, false},
        {"SecondExponent", ',', u"5E+3", Caret::AtEnd, u"E", u"5E+3", 0, u"E", u"", false, false},
        {"ExponentOverSelection", ',', u"25", Caret::AllSelected, u"E", u"1E", 0, u"", u"", false, true},
        {"SeparatorInExponent", ',', u"5E", Caret::AtEnd, u",", u"5E", 2, u",", u"", false, false},
        {"DigitBeforeSign", ',', u"-4", Caret::AtStart, u"7", u"-4", 2, u"", u"", false, false},
        {"DigitOverNegativeNumber", ',', u"-4", Caret::AllSelected, u"7", u"7", 0, u"", u"", false, false},
        {"DigitReplacesNoNumber", ',', u"-", Caret::AllSelected, u"7", u"7", 0, u"", u"", false, false},
        {"Letter", ',', u"3", Caret::AtEnd, u"a", u"3", 2, u"", u"", false, false},
        {"LetterAtStart", ',', u"3", Caret::AtStart, u"x", u"3", 2, u"", u"", false, false},
        {"BlankAfterNumber", ',', u"3", Caret::AtEnd, u" ", u"3", 1, u"", u"", false, false},
        {"BlankInEmptyField", ',', u"", Caret::AtEnd, u" ", u"", 3, u"", u"", false, false},
        {"OtherSymbols", ',', u"3", Caret::AtEnd, u"%/\u00b2\u00f1", u"3", 8, u"", u"", false, false},
        {"EnterMovesOn", ',', u"3", Caret::AtEnd, u"\r", u"3", 0, u"", u"\t", false, false},
        {"BackspacePassesAndClearsTheHint", ',', u"5E", Caret::AtEnd, u"3\b", u"5E\b", 0, u"", u"", false, true},
        {"CtrlLClearsTheHint", ',', u"5E", Caret::AtEnd, u"3\x0c", u"5E", 2, u"", u"", false, false},
    };
    for (const KeyCase& c : cases) {
        SCOPED_TRACE(c.name);
        KeyRules rules;
        const int length = static_cast<int>(c.before.size());
        const FieldView field{c.before, c.caret == Caret::AtEnd ? length : 0, c.caret == Caret::AllSelected ? length : 0};
        const Seen seen = typeKeys(rules, field, c.keys, c.separator);
        EXPECT_EQ(seen.text, c.after);
        EXPECT_EQ(seen.beeps, c.beeps);
        EXPECT_EQ(seen.refused, c.refused);
        EXPECT_EQ(seen.resent, c.resent);
        EXPECT_EQ(seen.asksForSign, c.asksForSign);
        EXPECT_EQ(rules.typing(), c.typing);
    }
}

// Under a point separator, once "0." has been written for the user, a
// refused point no longer goes on to the general rule's beeps.
TEST(KeyRules, PointAfterZeroPointWasWrittenIsRefusedQuietly)
{
    KeyRules rules;
    EXPECT_EQ(typeKeys(rules, {u"1E", 2, 0}, u".", '.').beeps, 2);
    EXPECT_EQ(typeKeys(rules, {}, u".", '.').text, u"0.");
    const Seen seen = typeKeys(rules, {u"1E", 2, 0}, u".", '.');
    EXPECT_EQ(seen.refused, u".");
    EXPECT_EQ(seen.beeps, 0);
}

}  // namespace
}  // namespace trx
