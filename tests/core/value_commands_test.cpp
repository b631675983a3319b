// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/value_commands.h"

#include <gtest/gtest.h>

namespace trx {
namespace {

struct ValueCase {
    ValueCommand command;
    const char* text;
    double exponent;
    const char* result;  // empty on an error
    ErrorCode error;
};

TEST(ValueCommands, ReplaceTheNumberOrSayWhyNot)
{
    using C = ValueCommand;
    const ValueCase cases[] = {
        {C::TimesPi, "2", 0, "6,28318530717958", ErrorCode::None},
        {C::OverPi, "1", 0, "0,318309886183791", ErrorCode::None},
        {C::Square, "-3", 0, "9", ErrorCode::None},
        {C::Square, "1E+200", 0, "", ErrorCode::Overflow},
        {C::Square, "1,3407807929942596E+154", 0, "1,7976931348623155E+308", ErrorCode::None},
        {C::Power, "2", 0.5, "1,4142135623731", ErrorCode::None},
        {C::Power, "-8", 0.5, "", ErrorCode::InvalidArgument},
        {C::Power, "0", -1, "", ErrorCode::DivisionByZero},
        {C::Reciprocal, "2,5", 0, "0,4", ErrorCode::None},
        {C::Reciprocal, "0", 0, "", ErrorCode::DivisionByZero},
        {C::Reciprocal, "1E-310", 0, "", ErrorCode::Overflow},
        {C::Reciprocal, "-", 0, "", ErrorCode::TypeMismatch},
    };
    for (const ValueCase& c : cases) {
        SCOPED_TRACE(c.text);
        const ValueOutcome outcome = applyValueCommand(c.command, c.text, ',', c.exponent);
        EXPECT_EQ(outcome.text, c.result);
        EXPECT_EQ(outcome.error, c.error);
    }
    EXPECT_EQ(applyValueCommand(C::OverPi, "1", '.').text, "0.318309886183791");
}

}  // namespace
}  // namespace trx
