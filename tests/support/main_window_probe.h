// SPDX-FileCopyrightText: 2026 The Tavrelo developers
// SPDX-License-Identifier: MIT
#pragma once

#include "quiz/main_window.h"
#include "quiz/main_window_design.h"

#include <QStringView>

// Reaches into the quiz window the way tests and benchmarks need to: its state, its procedures and its
// controls. The one friend of MainWindow.
struct MainWindowProbe {
    static qint16 CurrentQuestion(const MainWindow &w) { return w.CurrentQuestion; }
    static qint16 QuestionCount(const MainWindow &w) { return w.QuestionCount; }
    static qint16 AnswerCount(const MainWindow &w) { return w.AnswerCount; }
    static const ScoreCounter &TotalCount(const MainWindow &w) { return w.TotalCount; }
    static const ScoreCounter &RightCount(const MainWindow &w) { return w.RightCount; }
    static const ScoreCounter &WrongCount(const MainWindow &w) { return w.WrongCount; }
    static bool FirstShow(const MainWindow &w) { return w.FirstShow; }
    static const QuestionBank &Bank(const MainWindow &w) { return w.QuestionBank; }

    static void LoadQuestions(MainWindow &w) { w.LoadQuestions(); }
    // Displays a question as the handlers do: CurrentQuestion first, then ShowQuestion.
    static void ShowQuestion(MainWindow &w, qint16 index)
    {
        w.CurrentQuestion = index;
        w.ShowQuestion(index);
    }
    static void LayOut(MainWindow &w, float W, float H) { w.LayOut(W, H); }

    static const MainWindowControls &Controls(const MainWindow &w) { return w.ui; }
    // The control that the design names so; an answer button is "qAnswers" with its index. Naming none that
    // exists ends the run.
    static platform::Control &Control(const MainWindow &w, QStringView name, int index = -1)
    {
        for (const platform::ControlDesign<MainWindowControls> &row : MainWindowDesign().controls.rows()) {
            if (row.name != name)
                continue;
            if (row.handle)
                return *(w.ui.*row.handle);
            if (platform::Control *element = (w.ui.*row.array).Find(index))
                return *element;
        }
        qFatal("the quiz window has no control %s (index %d)", qPrintable(name.toString()), index);
    }
};
