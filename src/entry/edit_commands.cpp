// SPDX-License-Identifier: GPL-3.0-or-later
// The Edición commands: they act on whichever text box has the focus, with
// the text box's own editing operations, and end with TratarError.  With the
// focus elsewhere (a button) they have nothing to act on and fail with
// NotSupported, which disables the edit and value items.

#include "shell/form1.h"
#include "solver/number_text.h"

#include <QApplication>
#include <QClipboard>
#include <QMenu>

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
    const QString text = box->text();
    if (!selected.isEmpty() && selected == text) {
        mnuseleccionar->setEnabled(false);
        mnuseleccionar->setText(tr("&Seleccionar"));
        mnuCopiar->setEnabled(true);
        mnuCortar->setEnabled(true);
    } else if (!selected.isEmpty() || !text.isEmpty()) {
        mnuCopiar->setEnabled(true);
        mnuCortar->setEnabled(true);
        mnuseleccionar->setEnabled(true);
        mnuseleccionar->setText(tr("&Seleccionar (%1º)").arg(field));
    } else {
        mnuCopiar->setEnabled(false);
        mnuCortar->setEnabled(false);
        mnuseleccionar->setEnabled(false);
        mnuseleccionar->setText(tr("&Seleccionar"));
    }

    const QString clipboard = QApplication::clipboard()->text();
    mnuPegar->setEnabled(!clipboard.isEmpty() && trx::isNumeric(clipboard.toStdString(), SeparadorDecimal));
    mnuDeshacer->setEnabled(box->isUndoAvailable());

    const bool activeHasText = !activeField()->text().isEmpty();
    mnuBorrar1->setEnabled(activeHasText);
    mnuBorrar1->setText(activeHasText ? tr("&Borrar (%1º)").arg(field) : tr("&Borrar"));
    mnuBorrarTodo->setEnabled(
        std::any_of(Text1.begin(), Text1.end(), [](const TextBox* f) { return !f->text().isEmpty(); }));
}
