// SPDX-License-Identifier: GPL-3.0-or-later
// Validation of the four coefficient fields and the error reporting that
// every command on them shares.

#include "shell/form1.h"
#include "shell/platform.h"
#include "solver/number_text.h"

#include <QMenu>

namespace {

bool isNumberText(const QString& text, char separator)
{
    return trx::isNumeric(text.toStdString(), separator);
}

}  // namespace

// Fills what an empty field (or a bare "-") means in written algebra, then
// reports the first field that is not a number.
void Form1::ComprobarDatos()
{
    for (int i : {0, 1}) {
        if (i == 1 && !Text1[1]->isEnabled()) {
            Text1[1]->setText(QStringLiteral("0"));
            continue;
        }
        if (Text1[i]->text() == QLatin1String("-"))
            Text1[i]->setText(QStringLiteral("-1"));
        else if (Text1[i]->text().isEmpty())
            Text1[i]->setText(QStringLiteral("1"));
    }
    for (int i : {2, 3}) {
        if (Text1[i]->text().isEmpty())
            Text1[i]->setText(QStringLiteral("0"));
    }

    for (int i = 0; i < 4; ++i) {
        const QString text = Text1[i]->text();
        if (text.isEmpty())
            continue;
        if (isNumberText(text, SeparadorDecimal)) {
            DatosNoValidos = false;
            continue;
        }
        // The limits of the range are written with the separator in use.
        const QChar separator = QLatin1Char(SeparadorDecimal);
        const QString largest = QStringLiteral("1") + separator + QStringLiteral("79769313486232E308");
        const QString smallest = QStringLiteral("4") + separator + QStringLiteral("94065645841247E-324");
        MostrarError(tr("Texto numérico %1 no válido. Este error puede deberse a que hay uno o más "
                        "caracteres no válidos en el cuadro de texto.\r\nCompruebe que el número está "
                        "entre los intervalos -%2 a -%3 para valores negativos y de %3 a %2 para "
                        "valores positivos.")
                         .arg(QString::number(i + 1), largest, smallest));
        DatosNoValidos = true;
        CampoError = i;
        EnfocarError();
        break;
    }
    SinFoco = false;
}

void Form1::EnfocarError()
{
    if (SinFoco)
        return;
    TextBox* field = Text1[CampoError];
    field->setFocus();
    field->selectAll();
}

void Form1::MostrarError(const QString& message)
{
    platform_->messageBox(this, message, tr("Error"), Platform::Icon::Critical);
}

void Form1::TratarError(trx::ErrorCode pending)
{
    switch (pending) {
    case trx::ErrorCode::None:
        return;
    case trx::ErrorCode::Overflow:
    case trx::ErrorCode::TypeMismatch:
        MostrarError(MensajeCancelacion);
        return;
    case trx::ErrorCode::NotSupported:
        // The focus is on a control the edit commands cannot work on.
        mnuPi->menuAction()->setEnabled(false);
        mnuPegar->setEnabled(false);
        mnuCortar->setEnabled(false);
        mnuCopiar->setEnabled(false);
        mnuBorrar1->setEnabled(false);
        mnuBorrar1->setText(tr("&Borrar"));
        mnuBorrarTodo->setEnabled(false);
        mnuseleccionar->setEnabled(false);
        mnuseleccionar->setText(tr("&Seleccionar"));
        mnuElv->menuAction()->setEnabled(false);
        mnuInvertir->setEnabled(false);
        return;
    default:
        MostrarError(tr("Error: No se puede continuar con la operación"));
        return;
    }
}
