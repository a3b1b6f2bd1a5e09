// SPDX-FileCopyrightText: 2026 The Tavrelo developers
// SPDX-License-Identifier: MIT
#include "platform/controls/visible_prefix.h"

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

qsizetype visiblePrefixLength(QStringView text, qsizetype first, qsizetype cap,
                              const std::function<double(QStringView prefix)> &coverage)
{
    qsizetype length = std::max<qsizetype>(first, 1);
    while (length < text.size()) {
        if (length >= cap)
            return cleanCut(text, cap);
        const qsizetype cut = cleanCut(text, length);
        const double covered = coverage(text.left(cut));
        if (covered >= 1)
            return cut;
        // A prefix that gives a tenth of the lines needed will want about ten times its length.
        const double wanted = covered > 0 ? static_cast<double>(length) / covered : static_cast<double>(cap);
        do
            length *= 2;
        while (length < wanted && length < cap);
    }
    return text.size();
}

qsizetype visibleCharacterCap(QSize area, int lineHeight)
{
    const qsizetype lines = std::max(area.height(), 0) / std::max(lineHeight, 1) + 3;
    return lines * (std::max(area.width(), 0) + 1);
}

} // namespace platform
