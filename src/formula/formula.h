// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Formulas of the worked solution as a small tree, and the four ways out of
// it: plain Unicode text (√, ±, ², ≈, the true minus sign), LaTeX, MathML and
// words for screen readers, Spanish unless translated.  The window lays the same tree out on
// screen and paper.  Nothing here knows about Qt.

#include "formula/translatable.h"

#include <string>
#include <vector>

namespace trx::math {

struct Node {
    enum class Kind {
        Number,      // digits as shown, separator included: "0,5"
        Identifier,  // a variable, italic: x, a, D, V… (the imaginary unit "i" is upright)
        Operator,    // an infix sign: + − ± = ≈ · > < ,
        Sign,        // a prefix sign, written tight against what follows: −, ±
        Row,         // children side by side
        Fraction,    // numerator over denominator
        Radical,     // square root of its child
        Power,       // base and exponent
        Subscript,   // base and index
        Fenced,      // its child in parentheses
    };
    Kind kind = Kind::Row;
    std::string text;  // leaves only, UTF-8
    std::vector<Node> children;
};

Node number(std::string text);
Node identifier(std::string text);
Node op(std::string text);
Node sign(std::string text);
Node row(std::vector<Node> children);
Node fraction(Node numerator, Node denominator);
Node radical(Node radicand);
Node power(Node base, Node exponent);
Node subscript(Node base, Node index);
Node fenced(Node inside);

// A node that needs no parentheses as a factor, base or radicand: a number,
// a variable, a root, a power, a subscript or something already fenced.
bool isAtom(const Node& node);

std::string plainText(const Node& formula);
std::string latex(const Node& formula);
// Bare MathML content (no <math> element), so that callers can gather
// several formulas into one.
std::string mathml(const Node& formula);
std::string spoken(const Node& formula, const Translator& translate = untranslated);

// Text escaped for XML character data.
std::string xmlEscaped(const std::string& text);

}  // namespace trx::math
