// SPDX-License-Identifier: GPL-3.0-or-later
#include "accuracy/oracle.h"

#include <gmpxx.h>
#include <mpfr.h>

#include <algorithm>
#include <charconv>
#include <cstdio>
#include <map>
#include <optional>
#include <string_view>
#include <utility>

namespace trx::accuracy {

namespace {

// The exact value of a number text with ',' as separator.
mpq_class exactValue(std::string_view text)
{
    const bool negative = text.front() == '-';
    if (text.front() == '-' || text.front() == '+') {
        text.remove_prefix(1);
    }
    const std::size_t mark = text.find_first_of("Ee");
    std::string digits;
    long exponent = 0;
    bool fraction = false;
    for (const char ch : text.substr(0, mark)) {
        if (ch == ',') {
            fraction = true;
        } else {
            digits += ch;
            exponent -= fraction ? 1 : 0;
        }
    }
    if (digits.find_first_not_of('0') == std::string::npos) {
        return 0;
    }
    if (mark != std::string_view::npos) {
        long typed = 0;
        std::string_view power = text.substr(mark + 1);
        const bool negativePower = power.front() == '-';
        power.remove_prefix(power.front() == '-' || power.front() == '+' ? 1 : 0);
        for (const char ch : power) {
            typed = std::min(100'000'000L, typed * 10 + (ch - '0'));  // a non-zero value stays far below
        }
        exponent += negativePower ? -typed : typed;
    }
    mpz_class scale;
    mpz_ui_pow_ui(scale.get_mpz_t(), 10, static_cast<unsigned long>(std::labs(exponent)));
    mpq_class value =
        exponent >= 0 ? mpq_class(mpz_class(digits, 10) * scale) : mpq_class(mpz_class(digits, 10), scale);
    value.canonicalize();
    return negative ? mpq_class(-value) : value;
}

// Whether a text lies inside the double range (the numeric test's verdict).
bool fits(std::string text)
{
    for (char& ch : text) {
        ch = ch == ',' ? '.' : ch;
    }
    double value = 0;
    const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), value);
    return error == std::errc() && end == text.data() + text.size();
}

// d.dddd × 10^exponent with 15 digits, written by the number-to-text rule.
std::string ruleForm(bool negative, std::string digits, long exponent)
{
    digits.erase(digits.find_last_not_of('0') + 1);
    std::string text = negative ? "-" : "";
    if (exponent >= -4 && exponent <= 14) {
        if (exponent < 0) {
            return text + "0," + std::string(static_cast<std::size_t>(-exponent - 1), '0') + digits;
        }
        digits.resize(std::max(digits.size(), static_cast<std::size_t>(exponent + 1)), '0');
        const std::string fraction = digits.substr(static_cast<std::size_t>(exponent + 1));
        return text + digits.substr(0, static_cast<std::size_t>(exponent + 1)) + (fraction.empty() ? "" : ",") +
               fraction;
    }
    char power[32];
    std::snprintf(power, sizeof power, "E%c%02ld", exponent < 0 ? '-' : '+', std::labs(exponent));
    return text + digits.substr(0, 1) + (digits.size() > 1 ? "," + digits.substr(1) : "") + power;
}

class Reference {
public:
    explicit Reference(mpfr_prec_t precision) : precision_(precision) { }

    std::string text(const mpq_class& value) const
    {
        if (sgn(value) == 0) {
            return "0";
        }
        Number number(precision_);
        mpfr_set_q(number.value, value.get_mpq_t(), MPFR_RNDN);
        return text(number.value);
    }

