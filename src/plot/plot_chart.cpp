// SPDX-License-Identifier: GPL-3.0-or-later
#include "plot/plot_chart.h"

#include <QAreaSeries>
#include <QCategoryAxis>
#include <QLabel>
#include <QLineSeries>
#include <QScatterSeries>
#include <QWheelEvent>

#include <algorithm>
#include <cmath>

namespace plot = trx::plot;

namespace {

constexpr int kCurvePoints = 240;
constexpr double kZoomStep = 0.8;          // one wheel notch or one key press
constexpr double kPanStep = 0.1;           // of the view's width or height, for each arrow key
constexpr double kBandHalfHeight = 0.015;  // of the view's height, either side of the x axis
// On the chart's own white background, whatever the desktop's theme; apart
// from the curve's red, the axis of symmetry's blue and the intercept's green.
const QColor kSolutionColour(120, 50, 190);

QString text(const std::string& s)
{
    return QString::fromStdString(s);
}

QList<QPointF> points(const std::vector<plot::Point>& from)
{
    QList<QPointF> result;
    result.reserve(static_cast<qsizetype>(from.size()));
    for (const plot::Point& p : from)
        result.append({p.x, p.y});
    return result;
}

void setTicks(QCategoryAxis* axis, const std::vector<plot::Tick>& ticks, const plot::Range& range)
{
    for (const QString& label : axis->categoriesLabels())
        axis->remove(label);
    axis->setStartValue(range.min);
    for (const plot::Tick& tick : ticks)
        axis->append(text(tick.label), tick.value);
    axis->setRange(range.min, range.max);
}

}  // namespace

PlotChart::PlotChart(QWidget* parent, const PlotGeometry& geometry)
    : QChartView(parent),
      geometry_(geometry),
      axisX_(new QCategoryAxis),
      axisY_(new QCategoryAxis),
      curve_(new QLineSeries),
      symmetry_(new QLineSeries),
      xAxisLine_(new QLineSeries),
      yAxisLine_(new QLineSeries),
      vertex_(nullptr),
      intercept_(nullptr),
      bands_{new QAreaSeries(new QLineSeries, new QLineSeries), new QAreaSeries(new QLineSeries, new QLineSeries)},
      closedEnds_(nullptr),
      openEnds_(nullptr),
      coordinates_(new QLabel(this))
{
    setObjectName(QStringLiteral("GraficaCurva"));
    setFocusPolicy(Qt::StrongFocus);
    setMouseTracking(true);
    setRenderHint(QPainter::Antialiasing);
    setMinimumSize(240, 200);
    chart()->legend()->hide();
    chart()->setMargins(QMargins(4, 4, 4, 4));
    for (QCategoryAxis* axis : {axisX_, axisY_}) {
        axis->setLabelsPosition(QCategoryAxis::AxisLabelsPositionOnValue);
        axis->setGridLineColor(QColor(225, 225, 225));
    }
    chart()->addAxis(axisX_, Qt::AlignBottom);
    chart()->addAxis(axisY_, Qt::AlignLeft);

    const auto attach = [this](QAbstractSeries* series, const QString& name) {
        series->setName(name);
        chart()->addSeries(series);
        series->attachAxis(axisX_);
        series->attachAxis(axisY_);
    };
    const auto addLine = [&attach](QLineSeries* series, const QPen& pen, const QString& name) {
        series->setPen(pen);
        attach(series, name);
    };
    // Under everything else.
    for (QAreaSeries* band : bands_) {
        QColor fill = kSolutionColour;
        fill.setAlpha(80);
        band->setBrush(fill);
        band->setPen(QPen(kSolutionColour, 1));
        band->upperSeries()->setParent(band);
        band->lowerSeries()->setParent(band);
        attach(band, tr("Solución de la inecuación"));
    }
    addLine(xAxisLine_, QPen(Qt::darkGray, 1), tr("Eje x"));
    addLine(yAxisLine_, QPen(Qt::darkGray, 1), tr("Eje y"));
    addLine(symmetry_, QPen(QColor(40, 90, 200), 1.5, Qt::DashLine), tr("Eje de simetría"));
    addLine(curve_, QPen(QColor(200, 30, 40), 2.5), tr("Parábola"));
    roots_ = {markSeries(QColor(200, 30, 40), tr("Raíz")), markSeries(QColor(200, 30, 40), tr("Raíz"))};
    vertex_ = markSeries(QColor(40, 90, 200), tr("Vértice"));
    intercept_ = markSeries(QColor(20, 140, 60), tr("Corte con el eje y"));
    closedEnds_ = markSeries(kSolutionColour, tr("Extremo incluido"));
    openEnds_ = markSeries(kSolutionColour, tr("Extremo excluido"));
    openEnds_->setColor(Qt::white);
    for (QScatterSeries* ends : {closedEnds_, openEnds_}) {
        ends->setPointLabelsVisible(false);
        ends->setMarkerSize(8);
        ends->setPen(QPen(kSolutionColour, 2));
    }

    coordinates_->setObjectName(QStringLiteral("GraficaCoordenadas"));
    coordinates_->move(8, 6);
    coordinates_->setAttribute(Qt::WA_TransparentForMouseEvents);
}

