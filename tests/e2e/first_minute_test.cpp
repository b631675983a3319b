// SPDX-License-Identifier: GPL-3.0-or-later
// What a user does in the first minute, on the real program: keys and clicks
// in, and out what the clipboard and the stored coefficients show.  Every
// session starts with the defaults 1, 1, 0, 0 and the first field's "1"
// selected, and ends with Salir answered Sí, which must end the process.

#include "desktop.h"

#include <gtest/gtest.h>

namespace {

struct Case {
    const char* name;
    const char* steps;
    const char* expected;          // the records of the steps, then "a|b|c|d" as stored by Salir
    const char* environment = "";  // variables, separated by blanks
    const char* exitTitle = "Salir";
    const char* stored = "";  // the settings file the program starts with
};

const Case kCases[] = {
    // Typing each kind of number.
    {"Integer", "1 2 3", "123|1|0|0"},
    {"NegativeDecimal", "minus 1 2 comma 5", "-12,5|1|0|0"},
    {"PeriodTypesTheComma", "period 5", "0,5|1|0|0"},
    {"Exponent", "3 e minus 7", "3E-7|1|0|0"},
    {"ExponentAlone", "e plus 2", "1E+2|1|0|0"},
    {"LetterRefused", "7 a", "7|1|0|0"},
    {"SeparatorAfterTheExponentRefused", "1 e plus comma @box:Error Return", "1E+|1|0|0"},
    {"SeparatorInsideTheExponentRefused", "1 e plus 2 Left comma @box:Error Return", "1E+2|1|0|0"},
    // Editing keys.
    {"DeleteAfterHome", "1 2 3 4 Home Right Delete", "134|1|0|0"},
    {"Backspace", "1 2 3 BackSpace", "12|1|0|0"},
    {"ShiftSelectionReplaced", "1 2 3 shift+Home 9", "9|1|0|0"},
    {"ShiftRightDeleted", "1 2 3 Home shift+Right Delete", "23|1|0|0"},
    {"EndAfterHome", "1 2 Home End 3", "123|1|0|0"},
    {"TabAndEnterOrder", "7 Return 8 Tab 9 Return 4", "7|8|9|4"},
    // Combinations the window does not use type nothing.
    {"AltLetterTypesNothing", "Tab Tab 5 alt+q alt+w ctrl+q", "1|1|5|0"},
    // Edit commands from the menu act where the menu found the caret.
    {"MenuPasteAtTheCaret", "1 2 @clip:3 alt+e p", "123|1|0|0"},
    {"MenuCutTakesTheSelection", "1 2 3 4 shift+Left shift+Left @clip:x alt+e r @got", "34 ; 12|1|0|0"},
    {"MenuCopyTakesTheSelection", "1 2 3 shift+Left @clip:x alt+e c @got", "3 ; 123|1|0|0"},
    {"DismissedMenuKeepsTheCaret", "1 2 alt+e Escape Escape 3", "123|1|0|0"},
    {"DismissedOptionsMenuKeepsTheCaret", "1 2 alt+o Escape Escape 3", "123|1|0|0"},
    // Shortcuts.
    {"CopyWholeField", "1 2 End @copy", "12 ; 12|1|0|0"},
    {"CutAndPasteByKeys", "4 5 ctrl+a @clip:x ctrl+x @got Tab ctrl+v", "45 ; |45|0|0"},
    {"PasteOfAWordIsRepaired", "Tab 9 @clip:hola End ctrl+v @box:Error Return", "1|9|0|0"},
    {"Undo", "1 2 3 ctrl+z", "1|1|0|0"},
    {"DeleteField", "5 F4", "|1|0|0"},
    {"DeleteAll", "ctrl+F4", "|||"},
    {"ScientificNotation", "2 comma 5 F7", "2,50E+00|1,00E+00|0,00E+00|0,00E+00"},
    {"TimesPi", "2 F12 ctrl+F1", "6,28318530717958|1|0|0"},
    {"Square", "F12 3 shift+F2", "9|1|0|0"},
    {"Power", "F12 2 shift+F3 @box:Atención Return", "8|1|0|0"},
    {"Reciprocal", "F12 4 ctrl+i", "0,25|1|0|0"},
    {"LinearTermRemoved", "alt+x", "1||0|0"},
    {"RightSideAlwaysZero", "Tab Tab Tab 5 F9", "1|1|0|0"},
    // Menus by Alt and a letter.
    {"ArchivoCalcular", "2 Tab 4 Tab 2 alt+a c", "2|4|2|0"},
    {"EdicionBorrarTodo", "alt+e o", "|||"},
    {"OpcionesNotacion", "alt+o n", "1,00E+00|1,00E+00|0,00E+00|0,00E+00"},
    {"AyudaAcerca", "alt+y a @box:Acerca Return 6", "6|1|0|0"},
    // The pop-up menu: the background and the panels open it, a button not.
    {"PopupOnBackground", "@rclick:Form1 b", "|||"},
    {"PopupOnPanel", "@rclick:lblpantalla1 b", "|||"},
    {"NoPopupOnTheSolveButton", "@rclick:CmdCal b", "1|1|0|0"},
    {"FieldsOwnMenuPastes", "@clip:25 @rclick:Text1(0) p", "25|1|0|0"},
    // Solving, one of each kind; the result is copied from the box.
    {"TwoRealRoots", "1 Tab minus 3 Tab 2 F5 @click:Label4 @copy", "2 ; 1|-3|2|0"},
    {"DoubleRoot", "1 Tab minus 2 Tab 1 F5 @click:Label4 @copy", "1 ; 1|-2|1|0"},
    {"ComplexRoots", "1 Tab 0 Tab 1 F5 @click:Label4 @copy", "0+ i1 ; 1|0|1|0"},
    {"RightSideMoved", "1 Tab 0 Tab 0 Tab 4 F5 @click:Label4 @copy", "2 ; 1|0|-4|0"},
    {"LongResultCopiedWhole", "1 1 Tab minus 3 Tab 2 F5 @click:Label4 @copy",
     "0,136363636363636+ i0,404008837150709 ; 11|-3|2|0"},
    // Dropped text would pass no filter: the fields take none.
    {"DroppedNumberRefused", "F4 @drop:7 @activate:Trinomix", "|1|0|0"},
    {"DroppedWordRefused", "F4 @drop:abc @activate:Trinomix", "|1|0|0"},
    {"ZeroLeadingCoefficient", "0 F5 @box:Error Return", "0|1|0|0"},
    // Result boxes are read-only: only Copiar works there.
    {"ResultBoxRefusesPasteAndDelete", "1 Tab minus 3 Tab 2 F5 Tab Tab Tab Tab Tab Tab @clip:7 ctrl+v F4 ctrl+x @copy",
     "2,00E+00 ; 1|-3|2|0"},
    // The exit question answered No, then Esc asks again.
    {"ExitDeclinedThenEscape", "ctrl+s @box:Salir Escape @box:Trinomix Escape @box:Salir Escape @box:Trinomix 3",
     "3|1|0|0"},
    // Sí ends the process by every road: the button, the pop-up menu, with Desarrollo open.
    {"ExitByTheButton", "7 Tab Tab Tab Tab Tab space @box:Salir Return @ended", "7|1|0|0"},
    {"ExitFromThePopupMenu", "8 @rclick:Form1 a @box:Salir Return @ended", "8|1|0|0"},
    {"ExitWithDesarrolloOpen", "9 F2 @activate:Trinomix", "9|1|0|0"},
    // Keeping the window on top loses no key, and leaves the program to end
    // only by Salir.
    {"KeysRightAfterOnTop", "F8 5 F8 6", "56|1|0|0"},
    {"ExitAfterOnTopAndErrors",
     "F8 5 minus @box:Error Return alt+q F8 F12 2 shift+F3 @box:Atención Escape @box:Error Return", "52|1|0|0"},
    // A calculator that will not start is named, and asked for again, every time.
    {"CalculatorThatDoesNotRun",
     "F6 @box:Error ctrl+a slash t m p Return @box:Error Escape @box:Error Return "
     "F6 @box:Error Escape @box:Error Return 5",
     "5|1|0|0", "", "Salir", "[Valors]\nadreca=/etc/passwd\n"},
    // Without a web browser the project's address is shown instead.
    {"NoWebBrowser", "F1 @box:Error Return 5", "5|1|0|0", "PATH=/nonexistent BROWSER= DEFAULT_BROWSER="},
    // The language follows the desktop's when translated, Spanish otherwise:
    // the Help menu by its own access key, and the title of the box it opens.
    {"EnglishDesktop", "alt+h a @box:About Return 6", "6|1|0|0", "LANGUAGE=en LANG=en_US.UTF-8 LC_ALL=", "Quit"},
    {"CatalanDesktop", "alt+j q @box:Quant Return 6", "6|1|0|0", "LANGUAGE=ca LANG=ca_ES.UTF-8 LC_ALL=", "Surt"},
    {"PosixLocaleStaysSpanish", "alt+y a @box:Acerca Return 6", "6|1|0|0", "LANGUAGE= LANG=C LC_ALL="},
    // Where the separator is the period, the exponent for "Elevar a Y" is typed with it.
    {"PeriodDesktopPowerTakesThePeriod", "F12 3 6 shift+F3 @box:Atención ctrl+a 0 period 5 Return", "6|1|0|0",
     "LANG=es_MX.UTF-8"},
};

class FirstMinute : public ::testing::TestWithParam<Case> { };

TEST_P(FirstMinute, KeysInTextOut)
{
    const Case& c = GetParam();
    Session session(QString::fromUtf8(c.environment).split(QLatin1Char(' '), Qt::SkipEmptyParts),
                    QString::fromUtf8(c.stored));
    const QString records = session.play(QString::fromUtf8(c.steps));
    EXPECT_EQ((records + session.quit(QString::fromUtf8(c.exitTitle))).toStdString(), c.expected);
}

const auto byName = [](const auto& info) { return std::string(info.param.name); };
INSTANTIATE_TEST_SUITE_P(Desktop, FirstMinute, ::testing::ValuesIn(kCases), byName);

// A long result shows its start: as after Home (Tab hides the caret), not End.
TEST(LongResult, ShowsItsStart)
{
    Session session;
    const QString empty = session.shot(QStringLiteral("Label4"));
    session.play(QStringLiteral("1 1 Tab minus 3 Tab 2 F5"));
    ASSERT_TRUE(waitFor([&] { return session.shot(QStringLiteral("Label4")) != empty; })) << "no result";
    const QString solved = session.shot(QStringLiteral("Label4"));
    session.play(QStringLiteral("@click:Label4 Home Tab"));
    EXPECT_TRUE(waitFor([&] { return session.shot(QStringLiteral("Label4")) == solved; })) << "Home";
    session.play(QStringLiteral("@click:Label4 End Tab"));
    EXPECT_TRUE(waitFor([&] { return session.shot(QStringLiteral("Label4")) != solved; })) << "End";
    EXPECT_EQ(session.quit().toStdString(), "11|-3|2|0");
}

// Where the window opens: centred and whole when nothing usable is stored,
// where it was left otherwise.  The screen is 1280 by 800 pixels; a stored
// corner is in the layout's units, 15 to the pixel.
struct PlacementCase {
    const char* name;
    const char* stored;
    QPoint corner;  // of the frame; (-1, -1) for centred
};

const PlacementCase kPlacements[] = {
    {"NothingStored", "", {-1, -1}},
    {"StoredOnTheScreen", "[Valors]\nlft=1500\ntp=1500\n", {100, 100}},
    {"StoredOffEveryScreen", "[Valors]\nlft=-900000\ntp=4000000\n", {-1, -1}},
    {"TitleBarOffTheScreen", "[Valors]\nlft=-3000\ntp=-3000\n", {-1, -1}},
};

class Placement : public ::testing::TestWithParam<PlacementCase> { };

TEST_P(Placement, WholeWindowOnTheScreen)
{
    const PlacementCase& c = GetParam();
    Session session({}, QString::fromUtf8(c.stored));
    const QRect frame = session.frame();
    EXPECT_TRUE(QRect(0, 0, 1280, 800).contains(frame)) << frame.x() << "," << frame.y() << " " << frame.width();
    if (c.corner.x() < 0)
        EXPECT_LE((frame.center() - QPoint(640, 400)).manhattanLength(), 40);
    else
        EXPECT_EQ(frame.topLeft(), c.corner);
}

INSTANTIATE_TEST_SUITE_P(Desktop, Placement, ::testing::ValuesIn(kPlacements), byName);

// The working, opened the first time, stands whole on the screen with its
// title bar and buttons, though its frame is not known before it is shown.
TEST(DesarrolloPlacement, WholeOnTheScreen)
{
    Session session;
    session.play(QStringLiteral("1 F2"));
    const QString title = QStringLiteral("Desarrollo");
    ASSERT_TRUE(waitFor([&] { return !session.frame(title).isEmpty(); }));
    const QRect frame = session.frame(title);
    const QRect client = session.clientArea(title);
    EXPECT_TRUE(QRect(0, 0, 1280, 800).contains(QRect(frame.topLeft(), client.bottomRight())))
        << frame.y() << ", " << client.y() << " + " << client.height();
}

}  // namespace
