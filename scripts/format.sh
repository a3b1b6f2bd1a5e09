#!/usr/bin/env bash
# SPDX-FileCopyrightText: 2026 The Tavrelo developers
# SPDX-License-Identifier: MIT
# Formats the project's C++ sources by .clang-format, in place; with --check, changes nothing and fails if a file
# is not formatted. Needs clang-format 14: other versions lay the same style out differently.
# Usage: scripts/format.sh [--check]
set -euo pipefail
cd "$(dirname "$0")/.."

formatter=$(command -v clang-format-14 || command -v clang-format) || {
  echo "format.sh: clang-format is missing (Debian: clang-format)" >&2
  exit 1
}
"$formatter" --version | grep -q 'version 14\.' || {
  echo "format.sh: needs clang-format 14, found: $("$formatter" --version)" >&2
  exit 1
}

# The sources of a git checkout, new files included, or, outside one, every source but the build folders'.
if git rev-parse --is-inside-work-tree >/dev/null 2>&1; then
  mapfile -t sources < <(git ls-files --cached --others --exclude-standard -- '*.cpp' '*.h' |
    while IFS= read -r file; do [ ! -f "$file" ] || echo "$file"; done)
else
  mapfile -t sources < <(find . \( -path './build*' -o -path './.git' \) -prune -o \
    -type f \( -name '*.cpp' -o -name '*.h' \) -print)
fi

if [ "${1:-}" = --check ]; then
  "$formatter" --dry-run -Werror "${sources[@]}" || {
    echo "format.sh: the files above are not formatted: run bash scripts/format.sh" >&2
    exit 1
  }
else
  "$formatter" -i "${sources[@]}"
fi
