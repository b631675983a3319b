// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The worked solution: how a textbook gets from the equation as typed to its
// simplest exact solutions.  The four coefficient texts of a·x² + b·x + c = d
// go in, a list of steps comes out, each a short Spanish sentence and a
// formula (see formula.h).  Everything is exact: the typed decimals are
// scaled to integers, and the discriminant, the roots, the factored and
// vertex forms and the check are worked on GMP's integers and rationals.
// Only the decimal values are rounded, and they say so with "≈".
//
// The window (shell/desarrollo.h) shows the steps and copies them in the
// three forms below.

#include "worked/formula.h"

#include <array>
#include <string>
#include <vector>

namespace trx {

struct WorkedStep {
    std::string sentence;
    math::Node formula;
};

// Nothing when a text is not a number or a = 0.
std::vector<WorkedStep> deriveSolution(const std::array<std::string, 4>& fields, char separator);

std::string workingPlainText(const std::vector<WorkedStep>& steps);
std::string workingLatex(const std::vector<WorkedStep>& steps);
// One <math> element with the MathML namespace, a table of sentences and formulas.
std::string workingMathml(const std::vector<WorkedStep>& steps);

}  // namespace trx
