// SPDX-License-Identifier: GPL-3.0-or-later
// From the tree to the normal form, one textbook step at a time: brackets,
// denominators, every term to the left, like terms, the sign of x², the
// common factor.  A step that changes nothing is left out.

#include "equation/parts.h"

#include <algorithm>
#include <utility>

namespace trx {

namespace {

using math::Node;

// c·xⁿ, n ≤ 2.
struct Monomial {
    mpq_class coefficient;
    int degree = 0;
};
using Terms = std::vector<Monomial>;

void appendTerms(Terms& terms, const Polynomial& value, bool negated)
{
    for (int degree = 2; degree >= 0; --degree) {
        const mpq_class& coefficient = value[static_cast<std::size_t>(degree)];
        if (coefficient != 0)
            terms.push_back({negated ? mpq_class(-coefficient) : coefficient, degree});
    }
}

// Each typed term of a side expanded on its own, so that like terms from
// different terms are still apart.
std::optional<Terms> sideTerms(const Expression& side, Expansion& notes)
{
    Terms out;
    const bool isSum = side.kind == Expression::Kind::Sum;
    for (std::size_t i = 0; i < (isSum ? side.children.size() : 1); ++i) {
        const Expression& term = isSum ? side.children[i] : side;
        auto value = expand(term, notes);
        if (!value)
            return std::nullopt;
        appendTerms(out, *value, isSum && term.inverse);
    }
    return out;
}

// The decimals of 1/denominator, when they end: a denominator made of twos
// and fives only.
std::optional<int> decimalPlaces(const mpz_class& denominator)
{
    mpz_class rest;
    const mp_bitcnt_t twos = mpz_remove(rest.get_mpz_t(), denominator.get_mpz_t(), mpz_class(2).get_mpz_t());
    const mp_bitcnt_t fives = mpz_remove(rest.get_mpz_t(), rest.get_mpz_t(), mpz_class(5).get_mpz_t());
    if (rest != 1)
        return std::nullopt;
    return static_cast<int>(std::max(twos, fives));
}

mpz_class tenToThe(int places)
{
    mpz_class out;
    mpz_ui_pow_ui(out.get_mpz_t(), 10, static_cast<unsigned long>(places));
    return out;
}

bool holds(const mpz_class& value, Relation relation)
{
    switch (relation) {
    case Relation::Less:
        return value < 0;
    case Relation::Greater:
        return value > 0;
    case Relation::LessOrEqual:
        return value <= 0;
    case Relation::GreaterOrEqual:
        return value >= 0;
    case Relation::Equal:
        break;
    }
    return value == 0;
}

class Reducer {
public:
    Reducer(const TypedEquation& typed, char separator, EquationSteps steps);
    std::optional<EquationError> run(EquationReading& out);

private:
    void add(std::vector<Phrase> phrases, Node formula)
    {
        steps_.push_back({{}, std::move(formula), std::move(phrases)});
    }
    // A step showing the equation as it now stands; the formulas are only
    // built when the steps are asked for.
    void addCurrent(std::vector<Phrase> phrases)
    {
        if (record_)
            add(std::move(phrases), currentNode());
    }
    void addCurrent(const char* pattern) { addCurrent({{pattern, {}}}); }
    // Adds the step unless its formula is the one before.
    void addChange(std::vector<Phrase> phrases);

    void removeBrackets(const Expansion& notes);
    void clearDenominators();
    void moveLeft();
    void collect();
    void makeLeadingPositive();
    void divideByCommonFactor();
    void conclude(EquationReading& out);

    Node magnitude(const mpq_class& value, Node variable) const;
    Node number(const mpq_class& value) const;
    Node termsNode(const Terms& terms) const;
    Node relationNode(const Terms& left, const Terms& right) const
    {
        return math::row({termsNode(left), math::op(relationSign(relation_)), termsNode(right)});
    }
    Node currentNode() const { return relationNode(left_, right_); }
    std::string plain(const Node& node) const { return math::plainText(node); }

