// SPDX-License-Identifier: GPL-3.0-or-later
#include "exact/exact_decimal.h"

#include "core/number_text.h"

#include <algorithm>
#include <string>
#include <utility>

namespace trx {

namespace {

// Typed exponents beyond this can only belong to a zero (any other value would
// have failed the numeric test's range check), so they are clamped here.
constexpr long kExponentLimit = 1'000'000'000L;

long typedExponent(std::string_view digits)
{
    bool negative = false;
    if (!digits.empty() && (digits.front() == '+' || digits.front() == '-')) {
        negative = digits.front() == '-';
        digits.remove_prefix(1);
    }
    long exponent = 0;
    for (const char digit : digits) {
        exponent = std::min(kExponentLimit, exponent * 10 + (digit - '0'));
    }
    return negative ? -exponent : exponent;
}

// significand × 10^exponent with the trailing zeros moved into the exponent.
ExactDecimal normalised(mpz_class significand, long exponent)
{
    if (significand == 0) {
        return ExactDecimal{};
    }
    if (mpz_divisible_ui_p(significand.get_mpz_t(), 10) != 0) {
        static const mpz_class ten = 10;
        exponent += static_cast<long>(mpz_remove(significand.get_mpz_t(), significand.get_mpz_t(), ten.get_mpz_t()));
    }
    return ExactDecimal{std::move(significand), exponent};
}

}  // namespace

mpz_class powerOfTen(unsigned long exponent)
{
    mpz_class power;
    mpz_ui_pow_ui(power.get_mpz_t(), 10, exponent);
    return power;
}

mpq_class ExactDecimal::toRational() const
{
    if (exponent >= 0) {
        return mpq_class(significand * powerOfTen(static_cast<unsigned long>(exponent)));
    }
    mpq_class value(significand, powerOfTen(static_cast<unsigned long>(-exponent)));
    value.canonicalize();
    return value;
}

std::optional<ExactDecimal> parseExactDecimal(std::string_view text, char separator)
{
    if (!hasNumberShape(text, separator)) {
        return std::nullopt;
    }
    const std::size_t exponentMark = text.find_first_of("Ee");
    const std::string_view mantissa = text.substr(0, exponentMark);
    long exponent = exponentMark == std::string_view::npos ? 0 : typedExponent(text.substr(exponentMark + 1));

    std::string digits;
    bool afterSeparator = false;
    for (const char ch : mantissa) {
        if (ch == separator) {
            afterSeparator = true;
        } else if (ch >= '0' && ch <= '9') {
            digits += ch;
            exponent -= afterSeparator ? 1 : 0;
        }
    }
    const std::size_t lastNonZero = digits.find_last_not_of('0');
    if (lastNonZero == std::string::npos) {
        return ExactDecimal{};
    }
    exponent += static_cast<long>(digits.size() - 1 - lastNonZero);
    digits.erase(lastNonZero + 1);
    // Far inside the double range the shape is all the numeric test asks.
    const long magnitude = exponent + static_cast<long>(digits.size() - digits.find_first_not_of('0')) - 1;
    if ((magnitude < -300 || magnitude > 300) && !isNumeric(text, separator)) {
        return std::nullopt;
    }
    ExactDecimal value{mpz_class(digits, 10), exponent};
    if (mantissa.front() == '-') {
        value.significand = -value.significand;
    }
    return value;
}

ExactDecimal wholeNumber(mpz_class value)
{
    return normalised(std::move(value), 0);
}

ExactDecimal operator-(ExactDecimal value)
{
    value.significand = -value.significand;
    return value;
}

ExactDecimal operator+(const ExactDecimal& x, const ExactDecimal& y)
{
    if (sign(x) == 0) {
        return y;
    }
    if (sign(y) == 0) {
        return x;
    }
    const bool xFiner = x.exponent <= y.exponent;
    const ExactDecimal& finer = xFiner ? x : y;
    const ExactDecimal& coarser = xFiner ? y : x;
    const auto shift = static_cast<unsigned long>(coarser.exponent - finer.exponent);
    return normalised(coarser.significand * powerOfTen(shift) + finer.significand, finer.exponent);
}

ExactDecimal operator-(const ExactDecimal& x, const ExactDecimal& y)
{
    return x + -y;
}

ExactDecimal operator*(const ExactDecimal& x, const ExactDecimal& y)
{
    return normalised(x.significand * y.significand, x.exponent + y.exponent);
}

std::optional<ExactDecimal> exactSquareRoot(const ExactDecimal& value)
{
    mpz_class significand = value.significand;
    long exponent = value.exponent;
    // An even exponent halves exactly.
    if (exponent % 2 != 0) {
        significand *= 10;
        --exponent;
    }
    if (!mpz_perfect_square_p(significand.get_mpz_t())) {
        return std::nullopt;
    }
    mpz_sqrt(significand.get_mpz_t(), significand.get_mpz_t());
    return ExactDecimal{std::move(significand), exponent / 2};
}

}  // namespace trx
