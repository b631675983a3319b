// SPDX-License-Identifier: GPL-3.0-or-later
// The Opciones commands that replace a field's number by a function of
// itself: times or over π, squared, raised to a power, its reciprocal.  A
// failure leaves the field as it was and is reported by TratarError.

#include "settings/settings_table.h"
#include "shell/form1.h"
#include "shell/platform.h"
#include "solver/number_text.h"

#include <QApplication>
#include <QMenu>

#include <cmath>

namespace {

// The program's π: the double nearest 3,14159265358979.
constexpr double kPi = 3.14159265358979;

// A result that has left the real numbers becomes the run-time error a
// user would be told about.
double checked(double result, trx::ErrorCode whenInfinite)
{
    if (std::isnan(result))
        throw trx::RunTimeError(trx::ErrorCode::InvalidArgument);
    if (std::isinf(result))
        throw trx::RunTimeError(whenInfinite);
    return result;
}

double timesPi(double x)
{
    return checked(x * kPi, trx::ErrorCode::Overflow);
}

double overPi(double x)
{
    return checked(x / kPi, trx::ErrorCode::Overflow);
}

double squared(double x)
{
    return checked(x * x, trx::ErrorCode::Overflow);
}

double reciprocal(double x)
{
    if (x == 0)
        throw trx::RunTimeError(trx::ErrorCode::DivisionByZero);
    return checked(1 / x, trx::ErrorCode::Overflow);
}

}  // namespace

void Form1::transformFocused(double (*operation)(double))
{
    QLineEdit* box = focusedTextBox();
    if (box == nullptr)
        return TratarError(trx::ErrorCode::NotSupported);
    if (box->isReadOnly())
        return;  // a result stays as the solve wrote it
    try {
        const double value = trx::numberValue(box->text().toStdString(), SeparadorDecimal);
        box->setText(QString::fromStdString(trx::editableNumberText(operation(value), SeparadorDecimal)));
    } catch (const trx::RunTimeError& error) {
        TratarError(error.code());
    }
}

void Form1::transformActive(double (*operation)(double))
{
    TextBox* field = activeField();
    try {
        const double value = trx::numberValue(field->text().toStdString(), SeparadorDecimal);
        field->setText(QString::fromStdString(trx::editableNumberText(operation(value), SeparadorDecimal)));
    } catch (const trx::RunTimeError& error) {
        TratarError(error.code());
    }
}

void Form1::mnuPorpi_Click()
{
    transformFocused(timesPi);
}

void Form1::mnuDivipi_Click()
{
    transformFocused(overPi);
}

void Form1::mnuEleva2_Click()
{
    transformActive(squared);
}

void Form1::mnuElevar_Click()
{
    const QString stored =
        QString::fromStdString(trx::loadSettings(platform_->settingsStore(), SeparadorDecimal).exponent);
    const QString prompt =
        SeparadorDecimal == ','
            ? tr("Por favor introduzca un valor.\r\nPara introducir un valor decimal use la COMA (,)")
            : tr("Por favor introduzca un valor.\r\nPara introducir un valor decimal use el PUNTO (.)");
    const QString answer = platform_->inputBox(this, prompt, tr("Atención"), stored);
    const std::optional<double> exponent = trx::parseNumber(answer.toStdString(), SeparadorDecimal);
    if (!exponent) {
        MostrarError(tr("Valor no válido u Operación cancelada."));
        return;
    }
    TextBox* field = activeField();
    try {
        const double base = trx::numberValue(field->text().toStdString(), SeparadorDecimal);
        const double power = std::pow(base, *exponent);
        // 0 to a negative power divides by zero.
        const double result = checked(power, base == 0 ? trx::ErrorCode::DivisionByZero : trx::ErrorCode::Overflow);
        field->setText(QString::fromStdString(trx::editableNumberText(result, SeparadorDecimal)));
        trx::StoredSettings exponent;
        exponent.exponent = answer.toStdString();
        saveSettings(exponent, trx::SettingsWriter::PowerCommand);
    } catch (const trx::RunTimeError& error) {
        TratarError(error.code());
    }
}

void Form1::mnuInvertir_Click()
{
    if (!trx::isNumeric(activeField()->text().toStdString(), SeparadorDecimal)) {
        MostrarError(MensajeCancelacion);
        return;
    }
    transformActive(reciprocal);
}

// Runs as the Opciones menu opens: the captions name the active field, and
// the value items need a value to work on.
void Form1::mnuOpci_Click()
{
    const QString field = activeFieldNumber();
    mnuPorpi->setText(tr("&Multiplicar por PI (%1º)").arg(field));
    mnuDivipi->setText(tr("&Dividir entre PI (%1º)").arg(field));
    mnuInvertir->setText(tr("&Invertir 1/X (%1º)").arg(field));
    mnuElevar->setText(tr("&Y (%1º)").arg(field));
    mnuEleva2->setText(QStringLiteral("&2 (%1º)").arg(field));
    const bool hasValue = !activeField()->text().isEmpty();
    mnuPi->menuAction()->setEnabled(hasValue);
    mnuInvertir->setEnabled(hasValue);
    mnuElv->menuAction()->setEnabled(hasValue);
}
