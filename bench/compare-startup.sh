#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Start-up of the program against the toolkit's floor: runs the program's
# start-up probe and the bare baseline window alternately (offscreen, Release
# build), each until its first paint, and prints the median wall time and
# peak memory of both and their ratios.  Fails when the program takes more
# than 1.15 times the baseline's time or 1.10 times its memory.
#   bash bench/compare-startup.sh [runs]     (default 15, at least 10)
set -euo pipefail
cd "$(dirname "$0")/.."

runs=${1:-15}
if [ "$runs" -lt 10 ]; then
  echo "at least 10 runs each" >&2
  exit 2
fi

bash scripts/install-deps.sh
build=build/release-bench
cmake -S . -B "$build" -G Ninja -DCMAKE_BUILD_TYPE=Release -DBUILD_TESTING=OFF > /dev/null
cmake --build "$build" --target trx_startup_probe trx_startup_baseline

export QT_QPA_PLATFORM=offscreen
# A settings store of its own, empty, so that every run starts alike.
XDG_CONFIG_HOME=$(mktemp -d)
export XDG_CONFIG_HOME
results=$(mktemp)
trap 'rm -rf "$XDG_CONFIG_HOME" "$results"' EXIT

# One run: "<name> <wall ms> <peak KiB>".  GNU time gives the peak resident
# memory; its wall time has only 10 ms steps, so the shell's clock is used.
measure() {
  local name=$1 program=$2 start end peak
  start=$EPOCHREALTIME
  peak=$(/usr/bin/time -f "%M" "$program" 2>&1 >/dev/null | tail -n 1)
  end=$EPOCHREALTIME
  echo "$name $(awk -v s="$start" -v e="$end" 'BEGIN { printf "%.1f", (e - s) * 1000 }') $peak" >> "$results"
}

probe=$build/bench/trx_startup_probe
baseline=$build/bench/trx_startup_baseline
# Warm the caches, then alternate so that drifts of the machine hit both.
"$probe" > /dev/null 2>&1
"$baseline" > /dev/null 2>&1
for ((i = 0; i < runs; ++i)); do
  measure program "$probe"
  measure baseline "$baseline"
done

median() {  # name column
  awk -v name="$1" -v column="$2" '$1 == name { print $column }' "$results" | sort -n |
    awk '{ value[NR] = $1 } END { print (NR % 2) ? value[(NR + 1) / 2] : (value[NR / 2] + value[NR / 2 + 1]) / 2 }'
}
program_ms=$(median program 2)
baseline_ms=$(median baseline 2)
program_kib=$(median program 3)
baseline_kib=$(median baseline 3)

awk -v runs="$runs" -v pm="$program_ms" -v bm="$baseline_ms" -v pk="$program_kib" -v bk="$baseline_kib" 'BEGIN {
  time_ratio = pm / bm
  memory_ratio = pk / bk
  printf "Start-up to the first paint, median of %d runs each (offscreen, Release)\n", runs
  printf "  %-10s %9s %12s\n", "", "wall ms", "peak MiB"
  printf "  %-10s %9.1f %12.1f\n", "program", pm, pk / 1024
  printf "  %-10s %9.1f %12.1f\n", "baseline", bm, bk / 1024
  printf "  ratio wall %.3f (target <= 1.15), peak memory %.3f (target <= 1.10)\n", time_ratio, memory_ratio
  exit (time_ratio <= 1.15 && memory_ratio <= 1.10) ? 0 : 1
}'
