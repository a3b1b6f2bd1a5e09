// SPDX-FileCopyrightText: 2026 The Tavrelo developers
// SPDX-License-Identifier: MIT
#include "platform/core/large_text.h"

namespace platform {
namespace {

// Less than a page of room, or an eighth of the text, is not worth a call to the allocator.
constexpr qsizetype SmallSlack = 2048;

} // namespace

void fitLargeText(QString &text)
{
    const qsizetype slack = text.capacity() - text.size();
    if (slack > SmallSlack && slack > text.size() / 8)
        text.squeeze();
}

} // namespace platform
