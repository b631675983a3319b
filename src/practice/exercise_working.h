// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// An exercise as the worked solution draws it: the equation as a formula,
// its solutions as the key of a worksheet writes them, and its whole
// working, from the equation as proposed (expanded first when it is a
// product or a square) to the simplest solutions.

#include "formula/working.h"
#include "practice/exercise_generator.h"

#include <vector>

namespace trx::practice {

// The equation as proposed: "(x − 3)(2x + 1) = 0" with its brackets.
math::Node exerciseFormula(const Exercise& exercise, char separator);

// "x₁ = 2, x₂ = 3/2", "x = (1 ± √5)/2", "x = 5" (a double root).
math::Node solutionsFormula(const Exercise& exercise);

// Every step, the equation's own reading to normal form first when it was
// not proposed in it; sentences in Spanish until translated.
std::vector<WorkedStep> exerciseWorking(const Exercise& exercise, char separator);

}  // namespace trx::practice
