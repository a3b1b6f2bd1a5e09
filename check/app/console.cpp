// SPDX-FileCopyrightText: 2026 The Tavrelo developers
// SPDX-License-Identifier: MIT
#include "check/app/console.h"

#ifdef Q_OS_WIN
#include <qt_windows.h>
#endif

void writeLine(std::FILE *stream, const QString &line)
{
#ifdef Q_OS_WIN
    const HANDLE console = GetStdHandle(stream == stderr ? STD_ERROR_HANDLE : STD_OUTPUT_HANDLE);
    DWORD mode = 0;
    if (console != INVALID_HANDLE_VALUE && GetConsoleMode(console, &mode)) {
        std::fflush(stream); // whatever went through the C stream first stays first
        const QString text = line + u'\n';
        DWORD written = 0;
        if (WriteConsoleW(console, text.utf16(), DWORD(text.size()), &written, nullptr))
            return;
        // Otherwise the bytes below: a line that reads wrong is better than a line lost.
    }
#endif
    const QByteArray bytes = line.toUtf8() + '\n';
    std::fwrite(bytes.constData(), 1, size_t(bytes.size()), stream);
}
