// SPDX-License-Identifier: GPL-3.0-or-later
#include "practice_window/formula_views.h"
#include "services/translated.h"

#include "desarrollo/formula_painter.h"
#include "practice_window/practice_texts.h"

#include <QAccessible>
#include <QCoreApplication>
#include <QPainter>
#include <QStyle>
#include <QStyleOptionFocusRect>

namespace {

void paintFocus(QWidget& widget, QPainter& painter)
{
    if (!widget.hasFocus())
        return;
    QStyleOptionFocusRect option;
    option.initFrom(&widget);
    widget.style()->drawPrimitive(QStyle::PE_FrameFocusRect, &option, &painter, &widget);
}

}  // namespace

FormulaView::FormulaView(QWidget* parent) : QWidget(parent)
{
    setFocusPolicy(Qt::TabFocus);
    setSizePolicy(QSizePolicy::Expanding, QSizePolicy::Fixed);
}

QFont FormulaView::largeFont() const
{
    QFont large = font();
    large.setPointSizeF(large.pointSizeF() * 2.2);
    return large;
}

void FormulaView::showFormula(const trx::math::Node& formula)
{
    formula_ = formula;
    const QString plain = QString::fromStdString(trx::math::plainText(formula));
    setAccessibleName(QCoreApplication::translate("Practicar", "Ecuación: %1").arg(plain));
    setAccessibleDescription(QString::fromStdString(trx::math::spoken(formula, translated)));
    setToolTip(plain);
    QAccessibleEvent changed(this, QAccessible::NameChanged);
    QAccessible::updateAccessibility(&changed);
    updateGeometry();
    update();
}

QSize FormulaView::sizeHint() const
{
    const FormulaBox box = layoutFormula(formula_, formulaFont(largeFont()), nullptr, {});
    return {qCeil(box.width) + 24, qCeil(box.ascent + box.descent) + 24};
}

void FormulaView::paintEvent(QPaintEvent*)
{
    QPainter painter(this);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setPen(palette().color(QPalette::WindowText));
    const QFont large = formulaFont(largeFont());
    const FormulaBox box = layoutFormula(formula_, large, nullptr, {});
    const QPointF origin((width() - box.width) / 2, (height() - box.ascent - box.descent) / 2 + box.ascent);
    layoutFormula(formula_, large, &painter, origin);
    paintFocus(*this, painter);
}

StepsView::StepsView(QWidget* parent) : QWidget(parent)
{
    setFocusPolicy(Qt::TabFocus);
    setBackgroundRole(QPalette::Base);
    setAutoFillBackground(true);
    setAccessibleName(QCoreApplication::translate("Practicar", "Desarrollo"));
}

void StepsView::showSteps(std::vector<trx::WorkedStep> steps)
{
    steps_ = std::move(steps);
    setAccessibleDescription(QString::fromStdString(trx::workingPlainText(steps_)));
    setMinimumHeight(heightForWidth(width()));
    updateGeometry();
    update();
}

qreal StepsView::paintAll(QPainter* painter, qreal width) const
{
    qreal top = 8;
    for (const trx::WorkedStep& step : steps_)
        top += paintStep(painter, step, font(), QPointF(8, top), width - 16);
    return top;
}

int StepsView::heightForWidth(int width) const
{
    return qCeil(paintAll(nullptr, width));
}

QSize StepsView::sizeHint() const
{
    return {400, heightForWidth(400)};
}

void StepsView::paintEvent(QPaintEvent*)
{
    QPainter painter(this);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setPen(palette().color(QPalette::Text));
    paintAll(&painter, width());
    paintFocus(*this, painter);
}

void StepsView::resizeEvent(QResizeEvent* event)
{
    QWidget::resizeEvent(event);
    setMinimumHeight(heightForWidth(width()));
}
