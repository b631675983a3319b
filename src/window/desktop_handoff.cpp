// SPDX-License-Identifier: GPL-3.0-or-later
#include "window/desktop_handoff.h"

#include "window/form1_text.h"

#include "services/platform.h"
#include "settings/settings_table.h"
#include "window_rules/calculator_retry.h"

#include <QCoreApplication>
#include <QWidget>

#include <utility>

namespace {

const char* const kCalculatorFailed = QT_TRANSLATE_NOOP("Form1", "No se ha podido ejecutar la calculadora");

}  // namespace

const QString DesktopHandoff::kProgramHandle = QStringLiteral("Equipo Trinomix");
const QString DesktopHandoff::kProjectAddress = QStringLiteral(TRX_HOMEPAGE);

DesktopHandoff::DesktopHandoff(QWidget& window, Platform& platform, SaveSettings save)
    : window_(&window), platform_(&platform), save_(std::move(save))
{
}

void DesktopHandoff::rememberCalculator(const std::string& command)
{
    calculator_ = QString::fromStdString(command);
}

QString DesktopHandoff::calculatorFailed()
{
    return form1Text(kCalculatorFailed);
}

// Starts the stored calculator or the desktop's, looked up only now; while
// it will not start, says why, asks for another and remembers the answer.
bool DesktopHandoff::startCalculator()
{
    const trx::CalculatorRetry retry({
        [this](const std::string& command) { return platform_->launch(QString::fromStdString(command)); },
        [this](const char* reason, const std::string& command) { return askCalculatorPath(reason, command); },
        [this](const std::string& command) {
            rememberCalculator(command);
            trx::StoredSettings path;
            path.calculator = command;
            save_(path, trx::SettingsWriter::CalculatorCommand);
        },
    });
    return retry.run((calculator_.isEmpty() ? platform_->defaultCalculator() : calculator_).toStdString());
}

// Asks where the calculator is, saying why `command` failed and proposing
// the default one; the empty text when the user cancels.
std::string DesktopHandoff::askCalculatorPath(const char* reason, const std::string& command)
{
    const QString prompt = form1Text(kCalculatorFailed) + QStringLiteral("\r\n") +
                           form1Text(reason).arg(QString::fromStdString(command)) +
                           QCoreApplication::translate("Form1", "\r\nEscriba la dirección de la calculadora");
    return platform_
        ->inputBox(window_, prompt, QCoreApplication::translate("Form1", "Error"), platform_->defaultCalculator())
        .toStdString();
}

void DesktopHandoff::showAbout()
{
    platform_->aboutBox(window_, QStringLiteral("Trinomix"),
                        QCoreApplication::translate("Form1", "Autor: %1\r\nVersión: %2.%3.%4\r\nLicencia: "
                                                             "GPL-3.0-or-later\r\n%5")
                            .arg(kProgramHandle)
                            .arg(TRX_VERSION_MAJOR)
                            .arg(TRX_VERSION_MINOR)
                            .arg(TRX_VERSION_PATCH)
                            .arg(kProjectAddress),
                        window_->windowIcon());
}

void DesktopHandoff::openProjectPage()
{
    if (!platform_->openAddress(kProjectAddress))
        platform_->selectableMessageBox(
            window_,
            QCoreApplication::translate("Form1", "No se ha podido abrir ningún navegador web.\r\nLa dirección del "
                                                 "proyecto es:\r\n%1")
                .arg(kProjectAddress),
            QCoreApplication::translate("Form1", "Error"));
}
