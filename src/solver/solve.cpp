#include "solver/solve.h"

#include "solver/exact_decimal.h"
#include "solver/integer_helpers.h"
#include "solver/number_text.h"
#include "solver/rounded_text.h"

#include <algorithm>
#include <charconv>
#include <cstdint>
#include <optional>
#include <utility>

namespace trx {

namespace {

const char* const kComplexSolution = "Solución compleja";

std::string integerText(std::int32_t value)
{
    char buffer[16];
    return std::string(buffer, std::to_chars(buffer, buffer + sizeof buffer, value).ptr);
}

// The nearest integer, ties to the even one, as the conversions to 16- and
// 32-bit integers round.  Throws RunTimeError(Overflow) beyond 32 bits.
std::int32_t roundedInt32(const mpq_class& value)
{
    mpz_class nearest;
    mpz_fdiv_q(nearest.get_mpz_t(), value.get_num_mpz_t(), value.get_den_mpz_t());
    const int halfway = cmp(value - nearest, mpq_class(1, 2));
    if (halfway > 0 || (halfway == 0 && mpz_odd_p(nearest.get_mpz_t()))) {
        ++nearest;
    }
    if (!nearest.fits_sint_p()) {
        throw RunTimeError(ErrorCode::Overflow);
    }
    return static_cast<std::int32_t>(nearest.get_si());
}

std::int16_t roundedInt16(const mpq_class& value)
{
    return toInt16(roundedInt32(value));
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
// overflow, which cancels the run while no solution is shown yet.
class SolveRun {
public:
    explicit SolveRun(const SolveRequest& request) : request_(request), separator_(request.separator) { }

    void solve();
    SolveResult takeResult() { return std::move(result_); }

private:
    template <typename Value>
    std::string text(const Value& value) const
    {
        std::string written = roundedText(value, separator_);
        if (!isNumeric(written, separator_)) {
            throw RunTimeError(ErrorCode::Overflow);
        }
        return written;
    }
    ExactDecimal value(const std::string& text) const { return *parseExactDecimal(text, separator_); }
    void cancel()
    {
        result_.outcome = SolveOutcome::Cancelled;
        result_.error = ErrorCode::Overflow;
    }

    void normaliseAndSolve();
    void moveRightSide(const ExactDecimal& rightSide);
    void normaliseSign();
    std::string surdText(const ExactDecimal& u, const ExactDecimal& v, int rootSign, const ExactDecimal& w) const;
    void showRealRoots();
    void showReducedFractions();
    void showRootForms();
    void showComplexRoots();
    void showReducedComplexForms(std::int32_t squareFactor, const std::string& radicandText);

    const SolveRequest& request_;
    const char separator_;
    SolveResult result_;
    std::array<std::string, 4> fieldText_;  // the entry fields as this run leaves them
    ExactDecimal a_, b_, c_;
    ExactDecimal minusB_, twoA_, discriminant_;
};

void SolveRun::solve()
{
    for (std::size_t i = 0; i < fieldText_.size(); ++i) {
        if (!isNumeric(request_.fields[i], separator_)) {
            result_.outcome = SolveOutcome::NotANumber;
            result_.error = ErrorCode::TypeMismatch;
            result_.normalForm = {request_.fields[0], request_.fields[1], request_.fields[2]};
            return;
        }
    }
    fieldText_ = request_.fields;
    a_ = value(fieldText_[0]);
    if (sign(a_) == 0) {
        result_.outcome = SolveOutcome::ZeroSquareCoefficient;
        return;
    }
    try {
        normaliseAndSolve();
    } catch (const RunTimeError& error) {
        if (error.code() == ErrorCode::Overflow && result_.solution1.empty()) {
            cancel();
        } else {
            result_.error = error.code();
        }
    }
    // A cancelled run ends before the coefficients are written back.
    if (result_.outcome != SolveOutcome::Cancelled) {
        result_.normalForm = {fieldText_[0], fieldText_[1], fieldText_[2]};
    }
}

void SolveRun::normaliseAndSolve()
{
    b_ = value(fieldText_[1]);
    c_ = value(fieldText_[2]);
    if (const ExactDecimal rightSide = value(fieldText_[3]); sign(rightSide) != 0) {
        moveRightSide(rightSide);
    }
    if (sign(a_) < 0) {
        normaliseSign();
    }
    minusB_ = -b_;
    result_.linearTermZero = sign(b_) == 0;
    twoA_ = ExactDecimal{2} * a_;
    discriminant_ = b_ * b_ - ExactDecimal{4} * a_ * c_;
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
    fieldText_[2] = movedText;
    fieldText_[3] = "0";
    result_.fieldWrites.emplace_back(2, std::move(movedText));
    result_.fieldWrites.emplace_back(3, "0");
}

// The values are negated exactly; the fields show the negations' texts.
// Nothing is written when one of those texts would not be a number.
void SolveRun::normaliseSign()
{
    std::array<std::string, 4> negated;
    for (std::size_t i = 0; i < negated.size(); ++i) {
        negated[i] = text(-value(fieldText_[i]));
    }
    a_ = -a_;
    b_ = -b_;
    c_ = -c_;
    for (std::size_t i = 0; i < negated.size(); ++i) {
        fieldText_[i] = negated[i];
        result_.fieldWrites.emplace_back(static_cast<int>(i), negated[i]);
    }
}

// The text of (u + rootSign·√v) / w, exact when √v is a decimal.
std::string SolveRun::surdText(const ExactDecimal& u, const ExactDecimal& v, int rootSign,
                               const ExactDecimal& w) const
{
    if (const auto root = exactSquareRoot(v)) {
        const ExactDecimal numerator = rootSign > 0 ? u + *root : u - *root;
        return text(mpq_class(numerator.toRational() / w.toRational()));
    }
    return text(QuadraticSurd{u, v, rootSign, w});
}

void SolveRun::showRealRoots()
{
    // Solution 1 is always the root with +√D, the larger one; with D = 0
    // both are −b / 2a.
    const ExactDecimal one{1};
    result_.solution1 = surdText(minusB_, discriminant_, 1, twoA_);
    result_.solution2 = surdText(minusB_, discriminant_, -1, twoA_);

    ExactForms& exact = result_.exact;
    exact.leftColumnUncovered = true;
    for (std::size_t row = 0; row < 2; ++row) {
        exact.numerator[row] = surdText(minusB_, discriminant_, row == 0 ? 1 : -1, one);
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
    const std::array<mpq_class, 2> numerator = {value(exact.numerator[0]).toRational(),
                                                value(exact.numerator[1]).toRational()};
    std::array<std::optional<std::int16_t>, 2> divisor;
    try {
        const std::int16_t denominator = roundedInt16(twoA_.toRational());
        for (std::size_t row = 0; row < 2; ++row) {
            divisor[row] = commonDivisor(roundedInt16(numerator[row]), denominator);
        }
    } catch (const RunTimeError&) {
        return;  // too large for the integer routines: nothing to reduce
    }
    for (std::size_t row = 0; row < 2; ++row) {
        if (!divisor[row]) {
            return;
        }
        mpq_class reducedNumerator = numerator[row] / *divisor[row];
        mpq_class reducedDenominator = value(exact.denominator[row]).toRational() / *divisor[row];
        // The divisor may come out negative; the sign belongs on the numerator.
        if (sgn(reducedDenominator) < 0) {
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
    const ExactDecimal radicand = -discriminant_;
    std::int32_t squareFactor = 1;
    mpq_class shownRadicand = radicand.toRational();
    if (request_.simplifyRoot) {
        squareFactor = Descomponer(roundedInt32(shownRadicand));
        shownRadicand /= mpz_class(squareFactor) * squareFactor;
    }

    ExactForms& exact = result_.exact;
    exact.reducedDenominator = {kComplexSolution, kComplexSolution};
    const std::string radicandText = text(shownRadicand);
    const std::string twoA = text(twoA_);
    exact.numerator = complexForms(text(minusB_) + "/" + twoA, integerText(squareFactor) + "/" + twoA, radicandText);

    // The numbers use the whole radicand, so they do not depend on the option.
    const std::string realPart = text(mpq_class(minusB_.toRational() / twoA_.toRational()));
    const std::string imaginaryPart = surdText(ExactDecimal{}, radicand, 1, twoA_);
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
        const mpq_class twoA = twoA_.toRational();
        const std::int16_t denominator = roundedInt16(twoA);
        const auto realDivisor = commonDivisor(roundedInt16(minusB_.toRational()), denominator);
        const auto imaginaryDivisor = commonDivisor(toInt16(squareFactor), denominator);
        if (!realDivisor || !imaginaryDivisor) {
            return;
        }
        const mpq_class reducedFactor(squareFactor, *imaginaryDivisor);
        const std::int32_t imaginaryDenominator = roundedInt32(twoA / *imaginaryDivisor);
        mpq_class realNumerator = minusB_.toRational() / *realDivisor;
        mpq_class realDenominator = twoA / *realDivisor;
        if (sgn(realDenominator) < 0) {
            realNumerator = -realNumerator;
            realDenominator = -realDenominator;
        }
        result_.exact.reducedNumerator =
            complexForms(text(realNumerator) + "/" + text(realDenominator),
                         text(mpq_class(reducedFactor.get_num(), reducedFactor.get_den())) + "/" +
                             integerText(imaginaryDenominator),
                         radicandText);
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
