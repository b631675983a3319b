// SPDX-License-Identifier: GPL-3.0-or-later
#include "solver/solve.h"

#include "solver/integer_helpers.h"
#include "solver/number_text.h"

#include <algorithm>
#include <charconv>
#include <cmath>
#include <cstdint>
#include <limits>
#include <optional>
#include <string_view>
#include <utility>

namespace trx {

namespace {

const char* const kComplexSolution = "Solución compleja";

// A number text as an integer mantissa times a power of ten, when the
// mantissa has at most nine significant digits (so that the products of two
// of them are exact in 64 bits).
struct Decimal {
    std::int64_t mantissa;
    int exponent;
};

std::optional<Decimal> exactDecimal(std::string_view text, char separator)
{
    std::size_t at = 0;
    bool negative = false;
    if (at < text.size() && (text[at] == '+' || text[at] == '-')) {
        negative = text[at] == '-';
        ++at;
    }
    std::int64_t mantissa = 0;
    int digits = 0;
    int exponent = 0;
    int trailingZeros = 0;  // held back, so that 2500000000 is 25·10⁸
    bool afterSeparator = false;
    for (; at < text.size() && text[at] != 'E' && text[at] != 'e'; ++at) {
        if (text[at] == separator) {
            afterSeparator = true;
            continue;
        }
        if (text[at] < '0' || text[at] > '9') {
            return std::nullopt;
        }
        exponent -= afterSeparator ? 1 : 0;
        if (text[at] == '0') {
            trailingZeros += mantissa != 0 ? 1 : 0;
            continue;
        }
        digits += trailingZeros + 1;
        if (digits > 9) {
            return std::nullopt;
        }
        for (; trailingZeros > 0; --trailingZeros) {
            mantissa *= 10;
        }
        mantissa = mantissa * 10 + (text[at] - '0');
    }
    exponent += trailingZeros;
    if (at < text.size()) {
        std::string_view power = text.substr(at + 1);
        if (!power.empty() && power.front() == '+') {
            power.remove_prefix(1);
        }
        int written = 0;
        const auto [end, error] = std::from_chars(power.data(), power.data() + power.size(), written);
        if (error != std::errc() || end != power.data() + power.size() || std::abs(written) > 400) {
            return std::nullopt;
        }
        exponent += written;
    }
    return Decimal{negative ? -mantissa : mantissa, exponent};
}

// b² − 4ac computed exactly for the decimals the user typed, rounded once.
// Typed decimals are seldom exact in binary: 0,6 and 0,09 are stored a hair
// apart from what they say, enough to turn the double root of
// x² + 0,6x + 0,09 into two complex ones.  Nothing when the numbers have too
// many digits or too distant exponents for 64-bit integers.
std::optional<double> decimalDiscriminant(const std::array<std::string, 4>& fields, char separator)
{
    const auto a = exactDecimal(fields[0], separator);
    const auto b = exactDecimal(fields[1], separator);
    const auto c = exactDecimal(fields[2], separator);
    if (!a || !b || !c) {
        return std::nullopt;
    }
    Decimal square{b->mantissa * b->mantissa, 2 * b->exponent};
    Decimal product{4 * a->mantissa * c->mantissa, a->exponent + c->exponent};
    // A zero fits any exponent.
    if (square.mantissa == 0) {
        square.exponent = product.exponent;
    } else if (product.mantissa == 0) {
        product.exponent = square.exponent;
    }
    // Bring both to the smaller exponent, as long as that stays exact.
    constexpr std::int64_t kLimit = std::numeric_limits<std::int64_t>::max() / 20;
    for (Decimal* larger : {&square, &product}) {
        const Decimal& other = larger == &square ? product : square;
        while (larger->exponent > other.exponent) {
            if (std::abs(larger->mantissa) > kLimit) {
                return std::nullopt;
            }
            larger->mantissa *= 10;
            --larger->exponent;
        }
    }
    const std::string written =
        std::to_string(square.mantissa - product.mantissa) + "e" + std::to_string(square.exponent);
    double value = 0;
    const auto [end, error] = std::from_chars(written.data(), written.data() + written.size(), value);
    if (error != std::errc() || end != written.data() + written.size()) {
        return std::nullopt;
    }
    return value;
}

std::string integerText(std::int32_t value)
{
    char buffer[16];
    return std::string(buffer, std::to_chars(buffer, buffer + sizeof buffer, value).ptr);
}

// Euclides, with "no common divisor" where it would divide by zero (its
// smaller argument is 0).  A zero root or real part is common enough that it
// should not cost an exception.
std::optional<std::int16_t> commonDivisor(std::int16_t a, std::int16_t b)
{
    if (std::min(a, b) == 0) {
        return std::nullopt;
    }
    return Euclides(a, b);
}

// Both rows of a complex exact form: "real+imaginary i(radicand)^½" and the
// same with "-".
std::array<std::string, 2> complexForms(const std::string& realPart, const std::string& imaginaryFactor,
                                        const std::string& radicand)
{
    const std::string tail = imaginaryFactor + " i(" + radicand + ")^½";
    return {realPart + "+" + tail, realPart + "-" + tail};
}

// One run of the solver.  The steps fill `result_` as far as they get; an
// overflow before any solution is shown turns the whole run into Cancelled.
class SolveRun {
public:
    explicit SolveRun(const SolveRequest& request) : request_(request), separator_(request.separator) { }