    // (u + rootSign·√v) / w
    std::string rootText(const mpq_class& u, const mpq_class& v, int rootSign, const mpq_class& w) const
    {
        if (mpz_perfect_square_p(v.get_num_mpz_t()) && mpz_perfect_square_p(v.get_den_mpz_t())) {
            mpz_class top, bottom;
            mpz_sqrt(top.get_mpz_t(), v.get_num_mpz_t());
            mpz_sqrt(bottom.get_mpz_t(), v.get_den_mpz_t());
            return text((u + rootSign * mpq_class(top, bottom)) / w);
        }
        Number root(precision_), sum(precision_), other(precision_);
        mpfr_set_q(root.value, v.get_mpq_t(), MPFR_RNDN);
        mpfr_sqrt(root.value, root.value, MPFR_RNDN);
        mpfr_mul_si(root.value, root.value, rootSign, MPFR_RNDN);
        mpfr_set_q(sum.value, u.get_mpq_t(), MPFR_RNDN);
        if (sgn(u) * rootSign < 0) {
            // u + root = (u² − v) / (u − root), free of cancellation
            mpfr_sub(sum.value, sum.value, root.value, MPFR_RNDN);
            mpfr_set_q(other.value, mpq_class(u * u - v).get_mpq_t(), MPFR_RNDN);
            mpfr_div(sum.value, other.value, sum.value, MPFR_RNDN);
        } else {
            mpfr_add(sum.value, sum.value, root.value, MPFR_RNDN);
        }
        mpfr_set_q(other.value, w.get_mpq_t(), MPFR_RNDN);
        mpfr_div(sum.value, sum.value, other.value, MPFR_RNDN);
        return text(sum.value);
    }

private:
    struct Number {
        explicit Number(mpfr_prec_t precision) { mpfr_init2(value, precision); }
        Number(const Number&) = delete;
        Number& operator=(const Number&) = delete;
        ~Number() { mpfr_clear(value); }
        mpfr_t value;
    };

    // All the digits the precision holds but the last few, then half up at
    // the fifteenth.  A value a hair from a halfway case keeps that hair;
    // an exact halfway case (a fraction) comes out as 5 and zeros.
    static std::string text(mpfr_srcptr value)
    {
        const auto digitCount = static_cast<std::size_t>((mpfr_get_prec(value) - 64) * 3 / 10);
        mpfr_exp_t exponent = 0;
        char* written = mpfr_get_str(nullptr, &exponent, 10, digitCount, value, MPFR_RNDN);
        std::string digits = written;
        mpfr_free_str(written);
        const bool negative = digits.front() == '-';
        if (negative) {
            digits.erase(0, 1);
        }
        long power = static_cast<long>(exponent) - 1;
        const bool up = digits[15] >= '5';
        digits.resize(15);
        if (up) {
            mpz_class rounded = mpz_class(digits, 10) + 1;
            digits = rounded.get_str();
            if (digits.size() > 15) {
                digits.resize(15);
                ++power;
            }
        }
        return ruleForm(negative, digits, power);
    }

    mpfr_prec_t precision_;
};

std::string rootForm(const std::string& minusB, const char* sign, const std::string& radicand)
{
    return minusB + sign + "(" + radicand + ")^½";
}

// The nearest integer, ties to the even one, when it fits 16 bits.
std::optional<long> nearest16(const mpq_class& value)
{
    mpz_class nearest;
    mpz_fdiv_q(nearest.get_mpz_t(), value.get_num_mpz_t(), value.get_den_mpz_t());
    const int half = cmp(mpq_class(value - nearest), mpq_class(1, 2));
    if (half > 0 || (half == 0 && mpz_odd_p(nearest.get_mpz_t()))) {
        ++nearest;
    }
    if (nearest < -32768 || nearest > 32767) {
        return std::nullopt;
    }
    return nearest.get_si();
}

// The program's common divisor: the last non-zero remainder's divisor, the
// larger argument taken first, with its sign as it comes; nothing when the
// smaller argument is 0.
std::optional<long> euclides(long a, long b)
{
    if (a < b) {
        std::swap(a, b);
    }
    if (b == 0) {
        return std::nullopt;
    }
    for (long r = a % b; r != 0; r = a % b) {
        a = b;
        b = r;
    }
    return b;
}

// Both rows of the right column for whole numerators: the shown fractions
// divided by their common divisors, the sign on the numerator; a row without
// a divisor and the rows after it stay empty, as do both when one rounding
// leaves 16 bits.
void expectReducedFractions(const Reference& reference, const mpq_class& twoA,
                            const std::array<std::string, 2>& numerator, Expected& expected)
{
    const auto denominator = nearest16(twoA);
    const std::array<mpq_class, 2> value = {exactValue(numerator[0]), exactValue(numerator[1])};
    const std::array<std::optional<long>, 2> rounded = {nearest16(value[0]), nearest16(value[1])};
    bool reduced = denominator && rounded[0] && rounded[1];
    for (std::size_t row = 0; row < 2; ++row) {
        const auto divisor = reduced ? euclides(*rounded[row], *denominator) : std::nullopt;
        reduced = divisor.has_value();
        std::string top, bottom;
        if (reduced) {
            mpq_class over = value[row] / *divisor;
            mpq_class under = exactValue(reference.text(twoA)) / *divisor;
            if (sgn(under) < 0) {
                over = -over;
                under = -under;
            }
            top = reference.text(over);
            bottom = reference.text(under);
        }
        expected.texts.emplace_back("reduced numerator " + std::to_string(row + 1), top);
        expected.texts.emplace_back("reduced denominator " + std::to_string(row + 1), bottom);
    }
}

