#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Fails, naming each one, when a source file (C++, CMake, shell or Python) of
# the checkout lacks the licence line in its first two lines (the first may
# be a #! line).  Files not yet committed count too; ignored ones do not.
set -euo pipefail
cd "$(dirname "$0")/.."

status=0
while IFS= read -r file; do
  if ! head -n 2 "$file" | grep -qE '^(//|#) SPDX-License-Identifier: GPL-3.0-or-later$'; then
    echo "no SPDX-License-Identifier: GPL-3.0-or-later line at the top of $file" >&2
    status=1
  fi
done < <(git ls-files -co --exclude-standard -- '*.cpp' '*.h' '*.py' '*.sh' '*.cmake' '*CMakeLists.txt')
exit "$status"
