// SPDX-FileCopyrightText: 2026 The Tavrelo developers
// SPDX-License-Identifier: MIT
#include "platform/core/text_file.h"

#include "platform/core/runtime_error.h"
#include "platform/core/utf8.h"
#include "platform/core/windows1251.h"

#include <QFile>
#include <QFileInfo>

#include <algorithm>
#include <cstring>

namespace platform {
namespace {

// The first CR or LF in [begin, end), else end. memchr scans a long line many bytes at a time; the windows, small
// at first and doubling, keep a search for one terminator from running far past the other.
const char *firstLineEnd(const char *begin, const char *end)
{
    for (qsizetype window = 64; begin < end; window *= 2) {
        const char *to = begin + std::min<qsizetype>(window, end - begin);
        const auto *lf = static_cast<const char *>(std::memchr(begin, '\n', size_t(to - begin)));
        const auto *cr = static_cast<const char *>(std::memchr(begin, '\r', size_t((lf ? lf : to) - begin)));
        if (cr || lf)
            return cr ? cr : lf;
        begin = to; // never past end
    }
    return end;
}

} // namespace

bool FileExists(const QString &path)
{
    return !path.isEmpty() && QFileInfo(path).isFile();
}

TextStream::TextStream(QIODevice &device, qsizetype chunkSize)
    : m_device(&device), m_chunkSize(qMax<qsizetype>(chunkSize, 1)), m_pieceSize(qMax(m_chunkSize, MinimumPiece))
{
}

TextStream::TextStream(std::unique_ptr<QIODevice> owned, qsizetype chunkSize)
    : m_owned(std::move(owned)), m_device(m_owned.get()), m_chunkSize(chunkSize),
      m_pieceSize(qMax(m_chunkSize, MinimumPiece))
{
}

TextStream::~TextStream() = default;

TextEncoding TextStream::encoding()
{
    if (!m_encoding) {
        m_encoding = m_device ? settleEncoding(*m_device) : TextEncoding::Windows1251;
        if (m_encoding == TextEncoding::Utf16LE || m_encoding == TextEncoding::Utf16BE)
            m_fromUtf16.emplace(m_encoding == TextEncoding::Utf16BE);
        // A character of UTF-8 takes up to four bytes, and a piece may leave up to three of them to the next.
        if (utf8Buffer())
            m_pieceSize = qMax(m_chunkSize, 4 * MinimumPiece);
    }
    return *m_encoding;
}

bool TextStream::utf8Buffer() const
{
    return m_encoding.value_or(TextEncoding::Windows1251) != TextEncoding::Windows1251;
}

// Appends what up to one chunk of the device holds to the buffer, first dropping the lines already returned; false
// at the end of the text.
bool TextStream::fill()
{
    if (m_deviceAtEnd)
        return false;
    encoding();
    if (m_pos > 0) {
        const qsizetype rest = m_buffer.size() - m_pos;
        std::memmove(m_buffer.data(), m_buffer.constData() + m_pos, size_t(rest));
        m_buffer.resize(rest); // keeps the capacity: steady reading allocates nothing
        m_scan -= m_pos;
        m_pos = 0;
    }
    const qsizetype old = m_buffer.size();
    QByteArray &into = m_fromUtf16 ? m_raw : m_buffer;
    const qsizetype at = m_fromUtf16 ? 0 : old;
    into.resize(at + m_chunkSize);
    const qint64 got = m_device->read(into.data() + at, m_chunkSize);
    into.resize(at + qMax<qint64>(got, 0));
    if (got < 0)
        throw RuntimeError(Error::DeviceIOError);
    if (m_fromUtf16) {
        m_fromUtf16->feed(m_raw, m_buffer);
        if (got == 0)
            m_fromUtf16->finish(m_buffer);
    }
    if (got == 0)
        m_deviceAtEnd = true;
    return got > 0 || m_buffer.size() > old;
}

bool TextStream::AtEndOfStream()
{
    return m_pos == m_buffer.size() && !fill();
}

QStringView TextStream::take(qsizetype end, qsizetype next, bool endsLine)
{
    const QByteArrayView bytes(m_buffer.constData() + m_pos, end - m_pos);
    // Neither encoding makes more characters than it has bytes.
    if (qsizetype(m_piece.size()) < bytes.size())
        m_piece.resize(size_t(qMax(bytes.size(), 2 * qsizetype(m_piece.size()))));
    qsizetype length = bytes.size();
    if (utf8Buffer()) {
        if (m_lineEnded) { // the piece begins a line
            m_lineLength = 0;
            m_illFormedAt = -1;
        }
        qsizetype illFormed = -1;
        length = decodeUtf8(bytes, m_piece.data(), &illFormed);
        if (illFormed >= 0 && m_illFormedAt < 0)
            m_illFormedAt = m_lineLength + illFormed;
        m_lineLength += length;
    } else {
        decodeWindows1251(bytes, m_piece.data()); // every byte is a character: nothing is ill-formed
    }
    m_pos = next;
    m_scan = std::max(m_scan, next); // a piece leaves the bytes after it scanned
    m_lineEnded = endsLine;
    return QStringView(m_piece.data(), length);
}

QString TextStream::ReadLine()
{
    return readLineView().toString();
}

QStringView TextStream::readLineView()
{
    const QStringView first = readLinePiece();
    if (m_lineEnded)
        return first;
    m_line.assign(first.utf16(), first.utf16() + first.size());
    while (!m_lineEnded) {
        const QStringView piece = readLinePiece();
        m_line.insert(m_line.end(), piece.utf16(), piece.utf16() + piece.size());
    }
    return QStringView(m_line.data(), qsizetype(m_line.size()));
}

QStringView TextStream::readLinePiece()
{
    if (AtEndOfStream()) {
        if (m_lineEnded)
            throw RuntimeError(Error::InputPastEndOfFile);
        return take(m_pos, m_pos, true); // the line's last piece ended right at the end of the file
    }
    for (;;) {
        const char *data = m_buffer.constData();
        const qsizetype size = m_buffer.size();
        const qsizetype i = firstLineEnd(data + m_scan, data + size) - data;
        m_scan = i;
        if (i == size) {
            if (m_deviceAtEnd)
                return take(size, size, true); // the last line has no terminator
            if (size - m_pos >= m_pieceSize) {
                const qsizetype end = pieceEnd();
                return take(end, end, false);
            }
        } else if (data[i] == '\n') {
            return take(i, i + 1, true);
        } else if (i + 1 < size) {
            return take(i, data[i + 1] == '\n' ? i + 2 : i + 1, true);
        } else if (m_deviceAtEnd) {
            return take(i, i + 1, true);
        }
        // No terminator yet, or a CR at the end of the buffer whose LF may come in the next chunk.
        fill();
    }
}

// Where a piece cut from a line longer than a piece ends: never inside a character.
qsizetype TextStream::pieceEnd() const
{
    if (!utf8Buffer())
        return m_pos + m_pieceSize;
    return m_pos + utf8Boundary(QByteArrayView(m_buffer.constData() + m_pos, m_pieceSize), m_pieceSize);
}

LineEnd TextStream::lastLineEnd() const
{
    // Worked out when asked, so that plain reading pays nothing: the terminator still stands in the buffer just
    // before the next line, and a line holds neither CR nor LF (a CR before an LF is always one CR LF).
    if (m_pos == 0)
        return LineEnd::None;
    const char last = m_buffer.at(m_pos - 1);
    if (last == '\n')
        return m_pos >= 2 && m_buffer.at(m_pos - 2) == '\r' ? LineEnd::CrLf : LineEnd::Lf;
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
    m_raw.clear();
    m_piece.clear();
    m_line.clear();
    m_pos = m_scan = 0;
    m_lineEnded = true;
    m_lineLength = 0;
    m_illFormedAt = -1;
}

std::unique_ptr<TextStream> OpenTextFile(const QString &path)
{
    auto file = std::make_unique<QFile>(path);
    // Unbuffered: the stream reads in large chunks of its own.
    if (!file->open(QIODevice::ReadOnly | QIODevice::Unbuffered)) {
        // QFile tells only that the open failed; the file system says why.
        const QFileInfo info(path);
        if (!info.exists())
            throw RuntimeError(Error::FileNotFound);
        if (info.isFile() && !info.isReadable())
            throw RuntimeError(Error::PermissionDenied);
#ifdef Q_OS_WIN
        // Qt reads no access rights there, and a file that another program holds unshared looks readable.
        if (info.isFile())
            throw RuntimeError(Error::PermissionDenied);
#endif
        throw RuntimeError(Error::PathFileAccessError);
    }
    return std::unique_ptr<TextStream>(new TextStream(std::move(file), TextStream::DefaultChunkSize));
}

} // namespace platform
