// SPDX-FileCopyrightText: 2026 The Tavrelo developers
// SPDX-License-Identifier: MIT
#pragma once

#include <QByteArray>
#include <QString>

#include <vector>

namespace support {

inline quint32 crc32Of(const QByteArray &bytes)
{
    quint32 crc = 0xFFFFFFFF;
    for (const char byte : bytes) {
        crc ^= quint8(byte);
        for (int bit = 0; bit < 8; ++bit)
            crc = (crc >> 1) ^ (0xEDB88320 & (0 - (crc & 1)));
    }
    return ~crc;
}

struct ZipPart {
    QString name;
    QByteArray bytes;
    bool deflate = false;
    qint64 statedSize = -1; // what the directory says it unpacks to, when it lies
};

inline void put16(QByteArray &out, quint32 value)
{
    out.append(char(value & 0xFF)).append(char((value >> 8) & 0xFF));
}

inline void put32(QByteArray &out, quint32 value)
{
    put16(out, value & 0xFFFF);
    put16(out, value >> 16);
}

// A zip of the parts, as office programs write one (stored, or deflated through qCompress's zlib stream).
inline QByteArray zip(const std::vector<ZipPart> &parts)
{
    QByteArray out;
    QByteArray directory;
    for (const ZipPart &part : parts) {
        QByteArray data = part.bytes;
        if (part.deflate && !part.bytes.isEmpty())
            data = qCompress(part.bytes).mid(6).chopped(4); // the raw stream, without zlib's header and checksum
        const QByteArray name = part.name.toUtf8();
        const quint32 size = quint32(part.statedSize >= 0 ? part.statedSize : part.bytes.size());
        const auto header = [&](QByteArray &to, bool central) {
            put32(to, central ? 0x02014b50 : 0x04034b50);
            if (central)
                put16(to, 20);
            put16(to, 20);
            put16(to, 0x0800);
            put16(to, part.deflate && !part.bytes.isEmpty() ? 8 : 0);
            put32(to, 0);
            put32(to, crc32Of(part.bytes));
            put32(to, quint32(data.size()));
            put32(to, size);
            put16(to, quint32(name.size()));
            put16(to, 0);
            if (central) {
                put16(to, 0);
                put16(to, 0);
                put16(to, 0);
                put32(to, 0);
                put32(to, quint32(out.size()));
            }
            to += name;
        };
        header(directory, true);
        header(out, false);
        out += data;
    }
    const quint32 start = quint32(out.size());
    out += directory;
    put32(out, 0x06054b50);
    put32(out, 0);
    put16(out, quint32(parts.size()));
    put16(out, quint32(parts.size()));
    put32(out, quint32(directory.size()));
    put32(out, start);
    put16(out, 0);
    return out;
}

} // namespace support
