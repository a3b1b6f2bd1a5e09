// SPDX-FileCopyrightText: 2026 The Tavrelo developers
// SPDX-License-Identifier: MIT
#include "check/rules/question_checker.h"

#include "bank/question_bank.h"
#include "check/rules/answer_gap.h"
#include "check/rules/finding_log.h"
#include "check/rules/line_rules.h"
#include "check/rules/messages.h"
#include "check/rules/quiz_builder.h"
#include "check/rules/quote.h"
#include "platform/core/text_file.h"

#include <algorithm>

using namespace Qt::StringLiterals;

namespace {

// Beyond this many lines with control characters a file is likely binary: one more note says so and ends them.
constexpr int MaxControlNotes = 10;

QString answerLetter(int answer)
{
    return QString(QChar(u'A' + answer - 1));
}

} // namespace

QuestionChecker::QuestionChecker(FindingLog &log) : m_log(log)
{
}

void QuestionChecker::add(const Line &line, Severity severity, const QString &text)
{
    m_log.add(Finding{.line = line.number, .severity = severity, .text = text + u": "_s + quote(line.text)});
}

void QuestionChecker::read(platform::TextStream &stream, QuizBuilder *builder)
{
    qint64 number = 0;
    m_encoding = stream.encoding();
    while (!stream.AtEndOfStream()) {
        Line line{.number = ++number,
                  .text = stream.readLineView(),
                  .end = stream.lastLineEnd(),
                  .illFormedAt = stream.lineIllFormedAt()};
        line.lineClass = classifyLine(line.text);
        noteLineEnd(line);
        noteMarks(line);
        if (line.lineClass.kind == LineKind::Header && m_question.number >= QuestionBank::QuestionCapacity) {
            noteNotLoaded(line);
            if (builder)
                builder->takeNotLoaded(line.number, line.text);
            break;
        }
        switch (line.lineClass.kind) {
        case LineKind::Header:
            if (m_question.number == 0)
                noteUnshownLines();
            endQuestion();
            startQuestion(line);
            break;
        case LineKind::Answer: checkAnswer(line); break;
        case LineKind::Text: checkText(line); break;
        case LineKind::Dropped: checkDropped(line); break;
        }
        // After the checker, so that a question's findings, which its end brings, come before the next header.
        if (builder)
            builder->takeLine(line.number, line.text, line.lineClass);
    }
    finish();
    if (builder)
        builder->finish();
}

// Said when the first header comes, with the lines it is about.
void QuestionChecker::noteUnshownLines()
{
    if (m_firstUnshownLine > 0) {
        m_log.add(Finding{
            m_firstUnshownLine, Severity::Note,
            Messages::tr("lines before the first question header are never shown: %1").arg(m_firstUnshownText)});
    }
}

// The program stops reading at this header.
void QuestionChecker::noteNotLoaded(const Line &header)
{
    endQuestion();
    m_log.add(Finding{header.number, Severity::Warning,
                      Messages::tr("question %1 begins here, but Tavrelo loads only the first %2 questions: "
                                   "nothing from this line on is loaded")
                          .arg(m_question.number + 1)
                          .arg(m_question.number)});
}

void QuestionChecker::startQuestion(const Line &header)
{
    const qint16 number = m_question.number + 1;
    m_question = Question{.number = number, .headerLine = header.number};
    m_ended = false;
}

// Judges the question as the quiz will show it: the answers its lines left filed, and the last mark.
void QuestionChecker::endQuestion()
{
    if (m_ended)
        return;
    m_ended = true;
    const int number = m_question.number;
    if (number > 0) {
        std::array<bool, 4> present{};
        for (int answer = 1; answer <= 4; ++answer)
            present[answer - 1] = m_question.answerLines[answer - 1] > 0;
        const int shown = int(std::count(present.begin(), present.end(), true));
        const int marked = m_question.markedAnswer;
        m_answers += shown;
        m_markedQuestions += marked > 0 ? 1 : 0;

        if (shown == 0) {
            m_log.add(
                Finding{m_question.headerLine, Severity::Warning,
                        Messages::tr("question %1 has no answers: the learner sees no answer buttons").arg(number)});
        } else if (marked == 0) {
            m_log.add(Finding{m_question.headerLine, Severity::Warning,
                              Messages::tr("question %1 has no marked answer, so every choice counts as wrong "
                                           "(end the right answer's line with \"*\")")
                                  .arg(number)});
        }
        if (shown > 0 && !m_question.hasText) {
            m_log.add(Finding{m_question.headerLine, Severity::Warning,
                              Messages::tr("question %1 has no text: the learner sees its answer buttons under "
                                           "nothing but the question's number")
                                  .arg(number)});
        }
        if (const int hidden = firstHiddenAnswer(present)) {
            m_log.add(Finding{m_question.answerLines[hidden - 1], Severity::Error, answerGap(number, present, marked)});
        }
    }
    m_log.flush();
}

// Judges the last question and the file as a whole.
void QuestionChecker::finish()
{
    if (m_question.number == 0) {
        m_log.add(Finding{1, Severity::Error,
                          Messages::tr("no question header \"Вес вопроса:\" in the whole file: the learner gets an "
                                       "empty quiz")});
    }
    endQuestion();
    m_log.flush();
}

