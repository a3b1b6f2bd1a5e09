// SPDX-FileCopyrightText: 2026 The Tavrelo developers
// SPDX-License-Identifier: MIT
#include "check/rules/quote.h"

namespace {

constexpr qsizetype MaxQuoted = 60;

char16_t visible(char16_t ch)
{
    if (ch < 0x20 && ch != u'\t')
        return char16_t(0x2400 + ch); // the Control Pictures block: NUL as U+2400 and so on
    if (ch == 0x7F)
        return u'\u2421';
    if (ch >= 0x80 && ch < 0xA0)
        return u'\uFFFD'; // a C1 control: Windows-1251 byte 0x98, the only one it leaves undefined
    return ch;
}

} // namespace

QString quote(QStringView line)
{
    const bool shortened = line.size() > MaxQuoted;
    const QStringView shown = shortened ? line.left(MaxQuoted - 1) : line;
    QString quoted;
    quoted.reserve(shown.size() + 3);
    quoted += u'"';
    for (const QChar ch : shown)
        quoted += QChar(visible(ch.unicode()));
    if (shortened)
        quoted += u'…';
    quoted += u'"';
    return quoted;
}
