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
// The window (shell/desarrollo.h) shows the steps and copies them in the
// three forms of working.h.

#include "worked/working.h"

#include <gmpxx.h>

#include <array>
#include <optional>
#include <string>
#include <vector>

namespace trx {

enum class Method {
    IsolatingTheSquare,   // b = 0: x² = −c/a, then its square root
    CommonFactor,         // c = 0: x(a·x + b) = 0
    ZeroProduct,          // typed as a product of two factors equal to zero
    SquareRoot,           // typed as a·(x − h)² + k = 0 or (x − h)² = k
    SumAndProduct,        // a = 1, whole solutions, |c| small: x₁ + x₂ = −b, x₁·x₂ = c
    CompletingTheSquare,  // always applies
    Formula,              // always applies
};

// The method's name, a Spanish template in the "Derivation" context.
const char* methodName(Method method);

// How the equation was typed, when the equation reader recognised one of
// these shapes.  The methods that work on the typed shape apply only when it
// is given and has the same solutions as the four coefficients.
struct LinearFactor {
    mpq_class slope;     // p in p·x + q, not 0
    mpq_class constant;  // q
};
// constant·(first)·(second) = 0, as in (x − 3)(2x + 1) = 0 or 2x(x + 1) = 0.
struct TypedProduct {
    mpq_class constant = 1;
    LinearFactor first, second;
};
// scale·(x − shift)² = value: (x − 2)² = 9 is {1, 2, 9};
// 2(x + 1)² − 8 = 0 is {2, −1, 8}.
struct TypedSquare {
    mpq_class scale = 1;
    mpq_class shift;
    mpq_class value;
};
struct TypedShape {
    std::optional<TypedProduct> product;
    std::optional<TypedSquare> square;
};

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
