#!/usr/bin/env python3
# SPDX-FileCopyrightText: 2026 The Tavrelo developers
# SPDX-License-Identifier: MIT
"""Writes the licence notices that a program linked statically with Qt's Core, Gui and Widgets for Windows ships:
Qt's own licences and those of the third-party code built into those modules, from a qtbase source tree (its
LICENSES/ folder and its qt_attribution.json files). scripts/qt-mingw.sh runs it on the source of the Qt it prepares.

Qt 5's source keeps its licences as LICENSE.* files and builds a few parts more into Core (the codecs of East Asian
encodings, the public suffix list, FreeBSD's number parsing) and two fewer (SipHash and BLAKE2 came with Qt 6).

Usage: scripts/qt-notices.py QTBASE-SOURCE-FOLDER OUTPUT-FOLDER [VERSION]   (6.4.2 unless told)
"""
import json
import pathlib
import sys

# The third-party parts of Core, Gui, Widgets and the windows platform plugin as scripts/qt-mingw.sh configures
# them; the others serve modules, platforms or features left out (network, D-Bus, OpenGL, Vulkan, JPEG, X11,
# macOS, Android, WebAssembly), the build system or Qt Test, which is not shipped.
SHIPPED = [
    "unicode-character-database", "unicode-cldr", "siphash", "doubleconversion", "easing", "tinycbor", "zlib",
    "pcre2", "pcre2-sljit", "blake2", "md4", "md5", "sha1", "sha3_endian", "sha3_keccak", "rfc6234",
    "harfbuzz-ng", "freetype", "freetype-zlib", "freetype-bdf", "freetype-pcf", "libpng", "md4c",
    "grayraster", "smooth-scaling-algorithm", "xserverhelper", "icc-sRGB-color-profile", "aglfn", "webgradients",
]


SHIPPED_QT5 = [name for name in SHIPPED if name not in ("siphash", "blake2")] + [
    "freebsd", "psl", "qbig5codecs", "qbkcodec", "qeucjpcodec", "qeuckrcodec", "qjiscodec", "qsjiscodec",
    "qtsciicodec",
]


def main(source: pathlib.Path, output: pathlib.Path, version: str) -> None:
    qt5 = version.startswith("5.")
    shipped = SHIPPED_QT5 if qt5 else SHIPPED
    entries = {}
    for attribution in sorted(source.glob("**/qt_attribution.json")):
        data = json.loads(attribution.read_text(encoding="utf-8"), strict=False)
        for entry in data if isinstance(data, list) else [data]:
            entries[entry["Id"]] = (attribution.parent, entry)
    missing = [name for name in shipped if name not in entries]
    if missing:
        sys.exit(f"qt-notices.py: no attribution for {', '.join(missing)} in {source}")

    output.mkdir(parents=True, exist_ok=True)
    if qt5:
        licences, files = source, ["LICENSE.LGPL3", "LICENSE.GPL3", "LICENSE.GPL2"]
    else:
        licences, files = source / "LICENSES", ["LGPL-3.0-only.txt", "GPL-3.0-only.txt", "GPL-2.0-only.txt"]
    for name, file in zip(["Qt-LGPL-3.0.txt", "Qt-GPL-3.0.txt", "Qt-GPL-2.0.txt"], files):
        (output / name).write_text((licences / file).read_text(encoding="utf-8"), encoding="utf-8")

    parts = [
        f"Third-party code in Qt {version} (qtbase) as built into tavrelo.exe and tavrelo-check.exe\n"
        f"Taken from Qt's own attributions (qt_attribution.json) in the qtbase {version} source.\n"
    ]
    for name in shipped:
        folder, entry = entries[name]
        lines = [entry["Name"]]
        if entry.get("Version"):
            lines.append(f"Version: {entry['Version']}")
        lines.append(f"Use in Qt: {' '.join(entry.get('QtUsage', '').split())}")
        lines.append(f"Licence: {entry.get('License', '')}")
        if entry.get("Copyright"):
            lines.append(f"Copyright:\n{entry['Copyright'].strip()}")
        if entry.get("LicenseFile"):
            lines.append("\n" + (folder / entry["LicenseFile"]).read_text(encoding="utf-8-sig", errors="replace").strip())
        parts.append("=" * 78 + "\n" + "\n".join(lines) + "\n")
    (output / "Qt-third-party.txt").write_text("\n".join(parts), encoding="utf-8")


if __name__ == "__main__":
    if len(sys.argv) not in (3, 4):
        sys.exit(__doc__)
    main(pathlib.Path(sys.argv[1]), pathlib.Path(sys.argv[2]), sys.argv[3] if len(sys.argv) == 4 else "6.4.2")
