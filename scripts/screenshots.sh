#!/usr/bin/env bash
# SPDX-FileCopyrightText: 2026 The Tavrelo developers
# SPDX-License-Identifier: MIT
# Photographs Tavrelo's windows as a user meets them, on a virtual screen with the openbox window manager, into
# docs/: the quiz window at start on the bundled sample, a long question with long answers, a message box, the
# loading window and the splash window. Builds nothing: run it after `cmake --build build`.
# Usage: scripts/screenshots.sh [BUILD_FOLDER]   (needs xvfb, openbox, xdotool and imagemagick)
set -euo pipefail
cd "$(dirname "$0")/.."
build=$(realpath "${1:-build}")
docs=$PWD/docs
for tool in Xvfb openbox xdotool xwininfo xdpyinfo xprop import iconv; do
  command -v "$tool" >/dev/null || { echo "screenshots.sh: $tool is missing" >&2; exit 1; }
done
for exe in "$build/tavrelo" "$build/tools/tavrelo-splash"; do
  [ -x "$exe" ] || { echo "screenshots.sh: $exe is not built" >&2; exit 1; }
done

work=$(mktemp -d)
pids=()
cleanup() { kill "${pids[@]}" 2>/dev/null || true; wait 2>/dev/null || true; rm -rf "$work"; }
trap cleanup EXIT

# A screen of its own: a free display number, or the one given in TAVRELO_SCREENSHOT_DISPLAY.
if [ -n "${TAVRELO_SCREENSHOT_DISPLAY:-}" ]; then
  Xvfb ":$TAVRELO_SCREENSHOT_DISPLAY" -screen 0 1024x768x24 -nolisten tcp 2>"$work/xvfb.log" &
  pids+=($!)
  echo "$TAVRELO_SCREENSHOT_DISPLAY" >"$work/display"
else
  Xvfb -displayfd 3 -screen 0 1024x768x24 -nolisten tcp 3>"$work/display" 2>"$work/xvfb.log" &
  pids+=($!)
fi
for _ in $(seq 100); do [ -s "$work/display" ] && xdpyinfo -display ":$(cat "$work/display")" >/dev/null 2>&1 && break; sleep 0.05; done
export DISPLAY=:$(cat "$work/display") QT_QPA_PLATFORM=xcb XDG_RUNTIME_DIR=$work
unset QT_SCALE_FACTOR QT_SCREEN_SCALE_FACTORS QT_FONT_DPI
openbox >"$work/openbox.log" 2>&1 &
pids+=($!)
sleep 1

# start EXE [DATA_FILE]: the program alone in a folder of its own, with DATA_FILE as its data.txt.
start() {
  local dir
  dir=$(mktemp -d "$work/run.XXXXXX")
  cp "$1" "$dir/"
  [ -z "${2:-}" ] || cp "$2" "$dir/data.txt"
  "$dir/$(basename "$1")" >"$dir/log" 2>&1 &
  app=$!
  pids+=("$app")
}
stop() { kill "$app" 2>/dev/null || true; wait "$app" 2>/dev/null || true; }

# window NAME [OTHER_THAN]: the id of the program's visible window of that name (other than the window
# OTHER_THAN), waiting for it to appear.
window() {
  local id
  for _ in $(seq 100); do
    id=$(xdotool search --all --pid "$app" --onlyvisible --name "^$1\$" 2>/dev/null | grep -vx "${2:-none}" | tail -1)
    [ -n "$id" ] && { echo "$id"; return; }
    sleep 0.1
  done
  echo "screenshots.sh: no window '$1' appeared" >&2
  exit 1
}

# shoot ID FILE: the window with the frame the window manager gives it, once it has been drawn.
shoot() {
  sleep 0.7
  bash scripts/window-shot.sh "$1" "$docs/$2"
  echo "wrote docs/$2"
}

click() { xdotool mousemove --window "$1" "$2" "$3" click 1; sleep 0.2; }

# A question whose text and answers are longer than the window is wide, in the file's own code page.
long="$work/long.txt"
{
  printf 'Вес вопроса: 1\r\n'
  printf 'Прочитайте отрывок и ответьте на вопрос после него. Текст вопроса нарочно длинный: он переносится по словам на ширине окна, а то, что не помещается, уходит под кнопки ответов, которые закрывают его целиком.\r\n'
  for i in 1 2 3 4 5 6 7 8 9 10 11 12; do
    printf 'Строка %s отрывка: «Широка страна моя родная, много в ней лесов, полей и рек» — и так далее.\r\n' "$i"
  done
  printf 'A) Короткий ответ\r\n'
  printf 'B) Ответ из многих слов, который не помещается в одну строку кнопки и потому переносится на следующую строку внутри той же кнопки*\r\n'
  printf 'C) ОдноОченьДлинноеСловоБезПробеловКотороеНеУмещаетсяВШиринуКнопкиИПереносится_Где_Придётся_Прямо_Посреди_Слова_Без_Всяких_Пробелов\r\n'
  printf 'D) Tom & Jerry <b>не жирный</b>\r\n'
} | iconv -f UTF-8 -t CP1251 >"$long"

# The quiz window at start, on the bundled sample.
start "$build/tavrelo" data/data.txt
main=$(window Tavrelo)
shoot "$main" screenshot.png
# A wrong answer, both message options ticked: the message names the right answer.
click "$main" 20 16   # showMessage
click "$main" 20 40   # showRight
click "$main" 60 355  # answer A of question 1
click "$main" 88 542  # "Я прав?"
shoot "$(window Tavrelo "$main")" message-box.png
stop

start "$build/tavrelo" "$long"
shoot "$(window Tavrelo)" long-question.png
stop

# Without a question file the loading window stays up under the message that says so.
start "$build/tavrelo"
loading=$(window 'Loading data\.\.\.')
xdotool windowmove "$(window Tavrelo)" 0 0
shoot "$loading" loading-window.png
stop

start "$build/tools/tavrelo-splash"
shoot "$(window ' ')" splash.png
stop
