// SPDX-FileCopyrightText: 2026 The Tavrelo developers
// SPDX-License-Identifier: MIT
#include "platform/core/utf8.h"

#include <bit>
#include <cstring>

#ifdef __SSE2__
#include <emmintrin.h>
#endif

namespace platform {
namespace {

constexpr char16_t Replacement = 0xFFFD;

bool isContinuation(unsigned char byte)
{
    return (byte & 0xC0) == 0x80;
}

// How many bytes a sequence that begins with this byte has, or 0 for a byte that begins none.
int sequenceLength(unsigned char lead)
{
    if (lead < 0x80)
        return 1;
    if (lead >= 0xC2 && lead <= 0xDF)
        return 2;
    if (lead >= 0xE0 && lead <= 0xEF)
        return 3;
    if (lead >= 0xF0 && lead <= 0xF4)
        return 4;
    return 0;
}

// The range of the byte after a lead: narrower than a plain continuation byte's where the lead would otherwise
// allow overlong forms, UTF-16 surrogates or code points past U+10FFFF.
struct ByteRange {
    unsigned char low = 0x80, high = 0xBF;
    bool holds(unsigned char byte) const { return byte >= low && byte <= high; }
};

ByteRange secondByteRange(unsigned char lead)
{
    switch (lead) {
    case 0xE0: return {0xA0, 0xBF};
    case 0xED: return {0x80, 0x9F};
    case 0xF0: return {0x90, 0xBF};
    case 0xF4: return {0x80, 0x8F};
    default: return {};
    }
}

// Most of a Russian text is ASCII and two-byte sequences (Cyrillic letters), so 16 bytes at a time are first sorted
// into these kinds, one bit a byte; only a block that holds anything else goes byte by byte.
struct BlockKinds {
    unsigned leads = 0;         // C2..DF: the first byte of a two-byte sequence
    unsigned continuations = 0; // 80..BF
    unsigned others = 0;        // any other byte of 80..FF
    bool ascii() const { return (leads | continuations | others) == 0; }
    // Every byte ASCII or part of a two-byte sequence, the last one maybe left open at the block's end; the block
    // must not begin with a continuation byte.
    bool twoByteText() const { return others == 0 && ((leads << 1) & 0xFFFF) == continuations; }
};

BlockKinds kindsOf(const unsigned char *block)
{
    BlockKinds kinds;
#ifdef __SSE2__
    // As signed bytes: continuation bytes are -128..-65, two-byte leads -62..-33.
    const __m128i bytes = _mm_loadu_si128(reinterpret_cast<const __m128i *>(block));
    const __m128i continuation = _mm_cmplt_epi8(bytes, _mm_set1_epi8(-64));
    const __m128i lead = _mm_and_si128(_mm_cmpgt_epi8(bytes, _mm_set1_epi8(-63)),
                                       _mm_cmplt_epi8(bytes, _mm_set1_epi8(-32)));
    kinds.leads = unsigned(_mm_movemask_epi8(lead));
    kinds.continuations = unsigned(_mm_movemask_epi8(continuation));
    kinds.others = unsigned(_mm_movemask_epi8(bytes)) & ~(kinds.leads | kinds.continuations);
#else
    for (int k = 0; k < 16; ++k) {
        const unsigned bit = 1u << k;
        if (isContinuation(block[k]))
            kinds.continuations |= bit;
        else if (block[k] >= 0xC2 && block[k] <= 0xDF)
            kinds.leads |= bit;
        else if (block[k] >= 0x80)
            kinds.others |= bit;
    }
#endif
    return kinds;
}

// Decodes a block of ASCII and two-byte sequences (and the byte after it, when its last byte is a lead): first the
// character that each byte would begin, then only those of the bytes that begin one.
char16_t *decodeTwoByteBlock(const unsigned char *block, const BlockKinds &kinds, char16_t *out)
{
    alignas(16) char16_t begun[16];
#ifdef __SSE2__
    const __m128i bytes = _mm_loadu_si128(reinterpret_cast<const __m128i *>(block));
    // Eight letters of Cyrillic in a row, common enough to go straight: each pair of bytes is one character.
    if (kinds.leads == 0x5555) {
        const __m128i letters = _mm_or_si128(_mm_slli_epi16(_mm_and_si128(bytes, _mm_set1_epi16(0x1F)), 6),
                                             _mm_and_si128(_mm_srli_epi16(bytes, 8), _mm_set1_epi16(0x3F)));
        _mm_storeu_si128(reinterpret_cast<__m128i *>(out), letters);
        return out + 8;
    }
    const __m128i zero = _mm_setzero_si128();
    const __m128i next = _mm_loadu_si128(reinterpret_cast<const __m128i *>(block + 1));
    const __m128i lead = _mm_and_si128(_mm_cmpgt_epi8(bytes, _mm_set1_epi8(-63)),
                                       _mm_cmplt_epi8(bytes, _mm_set1_epi8(-32)));
    // The unpacking as a lambda, not the intrinsic's address: an intrinsic has no body to point at unless inlined.
    const auto half = [&](auto unpack) {
        const __m128i first = unpack(bytes, zero);
        const __m128i second = unpack(next, zero);
        const __m128i isLead = unpack(lead, lead);
        const __m128i pair = _mm_or_si128(_mm_slli_epi16(_mm_and_si128(first, _mm_set1_epi16(0x1F)), 6),
                                          _mm_and_si128(second, _mm_set1_epi16(0x3F)));
        return _mm_or_si128(_mm_and_si128(isLead, pair), _mm_andnot_si128(isLead, first));
    };
    _mm_store_si128(reinterpret_cast<__m128i *>(begun),
                    half([](__m128i a, __m128i b) { return _mm_unpacklo_epi8(a, b); }));
    _mm_store_si128(reinterpret_cast<__m128i *>(begun + 8),
                    half([](__m128i a, __m128i b) { return _mm_unpackhi_epi8(a, b); }));
#else
    for (int k = 0; k < 16; ++k) {
        begun[k] = (kinds.leads >> k) & 1 ? char16_t(((block[k] & 0x1F) << 6) | (block[k + 1] & 0x3F))
                                          : char16_t(block[k]);
    }
#endif
    for (unsigned starts = ~kinds.continuations & 0xFFFF; starts != 0; starts &= starts - 1)
        *out++ = begun[std::countr_zero(starts)];
    return out;
}

} // namespace

void Utf8Validator::feed(QByteArrayView bytes) noexcept
{
    const auto *p = reinterpret_cast<const unsigned char *>(bytes.data());
    const auto *const end = p + bytes.size();
    // A sequence that the last piece left open is finished byte by byte.
    for (; m_pending > 0 && p < end; ++p)
        feedSlowly(p, p + 1);
    while (!m_broken && p < end) {
        if (end - p > 16) {
            const BlockKinds kinds = kindsOf(p);
            if (kinds.twoByteText()) {
                // A lead at the block's end takes the byte after it.
                const int open = int(kinds.leads >> 15);
                m_broken = open && !isContinuation(p[16]);
                p += 16 + open;
                continue;
            }
        }
        const unsigned char lead = *p;
        if (lead < 0x80) {
            ++p;
            continue;
        }
        const int length = sequenceLength(lead);
        if (length == 0) {
            m_broken = true;
            return;
        }
        if (end - p < length)
            break; // left open: kept for the next piece
        bool wellFormed = secondByteRange(lead).holds(p[1]);
        for (int k = 2; k < length; ++k)
            wellFormed = wellFormed && isContinuation(p[k]);
        m_broken = !wellFormed;
        p += length;
    }
    if (!m_broken)
        feedSlowly(p, end);
}

void Utf8Validator::feedSlowly(const unsigned char *begin, const unsigned char *end) noexcept
{
    for (const unsigned char *p = begin; p < end && !m_broken; ++p) {
        const unsigned char byte = *p;
        if (m_pending > 0) {
            m_broken = byte < m_low || byte > m_high;
            m_low = 0x80;
            m_high = 0xBF;
            --m_pending;
            continue;
        }
        const int length = sequenceLength(byte);
        m_broken = length == 0;
        m_pending = qMax(length - 1, 0);
        const ByteRange second = secondByteRange(byte);
        m_low = second.low;
        m_high = second.high;
    }
}

qsizetype decodeUtf8(QByteArrayView bytes, char16_t *out, qsizetype *firstIllFormed) noexcept
{
    if (firstIllFormed)
        *firstIllFormed = -1;
    const auto *in = reinterpret_cast<const unsigned char *>(bytes.data());
    const qsizetype size = bytes.size();
    qsizetype i = 0;
    char16_t *o = out;
    while (i < size) {
        if (size - i > 16) {
            const BlockKinds kinds = kindsOf(in + i);
            if (kinds.ascii()) {
                for (int k = 0; k < 16; ++k)
                    o[k] = in[i + k];
                i += 16;
                o += 16;
                continue;
            }
            if (kinds.twoByteText() && (kinds.leads < 0x8000 || isContinuation(in[i + 16]))) {
                o = decodeTwoByteBlock(in + i, kinds, o);
                i += 16 + (kinds.leads >> 15);
                continue;
            }
        }
        const unsigned char lead = in[i];
        if (lead < 0x80) {
            *o++ = lead;
            ++i;
            continue;
        }
        const int length = sequenceLength(lead);
        // Two-byte sequences first: they carry Cyrillic.
        if (length == 2 && i + 1 < size && isContinuation(in[i + 1])) {
            *o++ = char16_t(((lead & 0x1F) << 6) | (in[i + 1] & 0x3F));
            i += 2;
            continue;
        }
        qsizetype taken = 1; // bytes of the sequence that are well-formed so far
        if (length > 2 && i + 1 < size && secondByteRange(lead).holds(in[i + 1])) {
            taken = 2;
            while (taken < length && i + taken < size && isContinuation(in[i + taken]))
                ++taken;
        }
        if (length < 2 || taken < length) {
            if (firstIllFormed && *firstIllFormed < 0)
                *firstIllFormed = o - out;
            *o++ = Replacement;
            i += taken;
            continue;
        }
        char32_t code = lead & (length == 3 ? 0x0F : 0x07);
        for (int k = 1; k < length; ++k)
            code = (code << 6) | (in[i + k] & 0x3F);
        if (code < 0x10000) {
            *o++ = char16_t(code);
        } else {
            *o++ = char16_t(0xD800 + ((code - 0x10000) >> 10));
            *o++ = char16_t(0xDC00 + ((code - 0x10000) & 0x3FF));
        }
        i += length;
    }
    return o - out;
}

qsizetype utf8Boundary(QByteArrayView bytes, qsizetype at) noexcept
{
    for (qsizetype back = 1; back <= 3 && at - back >= 0; ++back) {
        const auto byte = static_cast<unsigned char>(bytes[at - back]);
        if (isContinuation(byte))
            continue;
        // The sequence that this byte begins would still go on past the cut: cut before it.
        return sequenceLength(byte) > back ? at - back : at;
    }
    return at;
}

} // namespace platform
