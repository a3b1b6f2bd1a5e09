// SPDX-FileCopyrightText: 2026 The Tavrelo developers
// SPDX-License-Identifier: MIT
#pragma once

#include "platform/accessibility/announcer.h"
#include "quiz/main_window_design.h"

#include <QString>

// What a screen reader is told of the quiz beyond what it reads by itself. Screen readers read neither a label's
// new text nor a frame's new caption: after every display the question is read out with its number, after the
// new score when a check has changed it, and again when Tab or Shift+Tab brings the focus into the answers from
// another control (moving between the answers with the arrow keys does not).
class QuestionAnnouncer final {
public:
    QuestionAnnouncer(QWidget &window, const MainWindowControls &ui);
    Q_DISABLE_COPY_MOVE(QuestionAnnouncer)

    // After each display: the question text as the bank holds it, and the number of answers checked so far.
    void questionShown(const QString &text, qint64 total);

private:
    void focusChanged(QWidget *old, QWidget *now);
    bool isAnswer(const QWidget *widget) const;

    const MainWindowControls &m_ui;
    platform::Announcer m_announcer;
    QString m_question;       // "Question #12." and the question, as last read out
    qint64 m_spokenTotal = 0; // the number of answers checked when the score was last read out
};
