// SPDX-FileCopyrightText: 2026 The Tavrelo developers
// SPDX-License-Identifier: MIT
#pragma once

#include "bank/question_reader.h"
#include "check/finding.h"

#include <QString>

#include <array>

class FindingLog;
class QuestionBank;

// Listens to the reader and tells, line by line, what the learner will meet: the reader files every line, this
// class judges what looks like a slip. It reads each question's answers from the bank when the question ends,
// then empties its slot (and each text line as it comes), so that memory stays bounded by the longest line
// however long the file is.
class QuestionChecker final : public ReadListener {
public:
    QuestionChecker(QuestionBank &bank, FindingLog &log);
    Q_DISABLE_COPY_MOVE(QuestionChecker)

    void lineRead(const LineReport &line) override;
    // After the reader has returned: judges the last question and the file as a whole.
    void finish();

    qint64 answers() const { return m_answers; }
    qint64 markedQuestions() const { return m_markedQuestions; }

private:
    // What the checker remembers of the question being read; question 0 stands for the lines before the first
    // header.
    struct Question {
        qint16 number = 0;
        qint64 headerLine = 1;
        std::array<qint64, 4> answerLines{}; // the line of each answer now stored, 0 for none
        qint64 markLine = 0;
        int markedAnswer = 0;
        bool notedTextAfterAnswers = false;
    };

    bool hasAnswers() const;
    void startQuestion(const LineReport &header);
    void endQuestion();
    void checkAnswer(const LineReport &line);
    void checkText(const LineReport &line);
    void checkDropped(const LineReport &line);
    bool checkHeaderLikeOrUnshown(const LineReport &line);
    void checkHeaderLike(const LineReport &line, const QString &slips);
    void noteUnshown(const LineReport &line);
    void noteLineEnd(const LineReport &line);
    void noteControlCharacter(const LineReport &line);
    void add(const LineReport &line, Severity severity, const QString &text);

    QuestionBank &m_bank;
    FindingLog &m_log;
    Question m_question;
    bool m_ended = false;

    qint64 m_firstUnshownLine = 0; // the first line before the first header that is not blank
    QString m_firstUnshownText;
    bool m_notedLf = false;
    bool m_notedCr = false;
    int m_controlNotes = 0;

    qint64 m_answers = 0;
    qint64 m_markedQuestions = 0;
};