void expectComplexRoots(const Reference& reference, const mpq_class& twoA, const mpq_class& minusB,
                        const mpq_class& radicand, Expected& expected)
{
    expected.outcome = SolveOutcome::ComplexRoots;
    const std::string radicandText = reference.text(radicand);
    const std::string denominator = reference.text(twoA);
    const std::string real = reference.text(mpq_class(minusB / twoA));
    const std::string imaginary = reference.rootText(0, radicand, 1, twoA);
    const std::string minusBText = reference.text(minusB);
    for (const std::string* shown : {&radicandText, &denominator, &minusBText, &real, &imaginary}) {
        if (!fits(*shown)) {
            expected.outcome = SolveOutcome::Cancelled;
            return;
        }
    }
    const auto forms = [&](const std::string& realPart, const std::string& imaginaryFactor) {
        const std::string tail = imaginaryFactor + " i(" + radicandText + ")^½";
        return std::array<std::string, 2>{realPart + "+" + tail, realPart + "-" + tail};
    };
    const auto left = forms(minusBText + "/" + denominator, "1/" + denominator);
    // Reduced: −b and 2a by their divisor, the factor 1 by its divisor with
    // 2a (which is 1), the sign on the numerator.
    std::array<std::string, 2> right;
    const auto roundedTwoA = nearest16(twoA);
    const auto roundedMinusB = nearest16(minusB);
    const auto divisor = roundedTwoA && roundedMinusB ? euclides(*roundedMinusB, *roundedTwoA) : std::nullopt;
    if (divisor && euclides(1, *roundedTwoA)) {
        const long positive = *divisor < 0 ? -*divisor : *divisor;
        right = forms(reference.text(mpq_class(minusB / positive)) + "/" + reference.text(mpq_class(twoA / positive)),
                      "1/" + std::to_string(*roundedTwoA));
    }
    const std::pair<const char*, std::string> texts[] = {
        {"complex form 1", left[0]},   {"complex form 2", left[1]},  {"real part", real},
        {"imaginary part", imaginary}, {"reduced form 1", right[0]}, {"reduced form 2", right[1]},
    };
    for (const auto& [name, text] : texts) {
        expected.texts.emplace_back(name, text);
    }
}

// A value to be shown beyond the double range cancels the run: the solutions
// give way, and what the exact display wrote before it stays.
void cancelAfterSolutions(Expected& expected)
{
    expected.outcome = SolveOutcome::Cancelled;
    auto& texts = expected.texts;
    texts.erase(std::remove_if(texts.begin(), texts.end(),
                               [](const auto& text) { return text.first.rfind("solution ", 0) == 0; }),
                texts.end());
}

void expectRealRoots(const Reference& reference, const mpq_class& twoA, const mpq_class& minusB,
                     const mpq_class& discriminant, Expected& expected)
{
    expected.outcome = sgn(discriminant) > 0 ? SolveOutcome::TwoRealRoots : SolveOutcome::DoubleRoot;
    // In the order the solver shows them; the first that does not fit stops it.
    const std::string solution1 = reference.rootText(minusB, discriminant, 1, twoA);
    if (!fits(solution1)) {
        expected.outcome = SolveOutcome::Cancelled;
        return;
    }
    const std::vector<std::pair<std::string, std::string>> shown = {
        {"solution 1", solution1},
        {"solution 2", reference.rootText(minusB, discriminant, -1, twoA)},
        {"numerator 1", reference.rootText(minusB, discriminant, 1, 1)},
        {"denominator 1", reference.text(twoA)},
        {"numerator 2", reference.rootText(minusB, discriminant, -1, 1)},
        {"denominator 2", reference.text(twoA)},
    };
    for (const auto& [name, text] : shown) {
        if (!fits(text)) {
            cancelAfterSolutions(expected);
            return;
        }
        expected.texts.emplace_back(name, text);
    }
    if (shown[2].second.find(',') == std::string::npos) {
        expectReducedFractions(reference, twoA, {shown[2].second, shown[4].second}, expected);
        return;
    }
    const std::string minusBText = reference.text(minusB);
    const std::string radicand = reference.text(discriminant);
    if (!fits(minusBText) || !fits(radicand)) {
        cancelAfterSolutions(expected);
        return;
    }
    expected.texts.emplace_back("root form 1", rootForm(minusBText, "+", radicand));
    expected.texts.emplace_back("root form 2", rootForm(minusBText, "-", radicand));
    expected.texts.emplace_back("root denominator", reference.text(twoA));
}

