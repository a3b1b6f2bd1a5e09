// SPDX-FileCopyrightText: 2026 The Tavrelo developers
// SPDX-License-Identifier: MIT
#pragma once

#include <QtGlobal>

#include <cmath>

namespace platform {

// Window designs measure everything in twips (1/1440 inch); at 96 dots per inch a pixel is 15 twips.
inline constexpr float TwipsPerPixel = 15.0f;

inline int twipsToPixels(float twips)
{
    return static_cast<int>(std::lround(twips / TwipsPerPixel));
}

inline float pixelsToTwips(int pixels)
{
    return static_cast<float>(pixels) * TwipsPerPixel;
}

// The layout constants count from a window's outer edges. Desktops draw very different frames (and headless
// runs draw none), so the outer size is the client size plus the frame the windows were designed with:
// two borders of 60 twips, and borders plus caption of 405 twips in height.
inline constexpr float DesignFrameWidth = 120.0f;
inline constexpr float DesignFrameHeight = 405.0f;

} // namespace platform
