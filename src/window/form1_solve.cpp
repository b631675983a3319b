// SPDX-License-Identifier: GPL-3.0-or-later
// The solve: the Calcular command applying the solver's one value, with the
// working it hands to Desarrollo, the typed equation that Ecuación's Resolver
// feeds it, and the Practicar window.

#include "window/form1.h"

#include "exact/solve.h"
#include "practice_window/practicar.h"
#include "services/platform.h"
#include "window/coefficient_fields.h"
#include "window/status_bar.h"

const char* const kCancelled = QT_TRANSLATE_NOOP("Form1", "Operación cancelada.");

void Form1::CmdCal_Click()
{
    controls_.clearResults();
    const std::optional<std::array<std::string, 4>> checked = fields_->ComprobarDatos();
    if (!checked) {
        working_.explainNoWorking(QT_TR_NOOP("Un coeficiente no es un número válido: no hay nada que desarrollar."));
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
        working_.explainNoWorking(QT_TR_NOOP("Operación cancelada: no hay desarrollo que mostrar."));
        return;
    case trx::SolveOutcome::NotANumber:
        MostrarError(tr("Imposible continuar con la operación."));
        finishSolve(result.fields);
        working_.explainNoWorking(QT_TR_NOOP("Operación cancelada: no hay desarrollo que mostrar."));
        return;
    default:
        finishSolve(result.fields);
        StatusBar1->showSolveSummary(result);
        working_.showWorking(solved);
    }
}

void Form1::refuseZeroSquareCoefficient()
{
    MostrarError(tr("Valor introducido elevado al cuadrado no válido."));
    fields_->EnfocarError(0);
    working_.explainNoWorking(QT_TR_NOOP("El coeficiente de x² es 0: no es una ecuación de segundo grado."));
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

// Each text goes through the field's own change rules, as a paste would.
void Form1::solveTypedEquation(const std::array<std::string, 4>& fields)
{
    for (std::size_t i = 0; i < fields.size(); ++i)
        controls_.Text1[i]->setText(QString::fromStdString(fields[i]));
    CmdCal_Click();
}

std::array<std::string, 4> Form1::typedFields() const
{
    std::array<std::string, 4> typed;
    for (std::size_t i = 0; i < typed.size(); ++i)
        typed[i] = controls_.Text1[i]->text().toStdString();
    return typed;
}

// Built the first time it is asked for.
void Form1::mnuPracticar_Click()
{
    auto* practice = findChild<Practicar*>(QString(), Qt::FindDirectChildrenOnly);
    if (practice == nullptr)
        practice = new Practicar(this, *platform_, SeparadorDecimal);
    practice->show();
    practice->raise();
    practice->activateWindow();
}
