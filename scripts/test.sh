#!/usr/bin/env bash
# SPDX-FileCopyrightText: 2026 The Tavrelo developers
# SPDX-License-Identifier: MIT
# Installs what is missing, checks the sources' format, then builds and runs every test: a normal build, a build with
# Qt 5.15 (what the 32-bit Windows package is built with), a build under AddressSanitizer and
# UndefinedBehaviorSanitizer, and a bounded fuzzing run of the question file reader, of the checker and of the GIFT
# reader, whose findings (crash-*, leak-*, ...) go into build-fuzz/; then the Windows legs, where a Qt for MinGW is at
# hand. The Qt 5.15 and Windows legs say how long they took.
set -euo pipefail
cd "$(dirname "$0")/.."
jobs=$(nproc)
fuzz_seconds=${TAVRELO_FUZZ_SECONDS:-60}

bash scripts/install-deps.sh
export QT_QPA_PLATFORM=offscreen

echo "== Format"
bash scripts/format.sh --check

echo "== Build and test"
# Tests and benchmarks are built only where Qt Test and Google Benchmark are found: here they must be.
cmake -S . -B build -DCMAKE_BUILD_TYPE=RelWithDebInfo -DBUILD_TESTING=ON -DTAVRELO_BENCHMARKS=ON \
  -DCMAKE_REQUIRE_FIND_PACKAGE_benchmark=ON
cmake --build build -j"$jobs"
ctest --test-dir build --output-on-failure --no-tests=error -j"$jobs" | tee build/ctest.log

echo "== Build and test with Qt 5.15"
leg=$SECONDS
cmake -S . -B build-qt5 -DCMAKE_BUILD_TYPE=RelWithDebInfo -DTAVRELO_QT_MAJOR=5 -DBUILD_TESTING=ON \
  -DTAVRELO_BENCHMARKS=OFF
cmake --build build-qt5 -j"$jobs"
ctest --test-dir build-qt5 --output-on-failure --no-tests=error -j"$jobs" | tee build-qt5/ctest.log
echo "== Qt 5.15 took $(( (SECONDS - leg) / 60 )) min $(( (SECONDS - leg) % 60 )) s"

echo "== Benchmarks build and run once"
for bench in build/bench/*_bench; do
  [ -x "$bench" ] && "$bench" --benchmark_min_time=0.01 >/dev/null
done

echo "== Sanitizers"
cmake -S . -B build-asan -DCMAKE_BUILD_TYPE=Debug -DTAVRELO_SANITIZE=ON -DBUILD_TESTING=ON -DTAVRELO_BENCHMARKS=OFF
cmake --build build-asan -j"$jobs"
ASAN_OPTIONS=detect_leaks=1:abort_on_error=1 \
LSAN_OPTIONS=suppressions=$PWD/tests/lsan.supp:print_suppressions=0 \
UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1 \
  ctest --test-dir build-asan --output-on-failure --no-tests=error -j"$jobs" | tee build-asan/ctest.log

echo "== Fuzzing the question file reader, the checker, the GIFT reader and the office document reader for ${fuzz_seconds}s in all"
CXX=clang++ cmake -S . -B build-fuzz -DCMAKE_BUILD_TYPE=RelWithDebInfo -DTAVRELO_FUZZ=ON -DBUILD_TESTING=OFF \
  -DTAVRELO_BENCHMARKS=OFF
fuzzers=(question_reader_fuzz question_checker_fuzz gift_reader_fuzz office_reader_fuzz)
cmake --build build-fuzz -j"$jobs" --target "${fuzzers[@]}"
for fuzzer in "${fuzzers[@]}"; do
  seeds=fuzz/corpus
  [ "$fuzzer" = gift_reader_fuzz ] && seeds=fuzz/gift_corpus
  [ "$fuzzer" = office_reader_fuzz ] && seeds=fuzz/office_corpus
  mkdir -p "build-fuzz/corpus/$fuzzer"
  "build-fuzz/fuzz/$fuzzer" -max_total_time="$(( (fuzz_seconds + ${#fuzzers[@]} - 1) / ${#fuzzers[@]} ))" \
    -max_len=65536 -timeout=3 -rss_limit_mb=1024 -artifact_prefix="build-fuzz/$fuzzer-" "build-fuzz/corpus/$fuzzer" "$seeds"
done

count() { sed -n 's/.* tests passed, 0 tests failed out of \([0-9]*\).*/\1/p' "$1"; }

# The Windows builds and their tests under Wine, each when its Qt for MinGW is at hand (or always, when asked for).
windows=0
for target in win64 win32; do
  build=build-windows qt=(scripts/qt-mingw.sh) archive=TAVRELO_QT_MINGW_ARCHIVE
  example=qt-6.4.2-mingw64-static minutes=35
  if [ $target = win32 ]; then
    build=build-win32 qt=(scripts/qt-mingw.sh win32) archive=TAVRELO_QT5_MINGW_ARCHIVE
    example=qt-5.15.8-mingw32-static minutes=16
  fi
  if [ "${TAVRELO_WINDOWS:-}" = always ] || bash "${qt[@]}" --at-hand; then
    bash scripts/test-windows.sh $target
    windows=$(( windows + $(count $build/ctest.log) + $(sed -n 's/^smoke-windows: \([0-9]*\) passed.*/\1/p' $build/smoke.log) ))
  else
    echo "The Windows leg $target did not run: no static Qt for MinGW is at hand. To run it, name a ready one,"
    echo "  $archive=../shared/qt-mingw/$example.tar.xz bash scripts/test.sh"
    echo "or build one once (about $minutes minutes on 2 cores) with: bash scripts/install-deps.sh --windows && bash ${qt[*]}"
  fi
done
echo "Tests: $(( $(count build/ctest.log) + $(count build-qt5/ctest.log) + $(count build-asan/ctest.log) + windows )) passed, 0 failed"
