// SPDX-License-Identifier: GPL-3.0-or-later
#include "solver/number_text.h"
#include "solver/run_time_error.h"

#include <gtest/gtest.h>

#include <cmath>
#include <limits>
#include <optional>

namespace trx {
namespace {

struct ParseCase {
    const char* text;
    char separator;
    std::optional<double> value;  // nullopt: fails the numeric test
};

TEST(ParseNumber, VerdictsAndValues)
{
    const std::optional<double> fails;
    const ParseCase cases[] = {
        {"12,5", ',', 12.5},
        {"12.5", '.', 12.5},
        {"12,5", '.', fails},
        {",5", ',', 0.5},
        {"5,", ',', 5.0},
        {"-,5", ',', -0.5},
        {"+3", ',', 3.0},
        {"-0", ',', -0.0},
        {"007", ',', 7.0},
        {"1E5", ',', 1e5},
        {"2,5e-3", ',', 2.5e-3},
        {"1E+2", ',', 100.0},
        {"+1,5E+1", ',', 15.0},
        {"-inf", '.', fails},
        {"nan", '.', fails},
        {"0x10", '.', fails},
        // The double range, both ends.
        {"1,7976931348623157E308", ',', std::numeric_limits<double>::max()},
        {"4,94065645841247E-324", ',', std::numeric_limits<double>::denorm_min()},
        {"0E-999", ',', 0.0},
    };
    for (const ParseCase& c : cases) {
        const auto parsed = parseNumber(c.text, c.separator);
        EXPECT_EQ(parsed, c.value) << '"' << c.text << "\" with '" << c.separator << "'";
        EXPECT_EQ(isNumeric(c.text, c.separator), c.value.has_value()) << c.text;
        if (parsed && *parsed == 0) {
            EXPECT_EQ(std::signbit(*parsed), std::signbit(*c.value)) << c.text;
        }
    }
}

TEST(ParseNumber, RefusesWhatIsNoNumber)
{
    for (const char* text : {"12.5",  "",       "+",      "-",       ",",
                             "-,",    "1E",     "1E+",    "E5",      ",E5",
                             " 1",    "1 ",     "1,2,3",  "1.000,5", "1E5,5",
                             "1E2E3", "++1",    "1e--5",  "inf",     "1,5x",
                             "1E999", "-1E999", "1E-400", "2E-324",  "1,79769313486232E308"}) {
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
    const struct {
        double value;
        const char* comma;
    } cases[] = {
        {0.0, "0"},
        {-0.0, "0"},
        {1e15, "1E+15"},
        {999999999999999.0, "999999999999999"},
        {999999999999999.5, "1E+15"},  // rounding moves it into exponent form
        {1e18, "1E+18"},
        {1e-5, "1E-05"},
        {1e-4, "0,0001"},
        {-2.5e-7, "-2,5E-07"},
        {1e300, "1E+300"},
        {-1.5e-300, "-1,5E-300"},
        {1.0 / 3.0, "0,333333333333333"},
        {std::sqrt(2.0), "1,4142135623731"},  // rounded last digit 0 is dropped
        {-123456789012345678.0, "-1,23456789012346E+17"},
        {2.5, "2,5"},
        {-7.0, "-7"},
        {std::numeric_limits<double>::denorm_min(), "4,94065645841247E-324"},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(numberToText(c.value, ','), c.comma) << c.value;
    }
    EXPECT_EQ(numberToText(-2.5e-7, '.'), "-2.5E-07");
    EXPECT_EQ(numberToText(0.0001, '.'), "0.0001");
}

TEST(EditableNumberText, AlwaysReadsBackAsANumber)
{
    const std::pair<double, const char*> cases[] = {
        {2.5, "2,5"},
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
