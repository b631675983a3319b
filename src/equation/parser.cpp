// SPDX-License-Identifier: GPL-3.0-or-later
// The typed text to a tree: UTF-8 to code points, code points to tokens,
// tokens to expressions by recursive descent.  Every refusal names the
// column of the token where the reading stopped.

#include "core/utf8.h"
#include "equation/parts.h"

#include <algorithm>
#include <cstdio>
#include <utility>

namespace trx {

namespace {

// Exponents are read up to this value; anything larger is the same refusal.
constexpr unsigned kExponentCeiling = 1000;

const char* const kExponentSentence = QT_TRANSLATE_NOOP("Equation", "Solo se admiten los exponentes 0, 1 y 2");
const char* const kDegreeSentence =
    QT_TRANSLATE_NOOP("Equation", "La ecuación es de grado %1; este programa resuelve las de grado 2");
const char* const kOperandSentence = QT_TRANSLATE_NOOP("Equation", "Falta un número, la x o un paréntesis");
const char* const kTwoRelationsSentence =
    QT_TRANSLATE_NOOP("Equation", "Sobra un signo de relación: solo puede haber un =, <, >, ≤ o ≥");

// A character as the refusal names it: control characters by their code.
std::string shown(char32_t code)
{
    if (code >= 0x20 && code != 0x7F)
        return encodeUtf8(code);
    char name[8];
    std::snprintf(name, sizeof name, "U+%04X", static_cast<unsigned>(code));
    return name;
}

bool isBlank(char32_t c)
{
    return c == ' ' || c == '\t' || c == '\n' || c == '\r' || c == 0xA0 || c == 0x2009 || c == 0x202F;
}

bool isDigit(char32_t c)
{
    return c >= '0' && c <= '9';
}

bool isSeparator(char32_t c)
{
    return c == ',' || c == '.';
}

// The value of a superscript digit, or -1.
int superscriptDigit(char32_t c)
{
    switch (c) {
    case 0x2070:
        return 0;
    case 0xB9:
        return 1;
    case 0xB2:
        return 2;
    case 0xB3:
        return 3;
    default:
        return c >= 0x2074 && c <= 0x2079 ? static_cast<int>(c - 0x2070) : -1;
    }
}

struct Token {
    enum class Kind {
        Number,
        Variable,
        Plus,
        Minus,
        Times,
        Divide,
        Caret,
        Superscript,
        Open,
        Close,
        Relation,
        End,
        Bad
    };
    Kind kind = Kind::End;
    std::size_t column = 0;
    std::string digits;     // Number, without the separator
    int places = 0;         // Number
    unsigned exponent = 0;  // Superscript, at most kExponentCeiling + 1
    Relation relation = Relation::Equal;
    std::optional<EquationError> error;  // Bad
};

class Lexer {
public:
    explicit Lexer(std::u32string text) : text_(std::move(text)) { }
    std::vector<Token> tokens();

private:
    Token next();
    Token number();
    Token superscript();
    Token symbol(Token::Kind kind, std::size_t length = 1);
    Token relation(Relation relation, std::size_t length = 1);
    char32_t at(std::size_t offset) const { return at_ + offset < text_.size() ? text_[at_ + offset] : 0; }

