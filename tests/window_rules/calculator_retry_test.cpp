// SPDX-License-Identifier: GPL-3.0-or-later
#include "window_rules/calculator_retry.h"

#include <gtest/gtest.h>

namespace trx {
namespace {

// Launch outcomes in turn (S started, F file missing, P folder missing,
// D a folder, X not executable, T no program named, O refused), the answers
// given ("" cancels), and what the user saw: each launch, each question.
struct RetryCase {
    const char* outcomes;
    std::vector<std::string> answers;
    const char* transcript;
};

TEST(CalculatorRetry, SaysWhyAndAsksAgainUntilItStartsOrTheUserCancels)
{
    const RetryCase cases[] = {
        {"S", {}, "run calc | started"},
        {"F", {""}, "run calc | %1 no existe. | cancelled"},
        {"PS", {"/opt/calc"}, "run calc | %1 no existe. | run \"/opt/calc\" | started"},
        {"XDOTS",
         {"/a", "/b", "\"/my calc\"", "x"},
         "run calc | %1 no es un programa que se pueda ejecutar. | run \"/a\" | %1 es una carpeta, no un programa. | "
         "run \"/b\" | El sistema no ha podido poner en marcha %1. | run \"/my calc\" | «%1» no nombra ningún "
         "programa. | run \"x\" | started"},
    };
    const std::string letters = "SFPDXTO";
    for (const RetryCase& c : cases) {
        std::string transcript;
        std::size_t launches = 0;
        std::size_t answers = 0;
        const CalculatorRetry retry({
            [&](const std::string& command) {
                transcript += "run " + command + " | ";
                return static_cast<LaunchOutcome>(letters.find(c.outcomes[launches++]));
            },
            [&](const char* reason, const std::string&) {
                transcript += std::string(reason) + " | ";
                return c.answers.at(answers++);
            },
            [&](const std::string&) {},
        });
        transcript += retry.run("calc") ? "started" : "cancelled";
        EXPECT_EQ(transcript, c.transcript) << c.outcomes;
    }
}

}  // namespace
}  // namespace trx
