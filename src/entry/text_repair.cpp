// SPDX-License-Identifier: GPL-3.0-or-later
// Focus tracking and repair of the coefficient fields.
//
// A field's text can change by roads the keystroke filter does not guard:
// the text box's own context menu, the edit commands, the value
// transformations.  Every change passes through Text1_Change, which keeps the
// last good value of the field being edited and writes it back when a change
// brought in a second separator or pasted something that is not a number.

#include "shell/form1.h"
#include "shell/status_bar.h"
#include "solver/number_text.h"

#include <QApplication>
#include <QClipboard>

namespace {

const QColor kFocusedColour(255, 255, 192);
const QColor kUnfocusedColour(255, 255, 255);

void setBase(QLineEdit* field, const QColor& colour)
{
    QPalette palette = field->palette();
    palette.setColor(QPalette::Base, colour);
    field->setPalette(palette);
}

}  // namespace

TextBox* Form1::activeField() const
{
    return Text1[CampoActivo.value_or(0)];
}

QString Form1::activeFieldNumber() const
{
    return QString::number(CampoActivo.value_or(0) + 1);
}

QString Form1::valueText() const
{
    return QString::fromStdString(trx::editableNumberText(ValorCampo, SeparadorDecimal));
}

void Form1::Text1_GotFocus(int index)
{
    TextBox* field = Text1[index];
    field->selectAll();
    setBase(field, kFocusedColour);
    CampoActivo = index;
    if (const auto value = trx::parseNumber(field->text().toStdString(), SeparadorDecimal))
        ValorCampo = *value;
}

void Form1::Text1_LostFocus(int index)
{
    setBase(Text1[index], kUnfocusedColour);
    setStatusHint(QString());
}

void Form1::Text1_Click(int index)
{
    if (const auto value = trx::parseNumber(Text1[index]->text().toStdString(), SeparadorDecimal))
        ValorCampo = *value;
}

// Runs nested inside whatever wrote the text; the repairs write again, which
// runs it once more on a text that is a number.
void Form1::Text1_Change(int index)
{
    TextBox* field = Text1[index];
    if (CampoActivo) {
        const QString active = Text1[*CampoActivo]->text();
        if (active.count(QLatin1Char(',')) + active.count(QLatin1Char('.')) >= 2) {
            MostrarError(MsgPortapapeles);
            field->setText(valueText());
        }
    }
    const std::optional<double> value = trx::parseNumber(field->text().toStdString(), SeparadorDecimal);
    if (value)
        ValorCampo = *value;
    // A number in the making ("-", "5E-") must survive while it is typed.
    if (Tecleando)
        return;

    if (!field->isEnabled() || field->text().isEmpty() || value)
        return;
    const QString clipboard = QApplication::clipboard()->text();
    if (clipboard.isEmpty() || trx::isNumeric(clipboard.toStdString(), SeparadorDecimal))
        return;
    MostrarError(tr("Valor actual del texto (%1) no válido\r\nSe procede a reparar el texto.").arg(index + 1));
    field->setText(valueText());
}

// A separator typed at the start of a number ends as "0" and the separator.
void Form1::Text1_KeyUp()
{
    TextBox* field = activeField();
    const QString text = field->text();
    if (!text.startsWith(QLatin1Char(SeparadorDecimal)))
        return;
    field->setText(QStringLiteral("0") + text);
    field->end(false);
    field->setFocus();
}
