// SPDX-License-Identifier: GPL-3.0-or-later
// The Ecuación window on the real desktop: an equation typed with real keys
// ends in the fields, the results and the working.

#include "desktop.h"

#include <gtest/gtest.h>

namespace {

// Typed with real keys into Ecuación and solved through the main window's
// fields: the results, the working (its start, or a part of an inequality's
// ending) and the fields at exit.
TEST(EcuacionWindow, TypedEquationsSolvedThroughTheFields)
{
    struct Case {
        const char* keys;
        const char* results;
        const char* working;
        bool workingStart;  // else anywhere in the working
        const char* fields;
    };
    const Case cases[] = {
        {"x parenleft x space plus space 3 parenright space equal space 1 0", "2 ; -5 ; ",
         "Ecuación:\n    x·(x + 3) = 10\nQuitamos los paréntesis:\n    x² + 3x = 10\n", true, "1|3|-10|0"},
        {"x asciicircum 2 space minus space 5 x space plus space 6 space less equal space 0", "3 ; 2 ; ",
         "Solución en forma de intervalos:\n    [2, 3]", false, "1|-5|6|0"},
    };
    for (const Case& c : cases) {
        Session session;
        const QString results = session.play(QStringLiteral("ctrl+e @box:Ecuación ") + QString::fromUtf8(c.keys) +
                                             QStringLiteral(" Return @activate:Trinomix @click:Label4 @copy "
                                                            "@click:Label5 @copy"));
        EXPECT_EQ(results.toStdString(), c.results) << c.keys;
        const QString working = session.play(QStringLiteral("F2 @box:Desarrollo ctrl+c @got @activate:Trinomix"));
        const QString expected = QString::fromUtf8(c.working);
        EXPECT_TRUE(c.workingStart ? working.startsWith(expected) : working.contains(expected))
            << working.toStdString();
        EXPECT_EQ(session.quit().toStdString(), c.fields) << c.keys;
    }
}

}  // namespace
