// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The plot of the Desarrollo window, as the window sees it.  Its widget and
// Qt Charts live in a Qt plug-in of their own (trx_plot) that the window
// loads the first time the plot is needed, so that the chart library costs
// the program nothing at start-up; the plug-in is a PlotPanelFactory.  What
// it draws is worked out by the program, through a PlotGeometry.

#include "plot/plot_geometry.h"

#include <QObject>
#include <QRectF>
#include <QSize>
#include <QString>

#include <array>
#include <string>
#include <vector>

class Platform;
class QPainter;
class QWidget;

class PlotPanel {
public:
    virtual ~PlotPanel() = default;
    // The panel itself, owned by its Qt parent: deleting it deletes the panel.
    virtual QWidget* widget() = 0;
    // y = a·x² + b·x + c − d from the fields a, b, c, d of a working.
    virtual void showEquation(const std::array<std::string, 4>& fields, char separator) = 0;
    // Shades the parts of the x axis that solve an inequality, in increasing
    // order, until the next equation; `inWords` names them for a screen reader.
    virtual void showSolution(const std::vector<trx::plot::Shade>& parts, const QString& inWords) = 0;
    virtual void showNothing() = 0;
    // The plot at `size` pixels, drawn into `target` (a printed page).
    virtual void paint(QPainter& painter, const QRectF& target, const QSize& size) = 0;
    // PNG, SVG or PDF after the file's suffix; false when it cannot be written.
    virtual bool exportTo(const QString& path, const QSize& size) = 0;
};

class PlotPanelFactory {
public:
    virtual ~PlotPanelFactory() = default;
    // A new panel owned by `parent`; what leaves it goes through `platform`,
    // where the parabola lies comes from `geometry`, which outlives it.
    virtual PlotPanel* makePanel(QWidget* parent, Platform& platform, const PlotGeometry& geometry) = 0;
};

#define TRX_PLOT_PANEL_FACTORY_IID "org.example.trinomix.PlotPanelFactory/3"
Q_DECLARE_INTERFACE(PlotPanelFactory, TRX_PLOT_PANEL_FACTORY_IID)
