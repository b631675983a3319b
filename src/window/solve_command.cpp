// SPDX-License-Identifier: GPL-3.0-or-later
// The solve command: the window side of the solver.  It clears the result
// display, validates the fields, hands their texts to the solver, has the
// controls show what it returns, then runs the command's error trap and
// finishing steps.

#include "window/coefficient_fields.h"
#include "window/form1.h"
#include "exact/solve.h"

const char* const kCancelled = QT_TRANSLATE_NOOP("Form1", "Operación cancelada.");

void Form1::CmdCal_Click()
{
    clearResults();
    if (!fields_->ComprobarDatos()) {
        explainNoWorking(QT_TR_NOOP("Un coeficiente no es un número válido: no hay nada que desarrollar."));
        return;
    }
    const trx::SolveRequest request = solveRequest();
    const trx::SolveResult result = trx::solve(request);
    if (result.outcome == trx::SolveOutcome::ZeroSquareCoefficient)
        refuseZeroSquareCoefficient();
    else
        showSolve(request, result);
}

void Form1::showSolve(const trx::SolveRequest& request, const trx::SolveResult& result)
{
    showResult(result);
    if (dispatchSolveError(result.error))
        finishSolve(result);
    if (result.outcome == trx::SolveOutcome::Cancelled || result.outcome == trx::SolveOutcome::NotANumber)
        explainNoWorking(QT_TR_NOOP("Operación cancelada: no hay desarrollo que mostrar."));
    else
        showWorking(request.fields);
}

// The fields as typed, with the options and separator in use.
trx::SolveRequest Form1::solveRequest() const
{
    trx::SolveRequest request;
    for (int i = 0; i < 4; ++i)
        request.fields[i] = Text1[i]->text().toStdString();
    request.simplifyRoot = options_.simplify;
    request.separator = SeparadorDecimal;
    return request;
}

void Form1::refuseZeroSquareCoefficient()
{
    MostrarError(tr("Valor introducido elevado al cuadrado no válido."));
    fields_->EnfocarError(0);
    explainNoWorking(QT_TR_NOOP("El coeficiente de x² es 0: no es una ecuación de segundo grado."));
}

// The command's error trap.  Returns whether the finishing steps follow.
bool Form1::dispatchSolveError(trx::ErrorCode code)
{
    switch (code) {
    case trx::ErrorCode::Overflow:
        if (!Label4->text().isEmpty())
            return true;
        Label4->setText(tr(kCancelled));
        Label5->setText(tr(kCancelled));
        MostrarError(CoefficientFields::MensajeCancelacion());
        fields_->EnfocarError(0);
        return false;
    case trx::ErrorCode::TypeMismatch:
        MostrarError(tr("Imposible continuar con la operación."));
        return true;
    default:
        return true;
    }
}

// Focus back on the first field, the linear term restored, and the normal
// form that was solved written into the fields.
void Form1::finishSolve(const trx::SolveResult& result)
{
    fields_->EnfocarError(0);
    if (!Text1[1]->isEnabled()) {
        Label3_Click();
        Text1[1]->setText(QStringLiteral("0"));
    }
    for (int i = 0; i < 3; ++i)
        Text1[i]->setText(QString::fromStdString(result.normalForm[i]));
}
