#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Writes src/app/startup-functions.txt: the program's own functions that run
# before the main window's first paint, which the linker places together at
# the front of its code (cmake/StartupOrder.cmake).  Runs the start-up probe
# (Release) under Valgrind's callgrind, on Qt's offscreen platform and on
# Xvfb with openbox (where the lock keys are read), with empty settings, and
# lists every function of the probe's own code that either run entered.
# Run it again when start-up changes: the linker passes over a name that no
# longer exists, so an old list only gathers less.
#   bash bench/startup-order.sh
set -euo pipefail
cd "$(dirname "$0")/.."

bash scripts/install-deps.sh test
build=build/release-bench
cmake -S . -B "$build" -G Ninja -DCMAKE_BUILD_TYPE=Release -DBUILD_TESTING=OFF > /dev/null
cmake --build "$build" --target trx_startup_probe
probe=$(realpath "$build/bench/trx_startup_probe")

source bench/timing.sh
start_run
export XDG_CONFIG_HOME=$work

# profile <name>: the probe under callgrind, its profile in $work/<name>.
profile() {
  valgrind --tool=callgrind --demangle=no --compress-strings=no \
    --callgrind-out-file="$work/$1" "$probe" > /dev/null 2>&1
}
QT_QPA_PLATFORM=offscreen profile offscreen
start_xserver "$work"
profile xcb

list=src/app/startup-functions.txt
{
  echo "# SPDX-License-Identifier: GPL-3.0-or-later"
  echo "# Written by bench/startup-order.sh: the functions that run before the main"
  echo "# window's first paint, which the linker places first (cmake/StartupOrder.cmake)."
  # The function lines ("fn=") of the probe's object ("ob="), with the
  # marks of recursion ('2) dropped; addresses are stubs without a name, and
  # QuitAfterFirstPaint is the probe's own, not the program's.
  awk -v object="$probe" '
    /^ob=/ { own = (substr($0, 4) == object) }
    own && /^fn=/ { name = substr($0, 4); sub(/\047[0-9]+$/, "", name); print name }
  ' "$work/offscreen" "$work/xcb" | grep -v -e '^0x' -e '^(below main)$' -e 'QuitAfterFirstPaint' | LC_ALL=C sort -u
} > "$list"
echo "$(grep -vc '^#' "$list") functions in $list"
