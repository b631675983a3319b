// SPDX-License-Identifier: GPL-3.0-or-later
// The plot's view and labels: every equation, up to the ends of the double
// range, gets a finite, non-degenerate view holding its special points, with
// readable ticks, and zooming or panning never leaves those bounds.

#include "exact/plot_view.h"

#include <gtest/gtest.h>

#include <cfloat>
#include <cmath>
#include <set>

namespace {

using namespace trx::plot;

struct Equation {
    Parabola parabola;
    std::size_t roots;
};

const Equation kEquations[] = {{{1, -3, 2}, 2},
                               {{1, 2, 5}, 0},
                               {{1, 1e8, 1}, 2},
                               {{-2, 3, 7}, 2},
                               {{DBL_TRUE_MIN, 0, 0}, 1},
                               {{DBL_MAX, 0, -DBL_MAX}, 2},
                               {{-DBL_MAX, DBL_MAX, DBL_MAX}, 2},
                               {{1, DBL_MAX, 0}, 2},
                               {{DBL_TRUE_MIN, DBL_MAX, -DBL_MAX}, 2},
                               {{1, 0, -1e-300}, 2}};

bool inside(double value, const Range& range)
{
    return range.min <= value && value <= range.max;
}

void expectSane(const View& view, const char* what)
{
    for (const Range& r : {view.x, view.y}) {
        ASSERT_TRUE(std::isfinite(r.min) && std::isfinite(r.max)) << what;
        ASSERT_GT(r.span(), 0) << what;
        const std::vector<Tick> marks = ticks(r, ',');
        ASSERT_GE(marks.size(), 2U) << what << " " << r.min << " " << r.max;
        ASSERT_LE(marks.size(), 25U) << what;
        std::set<std::string> labels;
        for (std::size_t i = 0; i < marks.size(); ++i) {
            EXPECT_TRUE(inside(marks[i].value, r)) << what;
            EXPECT_EQ(marks[i].label.find('.'), std::string::npos) << marks[i].label;
            EXPECT_TRUE(i == 0 || marks[i].value > marks[i - 1].value) << what;
            labels.insert(marks[i].label);
        }
        EXPECT_EQ(labels.size(), marks.size()) << what << ": two ticks read the same";
    }
}

TEST(PlotView, EveryEquationGetsAViewHoldingItsPoints)
{
    for (const Equation& equation : kEquations) {
        const Parabola& p = equation.parabola;
        SCOPED_TRACE(testing::Message() << p.a << " " << p.b << " " << p.c);
        const Features f = features(p);
        ASSERT_EQ(f.roots.size(), equation.roots);
        const View view = defaultView(f);
        expectSane(view, "default");
        EXPECT_TRUE(inside(f.vertex.x, view.x) && inside(f.vertex.y, view.y));
        EXPECT_TRUE(inside(0, view.x) && inside(f.intercept, view.y));
        for (const double root : f.roots)
            EXPECT_TRUE(inside(root, view.x) && inside(0, view.y)) << root;
        for (const Point& point : curve(p, view.x, view.y, 50))
            EXPECT_TRUE(std::isfinite(point.y));

        View zoom = view, pan = view;
        for (int i = 0; i < 400; ++i) {
            zoom = zoomed(zoom, i < 200 ? 0.5 : 4, {view.x.max, view.y.min});
            pan = panned(pan, 1e30 * pan.x.span(), -1e30 * pan.y.span());
        }
        expectSane(zoom, "zoomed");
        expectSane(pan, "panned");
    }
}

// The labels of the roots, the vertex and the y-intercept.
TEST(PlotView, SpecialPointsAndTheirLabels)
{
    const struct {
        std::array<std::string, 4> fields;
        char separator;
        const char* labels;
    } cases[] = {
        {{"1", "-3", "2", "0"}, ',', "x₂ = 1 | x₁ = 2 | V(1,5; −0,25) | (0; 2)"},
        {{"1", "1E+8", "1", "0"}, '.', "x₂ ≈ −1E+08 | x₁ ≈ −1E-08 | V(−5E+07, ≈ −2.5E+15) | (0, 1)"},
        {{"3", "0", "-6", "0"}, ',', "x₂ ≈ −1,41421 | x₁ ≈ 1,41421 | V(0; −6) | (0; −6)"},
        {{"3", "-1", "0", "0"}, ',', "x₂ = 0 | x₁ ≈ 0,333333 | V(≈ 0,166667; ≈ −0,0833333) | (0; 0)"},
        {{"1", "-2", "1", "0"}, ',', "x = 1 | V(1; 0) | (0; 1)"},
        // x₁ is the solution with + in the normal form, whatever the sign of a.
        {{"-4", "4", "3", "0"}, ',', "x₂ = −0,5 | x₁ = 1,5 | V(0,5; 4) | (0; 3)"},
        // The exact discriminant says how many roots, where the doubles round
        // it to 0 or away from it.
        {{"1", "2,00000000000000000002", "1", "0"}, ',', "x₂ ≈ −1 | x₁ ≈ −1 | V(≈ −1; ≈ 0) | (0; 1)"},
        {{"0,1", "0,2", "0,1", "0"}, ',', "x = −1 | V(−1; 0) | (0; 0,1)"},
        {{"0,5", "0", "0,03125", "-0,1"}, ',', "V(0; 0,13125) | (0; 0,13125)"},
        // Beyond the plotted range: at its edge, and not exact.
        {{"1E-300", "1E+10", "0", "0"}, ',', "x₂ ≈ −1E+300 | x₁ = 0 | V(≈ −1E+300; ≈ −1E+300) | (0; 0)"},
    };
    for (const auto& c : cases) {
        const Marks shown = marks(features(c.fields, c.separator), c.separator);
        std::string labels;
        for (const Mark& root : shown.roots)
            labels += root.label + " | ";
        EXPECT_EQ(labels + shown.vertex.label + " | " + shown.intercept.label, c.labels);
    }
}

TEST(PlotView, TickLabelsAreReadable)
{
    const struct {
        Range range;
        std::vector<std::string> labels;
    } kCases[] = {
        {{-0.1, 1.05}, {"0", "0,2", "0,4", "0,6", "0,8", "1,0"}},
        {{-1.25e8, 2e7}, {"−1E+08", "−5E+07", "0"}},
        {{-1.5e5, 7e5}, {"0", "200000", "400000", "600000"}},
        {{-3.5e-6, 1e-6}, {"−3E-06", "−2E-06", "−1E-06", "0", "1E-06"}},
        {{999.9, 1000.3}, {"999,9", "1000,0", "1000,1", "1000,2", "1000,3"}},
        {{NAN, 1}, {"−1,0", "−0,5", "0", "0,5", "1,0"}},  // no range, or a reversed one: the default one
        {{2, 1}, {"−1,0", "−0,5", "0", "0,5", "1,0"}},
    };
    for (const auto& c : kCases) {
        std::vector<std::string> labels;
        for (const Tick& tick : ticks(c.range, ','))
            labels.push_back(tick.label);
        EXPECT_EQ(labels, c.labels);
    }
    EXPECT_EQ(coordinateText(1.23456, {0, 10}, ','), "1,2");
}

}  // namespace
