// SPDX-FileCopyrightText: 2026 The Tavrelo developers
// SPDX-License-Identifier: MIT
#include "platform/core/utf16.h"

namespace platform {
namespace {

// Never part of UTF-8, so the UTF-8 decoder makes it U+FFFD and counts it as ill-formed.
constexpr char IllFormed = char(0xFF);

bool isHighSurrogate(char32_t unit)
{
    return unit >= 0xD800 && unit <= 0xDBFF;
}

bool isLowSurrogate(char32_t unit)
{
    return unit >= 0xDC00 && unit <= 0xDFFF;
}

} // namespace

char *Utf16ToUtf8::put(char32_t code, char *out) const
{
    if (code < 0x80) {
        *out++ = char(code);
    } else if (code < 0x800) {
        *out++ = char(0xC0 | (code >> 6));
        *out++ = char(0x80 | (code & 0x3F));
    } else if (code < 0x10000) {
        *out++ = char(0xE0 | (code >> 12));
        *out++ = char(0x80 | ((code >> 6) & 0x3F));
        *out++ = char(0x80 | (code & 0x3F));
    } else {
        *out++ = char(0xF0 | (code >> 18));
        *out++ = char(0x80 | ((code >> 12) & 0x3F));
        *out++ = char(0x80 | ((code >> 6) & 0x3F));
        *out++ = char(0x80 | (code & 0x3F));
    }
    return out;
}

void Utf16ToUtf8::feed(QByteArrayView bytes, QByteArray &out)
{
    const qsizetype old = out.size();
    // A unit of two bytes takes at most three bytes of UTF-8, a pair of them four; one more unit may be pending.
    out.resize(old + (bytes.size() / 2 + 2) * 3);
    char *o = out.data() + old;
    for (const char c : bytes) {
        const auto byte = static_cast<unsigned char>(c);
        if (m_oddByte < 0) {
            m_oddByte = byte;
            continue;
        }
        const char32_t unit = m_bigEndian ? (m_oddByte << 8 | byte) : (byte << 8 | m_oddByte);
        m_oddByte = -1;
        if (m_highSurrogate != 0) {
            const char16_t high = m_highSurrogate;
            m_highSurrogate = 0;
            if (isLowSurrogate(unit)) {
                o = put(0x10000 + ((char32_t(high) - 0xD800) << 10) + (unit - 0xDC00), o);
                continue;
            }
            *o++ = IllFormed;
        }
        if (isHighSurrogate(unit))
            m_highSurrogate = char16_t(unit);
        else if (isLowSurrogate(unit))
            *o++ = IllFormed;
        else
            o = put(unit, o);
    }
    out.resize(o - out.constData());
}

void Utf16ToUtf8::finish(QByteArray &out)
{
    if (m_highSurrogate != 0)
        out += IllFormed;
    if (m_oddByte >= 0)
        out += IllFormed;
    m_highSurrogate = 0;
    m_oddByte = -1;
}

} // namespace platform