    const TypedEquation& typed_;
    char separator_;
    bool record_;            // build the steps
    bool decimals_ = false;  // a number was typed with decimals
    Relation relation_;
    Terms left_, right_;
    mpz_class a_, b_, c_;
    std::vector<WorkedStep> steps_;
};

bool typedWithDecimals(const Expression& expression)
{
    return expression.places > 0 || std::any_of(expression.children.begin(), expression.children.end(),
                                                [](const Expression& child) { return typedWithDecimals(child); });
}

Reducer::Reducer(const TypedEquation& typed, char separator, EquationSteps steps)
    : typed_(typed),
      separator_(separator),
      record_(steps == EquationSteps::Record),
      decimals_(typedWithDecimals(typed.left) || typedWithDecimals(typed.right)),
      relation_(typed.relation)
{
}

void Reducer::addChange(std::vector<Phrase> phrases)
{
    if (!record_)
        return;
    Node formula = currentNode();
    if (plain(formula) != plain(steps_.back().formula))
        add(std::move(phrases), std::move(formula));
}

// |value| in front of the variable: 3x, x, x²/2, 3x/4, 0,5x², 7.
Node Reducer::magnitude(const mpq_class& value, Node variable) const
{
    const mpz_class numerator = abs(value.get_num());
    const mpz_class& denominator = value.get_den();
    const bool bare = numerator == 1 && variable.kind != Node::Kind::Row;
    const auto withVariable = [&](Node digits) {
        if (variable.kind == Node::Kind::Row)
            return digits;
        return bare ? std::move(variable) : math::row({std::move(digits), std::move(variable)});
    };
    if (denominator == 1)
        return withVariable(math::number(numerator.get_str()));
    const auto places = decimals_ ? decimalPlaces(denominator) : std::nullopt;
    if (places)
        return withVariable(
            math::number(decimalText(numerator * (tenToThe(*places) / denominator), *places, separator_)));
    return math::fraction(withVariable(math::number(numerator.get_str())), math::number(denominator.get_str()));
}

Node Reducer::number(const mpq_class& value) const
{
    Node out = magnitude(value, math::row({}));
    return value < 0 ? math::row({math::sign("−"), std::move(out)}) : out;
}

Node Reducer::termsNode(const Terms& terms) const
{
    std::vector<Node> out;
    for (const Monomial& term : terms) {
        const bool negative = term.coefficient < 0;
        if (!out.empty())
            out.push_back(math::op(negative ? "−" : "+"));
        else if (negative)
            out.push_back(math::sign("−"));
        Node variable = term.degree == 0   ? math::row({})
                        : term.degree == 1 ? math::identifier("x")
                                           : math::power(math::identifier("x"), math::number("2"));
        out.push_back(magnitude(term.coefficient, std::move(variable)));
    }
    return out.empty() ? math::number("0") : math::row(std::move(out));
}

std::optional<EquationError> Reducer::run(EquationReading& out)
{
    if (record_)
        add({{relation_ == Relation::Equal ? QT_TRANSLATE_NOOP("Derivation", "Ecuación:")
                                           : QT_TRANSLATE_NOOP("Derivation", "Inecuación:"),
              {}}},
            equationFormula(typed_, separator_));
    Expansion notes;
    auto left = sideTerms(typed_.left, notes);
    auto right = left ? sideTerms(typed_.right, notes) : std::nullopt;
    if (!right)
        return notes.error;
    left_ = std::move(*left);
    right_ = std::move(*right);
    removeBrackets(notes);
    clearDenominators();
    moveLeft();
    collect();
    makeLeadingPositive();
    divideByCommonFactor();
    conclude(out);
    return std::nullopt;
}

bool hasBracket(const Expression& expression)
{
    return expression.kind == Expression::Kind::Bracket ||
           std::any_of(expression.children.begin(), expression.children.end(), hasBracket);
}

std::string joined(const std::vector<const char*>& identities)
{
    std::string out;
    for (const char* identity : identities)
        out += (out.empty() ? "" : ", ") + std::string(identity);
    return out;
}

void Reducer::removeBrackets(const Expansion& notes)
{
    Phrase phrase{QT_TRANSLATE_NOOP("Derivation", "Hacemos las operaciones:"), {}};
    if (notes.identities.size() == 1)
        phrase = {QT_TRANSLATE_NOOP("Derivation", "Quitamos los paréntesis con el producto notable %1:"),
                  {notes.identities[0]}};
    else if (!notes.identities.empty())
        phrase = {QT_TRANSLATE_NOOP("Derivation", "Quitamos los paréntesis con los productos notables %1:"),
                  {joined(notes.identities)}};
    else if (hasBracket(typed_.left) || hasBracket(typed_.right))
        phrase = {QT_TRANSLATE_NOOP("Derivation", "Quitamos los paréntesis:"), {}};
    addChange({phrase});
}

void Reducer::clearDenominators()
{
    mpz_class multiple = 1;
    for (const Terms* side : {&left_, &right_}) {
        for (const Monomial& term : *side)
            mpz_lcm(multiple.get_mpz_t(), multiple.get_mpz_t(), term.coefficient.get_den_mpz_t());
    }
    if (multiple == 1)
        return;
    Phrase phrase{
        QT_TRANSLATE_NOOP("Derivation",
                          "Multiplicamos los dos miembros por %1, el mínimo común múltiplo de los denominadores:"),
        {}};
    const auto places = decimals_ ? decimalPlaces(multiple) : std::nullopt;
    if (places) {
        multiple = tenToThe(*places);
        phrase.pattern = QT_TRANSLATE_NOOP("Derivation", "Multiplicamos por %1 para trabajar con números enteros:");
    }
    phrase.arguments = {multiple.get_str()};
    for (Terms* side : {&left_, &right_}) {
        for (Monomial& term : *side)
            term.coefficient *= multiple;
    }
    addCurrent({phrase});
}

void Reducer::moveLeft()
{
    if (right_.empty())
        return;
    for (const Monomial& term : right_)
        left_.push_back({-term.coefficient, term.degree});
    right_.clear();
    addCurrent(QT_TRANSLATE_NOOP("Derivation", "Pasamos todos los términos al primer miembro:"));
}

void Reducer::collect()
{
    Polynomial sum;
    for (const Monomial& term : left_)
        sum[static_cast<std::size_t>(term.degree)] += term.coefficient;
    left_.clear();
    appendTerms(left_, sum, false);
    // Every denominator has been cleared.
    a_ = sum[2].get_num();
    b_ = sum[1].get_num();
    c_ = sum[0].get_num();
    addChange({{QT_TRANSLATE_NOOP("Derivation", "Agrupamos los términos semejantes:"), {}}});
}

void Reducer::makeLeadingPositive()
{
    if (a_ >= 0)
        return;
    a_ = -a_;
    b_ = -b_;
    c_ = -c_;
    for (Monomial& term : left_)
        term.coefficient = -term.coefficient;
    const bool turns = relation_ != Relation::Equal;
    relation_ = flipped(relation_);
    addCurrent(
        turns ? QT_TRANSLATE_NOOP("Derivation", "Multiplicamos por −1 para que el coeficiente de x² sea positivo; "
                                                "la desigualdad cambia de sentido:")
              : QT_TRANSLATE_NOOP("Derivation", "Multiplicamos por −1 para que el coeficiente de x² sea positivo:"));
}

void Reducer::divideByCommonFactor()
{
    if (a_ == 0)
        return;  // the verdict solves it as it stands
    mpz_class divisor;
    mpz_gcd(divisor.get_mpz_t(), a_.get_mpz_t(), b_.get_mpz_t());
    mpz_gcd(divisor.get_mpz_t(), divisor.get_mpz_t(), c_.get_mpz_t());
    if (divisor <= 1)
        return;
    a_ /= divisor;
    b_ /= divisor;
    c_ /= divisor;
    for (Monomial& term : left_)
        term.coefficient /= divisor;
    addCurrent({{QT_TRANSLATE_NOOP("Derivation", "Dividimos entre %1, el máximo común divisor de los coeficientes:"),
                 {divisor.get_str()}}});
}

void Reducer::conclude(EquationReading& out)
{
    out.normal = {a_, b_, c_, relation_};
    if (a_ != 0) {
        const auto named = [this](const char* name, const mpz_class& value) {
            return math::row({math::identifier(name), math::op("="), number(mpq_class(value))});
        };
        if (record_)
            add({{QT_TRANSLATE_NOOP("Derivation", "Coeficientes de la forma normal:"), {}}},
                math::row({named("a", a_), math::op(","), named("b", b_), math::op(","), named("c", c_)}));
    } else if (b_ != 0) {
        const Relation solved = b_ > 0 ? relation_ : flipped(relation_);
        mpq_class root(-c_, b_);
        root.canonicalize();
        Node solution = math::row({math::identifier("x"), math::op(relationSign(solved)), number(root)});
        out.verdict = Phrase{QT_TRANSLATE_NOOP("Derivation", "No es de segundo grado: queda %1, %2"),
                             {plain(currentNode()), plain(solution)}};
        if (record_)
            add({*out.verdict}, std::move(solution));
    } else {
        const bool always = holds(c_, relation_);
        out.verdict = Phrase{
            always ? relation_ == Relation::Equal
                         ? QT_TRANSLATE_NOOP("Derivation", "Es una identidad: se cumple para cualquier valor de x")
                         : QT_TRANSLATE_NOOP("Derivation", "Se cumple para cualquier valor de x")
                   : QT_TRANSLATE_NOOP("Derivation", "No tiene solución"),
            {}};
        addCurrent({*out.verdict});
    }
    out.steps = std::move(steps_);
}

}  // namespace

EquationResult readEquation(std::string_view text, char separator, EquationSteps steps)
{
    EquationResult result;
    auto typed = parseEquation(text, result.error);
    if (!typed)
        return result;
    EquationReading reading;
    reading.typed = std::move(*typed);
    if (steps == EquationSteps::Skip) {
        if (auto normal = quickNormalForm(reading.typed)) {
            reading.normal = std::move(*normal);
            reading.readAs = writeEquation(reading.typed, separator);
            result.reading = std::move(reading);
            return result;
        }
    }
    if (auto refused = Reducer(reading.typed, separator, steps).run(reading)) {
        result.error = std::move(*refused);
        return result;
    }
    reading.readAs = reading.steps.empty() ? writeEquation(reading.typed, separator)
                                           : math::plainText(reading.steps.front().formula);
    result.reading = std::move(reading);
    return result;
}

}  // namespace trx
