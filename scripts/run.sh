#!/usr/bin/env bash
# SPDX-FileCopyrightText: 2026 The Tavrelo developers
# SPDX-License-Identifier: MIT
# Installs what is missing, builds Tavrelo and starts it on the bundled sample question file. It builds the program
# alone, which copies the sample beside itself: the tests and the other programs are scripts/test.sh's to build.
set -euo pipefail
cd "$(dirname "$0")/.."

bash scripts/install-deps.sh
cmake -S . -B build -DCMAKE_BUILD_TYPE=RelWithDebInfo -DTAVRELO_BENCHMARKS=OFF
cmake --build build -j"$(nproc)" --target tavrelo

if [ -z "${DISPLAY:-}" ] && [ -z "${WAYLAND_DISPLAY:-}" ]; then
  echo "Tavrelo is built (build/tavrelo, with the sample build/data.txt), but there is no display to show it on." >&2
  echo "Run it from a desktop session, or on a virtual screen: xvfb-run -a build/tavrelo" >&2
  exit 1
fi
exec build/tavrelo
