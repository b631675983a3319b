// SPDX-License-Identifier: GPL-3.0-or-later
#include "exact/exact_decimal.h"

#include <gtest/gtest.h>

#include <string>

namespace {

// The significand and the exponent taken from a text.
std::string exactly(const char* text, char separator = ',')
{
    const auto value = trx::parseExactDecimal(text, separator);
    return value ? value->significand.get_str() + "E" + std::to_string(value->exponent) : "refused";
}

TEST(ExactDecimal, TakesTheTypedDigitsExactly)
{
    const std::pair<const char*, const char*> cases[] = {{"0,1", "1E-1"},
                                                         {"-2,50", "-25E-1"},
                                                         {"+1200", "12E2"},
                                                         {"1,5e-3", "15E-4"},
                                                         {",5", "5E-1"},
                                                         {"-0,000", "0E0"},
                                                         {"0E+99999999999999999999", "0E0"},
                                                         {"6779951100,000001", "6779951100000001E-6"},
                                                         {"4,9406564584124654E-324", "49406564584124654E-340"},
                                                         {"1,7976931348623157E+308", "17976931348623157E292"}};
    for (const auto& [text, expected] : cases) {
        EXPECT_EQ(exactly(text), expected) << text;
    }
    EXPECT_EQ(exactly("1.5E+3", '.'), "15E2");
}

TEST(ExactDecimal, RefusesWhatTheNumericTestRefuses)
{
    for (const char* text : {"", "-", "1,2,3", "1.5", "1E", "1E999", "1E-400", "inf", "nan", " 1"}) {
        EXPECT_EQ(exactly(text), "refused") << text;
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

}  // namespace
