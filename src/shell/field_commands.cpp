// SPDX-License-Identifier: GPL-3.0-or-later
// The commands on the coefficient fields: the check before a solve, the
// error reporting they share, the Edición commands on the focused text box
// and the Opciones commands that replace a field's number by a function of
// itself (solver/value_commands.h).  With the focus on a control that is no
// text box, the commands that need one fail with NotSupported, which
// disables the edit and value items.

#include "field/validation.h"
#include "settings/settings_table.h"
#include "shell/form1.h"
#include "shell/platform.h"
#include "solver/number_text.h"

#include <QApplication>
#include <QClipboard>
#include <QMenu>

// Writes the defaults of empty fields, then reports the first field that is
// not a number and, unless told to keep it where it is, moves the focus
// there.  Returns whether all four hold numbers.
bool Form1::ComprobarDatos(ErrorFocus focus)
{
    std::array<std::string, 4> texts;
    for (int i = 0; i < 4; ++i)
        texts[i] = Text1[i]->text().toStdString();
    const trx::CheckedFields checked = trx::ComprobarDatos(texts, Text1[1]->isEnabled(), SeparadorDecimal);
    for (int i = 0; i < 4; ++i) {
        if (checked.texts[i] != texts[i])
            Text1[i]->setText(QString::fromStdString(checked.texts[i]));
    }
    if (!checked.firstBad)
        return true;
    MostrarError(notANumberMessage(*checked.firstBad));
    if (focus == ErrorFocus::Move)
        EnfocarError(*checked.firstBad);
    return false;
}

QString Form1::notANumberMessage(int field) const
{
    // The limits of the range are written with the separator in use.
    const QChar separator = QLatin1Char(SeparadorDecimal);
    const QString largest = QStringLiteral("1") + separator + QStringLiteral("79769313486232E308");
    const QString smallest = QStringLiteral("4") + separator + QStringLiteral("94065645841247E-324");
    return tr("Texto numérico %1 no válido. Este error puede deberse a que hay uno o más "
              "caracteres no válidos en el cuadro de texto.\r\nCompruebe que el número está "
              "entre los intervalos -%2 a -%3 para valores negativos y de %3 a %2 para "
              "valores positivos.")
        .arg(QString::number(field + 1), largest, smallest);
}

void Form1::EnfocarError(int field)
{
    Text1[field]->setFocus();
    Text1[field]->selectAll();
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
        for (QAction* item : {mnuPi->menuAction(), mnuPegar, mnuCortar, mnuCopiar, mnuBorrar1, mnuBorrarTodo,
                              mnuseleccionar, mnuElv->menuAction(), mnuInvertir})
            item->setEnabled(false);
        mnuBorrar1->setText(tr("&Borrar"));
        mnuseleccionar->setText(tr("&Seleccionar"));
        return;
    default:
        MostrarError(tr("Error: No se puede continuar con la operación"));
        return;
    }
}

QLineEdit* Form1::focusedTextBox() const
{
    return qobject_cast<QLineEdit*>(QApplication::focusWidget());
}

void Form1::Deshacer()
{
    if (QLineEdit* box = focusedTextBox(); box != nullptr && box->isUndoAvailable())
        box->undo();
}

// Runs an edit operation on the focused text box; with nothing selected,
// the operations that need a selection take the whole text.  A result box
// is read-only: operations that change the text leave it alone.
void Form1::editFocused(const std::function<void(QLineEdit&)>& operation, bool needsSelection, bool changesText)
{
    QLineEdit* box = focusedTextBox();
    if (box == nullptr)
        return TratarError(trx::ErrorCode::NotSupported);
    if (changesText && box->isReadOnly())
        return;
    if (needsSelection && !box->hasSelectedText())
        box->selectAll();
    operation(*box);
}

void Form1::Cortar()
{
    editFocused(&QLineEdit::cut, true, true);
}

