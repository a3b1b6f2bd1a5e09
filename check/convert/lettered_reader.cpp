// SPDX-FileCopyrightText: 2026 The Tavrelo developers
// SPDX-License-Identifier: MIT
#include "check/convert/lettered_reader.h"

#include "bank/line_class.h"
#include "check/rules/line_rules.h"
#include "check/rules/messages.h"

#include <algorithm>
#include <optional>

using namespace Qt::StringLiterals;

namespace {

// The place of a letter among the answers in Russian order, а to г, or 0.
int russianPlace(QChar letter)
{
    static const QString order = u"абвгАБВГ"_s;
    const qsizetype at = order.indexOf(letter);
    return at < 0 ? 0 : int(at % 4) + 1;
}

// The place of a letter among A to D, written in Latin or with a Cyrillic letter that looks the same, or 0.
int latinPlace(QChar letter)
{
    switch (letter.unicode()) {
    case u'A':
    case u'a':
    case u'А':
    case u'а': return 1;
    case u'B':
    case u'b':
    case u'В': return 2;
    case u'C':
    case u'c':
    case u'С':
    case u'с': return 3;
    case u'D':
    case u'd': return 4;
    default: return 0;
    }
}

// The letter of a line that may be an answer: after spaces, one of the letters above and ")".
std::optional<QChar> answerLetter(QStringView line)
{
    const qsizetype start = leadingBlanks(line);
    if (line.size() < start + 2 || line[start + 1] != u')')
        return std::nullopt;
    const QChar letter = line[start];
    if (russianPlace(letter) == 0 && latinPlace(letter) == 0)
        return std::nullopt;
    return letter;
}

// Whether the letters, read by a place function, run A, B, C... from the first.
bool inOrder(const QString &letters, int (*place)(QChar))
{
    for (qsizetype i = 0; i < letters.size(); ++i) {
        if (place(letters.at(i)) != i + 1)
            return false;
    }
    return true;
}

struct RawLine {
    qint64 number = 0;
    QString text;
};

class LetteredReader final {
public:
    explicit LetteredReader(bool intoTavrelo) : m_intoTavrelo(intoTavrelo) {}

    SourceQuiz read(const NextLine &nextLine)
    {
        qint64 number = 0;
        while (const std::optional<QString> next = nextLine()) {
            const QString &line = *next;
            ++number;
            const bool header = classifyLine(line).kind == LineKind::Header;
            const QString slips = header ? QString() : headerSlips(line);
            if (header || !slips.isEmpty()) {
                finish();
                m_open = true;
                m_question = SourceQuestion{.number = ++m_number, .line = number};
                m_lines.clear();
                if (header) {
                    m_question.header = line;
                } else {
                    note(number,
                         Messages::tr("taken as the header of question %1, though it has %2").arg(m_number).arg(slips));
                }
            } else if (m_open) {
                m_lines.push_back(RawLine{number, line});
            } else {
                m_quiz.preamble += line;
                m_quiz.preamble += u'\n';
            }
        }
        finish();
        return std::move(m_quiz);
    }

private:
    void note(qint64 line, const QString &text) { m_quiz.notes.push_back(Finding{line, Severity::Note, text}); }
    void warn(qint64 line, const QString &text) { m_quiz.notes.push_back(Finding{line, Severity::Warning, text}); }

    void finish()
    {
        if (!m_open)
            return;
        m_open = false;
        QString letters;
        std::vector<const RawLine *> answers;
        for (const RawLine &line : m_lines) {
            if (const std::optional<QChar> letter = answerLetter(line.text)) {
                letters += *letter;
                answers.push_back(&line);
            }
        }
        if (!answers.empty() && !inOrder(letters, latinPlace) && !inOrder(letters, russianPlace)) {
            QStringList written;
            for (const QChar letter : letters)
                written << QString(letter) + u')';
            warn(answers.front()->number,
                 Messages::tr("question %1 is left out: its answers are lettered %2, not one after another from A) "
                              "or from а)")
                     .arg(m_question.number)
                     .arg(written.join(u", "_s)));
            ++m_quiz.unreadable;
            return;
        }
        readLines(letters);
        m_quiz.questions.push_back(std::move(m_question));
    }

    void readLines(const QString &letters)
    {
        qint64 spaced = 0;     // the first answer line with spaces before its letter
        qint64 starSpaced = 0; // the first whose "*" has spaces after it
        for (const RawLine &line : m_lines) {
            if (!answerLetter(line.text)) {
                m_question.text.push_back(SourceLine{line.text, line.number});
                continue;
            }
            const qsizetype start = leadingBlanks(line.text);
            if (spaced == 0 && start > 0)
                spaced = line.number;
            QString text = line.text.mid(start + 2);
            qsizetype end = text.size();
            while (end > 0 && isBlankChar(text.at(end - 1)))
                --end;
            const bool right = end > 0 && text.at(end - 1) == AnswerMark;
            if (starSpaced == 0 && right && end < text.size())
                starSpaced = line.number;
            if (right)
                text.truncate(end - 1);
            m_question.answers.push_back(SourceAnswer{.text = text.trimmed(), .line = line.number, .right = right});
        }
        // Blank lines at either end of the text show nothing: those between questions belong to neither.
        auto &text = m_question.text;
        while (!text.empty() && isBlank(text.back().text))
            text.pop_back();
        text.erase(text.begin(),
                   std::find_if(text.begin(), text.end(), [](const SourceLine &line) { return !isBlank(line.text); }));

        if (m_question.answers.empty())
            return;
        const qint64 first = m_question.answers.front().line;
        const bool latin = std::all_of(letters.begin(), letters.end(),
                                       [](QChar ch) { return ch >= u'A' && ch <= u'D'; });
        if (!latin) {
            QStringList written;
            for (const QChar letter : letters)
                written << QString(letter) + u')';
            note(first, (m_intoTavrelo ? Messages::tr("the answers of question %1, lettered %2, are written with the "
                                                      "Latin letters that Tavrelo takes")
                                       : Messages::tr("the answers of question %1, lettered %2, are read as its "
                                                      "answers in that order"))
                            .arg(m_question.number)
                            .arg(written.join(u", "_s)));
        }
        if (spaced > 0) {
            note(spaced, (m_intoTavrelo ? Messages::tr("the answers of question %1 are written without the spaces "
                                                       "before their letters")
                                        : Messages::tr("the answers of question %1 are read as answers, though "
                                                       "spaces stand before their letters"))
                             .arg(m_question.number));
        }
        if (starSpaced > 0) {
            note(starSpaced,
                 Messages::tr("the \"*\" followed by spaces in question %1 is taken as the mark of its right "
                              "answer")
                     .arg(m_question.number));
        }
    }

    SourceQuiz m_quiz;
    SourceQuestion m_question;
    std::vector<RawLine> m_lines;
    bool m_open = false;
    int m_number = 0;
    bool m_intoTavrelo = true;
};

} // namespace

SourceQuiz readLettered(const NextLine &nextLine, bool intoTavrelo)
{
    return LetteredReader(intoTavrelo).read(nextLine);
}
