// SPDX-FileCopyrightText: 2026 The Tavrelo developers
// SPDX-License-Identifier: MIT
#pragma once

#include "platform/core/text_file.h"

#include <QBuffer>
#include <QByteArray>

namespace support {

// A TextStream over bytes in memory, as the reader meets a file; a small chunk size cuts lines anywhere.
class BufferStream final {
public:
    explicit BufferStream(const QByteArray &bytes, qsizetype chunkSize = platform::TextStream::DefaultChunkSize)
        : m_stream(m_buffer, chunkSize)
    {
        m_buffer.setData(bytes);
        m_buffer.open(QIODevice::ReadOnly);
    }
    Q_DISABLE_COPY_MOVE(BufferStream)

    platform::TextStream &stream() { return m_stream; }
    // The bytes as a device of their own, for what reads them before the stream does (and seeks back).
    QBuffer &device() { return m_buffer; }

private:
    QBuffer m_buffer;
    platform::TextStream m_stream;
};

} // namespace support
