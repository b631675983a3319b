// SPDX-License-Identifier: GPL-3.0-or-later
#include "exact/plot_view.h"

#include "core/number_text.h"
#include "exact/exact_decimal.h"
#include "exact/exact_numbers.h"

#include <algorithm>
#include <charconv>
#include <cmath>
#include <optional>

namespace trx::plot {

namespace {

// Long double keeps b² and 4ac finite where the x86 extended range allows.
double clamped(long double value)
{
    if (std::isnan(value))
        return 0;
    return static_cast<double>(std::clamp<long double>(value, -kLimit, kLimit));
}

std::vector<double> realRoots(long double a, long double b, long double c)
{
    const long double discriminant = b * b - 4 * a * c;
    if (discriminant < 0)
        return {};
    if (discriminant == 0)
        return {clamped(-b / (2 * a))};
    // The root away from cancellation first, the other from x₁·x₂ = c/a.
    const long double far = (-b - std::copysign(std::sqrt(discriminant), b)) / (2 * a);
    const long double near = far != 0 ? c / (a * far) : 0;
    std::vector<double> roots{clamped(far), clamped(near)};
    std::sort(roots.begin(), roots.end());
    return roots;
}

// The smallest span whose ticks are still distinct doubles around `centre`,
// and which stays clear of subnormal steps.
double minimumSpan(double centre)
{
    return std::max(std::abs(centre) * 1e-12, 1e-290);
}

Range sane(Range range)
{
    if (!std::isfinite(range.min) || !std::isfinite(range.max) || range.min > range.max)
        return {};
    range.min = std::clamp(range.min, -kLimit, kLimit);
    range.max = std::clamp(range.max, -kLimit, kLimit);
    const double centre = range.min / 2 + range.max / 2;
    const double least = minimumSpan(centre);
    if (range.span() < least)
        range = {centre - least / 2, centre + least / 2};
    return range;
}

Range withMargins(double low, double high)
{
    const double margin = (high / 2 - low / 2) * 0.2;
    return sane({low - margin, high + margin});
}

double evaluate(const Parabola& p, double x)
{
    return (p.a * x + p.b) * x + p.c;
}

// The program's number form, with the typographic minus the worked solution
// writes.
std::string shown(const char* begin, const char* end, char separator)
{
    std::string text = localised(std::string(begin, end), separator);
    if (!text.empty() && text[0] == '-')
        text.replace(0, 1, "−");
    return text;
}

std::string fixed(double value, int decimals, char separator)
{
    char buffer[400];
    const auto end = std::to_chars(buffer, buffer + sizeof buffer, value, std::chars_format::fixed, decimals).ptr;
    return shown(buffer, end, separator);
}

// No trailing zeros: "1E+08" beside "5E+07", not "1,0E+08".
std::string scientific(double value, int digits, char separator)
{
    char buffer[64];
    const auto end = std::to_chars(buffer, buffer + sizeof buffer, value, std::chars_format::general, digits).ptr;
    return shown(buffer, end, separator);
}

// A value on a grid of `step`: fixed decimals for ordinary magnitudes,
// "E" notation beyond them.
std::string gridText(double value, double step, double largest, char separator)
{
    if (value == 0)
        return "0";
    const int stepExponent = static_cast<int>(std::floor(std::log10(step)));
    if (largest < 1e6 && stepExponent >= -4)
        return fixed(value, std::max(0, -stepExponent), separator);
    const int valueExponent = static_cast<int>(std::floor(std::log10(std::abs(value))));
    return scientific(value, std::clamp(valueExponent - stepExponent + 1, 1, 15), separator);
}

double niceStep(double span, int wanted)
{
    const double rough = span / wanted;
    const double power = std::pow(10.0, std::floor(std::log10(rough)));
    for (const double multiple : {1.0, 2.0, 5.0}) {
        if (multiple * power >= rough)
            return multiple * power;
    }
    return 10 * power;
}

unsigned long strip(mpz_class& n, unsigned long prime)
{
    unsigned long count = 0;
    while (n != 0 && mpz_divisible_ui_p(n.get_mpz_t(), prime) != 0) {
        n /= prime;
        ++count;
    }
    return count;
}

// A decimal of at most six significant digits, inside the plotted range.
bool isShortDecimal(const mpq_class& q)
{
    if (q == 0)
        return true;
    if (abs(q) > mpq_class(mpz_class(kLimit)))
        return false;
    mpz_class denominator = q.get_den();
    const unsigned long twos = strip(denominator, 2), fives = strip(denominator, 5);
    if (denominator != 1)
        return false;
    mpz_class digits = abs(q.get_num()) * powerOfTen(std::max(twos, fives)) / q.get_den();
    strip(digits, 10);
    return digits < 1000000;
}

// √q when q is the square of a rational.
std::optional<mpq_class> rationalRoot(const mpq_class& q)
{
    if (mpz_perfect_square_p(q.get_num_mpz_t()) == 0 || mpz_perfect_square_p(q.get_den_mpz_t()) == 0)
        return std::nullopt;
    return mpq_class(sqrt(q.get_num()), sqrt(q.get_den()));
}

}  // namespace

Features features(const std::array<std::string, 4>& fields, char separator)
{
    std::array<mpq_class, 4> k;
    for (std::size_t i = 0; i < k.size(); ++i)
        k[i] = parseExactDecimal(fields[i], separator).value_or(ExactDecimal{}).toRational();
    const mpq_class a = k[0], b = k[1], c = k[2] - k[3];
    Features result = features({a.get_d(), b.get_d(), c.get_d()});
    result.exactVertex = {isShortDecimal(-b / (2 * a)), isShortDecimal(c - b * b / (4 * a))};
    result.exactIntercept = isShortDecimal(c);
    // How many roots is the exact discriminant's word, as in the working.
    const mpq_class discriminant = b * b - 4 * a * c;
    if (discriminant < 0)
        result.roots.clear();
    if (discriminant == 0)
        result.roots = {result.vertex.x};
    if (discriminant > 0 && result.roots.size() < 2)
        result.roots.assign(2, result.vertex.x);
    if (discriminant < 0)
        return result;
    if (const std::optional<mpq_class> root = rationalRoot(discriminant)) {
        // Ascending, as the roots are: the sign of a decides which comes first.
        const mpq_class low = (-b - sgn(a) * *root) / (2 * a), high = (-b + sgn(a) * *root) / (2 * a);
        result.exactRoots = {isShortDecimal(low), isShortDecimal(result.roots.size() == 1 ? low : high)};
    }
    return result;
}

Features features(const Parabola& parabola)
{
    const long double a = parabola.a, b = parabola.b, c = parabola.c;
    Features result{parabola, {}, realRoots(a, b, c), clamped(c)};
    const long double h = -b / (2 * a);
    result.vertex = {clamped(h), clamped(c - b * b / (4 * a))};
    return result;
}

View defaultView(const Features& f)
{
    std::vector<double> xs = f.roots;
    xs.push_back(f.vertex.x);
    xs.push_back(0);
    const auto [low, high] = std::minmax_element(xs.begin(), xs.end());
    // Symmetric about the axis, so that both arms show.  With the points
    // bunched together (a double root at the origin, say) widen to where the
    // curve has moved by about one unit, so that it still looks like a
    // parabola.
    const double natural = std::min(1 / std::sqrt(std::abs(f.parabola.a)), kLimit / 4);
    double halfWidth = std::max(f.vertex.x - *low, *high - f.vertex.x);
    if (halfWidth < natural / 8)
        halfWidth = natural;
    const double xMin = std::max(f.vertex.x - halfWidth, -kLimit), xMax = std::min(f.vertex.x + halfWidth, kLimit);
    std::vector<double> ys{f.vertex.y, 0, f.intercept, evaluate(f.parabola, xMin), evaluate(f.parabola, xMax)};
    for (double& y : ys)
        y = clamped(y);
    const auto [yLow, yHigh] = std::minmax_element(ys.begin(), ys.end());
    return {withMargins(xMin, xMax), withMargins(*yLow, *yHigh)};
}

View zoomed(const View& view, double factor, Point anchor)
{
    const auto scale = [factor](const Range& r, double at) {
        return sane({at + (r.min - at) * factor, at + (r.max - at) * factor});
    };
    return {scale(view.x, anchor.x), scale(view.y, anchor.y)};
}

View panned(const View& view, double dx, double dy)
{
    const auto shift = [](const Range& r, double by) {
        const double room = by > 0 ? kLimit - r.max : -kLimit - r.min;
        by = by > 0 ? std::min(by, room) : std::max(by, room);
        return sane({r.min + by, r.max + by});
    };
    return {shift(view.x, dx), shift(view.y, dy)};
}

std::vector<Tick> ticks(const Range& range, char separator, int wanted)
{
    const Range r = sane(range);
    const double step = niceStep(r.span(), wanted);
    const double first = std::ceil(r.min / step);
    const double largest = std::max(std::abs(r.min), std::abs(r.max));
    std::vector<Tick> result;
    for (int i = 0; i <= 4 * wanted; ++i) {
        // A last tick a rounding error past the end still counts.
        const double value = (first + i) * step;
        if (value > r.max + step * 1e-6)
            break;
        result.push_back({std::min(value, r.max), gridText(value, step, largest, separator)});
    }
    return result;
}
std::string coordinateText(double value, const Range& range, char separator)
{
    const double step = niceStep(sane(range).span(), 100);
    const double largest = std::max(std::abs(range.min), std::abs(range.max));
    return gridText(std::round(value / step) * step, step, largest, separator);
}

std::string valueText(double value, bool exact, char separator)
{
    if (value == 0 && exact)
        return "0";
    char buffer[32];
    const auto end = std::to_chars(buffer, buffer + sizeof buffer, value, std::chars_format::general, 6).ptr;
    const std::string text = shown(buffer, end, separator);
    return exact ? text : "≈ " + text;
}

Marks marks(const Features& f, char separator)
{
    // "(1,5; 2)" under a decimal comma, "(1.5, 2)" under a point.
    const std::string between = separator == ',' ? "; " : ", ";
    const auto point = [separator, between](const Point& p, std::array<bool, 2> exact) {
        return "(" + valueText(p.x, exact[0], separator) + between + valueText(p.y, exact[1], separator) + ")";
    };
    const auto equalsOrNot = [](const std::string& text) { return text.rfind("≈", 0) == 0 ? text : "= " + text; };
    Marks result;
    // Named as the solutions are: x₁ takes + before the root of the normal
    // form, whose leading coefficient is positive, so it is the larger root.
    const char* const names[] = {"x₂ ", "x₁ "};
    for (std::size_t i = 0; i < f.roots.size(); ++i) {
        const std::string name = f.roots.size() == 1 ? "x " : names[i];
        const std::string value = valueText(f.roots[i], f.exactRoots[i], separator);
        result.roots.push_back({{f.roots[i], 0}, name + equalsOrNot(value)});
    }
    result.vertex = {f.vertex, "V" + point(f.vertex, f.exactVertex)};
    result.intercept = {{0, f.intercept}, point({0, f.intercept}, {true, f.exactIntercept})};
    return result;
}

std::vector<Point> curve(const Parabola& parabola, const Range& range, const Range& clip, int count)
{
    const double reach = 4 * clip.span();
    std::vector<Point> points(static_cast<std::size_t>(std::max(count, 2)));
    const double step = range.span() / static_cast<double>(points.size() - 1);
    for (std::size_t i = 0; i < points.size(); ++i) {
        const double x = range.min + step * static_cast<double>(i);
        const double y = evaluate(parabola, x);
        points[i] = {x, std::isnan(y) ? clip.max : std::clamp(y, clip.min - reach, clip.max + reach)};
    }
    return points;
}

}  // namespace trx::plot
