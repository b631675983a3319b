// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// What the plot module asks the program to work out: the geometry of
// exact/plot_view.h, handed over as an interface so that the module links
// none of the program's libraries and carries no second copy of them.  Its
// value types are header-only; each function stands for the one of the same
// name in trx::plot.

#include "exact/plot_view.h"

#include <array>
#include <string>
#include <vector>

class PlotGeometry {
public:
    virtual ~PlotGeometry() = default;
    virtual trx::plot::Features features(const std::array<std::string, 4>& fields, char separator) const = 0;
    virtual trx::plot::Marks marks(const trx::plot::Features& features, char separator) const = 0;
    virtual trx::plot::View defaultView(const trx::plot::Features& features) const = 0;
    virtual trx::plot::View zoomed(const trx::plot::View& view, double factor, trx::plot::Point anchor) const = 0;
    virtual trx::plot::View panned(const trx::plot::View& view, double dx, double dy) const = 0;
    virtual std::vector<trx::plot::Tick> ticks(const trx::plot::Range& range, char separator) const = 0;
    virtual std::vector<trx::plot::Point> curve(const trx::plot::Parabola& parabola, const trx::plot::Range& range,
                                                const trx::plot::Range& clip, int count) const = 0;
    virtual std::string coordinateText(double value, const trx::plot::Range& range, char separator) const = 0;
};
