// SPDX-License-Identifier: GPL-3.0-or-later
// The plot module's geometry, worked out here in the program by trx::plot,
// so that the module carries no copy of the exact arithmetic.
#include "plot/plot_geometry.h"
#include "desarrollo/plot_plugin.h"

namespace plot = trx::plot;

namespace {

class ExactPlotGeometry final : public PlotGeometry {
public:
    plot::Features features(const std::array<std::string, 4>& fields, char separator) const override
    {
        return plot::features(fields, separator);
    }
    plot::Marks marks(const plot::Features& features, char separator) const override
    {
        return plot::marks(features, separator);
    }
    plot::View defaultView(const plot::Features& features) const override { return plot::defaultView(features); }
    plot::View zoomed(const plot::View& view, double factor, plot::Point anchor) const override
    {
        return plot::zoomed(view, factor, anchor);
    }
    plot::View panned(const plot::View& view, double dx, double dy) const override
    {
        return plot::panned(view, dx, dy);
    }
    std::vector<plot::Tick> ticks(const plot::Range& range, char separator) const override
    {
        return plot::ticks(range, separator);
    }
    std::vector<plot::Point> curve(const plot::Parabola& parabola, const plot::Range& range, const plot::Range& clip,
                                   int count) const override
    {
        return plot::curve(parabola, range, clip, count);
    }
    std::string coordinateText(double value, const plot::Range& range, char separator) const override
    {
        return plot::coordinateText(value, range, separator);
    }
};

}  // namespace

const PlotGeometry& plotGeometry()
{
    static const ExactPlotGeometry geometry;
    return geometry;
}
