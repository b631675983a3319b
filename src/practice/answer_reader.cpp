// SPDX-License-Identifier: GPL-3.0-or-later
#include "practice/answer_reader.h"

#include "core/utf8.h"
#include "exact/exact_decimal.h"  // powerOfTen

#include <algorithm>
#include <array>
#include <utility>
#include <variant>

namespace trx::practice {

namespace {

bool isBlank(char32_t point)
{
    // A pasted line may bring its line end along.
    return point == U' ' || point == U'\t' || point == U'\r' || point == U'\n' || point == U'\u00A0';
}

bool isDigit(char32_t point)
{
    return point >= U'0' && point <= U'9';
}

bool isLetter(char32_t point)
{
    return (point >= U'a' && point <= U'z') || (point >= U'A' && point <= U'Z') || point == U'í';
}

// Lower case without accents, blanks collapsed, a final full stop dropped.
std::string folded(const std::u32string& text)
{
    static constexpr std::pair<char32_t, char> kAccents[] = {
        {U'á', 'a'}, {U'à', 'a'}, {U'é', 'e'}, {U'è', 'e'}, {U'í', 'i'}, {U'ó', 'o'},
        {U'ò', 'o'}, {U'ú', 'u'}, {U'ü', 'u'}, {U'Á', 'a'}, {U'À', 'a'}, {U'É', 'e'},
        {U'È', 'e'}, {U'Í', 'i'}, {U'Ó', 'o'}, {U'Ò', 'o'}, {U'Ú', 'u'}};
    std::string result;
    for (char32_t point : text) {
        if (isBlank(point)) {
            if (!result.empty() && result.back() != ' ') {
                result += ' ';
            }
            continue;
        }
        const auto* accent = std::find_if(std::begin(kAccents), std::end(kAccents),
                                          [&](const auto& pair) { return pair.first == point; });
        if (accent != std::end(kAccents)) {
            result += accent->second;
        } else if (point < 0x80) {
            result += static_cast<char>(point >= U'A' && point <= U'Z' ? point - U'A' + U'a' : point);
        } else {
            result += '?';
        }
    }
    while (!result.empty() && (result.back() == ' ' || result.back() == '.')) {
        result.pop_back();
    }
    return result;
}

bool saysNoRealSolution(const std::u32string& text)
{
    static constexpr std::string_view kSentences[] = {
        "no tiene solucion real", "no tiene soluciones reales", "no hay solucion real", "no hay soluciones reales",
        "sin solucion real",      "no real solution",           "no real solutions",    "no te solucio real",
        "no te solucions reals",  "no hi ha solucio real"};
    const std::string sentence = folded(text);
    return std::find(std::begin(kSentences), std::end(kSentences), sentence) != std::end(kSentences);
}

struct Token {
    enum class Type { Number, Plus, Minus, PlusMinus, Times, Divide, Caret, Power, Open, Close, Root, Imaginary, End };
    Type type = Type::End;
    int column = 0;
    std::string spelling;                       // compact spelling; numbers with ',' as separator
    mpq_class value;                            // numbers; the exponent of ² and ³
    std::optional<DecimalPrecision> precision;  // numbers with a separator
};
using Type = Token::Type;

ReadError errorAt(int column, const char* pattern, std::vector<std::string> arguments = {})
{
    return {{pattern, std::move(arguments)}, column};
}

class Tokeniser {
public:
    explicit Tokeniser(const std::u32string& text) : text_(text) { }
    // From `start` on; nothing but the error when a character is not ours.
    std::variant<std::vector<Token>, ReadError> tokens(std::size_t start);

private:
    std::optional<ReadError> number(std::size_t& at, std::vector<Token>& into) const;
    std::optional<ReadError> word(std::size_t& at, std::vector<Token>& into) const;
    std::optional<Token> symbol(std::size_t& at) const;

