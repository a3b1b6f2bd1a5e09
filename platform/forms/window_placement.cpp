// SPDX-FileCopyrightText: 2026 The Tavrelo developers
// SPDX-License-Identifier: MIT
#include "platform/forms/window_placement.h"

namespace platform {
namespace {

int place(int length, int start, int room)
{
    return length > room ? start : start + (room - length) / 2;
}

} // namespace

QPoint placeWindow(QSize outer, const QRect &available)
{
    return {place(outer.width(), available.left(), available.width()),
            place(outer.height(), available.top(), available.height())};
}

} // namespace platform
