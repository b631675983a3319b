// SPDX-License-Identifier: GPL-3.0-or-later
// The window's commands: one table of every menu, menu item and toolbar
// button, with the handler each runs, and the routing of toolbar clicks and
// of the pop-up menu.

#include "shell/form1.h"

#include <QCursor>
#include <QMenu>
#include <QMenuBar>
#include <QToolBar>

struct Form1::Command {
    enum Kind { TopMenu, SubMenu, Item, CheckItem, Separator, Button, CheckButton, ButtonGap };
    Kind kind;
    QMenu* Form1::*menu;  // a menu's own member; an item's or separator's menu
    const char* name;     // objectName; a toolbar button's key
    const char* text = nullptr;
    QKeySequence keys = {};
    void (Form1::*handler)() = nullptr;
    QAction* Form1::*item = nullptr;  // the member that keeps the item, when one does
    const char* toolTip = nullptr;    // a button's; its text when null
    const char* themeIcon = "";       // freedesktop name; empty when the theme has none that fits
    const char* ownIcon = nullptr;
};

// In the order each menu and the toolbar show them.  The pop-up menu's items
// are built when it first opens.
const std::vector<Form1::Command>& Form1::commands()
{
    using C = Command;
    // clang-format off
    static const std::vector<Command> table = {
        {C::TopMenu, &Form1::mnuArchivo, "mnuArchivo", QT_TR_NOOP("&Archivo")},
        {C::Item, &Form1::mnuArchivo, "mnuCalcular", QT_TR_NOOP("&Calcular"), Qt::Key_F5, &Form1::CmdCal_Click, &Form1::mnuCalcular},
        {C::Item, &Form1::mnuArchivo, "mnuDesarrollo", QT_TR_NOOP("&Desarrollo"), Qt::Key_F2, &Form1::mnuDesarrollo_Click, &Form1::mnuDesarrollo},
        {C::Separator, &Form1::mnuArchivo, "mnusepa2"},
        {C::Item, &Form1::mnuArchivo, "mnuSalir2", QT_TR_NOOP("&Salir"), Qt::CTRL | Qt::Key_S, &Form1::CmdSal_Click, &Form1::mnuSalir2},
        {C::TopMenu, &Form1::mnuEdi, "mnuEdi", QT_TR_NOOP("&Edición")},
        {C::Item, &Form1::mnuEdi, "mnuDeshacer", QT_TR_NOOP("&Deshacer"), Qt::CTRL | Qt::Key_Z, &Form1::Deshacer, &Form1::mnuDeshacer},
        {C::Separator, &Form1::mnuEdi, "mnusepa4"},
        {C::Item, &Form1::mnuEdi, "mnuCortar", QT_TR_NOOP("Co&rtar"), Qt::CTRL | Qt::Key_X, &Form1::Cortar, &Form1::mnuCortar},
        {C::Item, &Form1::mnuEdi, "mnuCopiar", QT_TR_NOOP("&Copiar"), Qt::CTRL | Qt::Key_C, &Form1::Copiar, &Form1::mnuCopiar},
        {C::Item, &Form1::mnuEdi, "mnuPegar", QT_TR_NOOP("&Pegar"), Qt::CTRL | Qt::Key_V, &Form1::Pegar, &Form1::mnuPegar},
        {C::Separator, &Form1::mnuEdi, "mnusepa5"},
        {C::Item, &Form1::mnuEdi, "mnuBorrar1", nullptr, Qt::Key_F4, &Form1::mnuBorrar1_Click, &Form1::mnuBorrar1},
        {C::Item, &Form1::mnuEdi, "mnuBorrarTodo", QT_TR_NOOP("B&orrar Todo"), Qt::CTRL | Qt::Key_F4, &Form1::mnuBorrarTodo_Click, &Form1::mnuBorrarTodo},
        {C::Separator, &Form1::mnuEdi, "mnusepa3"},
        {C::Item, &Form1::mnuEdi, "mnuseleccionar", nullptr, {}, &Form1::mnuseleccionar_Click, &Form1::mnuseleccionar},
        {C::TopMenu, &Form1::mnuOpci, "mnuOpci", QT_TR_NOOP("&Opciones")},
        {C::SubMenu, &Form1::mnuPi, "mnuPi", QT_TR_NOOP("Número &PI")},
        {C::Item, &Form1::mnuPi, "mnuPorpi", nullptr, Qt::CTRL | Qt::Key_F1, &Form1::mnuPorpi_Click, &Form1::mnuPorpi},
        {C::Item, &Form1::mnuPi, "mnuDivipi", nullptr, Qt::CTRL | Qt::Key_F2, &Form1::mnuDivipi_Click, &Form1::mnuDivipi},
        {C::SubMenu, &Form1::mnuElv, "mnuElv", QT_TR_NOOP("&Elevar a")},
        {C::Item, &Form1::mnuElv, "mnuEleva2", nullptr, Qt::SHIFT | Qt::Key_F2, &Form1::mnuEleva2_Click, &Form1::mnuEleva2},
        {C::Item, &Form1::mnuElv, "mnuElevar", nullptr, Qt::SHIFT | Qt::Key_F3, &Form1::mnuElevar_Click, &Form1::mnuElevar},
        {C::Item, &Form1::mnuOpci, "mnuInvertir", nullptr, Qt::CTRL | Qt::Key_I, &Form1::mnuInvertir_Click, &Form1::mnuInvertir},
        {C::Separator, &Form1::mnuOpci, "mnusepa6", nullptr, {}, nullptr, &Form1::mnusepa6},
        {C::Item, &Form1::mnuOpci, "mnuCentrar1", QT_TR_NOOP("C&entrar"), Qt::Key_F3, &Form1::mnuCentrar_Click, &Form1::mnuCentrar1},
        {C::Item, &Form1::mnuOpci, "mnuCalcu1", QT_TR_NOOP("&Calculadora"), Qt::Key_F6, &Form1::mnuCalcu_Click, &Form1::mnuCalcu1},
        {C::Separator, &Form1::mnuOpci, "munsepa3"},
        {C::CheckItem, &Form1::mnuOpci, "mnuNota", QT_TR_NOOP("&Notación científica"), Qt::Key_F7, &Form1::mnuNota_Click, &Form1::mnuNota},
        {C::CheckItem, &Form1::mnuOpci, "mnuVisible1", QT_TR_NOOP("&Siempre Visible"), Qt::Key_F8, &Form1::mnuVisible_Click, &Form1::mnuVisible1},
        {C::CheckItem, &Form1::mnuOpci, "mnuIgualacero", QT_TR_NOOP("S&iempre = 0"), Qt::Key_F9, &Form1::mnuIgualacero_Click, &Form1::mnuIgualacero},
        {C::CheckItem, &Form1::mnuOpci, "mnusimpli", QT_TR_NOOP("Simplificar Raiz Compleja"), Qt::Key_F11, &Form1::mnusimpli_Click, &Form1::mnusimpli},
        {C::Separator, &Form1::mnuOpci, "munsepa4"},
        {C::CheckItem, &Form1::mnuOpci, "mnuAvanzado", QT_TR_NOOP("&Avanzado"), Qt::Key_F12, &Form1::mnuAvanzado_Click, &Form1::mnuAvanzado},
        {C::TopMenu, &Form1::mnuAyuda, "mnuAyuda", QT_TR_NOOP("A&yuda")},
        {C::Item, &Form1::mnuAyuda, "mnuAcerca", QT_TR_NOOP("&Acerca de..."), {}, &Form1::mnuAcerca_Click, &Form1::mnuAcerca},

        {C::Item, &Form1::mnuTarea, "mnuCentrar", QT_TR_NOOP("C&entrar"), {}, &Form1::mnuCentrar_Click, &Form1::mnuCentrar},
        {C::Item, &Form1::mnuTarea, "mnuBorrar", QT_TR_NOOP("&Borrar todo"), {}, &Form1::mnuBorrarTodo_Click, &Form1::mnuBorrar},
        {C::Item, &Form1::mnuTarea, "mnuCalcu", QT_TR_NOOP("&Calculadora"), {}, &Form1::mnuCalcu_Click, &Form1::mnuCalcu},
        {C::Separator, &Form1::mnuTarea, "mnusepa0"},
        {C::CheckItem, &Form1::mnuTarea, "mnuVisible", QT_TR_NOOP("&Siempre Visible"), {}, &Form1::mnuVisible_Click, &Form1::mnuVisible},
        {C::Separator, &Form1::mnuTarea, "mnusepa1"},
        {C::Item, &Form1::mnuTarea, "mnuSalir", QT_TR_NOOP("S&alir"), {}, &Form1::CmdSal_Click, &Form1::mnuSalir},

        {C::ButtonGap, nullptr, nullptr},
        {C::Button, nullptr, "Eje", QT_TR_NOOP("Calcular"), {}, &Form1::CmdCal_Click, nullptr, nullptr, "", "calcular"},
        {C::ButtonGap, nullptr, nullptr},
        {C::Button, nullptr, "Des", QT_TR_NOOP("Deshacer"), {}, &Form1::Deshacer, nullptr, nullptr, "edit-undo", "deshacer"},
        {C::Button, nullptr, "Cor", QT_TR_NOOP("Cortar"), {}, &Form1::Cortar, nullptr, nullptr, "edit-cut", "cortar"},
        {C::Button, nullptr, "Cop", QT_TR_NOOP("Copiar"), {}, &Form1::Copiar, nullptr, nullptr, "edit-copy", "copiar"},
        {C::Button, nullptr, "Peg", QT_TR_NOOP("Pegar"), {}, &Form1::Pegar, nullptr, nullptr, "edit-paste", "pegar"},
        {C::ButtonGap, nullptr, nullptr},
        {C::Button, nullptr, "Bor", QT_TR_NOOP("Borrar"), {}, &Form1::mnuBorrar1_Click, nullptr, nullptr, "edit-delete", "borrar"},
        {C::Button, nullptr, "BoTo", QT_TR_NOOP("Borrar Todo"), {}, &Form1::mnuBorrarTodo_Click, nullptr, nullptr, "edit-clear", "borrar-todo"},
        {C::ButtonGap, nullptr, nullptr},
        {C::Button, nullptr, "Cen", QT_TR_NOOP("Centrar"), {}, &Form1::mnuCentrar_Click, nullptr, nullptr, "", "centrar"},
        {C::Button, nullptr, "Cal", QT_TR_NOOP("Calculadora"), {}, &Form1::mnuCalcu_Click, nullptr, QT_TR_NOOP("Ejecutar Calculadora"), "accessories-calculator", "calculadora"},
        {C::ButtonGap, nullptr, nullptr},
        {C::CheckButton, nullptr, "Not", QT_TR_NOOP("Notación científica"), {}, &Form1::mnuNota_Click, nullptr, nullptr, "", "notacion"},
        {C::CheckButton, nullptr, "Sie", QT_TR_NOOP("Siempre Visible"), {}, &Form1::mnuVisible_Click, nullptr, nullptr, "", "siempre-visible"},
        {C::CheckButton, nullptr, "Si=0", QT_TR_NOOP("Siempre = 0"), {}, &Form1::mnuIgualacero_Click, nullptr, nullptr, "", "igual-cero"},
        {C::CheckButton, nullptr, "Sim", QT_TR_NOOP("Simplificar Solución Compleja"), {}, &Form1::mnusimpli_Click, nullptr, nullptr, "", "simplificar"},
        {C::CheckButton, nullptr, "Ava", QT_TR_NOOP("Avanzado"), {}, &Form1::mnuAvanzado_Click, nullptr, QT_TR_NOOP("Menú Avanzado"), "", "avanzado"},
        {C::ButtonGap, nullptr, nullptr},
        {C::Button, nullptr, "Ace", QT_TR_NOOP("Acerca de"), {}, &Form1::mnuAcerca_Click, nullptr, QT_TR_NOOP("Acerca de..."), "help-about", "acerca"},
    };
    // clang-format on
    return table;
}

