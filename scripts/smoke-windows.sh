#!/usr/bin/env bash
# SPDX-FileCopyrightText: 2026 The Tavrelo developers
# SPDX-License-Identifier: MIT
# Starts the packaged tavrelo.exe under Wine on a virtual screen with the openbox window manager, as a Windows user
# would: unpacked into a folder whose path holds Cyrillic letters and spaces, started from another working folder.
# Watches it from outside, by its windows' titles, sizes and order of appearance:
# - on the sample data.txt the quiz window "Tavrelo" appears, with no message before it;
# - without a data.txt the loading window "Loading data..." comes first, then the "Tavrelo" message box while the
#   loading window is still up, and the quiz window only once the message is answered.
# - tavrelo-check.exe, alone in a console (as Explorer starts it), waits for Enter before the console closes; from a
#   command prompt, or with its input from a pipe, it reports and ends at once.
# With SHOTS-FOLDER, photographs the quiz window and the message over the loading window into it.
# A 32-bit package (tavrelo-*-win32.zip) runs under 32-bit Wine set to report Windows 7.
# Usage: scripts/smoke-windows.sh [ZIP [SHOTS-FOLDER]]   (ZIP: build-windows/tavrelo-*-win64.zip by default)
set -euo pipefail
cd "$(dirname "$0")/.."
zip=${1:-$(ls build-windows/tavrelo-*-win64.zip 2>/dev/null | tail -n 1 || true)}
shots=${2:-}
[ -f "$zip" ] || { echo "smoke-windows.sh: no package: run bash scripts/build-windows.sh" >&2; exit 1; }
for tool in wine wineserver Xvfb openbox xdotool xwininfo xdpyinfo xprop unzip import script timeout; do
  command -v "$tool" >/dev/null || { echo "smoke-windows.sh: $tool is missing: bash scripts/install-deps.sh --windows" >&2; exit 1; }
done
[ -z "$shots" ] || shots=$(realpath "$shots")

work=$(mktemp -d)
pids=()
export WINEPREFIX=$work/wine WINEDLLOVERRIDES="mscoree=;mshtml=" WINEDEBUG=-all
windows7=0
case $zip in *-win32.zip) windows7=1 && export WINEARCH=win32 ;; esac
cleanup() {
  wineserver -k 2>/dev/null || true
  kill "${pids[@]}" 2>/dev/null || true
  wait 2>/dev/null || true
  rm -rf "$work"
}
trap cleanup EXIT

Xvfb -displayfd 3 -screen 0 1024x768x24 -nolisten tcp 3>"$work/display" 2>"$work/xvfb.log" &
pids+=($!)
for _ in $(seq 100); do [ -s "$work/display" ] && xdpyinfo -display ":$(cat "$work/display")" >/dev/null 2>&1 && break; sleep 0.05; done
export DISPLAY=:$(cat "$work/display")
openbox >"$work/openbox.log" 2>&1 &
pids+=($!)
wineboot -i >/dev/null 2>&1
if [ $windows7 = 1 ]; then
  wine reg add 'HKEY_CURRENT_USER\Software\Wine' /v Version /t REG_SZ /d win7 /f >/dev/null 2>&1
  wine cmd /c ver 2>/dev/null | grep -q ' 6\.1\.' ||
    { echo "smoke-windows.sh: Wine does not report Windows 7" >&2; exit 1; }
fi
wineserver -w

# The package where a Windows user may keep it, and a working folder elsewhere, as a shortcut may give.
home="$work/Иван/Мои тесты"
mkdir -p "$home" "$work/Рабочая папка"
unzip -q "$zip" -d "$home"
exe=$(echo "$home"/tavrelo-*-win*/tavrelo.exe)
[ -f "$exe" ] || { echo "smoke-windows.sh: $zip holds no tavrelo-*-win*/tavrelo.exe" >&2; exit 1; }

passes=0 failures=0
ok() { echo "ok: $*"; passes=$((passes + 1)); }
fail() { echo "FAIL: $*"; failures=$((failures + 1)); }
start() {
  (cd "$work/Рабочая папка" && exec wine "$exe" >>"$work/wine.log" 2>&1) &
  disown # ended by wineserver -k, which bash need not report
}
stop() { wineserver -k 2>/dev/null || true; wineserver -w 2>/dev/null || true; }

# visible NAME: the ids of the visible windows of that title.
visible() { xdotool search --onlyvisible --name "^$1\$" 2>/dev/null || true; }
# await NAME [OTHER_THAN]: waits up to 60 s for a visible window of that title (other than OTHER_THAN).
await() {
  local id
  for _ in $(seq 600); do
    id=$(visible "$1" | grep -vx "${2:-none}" | tail -n 1)
    [ -n "$id" ] && { echo "$id"; return 0; }
    sleep 0.1
  done
  return 1
}
size() { xwininfo -id "$1" | awk '/Width:/ {w = $2} /Height:/ {h = $2} END {print w "x" h}'; }
# The quiz window is 721 by 584 pixels inside its frame; a message box is far smaller.
is_quiz_window() { local s; s=$(size "$1"); [ "${s%x*}" -ge 700 ] && [ "${s#*x}" -ge 550 ]; }
shoot() {
  [ -n "$shots" ] || return 0
  sleep 1
  mkdir -p "$shots"
  bash scripts/window-shot.sh "$1" "$shots/$2"
  echo "wrote $shots/$2"
}