QScatterSeries* PlotChart::markSeries(const QColor& color, const QString& name)
{
    auto* series = new QScatterSeries;
    series->setName(name);
    series->setColor(color);
    series->setBorderColor(color);
    series->setMarkerSize(9);
    series->setPointLabelsVisible(true);
    series->setPointLabelsClipping(false);
    chart()->addSeries(series);
    series->attachAxis(axisX_);
    series->attachAxis(axisY_);
    return series;
}

void PlotChart::setEquation(const plot::Features& features, char separator)
{
    setParabola(features, geometry_.marks(features, separator), separator);
    resetView();
}

void PlotChart::setSolution(const std::vector<plot::Shade>& parts, const QString& inWords)
{
    solution_ = parts;
    solutionInWords_ = inWords;
    describe();
    placeShading();
}

void PlotChart::clear()
{
    hasParabola_ = false;
    solution_.clear();
    placeShading();
    for (QXYSeries* series :
         std::initializer_list<QXYSeries*>{curve_, symmetry_, vertex_, intercept_, roots_[0], roots_[1]})
        series->clear();
    chart()->setTitle(QString());
    coordinates_->clear();
    setAccessibleDescription(tr("Sin gráfica: no hay ninguna ecuación resuelta."));
}

void PlotChart::resetView()
{
    if (hasParabola_)
        setView(geometry_.defaultView(features_));
}

void PlotChart::copyFrom(const PlotChart& other)
{
    if (!other.hasParabola_)
        return;
    setParabola(other.features_, other.marks_, other.separator_);
    setSolution(other.solution_, other.solutionInWords_);
    setView(other.view_);
}

// The parabola's marks and title, without a solution or a view yet.
void PlotChart::setParabola(const plot::Features& features, const plot::Marks& marks, char separator)
{
    hasParabola_ = true;
    separator_ = separator;
    features_ = features;
    marks_ = marks;
    chart()->setTitle(features_.roots.empty() ? tr("La parábola no corta al eje x: las soluciones no son reales.")
                                              : QString());
    solution_.clear();
    solutionInWords_.clear();
    placeMarks();
    describe();
}

void PlotChart::placeMarks()
{
    for (std::size_t i = 0; i < roots_.size(); ++i) {
        roots_[i]->clear();
        if (i < marks_.roots.size()) {
            roots_[i]->append(marks_.roots[i].at.x, marks_.roots[i].at.y);
            roots_[i]->setPointLabelsFormat(text(marks_.roots[i].label));
        }
    }
    vertex_->replace({{marks_.vertex.at.x, marks_.vertex.at.y}});
    vertex_->setPointLabelsFormat(text(marks_.vertex.label));
    intercept_->replace({{marks_.intercept.at.x, marks_.intercept.at.y}});
    intercept_->setPointLabelsFormat(text(marks_.intercept.label));
}

// A band along the x axis for each part, cut to the view, with its ends
// marked: filled when they belong to the solution, hollow when not.
void PlotChart::placeShading()
{
    closedEnds_->clear();
    openEnds_->clear();
    for (std::size_t i = 0; i < bands_.size(); ++i) {
        QLineSeries* upper = bands_[i]->upperSeries();
        QLineSeries* lower = bands_[i]->lowerSeries();
        if (i >= solution_.size()) {
            upper->clear();
            lower->clear();
            continue;
        }
        const plot::Shade& part = solution_[i];
        const double from = std::clamp(part.low, view_.x.min, view_.x.max);
        const double to = std::clamp(part.high, view_.x.min, view_.x.max);
        const double half = view_.y.span() * kBandHalfHeight;
        upper->replace({{from, half}, {to, half}});
        lower->replace({{from, -half}, {to, -half}});
        if (std::isfinite(part.low))
            (part.lowClosed ? closedEnds_ : openEnds_)->append(part.low, 0);
        if (std::isfinite(part.high) && part.high != part.low)  // a single point is marked once
            (part.highClosed ? closedEnds_ : openEnds_)->append(part.high, 0);
    }
}

void PlotChart::describe()
{
    QString roots;
    if (marks_.roots.empty())
        roots = tr("No corta al eje x.");
    else if (marks_.roots.size() == 1)
        roots = tr("Toca al eje x en un solo punto, %1.").arg(text(marks_.roots[0].label));
    else
        roots = tr("Corta al eje x en %1 y en %2.").arg(text(marks_.roots[0].label), text(marks_.roots[1].label));
    QString description = tr("Parábola de vértice %1, abierta hacia %2. %3 Corta al eje y en %4.")
                              .arg(text(marks_.vertex.label), features_.parabola.a > 0 ? tr("arriba") : tr("abajo"),
                                   roots, text(marks_.intercept.label));
    if (!solutionInWords_.isEmpty())
        description +=
            QLatin1Char(' ') + tr("La parte sombreada del eje x resuelve la inecuación: %1.").arg(solutionInWords_);
    setAccessibleDescription(description);
}

