// SPDX-FileCopyrightText: 2026 The Tavrelo developers
// SPDX-License-Identifier: MIT
#pragma once

#include "bank/line_class.h"
#include "check/rules/finding.h"
#include "platform/core/text_encoding.h"

#include <QString>
#include <QStringView>

#include <array>

class FindingLog;
class QuizBuilder;

namespace platform {
class TextStream;
enum class LineEnd : quint8;
} // namespace platform

// Reads a question file line by line and tells what the learner will meet: each line's class comes from the rule
// the reader files it by, and this class judges what looks like a slip. It keeps the line being read and a few
// numbers of the question it belongs to, so that memory stays bounded by the longest line however long the file is.
class QuestionChecker final {
public:
    explicit QuestionChecker(FindingLog &log);
    Q_DISABLE_COPY_MOVE(QuestionChecker)

    // Reads to the end of the stream, or to the header of a question that the program would not load, then judges
    // the last question and the file as a whole; hands every line it has judged to the builder, if there is one.
    // Raises what the stream raises.
    void read(platform::TextStream &stream, QuizBuilder *builder = nullptr);

    // What the program loads: questions, answers shown, and questions with a marked answer.
    qint16 questions() const { return m_question.number; }
    qint64 answers() const { return m_answers; }
    qint64 markedQuestions() const { return m_markedQuestions; }

private:
    struct Line {
        qint64 number = 0; // counted from 1, as an editor counts lines
        QStringView text;  // the whole line, a trailing "*" included
        platform::LineEnd end{};
        qsizetype illFormedAt = -1; // platform::TextStream::lineIllFormedAt
        LineClass lineClass;
    };

    // What the checker remembers of the question being read; question 0 stands for the lines before the first
    // header.
    struct Question {
        qint16 number = 0;
        qint64 headerLine = 1;
        std::array<qint64, 4> answerLines{}; // the line of each answer now stored, 0 for none
        qint64 markLine = 0;
        int markedAnswer = 0;
        bool notedTextAfterAnswers = false;
        bool hasText = false; // a text line that is not blank, whatever it looks like
    };

    bool hasAnswers() const;
    void startQuestion(const Line &header);
    void endQuestion();
    void finish();
    void noteNotLoaded(const Line &header);
    void noteUnshownLines();
    void checkAnswer(const Line &line);
    void checkText(const Line &line);
    void checkDropped(const Line &line);
    bool checkHeaderLikeOrUnshown(const Line &line);
    void checkHeaderLike(const Line &line, const QString &slips);
    void noteUnshown(const Line &line);
    void noteLineEnd(const Line &line);
    void noteMarks(const Line &line);
    void add(const Line &line, Severity severity, const QString &text);

    FindingLog &m_log;
    platform::TextEncoding m_encoding{};
    Question m_question;
    bool m_ended = false;

    qint64 m_firstUnshownLine = 0; // the first line before the first header that is not blank
    QString m_firstUnshownText;
    bool m_notedLf = false;
    bool m_notedCr = false;
    int m_controlNotes = 0;
    int m_directionWarnings = 0;

    qint64 m_answers = 0;
    qint64 m_markedQuestions = 0;
};
