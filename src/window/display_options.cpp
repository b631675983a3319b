// SPDX-License-Identifier: GPL-3.0-or-later
// The display options of the Opciones menu and the linear-term switch.
//
// Each option is a toggle of its value in options_; every command that
// changes one ends by showing options_ again on the menu items' check marks
// and the toolbar buttons, which Qt has toggled on the click already, and on
// the Avanzado items, which show while that option is on.

#include "window/coefficient_fields.h"
#include "window/form1.h"

#include <QAction>
#include <QMenu>

void Form1::showOptions()
{
    const auto show = [this](bool on, std::initializer_list<QAction*> items, const char* key) {
        for (QAction* item : items) {
            if (item != nullptr)  // the pop-up menu's, once it exists
                item->setChecked(on);
        }
        toolbarButton(key)->setChecked(on);
    };
    show(options_.alwaysOnTop, {mnuVisible, mnuVisible1}, "Sie");
    show(options_.rightSideZero, {mnuIgualacero}, "Si=0");
    show(options_.scientific, {mnuNota}, "Not");
    show(options_.simplify, {mnusimpli}, "Sim");
    show(options_.advanced, {mnuAvanzado}, "Ava");
    for (QAction* item : {mnusepa6, mnuPi->menuAction(), mnuElv->menuAction(), mnuInvertir})
        item->setVisible(options_.advanced);
}

void Form1::mnuNota_Click()
{
    if (const auto checked = fields_->ComprobarDatos(CoefficientFields::ErrorFocus::Keep)) {
        options_.scientific = !options_.scientific;
        showNotation(*checked, options_.scientific, SeparadorDecimal);
    }
    showOptions();
}

void Form1::mnuIgualacero_Click()
{
    options_.rightSideZero = !options_.rightSideZero;
    showOptions();
    Text1[3]->setText(QStringLiteral("0"));
    Text1[3]->setEnabled(!options_.rightSideZero);
}

void Form1::mnusimpli_Click()
{
    options_.simplify = !options_.simplify;
    showOptions();
}

void Form1::mnuAvanzado_Click()
{
    options_.advanced = !options_.advanced;
    showOptions();
}

// A click on the "X" label removes the linear term or brings it back; either
// way the coefficient field is left empty.
void Form1::Label3_Click()
{
    if (Label3->text() == QLatin1String("X")) {
        Label3->clear();
        Text1[1]->clear();
        Text1[1]->setEnabled(false);
    } else {
        Label3->setText(QStringLiteral("X"));
        Text1[1]->setEnabled(true);
        Text1[1]->clear();
    }
}
