#!/usr/bin/env bash
# SPDX-FileCopyrightText: 2026 The Tavrelo developers
# SPDX-License-Identifier: MIT
# Prints the folder of a static Qt 6.4.2 for 64-bit Windows (MinGW-w64), preparing it first when needed, in a cache
# outside the source tree (${XDG_CACHE_HOME:-~/.cache}/tavrelo/). A Qt already there is reused; otherwise the archive
# that TAVRELO_QT_MINGW_ARCHIVE names is unpacked (seconds); otherwise Qt is built from Debian's qt6-base source
# (about 35 minutes on 2 cores, once). Beside it, in licences/, the licences that programs linked with it ship, written
# from Debian's qt6-base source (downloaded once and kept). Everything is made in a temporary folder and moved into place at the end, so
# an interrupted run leaves nothing half-made. Only the folder's path goes to stdout; progress goes to stderr.
# With win32: the same for a static Qt 5.15.8 for 32-bit Windows 7 and later (i686 MinGW-w64), unpacked from
# TAVRELO_QT5_MINGW_ARCHIVE or built from Debian's qtbase-opensource-src source, Debian's patches applied (about 16
# minutes). With --at-hand, prepares nothing and only tells by its exit status whether a Qt is there without building
# one.
# Usage: scripts/qt-mingw.sh [win32] [--at-hand]   (needs the packages that scripts/install-deps.sh --windows installs)
set -euo pipefail

win32=0
if [ "${1:-}" = win32 ]; then
  win32=1
  shift
fi
cache=${XDG_CACHE_HOME:-$HOME/.cache}/tavrelo
if [ $win32 = 1 ]; then
  qt_version=5.15.8 qt_major=5 triplet=i686-w64-mingw32 toolchain=mingw32.cmake
  archive=${TAVRELO_QT5_MINGW_ARCHIVE:-} archive_variable=TAVRELO_QT5_MINGW_ARCHIVE
  name=qt-$qt_version-mingw32-static
else
  qt_version=6.4.2 qt_major=6 triplet=x86_64-w64-mingw32 toolchain=mingw64.cmake
  archive=${TAVRELO_QT_MINGW_ARCHIVE:-} archive_variable=TAVRELO_QT_MINGW_ARCHIVE
  name=qt-$qt_version-mingw64-static
fi
qt=$cache/$name
say() { echo "qt-mingw.sh: $*" >&2; }

# The toolchain is this script's own, not the archive's: the compilers are the ones installed here.
# For Qt 5, packages are found outside the root too: the host's Qt 5 Linguist tools serve the Windows build.
write_toolchain() {
  local processor=${triplet%%-*} package_mode=ONLY bits=64
  [ $qt_major = 6 ] || package_mode=BOTH
  [ $win32 = 0 ] || bits=32
  cat >"$1" <<EOF
# Debian's MinGW-w64 for $bits-bit Windows, POSIX threads (std::thread needs them).
set(CMAKE_SYSTEM_NAME Windows)
set(CMAKE_SYSTEM_PROCESSOR $processor)
set(CMAKE_C_COMPILER $triplet-gcc-posix)
set(CMAKE_CXX_COMPILER $triplet-g++-posix)
set(CMAKE_RC_COMPILER $triplet-windres)
set(CMAKE_FIND_ROOT_PATH /usr/$triplet)
set(CMAKE_FIND_ROOT_PATH_MODE_PROGRAM NEVER)
set(CMAKE_FIND_ROOT_PATH_MODE_LIBRARY ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_INCLUDE ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_PACKAGE $package_mode)
EOF
}

# A folder is ready once it holds Qt's CMake packages, the Test module and the toolchain; the stamp is written last.
ready() {
  [ -f "$1/.tavrelo-ready" ] && [ -f "$1/lib/cmake/Qt$qt_major/Qt${qt_major}Config.cmake" ] && [ -f "$1/$toolchain" ]
}

if [ "${1:-}" = --at-hand ]; then
  ready "$qt" || [ -f "$archive" ]
  exit
fi

for tool in $triplet-g++-posix $triplet-gcc-posix $triplet-windres cmake ninja; do
  command -v "$tool" >/dev/null || { say "$tool is missing: run bash scripts/install-deps.sh --windows"; exit 1; }
done
# The host tools (moc, rcc, uic) must be Qt's own version; Qt 5 builds its own.
host_moc=/usr/lib/qt6/libexec/moc
[ $qt_major = 5 ] || { [ -x "$host_moc" ] && "$host_moc" -v | grep -q " $qt_version\$"; } ||
  { say "Qt $qt_version's host tools are missing (Debian: qt6-base-dev-tools)"; exit 1; }

