// SPDX-License-Identifier: GPL-3.0-or-later
// The Desarrollo window: built when asked for, following each solve, remembered.

#include "desarrollo/desarrollo.h"
#include "window_harness.h"

#include <QAreaSeries>
#include <QChartView>
#include <QComboBox>
#include <QLineSeries>
#include <QTabWidget>

#include <tuple>

namespace {

TEST(Desarrollo, OpensOnF2AndFollowsEverySolve)
{
    WindowHarness window;
    EXPECT_EQ(window.form.findChild<Desarrollo*>(), nullptr);  // nothing built at start-up
    window.press(0, Qt::Key_F2);
    auto* desarrollo = window.find<Desarrollo>(QStringLiteral("Desarrollo"));
    ASSERT_TRUE(desarrollo != nullptr && desarrollo->isVisible());
    const auto working = [desarrollo] { return QString::fromStdString(trx::workingPlainText(desarrollo->steps())); };

    // Each failure leaves no working behind but its reason; a good solve brings it back.
    for (const auto& [a, c, why] :
         {std::tuple{"0", "1", "El coeficiente de x² es 0"}, std::tuple{"1", "1E308", "Operación cancelada"},
          std::tuple{"1", "-", "Un coeficiente no es un número válido"}}) {
        window.typeEquation(QStringLiteral("4"), QStringLiteral("-4"), QStringLiteral("-3"), QStringLiteral("0"));
        window.clickSolve();
        EXPECT_TRUE(working().contains(QStringLiteral("x₁ = (4 + 8)/8 = 12/8 = 3/2"))) << working().toStdString();
        window.type(0, QLatin1String(a));
        window.field(2)->setText(QLatin1String(c));
        window.field(3)->setText(QStringLiteral("-1E308"));
        window.clickSolve();
        EXPECT_TRUE(desarrollo->steps().empty()) << why;
        EXPECT_TRUE(window.label(QStringLiteral("DesarrolloMensaje"))->text().startsWith(QString::fromUtf8(why)));
    }
}

// F2 after a solve shows that solve's working, titled with its equation, and
// says when the fields have changed since; copying and a PDF that cannot be
// written go through the platform, where a user sees them.
TEST(Desarrollo, ShowsTheLastSolveAndReportsWhatLeavesIt)
{
    WindowHarness window;
    window.typeEquation(QStringLiteral("1"), QStringLiteral("0"), QStringLiteral("-2"), QStringLiteral("0"));
    window.clickSolve();
    window.type(1, QStringLiteral("5"));
    window.press(0, Qt::Key_F2);
    auto* desarrollo = window.find<Desarrollo>(QStringLiteral("Desarrollo"));
    ASSERT_NE(desarrollo, nullptr);
    EXPECT_TRUE(QString::fromStdString(trx::workingPlainText(desarrollo->steps()))
                    .contains(QStringLiteral("x₁ = √2, x₂ = −√2")));
    EXPECT_EQ(desarrollo->windowTitle(), QStringLiteral("Desarrollo: x² − 2 = 0"));
    EXPECT_TRUE(window.label(QStringLiteral("DesarrolloAviso"))->isVisibleTo(desarrollo));

    QTest::mouseClick(window.find<QAbstractButton>(QStringLiteral("CmdCopiar")), Qt::LeftButton);
    ASSERT_NE(window.platform.clipboard, nullptr);
    EXPECT_TRUE(window.platform.clipboard->text().contains(QStringLiteral("±√2")));
    window.platform.fileAnswers = {QStringLiteral("/no/such/folder/desarrollo.pdf")};
    QTest::mouseClick(window.find<QAbstractButton>(QStringLiteral("CmdPdf")), Qt::LeftButton);
    EXPECT_TRUE(window.platform.messageTexts().join(QString()).contains(QStringLiteral("/no/such/folder")));
}

// The teacher's method first; another chosen above the steps is the one copied.
TEST(Desarrollo, WorksByTheMethodChosen)
{
    WindowHarness window;
    window.typeEquation(QStringLiteral("1"), QStringLiteral("-5"), QStringLiteral("6"), QStringLiteral("0"));
    window.clickSolve();
    window.press(0, Qt::Key_F2);
    auto* desarrollo = window.find<Desarrollo>(QStringLiteral("Desarrollo"));
    auto* method = window.find<QComboBox>(QStringLiteral("CboMetodo"));
    ASSERT_TRUE(desarrollo != nullptr && method != nullptr);
    EXPECT_TRUE(method->isVisibleTo(desarrollo));
    EXPECT_TRUE(QString::fromStdString(trx::workingPlainText(desarrollo->steps()))
                    .contains(QStringLiteral("Suma y producto de las raíces")));
    method->setCurrentIndex(method->findText(QStringLiteral("Fórmula general")));
    QTest::mouseClick(window.find<QAbstractButton>(QStringLiteral("CmdCopiar")), Qt::LeftButton);
    ASSERT_NE(window.platform.clipboard, nullptr);
    const QString copied = window.platform.clipboard->text();
    EXPECT_TRUE(copied.contains(QStringLiteral("Fórmula general")) && !copied.contains(QStringLiteral("Suma y")))
        << copied.toStdString();
}

// x² − 5x + 6 ≤ 0 is worked after its equation and shaded on the plot from
// 2 to 3, until an equation follows.
TEST(Desarrollo, ShadesTheSolutionOfAnInequality)
{
    RecordingPlatform platform;
    Desarrollo desarrollo(nullptr, platform);
    const std::array<std::string, 4> fields = {"1", "-5", "6", "0"};
    desarrollo.showWorking({fields, ',', trx::TypedOrigin{{}, {}, trx::Relation::LessOrEqual}});
    const std::string working = trx::workingPlainText(desarrollo.steps());
    EXPECT_NE(working.find("intervalos:\n    [2, 3]\n"), std::string::npos) << working;
    desarrollo.findChild<QTabWidget*>(QStringLiteral("DesarrolloPestanas"))->setCurrentIndex(1);
    auto* plot = desarrollo.findChild<QWidget*>(QStringLiteral("Grafica"));
    auto* chart = desarrollo.findChild<QChartView*>(QStringLiteral("GraficaCurva"));
    ASSERT_TRUE(plot != nullptr && chart != nullptr) << "the plot module did not load";
    EXPECT_TRUE(plot->accessibleDescription().contains(QStringLiteral("La parte sombreada del eje x")));
    const auto band = [chart] { return qobject_cast<QAreaSeries*>(chart->chart()->series().front())->upperSeries(); };
    ASSERT_EQ(band()->count(), 2);
    EXPECT_EQ(std::pair(band()->at(0).x(), band()->at(1).x()), std::pair(2.0, 3.0));

    desarrollo.showWorking({fields, ',', std::nullopt});
    EXPECT_EQ(band()->count(), 0);
    EXPECT_FALSE(plot->accessibleDescription().contains(QStringLiteral("sombreada")));
}

// Open at the exit, it opens again at the next start; never used, it does not.
TEST(Desarrollo, OpensAgainWhenItWasOpenAtTheExit)
{
    for (const bool opened : {false, true}) {
        TemporaryStore store;
        {
            WindowHarness window(true);
            if (opened)
                window.press(0, Qt::Key_F2);
            window.form.CmdSal_Click();
        }
        WindowHarness again(true);
        EXPECT_EQ(again.form.findChild<Desarrollo*>() != nullptr, opened);
    }
}

}  // namespace