    std::u32string text_;
    std::size_t at_ = 0;
};

std::vector<Token> Lexer::tokens()
{
    std::vector<Token> out;
    out.reserve(text_.size() + 1);
    do {
        out.push_back(next());
    } while (out.back().kind != Token::Kind::End && out.back().kind != Token::Kind::Bad);
    return out;
}

Token Lexer::symbol(Token::Kind kind, std::size_t length)
{
    Token token;
    token.kind = kind;
    token.column = at_;
    at_ += length;
    return token;
}

Token Lexer::relation(Relation relation, std::size_t length)
{
    Token token = symbol(Token::Kind::Relation, length);
    token.relation = relation;
    return token;
}

Token Lexer::next()
{
    while (at_ < text_.size() && isBlank(text_[at_]))
        ++at_;
    const char32_t c = at(0);
    if (at_ == text_.size())
        return symbol(Token::Kind::End, 0);
    if (isDigit(c))
        return number();
    if (superscriptDigit(c) >= 0)
        return superscript();
    switch (c) {
    case 'x':
    case 'X':
        return symbol(Token::Kind::Variable);
    case '+':
        return symbol(Token::Kind::Plus);
    case '-':
    case 0x2212:  // −
    case 0x2013:  // –
        return symbol(Token::Kind::Minus);
    case '*':
        return at(1) == '*' ? symbol(Token::Kind::Caret, 2) : symbol(Token::Kind::Times);
    case 0xB7:    // ·
    case 0x22C5:  // ⋅
    case 0xD7:    // ×
        return symbol(Token::Kind::Times);
    case '/':
    case ':':
    case 0xF7:  // ÷
        return symbol(Token::Kind::Divide);
    case '^':
        return symbol(Token::Kind::Caret);
    case '(':
        return symbol(Token::Kind::Open);
    case ')':
        return symbol(Token::Kind::Close);
    case '=':
        return relation(Relation::Equal);
    case '<':
        return at(1) == '=' ? relation(Relation::LessOrEqual, 2) : relation(Relation::Less);
    case '>':
        return at(1) == '=' ? relation(Relation::GreaterOrEqual, 2) : relation(Relation::Greater);
    case 0x2264:  // ≤
    case 0x2A7D:  // ⩽
        return relation(Relation::LessOrEqual);
    case 0x2265:  // ≥
    case 0x2A7E:  // ⩾
        return relation(Relation::GreaterOrEqual);
    default:
        break;
    }
    Token bad = symbol(Token::Kind::Bad);
    bad.error =
        isSeparator(c)
            ? equationError(bad.column, QT_TRANSLATE_NOOP("Equation", "El número está mal escrito"))
            : equationError(bad.column, QT_TRANSLATE_NOOP("Equation", "No se entiende el signo «%1»"), {shown(c)});
    return bad;
}

// Digits, then a separator and more digits; a separator anywhere else is
// refused when the lexer meets it.
Token Lexer::number()
{
    Token token;
    token.kind = Token::Kind::Number;
    token.column = at_;
    while (isDigit(at(0)))
        token.digits += static_cast<char>(text_[at_++]);
    if (isSeparator(at(0)) && isDigit(at(1))) {
        ++at_;
        while (isDigit(at(0))) {
            token.digits += static_cast<char>(text_[at_++]);
            ++token.places;
        }
    }
    return token;
}

Token Lexer::superscript()
{
    Token token;
    token.kind = Token::Kind::Superscript;
    token.column = at_;
    while (superscriptDigit(at(0)) >= 0) {
        const auto digit = static_cast<unsigned>(superscriptDigit(text_[at_++]));
        token.exponent = std::min(token.exponent * 10 + digit, kExponentCeiling + 1);
    }
    return token;
}

class Parser {
public:
    explicit Parser(std::vector<Token> tokens) : tokens_(std::move(tokens)) { }
    std::optional<TypedEquation> equation();
    EquationError error;

private:
    std::optional<Expression> side();
    std::optional<Expression> term();
    std::optional<Expression> factor();
    std::optional<Expression> power(Expression base);
    std::optional<Expression> primary();
    std::optional<Expression> bracket();

    const Token& peek() const { return tokens_[at_]; }
    Token::Kind kind() const { return peek().kind; }
    std::nullopt_t fail(EquationError why);
    std::nullopt_t fail(const char* pattern, std::vector<std::string> arguments = {})
    {
        return fail(equationError(peek().column, pattern, std::move(arguments)));
    }
    std::nullopt_t unexpected();

