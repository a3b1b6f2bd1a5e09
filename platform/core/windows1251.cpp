// SPDX-FileCopyrightText: 2026 The Tavrelo developers
// SPDX-License-Identifier: MIT
#include "platform/core/windows1251.h"

#include <array>

#ifdef __SSE2__
#include <emmintrin.h>
#endif

namespace platform {
namespace {

// 0x80..0xBF: the only irregular block. 0x98 has no character in Windows-1251; like the system's converter it
// passes through as the C1 control U+0098, so that no byte is ever lost or merged.
// clang-format off
constexpr std::array<char16_t, 64> HighBlock = {
    0x0402, 0x0403, 0x201A, 0x0453, 0x201E, 0x2026, 0x2020, 0x2021,
    0x20AC, 0x2030, 0x0409, 0x2039, 0x040A, 0x040C, 0x040B, 0x040F,
    0x0452, 0x2018, 0x2019, 0x201C, 0x201D, 0x2022, 0x2013, 0x2014,
    0x0098, 0x2122, 0x0459, 0x203A, 0x045A, 0x045C, 0x045B, 0x045F,
    0x00A0, 0x040E, 0x045E, 0x0408, 0x00A4, 0x0490, 0x00A6, 0x00A7,
    0x0401, 0x00A9, 0x0404, 0x00AB, 0x00AC, 0x00AD, 0x00AE, 0x0407,
    0x00B0, 0x00B1, 0x0406, 0x0456, 0x0491, 0x00B5, 0x00B6, 0x00B7,
    0x0451, 0x2116, 0x0454, 0x00BB, 0x0458, 0x0405, 0x0455, 0x0457,
};
// clang-format on

constexpr std::array<char16_t, 256> makeTable()
{
    std::array<char16_t, 256> table{};
    for (int byte = 0; byte < 0x80; ++byte)
        table[byte] = char16_t(byte);
    for (int byte = 0x80; byte < 0xC0; ++byte)
        table[byte] = HighBlock[byte - 0x80];
    // А..я follow in alphabetical order, without Ё/ё.
    for (int byte = 0xC0; byte < 0x100; ++byte)
        table[byte] = char16_t(0x0410 + (byte - 0xC0));
    return table;
}

constexpr std::array<char16_t, 256> Table = makeTable();

} // namespace

char16_t windows1251ToUnicode(unsigned char byte) noexcept
{
    return Table[byte];
}

std::optional<char> unicodeToWindows1251(char16_t ch) noexcept
{
    if (ch < 0x80)
        return char(ch);
    if (ch >= 0x0410 && ch <= 0x044F)
        return char(0xC0 + (ch - 0x0410));
    for (size_t i = 0; i < HighBlock.size(); ++i) {
        if (HighBlock[i] == ch)
            return char(0x80 + i);
    }
    return std::nullopt;
}

void decodeWindows1251(QByteArrayView bytes, char16_t *out) noexcept
{
    const auto *in = reinterpret_cast<const unsigned char *>(bytes.data());
    const qsizetype size = bytes.size();
    qsizetype i = 0;
#ifdef __SSE2__
    // Sixteen bytes at a time where they hold only ASCII and А..я, which is most of a Russian text: those need
    // no table, only 0x0410 - 0xC0 added to the letters.
    const __m128i zero = _mm_setzero_si128();
    const __m128i firstLetter = _mm_set1_epi8(static_cast<char>(0xC0));
    const __m128i letterOffset = _mm_set1_epi16(0x0410 - 0xC0);
    for (; i + 16 <= size; i += 16) {
        const __m128i block = _mm_loadu_si128(reinterpret_cast<const __m128i *>(in + i));
        // As signed bytes, 0x80..0xBF lie below 0xC0 and everything else does not.
        if (_mm_movemask_epi8(_mm_cmplt_epi8(block, firstLetter))) {
            for (qsizetype j = i; j < i + 16; ++j)
                out[j] = Table[in[j]];
            continue;
        }
        const __m128i letters = _mm_cmplt_epi8(block, zero);
        const __m128i low = _mm_add_epi16(_mm_unpacklo_epi8(block, zero),
                                          _mm_and_si128(_mm_unpacklo_epi8(letters, letters), letterOffset));
        const __m128i high = _mm_add_epi16(_mm_unpackhi_epi8(block, zero),
                                           _mm_and_si128(_mm_unpackhi_epi8(letters, letters), letterOffset));
        _mm_storeu_si128(reinterpret_cast<__m128i *>(out + i), low);
        _mm_storeu_si128(reinterpret_cast<__m128i *>(out + i + 8), high);
    }
#endif
    for (; i < size; ++i)
        out[i] = Table[in[i]];
}

QString decodeWindows1251(QByteArrayView bytes)
{
    QString text(bytes.size(), Qt::Uninitialized);
    decodeWindows1251(bytes, reinterpret_cast<char16_t *>(text.data()));
    return text;
}

} // namespace platform
