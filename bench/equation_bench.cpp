// SPDX-License-Identifier: GPL-3.0-or-later
// The equation reader: a 200-character equation read, expanded and brought
// to its normal form, as the Ecuación window does on each change of the
// text, and the same with every step, as it does once on Resolver.
#include "equation/equation.h"

#include <benchmark/benchmark.h>

namespace {

// Brackets, notable products, fractions, decimals and Unicode signs: every
// step of the working has something to do.
constexpr const char* kLongEquation =
    "x²/2 − (x + 1)/3 + 2(x − 1)² − (2x − 1)(2x + 1) + 0,25x·(x + 4) − 3/4 + (3x − 2)²/7 = "
    "3x(3x − 1) + 7x − (x + 3)² + 12,5 − x/6 + (x − 2)(x + 5)/3 − 1,75x + (x + 1)(x − 1) − 2x² ÷ 5 + 0,5 − (x − 4)/2 + "
    "x";

void readLongEquation(benchmark::State& state)
{
    for (auto _ : state)
        benchmark::DoNotOptimize(trx::readEquation(kLongEquation, ','));
}
BENCHMARK(readLongEquation)->Unit(benchmark::kMicrosecond)->Repetitions(15)->ReportAggregatesOnly(true);

void readLongEquationWithSteps(benchmark::State& state)
{
    for (auto _ : state)
        benchmark::DoNotOptimize(trx::readEquation(kLongEquation, ',', trx::EquationSteps::Record));
}
BENCHMARK(readLongEquationWithSteps)->Unit(benchmark::kMicrosecond)->Repetitions(15)->ReportAggregatesOnly(true);

void readShortEquation(benchmark::State& state)
{
    for (auto _ : state)
        benchmark::DoNotOptimize(trx::readEquation("8x² − 4 = 3x(3x − 1) + 7x", ','));
}
BENCHMARK(readShortEquation)->Unit(benchmark::kMicrosecond);

}  // namespace

BENCHMARK_MAIN();
