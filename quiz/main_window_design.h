// SPDX-FileCopyrightText: 2026 The Tavrelo developers
// SPDX-License-Identifier: MIT
#pragma once

#include "platform/design.h"

namespace platform {
class StatusBar;
}

// The quiz window as designed: every control with its container, caption, twip rectangle, tab index and font.
const platform::FormDesign &MainWindowDesign();

// The status bar's two panels: the product line sized to its text, and an empty one taking the rest.
void AddMainWindowStatusPanels(platform::StatusBar &bar);
