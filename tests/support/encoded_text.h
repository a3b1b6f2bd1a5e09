// SPDX-FileCopyrightText: 2026 The Tavrelo developers
// SPDX-License-Identifier: MIT
#pragma once

#include "platform/core/text_encoding.h"
#include "tests/support/windows1251.h"

#include <QByteArray>
#include <QList>
#include <QMetaType>
#include <QStringEncoder>

#include <utility>

// A test row's column (Qt 6 knows an enum by itself).
Q_DECLARE_METATYPE(platform::TextEncoding)

namespace support {

// Text as an editor saves it in the encoding, with the byte-order mark that the encoding's name implies (UTF-16
// always has one).
inline QByteArray encodeText(const QString &text, platform::TextEncoding encoding)
{
    switch (encoding) {
    case platform::TextEncoding::Windows1251: return toWindows1251(text);
    case platform::TextEncoding::Utf8: return text.toUtf8();
    case platform::TextEncoding::Utf8WithMark: return "\xEF\xBB\xBF" + text.toUtf8();
    case platform::TextEncoding::Utf16LE:
        return QStringEncoder(QStringEncoder::Utf16LE, QStringEncoder::Flag::WriteBom)(text);
    case platform::TextEncoding::Utf16BE:
        return QStringEncoder(QStringEncoder::Utf16BE, QStringEncoder::Flag::WriteBom)(text);
    }
    return {};
}

// Every encoding, with a name for a test row.
inline const QList<std::pair<const char *, platform::TextEncoding>> &encodingNames()
{
    using E = platform::TextEncoding;
    static const QList<std::pair<const char *, E>> names{{"Windows-1251", E::Windows1251},
                                                         {"UTF-8", E::Utf8},
                                                         {"UTF-8 with a mark", E::Utf8WithMark},
                                                         {"UTF-16LE", E::Utf16LE},
                                                         {"UTF-16BE", E::Utf16BE}};
    return names;
}

} // namespace support
