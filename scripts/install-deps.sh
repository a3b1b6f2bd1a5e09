#!/usr/bin/env bash
# SPDX-FileCopyrightText: 2026 The Tavrelo developers
# SPDX-License-Identifier: MIT
# Installs, from Debian's packages, whatever of the build and test tools is missing. Safe to run again.
set -euo pipefail

packages=(
  build-essential cmake
  qt6-base-dev libgl-dev
  qt6-base-private-dev
  libbenchmark-dev
  clang libclang-rt-14-dev clang-format
  xvfb xauth imagemagick
  fonts-dejavu-core
)

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
