// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The Opciones commands that replace a field's number by a function of
// itself: times or over π, squared, raised to a power, its reciprocal.

#include "core/run_time_error.h"

#include <string>
#include <string_view>

namespace trx {

enum class ValueCommand { TimesPi, OverPi, Square, Power, Reciprocal };

// The field's new text, or the error that leaves the field as it was.
struct ValueOutcome {
    std::string text;
    ErrorCode error = ErrorCode::None;
};

// `exponent` is read by Power only.  A text that is not a number is a type
// mismatch; a result beyond the double range an overflow; 1/0 and 0 to a
// negative power a division by zero; a power without a real value (a
// negative base, a fractional exponent) an invalid argument.
ValueOutcome applyValueCommand(ValueCommand command, std::string_view fieldText, char separator, double exponent = 0);

}  // namespace trx