// Builds the menus and items of the table: the menu bar's, or the pop-up
// menu's.
void Form1::createMenus(bool taskMenu)
{
    const auto name = [](QObject* object, const char* text) { object->setObjectName(QLatin1String(text)); };
    const auto addMenu = [&](QMenu* menu, const Command& row) {
        this->*row.menu = menu;
        name(menu, row.name);
        name(menu->menuAction(), row.name);
        return menu;
    };
    QMenu* top = nullptr;
    for (const Command& row : commands()) {
        const bool wanted = (row.menu == &Form1::mnuTarea) == taskMenu;
        if (row.kind == Command::TopMenu && !taskMenu) {
            top = addMenu(menuBar()->addMenu(tr(row.text)), row);
        } else if (row.kind == Command::SubMenu && !taskMenu) {
            addMenu(top->addMenu(tr(row.text)), row);
        } else if (row.kind == Command::Separator && wanted) {
            QAction* line = (this->*row.menu)->addSeparator();
            name(line, row.name);
            if (row.item != nullptr)
                this->*row.item = line;
        } else if ((row.kind == Command::Item || row.kind == Command::CheckItem) && wanted) {
            QAction* action = (this->*row.menu)->addAction(row.text != nullptr ? tr(row.text) : QString());
            name(action, row.name);
            action->setShortcut(row.keys);
            action->setCheckable(row.kind == Command::CheckItem);
            connect(action, &QAction::triggered, this, row.handler);
            this->*row.item = action;
        }
    }
    if (!taskMenu) {
        for (QAction* advanced : {mnuPi->menuAction(), mnuElv->menuAction(), mnuInvertir, mnusepa6})
            advanced->setVisible(false);
    }
}

