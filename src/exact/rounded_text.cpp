// SPDX-License-Identifier: GPL-3.0-or-later
#include "exact/rounded_text.h"

#include <mpfr.h>

#include <charconv>
#include <cmath>
#include <cstdint>
#include <cstdlib>
#include <limits>
#include <optional>
#include <utility>
#include <vector>

namespace trx {

namespace {

constexpr std::size_t kDigits = 15;

thread_local SurdRoundingCount surdCount;

// `digits` (15 of them, trailing zeros allowed) are d.ddd × 10^exponent.
std::string ruleText(bool negative, std::string digits, long exponent, char separator)
{
    digits.erase(digits.find_last_not_of('0') + 1);
    std::string text = negative ? "-" : "";
    if (exponent > -5 && exponent < 15) {
        if (exponent < 0) {
            return text + "0" + separator + std::string(static_cast<std::size_t>(-exponent - 1), '0') + digits;
        }
        const auto integerDigits = static_cast<std::size_t>(exponent + 1);
        if (digits.size() <= integerDigits) {
            return text + digits + std::string(integerDigits - digits.size(), '0');
        }
        return text + digits.substr(0, integerDigits) + separator + digits.substr(integerDigits);
    }
    text += digits.substr(0, 1);
    if (digits.size() > 1) {
        text += separator + digits.substr(1);
    }
    const std::string power = std::to_string(std::labs(exponent));
    return text + "E" + (exponent < 0 ? "-" : "+") + (power.size() < 2 ? "0" : "") + power;
}

// `digits` are the leading digits of the magnitude (d.ddd × 10^exponent) with
// nothing dropped before them; what follows them, if anything, is below one
// unit of the last.  Rounds half away from zero at the 15th digit.
std::string roundedDigitsText(bool negative, std::string digits, long exponent, char separator)
{
    if (digits.size() > kDigits) {
        const bool up = digits[kDigits] >= '5';
        digits.resize(kDigits);
        std::size_t at = kDigits;
        while (up && at > 0 && digits[at - 1] == '9') {
            digits[--at] = '0';
        }
        if (up && at == 0) {
            digits.front() = '1';
            ++exponent;
        } else if (up) {
            ++digits[at - 1];
        }
    }
    digits.resize(kDigits, '0');
    return ruleText(negative, std::move(digits), exponent, separator);
}

using Extended = long double;
constexpr Extended kEpsilon = std::numeric_limits<Extended>::epsilon();

// 10^k for |k| <= kPowerRange, each the extended double nearest to it.
constexpr long kPowerRange = 800;

static_assert(GMP_NUMB_BITS >= std::numeric_limits<Extended>::digits, "a significand fits one limb");

Extended powerOfTenNear(long exponent)
{
    static const std::vector<Extended> kPowers = [] {
        std::vector<Extended> powers;
        for (long k = -kPowerRange; k <= kPowerRange; ++k) {
            const std::string text = "1e" + std::to_string(k);
            Extended power = 0;
            std::from_chars(text.data(), text.data() + text.size(), power);
            powers.push_back(power);
        }
        return powers;
    }();
    return kPowers[static_cast<std::size_t>(exponent + kPowerRange)];
}

// A decimal as an extended double within 2ε of it (the significand cut to
// the width of the type, the power of ten, their product); nothing when that
// is not a normal number.
std::optional<Extended> nearExtended(const ExactDecimal& value)
{
    constexpr int kBits = std::numeric_limits<Extended>::digits;
    if (std::labs(value.exponent) > kPowerRange) {
        return std::nullopt;
    }
    const auto bits = static_cast<long>(mpz_sizeinbase(value.significand.get_mpz_t(), 2));
    const long dropped = std::max(0L, bits - kBits);
    mp_limb_t top = mpz_getlimbn(value.significand.get_mpz_t(), 0);
    if (dropped > 0) {
        mpz_class shifted;
        mpz_tdiv_q_2exp(shifted.get_mpz_t(), value.significand.get_mpz_t(), static_cast<mp_bitcnt_t>(dropped));
        top = mpz_getlimbn(shifted.get_mpz_t(), 0);
    }
    Extended significand = static_cast<Extended>(top) * sign(value);
    if (dropped > 0) {
        significand = std::ldexp(significand, static_cast<int>(dropped));
    }
    const Extended near = significand * powerOfTenNear(value.exponent);
    return std::isnormal(near) ? std::optional<Extended>(near) : std::nullopt;
}

// The 15-digit text of `value`, when every number within `error` (relative)
// of it has the same: the digits are read off value × 10^(14 − e) in [10^14,
// 10^15), whose fraction must stay clear of one half by more than the error
// of that product.  Nothing otherwise, and outside the double range.
std::optional<std::string> decidedText(Extended value, Extended error, char separator)
{
    const Extended magnitude = std::abs(value);
    if (!(magnitude > 1e-330L && magnitude < 1e330L)) {
        return std::nullopt;
    }
    long exponent = std::lround(std::floor(std::log10(magnitude)));
    Extended scaled = magnitude * powerOfTenNear(14 - exponent);
    if (scaled >= 1e15L || scaled < 1e14L) {
        exponent += scaled >= 1e15L ? 1 : -1;
        scaled = magnitude * powerOfTenNear(14 - exponent);
    }
    const Extended whole = std::floor(scaled);
    const Extended fraction = scaled - whole;  // exact
    if (std::abs(fraction - 0.5L) <= scaled * (error + 3 * kEpsilon)) {
        return std::nullopt;
    }
    auto digits = static_cast<std::uint64_t>(whole) + (fraction > 0.5L ? 1 : 0);
    if (digits == 1'000'000'000'000'000) {
        digits /= 10;
        ++exponent;
    }
    char buffer[24];
    std::string text(buffer, std::to_chars(buffer, buffer + sizeof buffer, digits).ptr);
    if (text.size() != kDigits) {
        return std::nullopt;  // the estimate of the exponent was off twice
    }
    return ruleText(value < 0, std::move(text), exponent, separator);
}

// The surd in the hardware's extended doubles (64-bit significands on x86).
// Each input is within 2ε, and each operation adds ε/2, along any path at
// most 7.5ε in all (the root halves its operand's error), so the result is
// within 8ε of the value; an irrational value is never a halfway case, so
// the digits are decided once that interval holds no halfway point.
std::optional<std::string> textInExtendedDoubles(const QuadraticSurd& surd, char separator)
{
    const auto v = nearExtended(surd.v);
    const auto w = nearExtended(surd.w);
    const auto u = sign(surd.u) == 0 ? std::optional<Extended>(0) : nearExtended(surd.u);
    if (!u || !v || !w) {
        return std::nullopt;
    }
    const Extended root = surd.rootSign * std::sqrt(*v);
    Extended numerator = *u + root;
    if (*u != 0 && (*u < 0) != (root < 0)) {
        // u + root cancels; (u² − v) / (u − root) does not.
        const auto product = nearExtended(surd.uSquaredMinusV);
        if (!product) {
            return std::nullopt;
        }
        numerator = *product / (*u - root);
    }
    return decidedText(numerator / *w, 8 * kEpsilon, separator);
}

class Mpfr {
public:
    explicit Mpfr(mpfr_prec_t precision) { mpfr_init2(value_, precision); }
    Mpfr(const Mpfr&) = delete;
    Mpfr& operator=(const Mpfr&) = delete;
    ~Mpfr() { mpfr_clear(value_); }
    mpfr_ptr get() { return value_; }

private:
    mpfr_t value_;
};

// Rounded at most twice: the significand, then the power of ten.
void setDecimal(mpfr_ptr target, const ExactDecimal& value)
{
    mpfr_set_z(target, value.significand.get_mpz_t(), MPFR_RNDN);
    const mpz_class power = powerOfTen(static_cast<unsigned long>(std::labs(value.exponent)));
    if (value.exponent > 0) {
        mpfr_mul_z(target, target, power.get_mpz_t(), MPFR_RNDN);
    } else if (value.exponent < 0) {
        mpfr_div_z(target, target, power.get_mpz_t(), MPFR_RNDN);
    }
}

// 15 digits of a positive value, rounded to nearest.
std::pair<std::string, long> mpfrDigits(mpfr_ptr value)
{
    mpfr_exp_t exponent = 0;
    char* digits = mpfr_get_str(nullptr, &exponent, 10, kDigits, value, MPFR_RNDN);
    std::pair<std::string, long> result{digits, static_cast<long>(exponent) - 1};
    mpfr_free_str(digits);
    return result;
}

// The same computation as in extended doubles, at `precision` bits and with no range
// limits: at most ten roundings of 2^-precision along any path (two for each
// input), within the margin of 2^(5 − precision) used here.
std::optional<std::string> textInMpfr(const QuadraticSurd& surd, mpfr_prec_t precision, char separator)
{
    Mpfr u(precision), v(precision), w(precision), numerator(precision);
    setDecimal(u.get(), surd.u);
    setDecimal(v.get(), surd.v);
    setDecimal(w.get(), surd.w);
    mpfr_sqrt(v.get(), v.get(), MPFR_RNDN);
    if (surd.rootSign < 0) {
        mpfr_neg(v.get(), v.get(), MPFR_RNDN);
    }
    if (sign(surd.u) != 0 && (sign(surd.u) < 0) != (surd.rootSign < 0)) {
        Mpfr product(precision);
        setDecimal(product.get(), surd.uSquaredMinusV);
        mpfr_sub(numerator.get(), u.get(), v.get(), MPFR_RNDN);
        mpfr_div(numerator.get(), product.get(), numerator.get(), MPFR_RNDN);
    } else {
        mpfr_add(numerator.get(), u.get(), v.get(), MPFR_RNDN);
    }
    mpfr_div(numerator.get(), numerator.get(), w.get(), MPFR_RNDN);
    const bool negative = mpfr_sgn(numerator.get()) < 0;
    mpfr_abs(numerator.get(), numerator.get(), MPFR_RNDN);

    Mpfr margin(precision), low(precision), high(precision);
    mpfr_mul_2si(margin.get(), numerator.get(), 5 - precision, MPFR_RNDN);  // exact
    mpfr_sub(low.get(), numerator.get(), margin.get(), MPFR_RNDD);
    mpfr_add(high.get(), numerator.get(), margin.get(), MPFR_RNDU);
    auto lowDigits = mpfrDigits(low.get());
    if (lowDigits != mpfrDigits(high.get())) {
        return std::nullopt;
    }
    return ruleText(negative, std::move(lowDigits.first), lowDigits.second, separator);
}

}  // namespace

std::string roundedText(const ExactDecimal& value, char separator)
{
    if (sign(value) == 0) {
        return "0";
    }
    std::string digits = mpz_class(abs(value.significand)).get_str();
    const long exponent = value.exponent + static_cast<long>(digits.size()) - 1;
    return roundedDigitsText(sign(value) < 0, std::move(digits), exponent, separator);
}

std::string roundedText(const DecimalQuotient& value, char separator)
{
    if (sign(value.numerator) == 0) {
        return "0";
    }
    const mpz_class numerator = abs(value.numerator.significand);
    const mpz_class denominator = abs(value.denominator.significand);
    // Scaled so that the integer quotient has at least 16 digits; the digits
    // after the 16th and the remainder cannot turn a rounding below half
    // into one at or above it.
    const long scale = 17 - static_cast<long>(mpz_sizeinbase(numerator.get_mpz_t(), 10)) +
                       static_cast<long>(mpz_sizeinbase(denominator.get_mpz_t(), 10));
    const mpz_class power = powerOfTen(static_cast<unsigned long>(std::labs(scale)));
    const mpz_class quotient =
        scale >= 0 ? mpz_class(numerator * power / denominator) : mpz_class(numerator / (denominator * power));
    std::string digits = quotient.get_str();
    const long exponent =
        static_cast<long>(digits.size()) - 1 - scale + value.numerator.exponent - value.denominator.exponent;
    return roundedDigitsText(sign(value.numerator) != sign(value.denominator), std::move(digits), exponent, separator);
}

std::string roundedText(const QuadraticSurd& value, char separator)
{
    ++surdCount.total;
    if (auto text = textInExtendedDoubles(value, separator)) {
        return *std::move(text);
    }
    ++surdCount.precise;
    // An irrational value is never a halfway case, so some precision decides.
    for (mpfr_prec_t precision = 128;; precision *= 2) {
        if (auto text = textInMpfr(value, precision, separator)) {
            return *std::move(text);
        }
    }
}

SurdRoundingCount surdRoundingCount()
{
    return surdCount;
}

}  // namespace trx
