// SPDX-FileCopyrightText: 2026 The Tavrelo developers
// SPDX-License-Identifier: MIT
#pragma once

#include <QByteArrayView>
#include <QtGlobal>

namespace platform {

// Checks whether bytes, fed in pieces cut anywhere, are well-formed UTF-8: no overlong forms, no UTF-16
// surrogates, nothing past U+10FFFF.
class Utf8Validator final {
public:
    void feed(QByteArrayView bytes) noexcept;
    // Well-formed to the end, with no sequence left open.
    bool valid() const noexcept { return !m_broken && m_pending == 0; }
    // No more bytes can make it well-formed.
    bool broken() const noexcept { return m_broken; }

private:
    void feedSlowly(const unsigned char *begin, const unsigned char *end) noexcept;

    int m_pending = 0;                         // continuation bytes still due
    unsigned char m_low = 0x80, m_high = 0xBF; // the range of the next continuation byte
    bool m_broken = false;
};

// Decodes UTF-8 into a buffer with room for bytes.size() characters and returns how many it wrote. Each ill-formed
// sequence (its longest start that could have begun a well-formed one, or else one byte) becomes one U+FFFD, so
// decoding bytes cut between two sequences gives what decoding them whole gives. firstIllFormed, when given, is set
// to where the first such U+FFFD was written, or -1: a U+FFFD that the text itself holds is none.
qsizetype decodeUtf8(QByteArrayView bytes, char16_t *out, qsizetype *firstIllFormed = nullptr) noexcept;

// Where to cut bytes at `at` or a little before it, at most three bytes, so that no sequence still to be completed
// is cut in two.
qsizetype utf8Boundary(QByteArrayView bytes, qsizetype at) noexcept;

} // namespace platform
