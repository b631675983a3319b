// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The two display formats of the scientific-notation option.  Both take a
// text and return its reformatted text; a text that is not a number (see
// parseNumber) comes back unchanged.

#include <string>
#include <string_view>

namespace trx {

// One digit, the separator, two decimals, "E", sign and at least two
// exponent digits: 1234,5 -> 1,23E+03; 0 -> 0,00E+00.
std::string scientificForm(std::string_view text, char separator);

// At least one and at most fifteen decimals, no grouping: 1,23E+03 -> 1230,0;
// 2 -> 2,0; 0,5 -> 0,5.
std::string fixedForm(std::string_view text, char separator);

}  // namespace trx
