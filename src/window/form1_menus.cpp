// SPDX-License-Identifier: GPL-3.0-or-later
// The menus, items and toolbar, built from the command table.

#include "window/form1.h"

#include "window/command_table.h"
#include "window/command_toolbar.h"

#include <QMenu>
#include <QMenuBar>

// Builds the menus and items of the table: the menu bar's, or the pop-up
// menu's.
void Form1::createMenus(bool taskMenu)
{
    const auto name = [](QObject* object, const char* text) { object->setObjectName(QLatin1String(text)); };
    const auto addMenu = [&](QMenu* menu, const Form1Command& row) {
        menus_.*row.menu = menu;
        name(menu, row.name);
        name(menu->menuAction(), row.name);
        return menu;
    };
    QMenu* top = nullptr;
    for (const Form1Command& row : form1Commands()) {
        const bool wanted = (row.menu == &Form1Menus::mnuTarea) == taskMenu;
        if (row.kind == Form1Command::TopMenu && !taskMenu) {
            top = addMenu(menuBar()->addMenu(tr(row.text)), row);
        } else if (row.kind == Form1Command::SubMenu && !taskMenu) {
            addMenu(top->addMenu(tr(row.text)), row);
        } else if (row.kind == Form1Command::Separator && wanted) {
            QAction* line = (menus_.*row.menu)->addSeparator();
            name(line, row.name);
            if (row.item != nullptr)
                menus_.*row.item = line;
        } else if (row.isItem() && wanted) {
            QAction* action = (menus_.*row.menu)->addAction(row.text != nullptr ? tr(row.text) : QString());
            name(action, row.name);
            action->setShortcut(row.keys);
            action->setCheckable(row.kind == Form1Command::CheckItem);
            connect(action, &QAction::triggered, this, row.handler);
            menus_.*row.item = action;
        }
    }
}

void Form1::createToolbar()
{
    Toolbar1 = new CommandToolbar(*this);
    Toolbar1->setFixedHeight(controls_.px(Form1Controls::kToolbarHeight));
}
