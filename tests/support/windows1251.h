// SPDX-FileCopyrightText: 2026 The Tavrelo developers
// SPDX-License-Identifier: MIT
#pragma once

#include "platform/core/windows1251.h"

#include <QByteArray>
#include <QStringView>

namespace support {

// Question files are written as text and stored as the Windows-1251 bytes that the program reads. A character
// that Windows-1251 cannot hold is a slip in the test itself, so it ends the run.
inline QByteArray toWindows1251(QStringView text)
{
    QByteArray bytes;
    bytes.reserve(text.size());
    for (const QChar ch : text) {
        const std::optional<char> byte = platform::unicodeToWindows1251(ch.unicode());
        if (!byte)
            qFatal("U+%04X has no Windows-1251 form", unsigned(ch.unicode()));
        bytes.append(*byte);
    }
    return bytes;
}

} // namespace support
