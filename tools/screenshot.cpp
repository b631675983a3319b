// SPDX-License-Identifier: GPL-3.0-or-later
// Renders the main window after a sample solve to a PNG, the picture in the
// README, with a second name the Desarrollo window of the same solve, and
// with a folder its plot of three sample equations (grafica-1.png…), a
// working by a teacher's method (metodo.png) and an inequality beside its
// shaded plot (inecuacion.png):
//
//   trinomix_screenshot OUTPUT.png [DESARROLLO.png [FOLDER]]
//
// The window runs offscreen, in Spanish, on platform services that show
// nothing and keep nothing, so neither the user's stored settings nor a
// dialog box can reach the picture.  The coefficients are typed into the
// real fields and Calcular is clicked, as a user would.  Rerun it (the
// "screenshot" target) whenever the window changes.

#include "app/application.h"
#include "desarrollo/desarrollo.h"
#include "equation/equation.h"
#include "platform/qt_platform.h"
#include "services/platform.h"
#include "window/form1.h"

#include <QApplication>
#include <QComboBox>
#include <QLineEdit>
#include <QLocale>
#include <QMimeData>
#include <QPainter>
#include <QPixmap>
#include <QPushButton>
#include <QScrollArea>
#include <QScrollBar>
#include <QTabWidget>
#include <QTest>

#include <array>
#include <cstdio>

namespace {

// 4x² − 4x − 3 = 0: both solutions have exact forms that reduce (12/8 to
// 3/2, −4/8 to −1/2), so every part of the result display is filled.
const std::array<const char*, 4> kSampleCoefficients = {"4", "-4", "-3", "0"};

// Two real roots, complex roots, and roots eight orders of magnitude apart.
const std::array<const char*, 4> kPlotSamples[] = {
    {"1", "-3", "2", "0"}, {"1", "2", "5", "0"}, {"1", "1E+8", "1", "0"}};

// Shows no box and keeps its settings in memory, starting from those of a
// fresh installation.  Whatever would have been shown is kept, since
// the sample solve must not raise any box.
class SilentPlatform final : public Platform {
public:
    QStringList shown;

    void messageBox(QWidget*, const QString& text, const QString&, Icon) override { shown << text; }
    void selectableMessageBox(QWidget*, const QString& text, const QString&) override { shown << text; }
    bool askYesNo(QWidget*, const QString& text, const QString&) override
    {
        shown << text;
        return false;
    }
    QString inputBox(QWidget*, const QString& prompt, const QString&, const QString&) override
    {
        shown << prompt;
        return {};
    }
    void beep() override { shown << QStringLiteral("(beep)"); }
    QString saveFileName(QWidget*, const QString& title, const QString&, const QString&) override
    {
        shown << title;
        return {};
    }
    void setClipboard(QMimeData* data) override { delete data; }
    bool print(QWidget*, const std::function<void(QPagedPaintDevice&)>&) override { return false; }
    trx::SettingsStore& settingsStore() override { return store_; }
    QString defaultCalculator() override { return {}; }
    LaunchOutcome launch(const QString&) override { return LaunchOutcome::OtherFailure; }
    void aboutBox(QWidget*, const QString&, const QString& text, const QIcon&) override { shown << text; }
    bool openAddress(const QString&) override { return true; }
    LockStates lockStates() override { return {}; }

private:
    trx::MemoryStore store_;
};

template <typename T> T* control(const QWidget& window, const QString& name)
{
    T* found = window.findChild<T*>(name);
    if (found == nullptr)
        std::fprintf(stderr, "trinomix_screenshot: the window has no control %s\n", qPrintable(name));
    return found;
}

bool typeCoefficients(const Form1& window, const std::array<const char*, 4>& coefficients)
{
    for (int i = 0; i < 4; ++i) {
        auto* field = control<QLineEdit>(window, QStringLiteral("Text1(%1)").arg(i));
        if (field == nullptr)
            return false;
        field->setFocus();
        field->selectAll();
        QTest::keyClicks(field, QString::fromLatin1(coefficients[i]));
    }
    return true;
}

// The Gráfica tab of the open Desarrollo window after each sample solve.
int shootPlots(Form1& window, QPushButton& solve, const QString& folder)
{
    auto* desarrollo = control<QWidget>(window, QStringLiteral("Desarrollo"));
    auto* tabs = control<QTabWidget>(window, QStringLiteral("DesarrolloPestanas"));
    if (desarrollo == nullptr || tabs == nullptr)
        return 1;
    tabs->setCurrentIndex(1);
    desarrollo->resize(560, 500);
    int number = 0;
    for (const auto& coefficients : kPlotSamples) {
        if (!typeCoefficients(window, coefficients))
            return 1;
        QTest::mouseClick(&solve, Qt::LeftButton);
        QApplication::processEvents();
        const QString output = QStringLiteral("%1/grafica-%2.png").arg(folder).arg(++number);
        if (!desarrollo->grab().save(output, "PNG")) {
            std::fprintf(stderr, "trinomix_screenshot: cannot write %s\n", qPrintable(output));
            return 1;
        }
    }
    return 0;
}

bool save(const QPixmap& picture, const QString& output)
{
    if (picture.save(output, "PNG"))
        return true;
    std::fprintf(stderr, "trinomix_screenshot: cannot write %s\n", qPrintable(output));
    return false;
}

// x² − 5x = 0 by the common factor, the teacher's first.
int shootMethod(Form1& window, QPushButton& solve, const QString& folder)
{
    auto* desarrollo = control<QWidget>(window, QStringLiteral("Desarrollo"));
    auto* tabs = control<QTabWidget>(window, QStringLiteral("DesarrolloPestanas"));
    auto* method = control<QComboBox>(window, QStringLiteral("CboMetodo"));
    if (desarrollo == nullptr || tabs == nullptr || method == nullptr ||
        !typeCoefficients(window, {"1", "-5", "0", "0"}))
        return 1;
    QTest::mouseClick(&solve, Qt::LeftButton);
    tabs->setCurrentIndex(0);
    method->setCurrentIndex(method->findText(QStringLiteral("Sacamos factor común x")));
    desarrollo->resize(560, 1000);
    QApplication::processEvents();
    return save(desarrollo->grab(), folder + QStringLiteral("/metodo.png")) ? 0 : 1;
}

// x² − 5x + 6 ≤ 0 read as the Ecuación window reads it: the end of its
// working, and its plot beside it.
int shootInequality(Desarrollo& desarrollo, const QString& folder)
{
    const trx::EquationResult read = trx::readEquation("x² − 5x + 6 ≤ 0", ',', trx::EquationSteps::Record);
    auto* tabs = control<QTabWidget>(desarrollo, QStringLiteral("DesarrolloPestanas"));
    auto* scroll = desarrollo.findChild<QScrollArea*>();
    if (!read.reading || tabs == nullptr || scroll == nullptr)
        return 1;
    const trx::NormalForm& normal = read.reading->normal;
    desarrollo.showWorking({{normal.a.get_str(), normal.b.get_str(), normal.c.get_str(), "0"},
                            ',',
                            trx::TypedOrigin{read.reading->steps, {}, normal.relation}});
    desarrollo.resize(560, 640);
    tabs->setCurrentIndex(0);
    QApplication::processEvents();
    scroll->verticalScrollBar()->setValue(scroll->verticalScrollBar()->maximum());
    const QPixmap working = desarrollo.grab();
    tabs->setCurrentIndex(1);
    QApplication::processEvents();
    const QPixmap plot = desarrollo.grab();
    QPixmap both(working.width() + plot.width(), std::max(working.height(), plot.height()));
    both.fill(desarrollo.palette().color(QPalette::Window));
    QPainter painter(&both);
    painter.drawPixmap(0, 0, working);
    painter.drawPixmap(working.width(), 0, plot);
    painter.end();
    return save(both, folder + QStringLiteral("/inecuacion.png")) ? 0 : 1;
}

// Opens the Desarrollo window (F2) and solves the normal form the fields now
// hold, which is the same equation.
int shootDesarrollo(Form1& window, QPushButton& solve, const QString& output)
{
    QTest::keyClick(&window, Qt::Key_F2);
    QTest::mouseClick(&solve, Qt::LeftButton);
    auto* desarrollo = control<QWidget>(window, QStringLiteral("Desarrollo"));
    if (desarrollo == nullptr)
        return 1;
    desarrollo->resize(560, 1180);
    QApplication::processEvents();
    if (!desarrollo->grab().save(output, "PNG")) {
        std::fprintf(stderr, "trinomix_screenshot: cannot write %s\n", qPrintable(output));
        return 1;
    }
    return 0;
}

}  // namespace

