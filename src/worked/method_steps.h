// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Each method's own steps, from the normal form (or the equation as typed) to
// its solutions, and the ending they all share.

#include "worked/method.h"
#include "worked/normal_form.h"
#include "worked/roots.h"

#include <utility>

namespace trx::worked {

Solutions byFormula(const NormalForm& form, StepList& steps);
Solutions byCompletingTheSquare(const NormalForm& form, StepList& steps);
Solutions byIsolatingTheSquare(const NormalForm& form, StepList& steps);
Solutions byCommonFactor(const NormalForm& form, StepList& steps);
Solutions bySumAndProduct(const NormalForm& form, StepList& steps);
Solutions byZeroProduct(const TypedProduct& product, StepList& steps);
Solutions bySquareRoot(const TypedSquare& square, StepList& steps);

// The two whole solutions that sum and product find, when a = 1 and |c| is small.
std::optional<std::pair<mpz_class, mpz_class>> wholeRootsBySumAndProduct(const NormalForm& form);

// "Método: …" and the formula the method starts from.
void announce(Method method, Node formula, StepList& steps);

// From (x − h)² = value to x = h ± √value, simplified, complex when value < 0.
Solutions squareRootOfBothSides(const mpq_class& h, const mpq_class& value, StepList& steps);

// What every method ends with: the simplest solutions, their decimal values,
// the factored and vertex forms, the parabola and the check.
void finishWorking(const NormalForm& form, const Solutions& solutions, char separator, StepList& steps);

}  // namespace trx::worked
