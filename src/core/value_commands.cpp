// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/value_commands.h"

#include "core/number_text.h"

#include <cmath>

namespace trx {

namespace {

// The program's π: the double nearest 3,14159265358979.
constexpr double kPi = 3.14159265358979;

double valueOf(ValueCommand command, double x, double exponent)
{
    switch (command) {
    case ValueCommand::TimesPi:
        return x * kPi;
    case ValueCommand::OverPi:
        return x / kPi;
    case ValueCommand::Square:
        return x * x;
    case ValueCommand::Power:
        return std::pow(x, exponent);
    case ValueCommand::Reciprocal:
        break;
    }
    return 1 / x;
}

}  // namespace

ValueOutcome applyValueCommand(ValueCommand command, std::string_view fieldText, char separator, double exponent)
{
    const std::optional<double> x = parseNumber(fieldText, separator);
    if (!x)
        return {{}, ErrorCode::TypeMismatch};
    if (command == ValueCommand::Reciprocal && *x == 0)
        return {{}, ErrorCode::DivisionByZero};
    const double result = valueOf(command, *x, exponent);
    if (std::isnan(result))
        return {{}, ErrorCode::InvalidArgument};
    if (std::isinf(result)) {
        const bool zeroToNegative = command == ValueCommand::Power && *x == 0;
        return {{}, zeroToNegative ? ErrorCode::DivisionByZero : ErrorCode::Overflow};
    }
    return {editableNumberText(result, separator), ErrorCode::None};
}

}  // namespace trx
