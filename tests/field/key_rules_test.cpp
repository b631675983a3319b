// SPDX-License-Identifier: GPL-3.0-or-later
#include "field/key_rules.h"

#include <gtest/gtest.h>

namespace trx {
namespace {

// An outcome in a few words: the effects in order, then what the field
// inserts ("pass" for the typed key itself).
std::string describe(const KeyOutcome& outcome, char16_t typed)
{
    const auto ascii = [](std::u16string_view text) { return std::string(text.begin(), text.end()); };
    std::string words;
    for (const KeyEffect& effect : outcome.effects) {
        const char* const names[] = {"clear", "sign?", "delete", "write:", "beep", "refuse:", "send:"};
        words += names[static_cast<int>(effect.kind)];
        words += effect.kind == KeyEffect::Kind::SetText ? ascii(effect.text) : ascii({&effect.key, effect.key != 0});
        words += ' ';
    }
    return words + (outcome.key == typed ? "pass" : outcome.key == 0 ? "cancel" : "insert:" + ascii({&outcome.key, 1}));
}

enum class Caret { AtEnd, AtStart, AllSelected, AfterFirst, BeforeLast };

struct KeyCase {
    char separator;
    std::u16string text;
    Caret caret;
    char16_t key;
    const char* outcome;
    bool typing;  // afterwards
};

TEST(KeyRules, AdmitOnlyNumbersInTheMaking)
{
    const KeyCase cases[] = {
        // Signs: at the start, or right after the "E".
        {',', u"", Caret::AtEnd, u'+', "clear delete pass", true},
        {',', u"12", Caret::AllSelected, u'-', "clear delete pass", true},
        {',', u"12", Caret::AtEnd, u'-', "clear refuse:- cancel", false},
        {',', u"-4", Caret::AtStart, u'+', "clear refuse:+ beep beep cancel", false},
        {',', u"-4", Caret::AtStart, u'-', "clear refuse:- beep beep cancel", false},
        {',', u"5E", Caret::AtEnd, u'-', "clear pass", true},
        // One separator, not in the exponent; either key types the locale's.
        {',', u"1", Caret::AtEnd, u'.', "insert:,", true},
        {',', u"5", Caret::AtStart, u',', "pass", true},
        {',', u"1,5", Caret::AtEnd, u',', "refuse:, cancel", false},
        {',', u"12", Caret::AllSelected, u',', "write:0, cancel", false},
        {'.', u"", Caret::AtEnd, u',', "write:0. cancel", true},
        {',', u"5E", Caret::AtEnd, u',', "refuse:, beep beep cancel", false},
        {',', u"1E+", Caret::AtEnd, u',', "refuse:, beep beep cancel", false},
        {',', u"1E-", Caret::AtEnd, u'.', "refuse:, beep beep cancel", false},
        {',', u"1E+2", Caret::AtEnd, u',', "refuse:, cancel", false},
        {',', u"1E+2", Caret::BeforeLast, u',', "refuse:, cancel", false},
        {'.', u"1e+2", Caret::BeforeLast, u'.', "refuse:. cancel", false},
        {',', u"1E+2", Caret::AfterFirst, u',', "pass", true},
        // One "E", right after a digit; "e" comes back as "E".
        {',', u"5", Caret::AtEnd, u'E', "pass", true},
        {',', u"25", Caret::AtStart, u'E', "refuse:E cancel", false},
        {',', u"5E+3", Caret::AtEnd, u'E', "refuse:E cancel", false},
        {',', u"12,5", Caret::AfterFirst, u'E', "refuse:E cancel", false},
        {',', u"12,5", Caret::AllSelected, u'E', "write:1E cancel", true},
        {',', u"25", Caret::AllSelected, u'E', "write:1E cancel", true},
        {',', u"5", Caret::AtEnd, u'e', "send:E cancel", true},
        // Digits: not before a sign, not straight after the "E".
        {',', u"5E", Caret::AtEnd, u'3', "sign? cancel", false},
        {',', u"5E-", Caret::AtEnd, u'3', "pass", false},
        {',', u"12", Caret::AtEnd, u'3', "pass", false},
        {',', u"-4", Caret::AtStart, u'7', "beep beep cancel", false},
        {',', u"-4", Caret::AllSelected, u'7', "write:7 cancel", false},
        {',', u"", Caret::AtEnd, u'7', "write:7 cancel", false},
        // Everything else.
        {',', u"3", Caret::AtEnd, u'a', "beep beep cancel", false},
        {',', u"", Caret::AtEnd, u' ', "beep beep beep cancel", false},
        {',', u"3", Caret::AtEnd, kEnter, "send:\t cancel", false},
        {',', u"5E", Caret::AtEnd, kBackspace, "clear pass", true},
        {',', u"5E", Caret::AtEnd, kCtrlL, "clear beep beep cancel", false},
    };
    for (const KeyCase& c : cases) {
        const int length = static_cast<int>(c.text.size());
        const int caret = c.caret == Caret::AtEnd        ? length
                          : c.caret == Caret::AfterFirst ? 1
                          : c.caret == Caret::BeforeLast ? length - 1
                                                         : 0;
        const FieldView field{c.text, caret, c.caret == Caret::AllSelected ? length : 0};
        KeyRules rules;
        EXPECT_EQ(describe(rules.press(c.key, field, c.separator), c.key), c.outcome)
            << std::string(c.text.begin(), c.text.end()) << " + " << static_cast<char>(c.key);
        EXPECT_EQ(rules.typing(), c.typing) << std::string(c.text.begin(), c.text.end());
    }
}

// Under a point separator, once "0." has been written for the user, a
// refused point no longer goes on to the general rule's beeps.
TEST(KeyRules, PointAfterZeroPointWasWrittenIsRefusedQuietly)
{
    KeyRules rules;
    const FieldView exponent{u"1E", 2, 0};
    EXPECT_EQ(describe(rules.press(u'.', exponent, '.'), u'.'), "refuse:. beep beep cancel");
    rules.press(u'.', {}, '.');
    EXPECT_EQ(describe(rules.press(u'.', exponent, '.'), u'.'), "refuse:. cancel");
}

}  // namespace
}  // namespace trx
