// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The main window's commands: its menus and menu items, and one table of
// every menu, item and toolbar button with the handler each runs.

#include <QKeySequence>

#include <vector>

class Form1;
class QAction;
class QMenu;

struct Form1Menus {
    // Menu bar, items in menu order.
    QMenu* mnuArchivo = nullptr;
    QAction* mnuCalcular = nullptr;
    QAction* mnuDesarrollo = nullptr;
    QAction* mnuSalir2 = nullptr;
    QMenu* mnuEdi = nullptr;
    QAction* mnuDeshacer = nullptr;
    QAction* mnuCortar = nullptr;
    QAction* mnuCopiar = nullptr;
    QAction* mnuPegar = nullptr;
    QAction* mnuBorrar1 = nullptr;
    QAction* mnuBorrarTodo = nullptr;
    QAction* mnuseleccionar = nullptr;
    QMenu* mnuOpci = nullptr;
    QMenu* mnuPi = nullptr;
    QAction* mnuPorpi = nullptr;
    QAction* mnuDivipi = nullptr;
    QMenu* mnuElv = nullptr;
    QAction* mnuEleva2 = nullptr;
    QAction* mnuElevar = nullptr;
    QAction* mnuInvertir = nullptr;
    QAction* mnusepa6 = nullptr;
    QAction* mnuCentrar1 = nullptr;
    QAction* mnuCalcu1 = nullptr;
    QAction* mnuNota = nullptr;
    QAction* mnuVisible1 = nullptr;
    QAction* mnuIgualacero = nullptr;
    QAction* mnusimpli = nullptr;
    QAction* mnuAvanzado = nullptr;
    QMenu* mnuAyuda = nullptr;
    QAction* mnuAcerca = nullptr;
    // The pop-up menu, never in the menu bar; built when first shown.
    QMenu* mnuTarea = nullptr;
    QAction* mnuCentrar = nullptr;
    QAction* mnuBorrar = nullptr;
    QAction* mnuCalcu = nullptr;
    QAction* mnuVisible = nullptr;
    QAction* mnuSalir = nullptr;
};

struct Form1Command {
    enum Kind { TopMenu, SubMenu, Item, CheckItem, Separator, Button, CheckButton, ButtonGap };
    Kind kind;
    QMenu* Form1Menus::*menu;  // a menu's own member; an item's or separator's menu
    const char* name;          // objectName; a toolbar button's key
    const char* text = nullptr;
    QKeySequence keys = {};
    void (Form1::*handler)() = nullptr;
    QAction* Form1Menus::*item = nullptr;  // the member that keeps the item, when one does
    const char* toolTip = nullptr;         // a button's; its text when null
    const char* picture = nullptr;         // a button's, in the icons folder

    bool isItem() const { return kind == Item || kind == CheckItem; }
    bool isButton() const { return kind == Button || kind == CheckButton; }
};

// In the order each menu and the toolbar show them.  The pop-up menu's items
// are built when it first opens.
const std::vector<Form1Command>& form1Commands();
