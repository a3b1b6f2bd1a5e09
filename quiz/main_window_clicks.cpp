// SPDX-FileCopyrightText: 2026 The Tavrelo developers
// SPDX-License-Identifier: MIT
#include "platform/core/runtime_error.h"
#include "platform/forms/message_box.h"
#include "quiz/main_window.h"

using namespace Qt::StringLiterals;
using platform::MessageIcon;
using platform::MsgBox;

void MainWindow::bCheck_Click()
{
    int choice = 0;
    for (int i = 1; i <= AnswerCount; ++i) {
        if (ui.qAnswers(i).Value())
            choice = i;
    }
    if (choice == 0)
        return;

    TotalCount.increment();
    const bool showMessage = ui.showMessage->Value();
    const bool showRight = ui.showRight->Value();
    const QString &rightAnswer = m_bank.Field(CurrentQuestion, 5);
    if (rightAnswer == QString::number(choice)) {
        if (showMessage)
            MsgBox(u"Правильно!"_s, MessageIcon::Information);
        RightCount.increment();
    } else {
        WrongCount.increment();
        // A question whose file marks no answer has none to name: it gets the short message.
        if (showMessage && showRight && !rightAnswer.isEmpty())
            MsgBox(u"Увы, неправильно. Правильный ответ :\r\n"_s + m_bank.Field(CurrentQuestion, rightAnswer.toInt()),
                   MessageIcon::Critical);
        else if (showMessage)
            MsgBox(u"Увы, неправильно."_s, MessageIcon::Critical);
    }

    CurrentQuestion += 1;
    ShowQuestion(CurrentQuestion);
}

void MainWindow::bPrevious_Click()
{
    if (CurrentQuestion > 1) {
        CurrentQuestion -= 1;
        ShowQuestion(CurrentQuestion);
    }
}

void MainWindow::bNext_Click()
{
    if (CurrentQuestion < QuestionCount) {
        CurrentQuestion += 1;
        ShowQuestion(CurrentQuestion);
    }
}

void MainWindow::qList_Click()
{
    bool isNumber = false;
    const qint16 picked = ui.qList->Text().toShort(&isNumber);
    if (!isNumber)
        throw platform::RuntimeError(platform::Error::TypeMismatch);
    CurrentQuestion = picked;
    ShowQuestion(CurrentQuestion);
}
