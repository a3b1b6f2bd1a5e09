#!/usr/bin/env bash
# SPDX-FileCopyrightText: 2026 The Tavrelo developers
# SPDX-License-Identifier: MIT
#
# Makes the Word and Writer documents the converter's tests read, with a real office program, from the flat
# OpenDocument sources kept beside them (tests/check/data/office/*.fodt): LibreOffice writes each as .docx and as
# .odt. The results are committed, so that the tests need no office program; run this again after changing a
# source. Needs LibreOffice Writer (Debian: libreoffice-writer-nogui).
set -euo pipefail
cd "$(dirname "$0")/../tests/check/data/office"
profile=$(mktemp -d)
trap 'rm -rf "$profile"' EXIT
for format in docx odt; do
  soffice -env:UserInstallation="file://$profile" --headless --convert-to "$format" --outdir . ./*.fodt
done
