#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Checks the code's format (.clang-format) and runs clang-tidy (.clang-tidy)
# over the program's sources.  Installs clang-format and clang-tidy when
# missing.  Run from anywhere; exits non-zero on any finding.
set -euo pipefail
cd "$(dirname "$0")/.."
bash scripts/install-deps.sh lint

git ls-files '*.cpp' '*.h' | xargs clang-format --dry-run -Werror

cmake -S . -B build/lint -G Ninja -DCMAKE_EXPORT_COMPILE_COMMANDS=ON -DBUILD_TESTING=OFF >/dev/null
# The window library's generated sources (moc, resources) must exist first.
cmake --build build/lint --target trx_app trx_plot >/dev/null
git ls-files 'src/*.cpp' | xargs -P "$(nproc)" -n 4 clang-tidy -p build/lint --quiet
echo "lint: clean"
