#!/usr/bin/env bash
# SPDX-FileCopyrightText: 2026 The Tavrelo developers
# SPDX-License-Identifier: MIT
# Cross-builds Tavrelo for Windows and makes a portable package: by default for 64-bit Windows 10 and 11 with Qt 6,
# build-windows/tavrelo-VERSION-win64.zip; with win32, for Windows 7 to 11, 32-bit or 64-bit, with Qt 5.15,
# build-win32/tavrelo-VERSION-win32.zip. Either is one folder holding tavrelo.exe, tavrelo-check.exe, the sample
# data.txt, a README.txt for Windows users and Qt's licences (which scripts/qt-mingw.sh keeps with the Qt). The
# programs link Qt and the C++ runtime statically, so they need only Windows' own DLLs. The static Qt comes from
# scripts/qt-mingw.sh (set TAVRELO_QT_MINGW_ARCHIVE, or for win32 TAVRELO_QT5_MINGW_ARCHIVE, to unpack a ready one;
# otherwise it is built once, about 35 or 16 minutes on 2 cores).
# Usage: scripts/build-windows.sh [win64|win32]
set -euo pipefail
cd "$(dirname "$0")/.."
target=${1:-win64}

bash scripts/install-deps.sh --windows
# One build folder for the package and the tests (scripts/test-windows.sh builds those in it too).
case $target in
  win64)
    build=build-windows triplet=x86_64-w64-mingw32 windows_version=10.0.10.0.
    qt=$(bash scripts/qt-mingw.sh)
    mkdir -p "$build"
    configure=("$qt/bin/qt-cmake" -DQT_CHAINLOAD_TOOLCHAIN_FILE="$qt/mingw64.cmake")
    ;;
  win32)
    # Qt 5's Linguist tools are the host's (Debian: qttools5-dev), as Qt 6's are.
    build=build-win32 triplet=i686-w64-mingw32 windows_version=6.1.6.1.
    qt=$(bash scripts/qt-mingw.sh win32)
    mkdir -p "$build"
    configure=(cmake -DCMAKE_TOOLCHAIN_FILE="$qt/mingw32.cmake" -DCMAKE_PREFIX_PATH="$qt" -DTAVRELO_QT_MAJOR=5
      -DQt5LinguistTools_DIR=/usr/lib/x86_64-linux-gnu/cmake/Qt5LinguistTools)
    ;;
  *) echo "usage: $0 [win64|win32]" >&2; exit 2 ;;
esac
nice -n 19 "${configure[@]}" -S . -B "$build" -G Ninja \
  -DCMAKE_BUILD_TYPE=Release -DBUILD_TESTING=ON -DTAVRELO_BENCHMARKS=OFF >"$build/configure.log" 2>&1 ||
  { cat "$build/configure.log" >&2; exit 1; }
nice -n 19 cmake --build "$build" -j2 --target tavrelo tavrelo-check

version=$(sed -n 's/^CMAKE_PROJECT_VERSION:STATIC=//p' "$build/CMakeCache.txt")
name=tavrelo-$version-$target
stage=$build/package
rm -rf "$stage" "$build"/tavrelo-*-"$target".zip # an older version's too: the tests take the one package there
mkdir -p "$stage/$name/licences"
for exe in tavrelo tavrelo-check; do
  $triplet-strip -o "$stage/$name/$exe.exe" "$build/$exe.exe"
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
# tavrelo.exe and a console checker, both for Windows 10 and 11 (win32: 7 to 11) by their header and manifest and
# carrying the version; the sample unchanged.
windows_dlls='^(advapi32|authz|comdlg32|d3d9|d3d11|dwmapi|dwrite|dxgi|gdi32|imm32|kernel32|msvcrt|netapi32|ole32|oleaut32|shcore|shell32|shlwapi|user32|userenv|uxtheme|version|winmm|ws2_32|wtsapi32|api-ms-win-[a-z0-9-]+)\.dll$'
for exe in tavrelo tavrelo-check; do
  file=$stage/$name/$exe.exe
  headers=$($triplet-objdump -p "$file")
  foreign=$(sed -n 's/^\tDLL Name: //p' <<<"$headers" | grep -Eiv "$windows_dlls" || true)
  [ -z "$foreign" ] || { echo "build-windows.sh: $exe.exe needs DLLs that Windows lacks: $foreign" >&2; exit 1; }
  subsystem=$([ $exe = tavrelo ] && echo 'Windows GUI' || echo 'Windows CUI')
  grep -q "^Subsystem.*($subsystem)" <<<"$headers" ||
    { echo "build-windows.sh: $exe.exe is not a $subsystem program" >&2; exit 1; }
  # DependentLoadFlags 0x800 is LOAD_LIBRARY_SEARCH_SYSTEM32, for the imported DLLs; SetDefaultDllDirectories
  # does the same for those loaded later: imported on Windows 10, looked up by name where Windows 7 may lack it.
  python3 scripts/pe-load-config.py show "$file" | grep -qx 'DependentLoadFlags 0x800' ||
    { echo "build-windows.sh: $exe.exe may load DLLs from its own folder" >&2; exit 1; }
  if [ $target = win64 ]; then
    grep -q 'SetDefaultDllDirectories$' <<<"$headers" ||
      { echo "build-windows.sh: $exe.exe may load DLLs from its own folder" >&2; exit 1; }
    promises=('supportedOS Id="{8e0f7a12-bfb3-4fe8-b9a5-48fd50a15a9a}"' '>PerMonitorV2<')
  else
    ! grep -q 'SetDefaultDllDirectories$' <<<"$headers" && grep -qx SetDefaultDllDirectories < <(strings "$file") ||
      { echo "build-windows.sh: $exe.exe does not look SetDefaultDllDirectories up, which Windows 7 may lack" >&2
        exit 1; }
    # Windows 7, 8, 8.1, and 10 and 11.
    promises=('supportedOS Id="{35138b9a-5d96-4fbd-8e2d-a2440225f93a}"' 'supportedOS Id="{4a2f28e3-53b9-4441-ba9c-d69d4a4a6e38}"'
      'supportedOS Id="{1f676c76-80e1-4239-95bb-83d0f6d0da78}"' 'supportedOS Id="{8e0f7a12-bfb3-4fe8-b9a5-48fd50a15a9a}"'
      '>true/pm<' '>PerMonitor<')
  fi
  [ "$(grep -E '^(Major|Minor)(OSystem|Subsystem)Version' <<<"$headers" | awk '{print $2}' | tr '\n' .)" = "$windows_version" ] ||
    { echo "build-windows.sh: $exe.exe does not name Windows ${windows_version%%.*} as the oldest it runs on" >&2; exit 1; }
  manifest=$(wrestool -x --raw -t24 -n1 "$file")
  for promise in 'level="asInvoker"' "${promises[@]}"; do
    grep -qF "$promise" <<<"$manifest" || { echo "build-windows.sh: $exe.exe's manifest lacks $promise" >&2; exit 1; }
  done
  resource=$(wrestool -x --raw -t16 "$file" | $triplet-strings -el)
  grep -A1 -x ProductVersion <<<"$resource" | grep -qx "$version" ||
    { echo "build-windows.sh: $exe.exe carries no version resource $version" >&2; exit 1; }
  wrestool -l -t14 "$file" | grep -q group_icon || { echo "build-windows.sh: $exe.exe carries no icon" >&2; exit 1; }
done
cmp data/data.txt "$stage/$name/data.txt"

(cd "$stage" && zip -q -X -r "../$name.zip" "$name")
echo "Made $build/$name.zip:"
unzip -l "$build/$name.zip"
