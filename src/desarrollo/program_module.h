// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The program's modules (the solver, printing, the plot) load only when
// first used, so that their libraries cost nothing at start-up.  They sit
// beside the program in a build and in the program's library folder once
// installed.

#include <QFunctionPointer>

// The function `symbol` of the module `name`; null when the module or the
// function is missing.  A loaded module stays loaded.
QFunctionPointer programModuleFunction(const char* name, const char* symbol);
