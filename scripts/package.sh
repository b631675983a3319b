#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Builds the Debian package build/package/trinomix_<version>_<arch>.deb,
# installing first whatever is missing to build it, and checks it with
# lintian: any error or warning fails the script.  Install the result with
#   sudo apt-get install ./build/package/trinomix_*.deb
set -euo pipefail
cd "$(dirname "$0")/.."
# CPack's .deb generator: dpkg-shlibdeps (dpkg-dev) finds the libraries the
# program needs, and it tells binaries apart with file.
bash scripts/install-deps.sh package

cmake -S . -B build/package -G Ninja -DCMAKE_BUILD_TYPE=Release -DBUILD_TESTING=OFF -DTRX_BUILD_BENCHMARKS=OFF
cmake --build build/package
rm -f build/package/trinomix_*.deb
(cd build/package && cpack -G DEB)
lintian --fail-on error,warning build/package/trinomix_*.deb
ls build/package/trinomix_*.deb