mkdir -p "$cache"
# One preparer at a time; a second one waits and then finds the Qt ready.
exec 9>"$cache/.lock"
flock 9
# What an interrupted run left half-made; none is in use while the lock is held.
rm -rf "$cache"/.work.*
work=$(mktemp -d "$cache/.work.XXXXXX")
trap 'rm -rf "$work"' EXIT

# Unpacks Debian's source of the installed Qt's very version into $work once, downloading it the first time (the
# download is kept, so a run interrupted later need not fetch it again); sets $source to its folder. Qt 6's is its
# original source; Qt 5's has Debian's patches applied, which makes it build with the compilers here.
unpack_source() {
  local sudo=() package installed source_version sources files
  if [ $qt_major = 5 ]; then
    package=qtbase-opensource-src installed=qtbase5-dev source=$work/qtbase-$qt_version
  else
    package=qt6-base installed=qt6-base-dev-tools source=$work/qtbase-everywhere-src-$qt_version
  fi
  [ -d "$source" ] && return
  [ "$(id -u)" -eq 0 ] || sudo=(sudo)
  source_version=$(dpkg-query -W -f='${source:Version}' $installed)
  mkdir -p "$cache/source"
  if [ $qt_major = 5 ]; then
    files=("$cache/source/${package}_$source_version.dsc")
  else
    files=("$cache/source/${package}_${source_version%-*}.orig.tar.xz")
  fi
  if [ ! -f "${files[0]}" ]; then
    # Captured first: a grep -q that stops reading early would fail the pipe.
    sources=$(apt-cache showsrc $package 2>/dev/null || true)
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
    say "downloading Debian's source of $package $source_version"
    mkdir "$work/download"
    (cd "$work/download" && apt-get source --download-only -q "$package=$source_version" >&2)
    if [ $qt_major = 5 ]; then
      mv "$work"/download/* "$cache/source/"
    else
      mv "$work/download/$(basename "${files[0]}")" "${files[0]}"
    fi
  fi
  if [ $qt_major = 5 ]; then
    dpkg-source -q -x "${files[0]}" "$source" >&2
  else
    tar -xf "${files[0]}" -C "$work"
  fi
}

# The licences that programs linked with this Qt ship, written from the source it is built from into its folder.
write_notices() {
  unpack_source
  rm -rf "$work/licences"
  python3 "$(dirname "$0")/qt-notices.py" "$source" "$work/licences" $qt_version
  mv -T "$work/licences" "$1/licences"
}

if ready "$qt"; then
  write_toolchain "$qt/$toolchain"
  [ -f "$qt/licences/Qt-third-party.txt" ] || write_notices "$qt" # a Qt prepared before they were kept with it
  echo "$qt"
  exit 0
fi
rm -rf "$qt" # not ready: a folder from an older version of this script, or one made by hand

if [ -n "$archive" ]; then
  say "unpacking $archive"
  tar -xf "$archive" -C "$work"
  made=$work/$name
  [ -f "$made/lib/cmake/Qt$qt_major/Qt${qt_major}Config.cmake" ] &&
    [ -f "$made/lib/cmake/Qt${qt_major}Test/Qt${qt_major}TestConfig.cmake" ] ||
    { say "$archive_variable=$archive does not hold a folder $name with Qt's Core, Gui, Widgets and Test"; exit 1; }
elif [ $qt_major = 5 ]; then
  unpack_source
  log=$cache/qt5-mingw-build.log
  say "building Qt $qt_version for 32-bit MinGW from Debian's source (about 16 minutes on 2 cores; log: $log)"
  made=$work/$name
  mkdir "$work/build"
  start=$SECONDS
  if ! (
    cd "$work/build"
    # What Tavrelo and its tests use, for Windows 7 and later. The Wintab header that the tablet support of the
    # windows plugin includes is not in Debian's source. i686-w64-mingw32-g++ must be the POSIX-threads compiler
    # (the only one installed, or update-alternatives).
    nice -n 19 "$source/configure" -prefix "$made" -release -static -opensource -confirm-license \
      -xplatform win32-g++ -device-option CROSS_COMPILE=$triplet- \
      -nomake examples -nomake tests -no-compile-examples \
      -no-sql-sqlite -no-sql-odbc -no-feature-sql -no-dbus -no-opengl -no-icu -no-feature-tabletevent \
      -qt-zlib -qt-pcre -qt-libpng -no-libjpeg -qt-harfbuzz -qt-freetype -no-fontconfig \
      -no-feature-printer -no-feature-vulkan -no-feature-direct2d
    nice -n 19 make -j2
    nice -n 19 make install
  ) >"$log" 2>&1; then
    tail -n 40 "$log" >&2
    say "the build of Qt failed; the whole log is $log"
    exit 1
  fi
  say "Qt built in $(( (SECONDS - start) / 60 )) minutes"
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

write_toolchain "$made/$toolchain"
write_notices "$made"
touch "$made/.tavrelo-ready"
mv -T "$made" "$qt"
echo "$qt"
