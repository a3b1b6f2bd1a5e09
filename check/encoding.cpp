// SPDX-FileCopyrightText: 2026 The Tavrelo developers
// SPDX-License-Identifier: MIT
#include "check/encoding.h"

#include "check/messages.h"
#include "platform/core/runtime_error.h"

#include <QByteArray>
#include <QIODevice>

using namespace Qt::StringLiterals;

void Utf8Validator::feed(QByteArrayView bytes)
{
    for (const char c : bytes) {
        if (m_broken)
            return;
        const auto byte = static_cast<unsigned char>(c);
        if (m_pending > 0) {
            m_broken = byte < m_low || byte > m_high;
            m_low = 0x80;
            m_high = 0xBF;
            --m_pending;
            continue;
        }
        if (byte < 0x80)
            continue;
        m_sawNonAscii = true;
        // The first continuation byte's range rules out overlong forms, UTF-16 surrogates and code points past
        // U+10FFFF.
        if (byte >= 0xC2 && byte <= 0xDF) {
            m_pending = 1;
        } else if (byte >= 0xE0 && byte <= 0xEF) {
            m_pending = 2;
            if (byte == 0xE0)
                m_low = 0xA0;
            else if (byte == 0xED)
                m_high = 0x9F;
        } else if (byte >= 0xF0 && byte <= 0xF4) {
            m_pending = 3;
            if (byte == 0xF0)
                m_low = 0x90;
            else if (byte == 0xF4)
                m_high = 0x8F;
        } else {
            m_broken = true;
        }
    }
}

FileEncoding detectEncoding(QIODevice &device)
{
    constexpr qint64 ChunkSize = 64 * 1024;
    QByteArray chunk(ChunkSize, Qt::Uninitialized);
    QByteArray head; // the first three bytes, which hold any byte-order mark
    Utf8Validator utf8;
    while (!utf8.broken() || head.size() < 3) {
        const qint64 got = device.read(chunk.data(), ChunkSize);
        if (got < 0)
            throw platform::RuntimeError(platform::Error::DeviceIOError);
        if (got == 0)
            break;
        const QByteArrayView bytes(chunk.constData(), got);
        head += bytes.first(qMin<qsizetype>(bytes.size(), 3 - head.size()));
        utf8.feed(bytes);
    }
    if (head.startsWith("\xFF\xFE"))
        return FileEncoding::Utf16LE;
    if (head.startsWith("\xFE\xFF"))
        return FileEncoding::Utf16BE;
    if (head.startsWith("\xEF\xBB\xBF"))
        return FileEncoding::Utf8WithBom;
    return utf8.valid() && utf8.sawNonAscii() ? FileEncoding::Utf8 : FileEncoding::Windows1251;
}

QString encodingName(FileEncoding encoding)
{
    switch (encoding) {
    case FileEncoding::Windows1251: return u"Windows-1251"_s;
    case FileEncoding::Utf8: return u"UTF-8"_s;
    case FileEncoding::Utf8WithBom: return Messages::tr("UTF-8 with a byte-order mark");
    case FileEncoding::Utf16LE: return Messages::tr("UTF-16 (little-endian)");
    case FileEncoding::Utf16BE: return Messages::tr("UTF-16 (big-endian)");
    }
    return {};
}
