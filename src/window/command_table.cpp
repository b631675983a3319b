// SPDX-License-Identifier: GPL-3.0-or-later
#include "window/command_table.h"

#include "window/form1.h"

// In the order each menu and the toolbar show them.
const std::vector<Form1Command>& form1Commands()
{
    using C = Form1Command;
    // clang-format off
    static const std::vector<Form1Command> table = {
        {C::TopMenu, &Form1Menus::mnuArchivo, "mnuArchivo", QT_TRANSLATE_NOOP("Form1", "&Archivo")},
        {C::Item, &Form1Menus::mnuArchivo, "mnuCalcular", QT_TRANSLATE_NOOP("Form1", "&Calcular"), Qt::Key_F5, &Form1::CmdCal_Click, &Form1Menus::mnuCalcular},
        {C::Item, &Form1Menus::mnuArchivo, "mnuEcuacion", QT_TRANSLATE_NOOP("Form1", "&Ecuación…"), Qt::CTRL | Qt::Key_E, &Form1::mnuEcuacion_Click, &Form1Menus::mnuEcuacion},
        {C::Item, &Form1Menus::mnuArchivo, "mnuDesarrollo", QT_TRANSLATE_NOOP("Form1", "&Desarrollo"), Qt::Key_F2, &Form1::mnuDesarrollo_Click, &Form1Menus::mnuDesarrollo},
        {C::Item, &Form1Menus::mnuArchivo, "mnuPracticar", QT_TRANSLATE_NOOP("Form1", "&Practicar"), Qt::Key_F10, &Form1::mnuPracticar_Click, &Form1Menus::mnuPracticar},
        {C::Separator, &Form1Menus::mnuArchivo, "mnusepa2"},
        {C::Item, &Form1Menus::mnuArchivo, "mnuSalir2", QT_TRANSLATE_NOOP("Form1", "&Salir"), Qt::CTRL | Qt::Key_S, &Form1::CmdSal_Click, &Form1Menus::mnuSalir2},
        {C::TopMenu, &Form1Menus::mnuEdi, "mnuEdi", QT_TRANSLATE_NOOP("Form1", "&Edición")},
        {C::Item, &Form1Menus::mnuEdi, "mnuDeshacer", QT_TRANSLATE_NOOP("Form1", "&Deshacer"), Qt::CTRL | Qt::Key_Z, &Form1::Deshacer, &Form1Menus::mnuDeshacer},
        {C::Separator, &Form1Menus::mnuEdi, "mnusepa4"},
        {C::Item, &Form1Menus::mnuEdi, "mnuCortar", QT_TRANSLATE_NOOP("Form1", "Co&rtar"), Qt::CTRL | Qt::Key_X, &Form1::Cortar, &Form1Menus::mnuCortar},
        {C::Item, &Form1Menus::mnuEdi, "mnuCopiar", QT_TRANSLATE_NOOP("Form1", "&Copiar"), Qt::CTRL | Qt::Key_C, &Form1::Copiar, &Form1Menus::mnuCopiar},
        {C::Item, &Form1Menus::mnuEdi, "mnuPegar", QT_TRANSLATE_NOOP("Form1", "&Pegar"), Qt::CTRL | Qt::Key_V, &Form1::Pegar, &Form1Menus::mnuPegar},
        {C::Separator, &Form1Menus::mnuEdi, "mnusepa5"},
        {C::Item, &Form1Menus::mnuEdi, "mnuBorrar1", QT_TRANSLATE_NOOP("Form1", "&Borrar"), Qt::Key_F4, &Form1::mnuBorrar1_Click, &Form1Menus::mnuBorrar1},
        {C::Item, &Form1Menus::mnuEdi, "mnuBorrarTodo", QT_TRANSLATE_NOOP("Form1", "B&orrar Todo"), Qt::CTRL | Qt::Key_F4, &Form1::mnuBorrarTodo_Click, &Form1Menus::mnuBorrarTodo},
        {C::Separator, &Form1Menus::mnuEdi, "mnusepa3"},
        {C::Item, &Form1Menus::mnuEdi, "mnuseleccionar", QT_TRANSLATE_NOOP("Form1", "&Seleccionar"), {}, &Form1::mnuseleccionar_Click, &Form1Menus::mnuseleccionar},
        {C::TopMenu, &Form1Menus::mnuOpci, "mnuOpci", QT_TRANSLATE_NOOP("Form1", "&Opciones")},
        {C::SubMenu, &Form1Menus::mnuPi, "mnuPi", QT_TRANSLATE_NOOP("Form1", "Número &PI")},
        {C::Item, &Form1Menus::mnuPi, "mnuPorpi", QT_TRANSLATE_NOOP("Form1", "&Multiplicar por PI"), Qt::CTRL | Qt::Key_F1, &Form1::mnuPorpi_Click, &Form1Menus::mnuPorpi},
        {C::Item, &Form1Menus::mnuPi, "mnuDivipi", QT_TRANSLATE_NOOP("Form1", "&Dividir entre PI"), Qt::CTRL | Qt::Key_F2, &Form1::mnuDivipi_Click, &Form1Menus::mnuDivipi},
        {C::SubMenu, &Form1Menus::mnuElv, "mnuElv", QT_TRANSLATE_NOOP("Form1", "&Elevar a")},
        {C::Item, &Form1Menus::mnuElv, "mnuEleva2", QT_TRANSLATE_NOOP("Form1", "&2"), Qt::SHIFT | Qt::Key_F2, &Form1::mnuEleva2_Click, &Form1Menus::mnuEleva2},
        {C::Item, &Form1Menus::mnuElv, "mnuElevar", QT_TRANSLATE_NOOP("Form1", "&Y"), Qt::SHIFT | Qt::Key_F3, &Form1::mnuElevar_Click, &Form1Menus::mnuElevar},
        {C::Item, &Form1Menus::mnuOpci, "mnuInvertir", QT_TRANSLATE_NOOP("Form1", "&Invertir 1/X"), Qt::CTRL | Qt::Key_I, &Form1::mnuInvertir_Click, &Form1Menus::mnuInvertir},
        {C::Separator, &Form1Menus::mnuOpci, "mnusepa6", nullptr, {}, nullptr, &Form1Menus::mnusepa6},
        {C::Item, &Form1Menus::mnuOpci, "mnuCentrar1", QT_TRANSLATE_NOOP("Form1", "C&entrar"), Qt::Key_F3, &Form1::mnuCentrar_Click, &Form1Menus::mnuCentrar1},
        {C::Item, &Form1Menus::mnuOpci, "mnuCalcu1", QT_TRANSLATE_NOOP("Form1", "&Calculadora"), Qt::Key_F6, &Form1::mnuCalcu_Click, &Form1Menus::mnuCalcu1},
        {C::Separator, &Form1Menus::mnuOpci, "munsepa3"},
        {C::CheckItem, &Form1Menus::mnuOpci, "mnuNota", QT_TRANSLATE_NOOP("Form1", "&Notación científica"), Qt::Key_F7, &Form1::mnuNota_Click, &Form1Menus::mnuNota},
        {C::CheckItem, &Form1Menus::mnuOpci, "mnuVisible1", QT_TRANSLATE_NOOP("Form1", "&Siempre Visible"), Qt::Key_F8, &Form1::mnuVisible_Click, &Form1Menus::mnuVisible1},
        {C::CheckItem, &Form1Menus::mnuOpci, "mnuIgualacero", QT_TRANSLATE_NOOP("Form1", "S&iempre = 0"), Qt::Key_F9, &Form1::mnuIgualacero_Click, &Form1Menus::mnuIgualacero},
        {C::CheckItem, &Form1Menus::mnuOpci, "mnusimpli", QT_TRANSLATE_NOOP("Form1", "Simplificar Raiz Compleja"), Qt::Key_F11, &Form1::mnusimpli_Click, &Form1Menus::mnusimpli},
        {C::Separator, &Form1Menus::mnuOpci, "munsepa4"},
        {C::CheckItem, &Form1Menus::mnuOpci, "mnuAvanzado", QT_TRANSLATE_NOOP("Form1", "&Avanzado"), Qt::Key_F12, &Form1::mnuAvanzado_Click, &Form1Menus::mnuAvanzado},
        {C::TopMenu, &Form1Menus::mnuAyuda, "mnuAyuda", QT_TRANSLATE_NOOP("Form1", "A&yuda")},
        {C::Item, &Form1Menus::mnuAyuda, "mnuAcerca", QT_TRANSLATE_NOOP("Form1", "&Acerca de..."), {}, &Form1::mnuAcerca_Click, &Form1Menus::mnuAcerca},

        {C::Item, &Form1Menus::mnuTarea, "mnuCentrar", QT_TRANSLATE_NOOP("Form1", "C&entrar"), {}, &Form1::mnuCentrar_Click, &Form1Menus::mnuCentrar},
        {C::Item, &Form1Menus::mnuTarea, "mnuBorrar", QT_TRANSLATE_NOOP("Form1", "&Borrar todo"), {}, &Form1::mnuBorrarTodo_Click, &Form1Menus::mnuBorrar},
        {C::Item, &Form1Menus::mnuTarea, "mnuCalcu", QT_TRANSLATE_NOOP("Form1", "&Calculadora"), {}, &Form1::mnuCalcu_Click, &Form1Menus::mnuCalcu},
        {C::Separator, &Form1Menus::mnuTarea, "mnusepa0"},
        {C::CheckItem, &Form1Menus::mnuTarea, "mnuVisible", QT_TRANSLATE_NOOP("Form1", "&Siempre Visible"), {}, &Form1::mnuVisible_Click, &Form1Menus::mnuVisible},
        {C::Separator, &Form1Menus::mnuTarea, "mnusepa1"},
        {C::Item, &Form1Menus::mnuTarea, "mnuSalir", QT_TRANSLATE_NOOP("Form1", "S&alir"), {}, &Form1::CmdSal_Click, &Form1Menus::mnuSalir},

        {C::ButtonGap, nullptr, nullptr},
        {C::Button, nullptr, "Eje", QT_TRANSLATE_NOOP("Form1", "Calcular"), {}, &Form1::CmdCal_Click, nullptr, nullptr, "calcular"},
        {C::ButtonGap, nullptr, nullptr},
        {C::Button, nullptr, "Des", QT_TRANSLATE_NOOP("Form1", "Deshacer"), {}, &Form1::Deshacer, nullptr, nullptr, "deshacer"},
        {C::Button, nullptr, "Cor", QT_TRANSLATE_NOOP("Form1", "Cortar"), {}, &Form1::Cortar, nullptr, nullptr, "cortar"},
        {C::Button, nullptr, "Cop", QT_TRANSLATE_NOOP("Form1", "Copiar"), {}, &Form1::Copiar, nullptr, nullptr, "copiar"},
        {C::Button, nullptr, "Peg", QT_TRANSLATE_NOOP("Form1", "Pegar"), {}, &Form1::Pegar, nullptr, nullptr, "pegar"},
        {C::ButtonGap, nullptr, nullptr},
        {C::Button, nullptr, "Bor", QT_TRANSLATE_NOOP("Form1", "Borrar"), {}, &Form1::mnuBorrar1_Click, nullptr, nullptr, "borrar"},
        {C::Button, nullptr, "BoTo", QT_TRANSLATE_NOOP("Form1", "Borrar Todo"), {}, &Form1::mnuBorrarTodo_Click, nullptr, nullptr, "borrar-todo"},
        {C::ButtonGap, nullptr, nullptr},
        {C::Button, nullptr, "Cen", QT_TRANSLATE_NOOP("Form1", "Centrar"), {}, &Form1::mnuCentrar_Click, nullptr, nullptr, "centrar"},
        {C::Button, nullptr, "Cal", QT_TRANSLATE_NOOP("Form1", "Calculadora"), {}, &Form1::mnuCalcu_Click, nullptr, QT_TRANSLATE_NOOP("Form1", "Ejecutar Calculadora"), "calculadora"},
        {C::ButtonGap, nullptr, nullptr},
        {C::CheckButton, nullptr, "Not", QT_TRANSLATE_NOOP("Form1", "Notación científica"), {}, &Form1::mnuNota_Click, nullptr, nullptr, "notacion"},
        {C::CheckButton, nullptr, "Sie", QT_TRANSLATE_NOOP("Form1", "Siempre Visible"), {}, &Form1::mnuVisible_Click, nullptr, nullptr, "siempre-visible"},
        {C::CheckButton, nullptr, "Si=0", QT_TRANSLATE_NOOP("Form1", "Siempre = 0"), {}, &Form1::mnuIgualacero_Click, nullptr, nullptr, "igual-cero"},
        {C::CheckButton, nullptr, "Sim", QT_TRANSLATE_NOOP("Form1", "Simplificar Solución Compleja"), {}, &Form1::mnusimpli_Click, nullptr, nullptr, "simplificar"},
        {C::CheckButton, nullptr, "Ava", QT_TRANSLATE_NOOP("Form1", "Avanzado"), {}, &Form1::mnuAvanzado_Click, nullptr, QT_TRANSLATE_NOOP("Form1", "Menú Avanzado"), "avanzado"},
        {C::ButtonGap, nullptr, nullptr},
        {C::Button, nullptr, "Ace", QT_TRANSLATE_NOOP("Form1", "Acerca de"), {}, &Form1::mnuAcerca_Click, nullptr, QT_TRANSLATE_NOOP("Form1", "Acerca de..."), "acerca"},
    };
    // clang-format on
    return table;
}
