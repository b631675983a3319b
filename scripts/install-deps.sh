#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Installs the Debian/Ubuntu packages that Trinomix needs for the purposes
# named as arguments, and only those that are missing:
#   run      building and running the program (always included)
#   test     the tests, sanitizer build, benchmarks and fuzz targets
#   package  building and checking the .deb
#   lint     the format and clang-tidy checks
set -euo pipefail

packages=(
  build-essential cmake ninja-build pkg-config
  qt6-base-dev qt6-svg-dev
  qt6-charts-dev libqt6opengl6-dev  # the plot of the Desarrollo window (Qt Charts needs the OpenGL CMake files)
  qt6-tools-dev qt6-l10n-tools  # the program's translations (Qt Linguist's CMake support, lupdate, lrelease)
  qt6-translations-l10n  # Qt's own texts (menus of the fields, --help) in Spanish
  libgmp-dev libmpfr-dev  # exact arithmetic; correctly rounded results
  libx11-dev  # Caps Lock and Num Lock in the status bar
  libxkbcommon-dev  # Qt's CMake files look for it
  fonts-liberation2  # the metrics of Arial, for which the window is laid out
  lld  # the linker that gathers the start-up code (optional: without it the program is larger at start-up)
)
for purpose in "$@"; do
  case $purpose in
    run) ;;
    test)
      packages+=(
        libgtest-dev libbenchmark-dev
        python3  # the layer check of the includes
        clang libclang-rt-14-dev time  # the fuzz targets; the start-up comparison
        desktop-file-utils appstream  # validating the desktop files
        xvfb openbox xdotool xclip x11-utils  # the end-to-end tests: a real X server, real keys, the clipboard
        poppler-utils  # counting and reading the pages of the worksheets' PDF
        dbus at-spi2-core python3-pyatspi python3-pil imagemagick  # what a screen reader reads; contrast on screenshots
        qt6-gtk-platformtheme gnome-themes-extra  # the dark and high-contrast desktop themes
        weston qt6-wayland  # the Wayland smoke test
        ccache  # quicker rebuilds of the test builds
        valgrind  # the list of functions that run at start-up (bench/startup-order.sh)
        gcovr  # the line coverage that the test command prints
      ) ;;
    package) packages+=(dpkg-dev file lintian) ;;  # CPack's .deb generator and its check
    lint) packages+=(clang-format clang-tidy) ;;
    *) echo "install-deps.sh: unknown purpose '$purpose' (run, test, package or lint)" >&2; exit 2 ;;
  esac
done

missing=()
for package in "${packages[@]}"; do
  if ! dpkg-query -W -f='${Status}' "$package" 2>/dev/null | grep -q 'install ok installed'; then
    missing+=("$package")
  fi
done
[ ${#missing[@]} -eq 0 ] && exit 0

echo "Installing: ${missing[*]}"
as_root=()
[ "$(id -u)" -eq 0 ] || as_root=(sudo)
export DEBIAN_FRONTEND=noninteractive
"${as_root[@]}" apt-get update -qq
"${as_root[@]}" apt-get install -y -qq --no-install-recommends "${missing[@]}"
