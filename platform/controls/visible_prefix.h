// SPDX-FileCopyrightText: 2026 The Tavrelo developers
// SPDX-License-Identifier: MIT
#pragma once

#include <QSize>
#include <QStringView>

#include <functional>

namespace platform {

// Laying a text out costs in proportion to its length, while a control shows only the lines that fit in it. A
// control that may be handed a text of any size lays out a prefix instead: the shortest one, on a ladder of
// lengths doubling from `first`, that runs past the control's last visible line (so every visible line comes out
// as it would from the whole text), else the whole text. `coverage` lays a prefix out and tells how much of the
// lines needed it gives, 1 or more when enough; a prefix far from enough lets the ladder skip rungs. No prefix is
// longer than `cap`: a run of characters that take no room at all (soft hyphens), or lines longer than the
// control is wide, could otherwise stretch any prefix. A prefix never ends between CR and LF, nor inside a
// surrogate pair.
qsizetype visiblePrefixLength(QStringView text, qsizetype first, qsizetype cap,
                              const std::function<double(QStringView prefix)> &coverage);

// The most characters that a text area can show when every character that shows takes a pixel at least, with
// two lines to spare: beyond this, a prefix stops growing.
qsizetype visibleCharacterCap(QSize area, int lineHeight);

} // namespace platform
