// SPDX-FileCopyrightText: 2026 The Tavrelo developers
// SPDX-License-Identifier: MIT
#pragma once

#include "bank/question_bank.h"
#include "platform/accessibility/announcer.h"
#include "platform/forms/form.h"
#include "quiz/main_window_design.h"
#include "quiz/score_counter.h"

// The quiz window. Form_Load reads the question file (LoadQuestions), lists the question numbers and shows
// question 1. The handlers of the check button, "<<", ">>" and the question list only change the state below
// and call ShowQuestion, the one procedure that puts a question, its answer buttons and the score on screen.
// Form_Resize lays the controls out from the window's outer size. Screen readers read neither a label's new
// text nor a frame's new caption by themselves: every display, and the focus entering the answers, has the
// question read out through an announcer (screen_reader.cpp). The controls are reached through `ui`, made by the
// design table in main_window_design.cpp.
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
    void KeepAnswersReachable();
    QString SpokenQuestion(qint16 index) const;
    QString SpokenNumberedQuestion(const QString &question) const;
    void TellScreenReaders();
    void FocusChanged(QWidget *old, QWidget *now);
    void layOut(float W, float H);
    void bCheck_Click();
    void bPrevious_Click();
    void bNext_Click();
    void qList_Click();

    ::QuestionBank QuestionBank;
    qint16 CurrentQuestion = 0;
    qint16 QuestionCount = 0;
    qint16 AnswerCount = 0;
    ScoreCounter RightCount;
    ScoreCounter WrongCount;
    ScoreCounter TotalCount;
    bool FirstShow = false;

    platform::Announcer m_announcer{*this};
    qint64 m_spokenTotal = 0; // TotalCount when the score was last read out
};
