// SPDX-License-Identifier: GPL-3.0-or-later
// The Ecuación window: typed equations solved through the main window's
// fields, the caret under a refusal, degree 1 left out of the fields, the
// working from the typed equation, a paste, and the history on Up.

#include "desarrollo/desarrollo.h"
#include "platform/settings_file.h"
#include "window_harness.h"

#include <QClipboard>
#include <QDialog>
#include <QSettings>

namespace {

struct EquationWindowHarness : WindowHarness {
    QDialog* open()
    {
        press(0, Qt::Key_E, Qt::ControlModifier);
        return find<QDialog>(QStringLiteral("Ecuacion"));
    }
    QLineEdit* line() { return box(QStringLiteral("TxtEcuacion")); }
    // Key by key, as typed; Enter gives Resolver.
    void solve(const QString& typed)
    {
        line()->clear();
        for (const QChar key : typed)
            QTest::sendKeyEvent(QTest::Click, line(), Qt::Key_unknown, QString(key), Qt::NoModifier);
        QTest::keyClick(line(), Qt::Key_Return);
        QCoreApplication::sendPostedEvents();
    }
    QString reading() { return label(QStringLiteral("LblLectura"))->text(); }
};

struct Solved {
    const char* typed;
    const char* fields;   // a|b|c|d
    const char* results;  // Label4|Label5
};

TEST(EquationWindow, SolvesTypedEquationsThroughTheFields)
{
    const Solved cases[] = {
        {"8x² − 4 = 3x(3x − 1) + 7x", "1|4|4|0", "-2|-2"},
        {"x(x + 3) = 10", "1|3|-10|0", "2|-5"},
        {"(2x − 1)² = 9", "1|-1|-2|0", "2|-1"},
        {"x²/2 − (x + 1)/3 = 1", "3|-2|-8|0", "2|-1,33333333333333"},
        {"3x² = 27", "1|0|-9|0", "3|-3"},
        {"x² − 5x = 0", "1|-5|0|0", "5|0"},
    };
    EquationWindowHarness window;
    ASSERT_NE(window.open(), nullptr);
    for (const Solved& c : cases) {
        window.solve(QString::fromUtf8(c.typed));
        EXPECT_EQ(window.fieldTexts().join(QLatin1Char('|')), QLatin1String(c.fields)) << c.typed;
        EXPECT_EQ(window.text(QStringLiteral("Label4")) + QLatin1Char('|') + window.text(QStringLiteral("Label5")),
                  QString::fromUtf8(c.results))
            << c.typed;
    }
}

TEST(EquationWindow, SaysWhatItCannotSolve)
{
    EquationWindowHarness window;
    ASSERT_TRUE(QTest::qWaitForWindowExposed(window.open()));  // the field scrolls as it paints
    window.solve(QStringLiteral("x(x + 3 = 10"));
    EXPECT_EQ(window.reading(), QStringLiteral("Falta cerrar un paréntesis"));
    QLabel* caret = window.label(QStringLiteral("LblMarca"));
    EXPECT_EQ(caret->text(), QStringLiteral("^"));
    EXPECT_GT(caret->indent(), window.line()->fontMetrics().horizontalAdvance(QStringLiteral("x(x + 3 ")));
    // A text longer than the field scrolls, and the caret with it: it stays
    // under the field, which keeps its width.
    const int width = window.line()->width();
    window.solve(QStringLiteral("x² = ") + QStringLiteral("x + ").repeated(40) + QStringLiteral("(1"));
    EXPECT_EQ(caret->text(), QStringLiteral("^"));
    EXPECT_LT(caret->indent(), width);
    EXPECT_EQ(window.line()->width(), width);

    window.solve(QStringLiteral("3x − 6 = 0"));
    EXPECT_TRUE(window.reading().startsWith(QStringLiteral("No es de segundo grado: queda 3x − 6 = 0, x = 2")));
    EXPECT_EQ(window.fieldTexts().join(QLatin1Char('|')), QStringLiteral("1|1|0|0"));  // the defaults, untouched
}

// The working starts from the typed equation until a field is changed; a
// paste is read like typing; Up brings back the equations solved, newest
// first.
TEST(EquationWindow, WorksTheTypedEquationAndRemembersIt)
{
    EquationWindowHarness window;
    window.open();
    window.solve(QStringLiteral("x(x + 3) = 10"));
    window.solve(QStringLiteral("x² ≥ 4"));
    EXPECT_EQ(window.fieldTexts().join(QLatin1Char('|')), QStringLiteral("1|0|-4|0"));
    window.press(0, Qt::Key_F2);
    auto* desarrollo = window.find<Desarrollo>(QStringLiteral("Desarrollo"));
    ASSERT_NE(desarrollo, nullptr);
    const auto working = [desarrollo] { return QString::fromStdString(trx::workingPlainText(desarrollo->steps())); };
    EXPECT_TRUE(working().startsWith(QStringLiteral("Inecuación:\n    x² ≥ 4\n"))) << working().toStdString();
    EXPECT_TRUE(working().contains(QStringLiteral("x ≤ −2"))) << working().toStdString();

    window.typeEquation(QStringLiteral("1"), QStringLiteral("0"), QStringLiteral("-4"), QStringLiteral("1"));
    window.clickSolve();
    EXPECT_TRUE(working().startsWith(QStringLiteral("Ecuación:\n    x² − 4 = 1\n"))) << working().toStdString();

    QApplication::clipboard()->setText(QStringLiteral("x^2 - 1 = 0"));
    window.line()->clear();
    QTest::keyClick(window.line(), Qt::Key_V, Qt::ControlModifier);
    EXPECT_EQ(window.reading(), QStringLiteral("x² − 1 = 0"));
    window.line()->clear();
    QTest::keyClick(window.line(), Qt::Key_Up);
    EXPECT_EQ(window.line()->text(), QStringLiteral("x² ≥ 4"));
    QTest::keyClick(window.line(), Qt::Key_Up);
    EXPECT_EQ(window.line()->text(), QStringLiteral("x(x + 3) = 10"));
    EXPECT_EQ(window.platform.memoryStore.read("Ecuaciones", "h02"), "x(x + 3) = 10");
}

// The file keeps the history under [Ecuaciones] whichever section was
// written last, and the main section has none of it.
TEST(EquationWindow, HistoryInASectionOfItsOwn)
{
    TemporaryStore store;
    SettingsFile file;
    ASSERT_TRUE(file.write({{"val1", "2"}}));
    ASSERT_TRUE(file.write("Ecuaciones", {{"h01", "x² = 4"}}));
    ASSERT_TRUE(file.write({{"val2", "3"}}));
    EXPECT_EQ(file.read("Ecuaciones", "h01"), "x² = 4");
    EXPECT_EQ(SettingsFile().read("h01"), std::nullopt);
    const QSettings written(store.iniPath(), QSettings::IniFormat);
    EXPECT_EQ(written.value(QStringLiteral("Valors/val1")).toString() +
                  written.value(QStringLiteral("Valors/val2")).toString(),
              QStringLiteral("23"));
    EXPECT_EQ(written.value(QStringLiteral("Ecuaciones/h01")).toString(), QStringLiteral("x² = 4"));
}

}  // namespace
