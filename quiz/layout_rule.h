// SPDX-FileCopyrightText: 2026 The Tavrelo developers
// SPDX-License-Identifier: MIT
#pragma once

// The numbers of the quiz window's layout, in twips. Every distance counts from the window's outer edges: W and
// H are its outer width and height, border and title bar included.
namespace layout {

// The controls are laid out only while W and H are both above these.
inline constexpr float MinWidth = 4770;
inline constexpr float MinHeight = 2235;

// The frame and the question label follow the right and bottom edges; the height threshold is what keeps the
// label's height above zero.
inline constexpr float FrameWidthInset = 350;
inline constexpr float FrameHeightInset = 675 + 600 + 450;
inline constexpr float QuestionHeightInset = MinHeight;
// The question label and the shown answer buttons: W - 1000 wide.
inline constexpr float ContentWidthInset = 1000;

// The bottom row of the frame: "Я прав?" at the frame's left, "<<", the list and ">>" at fixed distances from the
// right edge, all at one Top.
inline constexpr float BottomRowTopInset = 2175;
inline constexpr float CheckLeft = 360;
inline constexpr float PreviousLeftInset = 2535;
inline constexpr float ListLeftInset = 1935;
inline constexpr float NextLeftInset = 975;

// The check boxes stay at the top left, showRight under showMessage.
inline constexpr float ShowRightTop = 480;

// The score labels keep their distances from the right edge.
inline constexpr float TotalAndRightLeftInset = 6375;
inline constexpr float WrongLeftInset = 3255;
inline constexpr float RateLeftInset = 1095;

// The answer buttons, as the display places them and the layout keeps them: a column whose first Top lies 5170
// above the bottom edge, a button every 720, each 750 high, so neighbours overlap by 30.
inline constexpr float AnswerLeft = 360;
inline constexpr float AnswerWidth = 9975;
inline constexpr float AnswerHeight = 750;
inline constexpr float AnswerTopInset = 5170;
inline constexpr float AnswerSpacing = 720;

// The Top of answer button j (from 1) in a window H twips high.
inline constexpr float answerTop(float H, int j)
{
    return (H - AnswerTopInset) + AnswerSpacing * static_cast<float>(j - 1);
}

} // namespace layout