    void solve();
    SolveResult takeResult() { return std::move(result_); }

private:
    std::string text(double value) const { return numberToText(value, separator_); }
    double value(const std::string& text) const { return numberValue(text, separator_); }
    void cancel()
    {
        result_.outcome = SolveOutcome::Cancelled;
        result_.error = ErrorCode::Overflow;
    }

    bool moveRightSide(double rightSide);
    bool normaliseSign();
    void showRealRoots();
    void showReducedFractions();
    void showRootForms();
    void showComplexRoots();
    void showReducedComplexForms(std::int32_t squareFactor, const std::string& radicandText);

    const SolveRequest& request_;
    const char separator_;
    SolveResult result_;
    std::array<std::string, 4> fieldText_;  // the entry fields as this run leaves them
    double a_ = 0, b_ = 0, c_ = 0;
    double minusB_ = 0, twoA_ = 0, discriminant_ = 0;
};

void SolveRun::solve()
{
    std::array<double, 4> fieldValue{};
    for (std::size_t i = 0; i < fieldValue.size(); ++i) {
        const auto parsed = parseNumber(request_.fields[i], separator_);
        if (!parsed) {
            result_.outcome = SolveOutcome::NotANumber;
            result_.error = ErrorCode::TypeMismatch;
            result_.normalForm = {request_.fields[0], request_.fields[1], request_.fields[2]};
            return;
        }
        fieldValue[i] = *parsed;
    }
    if (fieldValue[0] == 0) {
        result_.outcome = SolveOutcome::ZeroSquareCoefficient;
        return;
    }
    fieldText_ = request_.fields;
    a_ = fieldValue[0];
    b_ = fieldValue[1];
    c_ = fieldValue[2];
    if (fieldValue[3] != 0 && !moveRightSide(fieldValue[3])) {
        cancel();
        return;
    }
    if (a_ < 0 && !normaliseSign()) {
        cancel();
        return;
    }
    minusB_ = -b_;
    result_.linearTermZero = b_ == 0;

    twoA_ = 2 * a_;
    // An overflow of the binary products cancels the run even where the
    // decimal one would fit.
    const double binaryDiscriminant = discriminant(a_, b_, c_);
    discriminant_ = std::isfinite(binaryDiscriminant)
                        ? decimalDiscriminant(fieldText_, separator_).value_or(binaryDiscriminant)
                        : binaryDiscriminant;
    if (!std::isfinite(twoA_) || !std::isfinite(discriminant_)) {
        cancel();
        return;
    }
    if (discriminant_ < 0) {
        result_.outcome = SolveOutcome::ComplexRoots;
        showComplexRoots();
    } else {
        result_.outcome = discriminant_ > 0 ? SolveOutcome::TwoRealRoots : SolveOutcome::DoubleRoot;
        showRealRoots();
    }
    // A cancelled run ends before the coefficients are written back.
    if (result_.outcome != SolveOutcome::Cancelled) {
        result_.normalForm = {fieldText_[0], fieldText_[1], fieldText_[2]};
    }
}

// c − d goes into the constant term and the right side becomes 0.  False when
// c − d is out of range.
bool SolveRun::moveRightSide(double rightSide)
{
    const double moved = -rightSide + c_;
    if (!std::isfinite(moved)) {
        return false;
    }
    std::string movedText = text(moved);
    // The equation solved is the one the field shows, rounded to 15 digits;
    // that rounding may just pass the largest double.
    const auto shown = parseNumber(movedText, separator_);
    if (!shown) {
        return false;
    }
    c_ = *shown;
    fieldText_[2] = movedText;
    fieldText_[3] = "0";
    result_.fieldWrites.emplace_back(2, std::move(movedText));
    result_.fieldWrites.emplace_back(3, "0");
    return true;
}

// False, with nothing written, when a negated field would not be a number:
// rounded to 15 digits, a value next to the largest double passes it.
bool SolveRun::normaliseSign()
{
    std::array<std::string, 4> negated;
    for (std::size_t i = 0; i < negated.size(); ++i) {
        negated[i] = text(-value(fieldText_[i]));
        if (!isNumeric(negated[i], separator_)) {
            return false;
        }
    }
    a_ = -a_;
    b_ = -b_;
    c_ = -c_;
    for (std::size_t i = 0; i < negated.size(); ++i) {
        fieldText_[i] = negated[i];
        result_.fieldWrites.emplace_back(static_cast<int>(i), negated[i]);
    }
    return true;
}

void SolveRun::showRealRoots()
{
    // Solution 1 is always the root with +√D, the larger one.
    double numerator1 = 0;
    double numerator2 = 0;
    double root1 = 0;
    double root2 = 0;
    if (discriminant_ == 0) {
        // √D counts as 0: one root, shown twice.
        numerator1 = numerator2 = minusB_;
        root1 = root2 = minusB_ / twoA_;
    } else {
        const double root = std::sqrt(discriminant_);
        const double magnitudeB = std::abs(minusB_);
        if (std::abs(magnitudeB - root) >= (magnitudeB + root) / 2) {
            // Neither −b + √D nor −b − √D loses digits (always so for b = 0).
            numerator1 = minusB_ + root;
            numerator2 = minusB_ - root;
            root1 = numerator1 / twoA_;
            root2 = numerator2 / twoA_;
        } else if (minusB_ >= 0) {
            // −b − √D would cancel: that root comes from the product of the
            // roots, c / a, instead.
            numerator1 = minusB_ + root;
            root1 = numerator1 / twoA_;
            root2 = 2 * (c_ / numerator1);
            numerator2 = root2 * twoA_;
        } else {
            numerator2 = minusB_ - root;
            root2 = numerator2 / twoA_;
            root1 = 2 * (c_ / numerator2);
            numerator1 = root1 * twoA_;
        }
    }

    if (!std::isfinite(root1)) {
        cancel();
        return;
    }
    result_.solution1 = text(root1);
    if (!std::isfinite(root2)) {
        // Solution 1 is already shown, so the window ends the run without a message.
        result_.error = ErrorCode::Overflow;
        return;
    }
    result_.solution2 = text(root2);

    ExactForms& exact = result_.exact;
    exact.leftColumnUncovered = true;
    exact.numerator = {text(numerator1), text(numerator2)};
    exact.denominator = {text(twoA_), text(twoA_)};
    // A numerator written without a separator is a whole number (6, -8,
    // 1E+16): the fractions can be reduced.  Otherwise √D is written out.
    if (exact.numerator[0].find(separator_) == std::string::npos) {
        showReducedFractions();
    } else {
        showRootForms();
    }
}

// Each row of the right column is its left-column fraction divided by the
// common divisor of numerator and 2a.  A row whose divisor cannot be found,
// and every row after it, stays empty and covered.
void SolveRun::showReducedFractions()
{
    ExactForms& exact = result_.exact;
    const std::array<double, 2> numerator = {value(exact.numerator[0]), value(exact.numerator[1])};
    std::array<std::optional<std::int16_t>, 2> divisor;
    try {
        const std::int16_t denominator = toInt16(toInt32(twoA_));
        for (std::size_t row = 0; row < 2; ++row) {
            divisor[row] = commonDivisor(toInt16(numerator[row]), denominator);
        }
    } catch (const RunTimeError&) {
        return;  // too large for the integer routines: nothing to reduce
    }
    for (std::size_t row = 0; row < 2; ++row) {
        if (!divisor[row]) {
            return;
        }
        double reducedNumerator = numerator[row] / *divisor[row];
        double reducedDenominator = value(exact.denominator[row]) / *divisor[row];
        // The divisor may come out negative; the sign belongs on the numerator.
        if (reducedDenominator < 0) {
            reducedDenominator = -reducedDenominator;
            reducedNumerator = -reducedNumerator;
        }
        exact.reducedNumerator[row] = text(reducedNumerator);
        exact.reducedDenominator[row] = text(reducedDenominator);
        exact.reducedRowUncovered[row] = true;
    }
}

void SolveRun::showRootForms()
{
    ExactForms& exact = result_.exact;
    const std::string minusB = text(minusB_);
    const std::string radicand = text(discriminant_);
    exact.reducedNumerator = {minusB + "+(" + radicand + ")^½", minusB + "-(" + radicand + ")^½"};
    exact.reducedDenominator = {text(twoA_), text(twoA_)};
    exact.reducedRowUncovered = {true, true};
}

void SolveRun::showComplexRoots()
{
    const double radicand = -discriminant_;
    std::int32_t squareFactor = 1;
    double shownRadicand = radicand;
    if (request_.simplifyRoot) {
        try {
            squareFactor = Descomponer(toInt32(radicand));
        } catch (const RunTimeError&) {
            cancel();
            return;
        }
        shownRadicand = radicand / (static_cast<double>(squareFactor) * squareFactor);
    }

    ExactForms& exact = result_.exact;
    exact.reducedDenominator = {kComplexSolution, kComplexSolution};
    const std::string radicandText = text(shownRadicand);
    const std::string twoA = text(twoA_);
    exact.numerator = complexForms(text(minusB_) + "/" + twoA, integerText(squareFactor) + "/" + twoA, radicandText);

    // The numbers use the whole radicand, so they do not depend on the option.
    const double realPart = minusB_ / twoA_;
    const double imaginaryPart = std::sqrt(radicand) / twoA_;
    if (!std::isfinite(realPart) || !std::isfinite(imaginaryPart)) {
        cancel();
        return;
    }
    result_.solution1 = text(realPart) + "+ i" + text(imaginaryPart);
    result_.solution2 = text(realPart) + "- i" + text(imaginaryPart);
    showReducedComplexForms(squareFactor, radicandText);
}

// The exact form with both fractions reduced by their common divisors with
// 2a.  When a part does not reduce (too large for 16 bits, or zero) the
// reduced form is left out.
void SolveRun::showReducedComplexForms(std::int32_t squareFactor, const std::string& radicandText)
{
    try {
        const std::int16_t denominator = toInt16(twoA_);
        const auto realDivisor = commonDivisor(toInt16(minusB_), denominator);
        const auto imaginaryDivisor = commonDivisor(toInt16(squareFactor), denominator);
        if (!realDivisor || !imaginaryDivisor) {
            return;
        }
        const double reducedFactor = static_cast<double>(squareFactor) / *imaginaryDivisor;
        const std::int32_t imaginaryDenominator = toInt32(twoA_ / *imaginaryDivisor);
        double realNumerator = minusB_ / *realDivisor;
        double realDenominator = twoA_ / *realDivisor;
        if (realDenominator < 0) {
            realNumerator = -realNumerator;
            realDenominator = -realDenominator;
        }
        result_.exact.reducedNumerator =
            complexForms(text(realNumerator) + "/" + text(realDenominator),
                         text(reducedFactor) + "/" + integerText(imaginaryDenominator), radicandText);
    } catch (const RunTimeError&) {
        // Left empty; the unreduced form is already shown.
    }
}

}  // namespace

SolveResult solve(const SolveRequest& request)
{
    SolveRun run(request);
    run.solve();
    return run.takeResult();
}

// Kahan's method: when b² and 4ac nearly cancel, the rounding errors of both
// products are recovered with fused multiply-adds.
double discriminant(double a, double b, double c)
{
    const double fourA = 4 * a;
    const double square = b * b;
    const double product = fourA * c;
    const double d = square - product;
    if (square + product < 3 * std::abs(d)) {
        return d;
    }
    return (square - product) + (std::fma(b, b, -square) - std::fma(fourA, c, -product));
}

}  // namespace trx
