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
    zip unzip icoutils
    wine64 wine
    xvfb xauth openbox xdotool x11-utils imagemagick
    fonts-dejavu-core
  )
else
  packages=(
    build-essential cmake
    qt6-base-dev libgl-dev zlib1g-dev
    qt6-base-private-dev
    qt6-l10n-tools qt6-tools-dev
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
echo "Installing: ${missing[*]}"
"${sudo[@]}" apt-get update -q
DEBIAN_FRONTEND=noninteractive "${sudo[@]}" apt-get install -y -q "${missing[@]}"
