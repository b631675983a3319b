// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The pieces of the equation reader that its files share: the parser and
// the exact expansion of a typed expression into a polynomial.

#include "equation/equation.h"

#include <array>

namespace trx {

// The tree of the text, or nothing with `error` set.
std::optional<TypedEquation> parseEquation(std::string_view text, EquationError& error);

// Coefficients of 1, x and x², in that order.
using Polynomial = std::array<mpq_class, 3>;

struct Expansion {
    std::optional<EquationError> error;  // set when the expansion stopped
    // The notable products used, each once, in the order met.
    std::vector<const char*> identities;
};

// The exact value of an expression as a polynomial; nothing when a divisor
// is zero or a number grows too large (see `notes.error`).
std::optional<Polynomial> expand(const Expression& expression, Expansion& notes);

// The normal form of a quadratic by a fast path (machine integers over one
// common denominator, reduced as they go) that builds no steps.  Nothing when
// a number outgrows that path, a divisor is zero or the degree is below 2:
// the exact expansion then decides, and says why.
std::optional<NormalForm> quickNormalForm(const TypedEquation& equation);

// The highest power with a nonzero coefficient; 0 for the zero polynomial.
int degreeOf(const Polynomial& polynomial);

// scaled / 10^places, scaled ≥ 0, with `places` decimals: "0,50".
std::string decimalText(const mpz_class& scaled, int places, char separator);

// A sentence of the context "Equation" without arguments.
EquationError equationError(std::size_t column, const char* pattern, std::vector<std::string> arguments = {});

}  // namespace trx
