#!/usr/bin/env bash
# SPDX-FileCopyrightText: 2026 The Tavrelo developers
# SPDX-License-Identifier: MIT
# Installs, from Debian's packages, whatever of the build and test tools is missing. Safe to run again.
# With --windows: what the Windows build, its package and its tests under Wine need instead.
# Usage: scripts/install-deps.sh [--windows]
set -euo pipefail

if [ "${1:-}" = --windows ]; then
  packages=(
    cmake ninja-build xz-utils python3
    g++-mingw-w64-x86-64-posix gcc-mingw-w64-x86-64-posix binutils-mingw-w64-x86-64
    qt6-base-dev qt6-base-dev-tools qt6-l10n-tools qt6-tools-dev
    # The 32-bit build: MinGW for i686, Qt 5's host Linguist tools, Debian's tools to unpack Qt 5's source.
    g++-mingw-w64-i686-posix gcc-mingw-w64-i686-posix binutils-mingw-w64-i686
    qttools5-dev qttools5-dev-tools dpkg-dev
    zip unzip icoutils file
    wine64 wine wine32:i386
    xvfb xauth openbox xdotool x11-utils imagemagick
    fonts-dejavu-core
  )
else
  packages=(
    build-essential cmake
    qt6-base-dev libgl-dev zlib1g-dev
    qt6-base-private-dev
    qt6-l10n-tools qt6-tools-dev
    # The leg built with Qt 5.15.
    qtbase5-dev qtbase5-private-dev qttools5-dev qttools5-dev-tools
    libbenchmark-dev
    clang libclang-rt-14-dev clang-format
    xvfb xauth imagemagick
    fonts-dejavu-core
    chromium poppler-utils
  )
fi

missing=()
for p in "${packages[@]}"; do
  dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q 'install ok installed' || missing+=("$p")
done
[ ${#missing[@]} -eq 0 ] && exit 0

sudo=()
[ "$(id -u)" -eq 0 ] || sudo=(sudo)
# 32-bit Wine comes from Debian's i386 packages.
if [[ " ${missing[*]} " == *:i386* ]] && ! dpkg --print-foreign-architectures | grep -qx i386; then
  "${sudo[@]}" dpkg --add-architecture i386
fi
echo "Installing: ${missing[*]}"
"${sudo[@]}" apt-get update -q
DEBIAN_FRONTEND=noninteractive "${sudo[@]}" apt-get install -y -q "${missing[@]}"
