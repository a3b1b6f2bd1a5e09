#!/usr/bin/env bash
# SPDX-FileCopyrightText: 2026 The Tavrelo developers
# SPDX-License-Identifier: MIT
# Photographs the page that tavrelo-check writes of a quiz (--html), in Russian, as a teacher sees it in her browser:
# the README's file with a few slips, into docs/quiz-page.png, and the quiz converted from the Word test of the
# tests (tests/check/data/office/word-lists-bold.docx), into docs/word-test-page.png, through headless Chromium.
# Builds nothing: run it after `cmake --build build`.
# Usage: scripts/page-screenshot.sh [BUILD_FOLDER]   (needs chromium)
set -euo pipefail
cd "$(dirname "$0")/.."
build=$(realpath "${1:-build}")
[ -x "$build/tavrelo-check" ] || { echo "page-screenshot.sh: $build/tavrelo-check is not built" >&2; exit 1; }
command -v chromium >/dev/null || { echo "page-screenshot.sh: chromium is missing" >&2; exit 1; }

work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
printf '%s\r\n' 'Тест по географии' 'Вес вопроса: 1' 'Какая река самая длинная в Европе?' 'А) Дунай' 'B) Волга*' \
  'C) Днепр' 'Вес вопроса : 2' 'Сколько океанов на Земле?' 'Вес вопроса: 1' 'Самая высокая гора мира?' \
  'A) Эверест* ' 'B) Эльбрус' 'D) Монблан' >"$work/data.txt"
(cd "$work" && LANGUAGE= LC_ALL= LC_MESSAGES= LANG=ru_RU.UTF-8 "$build/tavrelo-check" --html data.html data.txt) || true
[ -s "$work/data.html" ] || { echo "page-screenshot.sh: no page was written" >&2; exit 1; }
timeout 120 chromium --headless --no-sandbox --disable-gpu --no-first-run --disable-background-networking \
  --disable-component-update --disable-sync --user-data-dir="$work/profile" --hide-scrollbars \
  --window-size=1000,1240 --screenshot="$PWD/docs/quiz-page.png" "file://$work/data.html" 2>"$work/chromium.log" ||
  { cat "$work/chromium.log" >&2; exit 1; }
echo "docs/quiz-page.png"

cp tests/check/data/office/word-lists-bold.docx "$work/history.docx"
(cd "$work" && LANGUAGE= LC_ALL= LC_MESSAGES= LANG=ru_RU.UTF-8 "$build/tavrelo-check" --convert history.txt history.docx;
  LANGUAGE= LC_ALL= LC_MESSAGES= LANG=ru_RU.UTF-8 "$build/tavrelo-check" --html history.html history.txt) || true
[ -s "$work/history.html" ] || { echo "page-screenshot.sh: no page of the Word test was written" >&2; exit 1; }
timeout 120 chromium --headless --no-sandbox --disable-gpu --no-first-run --disable-background-networking \
  --disable-component-update --disable-sync --user-data-dir="$work/profile" --hide-scrollbars \
  --window-size=1000,1100 --screenshot="$PWD/docs/word-test-page.png" "file://$work/history.html" 2>"$work/chromium.log" ||
  { cat "$work/chromium.log" >&2; exit 1; }
echo "docs/word-test-page.png"
