// SPDX-License-Identifier: GPL-3.0-or-later
// The solve: the Calcular command applying the solver's one value, the
// Ecuación window's Resolver that feeds it a typed equation, the Desarrollo
// window that follows every solve once opened, and the Practicar window.

#include "window/form1.h"

#include "desarrollo/desarrollo.h"
#include "equation_window/equation_window.h"
#include "exact/solve.h"
#include "practice_window/practicar.h"
#include "services/platform.h"
#include "settings/settings_table.h"
#include "window/coefficient_fields.h"
#include "window/status_bar.h"

#include <QScreen>

#include <algorithm>

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

void Form1::mnuEcuacion_Click()
{
    if (ecuacion_ == nullptr)
        ecuacion_ = new EquationWindow(this, platform_->settingsStore(), SeparadorDecimal,
                                       [this](const trx::WorkingRequest& request) { solveTypedEquation(request); });
    ecuacion_->show();
    ecuacion_->raise();
    ecuacion_->activateWindow();
}

// Each text goes through the field's own change rules, as a paste would.
void Form1::solveTypedEquation(const trx::WorkingRequest& request)
{
    for (std::size_t i = 0; i < request.fields.size(); ++i)
        controls_.Text1[i]->setText(QString::fromStdString(request.fields[i]));
    typedEquation_ = request;
    CmdCal_Click();
}

// Shows the working of the last solve, saying so when the fields have
// changed since.
void Form1::mnuDesarrollo_Click()
{
    openDesarrollo();
    std::array<std::string, 4> typed;
    for (std::size_t i = 0; i < typed.size(); ++i)
        typed[i] = controls_.Text1[i]->text().toStdString();
    desarrollo_->noteFieldsChanged(lastWorking_.request.has_value() && lastWorking_.request->fields != typed);
    desarrollo_->raise();
    desarrollo_->activateWindow();
}

// From the typed equation while the fields hold what Ecuación wrote.
void Form1::showWorking(const std::array<std::string, 4>& fields)
{
    trx::WorkingRequest request{fields, SeparadorDecimal, std::nullopt};
    if (typedEquation_ && typedEquation_->fields == fields)
        request.typed = typedEquation_->typed;
    lastWorking_ = {request, nullptr};
    if (desarrollo_ != nullptr)
        desarrollo_->showWorking(request);
}

void Form1::explainNoWorking(const char* why)
{
    lastWorking_ = {std::nullopt, why};
    if (desarrollo_ != nullptr)
        desarrollo_->showMessage(tr(why));
}

// Built the first time with the last solve's working, where it stood at the
// last exit or else beside this window.
void Form1::openDesarrollo()
{
    if (desarrollo_ == nullptr) {
        desarrollo_ = new Desarrollo(this, *platform_);
        if (lastWorking_.request)
            desarrollo_->showWorking(*lastWorking_.request);
        else if (lastWorking_.why != nullptr)
            desarrollo_->showMessage(tr(lastWorking_.why));
        const trx::StoredSettings stored = trx::loadSettings(platform_->settingsStore(), SeparadorDecimal);
        const QByteArray geometry =
            QByteArray::fromBase64(QByteArray::fromStdString(stored.workingGeometry.value_or(std::string())));
        if (geometry.isEmpty() || !desarrollo_->restoreGeometry(geometry))
            desarrollo_->move(besideThisWindow(desarrollo_->frameGeometry().size()));
    }
    desarrollo_->show();
}

// Right of this window where the screen has room for `size`, else left of
// it, else on the side with more room; never off the screen.
QPoint Form1::besideThisWindow(const QSize& size) const
{
    const QRect area = screen()->availableGeometry();
    const QRect main = frameGeometry();
    const int gap = 8;
    const int roomRight = area.right() - main.right() - gap;
    const int roomLeft = main.left() - area.left() - gap;
    const bool right = roomRight >= size.width() || roomRight >= roomLeft;
    const int x = right ? main.right() + 1 + gap : main.left() - gap - size.width();
    return {std::clamp(x, area.left(), std::max(area.left(), area.right() + 1 - size.width())),
            std::clamp(main.top(), area.top(), std::max(area.top(), area.bottom() + 1 - size.height()))};
}

// Never opened in this run: what is stored is still true.
void Form1::rememberDesarrollo(trx::StoredSettings& settings) const
{
    if (desarrollo_ == nullptr)
        return;
    settings.workingOpen = desarrollo_->isVisible();
    settings.workingGeometry = desarrollo_->saveGeometry().toBase64().toStdString();
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
