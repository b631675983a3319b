// SPDX-License-Identifier: GPL-3.0-or-later
// Quadratic inequalities: the solution as written and as data for the plot,
// for each relation over two roots, a double root and none, both signs of a.

#include "worked/inequality.h"

#include <gtest/gtest.h>

#include <cmath>
#include <cstdio>
#include <string>

namespace {

using trx::Relation;

// The shading the plot gets, as a reader checks it: [2, 3], (-inf, 1) U (1, +inf)…
std::string end(double value)
{
    char text[32] = "+inf";
    if (!std::isinf(value))
        std::snprintf(text, sizeof text, "%.4g", value);
    return value < 0 && std::isinf(value) ? "-inf" : text;
}

std::string described(const trx::SolutionSet& set)
{
    std::string out;
    for (const trx::plot::Shade& part : trx::shading(set))
        out += std::string(out.empty() ? "" : " U ") + (part.lowClosed ? "[" : "(") + end(part.low) + ", " +
               end(part.high) + (part.highClosed ? "]" : ")");
    return out.empty() ? "empty" : out;
}

struct InequalityCase {
    long a, b, c;
    Relation relation;
    const char* intervals;
    const char* set;
    const char* data;
};

const InequalityCase kCases[] = {
    {1, -5, 6, Relation::Less, "(2, 3)", "{x ∈ ℝ: 2 < x < 3}", "(2, 3)"},
    {1, -5, 6, Relation::Greater, "(−∞, 2) ∪ (3, +∞)", "{x ∈ ℝ: x < 2} ∪ {x ∈ ℝ: x > 3}", "(-inf, 2) U (3, +inf)"},
    {1, -5, 6, Relation::LessOrEqual, "[2, 3]", "{x ∈ ℝ: 2 ≤ x ≤ 3}", "[2, 3]"},
    {1, -5, 6, Relation::GreaterOrEqual, "(−∞, 2] ∪ [3, +∞)", "{x ∈ ℝ: x ≤ 2} ∪ {x ∈ ℝ: x ≥ 3}",
     "(-inf, 2] U [3, +inf)"},
    // a < 0 turns the signs round; irrational ends stay exact.
    {-1, 1, 1, Relation::Greater, "((1 − √5)/2, (1 + √5)/2)", "{x ∈ ℝ: (1 − √5)/2 < x < (1 + √5)/2}",
     "(-0.618, 1.618)"},
    {-1, 1, 1, Relation::LessOrEqual, "(−∞, (1 − √5)/2] ∪ [(1 + √5)/2, +∞)",
     "{x ∈ ℝ: x ≤ (1 − √5)/2} ∪ {x ∈ ℝ: x ≥ (1 + √5)/2}", "(-inf, -0.618] U [1.618, +inf)"},
    // A double root.
    {1, -2, 1, Relation::LessOrEqual, "{1}", "{1}", "[1, 1]"},
    {1, -2, 1, Relation::Less, "∅", "∅", "empty"},
    {1, -2, 1, Relation::Greater, "(−∞, 1) ∪ (1, +∞)", "{x ∈ ℝ: x ≠ 1}", "(-inf, 1) U (1, +inf)"},
    {1, -2, 1, Relation::GreaterOrEqual, "ℝ", "ℝ", "(-inf, +inf)"},
    {-4, 4, -1, Relation::GreaterOrEqual, "{1/2}", "{1/2}", "[0.5, 0.5]"},
    // No real root.
    {1, 0, 1, Relation::Greater, "ℝ", "ℝ", "(-inf, +inf)"},
    {1, 0, 1, Relation::Less, "∅", "∅", "empty"},
    {-2, 1, -1, Relation::LessOrEqual, "ℝ", "ℝ", "(-inf, +inf)"},
};

TEST(Inequality, SolvesEachRelationAsIntervalsAndAsASet)
{
    for (const InequalityCase& example : kCases) {
        const trx::InequalityWorking working = trx::solveInequality(example.a, example.b, example.c, example.relation);
        const std::string copy = trx::workingPlainText(working.steps);
        const std::string name = std::to_string(example.a) + " " + std::to_string(example.b) + " " +
                                 std::to_string(example.c) + " " + std::to_string(static_cast<int>(example.relation));
        for (const std::string& line : {std::string("intervalos:\n    ") + example.intervals + "\n",
                                        std::string("conjunto:\n    ") + example.set + "\n"})
            EXPECT_NE(copy.find(line), std::string::npos) << name << "\n" << copy;
        EXPECT_EQ(described(working.solution), example.data) << name;
    }
}

// The sign table reads along the axis; a typed −x² + 5x − 4 ≥ 2 is worked
// with its own sign of a after the equation's working.
TEST(Inequality, FollowsTheEquationWithTheSignTable)
{
    const auto working =
        trx::deriveInequality({"-1", "5", "-4", "2"}, ',', Relation::GreaterOrEqual, trx::Method::SumAndProduct);
    ASSERT_TRUE(working);
    const std::string copy = trx::workingPlainText(working->steps);
    const std::size_t solutions = copy.find("x₁ = 3, x₂ = 2");
    const std::size_t table = copy.find("−x² + 5x − 6 ≥ 0\n");
    EXPECT_LT(solutions, table) << copy;
    EXPECT_NE(copy.find("x < 2: −, x = 2: 0, 2 < x < 3: +, x = 3: 0, x > 3: −"), std::string::npos) << copy;
    EXPECT_EQ(described(working->solution), "[2, 3]");
    EXPECT_FALSE(trx::deriveInequality({"0", "5", "-4", "2"}, ',', Relation::Less, trx::Method::Formula));
}

}  // namespace
