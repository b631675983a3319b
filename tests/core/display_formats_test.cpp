// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/display_formats.h"

#include <gtest/gtest.h>

namespace trx {
namespace {

struct FormatCase {
    const char* text;
    const char* expected;
};

TEST(ScientificForm, TwoDecimalMantissa)
{
    // Rounding past the largest double cuts instead; what is no number stays as it is.
    const FormatCase cases[] = {{"1234,5", "1,23E+03"},       {"0,000123", "1,23E-04"},
                                {"-0", "0,00E+00"},           {"-3", "-3,00E+00"},
                                {"9,999", "1,00E+01"},        {"1,7976931348623157E308", "1,79E+308"},
                                {"-1,795E308", "-1,79E+308"}, {"", ""},
                                {"-1+ i2", "-1+ i2"},         {"1.5", "1.5"}};
    for (const FormatCase& c : cases) {
        EXPECT_EQ(scientificForm(c.text, ','), c.expected) << c.text;
    }
    EXPECT_EQ(scientificForm("1234.5", '.'), "1.23E+03");
}

TEST(FixedForm, OneToFifteenDecimals)
{
    // No binary noise past the typed digits; rounded to fifteen decimals; no
    // minus on what rounds to zero.
    const FormatCase cases[] = {{"1,23E+03", "1230,0"},
                                {"-3,00E+00", "-3,0"},
                                {"123,456", "123,456"},
                                {"1E+23", "100000000000000000000000,0"},
                                {"0,333333333333333", "0,333333333333333"},
                                {"1E-15", "0,000000000000001"},
                                {"1,23456789012345678", "1,234567890123457"},
                                {"0,30000000000000004", "0,3"},
                                {"1E-20", "0,0"},
                                {"-1E-20", "0,0"},
                                {"abc", "abc"}};
    for (const FormatCase& c : cases) {
        EXPECT_EQ(fixedForm(c.text, ','), c.expected) << c.text;
    }
    EXPECT_EQ(fixedForm("1.23E+03", '.'), "1230.0");
}

}  // namespace
}  // namespace trx
