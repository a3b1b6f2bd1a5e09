// SPDX-FileCopyrightText: 2026 The Tavrelo developers
// SPDX-License-Identifier: MIT
#pragma once

#include <QByteArray>
#include <QByteArrayView>

namespace platform {

// Turns UTF-16 bytes of one byte order, fed in pieces cut anywhere, into UTF-8, so that text files of every
// encoding are cut into lines by the same byte scan. An unpaired surrogate, and an odd byte left at the end, become
// the byte FF, which no UTF-8 holds: decoded, it reads as U+FFFD, known for bytes that are no text, unlike a U+FFFD
// that the text itself holds.
class Utf16ToUtf8 final {
public:
    explicit Utf16ToUtf8(bool bigEndian) : m_bigEndian(bigEndian) {}

    // Appends the UTF-8 of what bytes complete to out.
    void feed(QByteArrayView bytes, QByteArray &out);
    // Appends what the last piece left open, as FF.
    void finish(QByteArray &out);

private:
    char *put(char32_t code, char *out) const;

    const bool m_bigEndian;
    int m_oddByte = -1;           // the first byte of a unit whose second is still to come
    char16_t m_highSurrogate = 0; // a high surrogate whose low one is still to come
};

} // namespace platform
