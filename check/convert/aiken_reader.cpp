// SPDX-FileCopyrightText: 2026 The Tavrelo developers
// SPDX-License-Identifier: MIT
#include "check/convert/aiken_reader.h"

#include "check/rules/messages.h"

using namespace Qt::StringLiterals;

bool isAikenAnswer(QStringView trimmed)
{
    return trimmed.size() >= 3 && trimmed[0] >= u'A' && trimmed[0] <= u'Z' && (trimmed[1] == u'.' || trimmed[1] == u')')
        && (trimmed[2] == u' ' || trimmed[2] == u'\t');
}

bool isAikenAnswerLine(QStringView trimmed)
{
    return trimmed.startsWith(u"ANSWER:");
}

namespace {

class AikenReader final {
public:
    SourceQuiz read(const QStringList &lines)
    {
        for (qsizetype i = 0; i < lines.size(); ++i) {
            const QString line = lines[i].trimmed();
            const qint64 number = i + 1;
            if (line.isEmpty())
                continue;
            if (isAikenAnswerLine(line)) {
                finish(number, line);
            } else if (isAikenAnswer(line)) {
                open(number);
                m_letters += line[0];
                m_question.answers.push_back(SourceAnswer{.text = line.mid(3).trimmed(), .line = number});
            } else {
                // Text after answers begins the next question: this one never got its ANSWER line.
                if (m_open && !m_question.answers.empty())
                    abandon();
                open(number);
                m_question.text.push_back(SourceLine{line, number});
            }
        }
        if (m_open)
            abandon();
        return std::move(m_quiz);
    }

private:
    void open(qint64 number)
    {
        if (m_open)
            return;
        m_open = true;
        m_question = SourceQuestion{.number = ++m_number, .line = number};
        m_letters.clear();
    }

    void warn(qint64 line, const QString &text) { m_quiz.notes.push_back(Finding{line, Severity::Warning, text}); }

    void abandon()
    {
        warn(m_question.line, Messages::tr("question %1 is left out: no \"ANSWER:\" line names its right answer")
                                  .arg(questionName(m_question)));
        ++m_quiz.unreadable;
        m_open = false;
    }

    void finish(qint64 number, QStringView line)
    {
        if (!m_open || m_question.answers.empty()) {
            warn(number, Messages::tr("\"ANSWER:\" line without answers above it is left out"));
            if (m_open)
                ++m_quiz.unreadable;
            m_open = false;
            return;
        }
        m_open = false;
        const QStringView named = line.mid(7).trimmed();
        const qsizetype right = named.isEmpty() ? -1 : m_letters.indexOf(named.front());
        if (right < 0) {
            warn(number, Messages::tr("question %1 is left out: its \"ANSWER:\" line names no answer it has")
                             .arg(questionName(m_question)));
            ++m_quiz.unreadable;
            return;
        }
        m_question.answers[size_t(right)].right = true;
        if (m_question.text.empty()) {
            warn(m_question.line,
                 Messages::tr("question %1 is left out: it has answers but no text").arg(m_question.number));
            ++m_quiz.unreadable;
            return;
        }
        m_quiz.questions.push_back(std::move(m_question));
    }

    SourceQuiz m_quiz;
    SourceQuestion m_question;
    QString m_letters; // each answer's letter, as written
    bool m_open = false;
    int m_number = 0;
};

} // namespace

SourceQuiz readAiken(const QStringList &lines)
{
    return AikenReader().read(lines);
}
