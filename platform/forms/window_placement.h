// SPDX-FileCopyrightText: 2026 The Tavrelo developers
// SPDX-License-Identifier: MIT
#pragma once

#include <QPoint>
#include <QRect>
#include <QSize>

namespace platform {

// The top-left corner for a window of `outer` size, frame and title bar included, on a screen whose free area is
// `available`: centred when it fits. Along a side where it does not fit, it starts where the area starts, so its
// title bar and top-left corner stay on screen and the window can still be moved.
QPoint placeWindow(QSize outer, const QRect &available);

} // namespace platform
