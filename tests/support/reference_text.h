// SPDX-FileCopyrightText: 2026 The Tavrelo developers
// SPDX-License-Identifier: MIT
#pragma once

#include "platform/core/utf16.h"
#include "platform/core/utf8.h"
#include "platform/core/windows1251.h"

#include <QByteArrayView>
#include <QString>
#include <QStringDecoder>

namespace support {

// The whole input decoded at once, by the rule that settles a file's encoding: a byte-order mark, else UTF-8 when
// all of it is well-formed (Qt's own decoder tells, and decodes it), else Windows-1251.
inline QString referenceText(QByteArrayView bytes)
{
    const auto utf16 = [&](bool bigEndian) {
        QByteArray utf8;
        platform::Utf16ToUtf8 transcode(bigEndian);
        transcode.feed(bytes.sliced(2), utf8);
        transcode.finish(utf8);
        return utf8;
    };
    QByteArray utf8;
    if (bytes.startsWith("\xEF\xBB\xBF")) {
        utf8 = bytes.sliced(3).toByteArray();
    } else if (bytes.startsWith("\xFF\xFE") || bytes.startsWith("\xFE\xFF")) {
        utf8 = utf16(bytes[0] == '\xFE');
    } else {
        QStringDecoder qtUtf8(QStringDecoder::Utf8, QStringDecoder::Flag::Stateless);
        const QString text = qtUtf8(bytes);
        return qtUtf8.hasError() ? platform::decodeWindows1251(bytes) : text;
    }
    QString text(utf8.size(), Qt::Uninitialized);
    text.resize(platform::decodeUtf8(utf8, reinterpret_cast<char16_t *>(text.data())));
    return text;
}

} // namespace support
