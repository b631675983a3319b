// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/display_formats.h"

#include "core/number_text.h"

#include <algorithm>
#include <charconv>
#include <iterator>
#include <optional>
#include <utility>

namespace trx {

namespace {

constexpr int kMaxFixedDecimals = 15;

// The shortest decimal that reads back as `value`, laid out in fixed
// notation, when it needs at most kMaxFixedDecimals decimals.  Unlike
// to_chars' own fixed form this writes 1E+23 as 1 and 23 zeros, not as the
// binary value's 99999999999999991611392.
std::optional<std::string> shortestFixed(double value)
{
    char buffer[32];
    char* const end = std::to_chars(buffer, buffer + sizeof buffer, value, std::chars_format::scientific).ptr;
    const char* const exponentMark = std::find(buffer, end, 'e');
    int exponent = 0;
    // from_chars takes no '+'.
    const char* exponentDigits = exponentMark + 1;
    if (*exponentDigits == '+') {
        ++exponentDigits;
    }
    std::from_chars(exponentDigits, end, exponent);

    std::string digits;
    const char* mantissa = buffer;
    const bool negative = *mantissa == '-';
    if (negative) {
        ++mantissa;
    }
    std::copy_if(mantissa, exponentMark, std::back_inserter(digits), [](char ch) { return ch != '.'; });

    const int digitCount = static_cast<int>(digits.size());
    const int decimals = std::max(0, digitCount - 1 - exponent);
    if (decimals > kMaxFixedDecimals) {
        return std::nullopt;
    }
    std::string text = negative ? "-" : "";
    if (exponent < 0) {
        text += "0.";
        text.append(static_cast<std::size_t>(-exponent - 1), '0');
        text += digits;
    } else {
        const int integerDigits = exponent + 1;
        text.append(digits, 0, static_cast<std::size_t>(std::min(integerDigits, digitCount)));
        text.append(static_cast<std::size_t>(std::max(0, integerDigits - digitCount)), '0');
        if (decimals > 0) {
            text += '.';
            text.append(digits, static_cast<std::size_t>(integerDigits), std::string::npos);
        }
    }
    return text;
}

// The value rounded to kMaxFixedDecimals decimals, as to_chars writes it.
std::string roundedFixed(double value)
{
    char buffer[400];  // 309 integer digits for the largest double, the point, 15 decimals
    char* const end =
        std::to_chars(buffer, buffer + sizeof buffer, value, std::chars_format::fixed, kMaxFixedDecimals).ptr;
    return std::string(buffer, end);
}

}  // namespace

std::string scientificForm(std::string_view text, char separator)
{
    const auto value = parseNumber(text, separator);
    if (!value) {
        return std::string(text);
    }
    // A typed "-0" shows as zero, like every other zero.
    const double shown = *value == 0.0 ? 0.0 : *value;
    char buffer[32];
    char* const end = std::to_chars(buffer, buffer + sizeof buffer, shown, std::chars_format::scientific, 2).ptr;
    std::string result(buffer, end);
    result = localised(std::move(result), separator);
    // Two decimals round the largest magnitudes (from 1,795E+308) past the
    // double range; cut them instead, so the form is still a number.
    if (!isNumeric(result, separator)) {
        result = std::string(*value < 0 ? "-1" : "1") + separator + "79E+308";
    }
    return result;
}

std::string fixedForm(std::string_view text, char separator)
{
    const auto value = parseNumber(text, separator);
    if (!value) {
        return std::string(text);
    }
    auto shortest = shortestFixed(*value);
    std::string result = shortest ? std::move(*shortest) : roundedFixed(*value);

    // Trailing zeros go, down to one decimal.
    const std::size_t point = result.find('.');
    if (point == std::string::npos) {
        result += ".0";
    } else {
        const std::size_t lastKept = std::max(result.find_last_not_of('0'), point + 1);
        result.erase(lastKept + 1);
    }
    // A value that rounds to zero keeps no minus.
    if (result == "-0.0") {
        result = "0.0";
    }
    result = localised(std::move(result), separator);
    return result;
}

}  // namespace trx
