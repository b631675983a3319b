#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Prints the size of the tests against the program: non-blank lines of the
# C++, shell and Python files git tracks under tests/ and under src/.  Fuzz
# targets and benchmarks are neither.  The project keeps the tests between a
# quarter and a third of the program.
set -euo pipefail
cd "$(dirname "$0")/.."

non_blank_lines() {
  git ls-files -- "$1" | grep -E '\.(cpp|h|sh|py)$' | xargs -r cat | grep -cv '^[[:space:]]*$' || true
}

program=$(non_blank_lines src)
tests=$(non_blank_lines tests)
echo "Test share: $tests test lines against $program program lines ($((100 * tests / program)) %, kept between 25 and 35 %)"
