// SPDX-License-Identifier: GPL-3.0-or-later
#include "solver/number_text.h"
#include "solver/solve.h"

#include <gtest/gtest.h>

#include <cmath>
#include <ostream>

namespace trx {

// Readable failure messages.
void PrintTo(SolveOutcome outcome, std::ostream* out)
{
    static const char* const names[] = {"ZeroSquareCoefficient", "TwoRealRoots", "DoubleRoot",
                                        "ComplexRoots",          "Cancelled",    "NotANumber"};
    *out << names[static_cast<int>(outcome)];
}

namespace {

using Fields = std::array<std::string, 4>;
using Row = std::array<std::string, 2>;
using FieldWrites = std::vector<std::pair<int, std::string>>;

SolveResult run(const Fields& fields, bool simplifyRoot = false, char separator = ',')
{
    return solve(SolveRequest{fields, simplifyRoot, separator});
}

// Real roots: numeric texts and both columns of the fraction display.
struct RealCase {
    Fields fields;
    const char* solution1;
    const char* solution2;
    Row numerator, denominator, reducedNumerator, reducedDenominator;
    std::array<bool, 2> rowUncovered;
};

TEST(SolveReal, NumericAndExactForms)
{
    const RealCase cases[] = {
        {{"1", "-5", "6", "0"}, "3", "2", {"6", "4"}, {"2", "2"}, {"3", "2"}, {"1", "1"}, {true, true}},
        {{"2", "3", "-2", "0"}, "0,5", "-2", {"2", "-8"}, {"4", "4"}, {"1", "-2"}, {"2", "1"}, {true, true}},
        // Euclides gives -4 for row 2: the sign moves to the numerator.
        {{"4", "-4", "-3", "0"}, "1,5", "-0,5", {"12", "-4"}, {"8", "8"}, {"3", "-1"}, {"2", "2"}, {true, true}},
        {{"1", "-2", "1", "0"}, "1", "1", {"2", "2"}, {"2", "2"}, {"1", "1"}, {"1", "1"}, {true, true}},
        {{"3", "2", "-1", "0"},
         "0,333333333333333",
         "-1",
         {"2", "-6"},
         {"6", "6"},
         {"1", "-1"},
         {"3", "1"},
         {true, true}},
        {{"1", "2", "-1", "0"},
         "0,414213562373095",
         "-2,4142135623731",
         {"0,82842712474619", "-4,82842712474619"},
         {"2", "2"},
         {"-2+(8)^½", "-2-(8)^½"},
         {"2", "2"},
         {true, true}},
        {{"1", "0", "-2", "0"},
         "1,4142135623731",
         "-1,4142135623731",
         {"2,82842712474619", "-2,82842712474619"},
         {"2", "2"},
         {"0+(8)^½", "0-(8)^½"},
         {"2", "2"},
         {true, true}},
        // A zero numerator has no common divisor: its row and the rows after it stay covered.
        {{"1", "4", "0", "0"}, "0", "-4", {"0", "-8"}, {"2", "2"}, {"", ""}, {"", ""}, {false, false}},
        {{"1", "-4", "0", "0"}, "4", "0", {"8", "0"}, {"2", "2"}, {"4", ""}, {"1", ""}, {true, false}},
        // 2a beyond 16 bits, and 2a rounding to 0: nothing reduced, no message.
        {{"20000", "0", "-20000", "0"},
         "1",
         "-1",
         {"40000", "-40000"},
         {"40000", "40000"},
         {"", ""},
         {"", ""},
         {false, false}},
        {{"0,2", "-1", "0", "0"}, "5", "0", {"2", "0"}, {"0,4", "0,4"}, {"", ""}, {"", ""}, {false, false}},
        {{"1", "0", "0", "1E-12"},
         "1E-06",
         "-1E-06",
         {"2E-06", "-2E-06"},
         {"2", "2"},
         {"", ""},
         {"", ""},
         {false, false}},
    };
    for (const RealCase& c : cases) {
        SCOPED_TRACE(c.fields[0] + " | " + c.fields[1] + " | " + c.fields[2] + " | " + c.fields[3]);
        const SolveResult result = run(c.fields);
        EXPECT_EQ(result.error, ErrorCode::None);
        EXPECT_EQ(result.solution1, c.solution1);
        EXPECT_EQ(result.solution2, c.solution2);
        EXPECT_TRUE(result.exact.leftColumnUncovered);
        EXPECT_EQ(result.exact.numerator, c.numerator);
        EXPECT_EQ(result.exact.denominator, c.denominator);
        EXPECT_EQ(result.exact.reducedNumerator, c.reducedNumerator);
        EXPECT_EQ(result.exact.reducedDenominator, c.reducedDenominator);
        EXPECT_EQ(result.exact.reducedRowUncovered, c.rowUncovered);
    }
}

TEST(SolveReal, PointSeparator)
{
    SolveResult result = run({"1", "2", "-1", "0"}, false, '.');
    EXPECT_EQ(result.exact.numerator[0], "0.82842712474619");
    EXPECT_EQ(result.exact.reducedNumerator[0], "-2+(8)^½");
    // A whole numerator is told by the separator whatever it is.
    result = run({"1.5", "-2", "0.5", "0"}, false, '.');
    EXPECT_EQ(result.exact.numerator, (Row{"3", "1"}));
    EXPECT_EQ(result.exact.reducedNumerator, (Row{"1", "1"}));
    EXPECT_EQ(result.exact.reducedDenominator, (Row{"1", "3"}));
    EXPECT_EQ(result.solution2, "0.333333333333333");
}

TEST(SolveReal, SecondSolutionOverflowKeepsTheFirst)
{
    const SolveResult result = run({"1E-300", "1E10", "0", "0"});
    EXPECT_EQ(result.outcome, SolveOutcome::TwoRealRoots);
    EXPECT_EQ(result.error, ErrorCode::Overflow);
    EXPECT_EQ(result.solution1, "0");
    EXPECT_EQ(result.solution2, "");
    EXPECT_FALSE(result.exact.leftColumnUncovered);
    EXPECT_EQ(result.exact.numerator, (Row{"", ""}));
    EXPECT_EQ(result.normalForm, (std::array<std::string, 3>{"1E-300", "1E10", "0"}));
}

struct ClassCase {
    Fields fields;
    SolveOutcome outcome;
    const char* solution1;
    const char* solution2;
    ErrorCode error = ErrorCode::None;
};

TEST(SolveClassification, ExactSignOfTheDiscriminant)
{
    const ClassCase cases[] = {
        // Perfect squares written with decimals: b² = 4ac as typed, though
        // not in binary.
        {{"1", "0,6", "0,09", "0"}, SolveOutcome::DoubleRoot, "-0,3", "-0,3"},
        {{"4", "-1,2", "0,09", "0"}, SolveOutcome::DoubleRoot, "0,15", "0,15"},
        {{"1", "0,2", "0", "-0,01"}, SolveOutcome::DoubleRoot, "-0,1", "-0,1"},  // the right side moved into c
        {{"-1", "0,6", "-0,09", "0"}, SolveOutcome::DoubleRoot, "0,3", "0,3"},   // negated first
        {{"1", "0,6", "0,0899999", "0"}, SolveOutcome::TwoRealRoots, "-0,299683772233983", "-0,300316227766017"},
        {{"1", "0,6", "0,0900001", "0"},
         SolveOutcome::ComplexRoots,
         "-0,3+ i0,000316227766016838",
         "-0,3- i0,000316227766016838"},
        {{"1", "1,1", "0,30250000000000005", "0"},
         SolveOutcome::ComplexRoots,
         "-0,55+ i7,07106781186548E-09",
         "-0,55- i7,07106781186548E-09"},
        // Negating the equation negates the values, not their 15-digit texts.
        {{"-7839", "14580540", "-6779951100,000001", "0"},
         SolveOutcome::ComplexRoots,
         "930+ i1,1294569126195E-05",
         "930- i1,1294569126195E-05"},
        {{"7839", "-14580540", "6779951100,000001", "0"},
         SolveOutcome::ComplexRoots,
         "930+ i1,1294569126195E-05",
         "930- i1,1294569126195E-05"},
        // Coefficients whose products underflow every double.  D itself is
        // below the double range: shown after the solutions it stops the run
        // there, shown before them (the complex radicand) it cancels it.
        {{"5E-324", "-1,5E-323", "1E-323", "0"}, SolveOutcome::TwoRealRoots, "2", "1"},
        {{"2,51476445554404E-161", "-5,02952898395579E-161", "2,51476452841175E-161", "0"},
         SolveOutcome::TwoRealRoots,
         "1,00000002897596",
         "1",
         ErrorCode::Overflow},
        {{"-6,46446670753934E-58", "2,12968374189442E-199", "-1,75034507032782E-295", "0"},
         SolveOutcome::Cancelled,
         "",
         "",
         ErrorCode::Overflow},
        // Every exponent that the numeric test lets through, without overflow.
        {{"1", "0E-2147483648", "-4", "0E+2147483648"}, SolveOutcome::TwoRealRoots, "2", "-2"},
        // Products beyond the double range, results inside it.
        {{"1", "1E200", "1", "0"}, SolveOutcome::TwoRealRoots, "-1E-200", "-1E+200"},
        {{"-1", "1E200", "0", "0"}, SolveOutcome::TwoRealRoots, "1E+200", "0"},
    };
    for (const ClassCase& c : cases) {
        SCOPED_TRACE(c.fields[0] + " | " + c.fields[1] + " | " + c.fields[2] + " | " + c.fields[3]);
        const SolveResult result = run(c.fields);
        EXPECT_EQ(result.outcome, c.outcome);
        EXPECT_EQ(result.error, c.error);
        EXPECT_EQ(result.solution1, c.solution1);
        EXPECT_EQ(result.solution2, c.solution2);
    }
}

struct ComplexCase {
    Fields fields;
    bool simplify;
    const char* solution1;
    const char* solution2;
    Row numerator, reducedNumerator;
};

TEST(SolveComplex, NumericAndExactForms)
{
    const ComplexCase cases[] = {
        {{"1", "2", "5", "0"},
         false,
         "-1+ i2",
         "-1- i2",
         {"-2/2+1/2 i(16)^½", "-2/2-1/2 i(16)^½"},
         {"-1/1+1/2 i(16)^½", "-1/1-1/2 i(16)^½"}},
        {{"1", "2", "5", "0"},
         true,
         "-1+ i2",
         "-1- i2",
         {"-2/2+4/2 i(1)^½", "-2/2-4/2 i(1)^½"},
         {"-1/1+2/1 i(1)^½", "-1/1-2/1 i(1)^½"}},
        {{"-1", "-2", "-5", "0"},
         false,
         "-1+ i2",
         "-1- i2",
         {"-2/2+1/2 i(16)^½", "-2/2-1/2 i(16)^½"},
         {"-1/1+1/2 i(16)^½", "-1/1-1/2 i(16)^½"}},
        {{"1", "1", "1", "0"},
         true,
         "-0,5+ i0,866025403784439",
         "-0,5- i0,866025403784439",
         {"-1/2+1/2 i(3)^½", "-1/2-1/2 i(3)^½"},
         {"-1/2+1/2 i(3)^½", "-1/2-1/2 i(3)^½"}},
        {{"1", "-2", "10", "0"},
         true,
         "1+ i3",
         "1- i3",
         {"2/2+6/2 i(1)^½", "2/2-6/2 i(1)^½"},
         {"1/1+3/1 i(1)^½", "1/1-3/1 i(1)^½"}},
        // A real part that rounds to 0 does not reduce: no reduced form, no message.
        {{"1", "0", "4", "0"}, false, "0+ i2", "0- i2", {"0/2+1/2 i(16)^½", "0/2-1/2 i(16)^½"}, {"", ""}},
        {{"1", "0,3", "1", "0"},
         false,
         "-0,15+ i0,988685996664259",
         "-0,15- i0,988685996664259",
         {"-0,3/2+1/2 i(3,91)^½", "-0,3/2-1/2 i(3,91)^½"},
         {"", ""}},
        // 2a beyond 16 bits.
        {{"20000", "0", "20000", "0"},
         false,
         "0+ i1",
         "0- i1",
         {"0/40000+1/40000 i(1600000000)^½", "0/40000-1/40000 i(1600000000)^½"},
         {"", ""}},
    };
    for (const ComplexCase& c : cases) {
        SCOPED_TRACE(c.fields[0] + " | " + c.fields[1] + " | " + c.fields[2] + (c.simplify ? " simplified" : ""));
        const SolveResult result = run(c.fields, c.simplify);
        EXPECT_EQ(result.outcome, SolveOutcome::ComplexRoots);
        EXPECT_EQ(result.error, ErrorCode::None);
        EXPECT_EQ(result.solution1, c.solution1);
        EXPECT_EQ(result.solution2, c.solution2);
        EXPECT_EQ(result.exact.numerator, c.numerator);
        EXPECT_EQ(result.exact.reducedNumerator, c.reducedNumerator);
        EXPECT_EQ(result.exact.reducedDenominator, (Row{"Solución compleja", "Solución compleja"}));
        EXPECT_EQ(result.exact.denominator, (Row{"", ""}));
        EXPECT_FALSE(result.exact.leftColumnUncovered);
        EXPECT_EQ(result.exact.reducedRowUncovered, (std::array<bool, 2>{false, false}));
    }
}

struct NormalFormCase {
    Fields fields;
    FieldWrites writes;
    std::array<std::string, 3> normalForm;
    bool linearTermZero;
};

TEST(SolveNormalForm, FieldWritesAndWriteBack)
{
    const NormalFormCase cases[] = {
        {{"1", "1", "0", "6"}, {{2, "-6"}, {3, "0"}}, {"1", "1", "-6"}, false},
        {{"-1", "5", "-6", "0"}, {{0, "1"}, {1, "-5"}, {2, "6"}, {3, "0"}}, {"1", "-5", "6"}, false},
        {{"-2", "0", "3", "1,5"},
         {{2, "1,5"}, {3, "0"}, {0, "2"}, {1, "0"}, {2, "-1,5"}, {3, "0"}},
         {"2", "0", "-1,5"},
         true},
        // Texts never negated stay as typed.
        {{"2,50", "+3", "-8E0", "0,0"}, {}, {"2,50", "+3", "-8E0"}, false},
        // c − d is solved as the field shows it, rounded to 15 digits.
        {{"3", "0", "0", "0,1234567890123456789"},
         {{2, "-0,123456789012346"}, {3, "0"}},
         {"3", "0", "-0,123456789012346"},
         true},
    };
    for (const NormalFormCase& c : cases) {
        SCOPED_TRACE(c.fields[0] + " | " + c.fields[1] + " | " + c.fields[2] + " | " + c.fields[3]);
        const SolveResult result = run(c.fields);
        EXPECT_EQ(result.fieldWrites, c.writes);
        EXPECT_EQ(result.normalForm, c.normalForm);
        EXPECT_EQ(result.linearTermZero, c.linearTermZero);
        // Solving the fields as left behind changes no field and gives the same results.
        const SolveResult again = run({c.normalForm[0], c.normalForm[1], c.normalForm[2], "0"});
        EXPECT_TRUE(again.fieldWrites.empty());
        EXPECT_EQ(again.normalForm, c.normalForm);
        EXPECT_EQ(again.solution1, result.solution1);
        EXPECT_EQ(again.solution2, result.solution2);
    }
    // c − d exactly, rounded half away from zero.
    EXPECT_EQ(run({"1", "0", "-1", "0,000000000000005"}).fieldWrites,
              (FieldWrites{{2, "-1,00000000000001"}, {3, "0"}}));
    EXPECT_EQ(run({"1", "0", "1,00000000000000", "-0,000000000000005"}).fieldWrites,
              (FieldWrites{{2, "1,00000000000001"}, {3, "0"}}));
}

struct FailureCase {
    Fields fields;
    bool simplify;
    SolveOutcome outcome;
    ErrorCode error;
    std::size_t fieldWriteCount;
};

TEST(SolveFailures, NothingSolved)
{
    const FailureCase cases[] = {
        {{"0", "1", "1", "0"}, false, SolveOutcome::ZeroSquareCoefficient, ErrorCode::None, 0},
        {{"0,0", "1", "1", "5"}, false, SolveOutcome::ZeroSquareCoefficient, ErrorCode::None, 0},
        {{"-0", "1", "1", "0"}, false, SolveOutcome::ZeroSquareCoefficient, ErrorCode::None, 0},
        {{"1", "abc", "1", "0"}, false, SolveOutcome::NotANumber, ErrorCode::TypeMismatch, 0},
        {{"0", "1", "1", ""}, false, SolveOutcome::NotANumber, ErrorCode::TypeMismatch, 0},
        {{"1E200", "0", "1E200", "0"}, false, SolveOutcome::Cancelled, ErrorCode::Overflow, 0},  // radicand 4ac
        // 2a, and D in the root form: shown after the solutions, so no cancellation.
        {{"1E308", "1", "0", "0"}, false, SolveOutcome::TwoRealRoots, ErrorCode::Overflow, 0},
        {{"1E150", "1,3E154", "-2E157", "0"}, false, SolveOutcome::TwoRealRoots, ErrorCode::Overflow, 0},
        {{"1", "0", "1E308", "-1E308"}, false, SolveOutcome::Cancelled, ErrorCode::Overflow, 0},  // c − d
        // c − d fits, but its 15-digit text does not.
        {{"1", "0", "0", "-1,7976931348623157E308"}, false, SolveOutcome::Cancelled, ErrorCode::Overflow, 0},
        {{"1E-300", "-1E10", "0", "0"}, false, SolveOutcome::Cancelled, ErrorCode::Overflow, 0},  // solution 1
        {{"1", "0", "600000000", "0"}, true, SolveOutcome::Cancelled, ErrorCode::Overflow, 0},    // 32-bit radicand
        // Negating a < 0, or moving the right side, rounds a value next to the
        // largest double past it: cancelled, and no field is left holding a
        // text that is not a number (found by the solve fuzz target).
        {{"-1E-300", "0", "1,7976931348623157E308", "0"}, false, SolveOutcome::Cancelled, ErrorCode::Overflow, 0},
        {{"-3241", "1,7976931348623151E308", "08", "7"}, false, SolveOutcome::Cancelled, ErrorCode::Overflow, 2},
    };
    for (const FailureCase& c : cases) {
        SCOPED_TRACE(c.fields[0] + " | " + c.fields[1] + " | " + c.fields[2] + " | " + c.fields[3]);
        const SolveResult result = run(c.fields, c.simplify);
        EXPECT_EQ(result.outcome, c.outcome);
        EXPECT_EQ(result.error, c.error);
        EXPECT_EQ(result.fieldWrites.size(), c.fieldWriteCount);
        for (const auto& [field, text] : result.fieldWrites)
            EXPECT_TRUE(isNumeric(text, ',')) << "field " << field << ": " << text;
        if (c.outcome != SolveOutcome::TwoRealRoots) {
            EXPECT_EQ(result.solution1, "");
            EXPECT_EQ(result.solution2, "");
            EXPECT_EQ(result.exact.numerator, (Row{"", ""}));
            // Writing back what the fields hold leaves them as they were.
            using NormalForm = std::array<std::string, 3>;
            const NormalForm expected = c.outcome == SolveOutcome::NotANumber
                                            ? NormalForm{c.fields[0], c.fields[1], c.fields[2]}
                                            : NormalForm{};
            EXPECT_EQ(result.normalForm, expected);
        }
    }
}

TEST(SolveFailures, ComplexSolutionOverflowKeepsTheExactForms)
{
    const SolveResult result = run({"1E-320", "1E-11", "1E298", "0"});
    EXPECT_EQ(result.outcome, SolveOutcome::Cancelled);
    EXPECT_EQ(result.error, ErrorCode::Overflow);
    EXPECT_EQ(result.solution1, "");
    EXPECT_EQ(result.exact.reducedDenominator, (Row{"Solución compleja", "Solución compleja"}));
    EXPECT_EQ(result.exact.numerator[0].rfind("-1E-11/", 0), 0u) << result.exact.numerator[0];
    EXPECT_EQ(result.exact.reducedNumerator, (Row{"", ""}));
}

}  // namespace
}  // namespace trx
