// SPDX-FileCopyrightText: 2026 The Tavrelo developers
// SPDX-License-Identifier: MIT
#include "check/convert/aiken_reader.h"

#include "check/rules/messages.h"
#include "check/rules/quote.h"

using namespace Qt::StringLiterals;

bool isAikenAnswer(QStringView trimmed)
{
    // Moodle wants no space after the letter's sign: "A)Incorrect" is an answer too.
    return trimmed.size() >= 2 && trimmed[0] >= u'A' && trimmed[0] <= u'Z'
        && (trimmed[1] == u'.' || trimmed[1] == u')');
}

bool isAikenAnswerLine(QStringView trimmed)
{
    return trimmed.startsWith(u"ANSWER:");
}

namespace {

// Moodle's import passes over a line shorter than two bytes.
bool tooShort(QStringView trimmed)
{
    return trimmed.isEmpty() || (trimmed.size() == 1 && trimmed[0].unicode() < 0x80);
}

// Reads as Moodle's import does: a text line begins a question, and a question whose text runs on, or whose
// "ANSWER:" line never comes, is one Moodle drops; what Moodle would refuse is left out with the reason.
class AikenReader final {
public:
    SourceQuiz read(const NextLine &nextLine)
    {
        qint64 number = 0;
        while (const std::optional<QString> next = nextLine()) {
            const QString line = next->trimmed();
            ++number;
            if (tooShort(line))
                continue;
            if (isAikenAnswer(line)) {
                if (!m_open) {
                    warn(number, Messages::tr("answer line before any question text is left out: %1").arg(quote(line)));
                    continue;
                }
                m_question.answers.push_back(SourceAnswer{.text = line.mid(2).trimmed(), .line = number});
            } else if (isAikenAnswerLine(line)) {
                finish(number, line);
            } else {
                if (m_open)
                    abandon(number);
                m_open = true;
                m_question = SourceQuestion{.number = ++m_number, .line = number};
                m_question.text.push_back(SourceLine{line, number});
            }
        }
        if (m_open)
            abandon(0);
        return std::move(m_quiz);
    }

private:
    void warn(qint64 line, const QString &text) { m_quiz.notes.push_back(Finding{line, Severity::Warning, text}); }

    void leaveOut(qint64 line, const QString &text)
    {
        warn(line, text);
        ++m_quiz.unreadable;
        m_open = false;
    }

    // The open question ends unfinished: at the next text line (0 at the end of the file). A run of text lines,
    // each of which Moodle takes for a question of its own, gets one note, so that notes never outgrow the file.
    void abandon(qint64 nextText)
    {
        if (m_question.answers.empty() && nextText > 0) {
            if (m_textRun > 0 && m_textRunLast == m_question.number - 1) {
                ++m_quiz.unreadable;
                m_open = false;
                m_textRunLast = m_question.number;
                m_quiz.notes[m_textRun - 1].text = textRunNote();
                return;
            }
            m_textRunFirst = m_textRunLast = m_question.number;
            m_textRunFirstName = questionName(m_question);
            m_textRunNext = nextText;
            leaveOut(m_question.line, textRunNote());
            m_textRun = m_quiz.notes.size();
            return;
        }
        leaveOut(m_question.line, Messages::tr("question %1 is left out: no \"ANSWER:\" line names its right answer")
                                      .arg(questionName(m_question)));
    }

    QString textRunNote() const
    {
        if (m_textRunLast == m_textRunFirst)
            return Messages::tr("question %1 is left out: Aiken holds a question's text on one line, and Moodle takes "
                                "line %2 for the text of another question")
                .arg(m_textRunFirstName)
                .arg(m_textRunNext);
        return Messages::tr("questions %1 to %2 are left out: Aiken holds a question's text on one line, and Moodle "
                            "takes each of these lines for a question of its own")
            .arg(m_textRunFirst)
            .arg(m_textRunLast);
    }

    void finish(qint64 number, QStringView line)
    {
        if (!m_open) {
            warn(number, Messages::tr("\"ANSWER:\" line without answers above it is left out"));
            return;
        }
        if (m_question.answers.size() < 2) {
            leaveOut(number, Messages::tr("question %1 is left out: it has fewer than two answers, and Moodle takes "
                                          "none such")
                                 .arg(questionName(m_question)));
            return;
        }
        // Moodle counts the letter from A, whatever letters the answers were written with.
        const QStringView named = line.mid(7).trimmed();
        const int right = named.isEmpty() ? -1 : named.front().unicode() - u'A';
        if (right < 0 || right >= int(m_question.answers.size())) {
            leaveOut(number, Messages::tr("question %1 is left out: its \"ANSWER:\" line names no answer it has")
                                 .arg(questionName(m_question)));
            return;
        }
        m_open = false;
        m_question.answers[size_t(right)].right = true;
        m_quiz.questions.push_back(std::move(m_question));
    }

    SourceQuiz m_quiz;
    SourceQuestion m_question;
    bool m_open = false;
    int m_number = 0;
    // The run of text-only questions left out one after another: its note (counted from 1, 0 for none), its first
    // and last question, and the line after the first.
    size_t m_textRun = 0;
    int m_textRunFirst = 0;
    int m_textRunLast = 0;
    QString m_textRunFirstName;
    qint64 m_textRunNext = 0;
};

} // namespace

SourceQuiz readAiken(const NextLine &nextLine)
{
    return AikenReader().read(nextLine);
}
