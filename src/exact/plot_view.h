// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// What the plot of y = a·x² + b·x + c shows, worked out without Qt: where
// the vertex, the real roots and the y-intercept lie, the default view that
// holds them all with margins, zoom and pan, the axes' tick marks and every
// label in the user's number form.  Each view that comes out is finite and
// wide enough for its ticks to be told apart, whatever the coefficients, so
// the plot is never blank and its tick loop always ends.

#include <array>
#include <string>
#include <vector>

namespace trx::plot {

struct Parabola {
    double a = 1;  // never 0
    double b = 0;
    double c = 0;
};

struct Point {
    double x = 0;
    double y = 0;
};

// The special points, clamped to ±kLimit when the double range overflows.
struct Features {
    Parabola parabola;
    Point vertex;
    std::vector<double> roots;  // real ones, ascending; one for a double root
    double intercept = 0;       // the value at x = 0, which is c
    // Whether six significant digits are the whole value: known only from
    // the exact coefficients, never from the doubles.
    std::array<bool, 2> exactVertex{};
    std::array<bool, 2> exactRoots{};
    bool exactIntercept = false;
};
Features features(const Parabola& parabola);
// From the fields a, b, c, d of a·x² + b·x + c = d as typed, a ≠ 0.
Features features(const std::array<std::string, 4>& fields, char separator);

constexpr double kLimit = 1e300;  // room left for margins inside the double range

struct Range {
    double min = -1;
    double max = 1;
    double span() const { return max - min; }
};
struct View {
    Range x;
    Range y;
};

View defaultView(const Features& features);
// `factor` < 1 zooms in, keeping `anchor` where it is on the screen.
View zoomed(const View& view, double factor, Point anchor);
View panned(const View& view, double dx, double dy);

struct Tick {
    double value;
    std::string label;
};
// Round steps (1, 2 or 5 times a power of ten), about `wanted` of them.
std::vector<Tick> ticks(const Range& range, char separator, int wanted = 6);

// A coordinate under the pointer, with as many decimals as the view's
// width makes meaningful.
std::string coordinateText(double value, const Range& range, char separator);

// A value as a label shows it: "1,5" when it is `exact` (see Features),
// "≈ 0,333333" otherwise.
std::string valueText(double value, bool exact, char separator);

struct Mark {
    Point at;
    std::string label;  // "x₁ = 1", "V(1,5; −0,25)", "(0; ≈ 0,333333)"
};
struct Marks {
    std::vector<Mark> roots;
    Mark vertex;
    Mark intercept;
};
Marks marks(const Features& features, char separator);

// A part of the x axis shaded as the solution of an inequality: from `low`
// to `high`, −∞ or +∞ where it has no end; a single point when low == high.
struct Shade {
    double low = 0;
    double high = 0;
    bool lowClosed = false;
    bool highClosed = false;
};

// The curve over `range`, `count` ≥ 2 points, its values kept within a few
// view heights of `clip` so that a drawing engine never meets overflow.
std::vector<Point> curve(const Parabola& parabola, const Range& range, const Range& clip, int count);

}  // namespace trx::plot
