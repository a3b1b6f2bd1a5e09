// SPDX-FileCopyrightText: 2026 The Tavrelo developers
// SPDX-License-Identifier: MIT
#pragma once

#include "quiz/main_window.h"
#include "quiz/main_window_design.h"

#include <QStringView>

#include <type_traits>
#include <variant>

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
    static const QuestionBank &bank(const MainWindow &w) { return w.m_bank; }

    static void LoadQuestions(MainWindow &w) { w.LoadQuestions(); }
    // Displays a question as the handlers do: CurrentQuestion first, then ShowQuestion.
    static void ShowQuestion(MainWindow &w, qint16 index)
    {
        w.CurrentQuestion = index;
        w.ShowQuestion(index);
    }
    static void layOut(MainWindow &w, float W, float H) { w.layOut(W, H); }

    static const MainWindowControls &controls(const MainWindow &w) { return w.ui; }

    // Calls `use` with the control that the design names so, as its own kind; an answer button is "qAnswers" with
    // its index. Naming none that exists ends the run.
    template<class Use> static auto withControl(const MainWindow &w, QStringView name, int index, Use &&use)
    {
        for (const platform::ControlDesign<MainWindowControls> &row : mainWindowDesign().controls.rows()) {
            if (row.name != name)
                continue;
            return std::visit(
                [&](auto member) {
                    if constexpr (requires { (w.ui.*member).find(index); }) {
                        if (auto *element = (w.ui.*member).find(index))
                            return use(*element);
                        qFatal("the quiz window has no %s(%d)", qPrintable(name.toString()), index);
                    } else {
                        return use(*(w.ui.*member));
                    }
                },
                row.control);
        }
        qFatal("the quiz window has no control %s", qPrintable(name.toString()));
    }

    // The control that the design names so, seen as a K, which its kind must be or derive from.
    template<class K = platform::Control> static K &control(const MainWindow &w, QStringView name, int index = -1)
    {
        return *withControl(w, name, index, [&](auto &c) -> K * {
            if constexpr (std::is_base_of_v<K, std::remove_cvref_t<decltype(c)>>)
                return &c;
            qFatal("the quiz window's %s is of another kind", qPrintable(name.toString()));
        });
    }

    // What the control shows as its caption: a combo box's text; nothing for a status bar or a progress bar.
    static QString caption(const MainWindow &w, QStringView name, int index = -1)
    {
        return withControl(w, name, index, [](const auto &c) {
            if constexpr (requires { c.Caption(); })
                return QString(c.Caption());
            else if constexpr (requires { c.Text(); })
                return c.Text();
            else
                return QString();
        });
    }
};
