// SPDX-License-Identifier: GPL-3.0-or-later
#include "desarrollo/formula_painter.h"

#include <QFontMetricsF>
#include <QPainter>
#include <QPainterPath>

#include <algorithm>

namespace {

using trx::math::Node;
using Kind = Node::Kind;

constexpr qreal kScriptScale = 0.7;

QFont scaled(const QFont& font, qreal factor)
{
    QFont smaller = font;
    if (font.pixelSize() > 0)
        smaller.setPixelSize(qRound(font.pixelSize() * factor));
    else
        smaller.setPointSizeF(font.pointSizeF() * factor);
    return smaller;
}

FormulaBox text(const QString& shown, const QFont& font, QPainter* painter, const QPointF& origin, qreal padLeft = 0,
                qreal padRight = 0)
{
    const QFontMetricsF metrics(font);
    if (painter != nullptr) {
        painter->setFont(font);
        painter->drawText(origin + QPointF(padLeft, 0), shown);
    }
    return {padLeft + metrics.horizontalAdvance(shown) + padRight, metrics.ascent(), metrics.descent()};
}

FormulaBox leaf(const Node& node, const QFont& font, QPainter* painter, const QPointF& origin)
{
    const QString shown = QString::fromStdString(node.text);
    const qreal space = QFontMetricsF(font).horizontalAdvance(QLatin1Char(' '));
    switch (node.kind) {
    case Kind::Identifier: {
        QFont italic = font;
        italic.setItalic(node.text != "i");
        return text(shown, italic, painter, origin, 0, node.text == "i" ? 0 : space * 0.15);
    }
    case Kind::Operator:
        if (node.text == "·")
            return text(shown, font, painter, origin, space * 0.15, space * 0.15);
        if (node.text == ",")
            return text(shown, font, painter, origin, 0, space);
        return text(shown, font, painter, origin, space * 0.6, space * 0.6);
    default:
        return text(shown, font, painter, origin);
    }
}

FormulaBox rowBox(const Node& node, const QFont& font, QPainter* painter, const QPointF& origin)
{
    FormulaBox box;
    for (const Node& child : node.children) {
        const FormulaBox part = layoutFormula(child, font, painter, origin + QPointF(box.width, 0));
        box.width += part.width;
        box.ascent = std::max(box.ascent, part.ascent);
        box.descent = std::max(box.descent, part.descent);
    }
    return box;
}

// The fraction bar sits on the maths axis, half an x-height up.
FormulaBox fractionBox(const Node& node, const QFont& font, QPainter* painter, const QPointF& origin)
{
    const QFontMetricsF metrics(font);
    const qreal axis = metrics.xHeight() / 2;
    const qreal gap = metrics.lineWidth() * 2;
    const qreal pad = metrics.horizontalAdvance(QLatin1Char(' ')) * 0.2;
    const FormulaBox top = layoutFormula(node.children[0], font, nullptr, {});
    const FormulaBox bottom = layoutFormula(node.children[1], font, nullptr, {});
    const qreal width = std::max(top.width, bottom.width) + 2 * pad;
    if (painter != nullptr) {
        layoutFormula(node.children[0], font, painter,
                      origin + QPointF((width - top.width) / 2, -axis - gap - top.descent));
        layoutFormula(node.children[1], font, painter,
                      origin + QPointF((width - bottom.width) / 2, -axis + gap + bottom.ascent));
        painter->fillRect(
            QRectF(origin.x() + pad / 2, origin.y() - axis - metrics.lineWidth() / 2, width - pad, metrics.lineWidth()),
            painter->pen().color());
    }
    return {width, axis + gap + top.descent + top.ascent, bottom.ascent + bottom.descent + gap - axis};
}

FormulaBox radicalBox(const Node& node, const QFont& font, QPainter* painter, const QPointF& origin)
{
    const QFontMetricsF metrics(font);
    const qreal line = metrics.lineWidth();
    const qreal sign = metrics.horizontalAdvance(QLatin1Char('n')) * 0.9;
    const FormulaBox inside = layoutFormula(node.children[0], font, nullptr, {});
    const qreal top = inside.ascent + 2 * line;
    if (painter != nullptr) {
        layoutFormula(node.children[0], font, painter, origin + QPointF(sign + line, 0));
        QPainterPath path;
        const qreal bottom = inside.descent;
        path.moveTo(origin + QPointF(0, -metrics.xHeight() * 0.45));
        path.lineTo(origin + QPointF(sign * 0.3, -metrics.xHeight() * 0.6));
        path.lineTo(origin + QPointF(sign * 0.6, bottom));
        path.lineTo(origin + QPointF(sign, -top));
        path.lineTo(origin + QPointF(sign + inside.width + 2 * line, -top));
        painter->save();
        painter->setPen(QPen(painter->pen().color(), line, Qt::SolidLine, Qt::FlatCap, Qt::MiterJoin));
        painter->setBrush(Qt::NoBrush);
        painter->drawPath(path);
        painter->restore();
    }
    return {sign + inside.width + 3 * line, top + line, inside.descent};
}

FormulaBox scriptBox(const Node& node, const QFont& font, QPainter* painter, const QPointF& origin)
{
    const QFontMetricsF metrics(font);
    const FormulaBox base = layoutFormula(node.children[0], font, painter, origin);
    const QFont small = scaled(font, kScriptScale);
    const bool raised = node.kind == Kind::Power;
    const qreal shift =
        raised ? -std::max(base.ascent - metrics.xHeight() * 0.5, metrics.xHeight()) : metrics.descent() * 0.9;
    const FormulaBox script = layoutFormula(node.children[1], small, painter, origin + QPointF(base.width, shift));
    return {base.width + script.width, std::max(base.ascent, script.ascent - shift),
            std::max(base.descent, script.descent + shift)};
}

// Parentheses drawn as arcs, so that they grow with a fraction inside.
FormulaBox fencedBox(const Node& node, const QFont& font, QPainter* painter, const QPointF& origin)
{
    const QFontMetricsF metrics(font);
    const FormulaBox inside = layoutFormula(node.children[0], font, nullptr, {});
    const qreal ascent = std::max(inside.ascent, metrics.ascent() * 0.85);
    const qreal descent = std::max(inside.descent, metrics.descent());
    const qreal height = ascent + descent;
    const qreal paren = std::max(metrics.horizontalAdvance(QLatin1Char('(')), height * 0.12);
    if (painter != nullptr) {
        layoutFormula(node.children[0], font, painter, origin + QPointF(paren, 0));
        painter->save();
        painter->setPen(QPen(painter->pen().color(), metrics.lineWidth() * 1.2));
        painter->setBrush(Qt::NoBrush);
        const qreal inset = paren * 0.25;
        for (const bool left : {true, false}) {
            const qreal outer = left ? origin.x() + inset : origin.x() + paren * 2 + inside.width - inset;
            const qreal inner = left ? origin.x() + paren - inset : origin.x() + paren + inside.width + inset;
            QPainterPath arc;
            arc.moveTo(inner, origin.y() - ascent);
            arc.quadTo(outer, origin.y() - ascent + height / 2, inner, origin.y() + descent);
            painter->drawPath(arc);
        }
        painter->restore();
    }
    return {inside.width + 2 * paren, ascent, descent};
}

}  // namespace

