// SPDX-License-Identifier: GPL-3.0-or-later
// The Desarrollo window: built when asked for, following each solve, remembered.

#include "desarrollo/desarrollo.h"
#include "window_harness.h"

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
