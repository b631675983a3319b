// SPDX-License-Identifier: GPL-3.0-or-later
#include "field/text_repair.h"
#include "field/validation.h"

#include <gtest/gtest.h>

namespace trx {
namespace {

struct RepairCase {
    const char* name;
    const char* text;
    bool enabled;
    const char* active;  // nullptr: no field has had the focus yet
    bool typing;
    const char* clipboard;  // nullptr: must not be read
    Repair repair;
};

TEST(TextRepair, UndoesOnlyWhatAPasteOrASecondSeparatorBroke)
{
    const RepairCase cases[] = {
        {"WordPastedAfterNumber", "3hola", true, "3hola", false, "hola", Repair::NotANumber},
        {"PasteWithoutFocusYet", "x", true, nullptr, false, "x", Repair::NotANumber},
        {"OtherSeparatorIsNoNumber", "40.5", true, "40.5", false, "0.5", Repair::NotANumber},
        {"SecondSeparator", "1,52,5", true, "1,52,5", false, nullptr, Repair::SecondSeparator},
        {"BothSeparatorsCount", "1", true, "1.5,5", true, nullptr, Repair::SecondSeparator},
        {"NumberIntoNumber", "1235", true, "1235", false, nullptr, Repair::None},
        {"PasteRightAfterASign", "-hola", true, "-hola", true, "hola", Repair::NotANumber},
        {"NumberBeingTyped", "-1,5E-", true, "-1,5E-", true, nullptr, Repair::None},
        {"NoClipboardToBlame", "-", true, "-", false, "", Repair::None},
        {"NumericClipboard", "-", true, "-", false, "12", Repair::None},
        {"EmptyField", "", true, "", false, nullptr, Repair::None},
        {"DisabledField", "x", false, "x", false, nullptr, Repair::None},
        {"SeparatorPastedIntoExponentWhileTyping", "-1E+,5", true, "-1E+,5", true, nullptr, Repair::NotANumber},
        {"NumberPastedIntoExponent", "1E+52,", true, "1E+52,", false, nullptr, Repair::NotANumber},
    };
    for (const RepairCase& c : cases) {
        SCOPED_TRACE(c.name);
        FieldChange change{c.text, c.enabled, std::nullopt, c.typing};
        if (c.active != nullptr)
            change.activeText = c.active;
        const auto clipboard = [&c] {
            EXPECT_NE(c.clipboard, nullptr) << "the clipboard was read";
            return std::string(c.clipboard != nullptr ? c.clipboard : "");
        };
        EXPECT_EQ(decideRepair(change, ',', clipboard), c.repair);
    }
}

struct ValidationCase {
    std::array<std::string, 4> texts;
    bool linearTerm;
    char separator;
    std::array<std::string, 4> filled;
    std::optional<int> firstBad;
};

TEST(Validation, FillsTheDefaultsAndFindsTheFirstFieldThatIsNoNumber)
{
    const ValidationCase cases[] = {
        {{"", "", "", ""}, true, ',', {"1", "1", "0", "0"}, std::nullopt},
        {{"-", "7", "", ""}, false, ',', {"-1", "0", "0", "0"}, std::nullopt},
        {{"-", "-", "-", "-"}, true, ',', {"-1", "-1", "-", "-"}, 2},
        {{"1E999", "", "", ""}, true, ',', {"1E999", "1", "0", "0"}, 0},
        {{"2.5", "", "", "0,5"}, true, '.', {"2.5", "1", "0", "0,5"}, 3},
    };
    for (const ValidationCase& c : cases) {
        const CheckedFields checked = ComprobarDatos(c.texts, c.linearTerm, c.separator);
        EXPECT_EQ(checked.texts, c.filled);
        EXPECT_EQ(checked.firstBad, c.firstBad);
    }
}

}  // namespace
}  // namespace trx
