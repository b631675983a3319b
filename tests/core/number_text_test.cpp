// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/number_text.h"
#include "core/run_time_error.h"

#include <gtest/gtest.h>

#include <cmath>
#include <limits>
#include <optional>

namespace trx {
namespace {

TEST(ParseNumber, VerdictsAndValues)
{
    const std::pair<const char*, double> cases[] = {{"12,5", 12.5},    {",5", 0.5},    {"5,", 5.0},  {"-,5", -0.5},
                                                    {"+3", 3.0},       {"-0", -0.0},   {"007", 7.0}, {"2,5e-3", 2.5e-3},
                                                    {"+1,5E+1", 15.0}, {"0E-999", 0.0}};
    for (const auto& [text, value] : cases) {
        const auto parsed = parseNumber(text, ',');
        ASSERT_TRUE(parsed && isNumeric(text, ',')) << text;
        EXPECT_EQ(*parsed, value) << text;
        EXPECT_EQ(std::signbit(*parsed), std::signbit(value)) << text;
    }
    // The double range, both ends; the other separator.
    EXPECT_EQ(parseNumber("1,7976931348623157E308", ','), std::numeric_limits<double>::max());
    EXPECT_EQ(parseNumber("4,94065645841247E-324", ','), std::numeric_limits<double>::denorm_min());
    EXPECT_EQ(parseNumber("12.5", '.'), 12.5);
    EXPECT_EQ(parseNumber("12,5", '.'), std::nullopt);
}

TEST(ParseNumber, RefusesWhatIsNoNumber)
{
    for (const char* text : {"12.5",  "",       "+",      "-",       ",",
                             "-,",    "1E",     "1E+",    "E5",      ",E5",
                             " 1",    "1 ",     "1,2,3",  "1.000,5", "1E5,5",
                             "1E2E3", "++1",    "1e--5",  "inf",     "1,5x",
                             "1E999", "-1E999", "1E-400", "2E-324",  "1,79769313486232E308",
                             "-inf",  "0x10"}) {
        EXPECT_EQ(parseNumber(text, ','), std::nullopt) << text;
        EXPECT_FALSE(isNumeric(text, ',')) << text;
    }
}

TEST(ParseNumber, NumberValueRejectsTextsThatAreNoNumbers)
{
    EXPECT_EQ(numberValue("-2,5", ','), -2.5);
    try {
        numberValue("2.5", ',');
        FAIL() << "no error";
    } catch (const RunTimeError& error) {
        EXPECT_EQ(error.code(), ErrorCode::TypeMismatch);
    }
}

TEST(NumberToText, FifteenDigitGeneralForm)
{
    // Rounding can move a value into exponent form.
    const std::pair<double, const char*> cases[] = {
        {0.0, "0"},      {-0.0, "0"},      {1e15, "1E+15"},       {999999999999999.5, "1E+15"},
        {1e-5, "1E-05"}, {1e-4, "0,0001"}, {-2.5e-7, "-2,5E-07"}, {-1.5e-300, "-1,5E-300"},
        {-7.0, "-7"}};
    for (const auto& [value, text] : cases) {
        EXPECT_EQ(numberToText(value, ','), text) << value;
    }
    EXPECT_EQ(numberToText(999999999999999.0, ','), "999999999999999");
    EXPECT_EQ(numberToText(1 / 3.0, ','), "0,333333333333333");
    EXPECT_EQ(numberToText(std::sqrt(2.0), ','), "1,4142135623731");  // the rounded last digit 0 is dropped
    EXPECT_EQ(numberToText(-123456789012345678.0, ','), "-1,23456789012346E+17");
    EXPECT_EQ(numberToText(std::numeric_limits<double>::denorm_min(), ','), "4,94065645841247E-324");
    EXPECT_EQ(numberToText(-2.5e-7, '.'), "-2.5E-07");
}

TEST(EditableNumberText, AlwaysReadsBackAsANumber)
{
    const std::pair<double, const char*> cases[] = {
        {1.0 / 3, "0,333333333333333"},
        {1.79769313486229e308, "1,79769313486229E+308"},
        {1.7976931348623157e308, "1,7976931348623157E+308"},  // 15 digits would round past the range
        {-1.7976931348623155e308, "-1,7976931348623155E+308"},
    };
    for (const auto& [value, text] : cases) {
        EXPECT_EQ(editableNumberText(value, ','), text);
        EXPECT_TRUE(isNumeric(editableNumberText(value, ','), ','));
    }
}

}  // namespace
}  // namespace trx
