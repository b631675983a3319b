// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The chart of the plot module: the curve, its marks and the axes' ticks for
// the current view, redrawn whenever the view moves.  The wheel zooms around
// the pointer, dragging pans, a double click or the 0 key restores the
// default view; + and − zoom, the arrows pan.  The pointer's coordinates
// show in the top left corner.  The solution of an inequality shows as a
// band along the x axis, its ends filled when they belong to it.

#include "plot/plot_geometry.h"

#include <QChartView>

class QAreaSeries;
class QCategoryAxis;
class QLabel;
class QLineSeries;
class QScatterSeries;

class PlotChart final : public QChartView {
    Q_OBJECT
public:
    // `geometry` outlives the chart.
    PlotChart(QWidget* parent, const PlotGeometry& geometry);

    void setEquation(const trx::plot::Features& features, char separator);
    // Until the next equation.
    void setSolution(const std::vector<trx::plot::Shade>& parts, const QString& inWords);
    void clear();
    void resetView();
    // The same parabola and view, for drawing at another size.
    void copyFrom(const PlotChart& other);

    const trx::plot::View& view() const { return view_; }

protected:
    void wheelEvent(QWheelEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void mouseDoubleClickEvent(QMouseEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    void leaveEvent(QEvent* event) override;

private:
    void setParabola(const trx::plot::Features& features, const trx::plot::Marks& marks, char separator);
    void setView(const trx::plot::View& view);
    void placeMarks();
    void placeShading();
    void hideCrowdedLabels();
    void describe();
    QPointF valueAt(const QPointF& pixel) const;
    QScatterSeries* markSeries(const QColor& color, const QString& name);

    const PlotGeometry& geometry_;
    bool hasParabola_ = false;
    trx::plot::Features features_;
    trx::plot::Marks marks_;
    trx::plot::View view_;
    char separator_ = ',';
    std::vector<trx::plot::Shade> solution_;
    QString solutionInWords_;
    QCategoryAxis* axisX_;
    QCategoryAxis* axisY_;
    QLineSeries* curve_;
    QLineSeries* symmetry_;
    QLineSeries* xAxisLine_;
    QLineSeries* yAxisLine_;
    std::vector<QScatterSeries*> roots_;  // one series for each, each with its label
    QScatterSeries* vertex_;
    QScatterSeries* intercept_;
    std::array<QAreaSeries*, 2> bands_;  // an inequality's solution has two parts at most
    QScatterSeries* closedEnds_;
    QScatterSeries* openEnds_;
    QLabel* coordinates_;
    QPointF dragFrom_;
    bool dragging_ = false;
};
