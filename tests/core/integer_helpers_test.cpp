// SPDX-License-Identifier: GPL-3.0-or-later
#include "solver/integer_helpers.h"
#include "solver/run_time_error.h"

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
    } cases[] = {
        {12, 2},
        {16, 4},
        {72, 6},
        {8, 2},
        {180, 6},
        {1000000, 1000},
        {97, 1},
        {1, 1},
        {0, 1},
        {-36, 1},
        {4, 2},
        {9, 3},
        {18, 3},
        {2, 1},
        {2147483647, 1},
        {1073741824, 32768},
        {2147395600, 46340},
        {2147483646, 3},
        {46337 * 46337, 46337},
        {2 * 32749 * 32749, 32749},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(Descomponer(c.num), c.expected) << c.num;
    }
}

TEST(IntegerConversions, NearestTiesToEvenAndRange)
{
    const struct {
        double value;
        std::optional<std::int16_t> expected;  // nullopt: overflow
    } cases16[] = {
        {2.5, 2},
        {3.5, 4},
        {-2.5, -2},
        {0.5, 0},
        {-0.5, 0},
        {1.4999, 1},
        {32767.4, 32767},
        {32766.5, 32766},
        {32767.5, std::nullopt},
        {-32768.5, -32768},
        {-32768.6, std::nullopt},
        {1e300, std::nullopt},
    };
    for (const auto& c : cases16) {
        if (c.expected) {
            EXPECT_EQ(toInt16(c.value), *c.expected) << c.value;
        } else {
            EXPECT_EQ(failureOf([&] { toInt16(c.value); }), ErrorCode::Overflow) << c.value;
        }
    }
    EXPECT_EQ(toInt32(2147483647.4), 2147483647);
    EXPECT_EQ(toInt32(-2147483648.5), -2147483647 - 1);
    EXPECT_EQ(toInt32(40000.5), 40000);
    EXPECT_EQ(failureOf([] { toInt32(2147483647.5); }), ErrorCode::Overflow);
    EXPECT_EQ(failureOf([] { toInt32(-2147483649.0); }), ErrorCode::Overflow);
}

}  // namespace
}  // namespace trx
