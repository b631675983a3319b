// SPDX-License-Identifier: GPL-3.0-or-later
// Built into a start-up probe to load Qt Print Support at start-up, as the
// program does: a reference that no linker may drop, whatever its --as-needed.

#include <QPrintDialog>

extern const QMetaObject* const qtPrintSupportLinked;
const QMetaObject* const qtPrintSupportLinked = &QPrintDialog::staticMetaObject;
