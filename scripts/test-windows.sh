#!/usr/bin/env bash
# SPDX-FileCopyrightText: 2026 The Tavrelo developers
# SPDX-License-Identifier: MIT
# The Windows leg of the tests: makes the Windows package (scripts/build-windows.sh), builds the test suites for
# Windows, runs them under Wine through CTest (scripts/wine-test.sh), then starts the packaged program under Wine
# (scripts/smoke-windows.sh).
# Usage: scripts/test-windows.sh
set -euo pipefail
cd "$(dirname "$0")/.."
build=build-windows

bash scripts/build-windows.sh
nice -n 19 cmake --build "$build" -j2
nice -n 19 ctest --test-dir "$build" --output-on-failure --no-tests=error -j2 | tee "$build/ctest.log"
bash scripts/smoke-windows.sh "$(ls "$build"/tavrelo-*-win64.zip | tail -n 1)" | tee "$build/smoke.log"
