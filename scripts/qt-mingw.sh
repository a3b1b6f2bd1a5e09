#!/usr/bin/env bash
# SPDX-FileCopyrightText: 2026 The Tavrelo developers
# SPDX-License-Identifier: MIT
# Prints the folder of a static Qt 6.4.2 for 64-bit Windows (MinGW-w64), preparing it first when needed, in a cache
# outside the source tree (${XDG_CACHE_HOME:-~/.cache}/tavrelo/). A Qt already there is reused; otherwise the archive
# that TAVRELO_QT_MINGW_ARCHIVE names is unpacked (seconds); otherwise Qt is built from Debian's qt6-base source
# (about 35 minutes on 2 cores, once). Beside it, in licences/, the licences that programs linked with it ship, written
# from Debian's qt6-base source (downloaded once and kept). Everything is made in a temporary folder and moved into place at the end, so
# an interrupted run leaves nothing half-made. Only the folder's path goes to stdout; progress goes to stderr.
# With --at-hand, prepares nothing and only tells by its exit status whether a Qt is there without building one.
# Usage: scripts/qt-mingw.sh [--at-hand]   (needs the packages that scripts/install-deps.sh --windows installs)
set -euo pipefail

qt_version=6.4.2
cache=${XDG_CACHE_HOME:-$HOME/.cache}/tavrelo
name=qt-$qt_version-mingw64-static
qt=$cache/$name
say() { echo "qt-mingw.sh: $*" >&2; }

# The toolchain is this script's own, not the archive's: the compilers are the ones installed here.
write_toolchain() {
  cat >"$1" <<'EOF'
# Debian's MinGW-w64 for 64-bit Windows, POSIX threads (std::thread needs them).
set(CMAKE_SYSTEM_NAME Windows)
set(CMAKE_SYSTEM_PROCESSOR x86_64)
set(CMAKE_C_COMPILER x86_64-w64-mingw32-gcc-posix)
set(CMAKE_CXX_COMPILER x86_64-w64-mingw32-g++-posix)
set(CMAKE_RC_COMPILER x86_64-w64-mingw32-windres)
set(CMAKE_FIND_ROOT_PATH /usr/x86_64-w64-mingw32)
set(CMAKE_FIND_ROOT_PATH_MODE_PROGRAM NEVER)
set(CMAKE_FIND_ROOT_PATH_MODE_LIBRARY ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_INCLUDE ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_PACKAGE ONLY)
EOF
}

# A folder is ready once it holds Qt's CMake packages, the Test module and the toolchain; the stamp is written last.
ready() { [ -f "$1/.tavrelo-ready" ] && [ -f "$1/lib/cmake/Qt6/Qt6Config.cmake" ] && [ -f "$1/mingw64.cmake" ]; }

if [ "${1:-}" = --at-hand ]; then
  ready "$qt" || [ -f "${TAVRELO_QT_MINGW_ARCHIVE:-}" ]
  exit
fi

for tool in x86_64-w64-mingw32-g++-posix x86_64-w64-mingw32-gcc-posix x86_64-w64-mingw32-windres cmake ninja; do
  command -v "$tool" >/dev/null || { say "$tool is missing: run bash scripts/install-deps.sh --windows"; exit 1; }
done
# The host tools (moc, rcc, uic) must be Qt's own version.
host_moc=/usr/lib/qt6/libexec/moc
[ -x "$host_moc" ] && "$host_moc" -v | grep -q " $qt_version\$" ||
  { say "Qt $qt_version's host tools are missing (Debian: qt6-base-dev-tools)"; exit 1; }

mkdir -p "$cache"
# One preparer at a time; a second one waits and then finds the Qt ready.
exec 9>"$cache/.lock"
flock 9
# What an interrupted run left half-made; none is in use while the lock is held.
rm -rf "$cache"/.work.*
work=$(mktemp -d "$cache/.work.XXXXXX")
trap 'rm -rf "$work"' EXIT

