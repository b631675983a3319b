// SPDX-License-Identifier: GPL-3.0-or-later
// The calculator launcher's dialogue.

#include "window_harness.h"

namespace {

const QString kFailed = QStringLiteral("No se ha podido ejecutar la calculadora");

// Launch outcomes in turn (F file missing, P folder missing, T unusable,
// O refused, S started), the answers given to the prompts, and what follows.
struct CalculatorCase {
    const char* outcomes;
    std::vector<const char*> answers;
    std::vector<const char*> launches;  // after the stored one
    bool failureShown;
    const char* stored;  // "adreca" afterwards, empty when never written
};

const CalculatorCase kCalculatorCases[] = {
    {"S", {}, {}, false, ""},
    {"F", {}, {}, true, ""},
    {"PS", {"/opt/calc"}, {"\"/opt/calc\""}, false, "\"/opt/calc\""},
    {"FFPS", {"/a", "/b", "/c"}, {"\"/a\"", "\"/b\"", "\"/c\""}, false, "\"/c\""},
    {"FS", {"\"/my calc\""}, {"\"/my calc\""}, false, "\"/my calc\""},  // quoted already: kept as typed
    {"T", {}, {}, true, ""},
    {"O", {}, {}, false, ""},
};

class CalculatorLauncher : public ::testing::TestWithParam<CalculatorCase> { };

TEST_P(CalculatorLauncher, AsksUntilItStartsOrTheUserGivesUp)
{
    const CalculatorCase& c = GetParam();
    WindowHarness window;
    using L = LaunchOutcome;
    const L byLetter[] = {L::FileNotFound, L::PathNotFound, L::TypeMismatch, L::OtherFailure, L::Started};
    for (const char letter : QByteArray(c.outcomes))
        window.platform.launchOutcomes.push_back(byLetter[QByteArray("FPTOS").indexOf(letter)]);
    window.platform.inputAnswers.assign(c.answers.begin(), c.answers.end());
    window.action(QStringLiteral("mnuCalcu1"))->trigger();

    std::vector<QString> launches{QStringLiteral("/usr/bin/gnome-calculator")};
    launches.insert(launches.end(), c.launches.begin(), c.launches.end());
    EXPECT_EQ(window.platform.launches, launches);
    const QByteArray outcomes(c.outcomes);
    EXPECT_EQ(qsizetype(window.platform.prompts.size()), outcomes.count('F') + outcomes.count('P'));
    for (const auto& prompt : window.platform.prompts)
        EXPECT_EQ(prompt.prompt, kFailed + QStringLiteral("\r\nEscriba la dirección de la calculadora"));
    EXPECT_EQ(window.platform.messageTexts(), c.failureShown ? QStringList{kFailed} : QStringList{});
    EXPECT_EQ(window.platform.memoryStore.read("adreca").value_or(""), c.stored);
}

INSTANTIATE_TEST_SUITE_P(Answers, CalculatorLauncher, ::testing::ValuesIn(kCalculatorCases));

}  // namespace
