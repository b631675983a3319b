#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# The program's first uses on a real X server (Xvfb with openbox, started
# here and stopped at the end), Release build: the first solve (F5), the
# first Desarrollo window (F2, after a solve) and the first plot (Alt+G on
# the Gráfica tab, after both), each timed from the key's arrival to the
# first paint that shows its effect, in a fresh process with empty settings
# every run, since each must be the first.  The keys are real X key events,
# sent with xdotool when trx_first_use_probe asks for them.  Prints the
# medians and fails when one is over its target: 50, 100 and 200 ms.
#   bash bench/first-use.sh [runs]   (default 15; at least 5)
set -euo pipefail
cd "$(dirname "$0")/.."

runs=${1:-15}
if [ "$runs" -lt 5 ]; then
  echo "at least 5 runs each" >&2
  exit 2
fi

bash scripts/install-deps.sh test  # Google Benchmark, GNU time, Xvfb, openbox, xdotool
build=build/release-bench
cmake -S . -B "$build" -G Ninja -DCMAKE_BUILD_TYPE=Release -DBUILD_TESTING=OFF > /dev/null
cmake --build "$build" --target trx_first_use_probe
probe=$build/trx_first_use_probe

source bench/timing.sh
start_run
start_xserver "$work"
export XDG_RUNTIME_DIR=$work/runtime
mkdir -m 700 "$XDG_RUNTIME_DIR"

# One first use in a fresh process with a settings store of its own, empty:
# answers the probe's requests for keys and adds "<use> <ms>" to the results.
first_use() {
  local use=$1 word value pid out ms=""
  export XDG_CONFIG_HOME=$work/settings
  rm -rf "$XDG_CONFIG_HOME"
  mkdir "$XDG_CONFIG_HOME"
  coproc PROBE { "$probe" "$use" 2>> "$work/probe.log"; }
  pid=$PROBE_PID
  exec {out}<&"${PROBE[0]}"  # bash drops PROBE once the probe has ended
  while read -r word value <&"$out"; do
    case $word in
      key) xdotool key "$value" ;;
      ms) ms=$value ;;
    esac
  done
  exec {out}<&-
  if ! wait "$pid" || [ -z "$ms" ]; then
    echo "$use: the probe failed" >&2
    cat "$work/probe.log" >&2
    return 1
  fi
  echo "$use $ms" >> "$results"
}

uses=(solve f2 grafica)
names=("first solve (F5)" "first Desarrollo (F2)" "first Gráfica (Alt+G)")
targets=(50 100 200)
first_use solve  # warm the caches
: > "$results"
for ((run = 0; run < runs; ++run)); do
  for use in "${uses[@]}"; do
    first_use "$use"
  done
done

echo "First use, key to first paint, median of $runs fresh runs each (Xvfb + openbox, Release)"
failed=0
for i in "${!uses[@]}"; do
  range=$(awk -v name="${uses[i]}" '$1 == name { print $2 }' "$results" | sort -n | sed -n '1p;$p' | paste -sd ' ')
  awk -v name="${names[i]}" -v ms="$(median "${uses[i]}" 2)" -v range="$range" -v target="${targets[i]}" 'BEGIN {
    split(range, ends, " ")
    printf "  %-24s %7.1f ms  (%.1f to %.1f; target <= %d ms)\n", name, ms, ends[1], ends[2], target
    exit (ms <= target) ? 0 : 1
  }' || failed=1
done
exit $failed
