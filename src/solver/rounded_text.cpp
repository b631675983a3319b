#include "solver/rounded_text.h"

#include "solver/number_text.h"

#include <mpfr.h>

#include <charconv>
#include <cmath>
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

// The extended double nearest to a decimal; nothing when it is not a normal
// number (the error bound below holds only for those).
std::optional<long double> nearestExtended(const ExactDecimal& value)
{
    // Powers of ten that are exact in the significand (5^27 < 2^64), each
    // the exact product of the one before and ten.
    constexpr long kExactPowers = std::numeric_limits<long double>::digits >= 64 ? 27 : 22;
    static const std::vector<long double> kPowers = [] {
        std::vector<long double> powers{1.0L};
        while (powers.size() <= kExactPowers) {
            powers.push_back(powers.back() * 10);
        }
        return powers;
    }();
    long double nearest = 0;
    if (mpz_sizeinbase(value.significand.get_mpz_t(), 2) <= 53 && std::labs(value.exponent) <= kExactPowers) {
        // Both operands exact: one rounding.
        const long double significand = value.significand.get_d();
        const long double power = kPowers[static_cast<std::size_t>(std::labs(value.exponent))];
        nearest = value.exponent >= 0 ? significand * power : significand / power;
    } else {
        const std::string text = value.significand.get_str() + "e" + std::to_string(value.exponent);
        const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), nearest);
        if (error != std::errc() || end != text.data() + text.size()) {
            return std::nullopt;
        }
    }
    return std::isnormal(nearest) ? std::optional<long double>(nearest) : std::nullopt;
}

std::string extendedText(long double value, char separator)
{
    char buffer[64];
    const auto result = std::to_chars(buffer, buffer + sizeof buffer, value, std::chars_format::general, kDigits);
    return localised(std::string(buffer, result.ptr), separator);
}

// The surd in the hardware's extended doubles (64-bit significands on x86).
// Each input is rounded once and each operation once, at most seven
// roundings of relative size ε/2 along any path (the root halves its
// operand's error), so the result is within 4ε of the value.  The text is
// decided when the interval 6ε wide on either side rounds to one text at
// both ends: the value is irrational, never a halfway case, and lies strictly
// inside.
std::optional<std::string> textInExtendedDoubles(const QuadraticSurd& surd, char separator)
{
    const auto v = nearestExtended(surd.v);
    const auto w = nearestExtended(surd.w);
    const auto u = sign(surd.u) == 0 ? std::optional<long double>(0) : nearestExtended(surd.u);
    if (!u || !v || !w) {
        return std::nullopt;
    }
    const long double root = surd.rootSign * std::sqrt(*v);
    long double numerator = *u + root;
    if (*u != 0 && (*u < 0) != (root < 0)) {
        // u + root cancels; (u² − v) / (u − root) does not.
        const auto product = nearestExtended(surd.u * surd.u - surd.v);
        if (!product) {
            return std::nullopt;
        }
        numerator = *product / (*u - root);
    }
    const long double value = numerator / *w;
    if (!std::isnormal(numerator) || !std::isnormal(value)) {
        return std::nullopt;
    }
    const long double margin = std::abs(value) * (6 * std::numeric_limits<long double>::epsilon());
    const std::string low = extendedText(value - margin, separator);
    if (low != extendedText(value + margin, separator)) {
        return std::nullopt;
    }
    return low;
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
        setDecimal(product.get(), surd.u * surd.u - surd.v);
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

std::string roundedText(const mpq_class& value, char separator)
{
    if (sgn(value) == 0) {
        return "0";
    }
    const mpz_class numerator = abs(value.get_num());
    const mpz_class& denominator = value.get_den();
    // Scaled so that the integer quotient has at least 16 digits; the digits
    // after the 16th and the remainder cannot turn a rounding below half
    // into one at or above it.
    const long scale = 17 - static_cast<long>(mpz_sizeinbase(numerator.get_mpz_t(), 10)) +
                       static_cast<long>(mpz_sizeinbase(denominator.get_mpz_t(), 10));
    const mpz_class power = powerOfTen(static_cast<unsigned long>(std::labs(scale)));
    const mpz_class quotient = scale >= 0 ? mpz_class(numerator * power / denominator)
                                          : mpz_class(numerator / (denominator * power));
    std::string digits = quotient.get_str();
    const long exponent = static_cast<long>(digits.size()) - 1 - scale;
    return roundedDigitsText(sgn(value) < 0, std::move(digits), exponent, separator);
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
