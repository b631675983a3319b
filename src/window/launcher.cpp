// SPDX-License-Identifier: GPL-3.0-or-later
// Work handed to the desktop: the calculator, the About box and the
// project's web page.

#include "settings/settings_table.h"
#include "window/form1.h"
#include "services/platform.h"

namespace {

const char* const kCalculatorFailed = QT_TRANSLATE_NOOP("Form1", "No se ha podido ejecutar la calculadora");

}  // namespace

// Starts the stored calculator or the desktop's, looked up only now; while
// it cannot be found, asks for another and remembers the answer.
void Form1::mnuCalcu_Click()
{
    for (;;) {
        switch (platform_->launch(RutaCalculadora.isEmpty() ? platform_->defaultCalculator() : RutaCalculadora)) {
        case LaunchOutcome::Started:
        case LaunchOutcome::OtherFailure:
            return;
        case LaunchOutcome::TypeMismatch:
            MostrarError(tr(kCalculatorFailed));
            return;
        case LaunchOutcome::FileNotFound:
        case LaunchOutcome::PathNotFound:
            break;
        }
        if (!askCalculatorPath())
            return;
    }
}

// Asks where the calculator is, proposing the default one, and remembers the
// answer; an empty answer gives up.
bool Form1::askCalculatorPath()
{
    const QString answer =
        platform_->inputBox(this, tr(kCalculatorFailed) + tr("\r\nEscriba la dirección de la calculadora"), tr("Error"),
                            platform_->defaultCalculator());
    if (answer.isEmpty()) {
        MostrarError(tr(kCalculatorFailed));
        return false;
    }
    // Quoted, so a path with blanks stays one program; an answer the user
    // quoted already is kept as typed.
    const bool quoted = answer.size() >= 2 && answer.startsWith(QLatin1Char('"')) && answer.endsWith(QLatin1Char('"'));
    RutaCalculadora = quoted ? answer : QLatin1Char('"') + answer + QLatin1Char('"');
    trx::StoredSettings path;
    path.calculator = RutaCalculadora.toStdString();
    saveSettings(path, trx::SettingsWriter::CalculatorCommand);
    return true;
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
    platform_->openAddress(kProjectAddress);
}
