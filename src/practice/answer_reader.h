// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// One line of a student's answer, read into exact values.  The line is
// tokenised (numbers with either decimal separator, + − ± · * / ^ ² ( ) √,
// sqrt, raiz, i, an optional "x =" in front), then evaluated by recursive
// descent straight into ExactValue: once with ± as +, and again with ± as −
// when the line has one.  The reader also keeps a compact spelling of the
// tokens (no blanks, √(8) as √8, 2·√2 as 2√2) that the checker compares with
// the simplest texts, and how precise each decimal was.  Nothing throws: a
// line that cannot be read gives a sentence and the column where it fails.

#include "formula/working.h"  // Phrase
#include "practice/exact_value.h"

#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace trx::practice {

// The context of every practice text for translation.
constexpr const char* kPracticeContext = "Practica";

// Guards that keep every line cheap to read.
constexpr std::size_t kMaximumAnswerLength = 200;  // characters
constexpr int kMaximumNesting = 20;                // brackets, roots and signs inside one another
constexpr unsigned long kMaximumPower = 16;        // x^n with n ≤ this
constexpr std::size_t kMaximumBits = 2048;         // any numerator or denominator met on the way

// How finely a decimal gave one part (real or imaginary) of a value: right
// when the exact part lies within `halfUnit` of it (half a unit of the last
// digit typed, ties either way).
struct DecimalPrecision {
    mpq_class halfUnit;
    int significantDigits = 0;
};

struct AnswerLine {
    enum class Shape { Empty, NoRealSolution, Values };
    Shape shape = Shape::Empty;
    std::vector<ExactValue> values;  // one, or two for a line with ±
    bool plusMinus = false;
    bool hasDecimal = false;  // a number with a separator was typed
    // Set when the whole line is one decimal, or a decimal ± a decimal·i:
    // the parts that may be rounded.
    std::optional<DecimalPrecision> realPrecision;
    std::optional<DecimalPrecision> imaginaryPrecision;
    std::string compact;  // the tokens' compact spelling, see above
};

struct ReadError {
    Phrase sentence;  // Spanish template, context kPracticeContext
    int column = 0;   // 0-based, in Unicode characters
};

struct LineReading {
    std::optional<AnswerLine> line;
    std::optional<ReadError> error;  // exactly one of the two is set
};

LineReading readAnswerLine(std::string_view text);

// The compact spelling of a text the reader accepts, for comparisons with
// AnswerLine::compact; empty when it cannot be read.
std::string compactSpelling(std::string_view text);

}  // namespace trx::practice
