// SPDX-License-Identifier: GPL-3.0-or-later
#include "window_rules/notation_switch.h"

#include <gtest/gtest.h>

namespace trx {
namespace {

TEST(NotationSwitch, FieldsAndCopiesInTheNotationSwitchedTo)
{
    struct Case {
        NotationTexts before;
        bool scientific;
        std::array<std::string, 4> fields;
        std::array<std::string, 2> copies;
    };
    const Case cases[] = {
        // Fields reformatted; a field that is not a number stays as it is.
        {{{"1234,5", "", "-", "0"}, {}, {}, false}, true, {"1,23E+03", "", "-", "0,00E+00"}, {"", ""}},
        {{{"1,23E+03", "2", "0,5", "0"}, {}, {}, false}, false, {"1230,0", "2,0", "0,5", "0,0"}, {"", ""}},
        // Copies a solve wrote stay; copies an earlier switch put in fixed
        // form come back from the solutions, not from their rounding.
        {{{"1", "1", "0", "0"}, {"0,333333333333333", "-1"}, {"3,33E-01", "-1,00E+00"}, true},
         true,
         {"1,00E+00", "1,00E+00", "0,00E+00", "0,00E+00"},
         {"3,33E-01", "-1,00E+00"}},
        {{{"1", "1", "0", "0"},
          {"0,333333333333333", "Operación cancelada."},
          {"0,333", "Operación cancelada."},
          false},
         true,
         {"1,00E+00", "1,00E+00", "0,00E+00", "0,00E+00"},
         {"3,33E-01", "Operación cancelada."}},
        {{{"1", "1", "0", "0"}, {"0,333333333333333", "-1"}, {"3,33E-01", "-1,00E+00"}, true},
         false,
         {"1,0", "1,0", "0,0", "0,0"},
         {"0,333", "-1,0"}},
    };
    for (const Case& c : cases) {
        const NotationTexts after = switchNotation(c.before, c.scientific, ',');
        EXPECT_EQ(after.fields, c.fields);
        EXPECT_EQ(after.copies, c.copies);
        EXPECT_FALSE(after.copiesFromSolve);
    }
}

}  // namespace
}  // namespace trx
