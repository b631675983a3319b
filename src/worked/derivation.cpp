// SPDX-License-Identifier: GPL-3.0-or-later
#include "worked/derivation.h"

#include "worked/method_steps.h"

#include <algorithm>

namespace trx {

namespace {

using worked::NormalForm;

// k·(p₁x + q₁)(p₂x + q₂) expanded.
std::array<mpq_class, 3> expanded(const TypedProduct& product)
{
    const LinearFactor& f = product.first;
    const LinearFactor& g = product.second;
    return {product.constant * f.slope * g.slope, product.constant * (f.slope * g.constant + f.constant * g.slope),
            product.constant * f.constant * g.constant};
}

// s·(x − h)² − v expanded.
std::array<mpq_class, 3> expanded(const TypedSquare& square)
{
    return {square.scale, -2 * square.scale * square.shift, square.scale * square.shift * square.shift - square.value};
}

// The same equation: coefficients in proportion, a not zero.
bool sameEquation(const std::array<mpq_class, 3>& typed, const NormalForm& form)
{
    const mpq_class a(form.a), b(form.b), c(form.c);
    return typed[0] != 0 && typed[0] * b == typed[1] * a && typed[0] * c == typed[2] * a;
}

bool typedProduct(const NormalForm& form, const TypedShape* shape)
{
    return shape != nullptr && shape->product && shape->product->first.slope != 0 &&
           shape->product->second.slope != 0 && sameEquation(expanded(*shape->product), form);
}

bool typedSquare(const NormalForm& form, const TypedShape* shape)
{
    return shape != nullptr && shape->square && sameEquation(expanded(*shape->square), form);
}

// In the order a teacher would reach for them.
std::vector<Method> methodsFor(const NormalForm& form, const TypedShape* shape)
{
    std::vector<Method> methods;
    if (typedProduct(form, shape))
        methods.push_back(Method::ZeroProduct);
    if (typedSquare(form, shape))
        methods.push_back(Method::SquareRoot);
    if (form.b == 0)
        methods.push_back(Method::IsolatingTheSquare);
    if (form.c == 0 && form.b != 0)
        methods.push_back(Method::CommonFactor);
    if (worked::wholeRootsBySumAndProduct(form))
        methods.push_back(Method::SumAndProduct);
    methods.push_back(Method::Formula);
    methods.push_back(Method::CompletingTheSquare);
    return methods;
}

worked::Solutions solveBy(Method method, const NormalForm& form, const TypedShape* shape, worked::StepList& steps)
{
    switch (method) {
    case Method::IsolatingTheSquare:
        return worked::byIsolatingTheSquare(form, steps);
    case Method::CommonFactor:
        return worked::byCommonFactor(form, steps);
    case Method::ZeroProduct:
        return worked::byZeroProduct(*shape->product, steps);
    case Method::SquareRoot:
        return worked::bySquareRoot(*shape->square, steps);
    case Method::SumAndProduct:
        return worked::bySumAndProduct(form, steps);
    case Method::CompletingTheSquare:
        return worked::byCompletingTheSquare(form, steps);
    case Method::Formula:
        break;
    }
    return worked::byFormula(form, steps);
}

std::vector<WorkedStep> derive(const std::array<std::string, 4>& fields, char separator, std::optional<Method> method,
                               const TypedShape* shape)
{
    worked::StepList steps;
    const std::optional<NormalForm> form = worked::normalForm(fields, separator, steps);
    if (!form)
        return {};
    const std::vector<Method> methods = methodsFor(*form, shape);
    const bool applies = method && std::find(methods.begin(), methods.end(), *method) != methods.end();
    const Method chosen = method ? (applies ? *method : Method::Formula) : methods.front();
    worked::finishWorking(*form, solveBy(chosen, *form, shape, steps), separator, steps);
    std::vector<WorkedStep> worked = steps.take();
    translateSentences(worked, untranslated);
    return worked;
}

}  // namespace

const char* methodName(Method method)
{
    switch (method) {
    case Method::IsolatingTheSquare:
        return QT_TRANSLATE_NOOP("Derivation", "Ecuación incompleta: despejamos x²");
    case Method::CommonFactor:
        return QT_TRANSLATE_NOOP("Derivation", "Sacamos factor común x");
    case Method::ZeroProduct:
        return QT_TRANSLATE_NOOP("Derivation", "Un producto es cero si lo es uno de sus factores");
    case Method::SquareRoot:
        return QT_TRANSLATE_NOOP("Derivation", "Raíz cuadrada de los dos miembros");
    case Method::SumAndProduct:
        return QT_TRANSLATE_NOOP("Derivation", "Suma y producto de las raíces");
    case Method::CompletingTheSquare:
        return QT_TRANSLATE_NOOP("Derivation", "Completar el cuadrado");
    case Method::Formula:
        break;
    }
    return QT_TRANSLATE_NOOP("Derivation", "Fórmula general");
}

std::vector<Method> applicableMethods(const std::array<std::string, 4>& fields, char separator, const TypedShape* shape)
{
    worked::StepList unused;
    const std::optional<NormalForm> form = worked::normalForm(fields, separator, unused);
    return form ? methodsFor(*form, shape) : std::vector<Method>{};
}

std::vector<WorkedStep> deriveSolution(const std::array<std::string, 4>& fields, char separator)
{
    return derive(fields, separator, std::nullopt, nullptr);
}

std::vector<WorkedStep> deriveSolution(const std::array<std::string, 4>& fields, char separator, Method method,
                                       const TypedShape* shape)
{
    return derive(fields, separator, method, shape);
}

}  // namespace trx
