// SPDX-License-Identifier: GPL-3.0-or-later
// Redrawing the plot, offscreen: after a solve (new equation, default view,
// labels and description) and at each step of a drag (new view, ticks and
// curve), each until the chart is painted.  Both must stay under a frame,
// 16 ms, for any equation.  Build it Release and run it without a display:
//   build/release-bench/trx_plot_bench

#include "desarrollo/plot_plugin.h"
#include "plot/plot_panel.h"
#include "recording_platform.h"

#include <QApplication>
#include <QChartView>
#include <QMouseEvent>
#include <QTest>

#include <benchmark/benchmark.h>

#include <array>
#include <memory>
#include <string>

namespace {

using Fields = std::array<std::string, 4>;

// The panel as the Desarrollo window has it, shown at its usual size.
struct Plot {
    RecordingPlatform platform;
    std::unique_ptr<QWidget> window = std::make_unique<QWidget>();
    PlotPanel* panel = nullptr;
    QChartView* chart = nullptr;

    Plot()
    {
        PlotPanelFactory* factory = plotPanelFactory();
        if (factory == nullptr)
            std::abort();
        panel = factory->makePanel(window.get(), platform, plotGeometry());
        panel->widget()->resize(560, 420);
        window->resize(560, 420);
        window->show();
        if (!QTest::qWaitForWindowExposed(window.get()))
            std::abort();
        chart = window->findChild<QChartView*>(QStringLiteral("GraficaCurva"));
    }
};

Plot* sharedPlot = nullptr;

void afterSolve(benchmark::State& state, Fields fields)
{
    Plot& plot = *sharedPlot;
    for (auto _ : state) {
        plot.panel->showEquation(fields, ',');
        plot.chart->viewport()->repaint();
    }
}

// One mouse move of a drag, 7 pixels each, back and forth.
void dragStep(benchmark::State& state, Fields fields)
{
    Plot& plot = *sharedPlot;
    plot.panel->showEquation(fields, ',');
    QWidget* viewport = plot.chart->viewport();
    QPointF at(280, 200);
    QMouseEvent press(QEvent::MouseButtonPress, at, viewport->mapToGlobal(at), Qt::LeftButton, Qt::LeftButton,
                      Qt::NoModifier);
    QApplication::sendEvent(viewport, &press);
    double step = 7;
    for (auto _ : state) {
        at += QPointF(step, step / 2);
        if (at.x() > 400 || at.x() < 160)
            step = -step;
        QMouseEvent move(QEvent::MouseMove, at, viewport->mapToGlobal(at), Qt::NoButton, Qt::LeftButton,
                         Qt::NoModifier);
        QApplication::sendEvent(viewport, &move);
        viewport->repaint();
    }
    QMouseEvent release(QEvent::MouseButtonRelease, at, viewport->mapToGlobal(at), Qt::LeftButton, Qt::NoButton,
                        Qt::NoModifier);
    QApplication::sendEvent(viewport, &release);
}

#define PLOT_CASES(function)                                                                                           \
    BENCHMARK_CAPTURE(function, two_roots, Fields{"1", "-3", "2", "0"})->Unit(benchmark::kMillisecond);                \
    BENCHMARK_CAPTURE(function, complex, Fields{"1", "2", "5", "0"})->Unit(benchmark::kMillisecond);                   \
    BENCHMARK_CAPTURE(function, far_roots, Fields{"1", "1E+8", "1", "0"})->Unit(benchmark::kMillisecond);              \
    BENCHMARK_CAPTURE(function, tiny_a, Fields{"1E-300", "1", "1", "0"})->Unit(benchmark::kMillisecond);               \
    BENCHMARK_CAPTURE(function, huge, Fields{"1E+300", "-1E+300", "-1E+300", "0"})->Unit(benchmark::kMillisecond)

PLOT_CASES(afterSolve);
PLOT_CASES(dragStep);

}  // namespace

int main(int argc, char* argv[])
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    Plot plot;
    sharedPlot = &plot;
    benchmark::Initialize(&argc, argv);
    if (benchmark::ReportUnrecognizedArguments(argc, argv))
        return 1;
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
