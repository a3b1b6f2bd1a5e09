#!/usr/bin/env python3
# SPDX-FileCopyrightText: 2026 The Tavrelo developers
# SPDX-License-Identifier: MIT
"""Writes the licence notices that a program linked statically with Qt's Core, Gui and Widgets for Windows ships:
Qt's own licences and those of the third-party code built into those modules, from a qtbase source tree (its
LICENSES/ folder and its qt_attribution.json files). scripts/qt-mingw.sh runs it on the source of the Qt it prepares.

Usage: scripts/qt-notices.py QTBASE-SOURCE-FOLDER OUTPUT-FOLDER
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


def main(source: pathlib.Path, output: pathlib.Path) -> None:
    version = "6.4.2"
    entries = {}
    for attribution in sorted(source.glob("**/qt_attribution.json")):
        data = json.loads(attribution.read_text(encoding="utf-8"), strict=False)
        for entry in data if isinstance(data, list) else [data]:
            entries[entry["Id"]] = (attribution.parent, entry)
    missing = [name for name in SHIPPED if name not in entries]
    if missing:
        sys.exit(f"qt-notices.py: no attribution for {', '.join(missing)} in {source}")

    output.mkdir(parents=True, exist_ok=True)
    licences = source / "LICENSES"
    for name, file in [("Qt-LGPL-3.0.txt", "LGPL-3.0-only.txt"), ("Qt-GPL-3.0.txt", "GPL-3.0-only.txt"),
                       ("Qt-GPL-2.0.txt", "GPL-2.0-only.txt")]:
        (output / name).write_text((licences / file).read_text(encoding="utf-8"), encoding="utf-8")

    parts = [
        f"Third-party code in Qt {version} (qtbase) as built into tavrelo.exe and tavrelo-check.exe\n"
        f"Taken from Qt's own attributions (qt_attribution.json) in the qtbase {version} source.\n"
    ]
    for name in SHIPPED:
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
    if len(sys.argv) != 3:
        sys.exit(__doc__)
    main(pathlib.Path(sys.argv[1]), pathlib.Path(sys.argv[2]))