# Unpacks Debian's source of the installed host tools' very version into $work once, downloading it the first time
# (the download is kept, so a run interrupted later need not fetch it again); sets $source to its folder.
unpack_source() {
  source=$work/qtbase-everywhere-src-$qt_version
  [ -d "$source" ] && return
  local sudo=() source_version orig sources
  [ "$(id -u)" -eq 0 ] || sudo=(sudo)
  source_version=$(dpkg-query -W -f='${source:Version}' qt6-base-dev-tools)
  mkdir -p "$cache/source"
  orig=$cache/source/qt6-base_${source_version%-*}.orig.tar.xz
  if [ ! -f "$orig" ]; then
    # Captured first: a grep -q that stops reading early would fail the pipe.
    sources=$(apt-cache showsrc qt6-base 2>/dev/null || true)
    if ! grep -qx "Version: $source_version" <<<"$sources"; then
      say "adding Debian's bookworm sources to apt (deb-src)"
      "${sudo[@]}" tee /etc/apt/sources.list.d/tavrelo-deb-src.sources >/dev/null <<'EOF'
Types: deb-src
URIs: http://deb.debian.org/debian
Suites: bookworm bookworm-updates
Components: main
Signed-By: /usr/share/keyrings/debian-archive-keyring.gpg
EOF
      "${sudo[@]}" apt-get update -q >&2
    fi
    say "downloading Debian's source of qt6-base $source_version"
    (cd "$work" && apt-get source --download-only -q "qt6-base=$source_version" >&2)
    mv "$work/$(basename "$orig")" "$orig"
  fi
  tar -xf "$orig" -C "$work"
}

# The licences that programs linked with this Qt ship, written from the source it is built from into its folder.
write_notices() {
  unpack_source
  rm -rf "$work/licences"
  python3 "$(dirname "$0")/qt-notices.py" "$source" "$work/licences"
  mv -T "$work/licences" "$1/licences"
}

if ready "$qt"; then
  write_toolchain "$qt/mingw64.cmake"
  [ -f "$qt/licences/Qt-third-party.txt" ] || write_notices "$qt" # a Qt prepared before they were kept with it
  echo "$qt"
  exit 0
fi
rm -rf "$qt" # not ready: a folder from an older version of this script, or one made by hand

if [ -n "${TAVRELO_QT_MINGW_ARCHIVE:-}" ]; then
  say "unpacking $TAVRELO_QT_MINGW_ARCHIVE"
  tar -xf "$TAVRELO_QT_MINGW_ARCHIVE" -C "$work"
  made=$work/$name
  [ -f "$made/lib/cmake/Qt6/Qt6Config.cmake" ] && [ -f "$made/lib/cmake/Qt6Test/Qt6TestConfig.cmake" ] ||
    { say "$TAVRELO_QT_MINGW_ARCHIVE does not hold a folder $name with Qt's Core, Gui, Widgets and Test"; exit 1; }
else
  unpack_source
  log=$cache/qt-mingw-build.log
  say "building Qt $qt_version for MinGW from Debian's source (about 35 minutes on 2 cores; log: $log)"
  write_toolchain "$work/mingw64.cmake"
  made=$work/$name
  mkdir "$work/build"
  start=$SECONDS
  if ! (
    cd "$work/build"
    # Only what Tavrelo and its tests use: Core, Gui, Widgets, Test. The Wintab header that the tablet support of
    # the windows plugin includes is not in Debian's source.
    nice -n 19 "$source/configure" -prefix "$made" -release -static -qt-host-path /usr \
      -xplatform win32-g++ -nomake examples -nomake tests \
      -no-feature-sql -no-feature-network -no-dbus -no-opengl -no-feature-printsupport -no-feature-concurrent \
      -no-feature-xml -no-feature-vulkan -no-feature-tabletevent -no-icu \
      -qt-zlib -qt-pcre -qt-libpng -no-feature-jpeg -qt-harfbuzz -qt-freetype \
      -- -DCMAKE_TOOLCHAIN_FILE="$work/mingw64.cmake" -DQT_HOST_PATH_CMAKE_DIR=/usr/lib/x86_64-linux-gnu/cmake -G Ninja
    nice -n 19 ninja -j2
    nice -n 19 ninja install
  ) >"$log" 2>&1; then
    tail -n 40 "$log" >&2
    say "the build of Qt failed; the whole log is $log"
    exit 1
  fi
  say "Qt built in $(( (SECONDS - start) / 60 )) minutes"
fi

write_toolchain "$made/mingw64.cmake"
write_notices "$made"
touch "$made/.tavrelo-ready"
mv -T "$made" "$qt"
echo "$qt"
