// SPDX-License-Identifier: GPL-3.0-or-later
// The menus, items and toolbar keys built from the command table, and the
// routing of toolbar clicks and the pop-up menu through it.

#include "window/form1.h"

#include "window/command_table.h"

#include <QCursor>
#include <QMenu>
#include <QMenuBar>
#include <QToolBar>
#include <QToolButton>

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
    // Its title shows in the menu bar's own context menu.
    Toolbar1 = new QToolBar(tr("Toolbar1"), this);
    Toolbar1->setObjectName(QStringLiteral("Toolbar1"));
    Toolbar1->setMovable(false);
    Toolbar1->setFloatable(false);
    Toolbar1->setToolButtonStyle(Qt::ToolButtonIconOnly);
    Toolbar1->setIconSize(QSize(32, 32));
    Toolbar1->toggleViewAction()->setEnabled(false);
    addToolBar(Qt::TopToolBarArea, Toolbar1);

    for (const Form1Command& row : form1Commands()) {
        if (row.kind == Form1Command::ButtonGap)
            Toolbar1->addSeparator();
        if (!row.isButton())
            continue;
        // One set of pictures (the desktop's icon theme cost start-up 3 ms on X11).
        const QIcon picture(QStringLiteral(":/icons/%1.svg").arg(QLatin1String(row.picture)));
        QAction* button = Toolbar1->addAction(picture, tr(row.text));
        button->setObjectName(QLatin1String(row.name));
        button->setToolTip(tr(row.toolTip != nullptr ? row.toolTip : row.text));
        button->setCheckable(row.kind == Form1Command::CheckButton);
        Toolbar1->widgetForAction(button)->setFixedSize(38, 39);
    }
    // The button that shows the buttons a narrow window cuts off.
    if (auto* more = Toolbar1->findChild<QToolButton*>(QStringLiteral("qt_toolbar_ext_button")))
        more->setAccessibleName(tr("Más botones"));
    connect(Toolbar1, &QToolBar::actionTriggered, this, &Form1::Toolbar1_ButtonClick);
}

// Toolbar buttons are told apart by their key, compared exactly.
void Form1::Toolbar1_ButtonClick(QAction* button)
{
    for (const Form1Command& row : form1Commands()) {
        if (row.isButton() && button->objectName() == QLatin1String(row.name)) {
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
    if (menus_.mnuTarea == nullptr) {
        menus_.mnuTarea = new QMenu(tr("Menú"), this);
        menus_.mnuTarea->setObjectName(QStringLiteral("mnuTarea"));
        menus_.mnuTarea->menuAction()->setObjectName(QStringLiteral("mnuTarea"));
        createMenus(true);
        showOptions();
    }
    menus_.mnuTarea->exec(QCursor::pos());
}
