// SPDX-FileCopyrightText: 2026 The Tavrelo developers
// SPDX-License-Identifier: MIT
#pragma once

#include <QPixmap>

// The program's logo, a 32 x 32 icon in 16 colours: the splash window's picture and every window's icon.
QPixmap logoPicture();