void Form1::createToolbar()
{
    // Its title shows in the menu bar's own context menu.
    Toolbar1 = new QToolBar(tr("Toolbar1"), this);
    Toolbar1->setObjectName(QStringLiteral("Toolbar1"));
    Toolbar1->setMovable(false);
    Toolbar1->setFloatable(false);
    Toolbar1->setToolButtonStyle(Qt::ToolButtonIconOnly);
    Toolbar1->setIconSize(QSize(32, 32));
    Toolbar1->toggleViewAction()->setEnabled(false);
    addToolBar(Qt::TopToolBarArea, Toolbar1);

    for (const Command& row : commands()) {
        if (row.kind == Command::ButtonGap)
            Toolbar1->addSeparator();
        if (row.kind != Command::Button && row.kind != Command::CheckButton)
            continue;
        const QIcon own(QStringLiteral(":/icons/%1.svg").arg(QLatin1String(row.ownIcon)));
        const QString theme = QLatin1String(row.themeIcon);
        QAction* button = Toolbar1->addAction(theme.isEmpty() ? own : QIcon::fromTheme(theme, own), tr(row.text));
        button->setObjectName(QLatin1String(row.name));
        button->setToolTip(tr(row.toolTip != nullptr ? row.toolTip : row.text));
        button->setCheckable(row.kind == Command::CheckButton);
        Toolbar1->widgetForAction(button)->setFixedSize(38, 39);
    }
    connect(Toolbar1, &QToolBar::actionTriggered, this, &Form1::Toolbar1_ButtonClick);
}

// Toolbar buttons are told apart by their key, compared exactly.
void Form1::Toolbar1_ButtonClick(QAction* button)
{
    for (const Command& row : commands()) {
        if ((row.kind == Command::Button || row.kind == Command::CheckButton) &&
            button->objectName() == QLatin1String(row.name)) {
            (this->*row.handler)();
            return;
        }
    }
}

QAction* Form1::toolbarButton(const char* key) const
{
    return Toolbar1->findChild<QAction*>(QLatin1String(key), Qt::FindDirectChildrenOnly);
}

void Form1::showTaskMenu(Qt::MouseButton button)
{
    if (button != Qt::RightButton)
        return;
    if (mnuTarea == nullptr) {
        mnuTarea = new QMenu(tr("Menú"), this);
        mnuTarea->setObjectName(QStringLiteral("mnuTarea"));
        mnuTarea->menuAction()->setObjectName(QStringLiteral("mnuTarea"));
        createMenus(true);
        showOptions();
    }
    mnuTarea->exec(QCursor::pos());
}
