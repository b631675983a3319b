// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/number_text.h"
#include "exact/solve.h"

#include <gtest/gtest.h>

namespace trx {
namespace {

using Fields = std::array<std::string, 4>;

// What a solve shows, on one line: the outcome and the error number, the two
// solutions, then row by row the fraction of the left column and that of the
// right one, each in brackets while its panel still covers it.
std::string shown(const SolveResult& result)
{
    static const char* const outcomes[] = {"a = 0", "real", "double", "complex", "cancelled", "not a number"};
    const ExactForms& e = result.exact;
    const auto fraction = [](bool uncovered, const std::string& over, const std::string& under) {
        return uncovered ? over + "/" + under : "[" + over + "/" + under + "]";
    };
    std::string text = outcomes[static_cast<int>(result.outcome)];
    if (result.error != ErrorCode::None)
        text += " (error " + std::to_string(static_cast<int>(result.error)) + ")";
    text += ": " + result.solution1 + " ; " + result.solution2;
    for (std::size_t row = 0; row < 2; ++row)
        text += " | " + fraction(e.leftColumnUncovered, e.numerator[row], e.denominator[row]) + " → " +
                fraction(e.reducedRowUncovered[row], e.reducedNumerator[row],
                         e.complexCaptions ? "Solución compleja" : e.reducedDenominator[row]);
    return text;
}

struct SolveCase {
    Fields fields;
    const char* shown;  // what is shown up to a space: where a case stops, the rest is not its point
    bool simplify = false;
    char separator = ',';
};

const SolveCase kCases[] = {
    // Real roots: reduced by the common divisor with 2a, or with √D.
    {{"1", "-5", "6", "0"}, "real: 3 ; 2 | 6/2 → 3/1 | 4/2 → 2/1"},
    {{"2", "3", "-2", "0"}, "real: 0,5 ; -2 | 2/4 → 1/2 | -8/4 → -2/1"},
    // Euclides gives -4 for row 2: the sign moves to the numerator.
    {{"4", "-4", "-3", "0"}, "real: 1,5 ; -0,5 | 12/8 → 3/2 | -4/8 → -1/2"},
    {{"1", "-2", "1", "0"}, "double: 1 ; 1 | 2/2 → 1/1 | 2/2 → 1/1"},
    {{"1", "2", "-1", "0"},
     "real: 0,414213562373095 ; -2,4142135623731 | 0,82842712474619/2 → -2+(8)^½/2 | -4,82842712474619/2 → -2-(8)^½/2"},
    {{"1.5", "-2", "0.5", "0"}, "real: 1 ; 0.333333333333333 | 3/3 → 1/1 | 1/3 → 1/3", false, '.'},
    {{"1", "0", "-2", "0"}, "real: 1,4142135623731 ; -1,4142135623731 | 2,82842712474619/2 → 0+(8)^½/2"},
    // A zero numerator has no common divisor: its row and the rows after it stay covered.
    {{"1", "4", "0", "0"}, "real: 0 ; -4 | 0/2 → [/] | -8/2 → [/]"},
    {{"1", "-4", "0", "0"}, "real: 4 ; 0 | 8/2 → 4/1 | 0/2 → [/]"},
    // 2a beyond 16 bits, and 2a rounding to 0: nothing reduced, no message.
    {{"20000", "0", "-20000", "0"}, "real: 1 ; -1 | 40000/40000 → [/] | -40000/40000 → [/]"},
    {{"0,25", "-1", "0", "0"}, "real: 4 ; 0 | 2/0,5 → [/] | 0/0,5 → [/]"},  // 0,5 rounds to even
    {{"1", "0", "0", "1E-12"}, "real: 1E-06 ; -1E-06 | 2E-06/2 → [/] | -2E-06/2 → [/]"},
    // The sign of D as typed, though b² = 4ac does not hold in binary.
    {{"1", "0,6", "0,09", "0"}, "double: -0,3 ; -0,3"},
    {{"-4", "1,2", "-0,09", "0"}, "double: 0,15 ; 0,15"},  // negated first
    {{"1", "0,6", "0,0899999", "0"}, "real: -0,299683772233983 ; -0,300316227766017"},
    {{"1", "0,6", "0,0900001", "0"}, "complex: -0,3+ i0,000316227766016838 ; -0,3- i0,000316227766016838"},
    {{"1", "1,1", "0,30250000000000005", "0"}, "complex: -0,55+ i7,07106781186548E-09 ;"},
    // Negating the equation negates the values, not their 15-digit texts.
    {{"-7839", "14580540", "-6779951100,000001", "0"}, "complex: 930+ i1,1294569126195E-05 ;"},
    // Products beyond the double range, or below it; results inside it.
    {{"5E-324", "-1,5E-323", "1E-323", "0"}, "real: 2 ; 1"},
    {{"1", "0E-2147483648", "-4", "0E+2147483648"}, "real: 2 ; -2"},
    {{"1", "1E200", "1", "0"}, "real: -1E-200 ; -1E+200"},
    // Complex roots: the exact forms, the radicand's square factor taken out on request.
    {{"1", "2", "5", "0"},
     "complex: -1+ i2 ; -1- i2 | [-2/2+1/2 i(16)^½/] → [-1/1+1/2 i(16)^½/Solución compleja] | [-2/2-1/2 i(16)^½/]"},
    {{"1", "2", "5", "0"}, "complex: -1+ i2 ; -1- i2 | [-2/2+4/2 i(1)^½/] → [-1/1+2/1 i(1)^½/Solución compleja]", true},
    {{"1", "-2", "10", "0"}, "complex: 1+ i3 ; 1- i3 | [2/2+6/2 i(1)^½/] → [1/1+3/1 i(1)^½/Solución compleja]", true},
    {{"1", "1", "1", "0"},
     "complex: -0,5+ i0,866025403784439 ; -0,5- i0,866025403784439 | [-1/2+1/2 i(3)^½/] → [-1/2+1/2 i(3)^½/Solución "
     "compleja]",
     true},
    // A real part that rounds to 0, or 2a beyond 16 bits: no reduced form, no message.
    {{"1", "0", "4", "0"}, "complex: 0+ i2 ; 0- i2 | [0/2+1/2 i(16)^½/] → [/Solución compleja]"},
    {{"1", "0,3", "1", "0"},
     "complex: -0,15+ i0,988685996664259 ; -0,15- i0,988685996664259 | [-0,3/2+1/2 i(3,91)^½/] → [/Solución compleja]"},
    {{"20000", "0", "20000", "0"},
     "complex: 0+ i1 ; 0- i1 | [0/40000+1/40000 i(1600000000)^½/] → [/Solución compleja]"},
    // Nothing to solve.
    {{"0", "1", "1", "0"}, "a = 0:  ;  | [/] → [/] | [/] → [/]"},
    {{"-0,0", "1", "1", "5"}, "a = 0:  ;  | [/] → [/] | [/] → [/]"},
    {{"1", "abc", "1", "0"}, "not a number (error 13):  ;  | [/] → [/] | [/] → [/]"},
    // A value to be shown beyond the double range cancels the run, whether it
    // comes before the solutions or after them (in the exact display).
    {{"1E200", "0", "1E200", "0"},
     "cancelled (error 6):  ;  | [/] → [/Solución compleja] | [/] → [/Solución compleja]"},  // radicand 4ac
    {{"1", "0", "1E308", "-1E308"}, "cancelled (error 6):  ;  | [/] → [/] | [/] → [/]"},     // c − d
    // c − d fits, but its 15-digit text does not.
    {{"1", "0", "0", "-1,7976931348623157E308"}, "cancelled (error 6):  ;  | [/] → [/] | [/] → [/]"},
    {{"1E-300", "-1E10", "0", "0"}, "cancelled (error 6):  ;  | [/] → [/] | [/] → [/]"},       // solution 1
    {{"1", "0", "600000000", "0"}, "cancelled (error 6):  ;  | [/] → [/] | [/] → [/]", true},  // 32-bit radicand
    // D, as the complex radicand.
    {{"-6,46446670753934E-58", "2,12968374189442E-199", "-1,75034507032782E-295", "0"},
     "cancelled (error 6):  ;  | [/] → [/Solución compleja] | [/] → [/Solución compleja]"},
    {{"1E-300", "1E10", "0", "0"}, "cancelled (error 6):  ;  | [/] → [/]"},       // solution 2
    {{"1E308", "1", "0", "0"}, "cancelled (error 6):  ;  | 0/ → [/] | / → [/]"},  // 2a
    {{"1E150", "1,3E154", "-2E157", "0"},
     "cancelled (error 6):  ;  | 2,7797338380595E+153/2E+150 → [/]"},  // D, in the root form
    {{"2,51476445554404E-161", "-5,02952898395579E-161", "2,51476452841175E-161", "0"},
     "cancelled (error 6):  ;  | 5,0295290568235E-161/5,02952891108808E-161 → [/]"},
    // The complex solutions: their exact forms stay.
    {{"1E-320", "1E-11", "1E298", "0"},
     "cancelled (error 6):  ;  | [-1E-11/2E-320+1/2E-320 i(3E-22)^½/] → [/Solución compleja]"},
    // Negating a < 0, or moving the right side, rounds a value next to the
    // largest double past it (found by the solve fuzz target).
    {{"-1E-300", "0", "1,7976931348623157E308", "0"}, "cancelled (error 6):  ;  | [/] → [/] | [/] → [/]"},
    {{"-3241", "1,7976931348623151E308", "08", "7"}, "cancelled (error 6):  ;  | [/] → [/] | [/] → [/]"},
};

TEST(Solve, WhatEachEquationShows)
{
    for (const SolveCase& c : kCases) {
        SCOPED_TRACE(c.fields[0] + " | " + c.fields[1] + " | " + c.fields[2] + " | " + c.fields[3]);
        const SolveResult result = solve({c.fields, c.simplify, c.separator});
        EXPECT_EQ((shown(result) + " ").rfind(c.shown + std::string(" "), 0), 0u) << shown(result);
        // No field is left holding a text that is not a number.
        for (std::size_t i = 0; i < result.fields.size(); ++i)
            EXPECT_TRUE(result.fields[i] == c.fields[i] || isNumeric(result.fields[i], c.separator))
                << result.fields[i];
    }
}

// What the fields hold after the solve: the normal form solved, each text
// rewritten only where the solve changed its value.
TEST(Solve, FieldsAfterTheSolve)
{
    const std::pair<Fields, Fields> cases[] = {
        {{"1", "1", "0", "6"}, {"1", "1", "-6", "0"}},
        {{"-1", "5", "-6", "0"}, {"1", "-5", "6", "0"}},
        {{"-2", "0", "3", "1,5"}, {"2", "0", "-1,5", "0"}},
        // Texts never negated stay as typed.
        {{"2,50", "+3", "-8E0", "0,0"}, {"2,50", "+3", "-8E0", "0,0"}},
        // c − d exactly, rounded once to 15 digits.
        {{"3", "0", "0", "0,1234567890123456789"}, {"3", "0", "-0,123456789012346", "0"}},
        // Nothing solved: the fields stay as they were.
        {{"1", "abc", "1", "0"}, {"1", "abc", "1", "0"}},
        {{"0", "1", "1", "0"}, {"0", "1", "1", "0"}},
        // Cancelled: as far as the run wrote them.
        {{"1E200", "0", "1E200", "0"}, {"1E200", "0", "1E200", "0"}},
        {{"-3241", "1,7976931348623151E308", "08", "7"}, {"-3241", "1,7976931348623151E308", "1", "0"}},
    };
    for (const auto& [typed, after] : cases) {
        SCOPED_TRACE(typed[0] + " | " + typed[1] + " | " + typed[2] + " | " + typed[3]);
        const SolveResult result = solve({typed});
        EXPECT_EQ(result.fields, after);
        // Solving the fields as left behind changes none and shows the same.
        if (result.outcome == SolveOutcome::Cancelled || result.outcome == SolveOutcome::NotANumber ||
            result.outcome == SolveOutcome::ZeroSquareCoefficient)
            continue;
        const SolveResult again = solve({after});
        EXPECT_EQ(again.fields, after);
        EXPECT_EQ(shown(again), shown(result));
    }
}

}  // namespace
}  // namespace trx
