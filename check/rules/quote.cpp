// SPDX-FileCopyrightText: 2026 The Tavrelo developers
// SPDX-License-Identifier: MIT
#include "check/rules/quote.h"

using namespace Qt::StringLiterals;

namespace {

constexpr qsizetype MaxQuoted = 60;

// What a terminal would not show, or would let reorder the finding: the C1 controls, the direction marks and the
// bidirectional embeddings, overrides and isolates.
bool shownByCodePoint(char16_t ch)
{
    return (ch >= 0x80 && ch < 0xA0) || ch == 0x061C || ch == 0x200E || ch == 0x200F || (ch >= 0x202A && ch <= 0x202E)
        || (ch >= 0x2066 && ch <= 0x2069);
}

void appendVisible(QString &quoted, char16_t ch)
{
    if (ch < 0x20 && ch != u'\t')
        quoted += QChar(char16_t(0x2400 + ch)); // the Control Pictures block: NUL as U+2400 and so on
    else if (ch == 0x7F)
        quoted += u'\u2421';
    else if (shownByCodePoint(ch))
        quoted += u"⟨U+"_s + QString::number(ch, 16).toUpper().rightJustified(4, u'0') + u'⟩';
    else
        quoted += QChar(ch);
}

} // namespace

QString quote(QStringView line)
{
    const bool shortened = line.size() > MaxQuoted;
    QStringView shown = shortened ? line.left(MaxQuoted - 1) : line;
    if (shortened && shown.back().isHighSurrogate())
        shown.chop(1); // not half a character
    QString quoted;
    quoted.reserve(shown.size() + 3);
    quoted += u'"';
    for (const QChar ch : shown)
        appendVisible(quoted, ch.unicode());
    if (shortened)
        quoted += u'…';
    quoted += u'"';
    return quoted;
}