FormulaBox layoutFormula(const Node& formula, const QFont& font, QPainter* painter, const QPointF& origin)
{
    switch (formula.kind) {
    case Kind::Row:
        return rowBox(formula, font, painter, origin);
    case Kind::Fraction:
        return fractionBox(formula, font, painter, origin);
    case Kind::Radical:
        return radicalBox(formula, font, painter, origin);
    case Kind::Power:
    case Kind::Subscript:
        return scriptBox(formula, font, painter, origin);
    case Kind::Fenced:
        return fencedBox(formula, font, painter, origin);
    default:
        return leaf(formula, font, painter, origin);
    }
}

QFont formulaFont(const QFont& textFont)
{
    return scaled(textFont, 1.15);
}

namespace {

qreal formulaIndent(const QFont& font)
{
    return QFontMetricsF(font).horizontalAdvance(QStringLiteral("    "));
}

}  // namespace

qreal stepWidth(const trx::WorkedStep& step, const QFont& font)
{
    return formulaIndent(font) + layoutFormula(step.formula, formulaFont(font), nullptr, {}).width;
}

qreal paintStep(QPainter* painter, const trx::WorkedStep& step, const QFont& font, const QPointF& topLeft, qreal width)
{
    const QFontMetricsF metrics(font);
    const QString sentence = QString::fromStdString(step.sentence);
    const QRectF sentenceArea =
        metrics.boundingRect(QRectF(topLeft, QSizeF(width, 1e6)), Qt::TextWordWrap | Qt::AlignLeft, sentence);
    const FormulaBox box = layoutFormula(step.formula, formulaFont(font), nullptr, {});
    const qreal indent = formulaIndent(font);
    const qreal gap = metrics.height() * 0.4;
    if (painter != nullptr) {
        painter->setFont(font);
        painter->drawText(sentenceArea, Qt::TextWordWrap | Qt::AlignLeft, sentence);
        layoutFormula(step.formula, formulaFont(font), painter,
                      QPointF(topLeft.x() + indent, sentenceArea.bottom() + gap + box.ascent));
    }
    return sentenceArea.height() + gap + box.ascent + box.descent + gap * 2;
}
