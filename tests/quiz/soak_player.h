// SPDX-FileCopyrightText: 2026 The Tavrelo developers
// SPDX-License-Identifier: MIT
#pragma once

#include "soak_expectations.h"
#include "soak_file_generator.h"
#include "tests/quiz/quiz_fixture.h"

#include <QStringList>

class QRandomGenerator;

namespace soak {

// Watches for run-time errors instead of letting one end the process, for as long as it lives.
class RuntimeErrorWatch final {
public:
    RuntimeErrorWatch();
    ~RuntimeErrorWatch();
    Q_DISABLE_COPY_MOVE(RuntimeErrorWatch)
    const QStringList &errors() const { return m_errors; }

private:
    QStringList m_errors;
};

// Plays one question file: loads the real quiz window on it, then makes one random user action at a time and
// checks after each one that the window keeps the rules of the quiz. A broken rule fails the running test.
class QuizPlayer final {
public:
    // Writes the file as data.txt, then loads the window on it.
    QuizPlayer(QRandomGenerator &random, const QuestionFile &file);
    Q_DISABLE_COPY_MOVE(QuizPlayer)

    // Checks the window and the bank as loading left them.
    void checkStart();
    void act();

    // The actions so far, the most recent last.
    const QStringList &log() const { return m_log; }

private:
    enum class Action {
        Choose,
        Check,
        Previous,
        Next,
        PickFromDropDown,
        PickByKey,
        Type,
        ToggleMessage,
        ToggleRight,
        Resize,
        Minimise,
        Maximise,
        Restore,
    };
    Action pickAction();
    int below(int n);

    // The actions; each returns whether it displayed a question.
    bool choose();
    bool check();
    bool previous();
    bool next();
    bool pickFromDropDown();
    bool pickByKey();
    bool type();
    bool toggle(QStringView checkBox, bool &expected);
    void resize();
    bool pickedFromList(int row);

    void checkAll(bool displayed);
    void checkBank();
    void checkRunning();
    void checkMessages();
    void checkState();
    void checkQuestion();
    void checkAnswers(bool displayed);
    void checkGeometry();

    ScoreTexts shownScore();
    MainWindow &window() { return m_quiz.window(); }
    const QuestionBank &bank() { return MainWindowProbe::bank(window()); }

    QRandomGenerator &m_random;
    const QuestionFile &m_file;
    RuntimeErrorWatch m_errors;
    bool m_fileWritten;
    quiztest::QuizWindow m_quiz;

    QuizExpectation m_expect;
    Geometry m_geometry;
    QString m_listText;
    QList<support::Message> m_expectedMessages;
    ScoreTexts m_scoreBefore;
    QList<ScoreTexts> m_scoreWhileOpen;
    int m_activatedRow = -1;
    int m_activations = 0;
    QStringList m_log;
};

} // namespace soak