    std::vector<Token> tokens_;
    std::size_t at_ = 0;
    int depth_ = 0;
};

std::nullopt_t Parser::fail(EquationError why)
{
    error = std::move(why);
    return std::nullopt;
}

// Whatever follows a complete side and cannot continue it.
std::nullopt_t Parser::unexpected()
{
    switch (kind()) {
    case Token::Kind::Bad:
        return fail(*peek().error);
    case Token::Kind::Close:
        return fail(QT_TRANSLATE_NOOP("Equation", "Sobra un paréntesis de cierre"));
    case Token::Kind::Relation:
        return fail(kTwoRelationsSentence);
    case Token::Kind::Caret:
    case Token::Kind::Superscript:
        return fail(kExponentSentence);
    case Token::Kind::Number:
        return fail(QT_TRANSLATE_NOOP("Equation", "Falta un signo de operación"));
    default:
        return fail(kOperandSentence);
    }
}

Expression zeroAt(std::size_t column)
{
    Expression zero;
    zero.column = column;
    return zero;
}

std::optional<TypedEquation> Parser::equation()
{
    if (kind() == Token::Kind::End)
        return fail(QT_TRANSLATE_NOOP("Equation", "La ecuación está vacía"));
    if (kind() == Token::Kind::Relation)
        return fail(QT_TRANSLATE_NOOP("Equation", "Falta el primer miembro"));
    TypedEquation out;
    auto left = side();
    if (!left)
        return std::nullopt;
    out.left = std::move(*left);
    if (kind() == Token::Kind::End) {
        out.right = zeroAt(peek().column);
        return out;
    }
    if (kind() != Token::Kind::Relation)
        return unexpected();
    out.relation = peek().relation;
    ++at_;
    if (kind() == Token::Kind::End)
        return fail(QT_TRANSLATE_NOOP("Equation", "Falta el segundo miembro"));
    if (kind() == Token::Kind::Relation)
        return fail(kTwoRelationsSentence);
    auto right = side();
    if (!right)
        return std::nullopt;
    if (kind() != Token::Kind::End)
        return unexpected();
    out.right = std::move(*right);
    return out;
}

std::optional<Expression> Parser::side()
{
    Expression sum;
    sum.kind = Expression::Kind::Sum;
    sum.column = peek().column;
    bool negative = false;
    if (kind() == Token::Kind::Plus || kind() == Token::Kind::Minus) {
        negative = kind() == Token::Kind::Minus;
        ++at_;
    }
    for (;;) {
        auto next = term();
        if (!next)
            return std::nullopt;
        next->inverse = negative;
        sum.degree = std::max(sum.degree, next->degree);
        sum.children.push_back(std::move(*next));
        if (kind() != Token::Kind::Plus && kind() != Token::Kind::Minus)
            break;
        negative = kind() == Token::Kind::Minus;
        ++at_;
    }
    if (sum.children.size() == 1 && !sum.children[0].inverse)
        return std::move(sum.children[0]);
    return sum;
}

std::optional<Expression> Parser::term()
{
    auto first = factor();
    if (!first)
        return std::nullopt;
    Expression product;
    product.kind = Expression::Kind::Product;
    product.column = first->column;
    product.degree = first->degree;
    product.children.push_back(std::move(*first));
    for (;;) {
        bool divides = false;
        if (kind() == Token::Kind::Times || kind() == Token::Kind::Divide) {
            divides = kind() == Token::Kind::Divide;
            ++at_;
        } else if (kind() == Token::Kind::Number) {
            return unexpected();
        } else if (kind() != Token::Kind::Variable && kind() != Token::Kind::Open) {
            break;
        }
        auto next = factor();
        if (!next)
            return std::nullopt;
        if (divides && next->degree > 0)
            return fail(
                equationError(next->column, QT_TRANSLATE_NOOP("Equation", "La x no puede estar en un denominador")));
        next->inverse = divides;
        product.degree += next->degree;
        if (product.degree > 2)
            return fail(equationError(next->column, kDegreeSentence, {std::to_string(product.degree)}));
        product.children.push_back(std::move(*next));
    }
    if (product.children.size() == 1)
        return std::move(product.children[0]);
    return product;
}

std::optional<Expression> Parser::factor()
{
    auto base = primary();
    if (!base)
        return std::nullopt;
    if (kind() != Token::Kind::Caret && kind() != Token::Kind::Superscript)
        return base;
    return power(std::move(*base));
}

std::optional<Expression> Parser::power(Expression base)
{
    const std::size_t column = peek().column;
    unsigned exponent = peek().exponent;
    if (kind() == Token::Kind::Caret) {
        ++at_;
        if (kind() != Token::Kind::Number || peek().places != 0)
            return fail(kExponentSentence);
        exponent = 0;
        for (const char digit : peek().digits)
            exponent = std::min(exponent * 10 + static_cast<unsigned>(digit - '0'), kExponentCeiling + 1);
    }
    ++at_;
    if (exponent > 2) {
        if (base.degree == 0 || exponent > kExponentCeiling)
            return fail(equationError(column, kExponentSentence));
        return fail(equationError(column, kDegreeSentence, {std::to_string(base.degree * exponent)}));
    }
    Expression out;
    out.kind = Expression::Kind::Power;
    out.exponent = static_cast<int>(exponent);
    out.degree = base.degree * out.exponent;
    out.column = base.column;
    if (out.degree > 2)
        return fail(equationError(column, kDegreeSentence, {std::to_string(out.degree)}));
    out.children.push_back(std::move(base));
    return out;
}

std::optional<Expression> Parser::primary()
{
    const Token& token = peek();
    Expression out;
    out.column = token.column;
    switch (token.kind) {
    case Token::Kind::Number:
        out.digits = token.digits;
        out.places = token.places;
        ++at_;
        return out;
    case Token::Kind::Variable:
        out.kind = Expression::Kind::Variable;
        out.degree = 1;
        ++at_;
        return out;
    case Token::Kind::Open:
        return bracket();
    case Token::Kind::Bad:
        return fail(*token.error);
    default:
        return fail(kOperandSentence);
    }
}

std::optional<Expression> Parser::bracket()
{
    if (++depth_ > kMaxBracketDepth)
        return fail(QT_TRANSLATE_NOOP("Equation", "Hay demasiados paréntesis, uno dentro de otro: caben %1"),
                    {std::to_string(kMaxBracketDepth)});
    Expression out;
    out.kind = Expression::Kind::Bracket;
    out.column = peek().column;
    ++at_;
    auto inside = side();
    if (!inside)
        return std::nullopt;
    if (kind() != Token::Kind::Close)
        return kind() == Token::Kind::Bad ? fail(*peek().error)
                                          : fail(QT_TRANSLATE_NOOP("Equation", "Falta cerrar un paréntesis"));
    ++at_;
    --depth_;
    out.degree = inside->degree;
    out.children.push_back(std::move(*inside));
    return out;
}

}  // namespace

EquationError equationError(std::size_t column, const char* pattern, std::vector<std::string> arguments)
{
    return {column, {pattern, std::move(arguments)}};
}

std::string EquationError::text(const Translator& translate) const
{
    return filled(translate("Equation", message.pattern), message.arguments);
}

std::optional<TypedEquation> parseEquation(std::string_view text, EquationError& error)
{
    std::u32string characters = decodeUtf8(text);
    if (characters.size() > kMaxEquationLength) {
        error = equationError(kMaxEquationLength,
                              QT_TRANSLATE_NOOP("Equation", "La ecuación es demasiado larga: caben %1 caracteres"),
                              {std::to_string(kMaxEquationLength)});
        return std::nullopt;
    }
    Parser parser(Lexer(std::move(characters)).tokens());
    auto equation = parser.equation();
    if (!equation)
        error = parser.error;
    return equation;
}

}  // namespace trx
