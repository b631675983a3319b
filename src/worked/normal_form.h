// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// From the four typed texts of a·x² + b·x + c = d to the normal form with
// whole coefficients and no common factor, each change a step.

#include "worked/notation.h"

#include <optional>

namespace trx::worked {

struct NormalForm {
    mpz_class a, b, c;     // a > 0, gcd(a, b, c) = 1
    bool negated = false;  // multiplied by −1 on the way: a typed inequality turns round
};

// Nothing when a text is not a number or a = 0.
std::optional<NormalForm> normalForm(const std::array<std::string, 4>& fields, char separator, StepList& steps);

Node equation(const NormalForm& form);  // a·x² + b·x + c = 0

}  // namespace trx::worked