// The rest of a run after the normal form: real or complex display.
void expectDisplay(const Reference& reference, const mpq_class& a, const mpq_class& b, const mpq_class& c,
                   Expected& expected)
{
    const mpq_class discriminant = b * b - 4 * a * c;
    if (sgn(discriminant) < 0) {
        expectComplexRoots(reference, 2 * a, -b, -discriminant, expected);
    } else {
        expectRealRoots(reference, 2 * a, -b, discriminant, expected);
    }
}

}  // namespace

Expected expectedResult(const std::array<std::string, 4>& fields)
{
    std::size_t length = 0;
    for (const std::string& field : fields) {
        length += field.size();
    }
    const Reference reference(static_cast<mpfr_prec_t>(4096 + 64 * length));
    Expected expected;
    std::array<mpq_class, 4> value;
    for (std::size_t i = 0; i < 4; ++i) {
        value[i] = exactValue(fields[i]);
    }
    if (sgn(value[0]) == 0) {
        expected.outcome = SolveOutcome::ZeroSquareCoefficient;
        return expected;
    }
    // What the fields hold afterwards, as far as the run wrote them.
    std::array<std::string, 4> fieldsAfter = fields;
    const auto withFields = [&expected, &fieldsAfter] {
        for (std::size_t i = 0; i < fieldsAfter.size(); ++i)
            expected.texts.emplace_back("field " + std::to_string(i), fieldsAfter[i]);
        return expected;
    };
    if (sgn(value[3]) != 0) {
        const std::string moved = reference.text(value[2] - value[3]);
        if (!fits(moved)) {
            expected.outcome = SolveOutcome::Cancelled;
            return withFields();
        }
        fieldsAfter[2] = moved;
        fieldsAfter[3] = "0";
        value[2] = exactValue(moved);
        value[3] = 0;
    }
    if (sgn(value[0]) < 0) {
        std::array<std::string, 4> negated;
        for (std::size_t i = 0; i < 4; ++i) {
            value[i] = -value[i];
            negated[i] = reference.text(value[i]);
            if (!fits(negated[i])) {
                expected.outcome = SolveOutcome::Cancelled;
                return withFields();
            }
        }
        fieldsAfter = negated;
    }
    expectDisplay(reference, value[0], value[1], value[2], expected);
    return withFields();
}

Score score(const Expected& expected, const SolveResult& result)
{
    std::map<std::string, std::string> shown;
    for (std::size_t i = 0; i < result.fields.size(); ++i) {
        shown["field " + std::to_string(i)] = result.fields[i];
    }
    const trx::ExactForms& exact = result.exact;
    if (result.outcome == SolveOutcome::ComplexRoots) {
        const std::size_t plus = result.solution1.find("+ i");
        shown["real part"] = result.solution1.substr(0, plus);
        shown["imaginary part"] = plus == std::string::npos ? "" : result.solution1.substr(plus + 3);
        shown["complex form 1"] = exact.numerator[0];
        shown["complex form 2"] = exact.numerator[1];
        shown["reduced form 1"] = exact.reducedNumerator[0];
        shown["reduced form 2"] = exact.reducedNumerator[1];
    } else {
        shown["solution 1"] = result.solution1;
        shown["solution 2"] = result.solution2;
        for (std::size_t row = 0; row < 2; ++row) {
            const std::string number = std::to_string(row + 1);
            shown["numerator " + number] = exact.numerator[row];
            shown["denominator " + number] = exact.denominator[row];
            shown["root form " + number] = exact.reducedNumerator[row];
            shown["reduced numerator " + number] = exact.reducedNumerator[row];
            shown["reduced denominator " + number] = exact.reducedDenominator[row];
        }
        shown["root denominator"] = exact.reducedDenominator[0];
    }

    Score score;
    score.classRight = result.outcome == expected.outcome;
    for (const auto& [name, text] : expected.texts) {
        ++score.texts;
        if (shown[name] == text) {
            ++score.textsRight;
        } else {
            score.mismatches.push_back(name + ": " + text + " | " + shown[name]);
        }
    }
    return score;
}

}  // namespace trx::accuracy
