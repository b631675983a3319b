// SPDX-License-Identifier: GPL-3.0-or-later
#include "exact/solve.h"

#include "core/integer_helpers.h"
#include "core/number_text.h"
#include "exact/exact_decimal.h"
#include "exact/rounded_text.h"

#include <algorithm>
#include <charconv>
#include <cstdint>
#include <optional>
#include <utility>

namespace trx {

namespace {

std::string integerText(std::int32_t value)
{
    char buffer[16];
    return std::string(buffer, std::to_chars(buffer, buffer + sizeof buffer, value).ptr);
}

// The nearest integer to a quotient, ties to the even one, as the
// conversions to 16- and 32-bit integers round.  Throws
// RunTimeError(Overflow) beyond 32 bits.
std::int32_t nearestInt32(const DecimalQuotient& value)
{
    const long exponent = value.numerator.exponent - value.denominator.exponent;
    if (sign(value.numerator) == 0) {
        return 0;
    }
    mpz_class numerator = value.numerator.significand * sign(value.denominator);
    mpz_class denominator = abs(value.denominator.significand);
    (exponent >= 0 ? numerator : denominator) *= powerOfTen(static_cast<unsigned long>(std::labs(exponent)));
    mpz_class nearest, remainder;
    mpz_fdiv_qr(nearest.get_mpz_t(), remainder.get_mpz_t(), numerator.get_mpz_t(), denominator.get_mpz_t());
    const int halfway = cmp(2 * remainder, denominator);
    if (halfway > 0 || (halfway == 0 && mpz_odd_p(nearest.get_mpz_t()))) {
        ++nearest;
    }
    if (!nearest.fits_sint_p()) {
        throw RunTimeError(ErrorCode::Overflow);
    }
    return static_cast<std::int32_t>(nearest.get_si());
}

std::int32_t nearestInt32(const ExactDecimal& value)
{
    return nearestInt32(DecimalQuotient{value, ExactDecimal{1}});
}

// Nothing when the value does not fit 16 bits (common enough for a whole
// numerator that it should not cost an exception).
std::optional<std::int16_t> nearestInt16(const ExactDecimal& value)
{
    const long digits = static_cast<long>(mpz_sizeinbase(value.significand.get_mpz_t(), 10)) + value.exponent;
    if (digits > 6) {
        return std::nullopt;
    }
    const std::int32_t nearest = nearestInt32(value);
    if (nearest < INT16_MIN || nearest > INT16_MAX) {
        return std::nullopt;
    }
    return static_cast<std::int16_t>(nearest);
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

// One run of the solver, on the exact values of the decimals in the fields.
// The steps fill `result_` as far as they get.  A value to be shown that lies
// outside the double range (its text would fail the numeric test) raises an
// overflow, which cancels the run: a solution, a value of the exact display
// or a coefficient written back.
class SolveRun {
public:
    explicit SolveRun(const SolveRequest& request) : request_(request), separator_(request.separator)
    {
        result_.fields = request.fields;
    }

    void solve();
    SolveResult takeResult() { return std::move(result_); }

private:
    template <typename Value> std::string text(const Value& value) const
    {
        std::string written = roundedText(value, separator_);
        // Only an exponent of ±300 or more can leave the double range.
        const std::size_t power = written.find('E');
        const std::size_t exponentDigits = power == std::string::npos ? 0 : written.size() - power - 2;
        const bool nearTheEnds =
            exponentDigits > 3 || (exponentDigits == 3 && written.compare(power + 2, 3, "300") >= 0);
        if (nearTheEnds && !isNumeric(written, separator_)) {
            throw RunTimeError(ErrorCode::Overflow);
        }
        return written;
    }
    ExactDecimal value(const std::string& text) const { return *parseExactDecimal(text, separator_); }
    // The solutions give way to the window's cancellation; the fields and the
    // exact display keep what the run wrote before it stopped.
    void cancel()
    {
        result_.outcome = SolveOutcome::Cancelled;
        result_.error = ErrorCode::Overflow;
        result_.solution1.clear();
        result_.solution2.clear();
    }

    void normaliseAndSolve(const ExactDecimal& rightSide);
    void moveRightSide(const ExactDecimal& rightSide);
    void normaliseSign();
    std::string rootText(int rootSign, const ExactDecimal& divisor) const;
    void showRealRoots();
    void showReducedFractions();
    void showRootForms();
    void showComplexRoots();
    void showReducedComplexForms(std::int32_t squareFactor, const std::string& radicandText);

    const SolveRequest& request_;
    const char separator_;
    SolveResult result_;
    ExactDecimal a_, b_, c_;
    ExactDecimal minusB_, twoA_, fourAC_, discriminant_;
    std::optional<ExactDecimal> rootOfDiscriminant_;  // √D when it is a decimal
};

void SolveRun::solve()
{
    std::array<ExactDecimal, 4> fieldValue;
    for (std::size_t i = 0; i < fieldValue.size(); ++i) {
        auto parsed = parseExactDecimal(request_.fields[i], separator_);
        if (!parsed) {
            result_.outcome = SolveOutcome::NotANumber;
            result_.error = ErrorCode::TypeMismatch;
            return;
        }
        fieldValue[i] = std::move(*parsed);
    }
    a_ = fieldValue[0];
    b_ = fieldValue[1];
    c_ = fieldValue[2];
    if (sign(a_) == 0) {
        result_.outcome = SolveOutcome::ZeroSquareCoefficient;
        return;
    }
    try {
        normaliseAndSolve(fieldValue[3]);
    } catch (const RunTimeError& error) {
        if (error.code() == ErrorCode::Overflow) {
            cancel();
        } else {
            result_.error = error.code();
        }
    }
}

void SolveRun::normaliseAndSolve(const ExactDecimal& rightSide)
{
    if (sign(rightSide) != 0) {
        moveRightSide(rightSide);
    }
    if (sign(a_) < 0) {
        normaliseSign();
    }
    minusB_ = -b_;
    twoA_ = ExactDecimal{2} * a_;
    fourAC_ = ExactDecimal{4} * a_ * c_;
    discriminant_ = b_ * b_ - fourAC_;
    if (sign(discriminant_) < 0) {
        result_.outcome = SolveOutcome::ComplexRoots;
        showComplexRoots();
    } else {
        result_.outcome = sign(discriminant_) > 0 ? SolveOutcome::TwoRealRoots : SolveOutcome::DoubleRoot;
        showRealRoots();
    }
}

// c − d goes into the constant term and the right side becomes 0.  The
// equation solved is the one the field then shows: c − d rounded to 15 digits.
void SolveRun::moveRightSide(const ExactDecimal& rightSide)
{
    std::string movedText = text(c_ - rightSide);
    c_ = value(movedText);
    result_.fields[2] = std::move(movedText);
    result_.fields[3] = "0";
}

// The values are negated exactly; the fields show the negations' texts.
// Nothing is written when one of those texts would not be a number.
void SolveRun::normaliseSign()
{
    // The right side is 0 by now, whatever its text.
    const std::array<std::string, 4> negated = {text(-a_), text(-b_), text(-c_), "0"};
    a_ = -a_;
    b_ = -b_;
    c_ = -c_;
    for (std::size_t i = 0; i < negated.size(); ++i) {
        result_.fields[i] = negated[i];
    }
}

// The text of (−b + rootSign·√D) / divisor: a solution for the divisor 2a,
// a numerator for 1.  Exact arithmetic when √D is a decimal.
std::string SolveRun::rootText(int rootSign, const ExactDecimal& divisor) const
{
    if (rootOfDiscriminant_) {
        const ExactDecimal numerator = rootSign > 0 ? minusB_ + *rootOfDiscriminant_ : minusB_ - *rootOfDiscriminant_;
        return text(DecimalQuotient{numerator, divisor});
    }
    return text(QuadraticSurd{minusB_, discriminant_, rootSign, divisor, fourAC_});
}

void SolveRun::showRealRoots()
{
    // Solution 1 is always the root with +√D, the larger one; with D = 0
    // both are −b / 2a.
    rootOfDiscriminant_ = exactSquareRoot(discriminant_);
    result_.solution1 = rootText(1, twoA_);
    result_.solution2 = rootText(-1, twoA_);

    ExactForms& exact = result_.exact;
    exact.leftColumnUncovered = true;
    for (std::size_t row = 0; row < 2; ++row) {
        exact.numerator[row] = rootText(row == 0 ? 1 : -1, ExactDecimal{1});
        exact.denominator[row] = text(twoA_);
    }
    // A numerator written without a separator is a whole number (6, -8,
    // 1E+16): the fractions can be reduced.  Otherwise √D is written out.
    if (exact.numerator[0].find(separator_) == std::string::npos) {
        showReducedFractions();
    } else {
        showRootForms();
    }
}

// Each row of the right column is its left-column fraction, as shown, divided
// by the common divisor of numerator and 2a.  A row whose divisor cannot be
// found, and every row after it, stays empty and covered.
void SolveRun::showReducedFractions()
{
    ExactForms& exact = result_.exact;
    const std::array<ExactDecimal, 2> numerator = {value(exact.numerator[0]), value(exact.numerator[1])};
    // Every rounding comes before any reduction: one value beyond 16 bits
    // leaves both rows empty.
    const auto denominator = nearestInt16(twoA_);
    const std::array<std::optional<std::int16_t>, 2> roundedNumerator = {nearestInt16(numerator[0]),
                                                                         nearestInt16(numerator[1])};
    if (!denominator || !roundedNumerator[0] || !roundedNumerator[1]) {
        return;
    }
    const std::array<std::optional<std::int16_t>, 2> divisor = {commonDivisor(*roundedNumerator[0], *denominator),
                                                                commonDivisor(*roundedNumerator[1], *denominator)};
    for (std::size_t row = 0; row < 2; ++row) {
        if (!divisor[row]) {
            return;
        }
        const ExactDecimal shownDenominator = value(exact.denominator[row]);
        // The divisor may come out negative; the sign belongs on the numerator.
        const ExactDecimal by =
            wholeNumber(*divisor[row] * sign(shownDenominator) < 0 ? -*divisor[row] : *divisor[row]);
        exact.reducedNumerator[row] = text(DecimalQuotient{numerator[row], by});
        exact.reducedDenominator[row] = text(DecimalQuotient{shownDenominator, by});
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
    const ExactDecimal radicand = -discriminant_;
    std::int32_t squareFactor = 1;
    if (request_.simplifyRoot) {
        squareFactor = Descomponer(nearestInt32(radicand));
    }

    ExactForms& exact = result_.exact;
    exact.complexCaptions = true;
    const ExactDecimal square = wholeNumber(mpz_class(squareFactor) * squareFactor);
    const std::string radicandText = text(DecimalQuotient{radicand, square});
    const std::string twoA = text(twoA_);
    exact.numerator = complexForms(text(minusB_) + "/" + twoA, integerText(squareFactor) + "/" + twoA, radicandText);

    // The numbers use the whole radicand, so they do not depend on the option.
    const std::string realPart = text(DecimalQuotient{minusB_, twoA_});
    const ExactDecimal zero;
    const auto root = exactSquareRoot(radicand);
    const std::string imaginaryPart =
        root ? text(DecimalQuotient{*root, twoA_}) : text(QuadraticSurd{zero, radicand, 1, twoA_, discriminant_});
    result_.solution1 = realPart + "+ i" + imaginaryPart;
    result_.solution2 = realPart + "- i" + imaginaryPart;
    showReducedComplexForms(squareFactor, radicandText);
}

// The exact form with both fractions reduced by their common divisors with
// 2a.  When a part does not reduce (too large for 16 bits, or zero) the
// reduced form is left out.
void SolveRun::showReducedComplexForms(std::int32_t squareFactor, const std::string& radicandText)
{
    try {
        const auto denominator = nearestInt16(twoA_);
        const auto realPart = nearestInt16(minusB_);
        if (!denominator || !realPart) {
            return;
        }
        const auto realDivisor = commonDivisor(*realPart, *denominator);
        const auto imaginaryDivisor = commonDivisor(toInt16(squareFactor), *denominator);
        if (!realDivisor || !imaginaryDivisor) {
            return;
        }
        const ExactDecimal imaginaryBy = wholeNumber(*imaginaryDivisor);
        const std::int32_t imaginaryDenominator = nearestInt32(DecimalQuotient{twoA_, imaginaryBy});
        // 2a > 0: a negative divisor moves its sign to the numerator.
        const ExactDecimal realBy = wholeNumber(*realDivisor < 0 ? -*realDivisor : *realDivisor);
        const ExactDecimal factor = wholeNumber(squareFactor);
        result_.exact.reducedNumerator = complexForms(
            text(DecimalQuotient{minusB_, realBy}) + "/" + text(DecimalQuotient{twoA_, realBy}),
            text(DecimalQuotient{factor, imaginaryBy}) + "/" + integerText(imaginaryDenominator), radicandText);
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

}  // namespace trx
