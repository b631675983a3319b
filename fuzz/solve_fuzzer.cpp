// SPDX-License-Identifier: GPL-3.0-or-later
// Fuzzes the solver with four arbitrary coefficient texts (the input split at
// its first three line breaks), under both decimal separators and both
// settings of the complex-root simplification.  Every run must end in one of
// the outcomes with the error that belongs to it, everything it writes where
// a number belongs must pass the numeric test, and every number it shows
// must be the correct rounding of the exact value, as the independent
// reference of the accuracy benchmark works it out.

#include "accuracy/oracle.h"
#include "core/number_text.h"
#include "exact/solve.h"
#include "fuzz_check.h"

#include <algorithm>
#include <array>
#include <cstddef>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

namespace {

using trx::ErrorCode;
using trx::SolveOutcome;
using trx::SolveRequest;
using trx::SolveResult;

class RunChecker {
public:
    RunChecker(const SolveRequest& request, const SolveResult& result, std::string_view input)
        : request_(request), result_(result), input_(input)
    {
    }

    void check() const
    {
        bool allNumbers = true;
        for (const std::string& field : request_.fields) {
            allNumbers = allNumbers && trx::isNumeric(field, request_.separator);
        }
        for (std::size_t i = 0; i < 4; ++i) {
            if (result_.fields[i] != request_.fields[i])
                requireNumber(result_.fields[i], "field written");
        }

        switch (result_.outcome) {
        case SolveOutcome::NotANumber:
            require(!allNumbers, "NotANumber with four numbers", input_);
            require(result_.error == ErrorCode::TypeMismatch, "NotANumber without TypeMismatch", input_);
            requireNothingShown();
            break;
        case SolveOutcome::ZeroSquareCoefficient:
            require(allNumbers && value(request_.fields[0]) == 0, "ZeroSquareCoefficient with a != 0", input_);
            require(result_.error == ErrorCode::None, "ZeroSquareCoefficient with an error", input_);
            requireNothingShown();
            break;
        case SolveOutcome::Cancelled:
            require(allNumbers && value(request_.fields[0]) != 0, "Cancelled before the coefficients passed", input_);
            require(result_.error == ErrorCode::Overflow, "Cancelled without Overflow", input_);
            require(result_.solution1.empty() && result_.solution2.empty(), "Cancelled with a solution", input_);
            break;
        case SolveOutcome::TwoRealRoots:
        case SolveOutcome::DoubleRoot:
            require(allNumbers, "solved a text that is not a number", input_);
            checkRealRoots();
            checkNormalForm();
            break;
        case SolveOutcome::ComplexRoots:
            require(allNumbers, "solved a text that is not a number", input_);
            require(result_.error == ErrorCode::None, "complex roots with an error", input_);
            checkComplexRoots();
            checkNormalForm();
            break;
        default:
            require(false, "outcome out of range", input_);
        }
    }

private:
    double value(const std::string& text) const { return trx::numberValue(text, request_.separator); }

    void requireNumber(const std::string& text, const char* what) const
    {
        if (!trx::isNumeric(text, request_.separator)) {
            require(false, (std::string(what) + " is not a number: " + text).c_str(), input_);
        }
    }

    // A result as the window shows it: always a number.
    double shownValue(const std::string& text, const char* what) const
    {
        requireNumber(text, what);
        return value(text);
    }

    void requireNothingShown() const
    {
        const trx::ExactForms& exact = result_.exact;
        bool empty = result_.fields == request_.fields && result_.solution1.empty() && result_.solution2.empty();
        for (std::size_t row = 0; row < 2; ++row) {
            empty = empty && exact.numerator[row].empty() && exact.denominator[row].empty() &&
                    exact.reducedNumerator[row].empty() && exact.reducedDenominator[row].empty() &&
                    !exact.reducedRowUncovered[row];
        }
        require(empty && !exact.leftColumnUncovered && !exact.complexCaptions,
                "a run that solved nothing wrote something", input_);
    }

    void checkRealRoots() const
    {
        require(result_.error == ErrorCode::None, "real roots with an error", input_);
        const double solution1 = shownValue(result_.solution1, "solution 1");
        const double solution2 = shownValue(result_.solution2, "solution 2");
        if (result_.outcome == SolveOutcome::DoubleRoot) {
            require(result_.solution1 == result_.solution2, "a double root shown as two", input_);
        } else {
            require(solution1 >= solution2, "solution 1 is the smaller root", input_);
        }

        const trx::ExactForms& exact = result_.exact;
        require(exact.leftColumnUncovered, "real roots without the fractions", input_);
        for (std::size_t row = 0; row < 2; ++row) {
            requireNumber(exact.numerator[row], "numerator");
            requireNumber(exact.denominator[row], "denominator");
            if (!exact.reducedRowUncovered[row]) {
                require(exact.reducedNumerator[row].empty() && exact.reducedDenominator[row].empty(),
                        "a covered row holds a fraction", input_);
                continue;
            }
            requireNumber(exact.reducedDenominator[row], "reduced denominator");
            require(value(exact.reducedDenominator[row]) >= 0, "negative reduced denominator", input_);
            const bool rootForm = exact.reducedNumerator[row].find(")^½") != std::string::npos;
            if (!rootForm) {
                requireNumber(exact.reducedNumerator[row], "reduced numerator");
            }
        }
        // A row is reduced only when the rows before it are.
        require(exact.reducedRowUncovered[0] || !exact.reducedRowUncovered[1], "row 2 reduced without row 1", input_);
    }

