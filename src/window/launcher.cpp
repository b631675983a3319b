// SPDX-License-Identifier: GPL-3.0-or-later
// Work handed to the desktop: the calculator, the About box and the
// project's web page.

#include "settings/settings_table.h"
#include "window/form1.h"
#include "services/platform.h"
#include "window_rules/calculator_retry.h"

namespace {

const char* const kCalculatorFailed = QT_TRANSLATE_NOOP("Form1", "No se ha podido ejecutar la calculadora");

}  // namespace

// Starts the stored calculator or the desktop's, looked up only now; while
// it will not start, says why, asks for another and remembers the answer.
void Form1::mnuCalcu_Click()
{
    const trx::CalculatorRetry retry({
        [this](const std::string& command) { return platform_->launch(QString::fromStdString(command)); },
        [this](const char* reason, const std::string& command) { return askCalculatorPath(reason, command); },
        [this](const std::string& command) {
            RutaCalculadora = QString::fromStdString(command);
            trx::StoredSettings path;
            path.calculator = command;
            saveSettings(path, trx::SettingsWriter::CalculatorCommand);
        },
    });
    if (!retry.run((RutaCalculadora.isEmpty() ? platform_->defaultCalculator() : RutaCalculadora).toStdString()))
        MostrarError(tr(kCalculatorFailed));
}

// Asks where the calculator is, saying why `command` failed and proposing
// the default one; the empty text when the user cancels.
std::string Form1::askCalculatorPath(const char* reason, const std::string& command)
{
    const QString prompt = tr(kCalculatorFailed) + QStringLiteral("\r\n") +
                           tr(reason).arg(QString::fromStdString(command)) +
                           tr("\r\nEscriba la dirección de la calculadora");
    return platform_->inputBox(this, prompt, tr("Error"), platform_->defaultCalculator()).toStdString();
}

void Form1::mnuAcerca_Click()
{
    platform_->aboutBox(this, QStringLiteral("Trinomix"),
                        tr("Autor: %1\r\nVersión: %2.%3.%4\r\nLicencia: GPL-3.0-or-later\r\n%5")
                            .arg(kProgramHandle)
                            .arg(TRX_VERSION_MAJOR)
                            .arg(TRX_VERSION_MINOR)
                            .arg(TRX_VERSION_PATCH)
                            .arg(kProjectAddress),
                        windowIcon());
}

void Form1::Label1_Click()
{
    if (!platform_->openAddress(kProjectAddress))
        platform_->selectableMessageBox(
            this,
            tr("No se ha podido abrir ningún navegador web.\r\nLa dirección del proyecto es:\r\n%1")
                .arg(kProjectAddress),
            tr("Error"));
}
