// SPDX-License-Identifier: GPL-3.0-or-later
// Printing, kept out of the program's start-up: Qt Print Support loads only
// when the user asks to print, as this small module that the Desarrollo
// window opens then.  The window hands in how to paint the pages.

#include <QCoreApplication>
#include <QPagedPaintDevice>
#include <QPrintDialog>
#include <QPrinter>

using PaintPages = void (*)(QPagedPaintDevice& device, void* context);

// Asks for a printer and prints; false when the user cancels.
extern "C" Q_DECL_EXPORT bool trxPrintPages(QWidget* owner, PaintPages paint, void* context)
{
    QPrinter printer;
    QPrintDialog dialog(&printer, owner);
    dialog.setWindowTitle(QCoreApplication::translate("Desarrollo", "Imprimir"));
    if (dialog.exec() != QDialog::Accepted)
        return false;
    paint(printer, context);
    return true;
}
