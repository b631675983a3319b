// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The equation reader: a line typed the way textbooks write equations,
// "8x² − 4 = 3x(3x − 1) + 7x", brought to the normal form a·x² + b·x + c = 0
// with the steps a teacher would show.  No Qt here.
//
// Data flow: readEquation() decodes the UTF-8 text, splits it into tokens and
// parses them into a small tree (TypedEquation), refusing early what cannot
// be a quadratic (a part of degree above 2, x in a denominator, an exponent
// other than 0, 1 or 2).  The tree is then expanded into exact rationals (GMP;
// nothing passes through a double): the brackets go, the denominators are
// cleared by their least common multiple, every term moves to the left, like
// terms are collected and the common factor divided out.  Each of those that
// changes something is a WorkedStep (worked/working.h), so the window shows,
// copies and translates them like the rest of the worked solution.
//
// What it reads: integers and decimals; fractions (3/4, x²/2, (x + 1)/3,
// also with ÷ and :); implicit products before x or a bracket (2x, 3(x − 1),
// x(x + 3), (x + 1)(x − 1), 2(x − 1)²); powers written ², ^2 or **2 (and the
// exponents 0 and 1); the signs −, ·, ×, *, ≤, ≥ beside their ASCII forms
// (-, <=, >=); spaces anywhere; x or X.  A missing right side means "= 0".
// The relation may be =, <, >, ≤ or ≥; it is recorded, and flips when a step
// multiplies by a negative number.
//
// Decimal separators: the desktop's separator and the other one ('.' and
// ',') are both read as the decimal point.  Thousands separators are never
// read, so nothing is ambiguous: "1,000" is one, and "1.000,5" is refused.
// Texts written back use the separator given.
//
// Degree: judged as typed, term by term, before expanding, so that no input
// can make the expansion grow: x³ − x³ + x² = 0 is refused as degree 3.
// An equation that reduces to degree 1 or 0 is read, and says so (verdict).
//
// Sign: when x² ends with a negative coefficient the equation is multiplied
// by −1 (a step of its own), so a > 0 in every quadratic normal form.  A
// linear or constant remainder keeps its signs.
//
// Nothing here throws (short of running out of memory) or takes more than
// linear time: the text is at most kMaxEquationLength characters, brackets at
// most kMaxBracketDepth deep, and a number that would grow past
// kMaxNumberBits bits stops the reading.

#include "formula/working.h"
#include "worked/method.h"
#include "worked/relation.h"

#include <gmpxx.h>

#include <cstddef>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace trx {

constexpr std::size_t kMaxEquationLength = 1000;  // characters (code points)
constexpr int kMaxBracketDepth = 100;
constexpr std::size_t kMaxNumberBits = 8192;  // numerator or denominator of any value met

// A side of the equation as typed.  Products and sums are n-ary; a lone
// factor or term stands for itself, except a single term with a minus sign,
// which stays a Sum of one.
struct Expression {
    enum class Kind {
        Number,    // `digits` as typed, the last `places` of them decimals
        Variable,  // x
        Sum,       // children are the terms; `inverse` marks one subtracted
        Product,   // children are the factors; `inverse` marks a divisor
        Power,     // children[0] to `exponent` (0, 1 or 2)
        Bracket,   // children[0] in parentheses
    };
    Kind kind = Kind::Number;
    std::string digits = "0";  // without the separator, so that moves never allocate
    int places = 0;
    int exponent = 0;
    bool inverse = false;
    int degree = 0;          // the highest power of x it may hold, as typed
    std::size_t column = 0;  // where it starts in the typed text, in code points
    std::vector<Expression> children;

    mpq_class numberValue() const;  // of a Number
};

struct TypedEquation {
    Expression left;
    Relation relation = Relation::Equal;
    Expression right;  // Number 0 when no right side was typed
};

// a·x² + b·x + c (relation) 0 with integer coefficients; when the degree
// is 2, a > 0 and the three share no common factor.
struct NormalForm {
    mpz_class a, b, c;
    Relation relation = Relation::Equal;

    int degree() const { return a != 0 ? 2 : b != 0 ? 1 : 0; }
};

// Why a text was refused: a Spanish template of the context "Equation" with
// its arguments, and the column (0-based, in code points of the typed text)
// where the reading stopped.
struct EquationError {
    std::size_t column = 0;
    Phrase message;

    std::string text(const Translator& translate = untranslated) const;
};

struct EquationReading {
    TypedEquation typed;
    std::string readAs;  // how the program reads it: writeEquation(typed, separator)
    NormalForm normal;
    // From the equation as read to the normal form; phrases of the context
    // "Derivation", as in the worked solution.  The last step holds the
    // coefficients, or the verdict when the degree is below 2.  Empty unless
    // asked for (EquationSteps::Record).
    std::vector<WorkedStep> steps;
    // Below degree 2: "No es de segundo grado: queda 3x − 6 = 0, x = 2",
    // "Es una identidad…", "No tiene solución" (context "Derivation").
    std::optional<Phrase> verdict;
};

struct EquationResult {
    std::optional<EquationReading> reading;  // empty when the text was refused
    EquationError error;                     // why, when it was
};

// Building the steps' formulas costs most of the time of a reading: a window
// that reads on every key asks for them only when it solves.
enum class EquationSteps { Skip, Record };

// Reads one equation; `separator` is the desktop's decimal separator, used
// in every number written back.
EquationResult readEquation(std::string_view text, char separator, EquationSteps steps = EquationSteps::Skip);

// The equation as a formula of the worked solution, and as one UTF-8 line in
// the program's notation: "8x² − 4 = 3x·(3x − 1) + 7x".  Reading the line
// again gives the same normal form.
math::Node equationFormula(const TypedEquation& equation, char separator);
std::string writeEquation(const TypedEquation& equation, char separator);

// The shapes a teacher picks a method by, recognised as typed.

// slope·x + constant, slope ≠ 0.
// constant·first·second (relation) 0.
struct ProductForm {
    mpq_class constant;
    LinearFactor first, second;
    Relation relation = Relation::Equal;
};
// One side a product of two linear factors (numbers beside them allowed,
// a square of a linear factor counts twice), the other side a typed 0:
// (x − 3)(2x + 1) = 0, x(x − 5) = 0, 0 = −2x(x + 1)/3.
std::optional<ProductForm> productFactors(const TypedEquation& equation);

// a·base² + k (relation) 0; with base = slope·x + constant, the vertex is at
// h = −constant/slope, and a·slope²·(x − h)² + k is the same left side.
struct SquareForm {
    mpq_class a;
    LinearFactor base;
    mpq_class k;
    Relation relation = Relation::Equal;

    mpq_class h() const { return -base.constant / base.slope; }
};
// One side a number times the square of a linear expression plus numbers,
// the other side numbers: (x − 1)² = 9, 2(x + 3)² − 8 = 0, (2x − 1)² = 9,
// 3x² = 27.
std::optional<SquareForm> squareForm(const TypedEquation& equation);

// Both shapes as the worked solution's methods take them (worked/method.h):
// a·(slope·x + constant)² + k becomes a·slope²·(x − h)² = −k.
TypedShape typedShape(const TypedEquation& equation);

}  // namespace trx
