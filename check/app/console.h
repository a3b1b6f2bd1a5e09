// SPDX-FileCopyrightText: 2026 The Tavrelo developers
// SPDX-License-Identifier: MIT
#pragma once

#include <QString>

#include <cstdio>

// Writes a line and its line end to stdout or stderr: UTF-8 bytes, the same on every system, so that a file or a
// pipe gets what the checker says whatever the code page; a Windows console is handed the characters themselves,
// since it would read the bytes in its own 8-bit code page.
void writeLine(std::FILE *stream, const QString &line);