echo "== On the sample, from $home, working folder $work/Рабочая папка"
start
if main=$(await Tavrelo); then
  is_quiz_window "$main" && ok "the quiz window came first ($(size "$main"))" ||
    fail "the first window titled Tavrelo is $(size "$main"), not the quiz window: a message came first"
  shoot "$main" tavrelo-wine.png
else
  fail "no window titled Tavrelo appeared"
fi
stop

echo "== Without data.txt"
rm "$(dirname "$exe")/data.txt"
start
if loading=$(await 'Loading data\.\.\.'); then
  ok "the loading window came first"
  if box=$(await Tavrelo); then
    if is_quiz_window "$box"; then
      fail "the quiz window came before any message"
    else
      ok "the message box came next ($(size "$box")), over the loading window"
      [ -n "$(visible 'Loading data\.\.\.')" ] || fail "the loading window was gone under the message"
      # The whole screen, as the user sees it: the message where Wine puts it, the loading window under it.
      shoot "$(xwininfo -root | awk '/Window id:/ {print $4}')" tavrelo-wine-no-data.png
      xdotool windowactivate --sync "$box" key Return 2>/dev/null || xdotool key Return
      if main=$(await Tavrelo "$box") && is_quiz_window "$main"; then
        ok "the quiz window came once the message was answered ($(size "$main"))"
      else
        fail "no quiz window after the message"
      fi
    fi
  else
    fail "no message box appeared"
  fi
else
  fail "no loading window appeared"
fi
stop

echo "== The checker, alone in a console, from a command prompt and from a pipe"
# Explorer gives the checker a console of its own, which closes when it ends; a terminal under Wine does the same
# (no command prompt shares it). There the checker waits for Enter; from a command prompt, or with its input from a
# pipe, it must not.
folder=$(dirname "$exe")
unzip -p "$zip" '*/data.txt' >"$folder/мой тест.txt"
mkfifo "$work/keys" "$work/pipe"
exec 8<>"$work/keys" 9<>"$work/pipe" # open and never written: a read waits
# in_console LOG COMMAND: runs the command in a terminal of its own, wide enough for a report line, its keys from
# the keys fifo, in the background.
in_console() {
  (cd "$folder" && LC_ALL=C.UTF-8 exec script -qfec "stty cols 500; $2" "$work/$1") <"$work/keys" >/dev/null 2>&1 &
  console=$!
}
# ended SECONDS: whether the console's command ended within that time.
ended() {
  for _ in $(seq $(($1 * 10))); do kill -0 "$console" 2>/dev/null || return 0; sleep 0.1; done
  return 1
}
report="мой тест.txt: .* 0 errors, 0 warnings"
# Debian's wine, once 32-bit Wine is installed too, starts a 64-bit program through start.exe, which shares its
# console; Explorer gives the program a console of its own, as the 64-bit loader started directly does.
alone=wine
[ $windows7 = 1 ] || [ ! -x /usr/lib/wine/wine64 ] || alone=/usr/lib/wine/wine64
in_console alone.log "$alone tavrelo-check.exe 'мой тест.txt'"
if ! ended 10 && grep -q "$report" "$work/alone.log" && grep -q 'Press Enter to close this window' "$work/alone.log"; then
  ok "alone in its console, the checker reported and waits for Enter"
  printf '\r' >&8
  ended 10 && ok "Enter ended it" || fail "the checker did not end on Enter"
else
  fail "alone in its console, the checker did not wait for Enter: $(cat "$work/alone.log")"
fi
kill "$console" 2>/dev/null || true
# ends_at_once LOG COMMAND HOW: the checker, started by the command, reports and ends without waiting for Enter.
ends_at_once() {
  in_console "$1" "$2"
  if ended 20 && grep -q "$report" "$work/$1" && ! grep -q 'Press Enter' "$work/$1"; then
    ok "$3, the checker reported and ended at once"
  else
    fail "$3, the checker did not end at once: $(cat "$work/$1")"
  fi
  kill "$console" 2>/dev/null || true
}
ends_at_once prompt.log "wine cmd /c tavrelo-check.exe \"мой тест.txt\"" "from a command prompt"
ends_at_once pipe.log "wine tavrelo-check.exe 'мой тест.txt' <'$work/pipe'" "with its input from a pipe"
exec 8>&- 9>&-
stop

echo "smoke-windows: $passes passed, $failures failed"
[ "$failures" -eq 0 ]
