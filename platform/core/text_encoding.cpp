// SPDX-FileCopyrightText: 2026 The Tavrelo developers
// SPDX-License-Identifier: MIT
#include "platform/core/text_encoding.h"

#include "platform/core/runtime_error.h"
#include "platform/core/utf8.h"

#include <QByteArray>
#include <QIODevice>

namespace platform {
namespace {

struct Mark {
    QByteArrayView bytes;
    TextEncoding encoding;
};

constexpr Mark Marks[] = {
    {"\xEF\xBB\xBF", TextEncoding::Utf8WithMark},
    {"\xFF\xFE", TextEncoding::Utf16LE},
    {"\xFE\xFF", TextEncoding::Utf16BE},
};

// Reads into the chunk from `from` on; 0 at the device's end.
qint64 readSome(QIODevice &device, QByteArray &chunk, qint64 from = 0)
{
    const qint64 got = device.read(chunk.data() + from, chunk.size() - from);
    if (got < 0)
        throw RuntimeError(Error::DeviceIOError);
    return got;
}

} // namespace

TextEncoding settleEncoding(QIODevice &device)
{
    if (device.isSequential())
        return TextEncoding::Windows1251;
    const qint64 start = device.pos();
    QByteArray chunk(64 * 1024, Qt::Uninitialized);
    qint64 got = readSome(device, chunk);
    // A mark may be cut by a short read; three bytes settle it.
    for (qint64 more = got; more > 0 && got < 3; got += more)
        more = readSome(device, chunk, got);
    const QByteArrayView head(chunk.constData(), got);
    for (const Mark &mark : Marks) {
        if (head.startsWith(mark.bytes)) {
            if (!device.seek(start + mark.bytes.size()))
                throw RuntimeError(Error::DeviceIOError);
            return mark.encoding;
        }
    }
    Utf8Validator utf8;
    for (; got > 0; got = readSome(device, chunk)) {
        utf8.feed(QByteArrayView(chunk.constData(), got));
        if (utf8.broken())
            break;
    }
    if (!device.seek(start))
        throw RuntimeError(Error::DeviceIOError);
    return utf8.valid() ? TextEncoding::Utf8 : TextEncoding::Windows1251;
}

} // namespace platform
