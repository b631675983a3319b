// SPDX-License-Identifier: GPL-3.0-or-later
// Opening the Practicar window, built the first time it is asked for.

#include "practice_window/practicar.h"
#include "window/form1.h"

void Form1::mnuPracticar_Click()
{
    auto* practice = findChild<Practicar*>(QString(), Qt::FindDirectChildrenOnly);
    if (practice == nullptr)
        practice = new Practicar(this, *platform_, SeparadorDecimal);
    practice->show();
    practice->raise();
    practice->activateWindow();
}
