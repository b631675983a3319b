// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// One table of every menu, item and toolbar button of the main window, with
// the handler each runs.

#include "window/menus.h"

#include <QKeySequence>

#include <vector>

class Form1;

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
