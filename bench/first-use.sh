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

bash scripts/install-deps.sh
build=build/release-bench
cmake -S . -B "$build" -G Ninja -DCMAKE_BUILD_TYPE=Release -DBUILD_TESTING=OFF > /dev/null
cmake --build "$build" --target trx_first_use_probe
probe=$build/trx_first_use_probe

work=$(mktemp -d)
server_pids=()
cleanup() {
  if [ ${#server_pids[@]} -gt 0 ]; then
    kill "${server_pids[@]}" 2> /dev/null || true
  fi
  rm -rf "$work"
}
trap cleanup EXIT
source bench/xserver.sh
start_xserver "$work"
export XDG_RUNTIME_DIR=$work/runtime
mkdir -m 700 "$XDG_RUNTIME_DIR"

# One first use in a fresh process with a settings store of its own, empty:
# answers the probe's requests for keys and prints its milliseconds.
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
  echo "$ms"
}

median() {
  sort -n | awk '{ value[NR] = $1 } END { print (NR % 2) ? value[(NR + 1) / 2] : (value[NR / 2] + value[NR / 2 + 1]) / 2 }'
}

uses=(solve f2 grafica)
names=("first solve (F5)" "first Desarrollo (F2)" "first Gráfica (Alt+G)")
targets=(50 100 200)
first_use solve > /dev/null  # warm the caches
echo "First use, key to first paint, median of $runs fresh runs each (Xvfb + openbox, Release)"
failed=0
for i in "${!uses[@]}"; do
  times=()
  for ((run = 0; run < runs; ++run)); do
    times+=("$(first_use "${uses[i]}")")
  done
  printf '%s\n' "${times[@]}" | median | awk -v name="${names[i]}" -v target="${targets[i]}" \
    -v low="$(printf '%s\n' "${times[@]}" | sort -n | head -n 1)" \
    -v high="$(printf '%s\n' "${times[@]}" | sort -n | tail -n 1)" '{
    printf "  %-24s %7.1f ms  (%.1f to %.1f; target <= %d ms)\n", name, $1, low, high, target
    exit ($1 <= target) ? 0 : 1
  }' || failed=1
done
exit $failed
