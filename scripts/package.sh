#!/usr/bin/env bash
# Builds the Debian package build/package/trinomix_<version>_<arch>.deb,
# installing first whatever is missing to build it.  Install the result with
#   sudo apt-get install ./build/package/trinomix_*.deb
set -euo pipefail
cd "$(dirname "$0")/.."
bash scripts/install-deps.sh

# CPack's .deb generator: dpkg-shlibdeps (dpkg-dev) finds the libraries the
# program needs, and it tells binaries apart with file.
packaging=(dpkg-dev file)
missing=()
for package in "${packaging[@]}"; do
  if ! dpkg-query -W -f='${Status}' "$package" 2>/dev/null | grep -q 'install ok installed'; then
    missing+=("$package")
  fi
done
if [ ${#missing[@]} -gt 0 ]; then
  echo "Installing: ${missing[*]}"
  as_root=()
  [ "$(id -u)" -eq 0 ] || as_root=(sudo)
  export DEBIAN_FRONTEND=noninteractive
  "${as_root[@]}" apt-get update -qq
  "${as_root[@]}" apt-get install -y -qq --no-install-recommends "${missing[@]}"
fi

cmake -S . -B build/package -G Ninja -DCMAKE_BUILD_TYPE=Release -DBUILD_TESTING=OFF -DTRX_BUILD_BENCHMARKS=OFF
cmake --build build/package
rm -f build/package/trinomix_*.deb
(cd build/package && cpack -G DEB)
ls build/package/trinomix_*.deb
