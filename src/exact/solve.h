// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The solver.  Takes the four coefficient texts of a·x² + b·x + c = d (as the
// entry fields hold them after validation) and returns everything the window
// shows for them: the rewritten fields, the two numeric solutions and the
// exact forms of the two-column display, as one value.  It never touches a
// widget; the window applies the value once.
//
// The numbers are the decimals in the fields, taken exactly (GMP); every
// number shown is the exact result rounded once to 15 digits.
//
// Flow: a = 0 is rejected; d is moved into c; the equation is negated when
// a < 0; the exact sign of D = b² − 4ac classifies it; real roots get the
// numeric texts and the fraction display (reduced by a common divisor, or
// with √D), complex roots get their numeric and exact complex forms.  A
// failure is a RunTimeError caught inside and reported as `error`, with the
// result filled as far as the run got.

#include "core/run_time_error.h"

#include <array>
#include <string>

namespace trx {

struct SolveRequest {
    std::array<std::string, 4> fields;  // a, b, c, d as typed (user's separator)
    bool simplifyRoot = false;          // take square factors out of complex radicands
    char separator = ',';
};

enum class SolveOutcome {
    ZeroSquareCoefficient,  // a = 0: nothing solved, nothing to write
    TwoRealRoots,           // D > 0
    DoubleRoot,             // D = 0
    ComplexRoots,           // D < 0
    Cancelled,              // a value to be shown is beyond the double range (error == Overflow)
    NotANumber,             // a field does not convert (error == TypeMismatch)
};

// The two-column exact display; index 0 is the row of solution 1.
struct ExactForms {
    std::array<std::string, 2> numerator;           // left column, over the bar
    std::array<std::string, 2> denominator;         // left column, under the bar
    std::array<std::string, 2> reducedNumerator;    // right column, over the bar
    std::array<std::string, 2> reducedDenominator;  // right column, under the bar
    bool leftColumnUncovered = false;               // the panel over the left column comes off
    std::array<bool, 2> reducedRowUncovered{};      // the panel over right row i comes off
    bool complexCaptions = false;                   // "Solución compleja" under the right column
};

struct SolveResult {
    SolveOutcome outcome = SolveOutcome::NotANumber;
    ErrorCode error = ErrorCode::None;  // what cut the run short, if anything
    // What the four fields hold afterwards: the normal form that was solved
    // (right side 0, a > 0), or as far as a cancelled run wrote them.
    std::array<std::string, 4> fields;
    std::string solution1, solution2;  // numeric texts; empty when not reached
    ExactForms exact;
};

SolveResult solve(const SolveRequest& request);

}  // namespace trx
