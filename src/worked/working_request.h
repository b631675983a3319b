// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// What the worked solution is asked to work: the four coefficient fields as
// solved and, when the equation was typed whole, how it was typed.

#include "formula/working.h"
#include "worked/method.h"
#include "worked/relation.h"

#include <array>
#include <optional>
#include <string>
#include <vector>

namespace trx {

// An equation typed whole (the Ecuación window): the working starts from it.
struct TypedOrigin {
    std::vector<WorkedStep> steps;        // the equation as typed, brought to normal form
    TypedShape shape;                     // for the methods that start from a typed product or square
    Relation relation = Relation::Equal;  // an inequality is worked after its equation
};

struct WorkingRequest {
    std::array<std::string, 4> fields;  // a, b, c, d as solved
    char separator = ',';
    std::optional<TypedOrigin> typed;
};

}  // namespace trx
