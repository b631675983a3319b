// SPDX-License-Identifier: GPL-3.0-or-later
// Fuzzes the numeric test and the texts written from numbers: every text
// that passes must convert back to a text that passes again, with the same
// value to fifteen digits, under either decimal separator.

#include "core/display_formats.h"
#include "core/number_text.h"
#include "fuzz_check.h"

#include <cmath>
#include <cstddef>
#include <cstdint>
#include <limits>
#include <string>
#include <string_view>

namespace {

// The text of a number whose rounding to the written digits passes the
// largest double: numberToText writes 1,79769313486232E+308 for the largest
// doubles and scientificForm 1,80E+308 from 1,795E+308 on.  The numeric test
// rightly rejects them; the rules round, they do not clamp.
bool isRoundedPastTheRange(const std::string& written, double value, const char* mantissa, char separator)
{
    std::string expected = value < 0 ? "-1" : "1";
    expected += separator;
    expected += mantissa;
    return written == expected + "E+308";
}

void checkWrittenBack(std::string_view text, double value, char separator)
{
    const std::string written = trx::numberToText(value, separator);
    const auto reread = trx::parseNumber(written, separator);
    if (!reread) {
        require(isRoundedPastTheRange(written, value, "79769313486232", separator),
                "numberToText wrote a text that fails the numeric test", text);
        return;
    }
    require(value == 0 ? written == "0" : std::signbit(*reread) == std::signbit(value), "numberToText changed the sign",
            text);
    // Fifteen significant digits: half a unit in the 15th digit, the
    // rounding of the text read back (2^-53, about 1.1e-16), and the coarser
    // spacing of subnormal numbers.
    const double tolerance = 5.12e-15 * std::abs(value) + std::numeric_limits<double>::denorm_min();
    require(std::abs(*reread - value) <= tolerance, "numberToText lost more than fifteen digits", text);
    // Fifteen digits survive the trip through a normal double, so writing
    // the value read back changes nothing.
    if (std::abs(value) >= std::numeric_limits<double>::min()) {
        require(trx::numberToText(*reread, separator) == written, "numberToText is not stable", text);
    }
}

void checkFormats(std::string_view text, double value, char separator)
{
    const std::string scientific = trx::scientificForm(text, separator);
    const auto scientificValue = trx::parseNumber(scientific, separator);
    if (!scientificValue) {
        require(isRoundedPastTheRange(scientific, value, "80", separator),
                "scientificForm wrote a text that fails the numeric test", text);
    } else {
        const double tolerance = 5.001e-3 * std::abs(value) + std::numeric_limits<double>::denorm_min();
        require(std::abs(*scientificValue - value) <= tolerance, "scientificForm lost more than three digits", text);
        // Three digits survive the trip through a normal double; subnormal
        // numbers far below 1E-308 are spaced too widely for that.
        if (std::abs(value) >= std::numeric_limits<double>::min()) {
            require(trx::scientificForm(scientific, separator) == scientific, "scientificForm is not stable", text);
        }
    }

    const std::string fixed = trx::fixedForm(text, separator);
    const auto fixedValue = trx::parseNumber(fixed, separator);
    require(fixedValue.has_value(), "fixedForm wrote a text that fails the numeric test", text);
    // Rounded to fifteen decimals, or the shortest digits that read back as
    // the value.
    require(std::abs(*fixedValue - value) <= 5e-16 + 1e-15 * std::abs(value), "fixedForm moved the value", text);
    require(trx::fixedForm(fixed, separator) == fixed, "fixedForm is not stable", text);
}

void checkText(std::string_view text, char separator)
{
    const auto value = trx::parseNumber(text, separator);
    if (!value) {
        // The display formats leave texts that are not numbers alone.
        require(trx::scientificForm(text, separator) == text, "scientificForm changed a non-number", text);
        require(trx::fixedForm(text, separator) == text, "fixedForm changed a non-number", text);
        return;
    }
    require(std::isfinite(*value), "the numeric test passed a value that is not finite", text);
    checkWrittenBack(text, *value, separator);
    checkFormats(text, *value, separator);

    // The separator is the only thing that tells the two readings apart.
    const char other = separator == ',' ? '.' : ',';
    if (text.find(other) == std::string_view::npos) {
        std::string swapped(text);
        for (char& ch : swapped) {
            if (ch == separator) {
                ch = other;
            }
        }
        const auto swappedValue = trx::parseNumber(swapped, other);
        require(swappedValue.has_value() && *swappedValue == *value, "the reading depends on the separator", text);
    }
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    const std::string_view text(reinterpret_cast<const char*>(data), size);
    checkText(text, ',');
    checkText(text, '.');
    return 0;
}
