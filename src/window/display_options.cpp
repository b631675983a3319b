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
    show(options_.alwaysOnTop, {menus_.mnuVisible, menus_.mnuVisible1}, "Sie");
    show(options_.rightSideZero, {menus_.mnuIgualacero}, "Si=0");
    show(options_.scientific, {menus_.mnuNota}, "Not");
    show(options_.simplify, {menus_.mnusimpli}, "Sim");
    show(options_.advanced, {menus_.mnuAvanzado}, "Ava");
    for (QAction* item : {menus_.mnusepa6, menus_.mnuPi->menuAction(), menus_.mnuElv->menuAction(), menus_.mnuInvertir})
        item->setVisible(options_.advanced);
}

void Form1::mnuNota_Click()
{
    if (const auto checked = fields_->ComprobarDatos(CoefficientFields::ErrorFocus::Keep)) {
        options_.scientific = !options_.scientific;
        controls_.showNotation(*checked, options_.scientific, SeparadorDecimal);
    }
    showOptions();
}

void Form1::mnuIgualacero_Click()
{
    options_.rightSideZero = !options_.rightSideZero;
    showOptions();
    controls_.Text1[3]->setText(QStringLiteral("0"));
    controls_.Text1[3]->setEnabled(!options_.rightSideZero);
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
    if (controls_.Label3->text() == QLatin1String("X")) {
        controls_.Label3->clear();
        controls_.Text1[1]->clear();
        controls_.Text1[1]->setEnabled(false);
    } else {
        controls_.Label3->setText(QStringLiteral("X"));
        controls_.Text1[1]->setEnabled(true);
        controls_.Text1[1]->clear();
    }
}
