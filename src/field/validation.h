// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The coefficient fields before a solve: what an empty field (or a bare "-")
// means in written algebra, and the first field that is not a number.

#include <array>
#include <optional>
#include <string>

namespace trx {

struct CheckedFields {
    std::array<std::string, 4> texts;  // with the defaults written in
    std::optional<int> firstBad;       // the index of the first field that is not a number
};

// `linearTerm`: whether the field of x is in use; when it is not, it holds 0.
CheckedFields ComprobarDatos(std::array<std::string, 4> texts, bool linearTerm, char separator);

}  // namespace trx
