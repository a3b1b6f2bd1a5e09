// SPDX-FileCopyrightText: 2026 The Tavrelo developers
// SPDX-License-Identifier: MIT
#include "platform/visible_prefix.h"

#include <algorithm>

namespace platform {
namespace {

// A cut between CR and LF, or between the halves of a surrogate pair, would show a character that the text
// does not hold.
qsizetype cleanCut(QStringView text, qsizetype length)
{
    if (length <= 0 || length >= text.size())
        return std::clamp<qsizetype>(length, 0, text.size());
    const QChar before = text[length - 1];
    const QChar after = text[length];
    if ((before == u'\r' && after == u'\n') || (before.isHighSurrogate() && after.isLowSurrogate()))
        return length + 1;
    return length;
}

} // namespace

qsizetype VisiblePrefixLength(QStringView text, qsizetype first, qsizetype cap,
                              const std::function<bool(QStringView prefix)> &fillsArea)
{
    for (qsizetype length = std::max<qsizetype>(first, 1); length < text.size(); length *= 2) {
        const qsizetype cut = cleanCut(text, length);
        if (length >= cap || fillsArea(text.first(cut)))
            return cut;
    }
    return text.size();
}

qsizetype VisibleCharacterCap(QSize area, int lineHeight)
{
    const qsizetype lines = std::max(area.height(), 0) / std::max(lineHeight, 1) + 3;
    return lines * (std::max(area.width(), 0) + 1);
}

} // namespace platform
