// SPDX-License-Identifier: GPL-3.0-or-later
// Start-up and shutdown against a real settings file in a temporary folder.

#include "window_harness.h"

#include <QClipboard>
#include <QFile>
#include <QSettings>

namespace {

// Each option comes back on by its own command, after the coefficients.
TEST(Startup, ExitCommandThenStartRoundTrip)
{
    TemporaryStore store;
    WindowHarness window(true);
    window.typeEquation(QStringLiteral("2,5"), QStringLiteral("-3"), QStringLiteral("7"), QStringLiteral("1"));
    const char* const options[] = {"mnuVisible1", "mnuIgualacero", "mnuNota", "mnusimpli", "mnuAvanzado"};
    for (const char* item : options)
        window.action(QLatin1String(item))->trigger();
    window.form.move(window.form.pos() + QPoint(30, 15));
    window.platform.yesNoAnswers = {true};
    window.form.CmdSal_Click();

    WindowHarness again(true);
    EXPECT_EQ(again.fieldTexts(), (QStringList{"2,50E+00", "-3,00E+00", "7,00E+00", "0,00E+00"}));
    for (const char* item : options)
        EXPECT_TRUE(again.action(QLatin1String(item))->isChecked()) << item;
    EXPECT_TRUE(again.action(QStringLiteral("mnuInvertir"))->isVisible());
    EXPECT_FALSE(again.field(3)->isEnabled());
    EXPECT_TRUE(again.form.windowFlags().testFlag(Qt::WindowStaysOnTopHint));
    EXPECT_EQ(again.form.pos(), window.form.pos());
    EXPECT_EQ(QApplication::focusWidget(), again.field(0));
    EXPECT_TRUE(again.platform.messages.empty());
}

// A hand-edited file may spell the section twice: the program's spelling wins.
TEST(Startup, SectionSpelledTwice)
{
    TemporaryStore store;
    QSettings ini(store.iniPath(), QSettings::IniFormat);
    ini.setValue(QStringLiteral("VALORS/val1"), 9);
    ini.setValue(QStringLiteral("VALORS/VAL2"), 0);
    ini.setValue(QStringLiteral("Valors/val1"), 2);
    ini.sync();
    WindowHarness window(true);
    EXPECT_EQ(window.fieldTexts(), (QStringList{"2", "", "0", "0"}));
}

// Files written by QSettings before read the same, and the other way round.
TEST(Startup, SameValuesAsQSettings)
{
    const QString values[] = {"2,5E+00",
                              " a; b=\"c\" ",
                              "C:\\calc\t\x01"
                              "1",
                              "@x",
                              "ñ€",
                              ""};
    for (const QString& value : values) {
        TemporaryStore store;
        QSettings(store.iniPath(), QSettings::IniFormat).setValue(QStringLiteral("Valors/adreca"), value);
        EXPECT_EQ(SettingsFile().read("adreca"), value.toStdString());
        ASSERT_TRUE(SettingsFile().write({{"Elev", value.toStdString()}}));
        const QSettings written(store.iniPath(), QSettings::IniFormat);
        EXPECT_EQ(written.value(QStringLiteral("Valors/Elev")).toString(), value);
        EXPECT_EQ(written.value(QStringLiteral("Valors/adreca")).toString(), value);
    }
}

// Another instance's Salir in between is kept: each write reads the file
// again when it changed.
TEST(Startup, WritesOfTwoInstancesAddUp)
{
    TemporaryStore store;
    SettingsFile first;
    SettingsFile second;
    EXPECT_EQ(first.read("val1"), std::nullopt);
    ASSERT_TRUE(second.write({{"val2", "5"}}));
    ASSERT_TRUE(first.write({{"val1", "4"}}));
    EXPECT_EQ(SettingsFile().read("val2"), "5");
    EXPECT_EQ(second.read("val2"), "5");
}

// Under a locale that writes "1.5", a stored "1.5" is a number from the
// first change handling on, whatever the clipboard holds.
TEST(Startup, PointSeparatorLocale)
{
    TemporaryStore store;
    QSettings(store.iniPath(), QSettings::IniFormat).setValue(QStringLiteral("Valors/val1"), QStringLiteral("1.5"));
    QApplication::clipboard()->setText(QStringLiteral("palabra"));
    QLocale::setDefault(QLocale(QLocale::English, QLocale::UnitedStates));
    WindowHarness window(true);
    QLocale::setDefault(QLocale(QLocale::Spanish, QLocale::Spain));
    EXPECT_EQ(window.field(0)->text(), QStringLiteral("1.5"));
    EXPECT_TRUE(window.platform.messages.empty());
}

// The store's folder cannot be made (a file stands in its place): the user
// is told which file could not be written, and the window stays.
TEST(Shutdown, UnwritableStoreIsToldAndTheWindowStays)
{
    TemporaryStore store;
    QFile(QFileInfo(store.iniPath()).path()).open(QIODevice::WriteOnly);
    WindowHarness window(true);
    window.platform.yesNoAnswers = {true};
    window.action(QStringLiteral("mnuSalir2"))->trigger();
    EXPECT_TRUE(window.form.isVisible());
    ASSERT_EQ(window.platform.messages.size(), 1u);
    EXPECT_TRUE(window.platform.messages[0].text.contains(store.iniPath()));
}

}  // namespace
