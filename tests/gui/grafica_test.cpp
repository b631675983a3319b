// SPDX-License-Identifier: GPL-3.0-or-later
// The plot in the Desarrollo window: its marks at the special points of the
// equation solved, the view kept under the pointer while zooming, and the
// export through the window.

#include "shell/desarrollo.h"
#include "window_harness.h"

#include <QChartView>
#include <QFile>
#include <QImage>
#include <QScatterSeries>
#include <QTabWidget>
#include <QTemporaryDir>
#include <QValueAxis>

namespace {

struct PlotHarness {
    WindowHarness window;
    Desarrollo* desarrollo = nullptr;

    void solve(const char* a, const char* b, const char* c)
    {
        window.typeEquation(QLatin1String(a), QLatin1String(b), QLatin1String(c), QStringLiteral("0"));
        window.clickSolve();
    }
    void showPlot()
    {
        window.press(0, Qt::Key_F2);
        desarrollo = window.find<Desarrollo>(QStringLiteral("Desarrollo"));
        window.find<QTabWidget>(QStringLiteral("DesarrolloPestanas"))->setCurrentIndex(1);
    }
    QChartView* chart() { return window.find<QChartView>(QStringLiteral("GraficaCurva")); }
    // Each mark's points and label, by the series' name.
    QStringList marks()
    {
        QStringList found;
        for (QAbstractSeries* series : chart()->chart()->series()) {
            auto* scatter = qobject_cast<QScatterSeries*>(series);
            if (scatter == nullptr || scatter->count() == 0)
                continue;
            const QPointF at = scatter->at(0);
            found << QStringLiteral("%1 (%2, %3) %4")
                         .arg(series->name())
                         .arg(at.x())
                         .arg(at.y())
                         .arg(scatter->pointLabelsFormat());
        }
        return found;
    }
};

TEST(Grafica, MarksTheSpecialPointsOfEachSolve)
{
    PlotHarness plot;
    plot.showPlot();  // built before the first solve, it fills in after it
    plot.solve("1", "-3", "2");
    EXPECT_EQ(plot.marks(), (QStringList{QStringLiteral("Raíz (1, 0) x₁ = 1"), QStringLiteral("Raíz (2, 0) x₂ = 2"),
                                         QStringLiteral("Vértice (1.5, -0.25) V(1,5; −0,25)"),
                                         QStringLiteral("Corte con el eje y (0, 2) (0; 2)")}));
    const QString description = plot.window.find<QWidget>(QStringLiteral("Grafica"))->accessibleDescription();
    EXPECT_TRUE(description.contains(QStringLiteral("Corta al eje x en x₁ = 1 y en x₂ = 2")))
        << description.toStdString();

    plot.solve("1", "2", "5");
    EXPECT_EQ(plot.marks(), (QStringList{QStringLiteral("Vértice (-1, 4) V(−1; 4)"),
                                         QStringLiteral("Corte con el eje y (0, 5) (0; 5)")}));
    EXPECT_TRUE(plot.chart()->chart()->title().contains(QStringLiteral("no corta al eje x")));

    plot.window.typeEquation(QStringLiteral("0"), QStringLiteral("1"), QStringLiteral("1"), QStringLiteral("0"));
    plot.window.clickSolve();
    EXPECT_TRUE(plot.marks().isEmpty());
}

// The point under the pointer stays there through a wheel notch; a double
// click, the 0 key and Vista inicial each bring the first view back.
TEST(Grafica, ZoomsAroundThePointerAndRestoresTheView)
{
    PlotHarness plot;
    plot.showPlot();
    plot.solve("1", "1E+8", "1");
    plot.desarrollo->resize(600, 600);
    QChartView* view = plot.chart();
    QApplication::processEvents();
    const auto valueAt = [view](QPoint pixel) {
        return view->chart()->mapToValue(view->chart()->mapFromScene(view->mapToScene(pixel)));
    };
    const auto xRange = [view] {
        auto* axis = qobject_cast<QAbstractAxis*>(view->chart()->axes(Qt::Horizontal).at(0));
        return std::make_pair(axis->property("min").toDouble(), axis->property("max").toDouble());
    };
    const auto initial = xRange();
    const QPoint pointer(300, 150);
    const QPointF before = valueAt(pointer);
    QWheelEvent notch(pointer, view->mapToGlobal(pointer), {}, {0, 120}, Qt::NoButton, Qt::NoModifier,
                      Qt::NoScrollPhase, false);
    QApplication::sendEvent(view->viewport(), &notch);
    EXPECT_LT(xRange().second - xRange().first, initial.second - initial.first);
    EXPECT_NEAR(valueAt(pointer).x(), before.x(), (initial.second - initial.first) * 1e-3);

    QTest::mouseDClick(view->viewport(), Qt::LeftButton, {}, pointer);
    EXPECT_EQ(xRange(), initial);
    QTest::keyClick(view, Qt::Key_Plus);
    QTest::keyClick(view, Qt::Key_Right);
    EXPECT_NE(xRange(), initial);
    QTest::keyClick(view, Qt::Key_0);
    EXPECT_EQ(xRange(), initial);
    QTest::keyClick(view, Qt::Key_Minus);
    QTest::mouseClick(plot.window.find<QAbstractButton>(QStringLiteral("CmdVistaInicial")), Qt::LeftButton);
    EXPECT_EQ(xRange(), initial);

    // The root near 0 and the intercept share a pixel: one label, not two over each other.
    QStringList labelled;
    for (QAbstractSeries* series : view->chart()->series()) {
        auto* mark = qobject_cast<QScatterSeries*>(series);
        if (mark != nullptr && mark->pointLabelsVisible())
            labelled << mark->pointLabelsFormat();
    }
    EXPECT_EQ(labelled, (QStringList{QStringLiteral("x₁ ≈ −1E+08"), QStringLiteral("x₂ ≈ −1E-08"),
                                     QStringLiteral("V(−5E+07; ≈ −2,5E+15)")}));
}

TEST(Grafica, ExportsPngSvgAndPdfThroughTheWindow)
{
    PlotHarness plot;
    plot.window.press(0, Qt::Key_F2);
    auto* desarrollo = plot.window.find<Desarrollo>(QStringLiteral("Desarrollo"));
    QTemporaryDir folder;
    EXPECT_FALSE(desarrollo->exportPlot(folder.filePath(QStringLiteral("nada.png")), {400, 300}));
    plot.solve("1", "-3", "2");

    ASSERT_TRUE(desarrollo->exportPlot(folder.filePath(QStringLiteral("g.png")), {800, 500}));
    const QImage image(folder.filePath(QStringLiteral("g.png")));
    EXPECT_EQ(image.size(), QSize(800, 500));
    EXPECT_GT(image.convertToFormat(QImage::Format_Indexed8).colorCount(), 8);  // drawn, not blank

    ASSERT_TRUE(desarrollo->exportPlot(folder.filePath(QStringLiteral("g.svg")), {640, 480}));
    QFile svg(folder.filePath(QStringLiteral("g.svg")));
    ASSERT_TRUE(svg.open(QIODevice::ReadOnly));
    const QString drawing = QString::fromUtf8(svg.readAll());
    EXPECT_TRUE(drawing.contains(QStringLiteral("<svg")));
    EXPECT_TRUE(drawing.contains(QStringLiteral("V(1,5; −0,25)")));

    ASSERT_TRUE(desarrollo->exportPlot(folder.filePath(QStringLiteral("g.pdf")), {640, 480}));
    QFile pdf(folder.filePath(QStringLiteral("g.pdf")));
    ASSERT_TRUE(pdf.open(QIODevice::ReadOnly));
    EXPECT_EQ(pdf.read(5), QByteArray("%PDF-"));
}

}  // namespace
