// SPDX-FileCopyrightText: 2026 The Tavrelo developers
// SPDX-License-Identifier: MIT
#pragma once

#include "platform/core/runtime_error.h"

#include <QFile>
#include <QString>

#ifdef Q_OS_WIN
#include <qt_windows.h>
#endif

namespace support {

// A question file that exists but cannot be read, for as long as this lives, and the run-time error it gives.
// Linux: a link to /proc/self/mem, which opens but fails every read (EIO), even for root. Windows: a file that
// another program holds open and shares with no one, as an editor may; Windows denies it to everyone else.
class UnreadableFile final {
public:
    explicit UnreadableFile(const QString &path)
    {
#ifdef Q_OS_WIN
        m_handle = ::CreateFileW(reinterpret_cast<const wchar_t *>(path.utf16()), GENERIC_READ | GENERIC_WRITE, 0,
                                 nullptr, CREATE_ALWAYS, FILE_ATTRIBUTE_NORMAL, nullptr);
        DWORD written = 0;
        m_made = m_handle != INVALID_HANDLE_VALUE && ::WriteFile(m_handle, "x\r\n", 3, &written, nullptr);
#else
        m_made = QFile::link(QStringLiteral("/proc/self/mem"), path);
#endif
    }
    ~UnreadableFile()
    {
#ifdef Q_OS_WIN
        if (m_handle != INVALID_HANDLE_VALUE)
            ::CloseHandle(m_handle);
#endif
    }
    Q_DISABLE_COPY_MOVE(UnreadableFile)

    bool made() const
    {
        return m_made;
    }

    static platform::ErrorKind error()
    {
#ifdef Q_OS_WIN
        return platform::Error::PermissionDenied;
#else
        return platform::Error::DeviceIOError;
#endif
    }

private:
    bool m_made = false;
#ifdef Q_OS_WIN
    HANDLE m_handle = INVALID_HANDLE_VALUE;
#endif
};

} // namespace support
