// SPDX-License-Identifier: GPL-3.0-or-later
#include "window_rules/calculator_retry.h"

#include <gtest/gtest.h>

#include <deque>
#include <string>

namespace trx {
namespace {

// Launch outcomes in turn (S started, F file missing, P folder missing,
// D a folder, X not executable, T no program named, O refused), the answers
// given, and what the user saw: each launch, each question's reason.
struct RetryCase {
    const char* outcomes;
    std::deque<std::string> answers;  // missing answers count as Cancel
    const char* transcript;
    bool started;
};

TEST(CalculatorRetry, SaysWhyAndAsksAgainUntilItStartsOrTheUserCancels)
{
    const RetryCase cases[] = {
        {"S", {}, "run calc ", true},
        {"F", {}, "run calc ask:%1 no existe. ", false},
        {"PS", {"/opt/calc"}, "run calc ask:%1 no existe. keep \"/opt/calc\" run \"/opt/calc\" ", true},
        {"XDOS",
         {"/a", "/b", "\"/my calc\""},
         "run calc ask:%1 no es un programa que se pueda ejecutar. keep \"/a\" run \"/a\" "
         "ask:%1 es una carpeta, no un programa. keep \"/b\" run \"/b\" "
         "ask:El sistema no ha podido poner en marcha %1. keep \"/my calc\" run \"/my calc\" ",
         true},
        {"TX",
         {"/etc/passwd"},
         "run calc ask:«%1» no nombra ningún programa. keep \"/etc/passwd\" run \"/etc/passwd\" "
         "ask:%1 no es un programa que se pueda ejecutar. ",
         false},
    };
    const std::string letters = "SFPDXTO";
    for (const RetryCase& c : cases) {
        std::string outcomes = c.outcomes;
        std::deque<std::string> answers = c.answers;
        std::string transcript;
        const CalculatorRetry retry({
            [&](const std::string& command) {
                transcript += "run " + command + ' ';
                const auto outcome = static_cast<LaunchOutcome>(letters.find(outcomes.front()));
                outcomes.erase(0, 1);
                return outcome;
            },
            [&](const char* reason, const std::string&) {
                transcript += std::string("ask:") + reason + ' ';
                std::string answer = answers.empty() ? std::string() : answers.front();
                if (!answers.empty())
                    answers.pop_front();
                return answer;
            },
            [&](const std::string& command) { transcript += "keep " + command + ' '; },
        });
        EXPECT_EQ(retry.run("calc"), c.started) << c.outcomes;
        EXPECT_EQ(transcript, c.transcript) << c.outcomes;
        EXPECT_TRUE(outcomes.empty()) << c.outcomes;
    }
}

}  // namespace
}  // namespace trx
