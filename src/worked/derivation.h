// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The worked solution: how a textbook gets from the equation as typed to its
// simplest exact solutions.  The four coefficient texts of a·x² + b·x + c = d
// go in, a list of steps comes out, each a short sentence and a formula (see
// formula.h).  The sentences are Spanish, made of templates that the window
// translates (translatable.h).  Everything is exact: the typed decimals are
// scaled to integers, and the discriminant, the roots, the factored and
// vertex forms and the check are worked on GMP's integers and rationals.
// Only the decimal values are rounded, and they say so with "≈".
//
// The window (shell/desarrollo.h) shows the steps and copies them in the
// three forms of working.h.

#include "worked/working.h"

#include <array>
#include <string>
#include <vector>

namespace trx {

// Nothing when a text is not a number or a = 0.
std::vector<WorkedStep> deriveSolution(const std::array<std::string, 4>& fields, char separator);

}  // namespace trx
