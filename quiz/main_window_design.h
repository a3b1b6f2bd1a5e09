// SPDX-FileCopyrightText: 2026 The Tavrelo developers
// SPDX-License-Identifier: MIT
#pragma once

#include "platform/controls/captioned_button.h"
#include "platform/controls/combo_box.h"
#include "platform/controls/command_button.h"
#include "platform/controls/frame.h"
#include "platform/controls/label.h"
#include "platform/controls/status_bar.h"
#include "platform/forms/design.h"

// The quiz window's controls, one typed handle each, made by its design table. The answer buttons are the control
// array qAnswers: element 0 is the design's hidden pattern, and the display creates elements 1 to 4 from it.
struct MainWindowControls {
    platform::CheckBox *showMessage, *showRight;                       // at the top left
    platform::Label *LabelTotal, *LabelRight, *LabelWrong, *LabelRate; // the score
    platform::Frame *MainFrame;                                        // holds the question and the rest below
    platform::Label *qQuestion;
    platform::ControlArray<platform::OptionButton> qAnswers; // the answer buttons
    platform::CommandButton *bCheck, *bPrevious, *bNext;     // the frame's bottom row
    platform::ComboBox *qList;
    platform::StatusBar *StatusBar;
};

// The quiz window as designed: every control with its container, caption, twip rectangle, tab index and font.
const platform::FormDesign<MainWindowControls> &mainWindowDesign();

// The status bar's two panels: the product line sized to its text, and an empty one taking the rest.
void addStatusPanels(platform::StatusBar &bar);