void Form1::Copiar()
{
    editFocused(&QLineEdit::copy, true, false);
}

void Form1::Pegar()
{
    editFocused(&QLineEdit::paste, false, true);
}

void Form1::mnuBorrar1_Click()
{
    editFocused(&QLineEdit::del, true, true);
}

void Form1::mnuBorrarTodo_Click()
{
    for (TextBox* field : Text1) {
        field->selectAll();
        field->del();
    }
    QApplication::clipboard()->clear();
}

void Form1::mnuseleccionar_Click()
{
    editFocused(&QLineEdit::selectAll, false, false);
}

// Runs as the Edición menu opens: what can be done, and on which field.
void Form1::mnuEdi_Click()
{
    const QLineEdit* box = focusedTextBox();
    if (box == nullptr)
        return TratarError(trx::ErrorCode::NotSupported);
    const QString field = activeFieldNumber();

    const QString selected = box->selectedText();
    const bool wholeTextSelected = !selected.isEmpty() && selected == box->text();
    const bool somethingToSelect = !wholeTextSelected && !box->text().isEmpty();
    const bool somethingToCopy = !selected.isEmpty() || !box->text().isEmpty();
    mnuCopiar->setEnabled(somethingToCopy);
    mnuCortar->setEnabled(somethingToCopy);
    mnuseleccionar->setEnabled(somethingToSelect);
    mnuseleccionar->setText(somethingToSelect ? tr("&Seleccionar (%1º)").arg(field) : tr("&Seleccionar"));

    const QString clipboard = QApplication::clipboard()->text();
    mnuPegar->setEnabled(!clipboard.isEmpty() && trx::isNumeric(clipboard.toStdString(), SeparadorDecimal));
    mnuDeshacer->setEnabled(box->isUndoAvailable());

    const bool activeHasText = !activeField()->text().isEmpty();
    mnuBorrar1->setEnabled(activeHasText);
    mnuBorrar1->setText(activeHasText ? tr("&Borrar (%1º)").arg(field) : tr("&Borrar"));
    mnuBorrarTodo->setEnabled(
        std::any_of(Text1.begin(), Text1.end(), [](const TextBox* f) { return !f->text().isEmpty(); }));
}

// Replaces the number in `box`; a failure leaves it as it was and is
// reported.  Returns whether the number was replaced.
bool Form1::applyValueCommand(QLineEdit* box, trx::ValueCommand command, double exponent)
{
    const trx::ValueOutcome outcome =
        trx::applyValueCommand(command, box->text().toStdString(), SeparadorDecimal, exponent);
    if (outcome.error != trx::ErrorCode::None) {
        TratarError(outcome.error);
        return false;
    }
    box->setText(QString::fromStdString(outcome.text));
    return true;
}

void Form1::valueOfFocused(trx::ValueCommand command)
{
    QLineEdit* box = focusedTextBox();
    if (box == nullptr)
        return TratarError(trx::ErrorCode::NotSupported);
    if (!box->isReadOnly())  // a result stays as the solve wrote it
        applyValueCommand(box, command);
}

void Form1::mnuPorpi_Click()
{
    valueOfFocused(trx::ValueCommand::TimesPi);
}

void Form1::mnuDivipi_Click()
{
    valueOfFocused(trx::ValueCommand::OverPi);
}

void Form1::mnuEleva2_Click()
{
    applyValueCommand(activeField(), trx::ValueCommand::Square);
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
    if (!exponent)
        return MostrarError(tr("Valor no válido u Operación cancelada."));
    if (!applyValueCommand(activeField(), trx::ValueCommand::Power, *exponent))
        return;
    trx::StoredSettings typed;
    typed.exponent = answer.toStdString();
    saveSettings(typed, trx::SettingsWriter::PowerCommand);
}

void Form1::mnuInvertir_Click()
{
    applyValueCommand(activeField(), trx::ValueCommand::Reciprocal);
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
