// SPDX-FileCopyrightText: 2026 The Tavrelo developers
// SPDX-License-Identifier: MIT
#include "check/page/html_text.h"

#include <array>
#include <cstring>

#ifdef __SSE2__
#include <emmintrin.h>
#endif

namespace {

// The most bytes one UTF-16 unit can become: a C1 control's span, <span class="c">U+0085</span>.
constexpr qsizetype MaxBytesPerUnit = 32;
// The text is written in pieces of this many units, each into room for the worst case.
constexpr qsizetype PieceUnits = 4096;

// What each ASCII character becomes: 0 for itself, otherwise an escape or a mark.
enum class Ascii : quint8 { Plain, Escaped, Control };

constexpr std::array<Ascii, 128> asciiKinds()
{
    std::array<Ascii, 128> kinds{};
    for (int ch = 0; ch < 0x20; ++ch)
        kinds[size_t(ch)] = Ascii::Control;
    kinds[u'\t'] = Ascii::Plain; // a tab shows as the quiz shows it
    kinds[0x7F] = Ascii::Control;
    for (const char ch : {'&', '<', '>', '"', '\''})
        kinds[size_t(ch)] = Ascii::Escaped;
    return kinds;
}
constexpr std::array<Ascii, 128> AsciiKinds = asciiKinds();

bool isBidiControl(char16_t ch)
{
    return ch == 0x061C || ch == 0x200E || ch == 0x200F || (ch >= 0x202A && ch <= 0x202E)
        || (ch >= 0x2066 && ch <= 0x2069);
}

char *put(char *out, const char *text)
{
    const size_t size = std::strlen(text);
    std::memcpy(out, text, size);
    return out + size;
}

char *putUtf8(char *out, char32_t ch)
{
    if (ch < 0x80) {
        *out++ = char(ch);
    } else if (ch < 0x800) {
        *out++ = char(0xC0 | (ch >> 6));
        *out++ = char(0x80 | (ch & 0x3F));
    } else if (ch < 0x10000) {
        *out++ = char(0xE0 | (ch >> 12));
        *out++ = char(0x80 | ((ch >> 6) & 0x3F));
        *out++ = char(0x80 | (ch & 0x3F));
    } else {
        *out++ = char(0xF0 | (ch >> 18));
        *out++ = char(0x80 | ((ch >> 12) & 0x3F));
        *out++ = char(0x80 | ((ch >> 6) & 0x3F));
        *out++ = char(0x80 | (ch & 0x3F));
    }
    return out;
}

char *putEscaped(char *out, char16_t ch)
{
    switch (ch) {
    case u'&': return put(out, "&amp;");
    case u'<': return put(out, "&lt;");
    case u'>': return put(out, "&gt;");
    case u'"': return put(out, "&quot;");
    default: return put(out, "&#39;");
    }
}

// NUL..U+001F and DEL by their short names, which the page draws in a box in plain letters: the Control Pictures
// (U+2400..) that would say the same are missing from the fonts Debian and Windows use by default.
const char *controlName(char16_t ch)
{
    static constexpr const char *names[] = {"NUL", "SOH", "STX", "ETX", "EOT", "ENQ", "ACK", "BEL", "BS",  "HT",  "LF",
                                            "VT",  "FF",  "CR",  "SO",  "SI",  "DLE", "DC1", "DC2", "DC3", "DC4", "NAK",
                                            "SYN", "ETB", "CAN", "EM",  "SUB", "ESC", "FS",  "GS",  "RS",  "US"};
    return ch == 0x7F ? "DEL" : names[ch];
}

const char *bidiName(char16_t ch)
{
    static constexpr const char *names[] = {"LRE", "RLE", "PDF", "LRO", "RLO", "LRI", "RLI", "FSI", "PDI"};
    switch (ch) {
    case 0x061C: return "ALM";
    case 0x200E: return "LRM";
    case 0x200F: return "RLM";
    default: return ch <= 0x202E ? names[ch - 0x202A] : names[5 + ch - 0x2066];
    }
}

// A character drawn as a mark: a control character or a bidirectional control.
template<bool Markup> char *putMark(char *out, char16_t ch)
{
    if constexpr (!Markup)
        return putUtf8(out, U'\uFFFD');
    out = put(out, "<span class=\"c\">");
    if (ch < 0x20 || ch == 0x7F) {
        out = put(out, controlName(ch));
    } else if (ch <= 0x9F) {
        static constexpr char hex[] = "0123456789ABCDEF";
        out = put(out, "U+00");
        *out++ = hex[ch >> 4];
        *out++ = hex[ch & 0xF];
    } else {
        out = put(out, bidiName(ch));
    }
    return put(out, "</span>");
}

#ifdef __SSE2__
// Writes the eight units at p if each is plain text of one or two UTF-8 bytes (nothing to escape, no control,
// nothing from U+0800 up), as most of a page's text is in any alphabet question files are written in; returns
// nullptr, having written nothing, otherwise.
inline __attribute__((always_inline)) char *putEightSimple(char *out, const char16_t *p)
{
    const __m128i v = _mm_loadu_si128(reinterpret_cast<const __m128i *>(p));
    const __m128i below800 = _mm_cmpeq_epi16(_mm_and_si128(v, _mm_set1_epi16(short(0xF800))), _mm_setzero_si128());
    // Signed comparisons: a unit from U+8000 up counts as below U+0020, and is not below U+0800 anyway.
    __m128i bad = _mm_or_si128(_mm_cmplt_epi16(v, _mm_set1_epi16(0x20)),
                               _mm_and_si128(_mm_cmpgt_epi16(v, _mm_set1_epi16(0x7E)),
                                             _mm_cmplt_epi16(v, _mm_set1_epi16(0xA0))));
    // The five to escape in three comparisons: & and ' differ in the last bit, < and > in the second.
    bad = _mm_or_si128(bad, _mm_cmpeq_epi16(_mm_or_si128(v, _mm_set1_epi16(1)), _mm_set1_epi16('\'')));
    bad = _mm_or_si128(bad, _mm_cmpeq_epi16(_mm_or_si128(v, _mm_set1_epi16(2)), _mm_set1_epi16('>')));
    bad = _mm_or_si128(bad, _mm_cmpeq_epi16(v, _mm_set1_epi16('"')));
    bad = _mm_or_si128(bad, _mm_cmpeq_epi16(v, _mm_set1_epi16(0x061C))); // the Arabic letter mark
    if (_mm_movemask_epi8(_mm_andnot_si128(bad, below800)) != 0xFFFF)
        return nullptr;
    const __m128i ascii = _mm_cmplt_epi16(v, _mm_set1_epi16(0x80));
    if (_mm_movemask_epi8(ascii) == 0xFFFF) {
        _mm_storel_epi64(reinterpret_cast<__m128i *>(out), _mm_packus_epi16(v, v));
        return out + 8;
    }
    // Each unit's two bytes, the second one dropped for ASCII by where the next unit starts.
    const __m128i lead = _mm_or_si128(_mm_andnot_si128(ascii, _mm_or_si128(_mm_srli_epi16(v, 6), _mm_set1_epi16(0xC0))),
                                      _mm_and_si128(ascii, v));
    const __m128i trail = _mm_or_si128(_mm_and_si128(v, _mm_set1_epi16(0x3F)), _mm_set1_epi16(0x80));
    alignas(16) quint16 pairs[8];
    alignas(16) quint16 steps[8]; // 1 for ASCII, 2 for the rest
    _mm_store_si128(reinterpret_cast<__m128i *>(pairs), _mm_or_si128(lead, _mm_slli_epi16(trail, 8)));
    _mm_store_si128(reinterpret_cast<__m128i *>(steps), _mm_add_epi16(_mm_set1_epi16(2), ascii));
#pragma GCC unroll 8
    for (int i = 0; i < 8; ++i) {
        std::memcpy(out, &pairs[i], 2);
        out += steps[i];
    }
    return out;
}
#endif

// Writes one unit, or a surrogate pair, at `from`, and moves past it.
template<bool Markup> char *putUnit(char *out, const char16_t *&from, const char16_t *end)
{
    const char16_t ch = *from++;
    if (ch < 0x80) {
        switch (AsciiKinds[ch]) {
        case Ascii::Plain: *out++ = char(ch); break;
        case Ascii::Escaped: out = putEscaped(out, ch); break;
        case Ascii::Control: out = putMark<Markup>(out, ch); break;
        }
    } else if (ch < 0x800) {
        out = ch <= 0x9F || ch == 0x061C ? putMark<Markup>(out, ch) : putUtf8(out, ch);
    } else if (QChar::isSurrogate(ch)) {
        if (QChar::isHighSurrogate(ch) && from < end && QChar::isLowSurrogate(*from))
            out = putUtf8(out, QChar::surrogateToUcs4(ch, *from++));
        else
            out = putUtf8(out, U'\uFFFD');
    } else {
        out = isBidiControl(ch) ? putMark<Markup>(out, ch) : putUtf8(out, ch);
    }
    return out;
}

// Writes the units from `from` up to `to`, and the second half of a pair that straddles `to`; leaves `from` after
// the last unit written.
template<bool Markup> char *putPiece(char *out, const char16_t *&from, const char16_t *to, const char16_t *end)
{
#ifdef __SSE2__
    while (to - from >= 8) {
        if (char *const next = putEightSimple(out, from)) {
            out = next;
            from += 8;
            continue;
        }
        const char16_t *const blockEnd = from + 8;
        while (from < blockEnd)
            out = putUnit<Markup>(out, from, end);
    }
#endif
    while (from < to)
        out = putUnit<Markup>(out, from, end);
    return out;
}

template<bool Markup> void appendText(QByteArray &html, QStringView text)
{
    const char16_t *from = text.utf16();
    const char16_t *const end = from + text.size();
    while (from < end) {
        const char16_t *const to = from + qMin<qsizetype>(end - from, PieceUnits);
        const qsizetype start = html.size();
        html.resize(start + (to - from + 1) * MaxBytesPerUnit);
        char *const first = html.data() + start;
        html.truncate(start + (putPiece<Markup>(first, from, to, end) - first));
    }
}

} // namespace

void appendHtmlText(QByteArray &html, QStringView text)
{
    appendText<true>(html, text);
}

void appendQuotedHtmlText(QByteArray &html, QStringView text)
{
    const auto picturing = [](char16_t ch) { return (ch >= 0x2400 && ch < 0x2420) || ch == 0x2421; };
    qsizetype from = 0;
    for (qsizetype at = 0; at < text.size(); ++at) {
        const char16_t ch = text[at].unicode();
        if (!picturing(ch))
            continue;
        appendText<true>(html, text.mid(from, at - from));
        char mark[MaxBytesPerUnit];
        html.append(mark, putMark<true>(mark, ch == 0x2421 ? char16_t(0x7F) : char16_t(ch - 0x2400)) - mark);
        from = at + 1;
    }
    appendText<true>(html, text.mid(from));
}

void appendPlainHtmlText(QByteArray &html, QStringView text)
{
    appendText<false>(html, text);
}
