// SPDX-License-Identifier: GPL-3.0-or-later
// The Ecuación window on the real desktop: an equation typed with real keys
// ends in the fields, the results and the working.

#include "desktop.h"

#include <gtest/gtest.h>

namespace {

TEST(EcuacionWindow, TypedEquationSolvedThroughTheFields)
{
    Session session;
    const QString results = session.play(
        QStringLiteral("ctrl+e @box:Ecuación x parenleft x space plus space 3 parenright space equal space 1 0 Return "
                       "@activate:Trinomix @click:Label4 @copy @click:Label5 @copy"));
    EXPECT_EQ(results.toStdString(), "2 ; -5 ; ");
    const QString working = session.play(QStringLiteral("F2 @box:Desarrollo ctrl+c @got @activate:Trinomix"));
    EXPECT_TRUE(working.startsWith(QString::fromUtf8("Ecuación:\n    x·(x + 3) = 10\n"
                                                     "Quitamos los paréntesis:\n    x² + 3x = 10\n")))
        << working.toStdString();
    EXPECT_EQ(session.quit().toStdString(), "1|3|-10|0");
}

// An inequality: the fields and results are those of its equation, and the
// working ends with its solution.
TEST(EcuacionWindow, TypedInequalityWorkedToItsSolution)
{
    Session session;
    const QString results = session.play(
        QStringLiteral("ctrl+e @box:Ecuación x asciicircum 2 space minus space 5 x space plus space 6 space less "
                       "equal space 0 Return @activate:Trinomix @click:Label4 @copy @click:Label5 @copy"));
    EXPECT_EQ(results.toStdString(), "3 ; 2 ; ");
    const QString working = session.play(QStringLiteral("F2 @box:Desarrollo ctrl+c @got @activate:Trinomix"));
    EXPECT_TRUE(working.contains(QString::fromUtf8("Solución en forma de intervalos:\n    [2, 3]")))
        << working.toStdString();
    EXPECT_EQ(session.quit().toStdString(), "1|-5|6|0");
}

}  // namespace