    // "p+ iq" and "p- iq", the same p and q in both.
    void checkComplexRoots() const
    {
        const std::size_t plus = result_.solution1.find("+ i");
        const std::size_t minus = result_.solution2.find("- i");
        require(plus != std::string::npos && minus != std::string::npos, "complex solution without i", input_);
        const std::string realPart = result_.solution1.substr(0, plus);
        const std::string imaginaryPart = result_.solution1.substr(plus + 3);
        require(result_.solution2 == realPart + "- i" + imaginaryPart, "complex solutions not conjugate", input_);
        shownValue(realPart, "real part");
        require(shownValue(imaginaryPart, "imaginary part") >= 0, "negative imaginary part", input_);

        const trx::ExactForms& exact = result_.exact;
        for (std::size_t row = 0; row < 2; ++row) {
            require(!exact.numerator[row].empty() && exact.denominator[row].empty(), "complex exact form missing",
                    input_);
        }
        require(exact.complexCaptions, "complex roots not labelled", input_);
        require(!exact.leftColumnUncovered && !exact.reducedRowUncovered[0] && !exact.reducedRowUncovered[1],
                "a panel came off over complex roots", input_);
    }

    // The fields end in normal form: a > 0, right side 0.
    void checkNormalForm() const
    {
        for (const std::string& text : result_.fields) {
            requireNumber(text, "normal form");
        }
        require(value(result_.fields[0]) > 0, "normal form with a <= 0", input_);
        require(value(result_.fields[3]) == 0, "right side not 0 after solving", input_);
    }

    const SolveRequest& request_;
    const SolveResult& result_;
    std::string_view input_;
};

std::string swapSeparators(std::string text)
{
    for (char& ch : text) {
        if (ch == ',') {
            ch = '.';
        } else if (ch == '.') {
            ch = ',';
        }
    }
    return text;
}

// The result with every text's separators swapped, for comparing a run under
// ',' with the same run under '.'.
SolveResult swapSeparators(SolveResult result)
{
    for (std::string& text : result.fields) {
        text = swapSeparators(text);
    }
    result.solution1 = swapSeparators(result.solution1);
    result.solution2 = swapSeparators(result.solution2);
    for (auto* texts : {&result.exact.numerator, &result.exact.denominator, &result.exact.reducedNumerator,
                        &result.exact.reducedDenominator}) {
        for (std::string& text : *texts) {
            text = swapSeparators(text);
        }
    }
    return result;
}

bool sameResult(const SolveResult& x, const SolveResult& y)
{
    const trx::ExactForms& p = x.exact;
    const trx::ExactForms& q = y.exact;
    return x.outcome == y.outcome && x.error == y.error && x.fields == y.fields && x.solution1 == y.solution1 &&
           x.solution2 == y.solution2 && p.complexCaptions == q.complexCaptions && p.numerator == q.numerator &&
           p.denominator == q.denominator && p.reducedNumerator == q.reducedNumerator &&
           p.reducedDenominator == q.reducedDenominator && p.leftColumnUncovered == q.leftColumnUncovered &&
           p.reducedRowUncovered == q.reducedRowUncovered;
}

std::array<std::string, 4> splitFields(std::string_view input)
{
    std::array<std::string, 4> fields;
    for (std::size_t i = 0; i < 3; ++i) {
        const std::size_t lineBreak = std::min(input.find('\n'), input.size());
        fields[i] = std::string(input.substr(0, lineBreak));
        input.remove_prefix(std::min(lineBreak + 1, input.size()));
    }
    fields[3] = std::string(input);
    return fields;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    const std::string_view input(reinterpret_cast<const char*>(data), size);
    const std::array<std::string, 4> fields = splitFields(input);
    std::array<std::string, 4> swappedFields;
    std::transform(fields.begin(), fields.end(), swappedFields.begin(),
                   [](const std::string& field) { return swapSeparators(field); });

    std::array<std::optional<SolveResult>, 2> bySimplification;
    for (const bool simplify : {false, true}) {
        const SolveRequest comma{fields, simplify, ','};
        const SolveRequest point{swappedFields, simplify, '.'};
        const SolveResult commaResult = trx::solve(comma);
        const SolveResult pointResult = trx::solve(point);
        RunChecker(comma, commaResult, input).check();
        RunChecker(point, pointResult, input).check();
        // Only the separator tells the two runs apart.
        require(sameResult(swapSeparators(pointResult), commaResult), "the result depends on the separator", input);
        bySimplification[simplify] = commaResult;
    }

    if (bySimplification[0]->outcome != SolveOutcome::NotANumber) {
        const auto score = trx::accuracy::score(trx::accuracy::expectedResult(fields), *bySimplification[0]);
        std::string report = "class or text differs from the reference:";
        for (const std::string& mismatch : score.mismatches) {
            report += " [" + mismatch + "]";
        }
        require(score.classRight && score.mismatches.empty(), report.c_str(), input);
    }

    // The simplification only touches the exact forms of complex roots (and
    // may cancel a run whose radicand does not fit 32 bits); the numbers
    // never depend on it.
    const SolveResult& plain = *bySimplification[0];
    const SolveResult& simplified = *bySimplification[1];
    if (plain.outcome == SolveOutcome::ComplexRoots) {
        if (simplified.outcome == SolveOutcome::ComplexRoots) {
            require(simplified.solution1 == plain.solution1 && simplified.solution2 == plain.solution2,
                    "the simplification changed the numbers", input);
        } else {
            require(simplified.outcome == SolveOutcome::Cancelled, "the simplification changed the outcome", input);
        }
    } else if (plain.outcome == SolveOutcome::Cancelled) {
        // Cancelled on a complex radicand beyond the range, which the
        // simplification meets earlier, before the labels are written.
        require(simplified.outcome == SolveOutcome::Cancelled, "the simplification changed the outcome", input);
    } else {
        require(sameResult(plain, simplified), "the simplification changed a run without complex roots", input);
    }
    return 0;
}
