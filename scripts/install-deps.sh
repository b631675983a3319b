#!/usr/bin/env bash
# Installs the Debian/Ubuntu packages that building and testing Trinomix
# needs, and only those that are missing.  Packages named as arguments are
# installed as well (the packaging and lint scripts need a few more).
set -euo pipefail

packages=(
  build-essential cmake ninja-build pkg-config
  qt6-base-dev qt6-svg-dev qt6-translations-l10n libx11-dev
  libgmp-dev  # exact arithmetic
  libgtest-dev libbenchmark-dev
  clang libclang-rt-14-dev time  # the fuzz targets; the start-up comparison
  desktop-file-utils appstream fonts-liberation2  # validating the desktop files; the look of the screenshot
  xvfb openbox xdotool xclip x11-utils  # the end-to-end tests: a real X server, real keys, the clipboard
  "$@"
)

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
