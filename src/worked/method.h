// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The methods of solving that the worked solution knows, and the shapes of
// a typed equation that some of them start from.

#include <gmpxx.h>

#include <optional>

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

}  // namespace trx
