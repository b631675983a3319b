// SPDX-License-Identifier: GPL-3.0-or-later
#include "solver/exact_decimal.h"

#include <gtest/gtest.h>

#include <string>

namespace {

struct ExactCase {
    const char* text;
    char separator;
    const char* significand;
    long exponent;
};

TEST(ExactDecimal, TakesTheTypedDigitsExactly)
{
    const ExactCase cases[] = {
        {"0,1", ',', "1", -1},
        {"-2,50", ',', "-25", -1},
        {"+1200", ',', "12", 2},
        {"1.5E+3", '.', "15", 2},
        {"1,5e-3", ',', "15", -4},
        {",5", ',', "5", -1},
        {"5,", ',', "5", 0},
        {"-0,000", ',', "0", 0},
        {"0E-2147483648", ',', "0", 0},
        {"0E+99999999999999999999", ',', "0", 0},
        {"6779951100,000001", ',', "6779951100000001", -6},
        {"4,9406564584124654E-324", ',', "49406564584124654", -340},
        {"1,7976931348623157E+308", ',', "17976931348623157", 292},
    };
    for (const auto& c : cases) {
        const auto value = trx::parseExactDecimal(c.text, c.separator);
        ASSERT_TRUE(value) << c.text;
        EXPECT_EQ(value->significand.get_str(), c.significand) << c.text;
        EXPECT_EQ(value->exponent, c.exponent) << c.text;
    }
}

TEST(ExactDecimal, RefusesWhatTheNumericTestRefuses)
{
    for (const char* text : {"", "-", "1,2,3", "1.5", "1E", "1E999", "1E-400", "inf", "nan", " 1"}) {
        EXPECT_FALSE(trx::parseExactDecimal(text, ',')) << text;
    }
}

TEST(ExactDecimal, ExactArithmetic)
{
    const auto exact = [](const std::string& text) { return *trx::parseExactDecimal(text, ','); };
    const auto same = [](const trx::ExactDecimal& x, const trx::ExactDecimal& y) {
        return x.significand == y.significand && x.exponent == y.exponent;
    };
    EXPECT_TRUE(same(exact("0,1") + exact("0,2"), exact("0,3")));
    EXPECT_TRUE(same(exact("1E300") - exact("-1E-300"), exact("1" + std::string(599, '0') + "1E-300")));
    EXPECT_TRUE(same(exact("2,5") * exact("-0,4"), exact("-1")));  // trailing zeros go to the exponent
    EXPECT_TRUE(same(exact("0,7") - exact("0,7"), trx::ExactDecimal{}));
    EXPECT_TRUE(same(*trx::exactSquareRoot(exact("0,09")), exact("0,3")));
    EXPECT_TRUE(same(*trx::exactSquareRoot(exact("4E-6")), exact("2E-3")));
    EXPECT_FALSE(trx::exactSquareRoot(exact("0,9")));
    EXPECT_FALSE(trx::exactSquareRoot(exact("2")));
}

TEST(ExactDecimal, RationalValue)
{
    EXPECT_EQ(trx::parseExactDecimal("-0,25", ',')->toRational(), mpq_class(-1, 4));
    EXPECT_EQ(trx::parseExactDecimal("1,5E+3", ',')->toRational(), mpq_class(1500));
}

}  // namespace
