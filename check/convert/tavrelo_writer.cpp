// SPDX-FileCopyrightText: 2026 The Tavrelo developers
// SPDX-License-Identifier: MIT
#include "check/convert/tavrelo_writer.h"

#include "bank/line_class.h"
#include "bank/question_bank.h"
#include "check/output/output_file.h"
#include "check/rules/messages.h"
#include "check/rules/quote.h"

using namespace Qt::StringLiterals;

namespace {

class Writer final {
public:
    explicit Writer(TavreloCopy &copy) : m_copy(copy) {}

    void line(QStringView text, qint64 sourceLine, bool mended = false)
    {
        m_copy.text += text;
        m_copy.text += u"\r\n"_s;
        m_copy.sourceLines.push_back(sourceLine);
        m_copy.mended.push_back(mended);
    }

    // A text line as Tavrelo will show it: one that its reader would take for something else gets a space first.
    QString textLine(const QString &text, qint64 sourceLine)
    {
        const LineClass lineClass = classifyLine(text);
        if (lineClass.kind == LineKind::Text) {
            line(text, sourceLine);
            return text;
        }
        const QString mended = u' ' + text;
        line(mended, sourceLine, true);
        // A bank can hold thousands of such lines: the first few are listed, the rest counted.
        if (++m_mendedLines > ListedLineMends) {
            m_unlistedFrom = m_unlistedFrom > 0 ? m_unlistedFrom : sourceLine;
            return mended;
        }
        mend(sourceLine, lineClass.kind == LineKind::Answer
                             ? Messages::tr("the text line %1 would be taken for answer %2: it is written with a "
                                            "space before it")
                                   .arg(quote(text))
                                   .arg(QChar(u'A' + lineClass.answer - 1))
                             : Messages::tr("the text line %1 begins with \"Ве\", so Tavrelo would drop it or take it "
                                            "for a header: it is written with a space before it")
                                   .arg(quote(text)));
        return mended;
    }

    void mend(qint64 line, const QString &text) { m_copy.mends.push_back(Finding{line, Severity::Note, text}); }

    // One note for the text lines mended past those listed, at the first of them.
    void noteUnlisted()
    {
        if (m_mendedLines > ListedLineMends)
            mend(m_unlistedFrom, Messages::tr("%n more text line(s) are written with a space before them, as these "
                                              "are; they are not listed",
                                              nullptr, m_mendedLines - ListedLineMends));
    }

private:
    static constexpr int ListedLineMends = 10;
    TavreloCopy &m_copy;
    int m_mendedLines = 0;
    qint64 m_unlistedFrom = 0;
};

// One line, as an answer or a text line must be.
QString oneLine(QString text)
{
    return text.replace(u'\r', u' ').replace(u'\n', u' ');
}

} // namespace

TavreloCopy writeTavrelo(QStringView preamble, const std::vector<const SourceQuestion *> &questions)
{
    TavreloCopy copy;
    Writer writer(copy);
    for (qsizetype from = 0; from < preamble.size();) {
        qsizetype end = preamble.indexOf(u'\n', from);
        if (end < 0)
            end = preamble.size();
        const QStringView line = preamble.mid(from, end - from);
        from = end + 1;
        if (isCheckerMark(line))
            continue; // the file gets a new one
        // Before the first header nothing shows, but a header would start a question.
        if (classifyLine(line).kind == LineKind::Header)
            writer.line(u' ' + line.toString(), 0, true);
        else
            writer.line(line, 0);
    }
    for (const SourceQuestion *source : questions) {
        if (copy.questions.size() == QuestionBank::QuestionCapacity) {
            copy.notes.push_back(Finding{source->line, Severity::Warning,
                                         Messages::tr("question %1 and those after it are left out: Tavrelo loads "
                                                      "only the first %2 questions of a file")
                                             .arg(questionName(*source))
                                             .arg(QuestionBank::QuestionCapacity)});
            break;
        }
        // A blank line parts the questions; it joins the text of the one above, as Tavrelo reads it.
        if (!copy.questions.empty()) {
            writer.line(QString(), 0);
            copy.questions.back().textLines << QString();
        }
        TavreloCopy::Question &written = copy.questions.emplace_back(TavreloCopy::Question{.source = source});
        writer.line(source->header.isEmpty() ? u"Вес вопроса: 1"_s : source->header, source->line);
        for (const SourceLine &line : source->text) {
            if (!line.text.contains(u'\n') && !line.text.contains(u'\r')) {
                written.textLines << writer.textLine(line.text, line.line); // no copy of a string of its own
                continue;
            }
            for (const QString &part : line.text.split(u'\n')) {
                QString text = part;
                text.remove(u'\r');
                written.textLines << writer.textLine(text, line.line);
            }
        }
        for (size_t k = 0; k < source->answers.size() && k < 4; ++k) {
            const SourceAnswer &answer = source->answers[k];
            const QString letter = QString(QChar(u'A' + int(k))) + u')';
            const QString text = oneLine(answer.text);
            QString line = text.isEmpty() ? letter : letter + u' ' + text;
            written.answers[k] = line;
            bool mended = false;
            if (answer.right) {
                written.rightAnswer = int(k) + 1;
                line += AnswerMark;
            } else if (isMarkedAnswer(line)) {
                line += u' ';
                written.answers[k] = line;
                mended = true;
                writer.mend(answer.line, Messages::tr("the wrong answer %1 ends in \"*\", which would mark it right: "
                                                      "it is written with a space after it")
                                             .arg(quote(text)));
            }
            writer.line(line, answer.line, mended);
        }
    }
    writer.noteUnlisted();
    return copy;
}

QByteArray tavreloBytes(const TavreloCopy &copy)
{
    return copy.text.toUtf8();
}
