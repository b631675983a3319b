// SPDX-License-Identifier: GPL-3.0-or-later
// A long random session of real keys, clicks and pastes.  Every few dozen
// events the open boxes are closed and Salir, answered No, shows what the
// fields hold; at the end Salir answered Sí must end the program.
// Seeded: TRX_E2E_SEED=n replays or varies a session.

#include "desktop.h"

#include <gtest/gtest.h>

#include <QRegularExpression>

#include <random>
#include <string>

namespace {

// Steps that cannot bring up the exit question: no Escape, no Ctrl+S, no
// Alt+S, no Space (which presses Salir once Tab has reached it), no pop-up
// menu (whose Salir a stray letter would choose), and a menu opened by Alt
// is always closed by one of its items.
// clang-format off
const char* const kSteps[] = {
    "0", "1", "2", "3", "4", "5", "6", "7", "8", "9", "comma", "period", "minus", "plus", "e", "shift+e", "x",
    "BackSpace", "Delete", "Left", "Right", "Home", "End", "shift+Left", "shift+Home", "shift+End", "Tab",
    "Return", "ctrl+z", "ctrl+x", "ctrl+c", "ctrl+v", "ctrl+v", "ctrl+a", "F3", "F4", "F5", "F7", "F8", "F9", "F11",
    "F12", "ctrl+F4", "ctrl+F1", "ctrl+F2", "shift+F2", "shift+F3", "ctrl+i", "alt+x", "alt+q", "alt+w",
    "alt+e Return", "alt+o n", "alt+o a", "alt+a c", "alt+y a", "@click:Text1(0)", "@click:Text1(1)",
    "@click:Text1(2)", "@click:Text1(3)", "@click:Label4", "@click:Label3", "@click:CmdCal", "@rclick:CmdCal"};
// clang-format on
const char* const kClipboards[] = {"12", "2,5", "hola", "1.5", "-", "1E+5", "9E9", "3,1,4", "0,"};
constexpr int kEvents = 2000;
constexpr int kEventsBetweenChecks = 40;

// What a field may hold: a number, or the start of one being typed.
QString malformed(const QString& field)
{
    static const QRegularExpression numberInTheMaking(QStringLiteral("^[+-]?[0-9]*([,.][0-9]*)?(E[+-]?[0-9]*)?$"));
    return numberInTheMaking.match(field).hasMatch() ? QString() : QStringLiteral("not a number: ") + field;
}

// Closes whatever box the session left open: Enter accepts it, and the exit
// question is answered No by its letter.  Escape is never pressed, since
// after a No it asks to leave again.
QString backToTheWindow(Session& session)
{
    QString inTheWay;
    for (int attempt = 0; attempt < 20; ++attempt) {
        const int windows = session.visibleWindows();
        const QString title = session.activeTitle();
        inTheWay = QStringLiteral("%1 windows, \"%2\" active %3").arg(windows).arg(title, session.ending());
        if (windows == 1 && title.startsWith(QLatin1String("Trinomix v")))
            return {};
        session.keys(title == QLatin1String("Salir") ? QStringLiteral("n") : QStringLiteral("Return"));
        waitFor([&session, &title] { return session.activeTitle() != title; }, 2000);
    }
    return inTheWay;
}

TEST(RandomSession, FieldsStayNumbersAndTheProgramEnds)
{
    const unsigned seed = qEnvironmentVariableIsSet("TRX_E2E_SEED") ? qEnvironmentVariableIntValue("TRX_E2E_SEED") : 3;
    std::mt19937 random(seed);
    Session session;
    for (int events = 0; events < kEvents;) {
        session.setClipboard(QString::fromUtf8(kClipboards[random() % std::size(kClipboards)]));
        QStringList steps;
        for (int chunk = 0; chunk < kEventsBetweenChecks;) {
            steps << QString::fromUtf8(kSteps[random() % std::size(kSteps)]);
            const int stepEvents = static_cast<int>(steps.last().count(QLatin1Char(' '))) + 1;
            chunk += stepEvents;
            events += stepEvents;
        }
        session.play(steps.join(QLatin1Char(' ')));
        const std::string where = "seed " + std::to_string(seed) + ", after " + steps.join(' ').toStdString();
        ASSERT_EQ(backToTheWindow(session).toStdString(), "") << where;
        session.keys(QStringLiteral("ctrl+s"));
        ASSERT_TRUE(session.waitForActive(QStringLiteral("Salir"))) << "seed " << seed;
        for (const QString& field : session.storedFields())
            ASSERT_EQ(malformed(field).toStdString(), "") << where;
        session.keys(QStringLiteral("n"));
        ASSERT_EQ(backToTheWindow(session).toStdString(), "") << "seed " << seed;
    }
    const QString stored = session.quit();
    EXPECT_EQ(stored.count(QLatin1Char('|')), 3) << "seed " << seed << ": " << stored.toStdString();
}

}  // namespace
