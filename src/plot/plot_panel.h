// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The plot of the Desarrollo window, as the window sees it.  Its widget and
// Qt Charts live in a module of their own (trx_plot) that the window loads
// the first time the plot is needed, so that the chart library costs the
// program nothing at start-up; the module hands out a PlotPanel through
// trxMakePlotPanel.

#include <QRectF>
#include <QSize>
#include <QString>

#include <array>
#include <string>

class QPainter;
class QWidget;

class PlotPanel {
public:
    virtual ~PlotPanel() = default;
    // The panel itself, owned by its Qt parent: deleting it deletes the panel.
    virtual QWidget* widget() = 0;
    // y = a·x² + b·x + c − d from the fields a, b, c, d of a working.
    virtual void showEquation(const std::array<std::string, 4>& fields, char separator) = 0;
    virtual void showNothing() = 0;
    // The plot at `size` pixels, drawn into `target` (a printed page).
    virtual void paint(QPainter& painter, const QRectF& target, const QSize& size) = 0;
    // PNG, SVG or PDF after the file's suffix; false when it cannot be written.
    virtual bool exportTo(const QString& path, const QSize& size) = 0;
};

using MakePlotPanel = PlotPanel* (*)(QWidget* parent);
