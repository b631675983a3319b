// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The notation command: the coefficient fields and the solutions' copies
// rewritten in scientific or fixed form.

#include <array>
#include <string>

namespace trx {

struct NotationTexts {
    std::array<std::string, 4> fields;
    std::array<std::string, 2> solutions;  // as shown, the copies' source
    std::array<std::string, 2> copies;
    // The copies hold the scientific form that a solve wrote since the last
    // switch, rather than what an earlier switch to fixed form left.
    bool copiesFromSolve = false;
};

// The texts after switching to `scientific` (or to fixed form); a text that
// is not a number stays as it is.
NotationTexts switchNotation(NotationTexts texts, bool scientific, char separator);

}  // namespace trx
