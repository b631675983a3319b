// SPDX-License-Identifier: GPL-3.0-or-later
#include "exact/exact_numbers.h"

#include <cstdlib>

namespace trx {

namespace {

constexpr int kDigits = 15;

// floor((x + y·√r) / z) for z > 0: floor(y·√r) is an integer s, and adding
// the fraction that s leaves out cannot reach the next multiple of z.
mpz_class floorSurd(const mpz_class& x, const mpz_class& y, const mpz_class& r, const mpz_class& z)
{
    mpz_class root;
    if (y != 0 && r != 0) {
        const mpz_class square = y * y * r;
        root = sqrt(square);
        if (y < 0)
            root = -root - (root * root == square ? 0 : 1);
    }
    mpz_class quotient;
    mpz_fdiv_q(quotient.get_mpz_t(), mpz_class(x + root).get_mpz_t(), z.get_mpz_t());
    return quotient;
}

std::size_t digitCount(const mpz_class& n)
{
    return n == 0 ? 0 : mpz_class(abs(n)).get_str().size();
}

// The digits placed by the decimal exponent of the first one.
std::string placed(const std::string& digits, long exponent, char separator)
{
    if (exponent <= -5 || exponent >= 15) {
        std::string text = digits.substr(0, 1);
        if (digits.size() > 1)
            text += separator + digits.substr(1);
        const std::string power = std::to_string(std::labs(exponent));
        return text + (exponent < 0 ? "E-" : "E+") + (power.size() < 2 ? "0" : "") + power;
    }
    if (exponent < 0)
        return std::string("0") + separator + std::string(static_cast<std::size_t>(-exponent - 1), '0') + digits;
    const auto whole = static_cast<std::size_t>(exponent + 1);
    if (digits.size() <= whole)
        return digits + std::string(whole - digits.size(), '0');
    return digits.substr(0, whole) + separator + digits.substr(whole);
}

}  // namespace

SquareSplit splitSquareFactor(const mpz_class& n)
{
    SquareSplit split{1, 1, true};
    mpz_class cofactor = n;
    unsigned long divisor = 2;
    for (; divisor <= kSquareSearchLimit && divisor * divisor <= cofactor; divisor += divisor == 2 ? 1 : 2) {
        bool odd = false;
        while (mpz_divisible_ui_p(cofactor.get_mpz_t(), divisor) != 0) {
            cofactor /= divisor;
            odd = !odd;
            if (!odd)
                split.factor *= divisor;
        }
        if (odd)
            split.radicand *= divisor;
    }
    if (mpz_perfect_square_p(cofactor.get_mpz_t()) != 0) {
        split.factor *= sqrt(cofactor);
        cofactor = 1;
    }
    // Every prime factor left is at least `divisor`: below divisor³ there are
    // at most two of them, and they are not equal (no perfect square).
    split.complete = cofactor < mpz_class(divisor) * divisor * divisor;
    split.radicand *= cofactor;
    return split;
}

DecimalValue decimalValue(const mpz_class& x, const mpz_class& y, const mpz_class& r, const mpz_class& z,
                          char separator)
{
    // A whole root is no root at all: folded in, the value is rational.
    const bool wholeRoot = y != 0 && mpz_perfect_square_p(r.get_mpz_t()) != 0;
    const mpz_class rational = wholeRoot ? mpz_class(x + y * sqrt(r)) : x;
    const mpz_class surd = wholeRoot ? mpz_class(0) : y;

    DecimalValue value;
    value.negative = floorSurd(rational, surd, r, z) < 0;
    const mpz_class xs = value.negative ? mpz_class(-rational) : rational;
    const mpz_class ys = value.negative ? mpz_class(-surd) : surd;
    if (xs == 0 && (ys == 0 || r == 0))
        return {"0", false, true};

    // floor(value · 10^k) with at least 16 digits: the 15 shown and one more
    // that decides the rounding.
    long k =
        kDigits + 2 - static_cast<long>(digitCount(abs(xs) + abs(ys) * sqrt(r) + 1)) + static_cast<long>(digitCount(z));
    mpz_class scaledX, scaledY, scaledZ, floored;
    long count = 0;
    for (;;) {
        const mpz_class scale = powerOfTen(static_cast<unsigned long>(std::labs(k)));
        scaledX = k >= 0 ? mpz_class(xs * scale) : xs;
        scaledY = k >= 0 ? mpz_class(ys * scale) : ys;
        scaledZ = k >= 0 ? z : mpz_class(z * scale);
        floored = floorSurd(scaledX, scaledY, r, scaledZ);
        count = static_cast<long>(digitCount(floored));
        if (count > kDigits)
            break;
        k += count == 0 ? 20 : kDigits + 2 - count;
    }
    const mpz_class unit = powerOfTen(static_cast<unsigned long>(count - kDigits));
    mpz_class digits = floored / unit;
    const mpz_class rest = floored % unit;
    value.exact = rest == 0 && (ys == 0 || r == 0) && floored * scaledZ == scaledX;
    long exponent = count - 1 - k;
    if (2 * rest >= unit)
        digits += 1;
    if (digits == powerOfTen(kDigits)) {
        digits /= 10;
        exponent += 1;
    }
    std::string text = digits.get_str();
    text.erase(text.find_last_not_of('0') + 1);
    value.magnitude = placed(text, exponent, separator);
    return value;
}

}  // namespace trx
