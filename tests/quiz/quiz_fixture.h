// SPDX-FileCopyrightText: 2026 The Tavrelo developers
// SPDX-License-Identifier: MIT
#pragma once

#include "platform/control.h"
#include "platform/form.h"
#include "platform/message_box.h"
#include "quiz/main_window.h"

#include <QAbstractButton>
#include <QComboBox>
#include <QCoreApplication>
#include <QStringList>

#include <memory>

// Reaches into the quiz window the way the tests need to: its state, its procedures and its controls.
struct MainWindowProbe {
    static qint16 CurrentQuestion(const MainWindow &w) { return w.CurrentQuestion; }
    static qint16 QuestionCount(const MainWindow &w) { return w.QuestionCount; }
    static qint16 AnswerCount(const MainWindow &w) { return w.AnswerCount; }
    static const ScoreCounter &TotalCount(const MainWindow &w) { return w.TotalCount; }
    static const ScoreCounter &RightCount(const MainWindow &w) { return w.RightCount; }
    static const ScoreCounter &WrongCount(const MainWindow &w) { return w.WrongCount; }
    static bool FirstShow(const MainWindow &w) { return w.FirstShow; }
    static const QuestionBank &Bank(const MainWindow &w) { return w.QuestionBank; }
    static void ShowQuestion(MainWindow &w, qint16 index)
    {
        w.CurrentQuestion = index;
        w.ShowQuestion(index);
    }
    static void LayOut(MainWindow &w, float W, float H) { w.LayOut(W, H); }
};

namespace quiztest {

// One question of a test file: its text lines, its answer lines as they stand in the file.
struct Question {
    QStringList text;
    QStringList answers;
};

// The lines of a question file, each question opened by a header.
QStringList FileLines(const QList<Question> &questions);

// n questions "Question k" with `answers` answers each, the first one marked right.
QList<Question> NumberedQuestions(int n, int answers = 4);

// Questions "Question k" with answerCounts[k - 1] answers each, the first one marked right.
QList<Question> QuestionsWithAnswers(const QList<int> &answerCounts);
// A fixed dialog: no minimise or maximise button, and a size that cannot change.
bool IsFixedDialog(const QWidget &window);

// A shown window whose outer size, as the program counts it, is centred on its screen's free area.
bool IsCentred(const platform::Form &window);

// Writes data.txt beside the test program, in Windows-1251 with CR LF lines.
void WriteDataFile(const QStringList &lines);
// Writes data.txt beside the test program byte for byte.
void WriteDataFileBytes(const QByteArray &bytes);
void RemoveDataFile();

// Loads and shows the quiz window on the current data.txt, answering message boxes into `messages`.
class QuizWindow final {
public:
    QuizWindow();
    ~QuizWindow();
    Q_DISABLE_COPY_MOVE(QuizWindow)

    MainWindow &window() { return platform::Forms<MainWindow>::Get(); }
    platform::Control &control(QStringView name, int index = -1) { return window().controls().Get(name, index); }
    platform::Control &answer(int j) { return control(u"qAnswers", j); }
    QString caption(QStringView name) { return control(name).Caption(); }
    const QList<platform::Message> &messages() const { return m_recorder->messages(); }
    void clearMessages() { m_recorder->clear(); }
    void setWhileMessageOpen(std::function<void(const platform::Message &)> callback) { m_whileOpen = callback; }

    void click(QStringView name);
    void choose(int j);
    void check(int j) { choose(j), click(u"bCheck"); }
    void setOption(QStringView checkBox, bool checked);
    void pickFromList(int row);
    // Numbers of the answer buttons now visible, in order.
    QList<int> visibleAnswers();

    // Runs steps such as "m k2 c n": m ticks showMessage, kN chooses answer N, c is "Я прав?", n is ">>",
    // p is "<<", lN picks question N from the list.
    void play(const QString &steps);

    // Keyboard play: makes the window the active one, then sends keys to whatever has the focus.
    void activate();
    void key(Qt::Key key, Qt::KeyboardModifiers modifiers = Qt::NoModifier);
    // The control that has the focus; the list's text field stands for the list.
    static QString focusName();

private:
    std::function<void(const platform::Message &)> m_whileOpen;
    std::unique_ptr<platform::MessageBoxRecorder> m_recorder;
};

} // namespace quiztest
