// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Quadratic inequalities: a·x² + b·x + c compared with 0.  Once the equation
// is solved, the sign of the polynomial on each interval between its real
// roots gives the solution, written as intervals and as a set, and handed
// over as plain data so that the plot can shade it.

#include "exact/plot_view.h"
#include "worked/derivation.h"
#include "worked/relation.h"

namespace trx {

// rational + coefficient·√radicand, exact.
struct ExactPoint {
    mpq_class rational;
    mpq_class coefficient;
    mpz_class radicand = 1;

    double approximate() const;  // for drawing
};

// Between two points, or to −∞ / +∞ where a point is missing.  A single
// point is an interval closed at both ends with low == high.
struct Interval {
    std::optional<ExactPoint> low, high;
    bool lowClosed = false, highClosed = false;
};

// The solutions in increasing order: none is ∅, one with no ends is ℝ.
struct SolutionSet {
    std::vector<Interval> intervals;
};

struct InequalityWorking {
    std::vector<WorkedStep> steps;  // to follow the equation's working; the last writes the set

    SolutionSet solution;
};

// The solution as the plot shades it, the ends approximated.
std::vector<plot::Shade> shading(const SolutionSet& solution);

// a·x² + b·x + c (relation) 0, with whole coefficients of either sign, a ≠ 0.
// `relation` is one of the four inequalities, not Equal.
InequalityWorking solveInequality(const mpz_class& a, const mpz_class& b, const mpz_class& c, Relation relation);

// a·x² + b·x + c (relation) d from the four typed texts: the working of the
// equation by the given method, then the inequality's steps on its normal form
// with a's sign as typed, so that the relation never turns round.  Nothing
// when a text is not a number or a = 0.
std::optional<InequalityWorking> deriveInequality(const std::array<std::string, 4>& fields, char separator,
                                                  Relation relation, Method method, const TypedShape* shape = nullptr);

}  // namespace trx
