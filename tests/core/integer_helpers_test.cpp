// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/integer_helpers.h"
#include "core/run_time_error.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <functional>
#include <optional>

namespace trx {
namespace {

// The error code a call fails with, or nullopt when it succeeds.
std::optional<ErrorCode> failureOf(const std::function<void()>& call)
{
    try {
        call();
    } catch (const RunTimeError& error) {
        return error.code();
    }
    return std::nullopt;
}

TEST(Euclides, DivisorAndSignOfTheRemainderSequence)
{
    const struct {
        std::int16_t a, b, expected;
    } cases[] = {
        {12, 18, 6},  {18, 12, 6}, {1, 9, 1},   {4, 2, 2},        {7, 7, 7},           {-4, -4, -4},
        {-4, -6, -2}, {4, -6, -2}, {-4, 6, 2},  {-2, 2, -2},      {-4, 2, 2},          {-9, 6, -3},
        {-6, 9, 3},   {0, -5, -5}, {-5, 0, -5}, {-32768, -1, -1}, {32767, -32768, -1}, {-32768, 0, -32768},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(Euclides(c.a, c.b), c.expected) << c.a << ", " << c.b;
    }
}

TEST(Euclides, ZeroSmallerArgumentIsADivisionByZero)
{
    const std::int16_t cases[][2] = {{0, 2}, {2, 0}, {5, 0}, {0, 0}, {0, 32767}};
    for (const auto& c : cases) {
        EXPECT_EQ(failureOf([&] { Euclides(c[0], c[1]); }), ErrorCode::DivisionByZero) << c[0] << ", " << c[1];
    }
}

TEST(Descomponer, LargestSquareFactor)
{
    const struct {
        std::int32_t num, expected;
    } cases[] = {{12, 2},
                 {0, 1},
                 {-36, 1},
                 {1000000, 1000},
                 {2147483647, 1},
                 {1073741824, 32768},
                 {2147395600, 46340},
                 {2147483646, 3},
                 {2147117569, 46337},
                 {2144994002, 32749}};
    for (const auto& [num, expected] : cases) {
        EXPECT_EQ(Descomponer(num), expected) << num;
    }
}

TEST(IntegerConversions, NearestTiesToEvenAndRange)
{
    // No value: an overflow.
    const std::pair<double, std::optional<std::int16_t>> cases16[] = {
        {2.5, 2},         {3.5, 4},         {-2.5, -2},    {0.5, 0},           {-0.5, 0},      {1.4999, 1},
        {32767.4, 32767}, {32766.5, 32766}, {32767.5, {}}, {-32768.5, -32768}, {-32768.6, {}}, {1e300, {}}};
    for (const auto& [value, expected] : cases16) {
        if (expected) {
            EXPECT_EQ(toInt16(value), *expected) << value;
        } else {
            EXPECT_EQ(failureOf([&] { toInt16(value); }), ErrorCode::Overflow) << value;
        }
    }
    EXPECT_EQ(toInt32(2147483647.4), 2147483647);
    EXPECT_EQ(toInt32(-2147483648.5), -2147483647 - 1);
    EXPECT_EQ(failureOf([] { toInt32(2147483647.5); }), ErrorCode::Overflow);
    EXPECT_EQ(failureOf([] { toInt32(-2147483649.0); }), ErrorCode::Overflow);
}

}  // namespace
}  // namespace trx
