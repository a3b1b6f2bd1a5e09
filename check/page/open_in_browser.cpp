// SPDX-FileCopyrightText: 2026 The Tavrelo developers
// SPDX-License-Identifier: MIT
#include "check/page/open_in_browser.h"

#ifdef Q_OS_WIN
#include <QDir>
#include <QFileInfo>

#include <qt_windows.h>

#include <shellapi.h>
#endif

void openInBrowser(const QString &path)
{
#ifdef Q_OS_WIN
    // Qt Core has no QDesktopServices; the shell opens the file with whatever the user opens .html files with.
    const QString native = QDir::toNativeSeparators(QFileInfo(path).absoluteFilePath());
    ShellExecuteW(nullptr, L"open", reinterpret_cast<const wchar_t *>(native.utf16()), nullptr, nullptr, SW_SHOWNORMAL);
#else
    Q_UNUSED(path)
#endif
}
