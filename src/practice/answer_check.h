// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The verdict on a student's answer to one exercise.  Each of the two lines
// goes through the answer reader (answer_reader.h) into exact values; these
// are matched against the exercise's roots exactly, or, for a decimal, by
// the rounding rule below; then the spelling decides between "right" and
// "right, but there is a simpler form".  What the window needs to show comes
// back in one Verdict: the kind, a sentence to translate and fill, the exact
// text in the program's notation, and for a line that cannot be read its
// place.
//
// The rules:
// - Either order; a line with ± gives both roots (the other line empty).
//   A double root may be given once or twice.
// - An equation without real roots is answered right either with "no tiene
//   solución real" (or "no real solution", "no té solució real"; case and
//   accents forgiven) or with its two complex roots.
// - A decimal (or decimal ± decimal·i) that is the exact value is simply
//   right ("1,5" for 3/2).  Otherwise it is right, with a note that the exact
//   form is better, when it has at least 3 significant digits and every
//   part lies within half a unit of its last digit of the exact part (so
//   either neighbour of a tie counts).  With fewer digits the answer is
//   wrong, with a note asking for more digits.
// - Simplest means spelt as one of the program's own texts of the value,
//   blanks, "x =" and "·" aside: "−1 + √2", "√2 − 1", "(1 + √5)/2",
//   "1/2 + √5/2", "2i√3" or "2√3i".

#include "formula/translatable.h"
#include "practice/answer_reader.h"
#include "practice/exact_value.h"

#include <array>
#include <string>
#include <string_view>

namespace trx::practice {

struct Verdict {
    enum class Kind { Right, RightNotSimplest, RightDecimal, Wrong, Malformed };
    Kind kind = Kind::Wrong;
    // Spanish template (context kPracticeContext) and its arguments; no
    // pattern for a plain Right.  E.g. "Correcto; más simple: %1".
    Phrase note{nullptr, {}};
    // RightNotSimplest: the simplest form; RightDecimal: the exact form.
    // "−1 ± √2", "3/2", or both roots as "2; 3/2".
    std::string exactForm;
    int line = -1;    // Malformed: 0 or 1
    int column = -1;  // Malformed: 0-based, in Unicode characters
};

Verdict checkAnswer(const std::array<ExactValue, 2>& roots, std::string_view firstLine, std::string_view secondLine);

// The roots in one text, as the notes write them (and a "show the solution"
// button could): "−1 ± √2", "(1 ± i√3)/2", "±3", "5" for a double root,
// "2; 3/2".
std::string rootsText(const ExactValue& first, const ExactValue& second);

// The note filled in, in the translator's language.
std::string noteText(const Verdict& verdict, const Translator& translate);

}  // namespace trx::practice
