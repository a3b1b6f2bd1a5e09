// SPDX-FileCopyrightText: 2026 The Tavrelo developers
// SPDX-License-Identifier: MIT
#include "check/output/content_digest.h"

#include <QIODevice>
#include <QtEndian>

#include <bit>

namespace {

constexpr quint64 Multiplier = 0x9E3779B97F4A7C15; // odd, so that multiplying by it is one-to-one

// The finalizer of SplitMix64: one-to-one, and every bit of the result depends on every bit of the state.
quint64 mixed(quint64 x)
{
    x = (x ^ (x >> 30)) * 0xBF58476D1CE4E5B9;
    x = (x ^ (x >> 27)) * 0x94D049BB133111EB;
    return x ^ (x >> 31);
}

} // namespace

void ContentDigest::addWord(quint64 word)
{
    m_state = std::rotl((m_state ^ word) * Multiplier, 29);
}

void ContentDigest::addData(QByteArrayView bytes)
{
    const char *at = bytes.data();
    qsizetype left = bytes.size();
    m_length += quint64(left);
    while (left > 0 && m_partialBytes > 0) {
        m_partial |= quint64(quint8(*at++)) << (8 * m_partialBytes);
        --left;
        if (++m_partialBytes == 8) {
            addWord(m_partial);
            m_partial = 0;
            m_partialBytes = 0;
        }
    }
    for (; left >= 8; at += 8, left -= 8)
        addWord(qFromLittleEndian<quint64>(at));
    for (; left > 0; --left, ++at)
        m_partial |= quint64(quint8(*at)) << (8 * m_partialBytes++);
}

bool ContentDigest::addData(QIODevice &device)
{
    for (;;) {
        const QByteArray bytes = device.read(64 * 1024);
        if (bytes.isEmpty())
            return device.atEnd();
        addData(bytes);
    }
}

QByteArray ContentDigest::hex() const
{
    ContentDigest last = *this;
    // The length goes in last, so that bytes of 0 at the end count too.
    if (last.m_partialBytes > 0)
        last.addWord(last.m_partial);
    last.addWord(m_length);
    return QByteArray::number(mixed(last.m_state), 16).rightJustified(16, '0');
}
