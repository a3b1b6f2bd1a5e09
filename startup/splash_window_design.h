// SPDX-FileCopyrightText: 2026 The Tavrelo developers
// SPDX-License-Identifier: MIT
#pragma once

#include "platform/controls/frame.h"
#include "platform/controls/image.h"
#include "platform/controls/label.h"
#include "platform/forms/design.h"

// The splash window's controls, made by its design table.
struct SplashWindowControls {
    platform::Frame *Frame1;
    platform::Image *imgLogo;
    platform::Label *lblWarning, *lblVersion, *lblProductName;
};

// The splash window as designed, frmSplash in its design: the frame and what it holds, with their fonts; no caption, a
// fixed size.
const platform::FormDesign<SplashWindowControls> &splashWindowDesign();
