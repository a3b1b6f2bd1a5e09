#!/usr/bin/env bash
# SPDX-FileCopyrightText: 2026 The Tavrelo developers
# SPDX-License-Identifier: MIT
# The Windows leg of the tests, for each package asked for (both by default): makes it (scripts/build-windows.sh),
# builds the test suites for that Windows, runs them under Wine through CTest (scripts/wine-test.sh: the 32-bit ones
# under 32-bit Wine set to report Windows 7), then starts the packaged program under Wine (scripts/smoke-windows.sh).
# Each leg's logs: ctest.log and smoke.log in its build folder (build-windows, build-win32).
# Usage: scripts/test-windows.sh [win64] [win32]
set -euo pipefail
cd "$(dirname "$0")/.."
targets=("$@")
[ ${#targets[@]} -gt 0 ] || targets=(win64 win32)

for target in "${targets[@]}"; do
  case $target in
    win64) build=build-windows ;;
    win32) build=build-win32 ;;
    *) echo "usage: $0 [win64] [win32]" >&2; exit 2 ;;
  esac
  start=$SECONDS
  echo "== Windows ($target): the package, the tests under Wine and the packaged program under Wine"
  bash scripts/build-windows.sh "$target"
  nice -n 19 cmake --build "$build" -j2
  nice -n 19 ctest --test-dir "$build" --output-on-failure --no-tests=error -j2 | tee "$build/ctest.log"
  bash scripts/smoke-windows.sh "$(ls "$build"/tavrelo-*-"$target".zip | tail -n 1)" | tee "$build/smoke.log"
  echo "== Windows ($target) took $(( (SECONDS - start) / 60 )) min $(( (SECONDS - start) % 60 )) s"
done
