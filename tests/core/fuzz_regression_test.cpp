// SPDX-License-Identifier: GPL-3.0-or-later
// Inputs that the fuzz targets under fuzz/ found to break the solver, kept so
// that the faults stay fixed.

#include "solver/number_text.h"
#include "solver/solve.h"

#include <gtest/gtest.h>

#include <array>
#include <string>

namespace trx {
namespace {

// Negating a < 0 rewrites every field by the number-to-text rule.  Rounded to
// 15 digits, the negation of a value next to the largest double passes it, so
// the field would hold a text that is not a number and the fields would no
// longer show the equation solved.  Like the same rounding when the right
// side is moved, the run is cancelled as an overflow before anything is
// written.
TEST(FuzzFindings, NegationRoundingPastTheLargestDoubleCancels)
{
    const std::array<std::string, 4> cases[] = {
        {"-1E-300", "0", "1,7976931348623157E308", "0"},  // would otherwise solve with c unreadable
        {"-3241", "1,7976931348623151E308", "08", "7"},   // right side moved first
    };
    for (const auto& fields : cases) {
        const SolveResult result = solve(SolveRequest{fields, false, ','});
        EXPECT_EQ(result.outcome, SolveOutcome::Cancelled) << fields[1] << ' ' << fields[2];
        EXPECT_EQ(result.error, ErrorCode::Overflow) << fields[1] << ' ' << fields[2];
        for (const auto& [field, text] : result.fieldWrites) {
            EXPECT_TRUE(isNumeric(text, ',')) << "field " << field << ": " << text;
        }
    }
}

}  // namespace
}  // namespace trx
