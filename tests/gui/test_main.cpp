// SPDX-License-Identifier: GPL-3.0-or-later
// The window tests: offscreen unless a display is asked for, in Spanish.

#include "shell/qt_platform.h"
#include "shell/solver.h"

#include <QApplication>
#include <QLocale>

#include <gtest/gtest.h>

int main(int argc, char* argv[])
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QLocale::setDefault(QLocale(QLocale::Spanish, QLocale::Spain));
    QApplication app(argc, argv);
    installQtSpanishTexts();
    // The solver module loads before any window paints.  Loaded by a test's
    // first solve, after Qt's painting threads have started, it now and then
    // left LeakSanitizer reporting one of those threads' data at the exit.
    solver();
    ::testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
