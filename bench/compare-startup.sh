#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Start-up of the program against the toolkit's floor: runs the program's
# start-up probe and the bare baseline window alternately (Release build),
# each until its first paint, and prints the median wall time and peak
# memory of both and their ratios.  The platform is Qt's offscreen one, or a
# real X server: Xvfb with openbox, started here and stopped at the end.
# Fails when the program takes more than 1.10 times the baseline's time or
# 1.05 times its memory.
#   bash bench/compare-startup.sh [runs] [offscreen|xvfb]   (default 15 offscreen; runs at least 10)
set -euo pipefail
cd "$(dirname "$0")/.."

runs=${1:-15}
platform=${2:-offscreen}
source bench/timing.sh
check_arguments "$runs" "$platform"

bash scripts/install-deps.sh test  # Google Benchmark, GNU time, Xvfb, openbox, xdotool
build=build/release-bench
cmake -S . -B "$build" -G Ninja -DCMAKE_BUILD_TYPE=Release -DBUILD_TESTING=OFF > /dev/null
cmake --build "$build" --target trx_startup_probe trx_startup_baseline

# A settings store of its own, empty, so that every run starts alike.
start_run
export XDG_CONFIG_HOME=$work

if [ "$platform" = xvfb ]; then
  start_xserver "$work"
else
  export QT_QPA_PLATFORM=offscreen
fi

probe=$build/bench/trx_startup_probe
baseline=$build/bench/trx_startup_baseline
# Warm the caches, then alternate so that drifts of the machine hit both.
"$probe" > /dev/null 2>&1
"$baseline" > /dev/null 2>&1
for ((i = 0; i < runs; ++i)); do
  measure program "$probe"
  measure baseline "$baseline"
done

program_ms=$(median program 2)
baseline_ms=$(median baseline 2)
program_kib=$(median program 3)
baseline_kib=$(median baseline 3)
program_cpu=$(median program 4)
baseline_cpu=$(median baseline 4)

awk -v runs="$runs" -v platform="$platform" -v pm="$program_ms" -v bm="$baseline_ms" -v pk="$program_kib" -v bk="$baseline_kib" \
  -v pc="$program_cpu" -v bc="$baseline_cpu" 'BEGIN {
  time_ratio = pm / bm
  memory_ratio = pk / bk
  printf "Start-up to the first paint, median of %d runs each (%s, Release)\n", runs, platform
  printf "  %-10s %9s %12s %8s\n", "", "wall ms", "peak MiB", "CPU ms"
  printf "  %-10s %9.1f %12.1f %8.1f\n", "program", pm, pk / 1024, pc
  printf "  %-10s %9.1f %12.1f %8.1f\n", "baseline", bm, bk / 1024, bc
  printf "  ratio wall %.3f (target <= 1.10), peak memory %.3f (target <= 1.05)\n", time_ratio, memory_ratio
  # Steadier than the wall time on a busy machine, so shown beside it.
  printf "  ratio CPU time %.3f\n", pc / bc
  exit (time_ratio <= 1.10 && memory_ratio <= 1.05) ? 0 : 1
}'
