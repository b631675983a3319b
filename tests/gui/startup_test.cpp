// Start-up and shutdown against a real settings file in a temporary folder.

#include "window_harness.h"

#include <QFile>
#include <QMenu>
#include <QScreen>
#include <QSettings>

namespace {

QStringList fieldTexts(WindowHarness& window)
{
    QStringList texts;
    for (int i = 0; i < 4; ++i)
        texts << window.text(QStringLiteral("Text1(%1)").arg(i));
    return texts;
}

void writeIni(const TemporaryStore& store, const QByteArray& contents)
{
    QDir().mkpath(QFileInfo(store.iniPath()).path());
    QFile file(store.iniPath());
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    file.write(contents);
}

const char* const kOptionItems[] = {"mnuVisible1", "mnuIgualacero", "mnuNota", "mnusimpli", "mnuAvanzado"};

TEST(Startup, FirstRunShowsDefaults)
{
    TemporaryStore store;
    WindowHarness window(true);
    EXPECT_EQ(fieldTexts(window), (QStringList{"1", "1", "0", "0"}));
    EXPECT_EQ(window.form.windowTitle(), QStringLiteral("Trinomix v2.2.12 by Equipo Trinomix"));
    for (const char* item : kOptionItems)
        EXPECT_FALSE(window.action(QLatin1String(item))->isChecked()) << item;
    EXPECT_TRUE(window.form.screen()->geometry().contains(window.form.frameGeometry()));
    // Ready to type over the first coefficient.
    QLineEdit* first = window.box(QStringLiteral("Text1(0)"));
    EXPECT_EQ(QApplication::focusWidget(), first);
    EXPECT_EQ(first->selectedText(), QStringLiteral("1"));
    EXPECT_TRUE(window.platform.messages.empty());
}

TEST(Startup, ExitCommandRoundTrip)
{
    TemporaryStore store;
    {
        WindowHarness window(true);
        window.typeEquation(QStringLiteral("2,5"), QStringLiteral("-3"), QStringLiteral("7"), QStringLiteral("1"));
        for (const char* item : kOptionItems)
            window.action(QLatin1String(item))->trigger();
        window.form.move(window.form.pos() + QPoint(30, 15));
        const QPoint saved = window.form.pos();
        window.platform.yesNoAnswers = {true};
        QTest::mouseClick(window.find<QAbstractButton>(QStringLiteral("CmdSal")), Qt::LeftButton);
        EXPECT_FALSE(window.form.isVisible());
        ASSERT_EQ(window.platform.messages.size(), 1u);
        EXPECT_EQ(window.platform.messages[0].text, QStringLiteral("¿Desea salir de la aplicación?"));
        EXPECT_EQ(window.platform.messages[0].title, QStringLiteral("Salir"));

        WindowHarness again(true);
        // Scientific notation was on when the fields were saved.
        EXPECT_EQ(fieldTexts(again), (QStringList{"2,50E+00", "-3,00E+00", "7,00E+00", "0,00E+00"}));
        for (const char* item : kOptionItems)
            EXPECT_TRUE(again.action(QLatin1String(item))->isChecked()) << item;
        for (const char* key : {"Sie", "Si=0", "Not", "Sim", "Ava"})
            EXPECT_TRUE(again.action(QLatin1String(key))->isChecked()) << key;
        EXPECT_TRUE(again.action(QStringLiteral("mnuVisible"))->isChecked());
        EXPECT_TRUE(again.action(QStringLiteral("mnuInvertir"))->isVisible());
        EXPECT_FALSE(again.box(QStringLiteral("Text1(3)"))->isEnabled());
        EXPECT_TRUE(again.form.windowFlags().testFlag(Qt::WindowStaysOnTopHint));
        EXPECT_EQ(again.form.pos(), saved);
        EXPECT_TRUE(again.platform.messages.empty());
    }
}

TEST(Startup, DeclinedExitStillSavesAndEscAsksAgain)
{
    TemporaryStore store;
    WindowHarness window(true);
    window.type(0, QStringLiteral("4"));
    window.action(QStringLiteral("mnuSalir2"))->trigger();
    EXPECT_TRUE(window.form.isVisible());
    EXPECT_EQ(QSettings(store.iniPath(), QSettings::IniFormat).value(QStringLiteral("Valors/val1")),
              QStringLiteral("4"));

    QTest::keyClick(window.box(QStringLiteral("Text1(2)")), Qt::Key_Escape);
    EXPECT_EQ(window.platform.messages.size(), 2u);
    EXPECT_TRUE(window.form.isVisible());
}

TEST(Startup, ClosingByTheFrameSavesNothing)
{
    TemporaryStore store;
    {
        WindowHarness window(true);
        window.type(0, QStringLiteral("9"));
        window.form.close();
    }
    WindowHarness again(true);
    EXPECT_EQ(again.text(QStringLiteral("Text1(0)")), QStringLiteral("1"));
}

struct StoredCase {
    const char* name;
    const char* ini;
    std::array<const char*, 4> fields;
    bool linearTerm;
    bool advanced;
};

const StoredCase kStoredCases[] = {
    {"ConstantThatIsNotANumberBecomesOne", "val3=abc\n", {"1", "1", "1", "0"}, true, false},
    {"ZeroLinearCoefficientRemovesTheTerm", "val2=0\n", {"1", "", "0", "0"}, false, false},
    {"ZeroWithDecimalsKeepsTheTerm", "val2=\"0,0\"\n", {"1", "0,0", "0", "0"}, true, false},
    {"EmptyValuesTakeDefaults", "val1=\nval2=\nval3=\nval4=\n", {"1", "1", "1", "0"}, true, false},
    {"UnquotedCommaIsKept", "val1=1,5\n", {"1,5", "1", "0", "0"}, true, false},
    {"PointSeparatorIsNotANumberHere", "val1=1.5\n", {"1", "1", "0", "0"}, true, false},
    {"OverflowingValuesAreDropped", "val1=1E999\nval4=NaN\nlft=1E999\ntp=-1E999\n", {"1", "1", "0", "0"}, true, false},
    {"AdvancedAsWholeNumber", "avan=01\n", {"1", "1", "0", "0"}, true, true},
    {"AdvancedNotANumber", "avan=si\nnota=yes\n", {"1", "1", "0", "0"}, true, false},
    {"NamesFoundRegardlessOfCase", "VAL1=5\n", {"5", "1", "0", "0"}, true, false},
};

void PrintTo(const StoredCase& c, std::ostream* out)
{
    *out << c.name;
}

class StoredValues : public ::testing::TestWithParam<StoredCase> { };

TEST_P(StoredValues, StartUpTakesWhatIsUsable)
{
    const StoredCase& c = GetParam();
    TemporaryStore store;
    // The section name is found regardless of its case.
    writeIni(store, QByteArray("[valors]\n") + c.ini);
    WindowHarness window(true);
    for (int i = 0; i < 4; ++i)
        EXPECT_EQ(window.text(QStringLiteral("Text1(%1)").arg(i)), QString::fromUtf8(c.fields[i])) << i;
    EXPECT_EQ(window.box(QStringLiteral("Text1(1)"))->isEnabled(), c.linearTerm);
    EXPECT_EQ(window.label(QStringLiteral("Label3"))->text(), c.linearTerm ? QStringLiteral("X") : QString());
    EXPECT_EQ(window.action(QStringLiteral("mnuAvanzado"))->isChecked(), c.advanced);
    EXPECT_FALSE(window.action(QStringLiteral("mnuNota"))->isChecked());
    EXPECT_TRUE(window.platform.messages.empty());
}

INSTANTIATE_TEST_SUITE_P(Store, StoredValues, ::testing::ValuesIn(kStoredCases),
                         [](const auto& info) { return std::string(info.param.name); });

TEST(Startup, DamagedStoreDoesNoHarm)
{
    const QByteArray damaged[] = {
        QByteArray("\x00\xff\xfe[[[Valors\n=\n==\nval1", 20),
        QByteArray("[Valors]\nval1=") + QByteArray(200000, '9') + "\nlft=" + QByteArray(5000, '7') + "\n",
    };
    for (const QByteArray& contents : damaged) {
        TemporaryStore store;
        writeIni(store, contents);
        WindowHarness window(true);
        EXPECT_TRUE(window.platform.messages.empty());
        EXPECT_TRUE(window.form.screen()->geometry().intersects(window.form.frameGeometry()));
        window.typeEquation(QStringLiteral("1"), QStringLiteral("-3"), QStringLiteral("2"), QStringLiteral("0"));
        window.clickSolve();
        EXPECT_EQ(window.text(QStringLiteral("Label4")), QStringLiteral("2"));
    }
}

TEST(Startup, PositionOutsideEveryScreenIsIgnored)
{
    TemporaryStore store;
    writeIni(store, "[Valors]\nlft=-900000\ntp=4000000\n");
    WindowHarness window(true);
    EXPECT_TRUE(window.form.screen()->geometry().contains(window.form.frameGeometry()));
}

}  // namespace
