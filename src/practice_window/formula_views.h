// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The practice window's two drawings: the proposed equation, large, and the
// steps of its working shown so far.  Both are reached with Tab, and a
// screen reader gets what they show in words.

#include "formula/working.h"

#include <QWidget>

#include <vector>

class FormulaView final : public QWidget {
public:
    explicit FormulaView(QWidget* parent);
    void showFormula(const trx::math::Node& formula);
    QSize sizeHint() const override;

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    QFont largeFont() const;
    trx::math::Node formula_;
};

class StepsView final : public QWidget {
public:
    explicit StepsView(QWidget* parent);
    void showSteps(std::vector<trx::WorkedStep> steps);
    bool hasHeightForWidth() const override { return true; }
    int heightForWidth(int width) const override;
    QSize sizeHint() const override;

protected:
    void paintEvent(QPaintEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;

private:
    qreal paintAll(QPainter* painter, qreal width) const;
    std::vector<trx::WorkedStep> steps_;
};