int main(int argc, char* argv[])
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    // The README shows the program in its own language, whatever the desktop's.
    qputenv("LANGUAGE", "es");
    QApplication app(argc, argv);
    prepareApplication();
    const int arguments = static_cast<int>(QApplication::arguments().size());
    if (arguments < 2 || arguments > 4) {
        std::fprintf(stderr, "usage: trinomix_screenshot OUTPUT.png [DESARROLLO.png [FOLDER]]\n");
        return 2;
    }
    const QString output = QApplication::arguments().at(1);
    // Spanish numbers (decimal comma) whatever the build machine's locale.
    QLocale::setDefault(QLocale(QLocale::Spanish, QLocale::Spain));

    SilentPlatform platform;
    Form1 window(platform);
    window.show();
    window.activateWindow();
    if (!QTest::qWaitForWindowActive(&window)) {
        std::fprintf(stderr, "trinomix_screenshot: the window did not become active\n");
        return 1;
    }

    if (!typeCoefficients(window, kSampleCoefficients))
        return 1;
    auto* solve = control<QPushButton>(window, QStringLiteral("CmdCal"));
    auto* solution1 = control<QLineEdit>(window, QStringLiteral("Label4"));
    if (solve == nullptr || solution1 == nullptr)
        return 1;
    QTest::mouseClick(solve, Qt::LeftButton);
    QApplication::processEvents();

    if (!platform.shown.isEmpty() || solution1->text().isEmpty()) {
        std::fprintf(stderr, "trinomix_screenshot: the sample did not solve cleanly:\n%s\n",
                     qPrintable(platform.shown.join(QLatin1Char('\n'))));
        return 1;
    }
    if (!window.grab().save(output, "PNG")) {
        std::fprintf(stderr, "trinomix_screenshot: cannot write %s\n", qPrintable(output));
        return 1;
    }
    if (arguments == 2)
        return 0;
    if (shootDesarrollo(window, *solve, QApplication::arguments().at(2)) != 0)
        return 1;
    if (arguments == 3)
        return 0;
    const QString folder = QApplication::arguments().at(3);
    auto* desarrollo = control<Desarrollo>(window, QStringLiteral("Desarrollo"));
    if (desarrollo == nullptr || shootPlots(window, *solve, folder) != 0 || shootMethod(window, *solve, folder) != 0)
        return 1;
    return shootInequality(*desarrollo, folder);
}