    const std::u32string& text_;
};

std::optional<ReadError> Tokeniser::number(std::size_t& at, std::vector<Token>& into) const
{
    Token token{Type::Number, static_cast<int>(at), "", 0, std::nullopt};
    std::string digits;
    std::optional<std::size_t> separator;
    for (; at < text_.size() && (isDigit(text_[at]) || text_[at] == U',' || text_[at] == U'.'); ++at) {
        if (isDigit(text_[at])) {
            digits += static_cast<char>(text_[at]);
            token.spelling += static_cast<char>(text_[at]);
            continue;
        }
        if (separator) {
            return errorAt(static_cast<int>(at),
                           QT_TRANSLATE_NOOP("Practica", "Un número tiene un solo separador decimal."));
        }
        separator = digits.size();
        token.spelling += ',';
    }
    if (separator && *separator == digits.size()) {
        return errorAt(static_cast<int>(at),
                       QT_TRANSLATE_NOOP("Practica", "Falta una cifra después del separador decimal."));
    }
    const std::size_t decimals = separator ? digits.size() - *separator : 0;
    token.value = mpq_class(mpz_class(digits, 10), powerOfTen(decimals));
    token.value.canonicalize();
    if (separator) {
        const std::size_t firstSignificant = std::min(digits.find_first_not_of('0'), digits.size());
        token.precision = DecimalPrecision{mpq_class(1, 2 * powerOfTen(decimals)),
                                           static_cast<int>(digits.size() - firstSignificant)};
        token.precision->halfUnit.canonicalize();
    }
    into.push_back(std::move(token));
    return std::nullopt;
}

std::optional<ReadError> Tokeniser::word(std::size_t& at, std::vector<Token>& into) const
{
    const std::size_t start = at;
    std::u32string letters;
    for (; at < text_.size() && isLetter(text_[at]); ++at) {
        letters += text_[at];
    }
    const std::string name = folded(letters);
    if (name == "i") {
        into.push_back({Type::Imaginary, static_cast<int>(start), "i", 0, std::nullopt});
    } else if (name == "sqrt" || name == "raiz") {
        into.push_back({Type::Root, static_cast<int>(start), "√", 0, std::nullopt});
    } else {
        std::string shown;
        for (char32_t point : letters) {
            shown += encodeUtf8(point);
        }
        return errorAt(static_cast<int>(start), QT_TRANSLATE_NOOP("Practica", "No sé leer «%1» en una solución."),
                       {shown});
    }
    return std::nullopt;
}

std::optional<Token> Tokeniser::symbol(std::size_t& at) const
{
    static constexpr std::pair<char32_t, Type> kSymbols[] = {
        {U'+', Type::Plus},   {U'-', Type::Minus}, {U'−', Type::Minus}, {U'–', Type::Minus}, {U'±', Type::PlusMinus},
        {U'*', Type::Times},  {U'·', Type::Times}, {U'×', Type::Times}, {U'⋅', Type::Times}, {U'/', Type::Divide},
        {U'÷', Type::Divide}, {U'^', Type::Caret}, {U'²', Type::Power}, {U'³', Type::Power}, {U'(', Type::Open},
        {U')', Type::Close},  {U'√', Type::Root}};
    static constexpr std::array<const char*, 13> kSpellings = {"", "+", "−", "±", "",  "/", "^",
                                                               "", "(", ")", "√", "i", ""};
    const auto* found = std::find_if(std::begin(kSymbols), std::end(kSymbols),
                                     [&](const auto& pair) { return pair.first == text_[at]; });
    if (found == std::end(kSymbols)) {
        return std::nullopt;
    }
    Token token{found->second, static_cast<int>(at), kSpellings[static_cast<std::size_t>(found->second)], 0,
                std::nullopt};
    if (token.type == Type::Power) {
        token.value = text_[at] == U'²' ? 2 : 3;
        token.spelling = encodeUtf8(text_[at]);
    }
    ++at;
    // "+-" and "+/-" are ± typed without the sign.
    if (token.type == Type::Plus && at < text_.size() && (text_[at] == U'-' || text_[at] == U'−')) {
        token = {Type::PlusMinus, token.column, "±", 0, std::nullopt};
        ++at;
    } else if (token.type == Type::Plus && text_.compare(at, 2, U"/-") == 0) {
        token = {Type::PlusMinus, token.column, "±", 0, std::nullopt};
        at += 2;
    }
    return token;
}

std::variant<std::vector<Token>, ReadError> Tokeniser::tokens(std::size_t start)
{
    std::vector<Token> result;
    std::size_t at = start;
    while (at < text_.size()) {
        const char32_t point = text_[at];
        std::optional<ReadError> error;
        if (isBlank(point)) {
            ++at;
        } else if (isDigit(point) || point == U',' || point == U'.') {
            error = number(at, result);
        } else if (isLetter(point)) {
            error = word(at, result);
        } else if (auto token = symbol(at)) {
            result.push_back(std::move(*token));
        } else if (point == U'=') {
            error = errorAt(static_cast<int>(at),
                            QT_TRANSLATE_NOOP("Practica", "Escribe solo la solución, sin otro signo «=»."));
        } else {
            error = errorAt(static_cast<int>(at), QT_TRANSLATE_NOOP("Practica", "No sé leer «%1» en una solución."),
                            {encodeUtf8(point)});
        }
        if (error) {
            return *error;
        }
    }
    result.push_back({Type::End, static_cast<int>(text_.size()), "", 0, std::nullopt});
    return result;
}

// Recursive descent, lowest precedence first:
//   expression = term {(+ | − | ±) term}
//   term       = unary {(· | / | nothing) unary}    left to right: 1/2√2 is √2/2
//   unary      = (+ | − | ±) unary | power
//   power      = primary {² | ³ | ^ natural}
//   primary    = number | ( expression ) | √ unary | i
class Evaluator {
public:
    Evaluator(const std::vector<Token>& tokens, int plusMinusSign) : tokens_(tokens), plusMinusSign_(plusMinusSign) { }
    std::variant<ExactValue, ReadError> run();

private:
    using Result = std::optional<ExactValue>;
    const Token& peek() const { return tokens_[at_]; }
    Result fail(int column, const char* pattern, std::vector<std::string> arguments = {});
    Result checked(Result value, const Token& where, bool divides);
    Result expression();
    Result term();
    Result unary();
    Result power();
    Result primary();
    Result root();
    bool enter(const Token& where);

