// SPDX-License-Identifier: GPL-3.0-or-later
// The accuracy benchmark: solves a seeded set of hard equations and scores
// the class and every shown text against the independent reference.
//
//   trx_accuracy [equations per category] [--check] [--mismatches]
//
// prints one row per category; with --check it exits with 1 unless every
// class and every text is right.

#include "accuracy/equations.h"
#include "accuracy/oracle.h"
#include "exact/rounded_text.h"
#include "exact/solve.h"

#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <map>
#include <string>

namespace {

struct Tally {
    int equations = 0;
    int classRight = 0;
    int texts = 0;
    int textsRight = 0;
    int cancelled = 0;
    int slowPath = 0;  // equations with a root that MPFR had to decide
};

double percent(int part, int whole)
{
    return whole == 0 ? 100.0 : 100.0 * part / whole;
}

}  // namespace

int main(int argc, char** argv)
{
    std::size_t perCategory = 400;
    bool check = false;
    bool mismatches = false;
    for (int i = 1; i < argc; ++i) {
        if (std::strcmp(argv[i], "--check") == 0) {
            check = true;
        } else if (std::strcmp(argv[i], "--mismatches") == 0) {
            mismatches = true;
        } else {
            perCategory = std::strtoul(argv[i], nullptr, 10);
        }
    }

    std::map<std::string, Tally> tallies;
    for (const auto& equation : trx::accuracy::hardEquations(perCategory, 20261206)) {
        const trx::SurdRoundingCount before = trx::surdRoundingCount();
        const trx::SolveResult result = trx::solve(trx::SolveRequest{equation.fields, false, ','});
        const trx::SurdRoundingCount after = trx::surdRoundingCount();
        const auto expected = trx::accuracy::expectedResult(equation.fields);
        const auto score = trx::accuracy::score(expected, result);

        Tally& tally = tallies[equation.category];
        ++tally.equations;
        tally.classRight += score.classRight ? 1 : 0;
        tally.texts += score.texts;
        tally.textsRight += score.textsRight;
        tally.cancelled += result.outcome == trx::SolveOutcome::Cancelled ? 1 : 0;
        tally.slowPath += after.precise > before.precise ? 1 : 0;
        if (mismatches && (!score.classRight || !score.mismatches.empty())) {
            std::printf("%s: %s | %s | %s | %s (outcome %d, expected %d)\n", equation.category,
                        equation.fields[0].c_str(), equation.fields[1].c_str(), equation.fields[2].c_str(),
                        equation.fields[3].c_str(), static_cast<int>(result.outcome),
                        static_cast<int>(expected.outcome));
            for (const std::string& mismatch : score.mismatches) {
                std::printf("    %s\n", mismatch.c_str());
            }
        }
    }

    std::printf("| Category | Equations | Class | Texts | Texts checked | Cancelled | Slow path (MPFR) |\n");
    std::printf("|---|---|---|---|---|---|---|\n");
    bool allRight = true;
    for (const char* category : trx::accuracy::categories()) {
        const Tally& tally = tallies[category];
        allRight = allRight && tally.classRight == tally.equations && tally.textsRight == tally.texts;
        std::printf("| %s | %d | %.1f %% | %.1f %% | %d | %d | %.1f %% |\n", category, tally.equations,
                    percent(tally.classRight, tally.equations), percent(tally.textsRight, tally.texts), tally.texts,
                    tally.cancelled, percent(tally.slowPath, tally.equations));
    }
    return check && !allRight ? 1 : 0;
}
