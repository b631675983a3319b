// SPDX-License-Identifier: GPL-3.0-or-later
#include "accuracy/equations.h"

#include <gmpxx.h>

#include <random>

namespace trx::accuracy {

namespace {

// Cancellation: b² far above 4ac, one root from a near-cancelling −b ± √D.
// Near-double: two roots a few units apart in their last digits, or a pair
// of complex roots as close to each other.  Wide range: exponents from
// 1E-150 to 1E+150 in one equation.  Extreme: coefficients next to either
// end of the double range, subnormals included.  Complex: 4ac just above
// b².  Long decimals: 16 to 25 typed digits, a < 0 and a right side to move,
// with exact halfway cases among the moved constants.
const std::vector<const char*> kCategories = {"cancellation", "near-double", "wide range",
                                              "extreme",      "complex",     "long decimals"};

class Generator {
public:
    explicit Generator(std::uint64_t seed) : random_(seed) { }

    Equation next(const char* category)
    {
        const std::string name = category;
        if (name == "cancellation") {
            const int exponent = between(-20, 20);
            return {category,
                    {number(15, exponent), signedNumber(15, exponent + between(8, 150)),
                     signedNumber(15, exponent + between(-20, 20)), "0"}};
        }
        if (name == "near-double") {
            return nearDouble(category);
        }
        if (name == "wide range") {
            return {category,
                    {signedNumber(15, between(-150, 150)), signedNumber(15, between(-150, 150)),
                     signedNumber(15, between(-150, 150)), "0"}};
        }
        if (name == "extreme") {
            const bool tiny = between(0, 1) == 0;
            const auto extreme = [&] {
                return tiny ? signedNumber(between(1, 3), between(-322, -300))
                            : signedNumber(between(1, 15), between(290, 306));
            };
            return {category, {extreme(), extreme(), extreme(), "0"}};
        }
        if (name == "complex") {
            return complexPair(category);
        }
        return longDecimals(category);
    }

private:
    int between(int low, int high) { return std::uniform_int_distribution<int>(low, high)(random_); }

    mpz_class digits(int count)
    {
        std::string text(1, static_cast<char>('1' + between(0, 8)));
        for (int i = 1; i < count; ++i) {
            text += static_cast<char>('0' + between(0, 9));
        }
        return mpz_class(text, 10);
    }

    // significand × 10^exponent as "d,ddddE±x".
    static std::string text(const mpz_class& significand, long exponent)
    {
        std::string digits = mpz_class(abs(significand)).get_str();
        const long shown = exponent + static_cast<long>(digits.size()) - 1;
        if (digits.size() > 1) {
            digits.insert(1, ",");
        }
        return (sgn(significand) < 0 ? "-" : "") + digits + "E" + std::to_string(shown);
    }

    // A number with `count` digits whose leading digit is at 10^exponent.
    std::string number(int count, int exponent) { return text(digits(count), exponent - count + 1); }
    std::string signedNumber(int count, int exponent)
    {
        return (between(0, 1) == 0 ? "-" : "") + number(count, exponent);
    }

    // a(x − r)(x − r − δ), or its complex neighbour with c moved up by δ².
    Equation nearDouble(const char* category)
    {
        const mpz_class a = digits(between(1, 4));
        const int scale = between(6, 10);
        const long exponent = between(-8, 8) - scale;
        const mpz_class root = digits(scale) * (between(0, 1) == 0 ? 1 : -1);
        const mpz_class other = root + between(1, 99);
        mpz_class c = a * root * other;
        if (between(0, 1) == 0) {
            c += a * 9999;  // past the double root: two complex roots
        }
        return {category, {text(a, 0), text(-a * (root + other), exponent), text(c, 2 * exponent), "0"}};
    }

    static mpz_class powerOfTen(int exponent)
    {
        mpz_class power;
        mpz_ui_pow_ui(power.get_mpz_t(), 10, static_cast<unsigned long>(exponent));
        return power;
    }

    // c just above b² (1 + 10^-k) / 4a, with five digits more than b².
    Equation complexPair(const char* category)
    {
        const mpz_class a = digits(15);
        const mpz_class b = digits(15) * (between(0, 1) == 0 ? 1 : -1);
        const int k = between(3, 14);
        const mpz_class c = b * b * (powerOfTen(k) + 1) * powerOfTen(5) / (4 * a * powerOfTen(k)) + 1;
        const int ea = between(-10, 10);
        const int eb = between(-10, 10);
        return {category, {text(a, ea), text(b, eb), text(c, 2 * eb - ea - 5), "0"}};
    }

    Equation longDecimals(const char* category)
    {
        const int exponent = between(-6, 6);
        std::array<std::string, 4> fields = {
            "-" + number(between(16, 25), between(-3, 3)), signedNumber(between(16, 25), exponent),
            signedNumber(between(16, 25), exponent), signedNumber(between(16, 25), exponent - between(0, 3))};
        if (between(0, 2) == 0) {
            // c − d exactly halfway between two 15-digit texts.
            const mpz_class last = between(1, 9) * (between(0, 1) == 0 ? 1 : -1);
            const mpz_class halfway = (digits(15) * 10 + 5) * 10 * (sgn(last) < 0 ? -1 : 1);
            fields[2] = text(halfway + last, exponent - 16);
            fields[3] = text(last, exponent - 16);
        }
        return {category, fields};
    }

    std::mt19937_64 random_;
};

}  // namespace

const std::vector<const char*>& categories()
{
    return kCategories;
}

std::vector<Equation> hardEquations(std::size_t perCategory, std::uint64_t seed)
{
    Generator generator(seed);
    std::vector<Equation> equations;
    for (std::size_t i = 0; i < perCategory; ++i) {
        for (const char* category : kCategories) {
            equations.push_back(generator.next(category));
        }
    }
    return equations;
}

}  // namespace trx::accuracy
