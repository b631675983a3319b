// SPDX-License-Identifier: GPL-3.0-or-later
#include "accuracy/equations.h"
#include "core/display_formats.h"
#include "core/integer_helpers.h"
#include "core/number_text.h"
#include "exact/exact_numbers.h"
#include "exact/rounded_text.h"
#include "exact/solve.h"

#include <benchmark/benchmark.h>

#include <algorithm>
#include <chrono>
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

namespace {

using trx::SolveRequest;

void solveEquation(benchmark::State& state, const SolveRequest& request)
{
    for (auto _ : state) {
        benchmark::DoNotOptimize(trx::solve(request));
    }
}

// One equation per kind of result.
BENCHMARK_CAPTURE(solveEquation, two_real_roots, SolveRequest{{"1", "-5", "6", "0"}, false, ','});
BENCHMARK_CAPTURE(solveEquation, irrational_roots, SolveRequest{{"1", "2", "-1", "0"}, false, ','});
BENCHMARK_CAPTURE(solveEquation, double_root, SolveRequest{{"1", "-2", "1", "0"}, false, ','});
BENCHMARK_CAPTURE(solveEquation, complex_simplified, SolveRequest{{"1", "2", "5", "0"}, true, ','});
BENCHMARK_CAPTURE(solveEquation, cancelled_overflow, SolveRequest{{"1", "1", "1E308", "-1E308"}, false, ','});
// Moved right side, negated equation and a reduction that fails on a zero numerator.
BENCHMARK_CAPTURE(solveEquation, normalised_unreducible, SolveRequest{{"-1", "-4", "1", "1"}, false, ','});

// The accuracy benchmark's 2,400 hard equations, each solved once per
// iteration and timed on its own: the median and 99th percentile per
// equation, and the share of equations with a root that the extended doubles
// could not decide (rounded in MPFR instead).
void solveHardEquations(benchmark::State& state)
{
    const auto equations = trx::accuracy::hardEquations(400, 20261206);
    std::vector<double> micros;
    std::size_t slowPath = 0;
    for (auto _ : state) {
        for (const auto& equation : equations) {
            const std::uint64_t precise = trx::surdRoundingCount().precise;
            const auto start = std::chrono::steady_clock::now();
            benchmark::DoNotOptimize(trx::solve(SolveRequest{equation.fields, false, ','}));
            micros.push_back(
                std::chrono::duration<double, std::micro>(std::chrono::steady_clock::now() - start).count());
            slowPath += trx::surdRoundingCount().precise > precise ? 1 : 0;
        }
    }
    std::sort(micros.begin(), micros.end());
    state.counters["median_us"] = micros[micros.size() / 2];
    state.counters["p99_us"] = micros[micros.size() * 99 / 100];
    state.counters["slow_path_share"] = static_cast<double>(slowPath) / static_cast<double>(micros.size());
}
BENCHMARK(solveHardEquations)->Unit(benchmark::kMillisecond);

void numberToText(benchmark::State& state)
{
    double value = 0.414213562373095;
    for (auto _ : state) {
        benchmark::DoNotOptimize(value);
        benchmark::DoNotOptimize(trx::numberToText(value, ','));
    }
}
BENCHMARK(numberToText);

void textFunction(benchmark::State& state, std::string (*function)(std::string_view, char), const char* text)
{
    for (auto _ : state) {
        benchmark::DoNotOptimize(function(text, ','));
    }
}
BENCHMARK_CAPTURE(textFunction, scientificForm, trx::scientificForm, "-2,41421356237309");
BENCHMARK_CAPTURE(textFunction, fixedForm, trx::fixedForm, "-2,41E+00");
BENCHMARK_CAPTURE(textFunction, fixedForm_rounded, trx::fixedForm, "0,30000000000000004");

void parseNumber(benchmark::State& state, const char* text)
{
    for (auto _ : state) {
        benchmark::DoNotOptimize(trx::parseNumber(text, ','));
    }
}
BENCHMARK_CAPTURE(parseNumber, short, "-12,5");
BENCHMARK_CAPTURE(parseNumber, long, "-2,41421356237309E-07");

void euclides(benchmark::State& state)
{
    // Consecutive Fibonacci numbers: the longest remainder sequence in 16 bits.
    std::int16_t a = 17711;
    std::int16_t b = 28657;
    for (auto _ : state) {
        benchmark::DoNotOptimize(a);
        benchmark::DoNotOptimize(b);
        benchmark::DoNotOptimize(trx::Euclides(a, b));
    }
}
BENCHMARK(euclides);

void descomponer(benchmark::State& state)
{
    std::int32_t largestPrime = 2147483647;
    for (auto _ : state) {
        benchmark::DoNotOptimize(largestPrime);
        benchmark::DoNotOptimize(trx::Descomponer(largestPrime));
    }
}
BENCHMARK(descomponer)->Unit(benchmark::kMicrosecond);

// The worked solution's square-factor search on a discriminant whose primes
// lie beyond the search: the whole search runs (target < 1 ms).
void splitSquareFactor(benchmark::State& state)
{
    const mpz_class big = mpz_class(3001) * 3001 * 3011 * 3011 * 3019 * 2 * 9;
    const mpz_class discriminant = big * big * big + 1;
    for (auto _ : state)
        benchmark::DoNotOptimize(trx::splitSquareFactor(discriminant));
}
BENCHMARK(splitSquareFactor)->Unit(benchmark::kMicrosecond);

}  // namespace

BENCHMARK_MAIN();
