// SPDX-License-Identifier: GPL-3.0-or-later
#include "worked/derivation.h"

#include "exact/exact_decimal.h"
#include "exact/exact_numbers.h"

#include <optional>
#include <utility>

namespace trx {

namespace {

using math::Node;
using math::op;
using math::row;

// Longer integers are written with a power of ten when that saves digits.
constexpr std::size_t kLongInteger = 15;
// Decimals with more places than this are written as m·10⁻ⁿ.
constexpr long kLongFraction = 20;

Node tenToThe(long exponent)
{
    Node digits = math::number(std::to_string(exponent < 0 ? -exponent : exponent));
    return math::power(math::number("10"), exponent < 0 ? row({math::sign("−"), digits}) : digits);
}

// m·10ⁿ, or 10ⁿ alone when m is 1.
Node scientific(const std::string& mantissa, long exponent)
{
    if (mantissa == "1")
        return tenToThe(exponent);
    return row({math::number(mantissa), op("·"), tenToThe(exponent)});
}

Node integerMagnitude(const mpz_class& n)
{
    const std::string digits = mpz_class(abs(n)).get_str();
    const std::size_t significant = digits.find_last_not_of('0') + 1;
    const std::size_t zeros = n == 0 ? 0 : digits.size() - significant;
    if (digits.size() <= kLongInteger || zeros < 3)
        return math::number(digits);
    return scientific(digits.substr(0, significant), static_cast<long>(zeros));
}

Node decimalMagnitude(const ExactDecimal& value, char separator)
{
    if (value.exponent >= 0)
        return integerMagnitude(value.significand * powerOfTen(static_cast<unsigned long>(value.exponent)));
    const std::string digits = mpz_class(abs(value.significand)).get_str();
    const long places = -value.exponent;
    const long length = static_cast<long>(digits.size());
    if (places > kLongFraction) {
        const std::string mantissa = digits.substr(0, 1) + (length > 1 ? separator + digits.substr(1) : "");
        return scientific(mantissa, length - 1 - places);
    }
    if (length > places)
        return math::number(digits.substr(0, static_cast<std::size_t>(length - places)) + separator +
                            digits.substr(static_cast<std::size_t>(length - places)));
    return math::number("0" + std::string(1, separator) + std::string(static_cast<std::size_t>(places - length), '0') +
                        digits);
}

Node signedNode(bool negative, Node magnitude)
{
    return negative ? row({math::sign("−"), std::move(magnitude)}) : magnitude;
}

Node rationalMagnitude(const mpq_class& q)
{
    if (q.get_den() == 1)
        return integerMagnitude(q.get_num());
    return math::fraction(integerMagnitude(q.get_num()), integerMagnitude(q.get_den()));
}

Node rationalNode(const mpq_class& q)
{
    return signedNode(q < 0, rationalMagnitude(q));
}

// A value as a factor or a base: anything but plain digits in parentheses.
Node asFactor(const mpq_class& q)
{
    Node value = rationalNode(q);
    return value.kind == Node::Kind::Number ? value : math::fenced(std::move(value));
}

Node x()
{
    return math::identifier("x");
}

Node equals(Node left, Node right)
{
    return row({std::move(left), op("="), std::move(right)});
}

// Appends "± magnitude" to a sum, or a leading "−" when the sum is empty.
void appendTerm(std::vector<Node>& sum, int sign, Node magnitude)
{
    if (!sum.empty())
        sum.push_back(op(sign < 0 ? "−" : "+"));
    else if (sign < 0)
        sum.push_back(math::sign("−"));
    sum.push_back(std::move(magnitude));
}

Node sumOrZero(std::vector<Node> sum)
{
    return sum.empty() ? math::number("0") : row(std::move(sum));
}

struct Coefficient {
    int sign = 0;
    bool unit = false;  // ±1: no digit before the x
    Node magnitude;
};

Coefficient coefficient(const mpq_class& q)
{
    return {sgn(q), abs(q) == 1, rationalMagnitude(q)};
}

Coefficient coefficient(const ExactDecimal& d, char separator)
{
    return {sgn(d.significand), abs(d.significand) == 1 && d.exponent == 0, decimalMagnitude(d, separator)};
}

Node polynomial(const std::array<Coefficient, 3>& terms)
{
    std::vector<Node> sum;
    for (int i = 0; i < 3; ++i) {
        const Coefficient& term = terms[i];
        if (term.sign == 0)
            continue;
        if (i == 2) {
            appendTerm(sum, term.sign, term.magnitude);
            continue;
        }
        Node variable = i == 0 ? math::power(x(), math::number("2")) : x();
        appendTerm(sum, term.sign, term.unit ? variable : row({term.magnitude, variable}));
    }
    return sumOrZero(std::move(sum));
}

Node polynomial(const mpz_class& a, const mpz_class& b, const mpz_class& c)
{
    return polynomial({coefficient(mpq_class(a)), coefficient(mpq_class(b)), coefficient(mpq_class(c))});
}

ExactDecimal normalised(mpz_class significand, long exponent)
{
    if (significand == 0)
        return {};
    while (mpz_divisible_ui_p(significand.get_mpz_t(), 10) != 0) {
        significand /= 10;
        ++exponent;
    }
    return {significand, exponent};
}

ExactDecimal difference(const ExactDecimal& left, const ExactDecimal& right)
{
    const long exponent = std::min(left.exponent, right.exponent);
    const auto aligned = [exponent](const ExactDecimal& d) -> mpz_class {
        return d.significand * powerOfTen(static_cast<unsigned long>(d.exponent - exponent));
    };
    return normalised(aligned(left) - aligned(right), exponent);
}

mpz_class wholeValue(const ExactDecimal& d, long shift)
{
    return d.significand * powerOfTen(static_cast<unsigned long>(d.exponent + shift));
}

// "100" for small powers of ten, words for large ones: sentences stay plain.
Phrase scalingPhrase(long exponent)
{
    if (exponent <= 6)
        return {QT_TRANSLATE_NOOP("Derivation", "Multiplicamos por %1 para trabajar con números enteros:"),
                {powerOfTen(static_cast<unsigned long>(exponent)).get_str()}};
    return {QT_TRANSLATE_NOOP("Derivation", "Multiplicamos por 10 elevado a %1 para trabajar con números enteros:"),
            {std::to_string(exponent)}};
}

// rational + coefficient·ω, where ω is the root of the working (√r, or i√r
// when the discriminant is negative).
struct Surd {
    mpq_class rational;
    mpq_class coefficient;
};

class Deriver {
public:
    explicit Deriver(char separator) : separator_(separator) { }
    std::vector<WorkedStep> run(const std::array<ExactDecimal, 4>& typed);

private:
    void add(std::vector<Phrase> phrases, Node formula)
    {
        steps_.push_back({{}, std::move(formula), std::move(phrases)});
    }
    void add(const char* pattern, Node formula) { add({{pattern, {}}}, std::move(formula)); }
    std::string plain(const Node& node) const { return math::plainText(node); }

