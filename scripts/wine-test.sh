#!/usr/bin/env bash
# SPDX-FileCopyrightText: 2026 The Tavrelo developers
# SPDX-License-Identifier: MIT
# Runs one Windows Qt Test program under Wine, as CTest does for a Windows build made here (cmake/windows.cmake
# names this script as the tests' emulator): offscreen, with DejaVu fonts, in a Wine prefix of the tests' own
# (${XDG_CACHE_HOME:-~/.cache}/tavrelo/wine-tests, made on first use). A 32-bit test runs in a 32-bit prefix of its
# own (wine-tests-win32) set to report Windows 7, the oldest the 32-bit build runs on. Its log goes to standard
# output and its exit status is the test's.
# Usage: scripts/wine-test.sh TEST.exe [QT-TEST-ARGUMENTS...]
set -euo pipefail
[ $# -ge 1 ] || { echo "usage: $0 TEST.exe [ARGUMENTS...]" >&2; exit 2; }
command -v wine >/dev/null || { echo "wine-test.sh: wine is missing (Debian: wine64)" >&2; exit 2; }

prefix=${XDG_CACHE_HOME:-$HOME/.cache}/tavrelo/wine-tests
windows7=0
if file -b "$1" | grep -q '^PE32 '; then # PE32+ is 64-bit
  prefix=$prefix-win32 windows7=1
  export WINEARCH=win32
fi
export WINEPREFIX=${TAVRELO_WINEPREFIX:-$prefix}
# No Mono and no Gecko: Wine would offer to install them.
export WINEDLLOVERRIDES="mscoree=;mshtml=" WINEDEBUG=-all
if [ ! -f "$WINEPREFIX/.tavrelo-ready" ]; then
  mkdir -p "$WINEPREFIX"
  (
    flock 9
    if [ ! -f "$WINEPREFIX/.tavrelo-ready" ]; then
      wineboot -i >/dev/null 2>&1
      [ $windows7 = 0 ] || wine reg add 'HKEY_CURRENT_USER\Software\Wine' /v Version /t REG_SZ /d win7 /f >/dev/null 2>&1
      wineserver -w
      touch "$WINEPREFIX/.tavrelo-ready"
    fi
  ) 9>"$WINEPREFIX.lock"
fi

# Wine hands a program no Unix variable named QT_*, but passes WINEQT_* on as QT_*.
while IFS='=' read -r name _; do
  [[ $name == QT_* ]] && export "WINE$name=${!name}"
done < <(env)
export WINEQT_QPA_PLATFORM=${QT_QPA_PLATFORM:-offscreen}
# Offscreen Qt on Windows looks for fonts only in its own lib/fonts, which a static Qt has not.
fonts=/usr/share/fonts/truetype/dejavu
[ -d "$fonts" ] || { echo "wine-test.sh: $fonts is missing (Debian: fonts-dejavu-core)" >&2; exit 2; }
export WINEQT_QPA_FONTDIR=Z:$fonts

# Qt Test under Wine writes nothing to a redirected standard output, but writes a log file whole. What Wine itself
# says goes to a file too: the Wine server it starts outlives the test by a few seconds and must not hold CTest's
# output open meanwhile.
log=$(mktemp --suffix=.txt)
wine_log=$(mktemp)
trap 'rm -f "$log" "$wine_log"' EXIT
status=0
wine "$@" -o "Z:$log,txt" </dev/null >"$wine_log" 2>&1 || status=$?
cat "$log"
[ "$status" -eq 0 ] || cat "$wine_log"
exit "$status"