void QuestionChecker::checkAnswer(const Line &line)
{
    if (m_question.number == 0) {
        noteUnshown(line);
        return;
    }
    Question &q = m_question;
    const int answer = line.lineClass.answer;
    const bool marked = isMarkedAnswer(line.text);
    const QString letter = answerLetter(answer);
    if (q.answerLines[answer - 1] > 0) {
        QString text = Messages::tr("answer %1 again in question %2: this line replaces the one on line %3")
                           .arg(letter)
                           .arg(q.number)
                           .arg(q.answerLines[answer - 1]);
        if (!marked && q.markedAnswer == answer)
            text += Messages::tr(", and the \"*\" of line %1 still marks it right").arg(q.markLine);
        add(line, Severity::Warning, text);
    }
    if (marked && q.markLine > 0 && q.markedAnswer != answer) {
        add(line, Severity::Warning,
            Messages::tr("second marked answer in question %1: only this one counts as right, not answer %2 marked on "
                         "line %3")
                .arg(q.number)
                .arg(answerLetter(q.markedAnswer))
                .arg(q.markLine));
    }
    if (starThenBlanks(line.text)) {
        add(line, Severity::Warning,
            Messages::tr("answer %1 ends in \"*\" followed by spaces or tabs, so it marks nothing and the \"*\" is "
                         "shown")
                .arg(letter));
    }
    if (answerWithoutText(line.text)) {
        add(line, Severity::Warning,
            Messages::tr("answer %1 has no text: its button shows the letter alone").arg(letter));
    }
    q.answerLines[answer - 1] = line.number;
    if (marked) {
        q.markLine = line.number;
        q.markedAnswer = answer;
    }
}

bool QuestionChecker::hasAnswers() const
{
    const auto &lines = m_question.answerLines;
    return std::any_of(lines.begin(), lines.end(), [](qint64 line) { return line > 0; });
}

// A misspelt header, or a line before the first header, needs no more said of it.
bool QuestionChecker::checkHeaderLikeOrUnshown(const Line &line)
{
    if (const QString slips = headerSlips(line.text); !slips.isEmpty()) {
        checkHeaderLike(line, slips);
        return true;
    }
    if (m_question.number == 0) {
        noteUnshown(line);
        return true;
    }
    return false;
}

void QuestionChecker::checkText(const Line &line)
{
    if (!m_question.hasText && !isBlank(line.text))
        m_question.hasText = true;
    if (checkHeaderLikeOrUnshown(line))
        return;
    if (const QString answer = looksLikeAnswer(line.text); !answer.isEmpty()) {
        add(line, Severity::Warning, answer);
        return;
    }
    if (hasAnswers() && !m_question.notedTextAfterAnswers && !isBlank(line.text)) {
        m_question.notedTextAfterAnswers = true;
        add(line, Severity::Note,
            Messages::tr("text after the answers of question %1 joins its text above the answer buttons")
                .arg(m_question.number));
    }
}

void QuestionChecker::checkDropped(const Line &line)
{
    if (checkHeaderLikeOrUnshown(line))
        return;
    add(line, Severity::Warning,
        Messages::tr("line begins with \"Ве\" but is no question header, so it is dropped and the learner never sees "
                     "it"));
}

void QuestionChecker::checkHeaderLike(const Line &line, const QString &slips)
{
    const QString question = QString::number(m_question.number);
    QString text;
    if (m_question.number == 0)
        text = Messages::tr("misspelt question header (%1) is never shown, nor are the lines below it: they come "
                            "before the first header")
                   .arg(slips);
    else if (line.lineClass.kind == LineKind::Dropped)
        text = Messages::tr("misspelt question header (%1) is dropped, and the lines below it join question %2")
                   .arg(slips, question);
    else
        text = Messages::tr("misspelt question header (%1) shows as text of question %2, and the lines below it join "
                            "it")
                   .arg(slips, question);
    add(line, Severity::Warning, text);
    if (m_question.number == 0)
        noteUnshown(line);
    if (hasAnswers())
        m_question.notedTextAfterAnswers = true; // the warning says where the lines below go
}

void QuestionChecker::noteUnshown(const Line &line)
{
    if (m_firstUnshownLine == 0 && !isBlank(line.text)) {
        m_firstUnshownLine = line.number;
        m_firstUnshownText = quote(line.text);
    }
}

void QuestionChecker::noteLineEnd(const Line &line)
{
    bool &noted = line.end == platform::LineEnd::Lf ? m_notedLf : m_notedCr;
    if (noted || (line.end != platform::LineEnd::Lf && line.end != platform::LineEnd::Cr))
        return;
    noted = true;
    m_log.add(Finding{line.number, Severity::Note,
                      Messages::tr("line ends in %1 alone, not CR LF: Tavrelo reads it all the same (further such "
                                   "lines are not listed)")
                          .arg(line.end == platform::LineEnd::Lf ? u"LF"_s : u"CR"_s)});
}

// Control characters as notes and direction controls as warnings, each kind listed for ten lines at most.
void QuestionChecker::noteMarks(const Line &line)
{
    const bool controls = m_controlNotes <= MaxControlNotes;
    const bool directions = m_directionWarnings <= MaxControlNotes;
    if (!controls && !directions)
        return;
    const LineMarks marks = findMarks(line.text);
    if (controls && marks.control >= 0) {
        if (++m_controlNotes > MaxControlNotes) {
            m_log.add(Finding{line.number, Severity::Note,
                              Messages::tr("more lines hold control characters; they are not listed")});
        } else {
            add(line, Severity::Note,
                Messages::tr("line holds %1")
                    .arg(controlCharacter(line.text, marks.control, m_encoding, line.illFormedAt)));
        }
    }
    if (directions && marks.direction >= 0) {
        if (++m_directionWarnings > MaxControlNotes) {
            m_log.add(Finding{line.number, Severity::Warning,
                              Messages::tr("more lines hold direction controls; they are not listed")});
        } else {
            add(line, Severity::Warning,
                Messages::tr("line holds %1").arg(directionControl(line.text, marks.direction)));
        }
    }
}
