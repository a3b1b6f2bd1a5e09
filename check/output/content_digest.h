// SPDX-FileCopyrightText: 2026 The Tavrelo developers
// SPDX-License-Identifier: MIT
#pragma once

#include <QByteArray>
#include <QByteArrayView>

class QIODevice;

// A 64-bit digest of the bytes after a mark, by which the checker knows that a file it made is unchanged since. It
// tells an edit from no edit, and is no guard against forgery, so it is made for speed: eight bytes a step, each step
// a one-to-one map of the state for a given word and of the word for a given state, so that a file that differs from
// the one digested in a single word of eight bytes always gives another digest. The same bytes give the same digest
// on every system.
class ContentDigest final {
public:
    void addData(QByteArrayView bytes);
    // Adds the device's bytes to its end; false on a read error.
    bool addData(QIODevice &device);
    // Sixteen hexadecimal digits.
    QByteArray hex() const;

private:
    void addWord(quint64 word);

    quint64 m_state = 0x6A09E667F3BCC908;
    quint64 m_length = 0;
    quint64 m_partial = 0; // the bytes of a word not yet whole, the first lowest
    int m_partialBytes = 0;
};
