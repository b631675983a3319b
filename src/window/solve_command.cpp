// SPDX-License-Identifier: GPL-3.0-or-later
// The solve command: the window side of the solver.  It clears the result
// display, has the fields checked, hands the checked texts to the solver and
// applies the one value it returns: the fields, the results, then the
// cancellation or the finishing steps.

#include "window/coefficient_fields.h"
#include "window/form1.h"
#include "window/status_bar.h"
#include "exact/solve.h"

const char* const kCancelled = QT_TRANSLATE_NOOP("Form1", "Operación cancelada.");

void Form1::CmdCal_Click()
{
    controls_.clearResults();
    const std::optional<std::array<std::string, 4>> checked = fields_->ComprobarDatos();
    if (!checked) {
        explainNoWorking(QT_TR_NOOP("Un coeficiente no es un número válido: no hay nada que desarrollar."));
        return;
    }
    const trx::SolveResult result = trx::solve({*checked, options_.simplify, SeparadorDecimal});
    if (result.outcome == trx::SolveOutcome::ZeroSquareCoefficient) {
        fields_->writeFields(result.fields);
        refuseZeroSquareCoefficient();
    } else {
        showSolve(*checked, result);
    }
}

// The solve's one value, applied: the results, then the cancellation or the
// finishing steps, then the working.
void Form1::showSolve(const std::array<std::string, 4>& solved, const trx::SolveResult& result)
{
    controls_.showResult(result);
    switch (result.outcome) {
    case trx::SolveOutcome::Cancelled:
        fields_->writeFields(result.fields);
        controls_.Label4->setText(tr(kCancelled));
        controls_.Label5->setText(tr(kCancelled));
        MostrarError(CoefficientFields::MensajeCancelacion());
        fields_->EnfocarError(0);
        explainNoWorking(QT_TR_NOOP("Operación cancelada: no hay desarrollo que mostrar."));
        return;
    case trx::SolveOutcome::NotANumber:
        MostrarError(tr("Imposible continuar con la operación."));
        finishSolve(result.fields);
        explainNoWorking(QT_TR_NOOP("Operación cancelada: no hay desarrollo que mostrar."));
        return;
    default:
        finishSolve(result.fields);
        StatusBar1->showSolveSummary(result);
        showWorking(solved);
    }
}

void Form1::refuseZeroSquareCoefficient()
{
    MostrarError(tr("Valor introducido elevado al cuadrado no válido."));
    fields_->EnfocarError(0);
    explainNoWorking(QT_TR_NOOP("El coeficiente de x² es 0: no es una ecuación de segundo grado."));
}

// Focus back on the first field, the linear term in use again, and the
// fields written once with the normal form that was solved.
void Form1::finishSolve(const std::array<std::string, 4>& fields)
{
    fields_->EnfocarError(0);
    if (!controls_.Text1[1]->isEnabled()) {
        controls_.Label3->setText(QStringLiteral("X"));
        controls_.Text1[1]->setEnabled(true);
    }
    fields_->writeFields(fields);
}
