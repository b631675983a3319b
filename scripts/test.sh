#!/usr/bin/env bash
# Installs what is missing, then builds and runs every test three ways: the
# normal build with warnings as errors, the build with AddressSanitizer and
# UndefinedBehaviorSanitizer (any report fails its test), and a short run of
# each fuzz target over its seed corpus.  No display is needed: the window
# tests run offscreen, and the end-to-end tests (normal build only) start
# their own Xvfb.  The last line counts the tests of all three runs.
set -euo pipefail
cd "$(dirname "$0")/.."
bash scripts/install-deps.sh

export QT_QPA_PLATFORM=offscreen
jobs=$(nproc)
summaries=$(mktemp)
trap 'rm -f "$summaries"' EXIT
failed=0

# Runs one ctest suite; a failure is remembered, and the other suites still run.
run_suite() {
  local title=$1 dir=$2
  echo "==== $title"
  if ! ctest --test-dir "$dir" --output-on-failure --no-tests=error -j "$jobs" | tee -a "$summaries"; then
    failed=1
  fi
}

cmake -S . -B build/test -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo -DTRX_WERROR=ON
cmake --build build/test -j "$jobs"
run_suite "Tests" build/test

# A leak fails its test like any other report.
export ASAN_OPTIONS=detect_leaks=1
export UBSAN_OPTIONS=print_stacktrace=1
cmake -S . -B build/asan -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo -DTRX_SANITIZE=ON -DTRX_BUILD_BENCHMARKS=OFF
cmake --build build/asan -j "$jobs"
run_suite "Tests under AddressSanitizer and UndefinedBehaviorSanitizer" build/asan

CC=clang CXX=clang++ cmake -S . -B build/fuzz -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo -DTRX_BUILD_FUZZERS=ON \
  -DBUILD_TESTING=OFF -DTRX_BUILD_BENCHMARKS=OFF
cmake --build build/fuzz -j "$jobs" --target trx_fuzz_number_text trx_fuzz_solve trx_fuzz_keys
run_suite "Fuzz targets over their seed corpora" build/fuzz/fuzz

# ctest closes each run with "N% tests passed, F tests failed out of T".
awk '/tests failed out of/ { failed += $4; total += $NF }
     END { printf "Total: %d passed, %d failed\n", total - failed, failed }' "$summaries"
exit "$failed"
