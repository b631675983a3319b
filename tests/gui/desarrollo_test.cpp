// SPDX-License-Identifier: GPL-3.0-or-later
// The Desarrollo window: built only when asked for, following each solve,
// never showing an older equation as the current one, and remembered.

#include "shell/desarrollo.h"
#include "window_harness.h"

#include <QClipboard>
#include <QMimeData>
#include <QTemporaryDir>
#include <QTimer>

namespace {

QString workingText(const Desarrollo& window)
{
    return QString::fromStdString(trx::workingPlainText(window.steps()));
}

TEST(Desarrollo, OpensOnF2AndFollowsEverySolve)
{
    WindowHarness window;
    EXPECT_EQ(window.form.findChild<Desarrollo*>(), nullptr);  // nothing built at start-up
    window.press(0, Qt::Key_F2);
    auto* desarrollo = window.form.findChild<Desarrollo*>(QStringLiteral("Desarrollo"));
    ASSERT_NE(desarrollo, nullptr);
    EXPECT_TRUE(desarrollo->isVisible());
    EXPECT_EQ(desarrollo->windowTitle(), QStringLiteral("Desarrollo"));

    window.typeEquation(QStringLiteral("1"), QStringLiteral("0"), QStringLiteral("-2"), QStringLiteral("0"));
    window.clickSolve();
    EXPECT_TRUE(workingText(*desarrollo).contains(QStringLiteral("= ±√2\n"))) << workingText(*desarrollo).toStdString();
    // A screen reader hears each step: its sentence, then its formula in words.
    QStringList heard;
    for (const QWidget* step : desarrollo->findChildren<QWidget*>()) {
        if (step->focusPolicy() == Qt::TabFocus && step->isVisible())
            heard << step->accessibleName() + QLatin1Char(' ') + step->accessibleDescription();
    }
    EXPECT_TRUE(heard.contains(QStringLiteral("Soluciones: x subíndice 1 igual a raíz cuadrada de 2, x subíndice 2 "
                                              "igual a menos raíz cuadrada de 2")))
        << heard.join(QLatin1Char('\n')).toStdString();

    // Each message leaves no working behind; a good solve brings it back.
    const struct {
        const char* a;
        const char* c;
        const char* d;
        const char* why;
    } failures[] = {{"0", "1", "0", "El coeficiente de x² es 0"}, {"1", "1E308", "-1E308", "Operación cancelada"}};
    for (const auto& failure : failures) {
        window.typeEquation(QLatin1String(failure.a), QStringLiteral("1"), QStringLiteral("1"), QStringLiteral("0"));
        window.field(2)->setText(QLatin1String(failure.c));
        window.field(3)->setText(QLatin1String(failure.d));
        window.clickSolve();
        EXPECT_TRUE(desarrollo->steps().empty()) << failure.why;
        EXPECT_TRUE(
            window.find<QLabel>(QStringLiteral("DesarrolloMensaje"))->text().startsWith(QString::fromUtf8(failure.why)))
            << window.find<QLabel>(QStringLiteral("DesarrolloMensaje"))->text().toStdString();
        window.typeEquation(QStringLiteral("4"), QStringLiteral("-4"), QStringLiteral("-3"), QStringLiteral("0"));
        window.clickSolve();
        EXPECT_TRUE(workingText(*desarrollo).contains(QStringLiteral("x₁ = (4 + 8)/8 = 12/8 = 3/2")));
    }
}

TEST(Desarrollo, CopiesThreeFormsAndExportsAPdf)
{
    WindowHarness window;
    window.action(QStringLiteral("mnuDesarrollo"))->trigger();
    window.clickSolve();  // 1x² + 1x + 0 = 0, the fields at start
    auto* desarrollo = window.find<Desarrollo>(QStringLiteral("Desarrollo"));
    QApplication::setActiveWindow(desarrollo);  // offscreen, the main window keeps it otherwise
    QApplication::clipboard()->clear();
    QTest::keyClick(desarrollo, Qt::Key_C, Qt::ControlModifier);
    const QMimeData* copied = QApplication::clipboard()->mimeData();
    EXPECT_TRUE(copied->text().contains(QStringLiteral("x² + x = x(x + 1)")));
    EXPECT_TRUE(copied->data(QStringLiteral("text/x-tex")).contains("\\frac{"));
    EXPECT_TRUE(copied->data(QStringLiteral("application/mathml+xml"))
                    .contains("xmlns=\"http://www.w3.org/1998/Math/MathML\""));

    QTemporaryDir folder;
    const QString pdf = folder.filePath(QStringLiteral("desarrollo.pdf"));
    ASSERT_TRUE(desarrollo->exportPdf(pdf));
    QFile file(pdf);
    ASSERT_TRUE(file.open(QIODevice::ReadOnly));
    EXPECT_TRUE(file.read(5) == "%PDF-");

    // Printing loads its module on demand and asks for a printer.
    QString asked;
    QTimer answer;
    QObject::connect(&answer, &QTimer::timeout, [&asked] {
        if (QWidget* dialog = QApplication::activeModalWidget()) {
            asked = dialog->windowTitle();
            dialog->close();
        }
    });
    answer.start(10);
    QTest::mouseClick(window.find<QAbstractButton>(QStringLiteral("CmdImprimir")), Qt::LeftButton);
    answer.stop();
    EXPECT_EQ(asked, QStringLiteral("Imprimir"));

    QApplication::setActiveWindow(desarrollo);
    QTest::keyClick(desarrollo, Qt::Key_Escape);
    EXPECT_FALSE(desarrollo->isVisible());
}

TEST(Desarrollo, RemembersWhetherItWasOpenOnlyOnceUsed)
{
    for (const bool opened : {false, true}) {
        WindowHarness window;
        if (opened)
            window.press(0, Qt::Key_F2);
        window.platform.yesNoAnswers = {false};
        window.clickSolve();
        QTest::mouseClick(window.find<QAbstractButton>(QStringLiteral("CmdSal")), Qt::LeftButton);
        const std::optional<std::string> open = window.platform.memoryStore.read("desarrollo");
        EXPECT_EQ(open.has_value(), opened);
        if (!opened)
            continue;
        EXPECT_EQ(open, "1");
        EXPECT_TRUE(window.platform.memoryStore.read("desarrollo_geometria"));

        RecordingPlatform stored;
        stored.memoryStore = window.platform.memoryStore;
        Form1 again(stored);
        again.show();
        again.activateWindow();
        ASSERT_TRUE(QTest::qWaitForWindowActive(&again));
        auto* reopened = again.findChild<Desarrollo*>();
        ASSERT_NE(reopened, nullptr);
        EXPECT_TRUE(reopened->isVisible());
    }
}

}  // namespace
