# SPDX-License-Identifier: GPL-3.0-or-later
# Sourced by the timing scripts: a real X server for the program, Xvfb with
# openbox for focus and activation as on a desktop.  start_xserver <folder>
# starts both, exports DISPLAY and QT_QPA_PLATFORM=xcb and appends their
# process ids to the caller's server_pids array, for the caller to stop.

start_xserver() {
  # Xvfb picks a free display and writes its number on the descriptor.
  local display_file=$1/display
  Xvfb -displayfd 3 -screen 0 1280x800x24 -nolisten tcp -noreset 3> "$display_file" 2> /dev/null &
  server_pids+=($!)
  for _ in $(seq 100); do
    [ -s "$display_file" ] && break
    sleep 0.05
  done
  export DISPLAY=:$(cat "$display_file")
  openbox > /dev/null 2>&1 &
  server_pids+=($!)
  sleep 0.5  # the window manager takes its place before the first window
  export QT_QPA_PLATFORM=xcb
}
