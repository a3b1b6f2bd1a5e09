// SPDX-FileCopyrightText: 2026 The Tavrelo developers
// SPDX-License-Identifier: MIT
#pragma once

#include "platform/core/text_encoding.h"
#include "platform/core/utf16.h"

#include <QByteArray>
#include <QString>
#include <QStringView>
#include <QtGlobal>

#include <memory>
#include <optional>
#include <vector>

class QIODevice;

namespace platform {

// How a line ended in the file.
enum class LineEnd : quint8 { None, CrLf, Lf, Cr };

// True only for an existing regular file (symbolic links followed): a folder of that name counts as missing.
bool FileExists(const QString &path);

// Reads text line by line, with no more in memory than a chunk and the longest line, or no more than a few chunks
// when lines are read in pieces. The text is Windows-1251, UTF-8 or UTF-16, as settleEncoding decides before the
// first line: a file without a byte-order mark is read through once for that, then line by line from its start; a
// byte-order mark is no part of the first line. A line ends at
// CR LF, a lone LF or a lone CR; the terminator is not part of it, a terminator at the very end adds no empty
// line, and a last line without one is still read. Every other character, NUL included, is part of its line; each
// ill-formed sequence of UTF-8 or UTF-16 reads as U+FFFD.
class TextStream final {
public:
    static constexpr qsizetype DefaultChunkSize = 64 * 1024;

    // Reads from a device that the caller keeps open; a small chunk size lets tests cut lines anywhere.
    explicit TextStream(QIODevice &device, qsizetype chunkSize = DefaultChunkSize);
    ~TextStream();
    Q_DISABLE_COPY_MOVE(TextStream)

    // These raise DeviceIOError when the device fails.
    bool AtEndOfStream();
    // How the text is read; settled by the first call that reads.
    TextEncoding encoding();
    QString ReadLine(); // past the end: InputPastEndOfFile
    // The same without a string of its own: the view lasts until the next read, and reading line after line
    // allocates nothing.
    QStringView readLineView();
    // The terminator of the line just read, valid until the next call that reads; None for a last line without one.
    LineEnd lastLineEnd() const;
    // Where in the line being read decoding first put U+FFFD for bytes that are no text in the file's encoding
    // (ill-formed UTF-8 or UTF-16), counted in UTF-16 units from the line's start; -1 for none. A U+FFFD that the
    // file itself holds is none.
    qsizetype lineIllFormedAt() const { return m_illFormedAt; }

    // A line in pieces, for a reader whose memory must not grow with the longest line: the next piece of the
    // line begun, or the first piece of the next line when the last piece ended its line (past the end:
    // InputPastEndOfFile). A piece holds the whole rest of the line or a chunk of it, and never fewer than
    // MinimumPiece characters, so a first piece shows every marker that a line can begin with; no character is
    // cut in two. The view lasts until the next read.
    QStringView readLinePiece();
    // Whether the last piece read ended its line.
    bool atEndOfLine() const { return m_lineEnded; }

    static constexpr qsizetype MinimumPiece = 16;

    // Releases the device (closing it if the stream owns it); the stream is then at its end.
    void Close();

private:
    friend std::unique_ptr<TextStream> OpenTextFile(const QString &path);
    TextStream(std::unique_ptr<QIODevice> owned, qsizetype chunkSize);

    bool fill();
    bool utf8Buffer() const;
    qsizetype pieceEnd() const;
    QStringView take(qsizetype end, qsizetype next, bool endsLine);

    std::unique_ptr<QIODevice> m_owned;
    QIODevice *m_device;
    const qsizetype m_chunkSize;
    qsizetype m_pieceSize;
    std::optional<TextEncoding> m_encoding;
    // UTF-16 is turned into UTF-8 as it is read, so the buffer holds Windows-1251 or UTF-8 bytes.
    std::optional<Utf16ToUtf8> m_fromUtf16;
    QByteArray m_raw; // a chunk of UTF-16 as read
    QByteArray m_buffer;
    std::vector<char16_t> m_piece; // the decoded current piece
    std::vector<char16_t> m_line;  // a line gathered from its pieces, for readLineView
    qsizetype m_pos = 0;           // first byte of the current piece
    qsizetype m_scan = 0;          // bytes before this one hold no terminator of the current line
    bool m_deviceAtEnd = false;
    bool m_lineEnded = true;
    qsizetype m_lineLength = 0; // characters of the current line returned so far, in UTF-8 and UTF-16
    qsizetype m_illFormedAt = -1;
};

// Opens an existing file for reading, never creating it. Raises FileNotFound when there is no such file,
// PermissionDenied when it may not be read, PathFileAccessError for anything else (a folder, say).
std::unique_ptr<TextStream> OpenTextFile(const QString &path);

} // namespace platform