void PlotChart::setView(const plot::View& view)
{
    view_ = view;
    setTicks(axisX_, geometry_.ticks(view.x, separator_), view.x);
    setTicks(axisY_, geometry_.ticks(view.y, separator_), view.y);
    curve_->replace(points(geometry_.curve(features_.parabola, view.x, view.y, kCurvePoints)));
    symmetry_->replace({{features_.vertex.x, view.y.min}, {features_.vertex.x, view.y.max}});
    xAxisLine_->replace({{view.x.min, 0}, {view.x.max, 0}});
    yAxisLine_->replace({{0, view.y.min}, {0, view.y.max}});
    placeShading();
    hideCrowdedLabels();
}

// Labels drawn over each other read as neither: of two marks too close at
// this zoom, the later in the order vertex, roots, intercept loses its label
// (the accessible description still has it).
void PlotChart::hideCrowdedLabels()
{
    std::vector<QScatterSeries*> shown;
    for (QScatterSeries* mark : {vertex_, roots_[0], roots_[1], intercept_}) {
        if (mark->count() == 0)
            continue;
        const QPointF at = mark->at(0);
        const bool crowded = std::any_of(shown.begin(), shown.end(), [&](QScatterSeries* other) {
            return std::abs(other->at(0).x() - at.x()) < view_.x.span() * 0.15 &&
                   std::abs(other->at(0).y() - at.y()) < view_.y.span() * 0.06;
        });
        mark->setPointLabelsVisible(!crowded);
        if (!crowded)
            shown.push_back(mark);
    }
}

QPointF PlotChart::valueAt(const QPointF& pixel) const
{
    return chart()->mapToValue(chart()->mapFromScene(mapToScene(pixel.toPoint())), curve_);
}

void PlotChart::wheelEvent(QWheelEvent* event)
{
    if (!hasParabola_)
        return;
    const QPointF at = valueAt(event->position());
    setView(geometry_.zoomed(view_, std::pow(kZoomStep, event->angleDelta().y() / 120.0), {at.x(), at.y()}));
    event->accept();
}

void PlotChart::mousePressEvent(QMouseEvent* event)
{
    dragging_ = hasParabola_ && event->button() == Qt::LeftButton;
    dragFrom_ = event->position();
    if (dragging_)
        setCursor(Qt::ClosedHandCursor);
}

void PlotChart::mouseMoveEvent(QMouseEvent* event)
{
    if (!hasParabola_)
        return;
    if (dragging_) {
        const QPointF from = valueAt(dragFrom_);
        const QPointF to = valueAt(event->position());
        dragFrom_ = event->position();
        setView(geometry_.panned(view_, from.x() - to.x(), from.y() - to.y()));
    }
    const QPointF at = valueAt(event->position());
    coordinates_->setText(QStringLiteral("x = %1; y = %2")
                              .arg(text(geometry_.coordinateText(at.x(), view_.x, separator_)),
                                   text(geometry_.coordinateText(at.y(), view_.y, separator_))));
    coordinates_->adjustSize();
}

void PlotChart::mouseReleaseEvent(QMouseEvent*)
{
    dragging_ = false;
    unsetCursor();
}

void PlotChart::mouseDoubleClickEvent(QMouseEvent*)
{
    resetView();
}

void PlotChart::leaveEvent(QEvent* event)
{
    coordinates_->clear();
    QChartView::leaveEvent(event);
}

void PlotChart::keyPressEvent(QKeyEvent* event)
{
    if (!hasParabola_)
        return QChartView::keyPressEvent(event);
    const plot::Point centre{view_.x.min / 2 + view_.x.max / 2, view_.y.min / 2 + view_.y.max / 2};
    const double dx = view_.x.span() * kPanStep, dy = view_.y.span() * kPanStep;
    switch (event->key()) {
    case Qt::Key_Plus:
    case Qt::Key_Equal:
        return setView(geometry_.zoomed(view_, kZoomStep, centre));
    case Qt::Key_Minus:
        return setView(geometry_.zoomed(view_, 1 / kZoomStep, centre));
    case Qt::Key_Left:
        return setView(geometry_.panned(view_, -dx, 0));
    case Qt::Key_Right:
        return setView(geometry_.panned(view_, dx, 0));
    case Qt::Key_Up:
        return setView(geometry_.panned(view_, 0, dy));
    case Qt::Key_Down:
        return setView(geometry_.panned(view_, 0, -dy));
    case Qt::Key_0:
    case Qt::Key_Home:
        return resetView();
    default:
        QChartView::keyPressEvent(event);
    }
}
