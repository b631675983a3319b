// SPDX-License-Identifier: GPL-3.0-or-later
#include "worked/inequality.h"

#include "worked/normal_form.h"
#include "worked/roots.h"

#include <cmath>
#include <limits>

namespace trx {

namespace {

using math::op;
using math::row;
using worked::Node;
using worked::Roots;
using worked::x;

bool wantsPositive(Relation relation)
{
    return relation == Relation::Greater || relation == Relation::GreaterOrEqual;
}

bool includesZeros(Relation relation)
{
    return relation == Relation::LessOrEqual || relation == Relation::GreaterOrEqual;
}

// The real roots in increasing order, as points and as formulas.
struct RealRoots {
    std::vector<ExactPoint> points;
    std::vector<Node> nodes;
};

RealRoots realRoots(const Roots& roots)
{
    if (roots.imaginary)
        return {};
    if (roots.isDouble())
        return {{{roots.p, 0, 1}}, {worked::rationalNode(roots.p)}};
    RealRoots real;
    for (const int sign : {-1, 1}) {
        const worked::Surd value = roots.root(sign);
        real.points.push_back({value.rational, value.coefficient, value.coefficient == 0 ? mpz_class(1) : roots.r});
        real.nodes.push_back(roots.rootNode(sign));
    }
    return real;
}

Node infinity(int sign)
{
    return row({math::sign(sign < 0 ? "−" : "+"), math::number("∞")});
}

Node signNode(int sign)
{
    return sign == 0 ? math::number("0") : math::sign(sign < 0 ? "−" : "+");
}

// "x < 2: +, x = 2: 0, 2 < x < 3: −, …": the sign table read along the x axis.
Node signTable(const RealRoots& real, int signOfA)
{
    std::vector<Node> entries;
    const auto entry = [&entries](Node where, int sign) {
        if (!entries.empty())
            entries.push_back(op(","));
        entries.push_back(row({std::move(where), op(":"), signNode(sign)}));
    };
    const std::size_t count = real.nodes.size();
    if (count == 0) {
        entry(row({infinity(-1), op("<"), x(), op("<"), infinity(1)}), signOfA);
        return row(std::move(entries));
    }
    for (std::size_t i = 0; i < count; ++i) {
        const bool between = count == 2 && i == 1;
        entry(between ? row({real.nodes[0], op("<"), x(), op("<"), real.nodes[1]}) : row({x(), op("<"), real.nodes[i]}),
              between ? -signOfA : signOfA);
        entry(worked::equals(x(), real.nodes[i]), 0);
    }
    entry(row({x(), op(">"), real.nodes.back()}), signOfA);
    return row(std::move(entries));
}

// Where the polynomial has the wanted sign, with its zeros when they count.
SolutionSet solutionSet(const RealRoots& real, int signOfA, Relation relation)
{
    const bool closed = includesZeros(relation);
    const bool outside = (signOfA > 0) == wantsPositive(relation);
    const auto& points = real.points;
    if (points.empty())
        return outside ? SolutionSet{{Interval{}}} : SolutionSet{};
    if (!outside) {
        if (!closed && points.size() == 1)
            return {};
        return {{{points.front(), points.back(), closed, closed}}};
    }
    if (closed && points.size() == 1)
        return {{Interval{}}};
    return {{{std::nullopt, points.front(), false, closed}, {points.back(), std::nullopt, closed, false}}};
}

struct Notation {
    Node intervals, set;
};

Node pointNode(const ExactPoint& point, const RealRoots& real)
{
    for (std::size_t i = 0; i < real.points.size(); ++i) {
        if (real.points[i].rational == point.rational && real.points[i].coefficient == point.coefficient)
            return real.nodes[i];
    }
    return {};
}

Node braces(Node inside)
{
    return row({math::sign("{"), std::move(inside), math::sign("}")});
}

Node realLine()
{
    return math::number("ℝ");
}

// {x ∈ ℝ : condition}
Node setOf(Node condition)
{
    return braces(row({x(), op("∈"), realLine(), op(":"), std::move(condition)}));
}

Node intervalNode(const Interval& interval, const RealRoots& real)
{
    return row({math::sign(interval.lowClosed ? "[" : "("),
                interval.low ? pointNode(*interval.low, real) : infinity(-1), op(","),
                interval.high ? pointNode(*interval.high, real) : infinity(1),
                math::sign(interval.highClosed ? "]" : ")")});
}

// x < 3, 2 ≤ x ≤ 3, x > 3.
Node condition(const Interval& interval, const RealRoots& real)
{
    if (!interval.low)
        return row({x(), op(interval.highClosed ? "≤" : "<"), pointNode(*interval.high, real)});
    if (!interval.high)
        return row({x(), op(interval.lowClosed ? "≥" : ">"), pointNode(*interval.low, real)});
    return row({pointNode(*interval.low, real), op(interval.lowClosed ? "≤" : "<"), x(),
                op(interval.highClosed ? "≤" : "<"), pointNode(*interval.high, real)});
}

Notation notation(const SolutionSet& solution, const RealRoots& real)
{
    const auto& parts = solution.intervals;
    if (parts.empty())
        return {math::number("∅"), math::number("∅")};
    if (!parts.front().low && !parts.front().high)
        return {realLine(), realLine()};
    if (parts.size() == 1 && parts.front().lowClosed && parts.front().low->rational == parts.front().high->rational &&
        parts.front().low->coefficient == parts.front().high->coefficient) {
        const Node point = braces(pointNode(*parts.front().low, real));
        return {point, point};
    }
    if (parts.size() == 2 && real.points.size() == 1)  // all but the double root
        return {row({intervalNode(parts[0], real), op("∪"), intervalNode(parts[1], real)}),
                setOf(row({x(), op("≠"), real.nodes[0]}))};
    std::vector<Node> intervals, sets;
    for (const Interval& interval : parts) {
        if (!intervals.empty()) {
            intervals.push_back(op("∪"));
            sets.push_back(op("∪"));
        }
        intervals.push_back(intervalNode(interval, real));
        sets.push_back(setOf(condition(interval, real)));
    }
    return {row(std::move(intervals)), row(std::move(sets))};
}

const char* signRule(std::size_t rootCount)
{
    if (rootCount == 2)
        return QT_TRANSLATE_NOOP("Derivation",
                                 "Signo del polinomio en cada intervalo: el de a fuera de las raíces, el contrario "
                                 "entre ellas:");
    if (rootCount == 1)
        return QT_TRANSLATE_NOOP("Derivation",
                                 "Signo del polinomio: el de a en todas partes salvo en la raíz doble, donde vale 0:");
    return QT_TRANSLATE_NOOP("Derivation", "Sin raíces reales, el polinomio tiene siempre el signo de a:");
}

}  // namespace

double ExactPoint::approximate() const
{
    return rational.get_d() + coefficient.get_d() * std::sqrt(radicand.get_d());
}

std::vector<plot::Shade> shading(const SolutionSet& solution)
{
    constexpr double infinite = std::numeric_limits<double>::infinity();
    std::vector<plot::Shade> shades;
    for (const Interval& part : solution.intervals)
        shades.push_back({part.low ? part.low->approximate() : -infinite,
                          part.high ? part.high->approximate() : infinite, part.lowClosed, part.highClosed});
    return shades;
}

InequalityWorking solveInequality(const mpz_class& a, const mpz_class& b, const mpz_class& c, Relation relation)
{
    mpq_class centre(-b, 2 * a), square(b * b - 4 * a * c, 4 * a * a);
    centre.canonicalize();
    square.canonicalize();
    const RealRoots real = realRoots(Roots::of({centre, square}));
    const int signOfA = sgn(a);
    worked::StepList steps;
    steps.add(QT_TRANSLATE_NOOP("Derivation", "Inecuación:"),
              row({worked::polynomial(mpq_class(a), mpq_class(b), mpq_class(c)), op(relationSign(relation)),
                   math::number("0")}));
    steps.add(signRule(real.points.size()), signTable(real, signOfA));
    SolutionSet solution = solutionSet(real, signOfA, relation);
    Notation written = notation(solution, real);
    steps.add(QT_TRANSLATE_NOOP("Derivation", "Solución en forma de intervalos:"), std::move(written.intervals));
    steps.add(QT_TRANSLATE_NOOP("Derivation", "Solución en forma de conjunto:"), std::move(written.set));
    std::vector<WorkedStep> worked = steps.take();
    translateSentences(worked, untranslated);
    return {std::move(worked), std::move(solution)};
}

std::optional<InequalityWorking> deriveInequality(const std::array<std::string, 4>& fields, char separator,
                                                  Relation relation, Method method, const TypedShape* shape)
{
    worked::StepList unused;
    const std::optional<worked::NormalForm> form = worked::normalForm(fields, separator, unused);
    if (!form)
        return std::nullopt;
    const int sign = form->negated ? -1 : 1;
    InequalityWorking working = solveInequality(sign * form->a, sign * form->b, sign * form->c, relation);
    std::vector<WorkedStep> steps = deriveSolution(fields, separator, method, shape);
    steps.insert(steps.end(), working.steps.begin(), working.steps.end());
    working.steps = std::move(steps);
    return working;
}

}  // namespace trx
