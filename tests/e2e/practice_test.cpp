// SPDX-License-Identifier: GPL-3.0-or-later
// Practicar with real keys: F10 opens it on a stored seed, Ctrl+Shift+C
// copies the proposed equation, and two answers typed into it, one right but
// not in its simplest form and one wrong, are read back from the verdict
// line (Alt+U selects it, Ctrl+C copies it).

#include "desktop.h"
#include "practice/exercise_generator.h"

#include <gtest/gtest.h>

namespace {

// One keysym a character of an integer or a fraction.
QString keysymsOf(const QString& text)
{
    QStringList keysyms;
    for (const QChar c : text)
        keysyms << (c == QLatin1Char('-')   ? QStringLiteral("minus")
                    : c == QLatin1Char('/') ? QStringLiteral("slash")
                                            : QString(c));
    return keysyms.join(QLatin1Char(' '));
}

QString rootText(const trx::practice::Exercise& exercise, int index, int times = 1)
{
    return QString::fromStdString(mpz_class(times * exercise.roots[index].real.rational).get_str());
}

TEST(Practice, RightNotSimplestThenWrong)
{
    const trx::practice::Exercise exercise = trx::practice::makeWorksheet({trx::practice::ExerciseKind::IntegerRoots},
                                                                          trx::practice::Difficulty::Easy, 42, 1)
                                                 .front();
    Session session({}, QStringLiteral("[Valors]\npractica_tipos=0\npractica_semilla=42\n"));
    const QString steps = QStringLiteral("F10 @box:Practicar ctrl+shift+c @got %1 slash 2 Tab %2 Return alt+u @copy "
                                         "alt+2 %3 plus 1 Return alt+u @copy")
                              .arg(keysymsOf(rootText(exercise, 0, 2)), keysymsOf(rootText(exercise, 1)),
                                   keysymsOf(rootText(exercise, 1)));
    const QStringList records = session.play(steps).split(QStringLiteral(" ; "), Qt::SkipEmptyParts);
    ASSERT_EQ(records.size(), 3) << records.join(QLatin1Char('|')).toStdString();
    EXPECT_EQ(records[0].toStdString(), exercise.text);
    EXPECT_TRUE(records[1].startsWith(QStringLiteral("Correcto; más simple: "))) << records[1].toStdString();
    EXPECT_TRUE(records[2].startsWith(QStringLiteral("Una solución está bien"))) << records[2].toStdString();
    session.play(QStringLiteral("@activate:Trinomix"));
    EXPECT_EQ(session.quit().toStdString(), "1|1|0|0");
}

}  // namespace
