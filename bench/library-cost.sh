#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# What a library costs at start-up, and so what loading it later saves
# (Release build): the program's start-up probe as it is and with Qt Charts
# loaded as if the plot were built in, and the bare baseline window as it is
# and with Qt Print Support or with GMP and MPFR loaded, as the program
# loads them.  All five run
# alternately, each until its first paint, on Xvfb with openbox (started
# here and stopped at the end) or on Qt's offscreen platform.  Prints the
# median wall time, CPU time and peak memory of each and what each library
# adds at start-up; fails when the plot's plug-in saves less than 2 ms and
# less than 2 MiB, the least for which a module of its own is worth keeping.
#   bash bench/library-cost.sh [runs] [xvfb|offscreen]   (default 21 xvfb; runs at least 10)
set -euo pipefail
cd "$(dirname "$0")/.."

runs=${1:-21}
platform=${2:-xvfb}
source bench/timing.sh
check_arguments "$runs" "$platform"

bash scripts/install-deps.sh test  # Google Benchmark, GNU time, Xvfb, openbox, xdotool
build=build/release-bench
programs=(trx_startup_probe trx_startup_probe_charts trx_startup_baseline trx_startup_baseline_print
  trx_startup_baseline_exact)
cmake -S . -B "$build" -G Ninja -DCMAKE_BUILD_TYPE=Release -DBUILD_TESTING=OFF > /dev/null
cmake --build "$build" --target "${programs[@]}"

# A settings store of its own, empty, so that every run starts alike.
start_run
export XDG_CONFIG_HOME=$work

if [ "$platform" = xvfb ]; then
  start_xserver "$work"
else
  export QT_QPA_PLATFORM=offscreen
fi

# Warm the caches, then alternate so that drifts of the machine hit all.
for program in "${programs[@]}"; do
  "$build/bench/$program" > /dev/null 2>&1
done
for ((i = 0; i < runs; ++i)); do
  for program in "${programs[@]}"; do
    measure "$program" "$build/bench/$program"
  done
done

row() {  # caption program
  awk -v caption="$1" -v ms="$(median "$2" 2)" -v kib="$(median "$2" 3)" -v cpu="$(median "$2" 4)" \
    'BEGIN { printf "  %-30s %9.1f %8.1f %10.1f\n", caption, ms, cpu, kib / 1024 }'
}
# cost <library> <without> <with>: the medians' differences.  Exits 1 when
# the library costs less than 2 ms of CPU time and less than 2 MiB, judged
# on the CPU time since the wall time swings with the machine's other work.
cost() {
  awk -v library="$1" -v ms="$(median "$3" 2)" -v base_ms="$(median "$2" 2)" \
    -v cpu="$(median "$3" 4)" -v base_cpu="$(median "$2" 4)" \
    -v kib="$(median "$3" 3)" -v base_kib="$(median "$2" 3)" 'BEGIN {
    time = cpu - base_cpu
    memory = (kib - base_kib) / 1024
    worth = time >= 2 || memory >= 2
    printf "  %s: %+.1f ms wall, %+.1f ms CPU, %+.1f MiB: a plug-in %s 2 ms or 2 MiB\n", library, ms - base_ms,
           time, memory, worth ? "saves at least" : "would save less than"
    exit worth ? 0 : 1
  }'
}

echo "Start-up to the first paint, median of $runs runs each ($platform, Release)"
printf '  %-30s %9s %8s %10s\n' "" "wall ms" "CPU ms" "peak MiB"
row "program" trx_startup_probe
row "program with Qt Charts" trx_startup_probe_charts
row "baseline window" trx_startup_baseline
row "baseline with Qt Print Support" trx_startup_baseline_print
row "baseline with GMP and MPFR" trx_startup_baseline_exact
cost "Qt Print Support" trx_startup_baseline trx_startup_baseline_print || true
cost "GMP and MPFR" trx_startup_baseline trx_startup_baseline_exact || true
cost "Qt Charts" trx_startup_probe trx_startup_probe_charts
