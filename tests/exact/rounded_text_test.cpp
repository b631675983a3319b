// SPDX-License-Identifier: GPL-3.0-or-later
#include "exact/rounded_text.h"

#include <gtest/gtest.h>

#include <string>

namespace trx {
namespace {

// A number text, or a product of them ("1E-300*2E-300") for values that no
// single text reaches.
ExactDecimal exact(const std::string& text)
{
    const std::size_t times = text.find('*');
    if (times != std::string::npos) {
        return exact(text.substr(0, times)) * exact(text.substr(times + 1));
    }
    return *parseExactDecimal(text, ',');
}

TEST(RoundedText, DecimalsAndQuotientsRoundHalfAwayFromZero)
{
    struct Case {
        const char* numerator;
        const char* denominator;
        const char* text;
    };
    const Case cases[] = {
        {"0,1234567890123455", "1", "0,123456789012346"},
        {"0,12345678901234549999", "1", "0,123456789012345"},
        {"9,999999999999995", "1", "10"},
        {"-999999999999999,5", "1", "-1E+15"},
        {"0,00001", "1", "1E-05"},
        {"0,0001", "1", "0,0001"},
        {"1", "3", "0,333333333333333"},
        {"2,46913578024691", "-2", "-1,23456789012346"},  // exactly halfway
        {"1E-300", "7E+300", "1,42857142857143E-601"},
        {"0", "-5", "0"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(std::string(c.numerator) + " / " + c.denominator);
        const ExactDecimal numerator = exact(c.numerator);
        const ExactDecimal denominator = exact(c.denominator);
        EXPECT_EQ(roundedText(DecimalQuotient{numerator, denominator}, ','), c.text);
        if (std::string(c.denominator) == "1") {
            EXPECT_EQ(roundedText(numerator, ','), c.text);
        }
    }
}

TEST(RoundedText, IrrationalRoots)
{
    struct Case {
        const char* u;
        const char* v;
        int rootSign;
        const char* w;
        const char* text;
        bool precise;  // the extended doubles cannot decide it
    };
    const Case cases[] = {
        {"-2", "8", 1, "1", "0,82842712474619", false},  // −2 + √8 cancels
        {"-2", "8", -1, "2", "-2,4142135623731", false},
        // √345520 / 2 = 293,904746474091499998 and √324396 / 2 = 284,7788615750825000127.
        {"0", "345520", 1, "2", "293,904746474091", true},
        {"0", "324396", -1, "-2", "284,778861575083", true},
        // Beyond the range of the extended doubles' table of powers.
        {"0", "2E-300*1E-300*1E-300*1E-100", 1, "1", "1,4142135623731E-500", true},
        {"-2E-300*1E-200", "8E-300*1E-300*1E-300*1E-100", 1, "1", "8,2842712474619E-501", true},
        {"0", "2E-300*1E-300*1E-100", 1, "1", "1,4142135623731E-350", true},  // a value beyond the doubles
        // u² − v beyond that table, u and v inside it.
        {"-1,1E-200*1E-200", "3E-300*1E-300*1E-200", 1, "1", "6,32050807568877E-401", true},
        // √(M² + 1) for M = 1234567890123455·10²⁵: so near a halfway point that 128 bits do not decide it.
        {"0", "152415787532387925773514113702500000000000000000000000000000000000000000000000001", 1, "1",
         "1,23456789012346E+40", true},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(std::string(c.u) + " + " + std::to_string(c.rootSign) + "·√" + c.v + " / " + c.w);
        const ExactDecimal u = exact(c.u);
        const ExactDecimal v = exact(c.v);
        const ExactDecimal w = exact(c.w);
        const ExactDecimal product = u * u - v;
        const SurdRoundingCount before = surdRoundingCount();
        EXPECT_EQ(roundedText(QuadraticSurd{u, v, c.rootSign, w, product}, ','), c.text);
        EXPECT_EQ(surdRoundingCount().precise - before.precise, c.precise ? 1u : 0u);
    }
}

}  // namespace
}  // namespace trx
