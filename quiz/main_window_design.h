// SPDX-FileCopyrightText: 2026 The Tavrelo developers
// SPDX-License-Identifier: MIT
#pragma once

#include "platform/forms/design.h"

namespace platform {
class StatusBar;
}

// The quiz window's controls, one typed handle each, made by its design table. The answer buttons are the control
// array qAnswers: element 0 is the design's hidden pattern, and the display creates elements 1 to 4 from it.
struct MainWindowControls {
    platform::Control *showMessage, *showRight;                          // the check boxes at the top left
    platform::Control *LabelTotal, *LabelRight, *LabelWrong, *LabelRate; // the score
    platform::Control *MainFrame, *qQuestion;                            // the frame and the question in it
    platform::ControlArray qAnswers;                                     // the answer buttons
    platform::Control *bCheck, *bPrevious, *qList, *bNext;               // the frame's bottom row
    platform::Control *StatusBar;
};

// The quiz window as designed: every control with its container, caption, twip rectangle, tab index and font.
const platform::FormDesign<MainWindowControls> &MainWindowDesign();

// The status bar's two panels: the product line sized to its text, and an empty one taking the rest.
void AddMainWindowStatusPanels(platform::StatusBar &bar);
