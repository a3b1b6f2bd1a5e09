// SPDX-FileCopyrightText: 2026 The Tavrelo developers
// SPDX-License-Identifier: MIT
#include "platform/text_file.h"

#include "platform/runtime_error.h"
#include "platform/windows1251.h"

#include <QFile>
#include <QFileInfo>

#include <cstring>

namespace platform {

bool FileExists(const QString &path)
{
    return !path.isEmpty() && QFileInfo(path).isFile();
}

TextStream::TextStream(QIODevice &device, qsizetype chunkSize)
    : m_device(&device), m_chunkSize(qMax<qsizetype>(chunkSize, 1))
{
}

TextStream::TextStream(std::unique_ptr<QIODevice> owned, qsizetype chunkSize)
    : m_owned(std::move(owned)), m_device(m_owned.get()), m_chunkSize(chunkSize)
{
}

TextStream::~TextStream() = default;

// Appends up to one chunk to the buffer, first dropping the lines already returned; false at the device's end.
bool TextStream::fill()
{
    if (m_deviceAtEnd)
        return false;
    if (m_pos > 0) {
        const qsizetype rest = m_buffer.size() - m_pos;
        std::memmove(m_buffer.data(), m_buffer.constData() + m_pos, size_t(rest));
        m_buffer.resize(rest); // keeps the capacity: steady reading allocates nothing
        m_scan -= m_pos;
        m_pos = 0;
    }
    const qsizetype old = m_buffer.size();
    m_buffer.resize(old + m_chunkSize);
    const qint64 got = m_device->read(m_buffer.data() + old, m_chunkSize);
    if (got < 0) {
        m_buffer.resize(old);
        throw DeviceIOError();
    }
    m_buffer.resize(old + qsizetype(got));
    if (got == 0)
        m_deviceAtEnd = true;
    return got > 0;
}

bool TextStream::AtEndOfStream()
{
    return m_pos == m_buffer.size() && !fill();
}

QStringView TextStream::takeLine(qsizetype end, qsizetype next)
{
    const qsizetype length = end - m_pos;
    if (qsizetype(m_line.size()) < length)
        m_line.resize(size_t(qMax(length, 2 * qsizetype(m_line.size()))));
    DecodeWindows1251(QByteArrayView(m_buffer.constData() + m_pos, length), m_line.data());
    m_pos = m_scan = next;
    return QStringView(m_line.data(), length);
}

QString TextStream::ReadLine()
{
    return ReadLineView().toString();
}

QStringView TextStream::ReadLineView()
{
    if (AtEndOfStream())
        throw InputPastEndOfFile();
    for (;;) {
        const char *data = m_buffer.constData();
        const qsizetype size = m_buffer.size();
        qsizetype i = m_scan;
        while (i < size && data[i] != '\r' && data[i] != '\n')
            ++i;
        m_scan = i;
        if (i == size) {
            if (m_deviceAtEnd)
                return takeLine(size, size); // the last line has no terminator
        } else if (data[i] == '\n') {
            return takeLine(i, i + 1);
        } else if (i + 1 < size) {
            return takeLine(i, data[i + 1] == '\n' ? i + 2 : i + 1);
        } else if (m_deviceAtEnd) {
            return takeLine(i, i + 1);
        }
        // No terminator yet, or a CR at the end of the buffer whose LF may come in the next chunk.
        fill();
    }
}

LineEnd TextStream::LastLineEnd() const
{
    // Worked out when asked, so that plain reading pays nothing: the terminator still stands in the buffer just
    // before the next line, and a line holds neither CR nor LF (a CR before an LF is always one CR LF).
    if (m_pos == 0)
        return LineEnd::None;
    const char last = m_buffer[m_pos - 1];
    if (last == '\n')
        return m_pos >= 2 && m_buffer[m_pos - 2] == '\r' ? LineEnd::CrLf : LineEnd::Lf;
    return last == '\r' ? LineEnd::Cr : LineEnd::None;
}

void TextStream::Close()
{
    if (m_owned)
        m_owned->close();
    m_owned.reset();
    m_device = nullptr;
    m_deviceAtEnd = true;
    m_buffer.clear();
    m_line.clear();
    m_pos = m_scan = 0;
}

std::unique_ptr<TextStream> OpenTextFile(const QString &path)
{
    auto file = std::make_unique<QFile>(path);
    // Unbuffered: the stream reads in large chunks of its own.
    if (!file->open(QIODevice::ReadOnly | QIODevice::Unbuffered)) {
        // QFile tells only that the open failed; the file system says why.
        const QFileInfo info(path);
        if (!info.exists())
            throw FileNotFound();
        if (info.isFile() && !info.isReadable())
            throw PermissionDenied();
        throw PathFileAccessError();
    }
    return std::unique_ptr<TextStream>(new TextStream(std::move(file), TextStream::DefaultChunkSize));
}

} // namespace platform
