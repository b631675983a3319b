// SPDX-License-Identifier: GPL-3.0-or-later
// The calculator launcher's dialogue, the About box and the real launches.

#include "window_harness.h"

#include <QTemporaryFile>

namespace {

const QString kFailed = QStringLiteral("No se ha podido ejecutar la calculadora");

struct CalculatorCase {
    const char* name;
    std::vector<LaunchOutcome> outcomes;
    std::vector<const char*> answers;
    std::vector<const char*> launches;
    int prompts;
    bool failureShown;
    const char* stored;  // "adreca" afterwards, empty when never written
};

const CalculatorCase kCalculatorCases[] = {
    {"StartsFirstTime", {LaunchOutcome::Started}, {}, {"/usr/bin/gnome-calculator"}, 0, false, ""},
    {"MissingFileThenCancel", {LaunchOutcome::FileNotFound}, {}, {"/usr/bin/gnome-calculator"}, 1, true, ""},
    {"MissingFolderThenNewPath",
     {LaunchOutcome::PathNotFound, LaunchOutcome::Started},
     {"/opt/calc/bin/calc"},
     {"/usr/bin/gnome-calculator", "\"/opt/calc/bin/calc\""},
     1,
     false,
     "\"/opt/calc/bin/calc\""},
    {"WrongTwiceThenRight",
     {LaunchOutcome::FileNotFound, LaunchOutcome::FileNotFound, LaunchOutcome::PathNotFound, LaunchOutcome::Started},
     {"/a/calc", "/b/calc", "/usr/bin/kcalc"},
     {"/usr/bin/gnome-calculator", "\"/a/calc\"", "\"/b/calc\"", "\"/usr/bin/kcalc\""},
     3,
     false,
     "\"/usr/bin/kcalc\""},
    {"QuotedAnswerKeptAsTyped",
     {LaunchOutcome::FileNotFound, LaunchOutcome::Started},
     {"\"/my calc/calc\""},
     {"/usr/bin/gnome-calculator", "\"/my calc/calc\""},
     1,
     false,
     "\"/my calc/calc\""},
    {"UnusableCommand", {LaunchOutcome::TypeMismatch}, {}, {"/usr/bin/gnome-calculator"}, 0, true, ""},
    {"RefusedSilently", {LaunchOutcome::OtherFailure}, {}, {"/usr/bin/gnome-calculator"}, 0, false, ""},
};

void PrintTo(const CalculatorCase& c, std::ostream* out)
{
    *out << c.name;
}

class CalculatorLauncher : public ::testing::TestWithParam<CalculatorCase> { };

TEST_P(CalculatorLauncher, AsksUntilItStartsOrTheUserGivesUp)
{
    const CalculatorCase& c = GetParam();
    WindowHarness window;
    window.platform.launchOutcomes.assign(c.outcomes.begin(), c.outcomes.end());
    for (const char* answer : c.answers)
        window.platform.inputAnswers.push_back(QString::fromUtf8(answer));
    window.action(QStringLiteral("mnuCalcu1"))->trigger();

    std::vector<QString> launches;
    for (const char* launch : c.launches)
        launches.push_back(QString::fromUtf8(launch));
    EXPECT_EQ(window.platform.launches, launches);
    ASSERT_EQ(window.platform.prompts.size(), static_cast<std::size_t>(c.prompts));
    for (const auto& prompt : window.platform.prompts) {
        EXPECT_EQ(prompt.prompt, kFailed + QStringLiteral("\r\nEscriba la dirección de la calculadora"));
        EXPECT_EQ(prompt.title, QStringLiteral("Error"));
        EXPECT_EQ(prompt.proposed, QStringLiteral("/usr/bin/gnome-calculator"));
    }
    EXPECT_EQ(window.platform.messageTexts(), c.failureShown ? QStringList{kFailed} : QStringList{});
    EXPECT_EQ(window.platform.memoryStore.read("adreca").value_or(""), c.stored);
}

INSTANTIATE_TEST_SUITE_P(Answers, CalculatorLauncher, ::testing::ValuesIn(kCalculatorCases),
                         [](const auto& info) { return std::string(info.param.name); });

TEST(RealLaunch, FailuresAreToldApart)
{
    QtPlatform platform;
    QTemporaryFile notAProgram;  // readable, not executable
    ASSERT_TRUE(notAProgram.open());
    const std::pair<const char*, LaunchOutcome> cases[] = {
        {"/bin/true", LaunchOutcome::Started},
        {"\"/bin/true\" --ignored", LaunchOutcome::Started},
        {"true", LaunchOutcome::Started},
        {"/usr/bin/no-such-calculator", LaunchOutcome::FileNotFound},
        {"no-such-calculator-anywhere", LaunchOutcome::FileNotFound},
        {"/no/such/folder/calc", LaunchOutcome::PathNotFound},
        {"", LaunchOutcome::TypeMismatch},
        {"\"\"", LaunchOutcome::TypeMismatch},
    };
    for (const auto& [command, outcome] : cases)
        EXPECT_EQ(platform.launch(QString::fromUtf8(command)), outcome) << command;
    EXPECT_EQ(platform.launch(notAProgram.fileName()), LaunchOutcome::OtherFailure);
}

TEST(AboutBox, NamesTheProgramItsVersionLicenceAndAddress)
{
    WindowHarness window;
    window.action(QStringLiteral("mnuAcerca"))->trigger();
    ASSERT_EQ(window.platform.aboutTexts.size(), 1u);
    EXPECT_EQ(window.platform.aboutTexts[0],
              QStringLiteral("Trinomix\nAutor: Equipo Trinomix\r\nVersión: 2.2.12\r\nLicencia: GPL-3.0-or-later\r\n") +
                  Form1::kProjectAddress);
}

}  // namespace
