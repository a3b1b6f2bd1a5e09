// SPDX-FileCopyrightText: 2026 The Tavrelo developers
// SPDX-License-Identifier: MIT
#pragma once

#include "platform/forms/form.h"
#include "quiz/main_window.h"
#include "tests/support/main_window_probe.h"
#include "tests/support/message_boxes.h"

#include <QAbstractButton>
#include <QComboBox>
#include <QCoreApplication>
#include <QStringList>

#include <memory>

namespace quiztest {

// Loads and shows the quiz window on the current data.txt, answering message boxes into `messages`.
class QuizWindow final {
public:
    QuizWindow();
    ~QuizWindow();
    Q_DISABLE_COPY_MOVE(QuizWindow)

    MainWindow &window() { return platform::Forms<MainWindow>::get(); }
    const MainWindowControls &ui() { return MainWindowProbe::controls(window()); }
    template<class K = platform::Control> K &control(QStringView name, int index = -1)
    {
        return MainWindowProbe::control<K>(window(), name, index);
    }
    platform::OptionButton &answer(int j) { return ui().qAnswers(j); }
    QString caption(QStringView name) { return MainWindowProbe::caption(window(), name); }
    const QList<support::Message> &messages() const { return m_recorder->messages(); }
    void clearMessages() { m_recorder->clear(); }
    void setWhileMessageOpen(std::function<void(const support::Message &)> callback) { m_whileOpen = callback; }

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
    std::function<void(const support::Message &)> m_whileOpen;
    std::unique_ptr<support::MessageBoxRecorder> m_recorder;
};

} // namespace quiztest
