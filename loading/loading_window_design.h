// SPDX-FileCopyrightText: 2026 The Tavrelo developers
// SPDX-License-Identifier: MIT
#pragma once

#include "platform/controls/label.h"
#include "platform/controls/progress_bar.h"
#include "platform/forms/design.h"

// The loading window's controls, made by its design table.
struct LoadingWindowControls {
    platform::ProgressBar *ProgressBar;
    platform::Label *Label1;
};

// The loading window as designed, dData in its design: its two controls, its caption and its fixed size.
const platform::FormDesign<LoadingWindowControls> &loadingWindowDesign();
