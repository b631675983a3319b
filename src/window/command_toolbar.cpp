// SPDX-License-Identifier: GPL-3.0-or-later
#include "window/command_toolbar.h"

#include "window/form1_text.h"

#include "window/command_table.h"
#include "window/form1.h"

#include <QCoreApplication>
#include <QToolButton>

CommandToolbar::CommandToolbar(Form1& window)
    // Its title shows in the menu bar's own context menu.
    : QToolBar(QCoreApplication::translate("Form1", "Toolbar1"), &window), window_(&window)
{
    setObjectName(QStringLiteral("Toolbar1"));
    setMovable(false);
    setFloatable(false);
    setToolButtonStyle(Qt::ToolButtonIconOnly);
    setIconSize(QSize(32, 32));
    toggleViewAction()->setEnabled(false);
    window.addToolBar(Qt::TopToolBarArea, this);
    addButtons();
    // The button that shows the buttons a narrow window cuts off.
    if (auto* more = findChild<QToolButton*>(QStringLiteral("qt_toolbar_ext_button")))
        more->setAccessibleName(QCoreApplication::translate("Form1", "Más botones"));
    connect(this, &QToolBar::actionTriggered, this, &CommandToolbar::Toolbar1_ButtonClick);
}

void CommandToolbar::addButtons()
{
    for (const Form1Command& row : form1Commands()) {
        if (row.kind == Form1Command::ButtonGap)
            addSeparator();
        if (!row.isButton())
            continue;
        // One set of pictures (the desktop's icon theme cost start-up 3 ms on X11).
        const QIcon picture(QStringLiteral(":/icons/%1.svg").arg(QLatin1String(row.picture)));
        QAction* button = addAction(picture, form1Text(row.text));
        button->setObjectName(QLatin1String(row.name));
        button->setToolTip(form1Text(row.toolTip != nullptr ? row.toolTip : row.text));
        button->setCheckable(row.kind == Form1Command::CheckButton);
        widgetForAction(button)->setFixedSize(38, 39);
    }
}

// Toolbar buttons are told apart by their key, compared exactly.
void CommandToolbar::Toolbar1_ButtonClick(QAction* button)
{
    for (const Form1Command& row : form1Commands()) {
        if (row.isButton() && button->objectName() == QLatin1String(row.name)) {
            (window_->*row.handler)();
            return;
        }
    }
}

QAction* CommandToolbar::button(const char* key) const
{
    return findChild<QAction*>(QLatin1String(key), Qt::FindDirectChildrenOnly);
}
