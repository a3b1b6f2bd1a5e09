// SPDX-FileCopyrightText: 2026 The Tavrelo developers
// SPDX-License-Identifier: MIT
#pragma once

#include "bank/question_bank.h"
#include "platform/forms/form.h"
#include "quiz/main_window_design.h"
#include "quiz/question_announcer.h"
#include "quiz/score_counter.h"

// The quiz window. Form_Load reads the question file (LoadQuestions), lists the question numbers and shows
// question 1. The handlers of the check button, "<<", ">>" and the question list only change the state below
// and call ShowQuestion, the one procedure that puts a question, its answer buttons and the score on screen.
// Form_Resize lays the controls out from the window's outer size. Every display also tells screen readers what
// they would not read by themselves (QuestionAnnouncer). The controls are reached through `ui`, made by the design
// table in main_window_design.cpp; the handlers live in main_window_*.cpp, one concern a file.
class MainWindow final : public platform::DesignedForm<MainWindowControls> {
    Q_OBJECT
public:
    MainWindow();
    Q_DISABLE_COPY_MOVE(MainWindow)

    static constexpr int AnswerButtons = 4;

protected:
    void Form_Load() override;
    void Form_Resize() override;

private:
    friend struct MainWindowProbe; // white-box access for tests and benchmarks

    void LoadQuestions();
    void ShowQuestion(qint16 index);
    void keepAnswersReachable();
    void layOut(float W, float H);
    void bCheck_Click();
    void bPrevious_Click();
    void bNext_Click();
    void qList_Click();

    QuestionBank m_bank;
    qint16 CurrentQuestion = 0;
    qint16 QuestionCount = 0;
    qint16 AnswerCount = 0;
    ScoreCounter RightCount;
    ScoreCounter WrongCount;
    ScoreCounter TotalCount;
    bool FirstShow = false;

    QuestionAnnouncer m_announcer{*this, ui};
};
