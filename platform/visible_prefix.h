// SPDX-FileCopyrightText: 2026 The Tavrelo developers
// SPDX-License-Identifier: MIT
#pragma once

#include <QSize>
#include <QStringView>

#include <functional>

namespace platform {

// Laying a text out costs in proportion to its length, while a control shows only the lines that fit in it. A
// control that may be handed a text of any size lays out a prefix instead: the shortest one, on a ladder of
// lengths doubling from `first`, of which `fillsArea` says that it runs past the control's last visible line
// (so every visible line comes out as it would from the whole text), else the whole text. The ladder stops at
// its first rung at or above `cap`: a run of characters that take no room at all (soft hyphens) could otherwise
// stretch any prefix. A prefix never ends between CR and LF, nor inside a surrogate pair.
qsizetype VisiblePrefixLength(QStringView text, qsizetype first, qsizetype cap,
                              const std::function<bool(QStringView prefix)> &fillsArea);

// The most characters that a text area can show when every character that shows takes a pixel at least, with
// two lines to spare: beyond this, a prefix stops growing.
qsizetype VisibleCharacterCap(QSize area, int lineHeight);

} // namespace platform
