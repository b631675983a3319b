// SPDX-License-Identifier: GPL-3.0-or-later
// What the calculator launcher and the project's link show.

#include "window_harness.h"

namespace {

const QString kFailed = QStringLiteral("No se ha podido ejecutar la calculadora");

// The retry itself is trx::CalculatorRetry's; here, what the window makes
// of it: the reason in the question, the answer kept, a cancel that gives up
// only this time.
TEST(CalculatorLauncher, SaysWhyAsksAgainAndTriesAgainAtTheNextAttempt)
{
    WindowHarness window;
    window.platform.launchOutcomes = {LaunchOutcome::NotExecutable, LaunchOutcome::FileNotFound,
                                      LaunchOutcome::FileNotFound};
    window.platform.inputAnswers = {QStringLiteral("/etc/passwd")};
    QAction* calculator = window.action(QStringLiteral("mnuCalcu1"));
    calculator->trigger();
    calculator->trigger();

    const QString ask = QStringLiteral("\r\nEscriba la dirección de la calculadora");
    ASSERT_EQ(window.platform.prompts.size(), 3u);
    EXPECT_EQ(window.platform.prompts[0].prompt,
              kFailed + "\r\n/usr/bin/gnome-calculator no es un programa que se pueda ejecutar." + ask);
    for (const int again : {1, 2})
        EXPECT_EQ(window.platform.prompts[again].prompt, kFailed + "\r\n\"/etc/passwd\" no existe." + ask);
    const std::vector<QString> launches{"/usr/bin/gnome-calculator", "\"/etc/passwd\"", "\"/etc/passwd\""};
    EXPECT_EQ(window.platform.launches, launches);
    EXPECT_EQ(window.platform.messageTexts(), QStringList({kFailed, kFailed}));
    EXPECT_EQ(window.platform.memoryStore.read("adreca").value_or(""), "\"/etc/passwd\"");
}

TEST(ProjectLink, WithoutABrowserShowsTheAddressToCopy)
{
    for (const bool browserOpens : {true, false}) {
        WindowHarness window;
        window.platform.browserOpens = browserOpens;
        QTest::mouseClick(window.label(QStringLiteral("Label1")), Qt::LeftButton);
        QTest::keyClick(&window.form, Qt::Key_F1);

        EXPECT_EQ(window.platform.openedAddresses.size(), 2u);
        const QString address = window.platform.openedAddresses.front();
        EXPECT_EQ(window.platform.messages.size(), browserOpens ? 0u : 2u);
        for (const auto& message : window.platform.messages) {
            EXPECT_EQ(message.text,
                      "No se ha podido abrir ningún navegador web.\r\nLa dirección del proyecto es:\r\n" + address);
            EXPECT_TRUE(message.selectable);
        }
    }
}

}  // namespace
