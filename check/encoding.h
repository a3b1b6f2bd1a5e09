// SPDX-FileCopyrightText: 2026 The Tavrelo developers
// SPDX-License-Identifier: MIT
#pragma once

#include <QByteArrayView>
#include <QString>

class QIODevice;

// What a question file's bytes look like. Tavrelo reads every file as Windows-1251; plain ASCII reads the same in
// any of these, so it counts as Windows-1251.
enum class FileEncoding { Windows1251, Utf8, Utf8WithBom, Utf16LE, Utf16BE };

// Checks whether bytes, fed in pieces cut anywhere, are well-formed UTF-8.
class Utf8Validator final {
public:
    void feed(QByteArrayView bytes);
    // Well-formed to the end, with no sequence left open.
    bool valid() const { return !m_broken && m_pending == 0; }
    // No more bytes can make it well-formed.
    bool broken() const { return m_broken; }
    bool sawNonAscii() const { return m_sawNonAscii; }

private:
    int m_pending = 0;                         // continuation bytes still due
    unsigned char m_low = 0x80, m_high = 0xBF; // the range of the next continuation byte
    bool m_broken = false;
    bool m_sawNonAscii = false;
};

// Reads the device, to its end unless the answer is settled sooner; raises DeviceIOError when it fails. A
// Windows-1251 file with Cyrillic text is never well-formed UTF-8 (its letters stand in runs of lead bytes), so a
// file that is, and holds more than ASCII, was saved as UTF-8.
FileEncoding detectEncoding(QIODevice &device);

// The encoding's name, for messages.
QString encodingName(FileEncoding encoding);
