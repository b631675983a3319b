# SPDX-License-Identifier: GPL-3.0-or-later
# shellcheck shell=bash disable=SC2154  # results is the caller's
# Sourced by the timing scripts.  The caller holds the array server_pids,
# stopped by its own exit trap, and the file $results of measurements, one
# line each: "<name> <value> [<value> ...]".

# The arguments runs and platform, checked: check_arguments <runs> <platform>.
check_arguments() {
  if [ "$1" -lt 10 ]; then
    echo "at least 10 runs each" >&2
    exit 2
  fi
  case $2 in
    offscreen | xvfb) ;;
    *)
      echo "platform: offscreen or xvfb" >&2
      exit 2
      ;;
  esac
}

# A scratch folder for the run, $work, holding the results file; removed,
# with any X server started for the run, when the script exits.
start_run() {
  work=$(mktemp -d)
  results=$work/results
  server_pids=()
  trap stop_run EXIT
}

# shellcheck disable=SC2317  # run by the exit trap
stop_run() {
  if [ ${#server_pids[@]} -gt 0 ]; then
    kill "${server_pids[@]}" 2> /dev/null || true
  fi
  rm -rf "$work"
}

# A real X server for the program: Xvfb with openbox, for focus and
# activation as on a desktop.  start_xserver <folder> starts both, exports
# DISPLAY and QT_QPA_PLATFORM=xcb and adds their process ids to server_pids.
start_xserver() {
  # Xvfb picks a free display and writes its number on the descriptor.
  local display_file=$1/display display
  Xvfb -displayfd 3 -screen 0 1280x800x24 -nolisten tcp -noreset 3> "$display_file" 2> /dev/null &
  server_pids+=($!)
  for _ in $(seq 100); do
    [ -s "$display_file" ] && break
    sleep 0.05
  done
  display=:$(cat "$display_file")
  export DISPLAY=$display
  openbox > /dev/null 2>&1 &
  server_pids+=($!)
  sleep 0.5  # the window manager takes its place before the first window
  export QT_QPA_PLATFORM=xcb
}

# One start-up: measure <name> <program> adds "<name> <wall ms> <peak KiB>
# <CPU ms>".  GNU time gives the peak resident memory; its wall and CPU
# times have only 10 ms steps, so the wall time is the shell's clock and the
# CPU time (user and system, the program's and GNU time's own) the shell's
# count for its children, both to the millisecond.  The CPU time hardly
# depends on what else the machine runs, the wall time does.
measure() {
  local name=$1 program=$2 start end peak cpu
  times > "$results.before"
  start=$EPOCHREALTIME
  peak=$(/usr/bin/time -f "%M" "$program" 2>&1 >/dev/null | tail -n 1)
  end=$EPOCHREALTIME
  times > "$results.after"
  cpu=$(($(children_cpu_ms "$results.after") - $(children_cpu_ms "$results.before")))
  echo "$name $(awk -v s="$start" -v e="$end" 'BEGIN { printf "%.1f", (e - s) * 1000 }') $peak $cpu" >> "$results"
}

# The user and system time of the shell's ended children in ms, from the
# output of its builtin `times`, which must run in the shell itself (a
# command substitution would count a subshell's children): its second line
# is "<minutes>m<seconds>s <minutes>m<seconds>s", user and system.
children_cpu_ms() {
  awk -F'[ms ]' 'NR == 2 { printf "%d\n", (($1 * 60 + $2) + ($4 * 60 + $5)) * 1000 + 0.5 }' "$1"
}

# median <name> <column>: the median of that column over the name's lines.
median() {
  awk -v name="$1" -v column="$2" '$1 == name { print $column }' "$results" | sort -n |
    awk '{ value[NR] = $1 } END { print (NR % 2) ? value[(NR + 1) / 2] : (value[NR / 2] + value[NR / 2 + 1]) / 2 }'
}
