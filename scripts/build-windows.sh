#!/usr/bin/env bash
# SPDX-FileCopyrightText: 2026 The Tavrelo developers
# SPDX-License-Identifier: MIT
# Cross-builds Tavrelo for 64-bit Windows 10 and 11 and makes the portable package
# build-windows/tavrelo-VERSION-win64.zip: one folder holding tavrelo.exe, tavrelo-check.exe, the sample data.txt,
# a README.txt for Windows users and Qt's licences (which scripts/qt-mingw.sh keeps with the Qt). The programs link Qt and the C++ runtime statically, so they
# need only Windows' own DLLs. The static Qt comes from scripts/qt-mingw.sh (set TAVRELO_QT_MINGW_ARCHIVE to unpack
# a ready one; otherwise it is built once, about 35 minutes on 2 cores).
# Usage: scripts/build-windows.sh
set -euo pipefail
cd "$(dirname "$0")/.."
build=build-windows

bash scripts/install-deps.sh --windows
qt=$(bash scripts/qt-mingw.sh)

# One build folder for the package and the tests (scripts/test-windows.sh builds those in it too).
mkdir -p "$build"
nice -n 19 "$qt/bin/qt-cmake" -DQT_CHAINLOAD_TOOLCHAIN_FILE="$qt/mingw64.cmake" -S . -B "$build" -G Ninja \
  -DCMAKE_BUILD_TYPE=Release -DBUILD_TESTING=ON -DTAVRELO_BENCHMARKS=OFF >"$build/configure.log" 2>&1 ||
  { cat "$build/configure.log" >&2; exit 1; }
nice -n 19 cmake --build "$build" -j2 --target tavrelo tavrelo-check

version=$(sed -n 's/^CMAKE_PROJECT_VERSION:STATIC=//p' "$build/CMakeCache.txt")
name=tavrelo-$version-win64
stage=$build/package
rm -rf "$stage" "$build"/tavrelo-*-win64.zip # an older version's too: the tests take the one package there
mkdir -p "$stage/$name/licences"
for exe in tavrelo tavrelo-check; do
  x86_64-w64-mingw32-strip -o "$stage/$name/$exe.exe" "$build/$exe.exe"
done
cp data/data.txt "$stage/$name/data.txt"
# Windows users read these in Notepad: CR LF line ends.
crlf() { sed 's/\r*$/\r/' "$1" >"$2"; }
for readme in README.txt README-ru.txt; do
  crlf package/windows/$readme "$stage/$name/$readme"
done
for licence in "$qt"/licences/*.txt; do
  crlf "$licence" "$stage/$name/licences/$(basename "$licence")"
done

# What the package promises: programs that need no DLL but Windows' own and take those from System32 alone, a GUI
# tavrelo.exe and a console checker, both for Windows 10 and 11 by their header and manifest and carrying the
# version; the sample unchanged.
windows_dlls='^(advapi32|authz|comdlg32|d3d9|d3d11|dwmapi|dwrite|dxgi|gdi32|imm32|kernel32|msvcrt|netapi32|ole32|oleaut32|shcore|shell32|shlwapi|user32|userenv|uxtheme|version|winmm|ws2_32|wtsapi32|api-ms-win-[a-z0-9-]+)\.dll$'
for exe in tavrelo tavrelo-check; do
  file=$stage/$name/$exe.exe
  headers=$(x86_64-w64-mingw32-objdump -p "$file")
  foreign=$(sed -n 's/^\tDLL Name: //p' <<<"$headers" | grep -Eiv "$windows_dlls" || true)
  [ -z "$foreign" ] || { echo "build-windows.sh: $exe.exe needs DLLs that Windows lacks: $foreign" >&2; exit 1; }
  subsystem=$([ $exe = tavrelo ] && echo 'Windows GUI' || echo 'Windows CUI')
  grep -q "^Subsystem.*($subsystem)" <<<"$headers" ||
    { echo "build-windows.sh: $exe.exe is not a $subsystem program" >&2; exit 1; }
  # DependentLoadFlags 0x800 is LOAD_LIBRARY_SEARCH_SYSTEM32, for the imported DLLs; SetDefaultDllDirectories
  # does the same for those loaded later.
  python3 scripts/pe-load-config.py show "$file" | grep -qx 'DependentLoadFlags 0x800' &&
    grep -q 'SetDefaultDllDirectories$' <<<"$headers" ||
    { echo "build-windows.sh: $exe.exe may load DLLs from its own folder" >&2; exit 1; }
  [ "$(grep -E '^(Major|Minor)(OSystem|Subsystem)Version' <<<"$headers" | awk '{print $2}' | tr '\n' .)" = 10.0.10.0. ] ||
    { echo "build-windows.sh: $exe.exe does not say it needs Windows 10" >&2; exit 1; }
  manifest=$(wrestool -x --raw -t24 -n1 "$file")
  for promise in 'level="asInvoker"' 'supportedOS Id="{8e0f7a12-bfb3-4fe8-b9a5-48fd50a15a9a}"' '>PerMonitorV2<'; do
    grep -qF "$promise" <<<"$manifest" || { echo "build-windows.sh: $exe.exe's manifest lacks $promise" >&2; exit 1; }
  done
  resource=$(wrestool -x --raw -t16 "$file" | x86_64-w64-mingw32-strings -el)
  grep -A1 -x ProductVersion <<<"$resource" | grep -qx "$version" ||
    { echo "build-windows.sh: $exe.exe carries no version resource $version" >&2; exit 1; }
  wrestool -l -t14 "$file" | grep -q group_icon || { echo "build-windows.sh: $exe.exe carries no icon" >&2; exit 1; }
done
cmp data/data.txt "$stage/$name/data.txt"

(cd "$stage" && zip -q -X -r "../$name.zip" "$name")
echo "Made $build/$name.zip:"
unzip -l "$build/$name.zip"
