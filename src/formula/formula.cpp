// SPDX-License-Identifier: GPL-3.0-or-later
#include "formula/formula.h"

#include <initializer_list>
#include <utility>

namespace trx::math {

namespace {

using Kind = Node::Kind;

Node leaf(Kind kind, std::string text)
{
    Node node;
    node.kind = kind;
    node.text = std::move(text);
    return node;
}

Node branch(Kind kind, std::vector<Node> children)
{
    Node node;
    node.kind = kind;
    node.children = std::move(children);
    return node;
}

bool isDigits(const Node& node)
{
    return node.kind == Kind::Number && !node.text.empty() &&
           node.text.find_first_not_of("0123456789") == std::string::npos;
}

// Digits as Unicode superscripts or subscripts.
std::string scriptDigits(const std::string& digits, bool super)
{
    static const char* const superscripts[] = {"⁰", "¹", "²", "³", "⁴", "⁵", "⁶", "⁷", "⁸", "⁹"};
    static const char* const subscripts[] = {"₀", "₁", "₂", "₃", "₄", "₅", "₆", "₇", "₈", "₉"};
    std::string out;
    for (const char digit : digits)
        out += (super ? superscripts : subscripts)[digit - '0'];
    return out;
}

// −1 as a numerator reads well without parentheses: a sign before an atom.
bool isSignedAtom(const Node& node)
{
    return node.kind == Kind::Row && node.children.size() == 2 && node.children[0].kind == Kind::Sign &&
           isAtom(node.children[1]);
}

std::string plainWrapped(const Node& node)
{
    return isAtom(node) || isSignedAtom(node) ? plainText(node) : "(" + plainText(node) + ")";
}

std::string plainFactor(const Node& node)
{
    return isAtom(node) ? plainText(node) : "(" + plainText(node) + ")";
}

std::string plainExponent(const Node& exponent)
{
    if (isDigits(exponent))
        return scriptDigits(exponent.text, true);
    if (isSignedAtom(exponent) && exponent.children[0].text == "−" && isDigits(exponent.children[1]))
        return "⁻" + scriptDigits(exponent.children[1].text, true);
    return "^" + plainWrapped(exponent);
}

std::string latexOperator(const std::string& text)
{
    if (text == "−")
        return "-";
    if (text == "±")
        return "\\pm";
    if (text == "≈")
        return "\\approx";
    if (text == "·")
        return "\\cdot";
    static const std::pair<const char*, const char*> sets[] = {
        {"≤", "\\le"}, {"≥", "\\ge"}, {"≠", "\\ne"}, {"∈", "\\in"}, {"∪", "\\cup"}, {"{", "\\{"}, {"}", "\\}"}};
    for (const auto& [symbol, command] : sets) {
        if (text == symbol)
            return command;
    }
    return text;
}

std::string spokenSymbol(const std::string& text, const Translator& translate)
{
    static const std::pair<const char*, const char*> words[] = {
        {"+", QT_TRANSLATE_NOOP("SpokenFormula", "más")},
        {"−", QT_TRANSLATE_NOOP("SpokenFormula", "menos")},
        {"±", QT_TRANSLATE_NOOP("SpokenFormula", "más o menos")},
        {"=", QT_TRANSLATE_NOOP("SpokenFormula", "igual a")},
        {"≈", QT_TRANSLATE_NOOP("SpokenFormula", "aproximadamente igual a")},
        {"·", QT_TRANSLATE_NOOP("SpokenFormula", "por")},
        {">", QT_TRANSLATE_NOOP("SpokenFormula", "mayor que")},
        {"<", QT_TRANSLATE_NOOP("SpokenFormula", "menor que")},
        {"≤", QT_TRANSLATE_NOOP("SpokenFormula", "menor o igual que")},
        {"≥", QT_TRANSLATE_NOOP("SpokenFormula", "mayor o igual que")},
        {"≠", QT_TRANSLATE_NOOP("SpokenFormula", "distinto de")},
        {"∈", QT_TRANSLATE_NOOP("SpokenFormula", "perteneciente a")},
        {"∪", QT_TRANSLATE_NOOP("SpokenFormula", "unión")},
        {"∞", QT_TRANSLATE_NOOP("SpokenFormula", "infinito")},
        {"ℝ", QT_TRANSLATE_NOOP("SpokenFormula", "los números reales")},
        {"∅", QT_TRANSLATE_NOOP("SpokenFormula", "el conjunto vacío")},
    };
    for (const auto& [sign, word] : words) {
        if (text == sign)
            return translate("SpokenFormula", word);
    }
    return text;
}

void appendWords(std::string& out, const std::string& words)
{
    if (words.empty())
        return;
    if (!out.empty() && out.back() != ' ' && words != ",")
        out += ' ';
    out += words;
}

}  // namespace

Node number(std::string text)
{
    return leaf(Kind::Number, std::move(text));
}
Node identifier(std::string text)
{
    return leaf(Kind::Identifier, std::move(text));
}
Node op(std::string text)
{
    return leaf(Kind::Operator, std::move(text));
}
Node sign(std::string text)
{
    return leaf(Kind::Sign, std::move(text));
}
Node row(std::vector<Node> children)
{
    return branch(Kind::Row, std::move(children));
}
Node fraction(Node numerator, Node denominator)
{
    return branch(Kind::Fraction, {std::move(numerator), std::move(denominator)});
}
Node radical(Node radicand)
{
    return branch(Kind::Radical, {std::move(radicand)});
}
Node power(Node base, Node exponent)
{
    return branch(Kind::Power, {std::move(base), std::move(exponent)});
}
Node subscript(Node base, Node index)
{
    return branch(Kind::Subscript, {std::move(base), std::move(index)});
}
Node fenced(Node inside)
{
    return branch(Kind::Fenced, {std::move(inside)});
}

bool isAtom(const Node& node)
{
    switch (node.kind) {
    case Kind::Number:
    case Kind::Identifier:
    case Kind::Radical:
    case Kind::Power:
    case Kind::Subscript:
    case Kind::Fenced:
        return true;
    case Kind::Row:
        return node.children.size() == 1 && isAtom(node.children[0]);
    default:
        return false;
    }
}

std::string plainText(const Node& formula)
{
    switch (formula.kind) {
    case Kind::Number:
    case Kind::Identifier:
    case Kind::Sign:
        return formula.text;
    case Kind::Operator:
        if (formula.text == "·")
            return formula.text;
        return formula.text == "," || formula.text == ":" ? formula.text + " " : " " + formula.text + " ";
    case Kind::Row: {
        std::string out;
        for (const Node& child : formula.children)
            out += plainText(child);
        return out;
    }
    case Kind::Fraction:
        return plainWrapped(formula.children[0]) + "/" + plainWrapped(formula.children[1]);
    case Kind::Radical:
        return "√" + plainFactor(formula.children[0]);
    case Kind::Power:
        return plainFactor(formula.children[0]) + plainExponent(formula.children[1]);
    case Kind::Subscript:
        return plainText(formula.children[0]) + (isDigits(formula.children[1])
                                                     ? scriptDigits(formula.children[1].text, false)
                                                     : "_" + plainWrapped(formula.children[1]));
    case Kind::Fenced:
        return "(" + plainText(formula.children[0]) + ")";
    }
    return {};
}

std::string latex(const Node& formula)
{
    switch (formula.kind) {
    case Kind::Number: {
        static const std::pair<const char*, const char*> symbols[] = {
            {"∞", "\\infty"}, {"ℝ", "\\mathbb{R}"}, {"∅", "\\emptyset"}};
        for (const auto& [symbol, command] : symbols) {
            if (formula.text == symbol)
                return command;
        }
        std::string out;
        for (const char ch : formula.text)
            out += ch == ',' ? std::string("{,}") : std::string(1, ch);
        return out;
    }
    case Kind::Identifier:
        return formula.text == "i" ? "\\mathrm{i}" : formula.text;
    case Kind::Operator:
        return formula.text == "," ? ",\\ " : " " + latexOperator(formula.text) + " ";
    case Kind::Sign:
        return latexOperator(formula.text) + (formula.text == "±" ? " " : "");
    case Kind::Row: {
        std::string out;
        for (const Node& child : formula.children)
            out += latex(child);
        return out;
    }
    case Kind::Fraction:
        return "\\frac{" + latex(formula.children[0]) + "}{" + latex(formula.children[1]) + "}";
    case Kind::Radical:
        return "\\sqrt{" + latex(formula.children[0]) + "}";
    case Kind::Power:
        return "{" + latex(formula.children[0]) + "}^{" + latex(formula.children[1]) + "}";
    case Kind::Subscript:
        return latex(formula.children[0]) + "_{" + latex(formula.children[1]) + "}";
    case Kind::Fenced:
        return "\\left(" + latex(formula.children[0]) + "\\right)";
    }
    return {};
}

std::string mathml(const Node& formula)
{
    const auto wrap = [](const char* tag, const std::string& inside) {
        return std::string("<") + tag + ">" + inside + "</" + tag + ">";
    };
    const auto children = [&formula]() {
        std::string out;
        for (const Node& child : formula.children)
            out += mathml(child);
        return out;
    };
    switch (formula.kind) {
    case Kind::Number:
        return wrap("mn", xmlEscaped(formula.text));
    case Kind::Identifier:
        return formula.text == "i" ? "<mi mathvariant=\"normal\">i</mi>" : wrap("mi", xmlEscaped(formula.text));
    case Kind::Operator:
    case Kind::Sign:
        return wrap("mo", xmlEscaped(formula.text));
    case Kind::Row:
        return wrap("mrow", children());
    case Kind::Fraction:
        return wrap("mfrac", children());
    case Kind::Radical:
        return wrap("msqrt", children());
    case Kind::Power:
        return wrap("msup", children());
    case Kind::Subscript:
        return wrap("msub", children());
    case Kind::Fenced:
        return wrap("mrow", "<mo>(</mo>" + children() + "<mo>)</mo>");
    }
    return {};
}

std::string spoken(const Node& formula, const Translator& translate)
{
    const auto& parts = formula.children;
    const auto words = [&](const char* pattern, std::initializer_list<const Node*> inside) {
        std::vector<std::string> arguments;
        for (const Node* part : inside)
            arguments.push_back(spoken(*part, translate));
        return filled(translate("SpokenFormula", pattern), arguments);
    };
    std::string out;
    switch (formula.kind) {
    case Kind::Number:
        return spokenSymbol(formula.text, translate);
    case Kind::Identifier:
        return formula.text;
    case Kind::Operator:
    case Kind::Sign:
        return spokenSymbol(formula.text, translate);
    case Kind::Row:
        for (const Node& child : parts)
            appendWords(out, spoken(child, translate));
        return out;
    case Kind::Fraction:
        if (isAtom(parts[0]) && isAtom(parts[1]))
            return words(QT_TRANSLATE_NOOP("SpokenFormula", "%1 entre %2"), {&parts[0], &parts[1]});
        return words(QT_TRANSLATE_NOOP("SpokenFormula", "fracción de numerador %1 y denominador %2,"),
                     {&parts[0], &parts[1]});
    case Kind::Radical:
        if (isAtom(parts[0]))
            return words(QT_TRANSLATE_NOOP("SpokenFormula", "raíz cuadrada de %1"), {&parts[0]});
        return words(QT_TRANSLATE_NOOP("SpokenFormula", "raíz cuadrada de %1, fin de raíz"), {&parts[0]});
    case Kind::Power:
        if (isDigits(parts[1]) && parts[1].text == "2")
            return words(QT_TRANSLATE_NOOP("SpokenFormula", "%1 al cuadrado"), {&parts[0]});
        return words(QT_TRANSLATE_NOOP("SpokenFormula", "%1 elevado a %2"), {&parts[0], &parts[1]});
    case Kind::Subscript:
        return words(QT_TRANSLATE_NOOP("SpokenFormula", "%1 subíndice %2"), {&parts[0], &parts[1]});
    case Kind::Fenced:
        return words(QT_TRANSLATE_NOOP("SpokenFormula", "abre paréntesis %1 cierra paréntesis"), {&parts[0]});
    }
    return out;
}

std::string xmlEscaped(const std::string& text)
{
    std::string out;
    for (const char ch : text) {
        switch (ch) {
        case '&':
            out += "&amp;";
            break;
        case '<':
            out += "&lt;";
            break;
        case '>':
            out += "&gt;";
            break;
        case '"':
            out += "&quot;";
            break;
        default:
            out += ch;
        }
    }
    return out;
}

}  // namespace trx::math
