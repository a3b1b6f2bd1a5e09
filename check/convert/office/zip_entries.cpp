// SPDX-FileCopyrightText: 2026 The Tavrelo developers
// SPDX-License-Identifier: MIT
#include "check/convert/office/zip_entries.h"

#include "check/rules/messages.h"

#ifdef TAVRELO_QT_ZLIB
#include <QtZlib/zlib.h>
#else
#include <zlib.h>
#endif

#include <algorithm>
#include <set>

namespace {

constexpr quint32 centralSignature = 0x02014b50;
constexpr quint32 localSignature = 0x04034b50;
constexpr quint32 endSignature = 0x06054b50;
constexpr qsizetype endSize = 22;
constexpr qsizetype centralSize = 46;
constexpr qsizetype localSize = 30;
constexpr quint16 encrypted = 0x0001;
constexpr quint16 utf8Names = 0x0800;

quint32 u16(const QByteArray &bytes, qsizetype at)
{
    return quint32(uchar(bytes.at(at))) | quint32(uchar(bytes.at(at + 1))) << 8;
}

quint32 u32(const QByteArray &bytes, qsizetype at)
{
    return u16(bytes, at) | u16(bytes, at + 2) << 16;
}

// Inflates a raw deflate stream, never to more than limit bytes: none when the stream is broken, ends early or
// would give more (and then tooLong is set).
std::optional<QByteArray> inflateAtMost(const char *data, qint64 size, qint64 limit, bool &tooLong)
{
    tooLong = false;
    z_stream stream{};
    if (inflateInit2(&stream, -MAX_WBITS) != Z_OK)
        return std::nullopt;
    QByteArray out(qsizetype(std::min<qint64>(limit, 64 * 1024)) + 1, Qt::Uninitialized);
    stream.next_in = reinterpret_cast<Bytef *>(const_cast<char *>(data));
    stream.avail_in = uInt(size);
    int result = Z_OK;
    for (;;) {
        const qint64 done = qint64(stream.total_out);
        if (done == out.size()) {
            if (done > limit)
                break;
            out.resize(qsizetype(std::min<qint64>(limit + 1, qint64(out.size()) * 2)));
        }
        stream.next_out = reinterpret_cast<Bytef *>(out.data()) + done;
        stream.avail_out = uInt(out.size() - done);
        result = inflate(&stream, Z_NO_FLUSH);
        if (result != Z_OK)
            break;
        if (stream.avail_in == 0 && stream.avail_out > 0)
            break; // the input ends before the stream does
    }
    const qint64 total = qint64(stream.total_out);
    inflateEnd(&stream);
    tooLong = total > limit;
    if (result != Z_STREAM_END || total > limit)
        return std::nullopt;
    out.resize(qsizetype(total));
    return out;
}

} // namespace

ZipEntries::ZipEntries(const QByteArray &zip) : m_zip(zip)
{
    const QString broken = Messages::tr("the file is broken or cut short: its zip directory cannot be read");
    // The end record stands in the last 64 KB (its comment is at most that long).
    qsizetype end = -1;
    for (qsizetype at = zip.size() - endSize; at >= 0 && at >= zip.size() - endSize - 0xFFFF; --at) {
        if (u32(zip, at) == endSignature) {
            end = at;
            break;
        }
    }
    if (end < 0) {
        m_error = broken;
        return;
    }
    const qint64 count = u16(zip, end + 10);
    const qint64 directorySize = u32(zip, end + 12);
    const qint64 directory = u32(zip, end + 16);
    if (count > maxEntries) {
        m_error = Messages::tr("the file holds %1 zip entries, more than the %2 a document is read with")
                      .arg(count)
                      .arg(maxEntries);
        return;
    }
    if (directory + directorySize > end) {
        m_error = broken;
        return;
    }
    qint64 at = directory;
    std::set<QString> names;
    for (qint64 i = 0; i < count; ++i) {
        if (at + centralSize > end || u32(zip, qsizetype(at)) != centralSignature) {
            m_error = broken;
            return;
        }
        const qsizetype p = qsizetype(at);
        Entry entry;
        entry.flags = quint16(u16(zip, p + 8));
        entry.method = quint16(u16(zip, p + 10));
        entry.crc = u32(zip, p + 16);
        entry.packed = u32(zip, p + 20);
        entry.unpacked = u32(zip, p + 24);
        const qint64 nameSize = u16(zip, p + 28);
        const qint64 extraSize = u16(zip, p + 30);
        const qint64 commentSize = u16(zip, p + 32);
        entry.localHeader = u32(zip, p + 42);
        if (at + centralSize + nameSize > end) {
            m_error = broken;
            return;
        }
        const QByteArray name = zip.mid(p + centralSize, qsizetype(nameSize));
        entry.name = (entry.flags & utf8Names) ? QString::fromUtf8(name) : QString::fromLatin1(name);
        // Two parts of one name: office programs differ on which they take, so the text read could be other
        // than the one the teacher sees in hers.
        if (!names.insert(entry.name).second) {
            m_error = broken;
            return;
        }
        m_entries.push_back(entry);
        at += centralSize + nameSize + extraSize + commentSize;
    }
}

