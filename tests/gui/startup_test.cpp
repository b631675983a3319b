// SPDX-License-Identifier: GPL-3.0-or-later
// Start-up and shutdown against a real settings file in a temporary folder.

#include "window_harness.h"

#include <QClipboard>
#include <QFile>
#include <QSettings>

#include <unistd.h>

namespace {

void writeIni(const TemporaryStore& store, const QByteArray& contents)
{
    QDir().mkpath(QFileInfo(store.iniPath()).path());
    QFile file(store.iniPath());
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    file.write(contents);
}

QByteArray contents(const QString& path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

TEST(Startup, FirstRunThenExitCommandRoundTrip)
{
    TemporaryStore store;
    WindowHarness window(true);
    // Ready to type over the first coefficient.
    EXPECT_EQ(QApplication::focusWidget(), window.field(0));
    EXPECT_EQ(window.field(0)->selectedText(), QStringLiteral("1"));

    window.typeEquation(QStringLiteral("2,5"), QStringLiteral("-3"), QStringLiteral("7"), QStringLiteral("1"));
    const char* const options[] = {"mnuVisible1", "mnuIgualacero", "mnuNota", "mnusimpli", "mnuAvanzado"};
    for (const char* item : options)
        window.action(QLatin1String(item))->trigger();
    window.form.move(window.form.pos() + QPoint(30, 15));
    window.platform.yesNoAnswers = {true};
    QTest::mouseClick(window.find<QAbstractButton>(QStringLiteral("CmdSal")), Qt::LeftButton);
    EXPECT_FALSE(window.form.isVisible());
    EXPECT_EQ(window.platform.messageTexts(), QStringList{QStringLiteral("¿Desea salir de la aplicación?")});

    WindowHarness again(true);
    // Scientific notation was on when the fields were saved.
    EXPECT_EQ(again.fieldTexts(), (QStringList{"2,50E+00", "-3,00E+00", "7,00E+00", "0,00E+00"}));
    for (const char* item : options)
        EXPECT_TRUE(again.action(QLatin1String(item))->isChecked()) << item;
    EXPECT_TRUE(again.action(QStringLiteral("mnuInvertir"))->isVisible());
    EXPECT_FALSE(again.field(3)->isEnabled());
    EXPECT_TRUE(again.form.windowFlags().testFlag(Qt::WindowStaysOnTopHint));
    EXPECT_EQ(again.form.pos(), window.form.pos());
    EXPECT_TRUE(again.platform.messages.empty());
}

// Closing by the frame afterwards saves nothing more.
TEST(Startup, DeclinedExitStillSavesAndEscAsksAgain)
{
    TemporaryStore store;
    {
        WindowHarness window(true);
        window.type(0, QStringLiteral("4"));
        window.action(QStringLiteral("mnuSalir2"))->trigger();
        QTest::keyClick(window.field(2), Qt::Key_Escape);
        EXPECT_EQ(window.platform.messages.size(), 2u);
        EXPECT_TRUE(window.form.isVisible());
        window.type(0, QStringLiteral("9"));
        window.form.close();
    }
    WindowHarness again(true);
    EXPECT_EQ(again.fieldTexts(), (QStringList{"4", "1", "0", "0"}));
}

// A hand-edited file may spell the section twice: the program's spelling
// wins, and the exit command writes under that spelling alone.
TEST(Startup, HandEditedFile)
{
    TemporaryStore store;
    writeIni(store, "[VALORS]\nval1=9\nVAL2=0\n[Valors]\nval1=2\n[valors]\navan=01\n");
    WindowHarness window(true);
    EXPECT_EQ(window.fieldTexts(), (QStringList{"2", "", "0", "0"}));
    EXPECT_TRUE(window.action(QStringLiteral("mnuAvanzado"))->isChecked());
    window.form.CmdSal_Click();
    EXPECT_FALSE(QSettings(store.iniPath(), QSettings::IniFormat).childGroups().contains(QStringLiteral("VALORS")));
}

// Under a locale that writes "1.5", a stored "1.5" is a number from the
// first change handling on, whatever the clipboard holds.
TEST(Startup, PointSeparatorLocale)
{
    TemporaryStore store;
    writeIni(store, "[Valors]\nval1=1.5\n");
    QApplication::clipboard()->setText(QStringLiteral("palabra"));
    QLocale::setDefault(QLocale(QLocale::English, QLocale::UnitedStates));
    WindowHarness window(true);
    QLocale::setDefault(QLocale(QLocale::Spanish, QLocale::Spain));
    QApplication::clipboard()->clear();
    EXPECT_EQ(window.field(0)->text(), QStringLiteral("1.5"));
    EXPECT_TRUE(window.platform.messages.empty());
}

// The store's folder cannot be made, or permissions forbid writing (root
// writes all the same: those cases are then skipped).  The old file is left
// whole and no temporary file stays behind.
TEST(Shutdown, UnwritableStoreIsToldAndTheWindowStays)
{
    enum Spoilt { FolderIsAFile, ReadOnlyFolder, ReadOnlyFile };
    for (Spoilt spoilt : {FolderIsAFile, ReadOnlyFolder, ReadOnlyFile}) {
        TemporaryStore store;
        const QString folder = QFileInfo(store.iniPath()).path();
        const QString locked = spoilt == ReadOnlyFile ? store.iniPath() : folder;
        if (spoilt == FolderIsAFile)
            QFile(folder).open(QIODevice::WriteOnly);
        else
            writeIni(store, "[Valors]\nval1=5\n");
        QFile::setPermissions(locked, QFile::ReadOwner | QFile::ExeOwner);
        if (spoilt != FolderIsAFile && access(QFile::encodeName(locked), W_OK) == 0)
            continue;
        const QStringList files = QDir(folder).entryList(QDir::Files | QDir::Hidden);
        const QByteArray before = contents(store.iniPath());

        WindowHarness window(true);
        window.type(0, QStringLiteral("7"));
        window.platform.yesNoAnswers = {true};
        window.action(QStringLiteral("mnuSalir2"))->trigger();
        EXPECT_TRUE(window.form.isVisible());
        ASSERT_EQ(window.platform.messages.size(), 1u) << spoilt;
        EXPECT_TRUE(window.platform.messages[0].text.contains(store.iniPath()));
        QFile::setPermissions(locked, QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
        EXPECT_EQ(QDir(folder).entryList(QDir::Files | QDir::Hidden), files) << spoilt;
        EXPECT_EQ(contents(store.iniPath()), before) << spoilt;
    }
}

}  // namespace
