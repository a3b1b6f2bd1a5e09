// SPDX-FileCopyrightText: 2026 The Tavrelo developers
// SPDX-License-Identifier: MIT
#include "quiz/main_window.h"

void MainWindow::Form_Resize()
{
    // A minimised window keeps its layout until it is restored.
    if (isMinimized())
        return;
    LayOut(Width(), Height());
}

// Every constant counts from the window's outer edges: W and H include border and title bar.
void MainWindow::LayOut(float W, float H)
{
    if (!(W > 4770) || !(H > 2235))
        return;

    platform::Control &frame = control(u"MainFrame");
    frame.SetWidth(W - 350);
    frame.SetHeight(H - 675 - 600 - 450);

    platform::Control &question = control(u"qQuestion");
    question.SetWidth(W - 1000);
    question.SetHeight(H - 2235);

    const auto bottomRow = [&](QStringView name, float left) {
        platform::Control &c = control(name);
        c.SetTop(H - 2175);
        c.SetLeft(left);
    };
    bottomRow(u"bCheck", 360);
    bottomRow(u"bPrevious", W - 2535);
    bottomRow(u"bNext", W - 975);
    bottomRow(u"qList", W - 1935);

    platform::Control &showRight = control(u"showRight");
    showRight.SetLeft(control(u"showMessage").Left());
    showRight.SetTop(480);

    control(u"LabelTotal").SetLeft(W - 6375);
    control(u"LabelRight").SetLeft(W - 6375);
    control(u"LabelWrong").SetLeft(W - 3255);
    control(u"LabelRate").SetLeft(W - 1095);

    for (int i = 1; i <= AnswerButtons; ++i) {
        platform::Control *button = controls().Find(u"qAnswers", i);
        if (button && button->Visible()) {
            button->SetWidth(W - 1000);
            button->SetTop((H - 5170) + 720 * static_cast<float>(i - 1));
            button->SetHeight(750);
        }
    }
}