    void normalise(std::array<ExactDecimal, 4> coefficients);
    void scaleToIntegers(const std::array<ExactDecimal, 3>& coefficients);
    void discriminant();
    void quadraticFormula();
    void rootOfDiscriminant();
    void rationalSolutions();
    void surdSolutions();
    void decimalValues();
    void factoredForm();
    void vertexForm();
    void check(int sign);

    Node omega() const;
    Node scaledOmega(const mpq_class& q) const;
    Node rootNode(const std::string& between) const;
    Node rootNode(int sign) const { return rootNode(sign > 0 ? "+" : "−"); }
    Node linearFactor(int sign) const;
    Node surdNode(const Surd& value) const;
    Node decimalNode(int sign, Node name) const;
    Surd root(int sign) const;
    Surd times(const Surd& left, const Surd& right) const;
    bool hasRoot() const { return q_ != 0 && (r_ != 1 || imaginary_); }

    char separator_;
    std::vector<WorkedStep> steps_;
    mpz_class a_, b_, c_, d_;
    // The solutions are p ± q·ω; with no ω (a whole root of D) they are p ± q.
    mpq_class p_, q_;
    mpz_class r_ = 1;
    bool imaginary_ = false;
};

std::vector<WorkedStep> Deriver::run(const std::array<ExactDecimal, 4>& typed)
{
    normalise(typed);
    discriminant();
    quadraticFormula();
    rootOfDiscriminant();
    if (hasRoot())
        surdSolutions();
    else
        rationalSolutions();
    decimalValues();
    factoredForm();
    vertexForm();
    check(1);
    if (q_ != 0)
        check(-1);
    return std::move(steps_);
}

void Deriver::normalise(std::array<ExactDecimal, 4> k)
{
    const auto equation = [this](const std::array<ExactDecimal, 4>& e) {
        return equals(
            polynomial({coefficient(e[0], separator_), coefficient(e[1], separator_), coefficient(e[2], separator_)}),
            signedNode(e[3].significand < 0, decimalMagnitude(e[3], separator_)));
    };
    add(QT_TRANSLATE_NOOP("Derivation", "Ecuación:"), equation(k));
    if (k[3].significand != 0) {
        k[2] = difference(k[2], k[3]);
        k[3] = {};
        add(QT_TRANSLATE_NOOP("Derivation", "Pasamos d al primer miembro:"), equation(k));
    }
    if (k[0].significand < 0) {
        for (ExactDecimal& term : k)
            term.significand = -term.significand;
        add(QT_TRANSLATE_NOOP("Derivation", "Multiplicamos por −1 para que el coeficiente de x² sea positivo:"),
            equation(k));
    }
    scaleToIntegers({k[0], k[1], k[2]});
}

void Deriver::scaleToIntegers(const std::array<ExactDecimal, 3>& k)
{
    long shift = 0;
    for (const ExactDecimal& term : k) {
        if (term.significand != 0)
            shift = std::max(shift, -term.exponent);
    }
    a_ = wholeValue(k[0], shift);
    b_ = wholeValue(k[1], shift);
    c_ = wholeValue(k[2], shift);
    if (shift > 0)
        add({scalingPhrase(shift)}, equals(polynomial(a_, b_, c_), math::number("0")));
    mpz_class divisor;
    mpz_gcd(divisor.get_mpz_t(), a_.get_mpz_t(), b_.get_mpz_t());
    mpz_gcd(divisor.get_mpz_t(), divisor.get_mpz_t(), c_.get_mpz_t());
    if (divisor > 1) {
        a_ /= divisor;
        b_ /= divisor;
        c_ /= divisor;
        add({{QT_TRANSLATE_NOOP("Derivation", "Dividimos entre %1, el máximo común divisor de los coeficientes:"),
              {plain(integerMagnitude(divisor))}}},
            equals(polynomial(a_, b_, c_), math::number("0")));
    }
    const auto named = [](const char* name, const mpz_class& value) {
        return equals(math::identifier(name), rationalNode(mpq_class(value)));
    };
    add(QT_TRANSLATE_NOOP("Derivation", "Coeficientes de la forma normal:"),
        row({named("a", a_), op(","), named("b", b_), op(","), named("c", c_)}));
}

void Deriver::discriminant()
{
    d_ = b_ * b_ - 4 * a_ * c_;
    const Node symbolic = row({math::power(math::identifier("b"), math::number("2")), op("−"),
                               row({math::number("4"), math::identifier("a"), math::identifier("c")})});
    const Node substituted =
        row({math::power(asFactor(mpq_class(b_)), math::number("2")), op("−"),
             row({math::number("4"), op("·"), asFactor(mpq_class(a_)), op("·"), asFactor(mpq_class(c_))})});
    add(QT_TRANSLATE_NOOP("Derivation", "Discriminante:"),
        row({math::identifier("D"), op("="), symbolic, op("="), substituted, op("="), rationalNode(mpq_class(d_))}));
    const Node named = equals(math::identifier("D"), rationalNode(mpq_class(d_)));
    if (d_ > 0)
        add(QT_TRANSLATE_NOOP("Derivation", "Como D > 0, la ecuación tiene dos soluciones reales distintas:"),
            row({named, op(">"), math::number("0")}));
    else if (d_ == 0)
        add(QT_TRANSLATE_NOOP("Derivation", "Como D = 0, la ecuación tiene una solución real doble:"), named);
    else
        add(QT_TRANSLATE_NOOP("Derivation",
                              "Como D < 0, no tiene soluciones reales: tiene dos soluciones complejas conjugadas:"),
            row({named, op("<"), math::number("0")}));
}

void Deriver::quadraticFormula()
{
    const Node general =
        math::fraction(row({math::sign("−"), math::identifier("b"), op("±"), math::radical(math::identifier("D"))}),
                       row({math::number("2"), math::identifier("a")}));
    const Node substituted =
        math::fraction(row({rationalNode(mpq_class(-b_)), op("±"), math::radical(rationalNode(mpq_class(d_)))}),
                       row({math::number("2"), op("·"), asFactor(mpq_class(a_))}));
    add(QT_TRANSLATE_NOOP("Derivation", "Fórmula de la ecuación de segundo grado:"),
        row({x(), op("="), general, op("="), substituted}));
}

// Expressions joined by "=", each shown once: an expression that reads like
// the one before it (nothing left to simplify) is dropped.
Node chain(std::vector<Node> parts)
{
    std::vector<Node> joined;
    std::string previous;
    for (Node& part : parts) {
        std::string text = math::plainText(part);
        if (text == previous)
            continue;
        if (!joined.empty())
            joined.push_back(op("="));
        joined.push_back(std::move(part));
        previous = std::move(text);
    }
    return row(std::move(joined));
}

Node solutionName(int index)
{
    return math::subscript(x(), math::number(std::to_string(index)));
}

// "± magnitude" after what a sum holds, a leading sign when it is empty.
void appendBetween(std::vector<Node>& sum, const std::string& between, Node magnitude)
{
    if (between != "±") {
        appendTerm(sum, between == "+" ? 1 : -1, std::move(magnitude));
        return;
    }
    sum.push_back(sum.empty() ? math::sign("±") : op("±"));
    sum.push_back(std::move(magnitude));
}

// A rational known to be whole.
mpz_class integral(const mpq_class& q)
{
    return q.get_num();
}

mpz_class commonDenominator(const mpq_class& left, const mpq_class& right)
{
    mpz_class multiple;
    mpz_lcm(multiple.get_mpz_t(), left.get_den_mpz_t(), right.get_den_mpz_t());
    return multiple;
}

void Deriver::rootOfDiscriminant()
{
    p_ = mpq_class(-b_, 2 * a_);
    p_.canonicalize();
    if (d_ == 0)
        return;
    imaginary_ = d_ < 0;
    const mpz_class magnitude = abs(d_);
    const SquareSplit split = splitSquareFactor(magnitude);
    r_ = split.radicand;
    q_ = mpq_class(split.factor, 2 * a_);
    q_.canonicalize();

    const Node unit = math::identifier("i");
    std::vector<Node> parts{math::radical(rationalNode(mpq_class(d_)))};
    if (imaginary_)
        parts.push_back(row({math::radical(integerMagnitude(magnitude)), op("·"), unit}));
    const bool factorsOut = split.factor > 1 && r_ > 1;
    if (factorsOut) {
        const Node inside = math::radical(
            row({math::power(integerMagnitude(split.factor), math::number("2")), op("·"), integerMagnitude(r_)}));
        parts.push_back(imaginary_ ? row({inside, op("·"), unit}) : inside);
    }
    parts.push_back(hasRoot() ? scaledOmega(mpq_class(split.factor)) : integerMagnitude(split.factor));

    std::vector<Phrase> sentence{
        {imaginary_ ? QT_TRANSLATE_NOOP("Derivation", "La raíz de un número negativo es imaginaria, con i² = −1")
                    : QT_TRANSLATE_NOOP("Derivation", "Raíz del discriminante"),
         {}}};
    if (factorsOut)
        sentence.push_back({QT_TRANSLATE_NOOP("Derivation", ", sacando los factores cuadrados"), {}});
    else if (r_ > 1 && split.complete)
        sentence.push_back({QT_TRANSLATE_NOOP("Derivation", ", que no tiene factores cuadrados"), {}});
    if (!split.complete)
        sentence.push_back(
            {QT_TRANSLATE_NOOP("Derivation",
                               "; no se han buscado factores cuadrados mayores que %1, pero el resultado es exacto"),
             {std::to_string(kSquareSearchLimit)}});
    //: Ends the sentence about the root of the discriminant, before its formula.
    sentence.push_back({QT_TRANSLATE_NOOP("Derivation", ":"), {}});
    add(std::move(sentence), chain(std::move(parts)));
}

void Deriver::rationalSolutions()
{
    const Node denominator = integerMagnitude(2 * a_);
    if (q_ == 0) {
        add(QT_TRANSLATE_NOOP("Derivation", "Solución doble:"),
            chain({row({solutionName(1), op("="), solutionName(2)}),
                   math::fraction(rationalNode(mpq_class(-b_)), denominator), rationalNode(p_)}));
        return;
    }
    const mpz_class root = integral(q_ * 2 * a_);
    for (const int sign : {1, -1}) {
        const mpz_class numerator = -b_ + sign * root;
        add(sign > 0 ? QT_TRANSLATE_NOOP("Derivation", "Primera solución, con +:")
                     : QT_TRANSLATE_NOOP("Derivation", "Segunda solución, con −:"),
            chain({solutionName(sign > 0 ? 1 : 2),
                   math::fraction(row({rationalNode(mpq_class(-b_)), op(sign > 0 ? "+" : "−"), integerMagnitude(root)}),
                                  denominator),
                   math::fraction(rationalNode(mpq_class(numerator)), denominator), rationalNode(p_ + sign * q_)}));
    }
}

void Deriver::surdSolutions()
{
    const mpz_class factor = integral(q_ * 2 * a_);
    const Node unsimplified = math::fraction(
        row({rationalNode(mpq_class(-b_)), op("±"), scaledOmega(mpq_class(factor))}), integerMagnitude(2 * a_));
    add(QT_TRANSLATE_NOOP("Derivation", "Simplificamos:"), chain({x(), unsimplified, rootNode("±")}));
    add(QT_TRANSLATE_NOOP("Derivation", "Soluciones:"),
        row({equals(solutionName(1), rootNode(1)), op(","), equals(solutionName(2), rootNode(-1))}));
}

// √r of real roots; scaledOmega writes imaginary ones with their i.
Node Deriver::omega() const
{
    return math::radical(integerMagnitude(r_));
}

// q·ω for q > 0, in the form a textbook writes it: 2√2, √5/2, 2i, (3/2)i, (√3/2)i.
Node Deriver::scaledOmega(const mpq_class& q) const
{
    const mpz_class& num = q.get_num();
    const mpz_class& den = q.get_den();
    if (!imaginary_) {
        Node top = num == 1 ? omega() : row({integerMagnitude(num), omega()});
        return den == 1 ? top : math::fraction(std::move(top), integerMagnitude(den));
    }
    const Node unit = math::identifier("i");
    const Node root = math::radical(integerMagnitude(r_));
    if (den == 1) {
        std::vector<Node> product;
        if (num != 1)
            product.push_back(integerMagnitude(num));
        if (r_ != 1) {
            product.push_back(root);
            product.push_back(op("·"));  // 2√6·i: the i is not under the root
        }
        product.push_back(unit);
        return row(std::move(product));
    }
    Node top = r_ == 1 ? integerMagnitude(num) : num == 1 ? root : row({integerMagnitude(num), root});
    return row({math::fenced(math::fraction(std::move(top), integerMagnitude(den))), unit});
}

// p ± q·ω; real roots over one denominator, complex ones as real part and
// imaginary part.
Node Deriver::rootNode(const std::string& between) const
{
    std::vector<Node> sum;
    if (imaginary_) {
        if (p_ != 0)
            appendTerm(sum, sgn(p_), rationalMagnitude(p_));
        appendBetween(sum, between, scaledOmega(q_));
        return row(std::move(sum));
    }
    const mpz_class denominator = commonDenominator(p_, q_);
    const mpz_class whole = integral(p_ * denominator);
    const mpz_class factor = integral(q_ * denominator);
    if (whole != 0)
        appendTerm(sum, sgn(whole), integerMagnitude(whole));
    appendBetween(sum, between, factor == 1 ? omega() : row({integerMagnitude(factor), omega()}));
    if (denominator == 1)
        return row(std::move(sum));
    return math::fraction(row(std::move(sum)), integerMagnitude(denominator));
}

// x − x₁, written out: x + 1 − √2 rather than x − (−1 + √2).
Node Deriver::linearFactor(int sign) const
{
    std::vector<Node> sum{x()};
    if (!hasRoot()) {
        const mpq_class value = p_ + sign * q_;
        if (value == 0)
            return x();
        appendTerm(sum, -sgn(value), rationalMagnitude(value));
        return row(std::move(sum));
    }
    if (p_ != 0)
        appendTerm(sum, -sgn(p_), rationalMagnitude(p_));
    appendTerm(sum, -sign, scaledOmega(q_));
    return row(std::move(sum));
}

void Deriver::factoredForm()
{
    std::vector<Node> product;
    if (a_ != 1)
        product.push_back(integerMagnitude(a_));
    const auto fencedFactor = [](Node factor) {
        return factor.kind == Node::Kind::Identifier ? factor : math::fenced(std::move(factor));
    };
    if (q_ == 0) {
        product.push_back(math::power(fencedFactor(linearFactor(1)), math::number("2")));
    } else {
        Node first = linearFactor(1);
        Node second = linearFactor(-1);
        if (second.kind == Node::Kind::Identifier)
            std::swap(first, second);  // x(x + 5) rather than (x + 5)x
        product.push_back(fencedFactor(std::move(first)));
        product.push_back(fencedFactor(std::move(second)));
    }
    add(QT_TRANSLATE_NOOP("Derivation", "Forma factorizada:"), equals(polynomial(a_, b_, c_), row(std::move(product))));
}

void Deriver::vertexForm()
{
    const mpq_class k(-d_, 4 * a_);
    const mpq_class vertexHeight = [&k] {
        mpq_class value = k;
        value.canonicalize();
        return value;
    }();
    std::vector<Node> shift{x()};
    if (p_ != 0)
        appendTerm(shift, -sgn(p_), rationalMagnitude(p_));
    Node square = math::power(p_ == 0 ? x() : math::fenced(row(std::move(shift))), math::number("2"));
    std::vector<Node> sum{a_ == 1 ? square : row({integerMagnitude(a_), square})};
    if (vertexHeight != 0)
        appendTerm(sum, sgn(vertexHeight), rationalMagnitude(vertexHeight));
    add(QT_TRANSLATE_NOOP("Derivation", "Forma canónica, completando el cuadrado:"),
        equals(polynomial(a_, b_, c_), row(std::move(sum))));
    add(QT_TRANSLATE_NOOP("Derivation", "Vértice de la parábola, con h = −b/2a y k = −D/4a:"),
        row({math::identifier("V"), math::fenced(row({rationalNode(p_), op(","), rationalNode(vertexHeight)}))}));
    add(QT_TRANSLATE_NOOP("Derivation", "Eje de simetría:"), equals(x(), rationalNode(p_)));
    add(QT_TRANSLATE_NOOP("Derivation", "Corte con el eje y:"),
        math::fenced(row({math::number("0"), op(","), rationalNode(mpq_class(c_))})));
}

Surd Deriver::root(int sign) const
{
    if (!hasRoot())
        return {p_ + sign * q_, 0};
    return {p_, sign * q_};
}

Surd Deriver::times(const Surd& left, const Surd& right) const
{
    const mpq_class square(imaginary_ ? mpz_class(-r_) : r_);
    return {left.rational * right.rational + left.coefficient * right.coefficient * square,
            left.rational * right.coefficient + left.coefficient * right.rational};
}

Node Deriver::surdNode(const Surd& value) const
{
    std::vector<Node> sum;
    if (value.rational != 0)
        appendTerm(sum, sgn(value.rational), rationalMagnitude(value.rational));
    if (value.coefficient != 0)
        appendTerm(sum, sgn(value.coefficient), scaledOmega(abs(value.coefficient)));
    return sumOrZero(std::move(sum));
}

// a·x₁² + b·x₁ + c, each term worked out, and what it adds up to.
void Deriver::check(int sign)
{
    const Surd value = root(sign);
    Node shown = hasRoot() ? rootNode(sign) : asFactor(value.rational);
    if (hasRoot() && math::plainText(shown) != "i")
        shown = math::fenced(std::move(shown));
    const auto scaled = [](const mpz_class& factor, Node term) {
        return abs(factor) == 1 ? term : row({integerMagnitude(factor), op("·"), std::move(term)});
    };

    std::vector<Node> substituted;
    appendTerm(substituted, 1, scaled(a_, math::power(shown, math::number("2"))));
    if (b_ != 0)
        appendTerm(substituted, sgn(b_), scaled(b_, shown));
    if (c_ != 0)
        appendTerm(substituted, sgn(c_), integerMagnitude(c_));

    const Surd terms[] = {
        times({mpq_class(a_), 0}, times(value, value)), times({mpq_class(b_), 0}, value), {mpq_class(c_), 0}};
    std::vector<Node> worked;
    Surd total{0, 0};
    for (const Surd& term : terms) {
        total = {total.rational + term.rational, total.coefficient + term.coefficient};
        if (term.coefficient != 0)
            appendTerm(worked, 1, math::fenced(surdNode(term)));
        else if (term.rational != 0)
            appendTerm(worked, sgn(term.rational), rationalMagnitude(term.rational));
    }
    std::vector<Node> parts{row(std::move(substituted))};
    if (!worked.empty())
        parts.push_back(row(std::move(worked)));
    parts.push_back(surdNode(total));
    add({{QT_TRANSLATE_NOOP("Derivation", "Comprobación: sustituimos %1 en la ecuación:"), {sign > 0 ? "x₁" : "x₂"}}},
        chain(std::move(parts)));
}

// x₁ = 0,4 or x₁ ≈ 1,4142135623731, in 15 significant digits.
Node Deriver::decimalNode(int sign, Node name) const
{
    std::vector<Node> sum;
    bool exact = true;
    const auto append = [&](int termSign, const DecimalValue& part, bool imaginaryUnit) {
        exact = exact && part.exact;
        Node digits = math::number(part.magnitude);
        if (!imaginaryUnit)
            appendTerm(sum, termSign, digits);
        else
            appendTerm(sum, termSign,
                       part.magnitude == "1" ? math::identifier("i") : row({digits, math::identifier("i")}));
    };
    if (imaginary_) {
        if (p_ != 0)
            append(sgn(p_), decimalValue(p_.get_num(), 0, 0, p_.get_den(), separator_), false);
        append(sign, decimalValue(0, q_.get_num(), r_, q_.get_den(), separator_), true);
    } else {
        const mpz_class denominator = commonDenominator(p_, q_);
        const mpz_class whole = integral(p_ * denominator);
        const mpz_class factor = integral(q_ * denominator * sign);
        const DecimalValue value = hasRoot() ? decimalValue(whole, factor, r_, denominator, separator_)
                                             : decimalValue(whole + factor, 0, 0, denominator, separator_);
        append(value.negative ? -1 : 1, value, false);
    }
    return row({std::move(name), op(exact ? "=" : "≈"), sumOrZero(std::move(sum))});
}

void Deriver::decimalValues()
{
    if (q_ == 0) {
        add(QT_TRANSLATE_NOOP("Derivation", "Valor decimal:"),
            decimalNode(1, row({solutionName(1), op("="), solutionName(2)})));
        return;
    }
    add(QT_TRANSLATE_NOOP("Derivation", "Valores decimales, con ≈ donde se han redondeado a 15 cifras:"),
        row({decimalNode(1, solutionName(1)), op(","), decimalNode(-1, solutionName(2))}));
}

}  // namespace

std::vector<WorkedStep> deriveSolution(const std::array<std::string, 4>& fields, char separator)
{
    std::array<ExactDecimal, 4> typed;
    for (std::size_t i = 0; i < fields.size(); ++i) {
        std::optional<ExactDecimal> value = parseExactDecimal(fields[i], separator);
        if (!value)
            return {};
        typed[i] = std::move(*value);
    }
    if (typed[0].significand == 0)
        return {};
    std::vector<WorkedStep> steps = Deriver(separator).run(typed);
    translateSentences(steps, untranslated);
    return steps;
}

}  // namespace trx
