#!/usr/bin/env bash
# SPDX-FileCopyrightText: 2026 The Tavrelo developers
# SPDX-License-Identifier: MIT
# Photographs one window of the X display in $DISPLAY, with the frame its window manager gives it, into FILE.
# Usage: scripts/window-shot.sh WINDOW_ID FILE   (needs xwininfo, xprop and imagemagick's import)
set -euo pipefail
[ $# -eq 2 ] || { echo "usage: $0 WINDOW_ID FILE" >&2; exit 2; }
left=0 right=0 top=0 bottom=0
info=$(xwininfo -id "$1") # ends the script, with xwininfo's own message, when there is no such window
eval "$(awk '/Absolute upper-left X/ {print "x=" $4} /Absolute upper-left Y/ {print "y=" $4}
            /Width:/ {print "w=" $2} /Height:/ {print "h=" $2}' <<<"$info")"
extents=$(xprop -id "$1" _NET_FRAME_EXTENTS | sed -n 's/.* = //p' | tr -d ' ')
[ -z "$extents" ] || IFS=, read -r left right top bottom <<<"$extents"
import -window root -crop "$((w + left + right))x$((h + top + bottom))+$((x - left))+$((y - top))" +repage "$2"
