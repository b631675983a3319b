// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Lays a formula of the worked solution out like a textbook: stacked
// fractions, a bar over every radicand, raised exponents, lowered indexes,
// italic variables and parentheses as tall as what they hold.  The same code
// draws on screen, on paper and into a PDF.

#include "formula/working.h"

#include <QFont>
#include <QSizeF>

class QPainter;
class QPointF;

struct FormulaBox {
    qreal width = 0;
    qreal ascent = 0;  // above the baseline
    qreal descent = 0;
};

// Measures the formula, and draws it when a painter is given (`origin` is
// the left end of its baseline).
FormulaBox layoutFormula(const trx::math::Node& formula, const QFont& font, QPainter* painter, const QPointF& origin);

// Formulas are set a little larger than the sentences around them.
QFont formulaFont(const QFont& textFont);

// The narrowest a step can be: its formula, indented, on one line.
qreal stepWidth(const trx::WorkedStep& step, const QFont& font);

// A step as sentence over formula, `width` wide; returns the height used.
qreal paintStep(QPainter* painter, const trx::WorkedStep& step, const QFont& font, const QPointF& topLeft, qreal width);
