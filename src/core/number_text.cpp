// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/number_text.h"

#include "core/run_time_error.h"

#include <charconv>
#include <system_error>

namespace trx {

namespace {

bool isDigit(char ch)
{
    return ch >= '0' && ch <= '9';
}

bool isSign(char ch)
{
    return ch == '+' || ch == '-';
}

}  // namespace

bool hasNumberShape(std::string_view text, char separator)
{
    std::size_t pos = 0;
    const auto at = [&](std::size_t i) { return i < text.size() ? text[i] : '\0'; };

    if (isSign(at(pos))) {
        ++pos;
    }
    std::size_t mantissaDigits = 0;
    bool separatorSeen = false;
    for (; pos < text.size(); ++pos) {
        if (isDigit(text[pos])) {
            ++mantissaDigits;
        } else if (text[pos] == separator && !separatorSeen) {
            separatorSeen = true;
        } else {
            break;
        }
    }
    if (mantissaDigits == 0) {
        return false;
    }
    if (at(pos) == 'E' || at(pos) == 'e') {
        ++pos;
        if (isSign(at(pos))) {
            ++pos;
        }
        const std::size_t exponentStart = pos;
        while (isDigit(at(pos))) {
            ++pos;
        }
        if (pos == exponentStart) {
            return false;
        }
    }
    return pos == text.size();
}

std::optional<double> parseNumber(std::string_view text, char separator)
{
    if (!hasNumberShape(text, separator)) {
        return std::nullopt;
    }
    // from_chars knows only the point and no leading '+'.
    if (text.front() == '+') {
        text.remove_prefix(1);
    }
    std::string pointed(text);
    for (char& ch : pointed) {
        if (ch == separator) {
            ch = '.';
        }
    }
    double value = 0.0;
    const char* const end = pointed.data() + pointed.size();
    const auto [stop, error] = std::from_chars(pointed.data(), end, value);
    // result_out_of_range covers both overflow and underflow past the
    // smallest subnormal.
    if (error != std::errc{} || stop != end) {
        return std::nullopt;
    }
    return value;
}

double numberValue(std::string_view text, char separator)
{
    if (const auto value = parseNumber(text, separator)) {
        return *value;
    }
    throw RunTimeError(ErrorCode::TypeMismatch);
}

std::string localised(std::string text, char separator)
{
    for (char& ch : text) {
        if (ch == 'e') {
            ch = 'E';
        } else if (ch == '.') {
            ch = separator;
        }
    }
    return text;
}

std::string numberToText(double value, char separator)
{
    if (value == 0.0) {
        return "0";  // also for -0
    }
    // %.15G in effect: fixed for exponents -5 < e < 15, trailing zeros dropped,
    // at least two exponent digits.  22 characters at most.
    char buffer[32];
    const auto result = std::to_chars(buffer, buffer + sizeof buffer, value, std::chars_format::general, 15);
    return localised(std::string(buffer, result.ptr), separator);
}

std::string editableNumberText(double value, char separator)
{
    std::string text = numberToText(value, separator);
    if (isNumeric(text, separator)) {
        return text;
    }
    char buffer[32];
    const auto result = std::to_chars(buffer, buffer + sizeof buffer, value, std::chars_format::scientific);
    return localised(std::string(buffer, result.ptr), separator);
}

}  // namespace trx