const ZipEntries::Entry *ZipEntries::find(const QString &name) const
{
    const auto found = std::find_if(m_entries.begin(), m_entries.end(),
                                    [&](const Entry &entry) { return entry.name == name; });
    return found == m_entries.end() ? nullptr : &*found;
}

bool ZipEntries::contains(const QString &name) const
{
    return find(name) != nullptr;
}

std::optional<QByteArray> ZipEntries::read(const QString &name)
{
    const Entry *entry = find(name);
    if (!entry || !isValid())
        return std::nullopt;
    const auto fail = [&](const QString &why) -> std::optional<QByteArray> {
        m_error = Messages::tr("%1 in the document cannot be read: %2").arg(name, why);
        return std::nullopt;
    };
    // Checked on the directory's word before a byte is unpacked.
    if (entry->unpacked > maxEntrySize)
        return fail(Messages::tr("it would unpack to %1 MB, more than the %2 MB a part is read with")
                        .arg(entry->unpacked / (1024 * 1024))
                        .arg(maxEntrySize / (1024 * 1024)));
    if (entry->unpacked > 1024 * 1024 && entry->unpacked > entry->packed * maxRatio)
        return fail(Messages::tr("it would unpack to %1 times its packed size, as a zip bomb does")
                        .arg(entry->unpacked / std::max<qint64>(entry->packed, 1)));
    if (m_unpackedSoFar + entry->unpacked > maxTotalSize)
        return fail(Messages::tr("the document's parts together would unpack to more than %1 MB")
                        .arg(maxTotalSize / (1024 * 1024)));
    if (entry->flags & encrypted)
        return fail(Messages::tr("it is encrypted"));
    const QString broken = Messages::tr("the file is broken or cut short");
    const qint64 local = entry->localHeader;
    if (local + localSize > m_zip.size() || u32(m_zip, qsizetype(local)) != localSignature)
        return fail(broken);
    const qint64 data = local + localSize + u16(m_zip, qsizetype(local + 26)) + u16(m_zip, qsizetype(local + 28));
    if (data + entry->packed > m_zip.size())
        return fail(broken);

    std::optional<QByteArray> bytes;
    if (entry->method == 0) {
        if (entry->packed != entry->unpacked)
            return fail(broken);
        bytes = m_zip.mid(qsizetype(data), qsizetype(entry->packed));
    } else if (entry->method == 8) {
        // Never past the size the directory gives, whatever the stream holds.
        bool tooLong = false;
        bytes = inflateAtMost(m_zip.constData() + data, entry->packed, entry->unpacked, tooLong);
        if (tooLong)
            return fail(Messages::tr("it unpacks to more than the zip's directory says, as a zip bomb does"));
        if (!bytes || bytes->size() != entry->unpacked)
            return fail(broken);
    } else {
        return fail(Messages::tr("it is packed in a way other than deflate (method %1)").arg(entry->method));
    }
    if (crc32(0, reinterpret_cast<const Bytef *>(bytes->constData()), uInt(bytes->size())) != entry->crc)
        return fail(broken);
    m_unpackedSoFar += entry->unpacked;
    return bytes;
}
