// SPDX-License-Identifier: GPL-3.0-or-later
// The Ecuación window's command: opening it, and its Resolver, which writes
// the normal form into the fields and solves them as Calcular does.

#include "equation_window/equation_window.h"
#include "services/platform.h"
#include "window/form1.h"

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
