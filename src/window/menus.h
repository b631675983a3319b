// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The main window's menus and menu items, by their names.

class QAction;
class QMenu;

struct Form1Menus {
    // Menu bar, items in menu order.
    QMenu* mnuArchivo = nullptr;
    QAction* mnuCalcular = nullptr;
    QAction* mnuEcuacion = nullptr;
    QAction* mnuDesarrollo = nullptr;
    QAction* mnuPracticar = nullptr;
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
