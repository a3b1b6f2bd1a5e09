// SPDX-FileCopyrightText: 2026 The Tavrelo developers
// SPDX-License-Identifier: MIT
#include "quiz/main_window.h"

#include "platform/controls/option_group.h"
#include "quiz/layout_rule.h"

#include <cmath>
#include <vector>

using namespace Qt::StringLiterals;

void MainWindow::ShowQuestion(qint16 index)
{
    if (index > 1) {
        for (int j = 1; j <= AnswerCount; ++j) {
            if (ui.qAnswers(j).Visible())
                ui.qAnswers(j).SetVisible(false);
        }
    }

    qint16 percent = 0;
    if (!(TotalCount == 0))
        percent = static_cast<qint16>(
            std::floor(static_cast<double>(RightCount.value()) * 100 / static_cast<double>(TotalCount.value())));

    ui.LabelTotal->SetCaption(u"Ответов всего: "_s + TotalCount.text());
    ui.LabelRight->SetCaption(u"Правильных: "_s + RightCount.text());
    ui.LabelWrong->SetCaption(u"Неправильных: "_s + WrongCount.text());
    ui.LabelRate->SetCaption(QString::number(percent) + u'%');

    // After question 1000 of a full bank comes an end page with no slot behind it: it shows as empty.
    const bool hasSlot = index >= 0 && index < QuestionBank::SlotCount;
    const auto field = [&](int f) -> QString { return hasSlot ? m_bank.Field(index, f) : QString(); };

    int answers = 0;
    for (int f = 1; f <= 4; ++f) {
        if (!field(f).isEmpty())
            ++answers;
    }

    ui.MainFrame->SetCaption(u"Question #"_s + QString::number(index));
    ui.qQuestion->SetCaption(field(0));

    // All four answer buttons come to exist at the first display, so that every later question finds one for
    // each of its answers.
    if (index == 1 && FirstShow) {
        for (int j = 1; j <= AnswerButtons; ++j)
            ui.qAnswers.Load(j);
    }
    const float height = Height();
    for (int j = 1; j <= answers; ++j) {
        platform::OptionButton &button = ui.qAnswers(j);
        button.SetTop(layout::answerTop(height, j));
        button.SetLeft(layout::AnswerLeft);
        button.SetWidth(layout::AnswerWidth);
        button.SetCaption(field(j));
        button.SetHeight(layout::AnswerHeight);
        button.SetValue(false);
        button.SetVisible(true);
    }
    // Question 1 is shown without hiding the previous buttons first: hide any its answers leave over.
    for (int j = answers + 1; j <= AnswerButtons; ++j) {
        if (ui.qAnswers(j).Visible())
            ui.qAnswers(j).SetVisible(false);
    }

    AnswerCount = static_cast<qint16>(answers);
    FirstShow = false;

    keepAnswersReachable();
    m_announcer.questionShown(field(0), TotalCount.value());
}

void MainWindow::keepAnswersReachable()
{
    std::vector<platform::OptionButton *> group;
    for (int j = 0; j <= AnswerButtons; ++j) {
        if (platform::OptionButton *button = ui.qAnswers.find(j))
            group.push_back(button);
    }
    platform::resetOptionGroup(group);
}
