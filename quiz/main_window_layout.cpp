// SPDX-FileCopyrightText: 2026 The Tavrelo developers
// SPDX-License-Identifier: MIT
#include "quiz/layout_rule.h"
#include "quiz/main_window.h"

void MainWindow::Form_Resize()
{
    // A minimised window keeps its layout until it is restored.
    if (isMinimized())
        return;
    layOut(Width(), Height());
}

void MainWindow::layOut(float W, float H)
{
    using namespace layout;
    if (!(W > MinWidth) || !(H > MinHeight))
        return;

    ui.MainFrame->SetWidth(W - FrameWidthInset);
    ui.MainFrame->SetHeight(H - FrameHeightInset);
    ui.qQuestion->SetWidth(W - ContentWidthInset);
    ui.qQuestion->SetHeight(H - QuestionHeightInset);

    const auto bottomRow = [&](platform::Control &c, float left) {
        c.SetTop(H - BottomRowTopInset);
        c.SetLeft(left);
    };
    bottomRow(*ui.bCheck, CheckLeft);
    bottomRow(*ui.bPrevious, W - PreviousLeftInset);
    bottomRow(*ui.bNext, W - NextLeftInset);
    bottomRow(*ui.qList, W - ListLeftInset);

    ui.showRight->SetLeft(ui.showMessage->Left());
    ui.showRight->SetTop(ShowRightTop);

    ui.LabelTotal->SetLeft(W - TotalAndRightLeftInset);
    ui.LabelRight->SetLeft(W - TotalAndRightLeftInset);
    ui.LabelWrong->SetLeft(W - WrongLeftInset);
    ui.LabelRate->SetLeft(W - RateLeftInset);

    for (int i = 1; i <= AnswerButtons; ++i) {
        platform::OptionButton *button = ui.qAnswers.find(i);
        if (button && button->Visible()) {
            button->SetWidth(W - ContentWidthInset);
            button->SetTop(answerTop(H, i));
            button->SetHeight(AnswerHeight);
        }
    }
}
