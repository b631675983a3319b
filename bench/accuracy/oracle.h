// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The reference for the accuracy benchmark, the accuracy test and the solve
// fuzz target.  It works the equation in the fields out again on its own:
// exact rationals for the coefficients and for the sign of D, MPFR at several
// thousand bits for the irrational roots, and its own rounding of each value
// to the 15 digits of the number-to-text rule.  It shares no code with the
// solver beyond the result types it reads.

#include "exact/solve.h"

#include <array>
#include <string>
#include <vector>

namespace trx::accuracy {

// What a run of the solver on these fields (',' separator, complex roots not
// simplified) must show: its outcome and every number text it shows, in order
// and each under a name.
struct Expected {
    SolveOutcome outcome = SolveOutcome::NotANumber;
    std::vector<std::pair<std::string, std::string>> texts;
};

// `fields` must all pass the numeric test.
Expected expectedResult(const std::array<std::string, 4>& fields);

struct Score {
    bool classRight = false;              // outcome as expected
    int texts = 0;                        // texts expected
    int textsRight = 0;                   // of those, shown exactly
    std::vector<std::string> mismatches;  // "name: expected | shown"
};

Score score(const Expected& expected, const SolveResult& result);

}  // namespace trx::accuracy