    const std::vector<Token>& tokens_;
    int plusMinusSign_;
    std::size_t at_ = 0;
    int depth_ = 0;
    std::optional<ReadError> error_;
};

Evaluator::Result Evaluator::fail(int column, const char* pattern, std::vector<std::string> arguments)
{
    if (!error_) {
        error_ = errorAt(column, pattern, std::move(arguments));
    }
    return std::nullopt;
}

// The size cap, and the sentence for an operation that left Q(√r, i).
Evaluator::Result Evaluator::checked(Result value, const Token& where, bool divides)
{
    if (!value) {
        return divides ? fail(where.column, QT_TRANSLATE_NOOP("Practica", "No se puede dividir entre cero."))
                       : fail(where.column,
                              QT_TRANSLATE_NOOP("Practica", "No sé combinar raíces distintas, como √2 y √3."));
    }
    if (bitSize(*value) > kMaximumBits) {
        return fail(where.column, QT_TRANSLATE_NOOP("Practica", "Los números son demasiado grandes."));
    }
    return value;
}

bool Evaluator::enter(const Token& where)
{
    if (++depth_ > kMaximumNesting) {
        fail(where.column,
             QT_TRANSLATE_NOOP("Practica", "Hay demasiados paréntesis, raíces o signos unos dentro de otros."));
        return false;
    }
    return true;
}

std::variant<ExactValue, ReadError> Evaluator::run()
{
    Result value = expression();
    if (value && peek().type != Type::End) {
        value = peek().type == Type::Close
                    ? fail(peek().column, QT_TRANSLATE_NOOP("Practica", "Sobra un paréntesis de cierre."))
                    : fail(peek().column,
                           QT_TRANSLATE_NOOP("Practica", "Sobra algo aquí: escribe una sola solución por línea."));
    }
    if (!value) {
        return *error_;
    }
    return *value;
}

Evaluator::Result Evaluator::expression()
{
    Result value = term();
    while (value && (peek().type == Type::Plus || peek().type == Type::Minus || peek().type == Type::PlusMinus)) {
        const Token& sign = tokens_[at_++];
        Result right = term();
        if (!right) {
            return right;
        }
        const bool subtracts = sign.type == Type::Minus || (sign.type == Type::PlusMinus && plusMinusSign_ < 0);
        value = checked(sum(*value, subtracts ? -*right : *right), sign, false);
    }
    return value;
}

Evaluator::Result Evaluator::term()
{
    Result value = unary();
    while (value) {
        const Token& next = peek();
        const bool explicitOperator = next.type == Type::Times || next.type == Type::Divide;
        // Two numbers side by side are two answers, not a product.
        const bool implicitProduct = (next.type == Type::Open || next.type == Type::Root ||
                                      next.type == Type::Imaginary || next.type == Type::Number) &&
                                     !(next.type == Type::Number && tokens_[at_ - 1].type == Type::Number);
        if (!explicitOperator && !implicitProduct) {
            break;
        }
        at_ += explicitOperator ? 1 : 0;
        Result right = unary();
        if (!right) {
            return right;
        }
        value = next.type == Type::Divide ? checked(quotient(*value, *right), next, true)
                                          : checked(product(*value, *right), next, false);
    }
    return value;
}

Evaluator::Result Evaluator::unary()
{
    const Token& sign = peek();
    if (sign.type != Type::Plus && sign.type != Type::Minus && sign.type != Type::PlusMinus) {
        return power();
    }
    if (!enter(sign)) {
        return std::nullopt;
    }
    ++at_;
    Result value = unary();
    --depth_;
    const bool negates = sign.type == Type::Minus || (sign.type == Type::PlusMinus && plusMinusSign_ < 0);
    return value && negates ? Result(-*value) : value;
}

Evaluator::Result Evaluator::power()
{
    Result value = primary();
    while (value && (peek().type == Type::Power || peek().type == Type::Caret)) {
        const Token& operation = tokens_[at_++];
        mpq_class exponent = operation.value;
        if (operation.type == Type::Caret) {
            const Token& given = peek();
            if (given.type != Type::Number || given.precision || given.value > kMaximumPower) {
                return fail(given.column,
                            QT_TRANSLATE_NOOP("Practica", "El exponente ha de ser un número natural hasta %1."),
                            {std::to_string(kMaximumPower)});
            }
            exponent = given.value;
            ++at_;
        }
        Result base = value;
        value = ExactValue::rational(1);
        for (unsigned long k = 0; value && k < exponent.get_num().get_ui(); ++k) {
            value = checked(product(*value, *base), operation, false);
        }
    }
    return value;
}

Evaluator::Result Evaluator::root()
{
    const Token& sign = tokens_[at_++];
    if (!enter(sign)) {
        return std::nullopt;
    }
    Result radicand = unary();
    --depth_;
    if (!radicand) {
        return radicand;
    }
    if (!radicand->isRational()) {
        return fail(sign.column,
                    QT_TRANSLATE_NOOP("Practica", "Solo sé sacar la raíz cuadrada de un número racional."));
    }
    Result value = squareRoot(radicand->real.rational);
    return value ? value
                 : fail(sign.column, QT_TRANSLATE_NOOP("Practica", "El número bajo la raíz es demasiado grande."));
}

Evaluator::Result Evaluator::primary()
{
    const Token& token = peek();
    switch (token.type) {
    case Type::Number:
        ++at_;
        return ExactValue::rational(token.value);
    case Type::Imaginary:
        ++at_;
        return ExactValue::imaginaryUnit();
    case Type::Root:
        return root();
    case Type::Open: {
        if (!enter(token)) {
            return std::nullopt;
        }
        ++at_;
        Result value = expression();
        --depth_;
        if (!value) {
            return value;
        }
        if (peek().type != Type::Close) {
            return fail(peek().column, QT_TRANSLATE_NOOP("Practica", "Falta cerrar un paréntesis."));
        }
        ++at_;
        return value;
    }
    default:
        return fail(token.column, QT_TRANSLATE_NOOP("Practica", "Falta un número aquí."));
    }
}

// √(8) as √8, √3·i as i√3, i·3 as 3i: the spellings that differ only in form.
std::string compactOf(std::vector<Token> tokens)
{
    auto is = [&](std::size_t at, std::initializer_list<Type> types) {
        std::size_t k = at;
        for (Type type : types) {
            if (k >= tokens.size() || tokens[k++].type != type) {
                return false;
            }
        }
        return true;
    };
    std::string text;
    for (std::size_t at = 0; at < tokens.size(); ++at) {
        if (is(at, {Type::Root, Type::Open, Type::Number, Type::Close})) {
            tokens.erase(tokens.begin() + static_cast<long>(at) + 3);
            tokens.erase(tokens.begin() + static_cast<long>(at) + 1);
        }
        if (is(at, {Type::Root, Type::Number, Type::Imaginary}) || is(at, {Type::Imaginary, Type::Number})) {
            std::rotate(tokens.begin() + static_cast<long>(at),
                        tokens.begin() + static_cast<long>(at) + (tokens[at].type == Type::Root ? 2 : 1),
                        tokens.begin() + static_cast<long>(at) + (tokens[at].type == Type::Root ? 3 : 2));
        }
        if (!(at == 0 && tokens[at].type == Type::Plus)) {
            text += tokens[at].spelling;
        }
    }
    return text;
}

// The precision of each part when the line is a decimal, or a decimal and a
// multiple of i: [sign] A [(+ | − | ±) [B [·]] i], or [sign] [B [·]] i.
void setPrecisions(const std::vector<Token>& tokens, AnswerLine& line)
{
    std::size_t at = 0;
    auto accept = [&](std::initializer_list<Type> types) {
        if (std::find(types.begin(), types.end(), tokens[at].type) == types.end()) {
            return false;
        }
        ++at;
        return true;
    };
    auto imaginary = [&]() -> std::optional<std::optional<DecimalPrecision>> {
        std::optional<DecimalPrecision> precision;
        if (tokens[at].type == Type::Number) {
            precision = tokens[at++].precision;
            accept({Type::Times});
        }
        if (!accept({Type::Imaginary})) {
            return std::nullopt;
        }
        return precision;
    };
    accept({Type::Plus, Type::Minus, Type::PlusMinus});
    std::optional<DecimalPrecision> realPart;
    std::optional<std::optional<DecimalPrecision>> imaginaryPart;
    if (tokens[at].type == Type::Number && tokens[at + 1].type != Type::Imaginary &&
        tokens[at + 1].type != Type::Times) {
        realPart = tokens[at++].precision;
        if (accept({Type::Plus, Type::Minus, Type::PlusMinus})) {
            imaginaryPart = imaginary();
            if (!imaginaryPart) {
                return;
            }
        }
    } else {
        imaginaryPart = imaginary();
        if (!imaginaryPart) {
            return;
        }
    }
    if (tokens[at].type == Type::End) {
        line.realPrecision = realPart;
        line.imaginaryPrecision = imaginaryPart ? *imaginaryPart : std::nullopt;
    }
}

// Where the answer starts after an "x =", "x1 =" or "x₁ =" in front.
std::size_t answerStart(const std::u32string& text)
{
    std::size_t at = 0;
    while (at < text.size() && isBlank(text[at])) {
        ++at;
    }
    if (at == text.size() || (text[at] != U'x' && text[at] != U'X')) {
        return 0;
    }
    ++at;
    if (at < text.size() && (text[at] == U'1' || text[at] == U'2' || text[at] == U'₁' || text[at] == U'₂')) {
        ++at;
    }
    while (at < text.size() && isBlank(text[at])) {
        ++at;
    }
    return at < text.size() && text[at] == U'=' ? at + 1 : 0;
}

std::variant<std::vector<Token>, ReadError> tokensOf(const std::u32string& text)
{
    return Tokeniser(text).tokens(answerStart(text));
}

}  // namespace

LineReading readAnswerLine(std::string_view text)
{
    const std::u32string points = decodeUtf8(text);
    if (points.size() > kMaximumAnswerLength) {
        return {std::nullopt,
                errorAt(static_cast<int>(kMaximumAnswerLength),
                        QT_TRANSLATE_NOOP("Practica", "La respuesta es demasiado larga: como mucho %1 caracteres."),
                        {std::to_string(kMaximumAnswerLength)})};
    }
    AnswerLine line;
    if (std::all_of(points.begin(), points.end(), isBlank)) {
        return {line, std::nullopt};
    }
    if (saysNoRealSolution(points)) {
        line.shape = AnswerLine::Shape::NoRealSolution;
        return {line, std::nullopt};
    }
    auto tokenised = tokensOf(points);
    if (auto* error = std::get_if<ReadError>(&tokenised)) {
        return {std::nullopt, *error};
    }
    const auto& tokens = std::get<std::vector<Token>>(tokenised);
    std::vector<const Token*> plusMinus;
    for (const Token& token : tokens) {
        if (token.type == Type::PlusMinus) {
            plusMinus.push_back(&token);
        }
        line.hasDecimal = line.hasDecimal || token.precision.has_value();
    }
    if (plusMinus.size() > 1) {
        return {std::nullopt,
                errorAt(plusMinus[1]->column, QT_TRANSLATE_NOOP("Practica", "Escribe un solo signo ± en cada línea."))};
    }
    line.shape = AnswerLine::Shape::Values;
    line.plusMinus = !plusMinus.empty();
    for (int sign : {1, -1}) {
        if (sign < 0 && !line.plusMinus) {
            break;
        }
        auto value = Evaluator(tokens, sign).run();
        if (auto* error = std::get_if<ReadError>(&value)) {
            return {std::nullopt, *error};
        }
        line.values.push_back(std::get<ExactValue>(value));
    }
    if (line.hasDecimal) {
        setPrecisions(tokens, line);
    }
    line.compact = compactOf(tokens);
    return {line, std::nullopt};
}

std::string compactSpelling(std::string_view text)
{
    auto tokenised = tokensOf(decodeUtf8(text));
    const auto* tokens = std::get_if<std::vector<Token>>(&tokenised);
    return tokens ? compactOf(*tokens) : std::string();
}

}  // namespace trx::practice
