// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The window's options as plain values: the four of the Opciones menu and
// always-on-top.  Form1 keeps one; its check items and toolbar buttons only
// show it, and the settings table stores it.

namespace trx {

struct DisplayOptions {
    bool alwaysOnTop = false;
    bool rightSideZero = false;
    bool scientific = false;
    bool simplify = false;
    bool advanced = false;
};

}  // namespace trx
