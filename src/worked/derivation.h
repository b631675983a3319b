// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The worked solution: how a textbook gets from the equation as typed to its
// simplest exact solutions, by the method a teacher would choose or by any
// other that applies.  The four coefficient texts of a·x² + b·x + c = d go
// in, a list of steps comes out, each a short sentence and a formula (see
// formula.h).  The sentences are Spanish, made of templates that the window
// translates (translatable.h).  Everything is exact: the typed decimals are
// scaled to integers, and the roots, the factored and vertex forms and the
// check are worked on GMP's integers and rationals.  Only the decimal values
// are rounded, and they say so with "≈".  Every method ends with the same
// steps: the simplest solutions, their decimals, the factored and vertex
// forms, the parabola's vertex, axis and y-intercept, and the check.
//
// The window (desarrollo/desarrollo.h) shows the steps and copies them in the
// three forms of working.h.

#include "formula/working.h"
#include "worked/method.h"

#include <array>
#include <string>
#include <vector>

namespace trx {

// The methods that apply, the one a teacher would use first; completing the
// square and the formula are always there.  Empty when the texts make no
// quadratic equation.
std::vector<Method> applicableMethods(const std::array<std::string, 4>& fields, char separator,
                                      const TypedShape* shape = nullptr);

// By the method a teacher would use first for the four texts alone (a typed
// shape needs the form below, with applicableMethods(…).front()).  Nothing
// when a text is not a number or a = 0.
std::vector<WorkedStep> deriveSolution(const std::array<std::string, 4>& fields, char separator);
// By the given method; by the formula when that method does not apply.
std::vector<WorkedStep> deriveSolution(const std::array<std::string, 4>& fields, char separator, Method method,
                                       const TypedShape* shape = nullptr);

}  // namespace trx
