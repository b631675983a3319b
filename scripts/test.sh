#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Installs what is missing, checks that every source file carries the
# licence line, then builds and runs every test four ways: the normal build
# with warnings as errors, instrumented for line coverage (which gcovr
# prints after its tests; the command fails below the minimums set here),
# a build without X11 and without the benchmarks (what a Wayland-only
# system, macOS or Windows builds), the build with
# AddressSanitizer and UndefinedBehaviorSanitizer (any report fails its
# test), and a short run of each fuzz target over its seed corpus; last, it
# builds the Debian package and checks it with lintian.  No display is
# needed: the window tests run offscreen, and the end-to-end tests (normal
# build only) start their own Xvfb.  The last line counts the tests of all
# the runs.
set -euo pipefail
cd "$(dirname "$0")/.."

# Line coverage, in per cent, below which the command fails: of the Qt-free
# code and of the whole program.  The Qt-free code is told by folder and file.
min_qt_free_coverage=95
min_program_coverage=85
qt_free_sources='src/(core|exact|field|settings|formula|worked|window_rules|equation|practice)/'

bash scripts/install-deps.sh test package

export QT_QPA_PLATFORM=offscreen
jobs=$(nproc)
# ccache, when it is there, keeps the five builds below short on the next run.
if command -v ccache >/dev/null; then
  export CCACHE_BASEDIR=$PWD CMAKE_CXX_COMPILER_LAUNCHER=ccache CMAKE_C_COMPILER_LAUNCHER=ccache
fi
summaries=$(mktemp) coverage_figures=$(mktemp)
trap 'rm -f "$summaries" "$coverage_figures"' EXIT
failed=0

# Runs one ctest suite; a failure is remembered, and the other suites still run.
run_suite() {
  local title=$1 dir=$2
  shift 2
  echo "==== $title"
  if ! ctest --test-dir "$dir" --output-on-failure --no-tests=error -j "$jobs" "$@" | tee -a "$summaries"; then
    failed=1
  fi
}

# Prints the line coverage of the Qt-free code, with the lines that no test
# runs, and of the whole program; a figure below its minimum, or no figure,
# fails the run.
report_coverage() {
  local dir=$1 trace=$1/coverage.json
  local qt_free=(--filter "$qt_free_sources")
  echo "==== Line coverage"
  if ! gcovr --root . "$dir" -j "$jobs" --filter 'src/' --json "$trace"; then
    failed=1
    return
  fi
  gcovr --root . --add-tracefile "$trace" "${qt_free[@]}" --sort-uncovered --txt | grep -Ev ' 100%|^-*$' || true
  coverage_line "$trace" "Qt-free code" "$min_qt_free_coverage" "${qt_free[@]}" || failed=1
  coverage_line "$trace" "whole program" "$min_program_coverage" --filter 'src/' || failed=1
}

# One line: the figure of the sources that the gcovr options select, against
# its minimum.  gcovr's summary reads "lines: 97.1% (3783 out of 3897)".
coverage_line() {
  local trace=$1 title=$2 minimum=$3
  shift 3
  gcovr --root . --add-tracefile "$trace" "$@" --print-summary --txt /dev/null |
    awk -v title="$title" -v minimum="$minimum" '
      /^lines:/ { percent = $2 + 0; covered = substr($3, 2); total = $6 + 0 }
      END {
        printf "Line coverage of the %s: %.1f %% (%d of %d lines; at least %s %%)\n", title, percent, covered, total, minimum
        exit total == 0 || percent < minimum
      }' | tee -a "$coverage_figures"
}

echo "==== Licence lines"
bash scripts/check-licence-lines.sh || failed=1
echo "==== Layers: no include runs up src/CMakeLists.txt's list, none in a circle"
python3 scripts/check-layers.py || failed=1

# Counts of an earlier run would add to this one's, and clash with the
# objects rebuilt below.
[ -d build/test ] && find build/test -name '*.gcda' -delete
cmake -S . -B build/test -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo -DTRX_WERROR=ON -DTRX_COVERAGE=ON
cmake --build build/test -j "$jobs"
run_suite "Tests" build/test
report_coverage build/test

cmake -S . -B build/portable -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo -DTRX_WERROR=ON -DTRX_WITH_X11=OFF \
  -DTRX_BUILD_BENCHMARKS=OFF
cmake --build build/portable -j "$jobs"
# The random session, two minutes long, checks nothing that the X11 code
# changes (the lock-key panels): it runs once, on the first build.
run_suite "Tests without X11 and without benchmarks" build/portable -E '^e2e\.RandomSession$'

# A leak fails its test like any other report.
export ASAN_OPTIONS=detect_leaks=1
export UBSAN_OPTIONS=print_stacktrace=1
cmake -S . -B build/asan -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo -DTRX_SANITIZE=ON -DTRX_BUILD_BENCHMARKS=OFF
cmake --build build/asan -j "$jobs"
run_suite "Tests under AddressSanitizer and UndefinedBehaviorSanitizer" build/asan

CC=clang CXX=clang++ cmake -S . -B build/fuzz -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo -DTRX_BUILD_FUZZERS=ON \
  -DBUILD_TESTING=OFF -DTRX_BUILD_BENCHMARKS=OFF
cmake --build build/fuzz -j "$jobs" --target trx_fuzz_number_text trx_fuzz_solve trx_fuzz_derivation trx_fuzz_equation trx_fuzz_answer trx_fuzz_keys
run_suite "Fuzz targets over their seed corpora" build/fuzz/fuzz

echo "==== Debian package, checked by lintian"
bash scripts/package.sh || failed=1

cat "$coverage_figures"
bash scripts/test-share.sh

# ctest closes each run with "N% tests passed, F tests failed out of T".
awk '/tests failed out of/ { failed += $4; total += $NF }
     END { printf "Total: %d passed, %d failed\n", total - failed, failed }' "$summaries"
exit "$failed"
