// SPDX-FileCopyrightText: 2026 The Tavrelo developers
// SPDX-License-Identifier: MIT
#include "tests/quiz/soak_file_generator.h"

#include "tests/support/windows1251.h"

#include <QList>
#include <QRandomGenerator>

#include <initializer_list>
#include <utility>

using namespace Qt::StringLiterals;

namespace soak {
namespace {

using support::toWindows1251;

QList<QByteArray> encoded(std::initializer_list<QStringView> texts)
{
    QList<QByteArray> encoded;
    for (QStringView text : texts)
        encoded << toWindows1251(text);
    return encoded;
}

const QByteArray &header()
{
    static const QByteArray header = toWindows1251(u"Вес вопроса:");
    return header;
}

// What follows the header's twelve characters: the weight, which the program never reads.
const QList<QByteArray> &weights()
{
    static const QList<QByteArray> weights = encoded({u"", u" 1", u" 3", u"10", u" тяжёлый", u"Вес вопроса:", u" *"});
    return weights;
}

// The words of question and answer texts: Cyrillic and Latin, and what a label or a button could take for markup
// or a keyboard mnemonic.
const QList<QByteArray> &vocabulary()
{
    // clang-format off
    static const QList<QByteArray> words = encoded({
        u"Какая", u"река", u"самая", u"длинная", u"в", u"Европе?", u"Волга", u"Дунай", u"ёж", u"Ёлка", u"«Общие",
        u"знания»", u"№5", u"—", u"Tom", u"Jerry", u"river", u"42", u"3.14", u"&", u"&&", u"&amp;", u"&lt;b&gt;",
        u"<b>жирный</b>", u"<i>x</i>", u"<br>", u"<html><body>HTML</body></html>", u"<font color=red>red</font>",
        u"<a href=\"x\">link</a>", u"&Save", u"*", u"**", u"A)", u"Ве", u"%1", u"%n", u"\\n", u"\t", u"  ", u"(", u")",
    });
    // clang-format on
    return words;
}

// Lines that begin with "Ве" and open no question: the reader drops them.
const QList<QByteArray> &droppedLines()
{
    static const QList<QByteArray> lines = encoded(
        {u"Вес вопроса :", u"Вес вопроса", u"Вес вопроса;1", u"Ве", u"Ведро", u"Вес: 1", u"Весна", u"Вес вопроса ещё"});
    return lines;
}

// Lines that look like a header or an answer but are question text.
const QList<QByteArray> &lookAlikes()
{
    static const QList<QByteArray> lines = encoded({u"вес вопроса: 2", u"ВЕС ВОПРОСА:", u"a) small", u" A) indented",
                                                    u"А) Cyrillic A", u"В) Cyrillic Ve", u"С) Cyrillic Es",
                                                    u"E) no answer", u"A ) gap", u"A", u"D", u")", u"A]"});
    return lines;
}

enum class LineEnds { CrLf, Lf, Cr, Mixed };

class FileWriter final {
public:
    explicit FileWriter(QRandomGenerator &random) : m_random(random)
    {
        const int ends = below(100);
        m_ends = ends < 80 ? LineEnds::CrLf : ends < 90 ? LineEnds::Lf : ends < 95 ? LineEnds::Cr : LineEnds::Mixed;
    }

    QuestionFile file(int questions)
    {
        if (chance(20)) {
            const int before = 1 + below(5);
            for (int i = 0; i < before; ++i)
                chance(30) ? answerLine(below(4), false) : anyTextLine();
        }
        for (int q = 0; q < questions; ++q)
            question();
        if (!m_file.bytes.isEmpty() && chance(15))
            m_file.bytes.chop(terminatorSize()); // a last line without its line end
        return m_file;
    }

private:
    int below(int n) { return n > 0 ? int(m_random.bounded(quint32(n))) : 0; }
    bool chance(int percent) { return below(100) < percent; }
    int between(int low, int high) { return low + below(high - low + 1); }
    template<class T> const T &pick(const QList<T> &list) { return list.at(below(int(list.size()))); }

    void line(const QByteArray &text)
    {
        if (text.startsWith(header()))
            ++m_file.headers;
        m_file.bytes += text;
        LineEnds ends = m_ends;
        if (ends == LineEnds::Mixed)
            ends = LineEnds(below(3));
        m_file.bytes += ends == LineEnds::CrLf ? "\r\n" : ends == LineEnds::Lf ? "\n" : "\r";
        m_lastTerminator = ends == LineEnds::CrLf ? 2 : 1;
    }

    int terminatorSize() const { return m_lastTerminator; }

    QByteArray words(int count)
    {
        QByteArray text;
        for (int i = 0; i < count; ++i) {
            if (i > 0)
                text += ' ';
            text += pick(vocabulary());
        }
        return text;
    }

    // Any byte but CR and LF: the reader takes every one of them for a character.
    QByteArray rawBytes(int count)
    {
        QByteArray bytes;
        for (int i = 0; i < count; ++i) {
            char byte = char(below(256));
            if (byte == '\r' || byte == '\n')
                byte = '\0';
            bytes += byte;
        }
        return bytes;
    }

    // Text that does not begin like a header or an answer.
    void textLine()
    {
        const int kind = below(100);
        if (kind < 8)
            line({});
        else if (kind < 11)
            line(words(between(200, 1200))); // a long line, wrapped by the label
        else if (kind < 14)
            line("x" + rawBytes(between(1, 80)));
        else
            line(words(between(1, 10)));
    }

    void anyTextLine()
    {
        const int kind = below(100);
        if (kind < 10)
            line(pick(droppedLines()));
        else if (kind < 20)
            line(pick(lookAlikes()));
        else
            textLine();
    }

    // Answer `answer` (0 for "A)"), marked right or not; some lines mark nothing with a "*" that is no mark.
    void answerLine(int answer, bool marked)
    {
        QByteArray text(1, char('A' + answer));
        text += ')';
        if (!(marked && chance(10))) // "B)*": a marked answer that holds its marker alone
            text += (chance(80) ? " " : "") + words(between(0, 6));
        if (marked)
            text += chance(10) ? "**" : "*";
        else if (chance(5))
            text += "* "; // a "*" before a space marks nothing
        line(text);
    }

    void question()
    {
        line(header() + pick(weights()));

        int textLines = between(0, 3);
        if (chance(2))
            textLines = between(30, 200); // a long text
        const bool textAfterAnswers = chance(10);
        if (!textAfterAnswers)
            textBody(textLines);

        // Which answers the file holds, in which order, which of them are marked and which come again.
        QList<int> answers;
        const int set = chance(60) ? 15 : below(16);
        for (int a = 0; a < 4; ++a) {
            if (set & (1 << a))
                answers << a;
        }
        if (chance(20)) {
            for (qsizetype i = answers.size() - 1; i > 0; --i)
                std::swap(answers[i], answers[below(int(i) + 1)]);
        }
        if (!answers.isEmpty() && chance(10))
            answers << pick(answers);
        QVector<bool> marks(answers.size(), false);
        if (!answers.isEmpty()) {
            const int markKind = below(100);
            const int markCount = markKind < 20 ? 0 : markKind < 85 ? 1 : 2;
            for (int m = 0; m < markCount; ++m)
                marks[below(int(answers.size()))] = true;
        }
        for (qsizetype i = 0; i < answers.size(); ++i) {
            answerLine(answers[i], marks[i]);
            if (chance(5))
                anyTextLine();
        }

        if (textAfterAnswers)
            textBody(textLines);
        if (chance(30))
            line({}); // the blank line people leave between questions
    }

    void textBody(int lines)
    {
        for (int i = 0; i < lines; ++i)
            chance(10) ? anyTextLine() : textLine();
    }

    QRandomGenerator &m_random;
    LineEnds m_ends;
    QuestionFile m_file;
    int m_lastTerminator = 2;
};

} // namespace

QuestionFile randomQuestionFile(QRandomGenerator &random)
{
    const int shape = int(random.bounded(100u));
    if (shape < 3)
        return QuestionFile{.exists = false};
    if (shape < 6)
        return QuestionFile{};
    const auto between = [&](int low, int high) { return low + int(random.bounded(quint32(high - low + 1))); };
    int questions;
    if (shape < 10)
        questions = 0;
    else if (shape < 22)
        questions = 1;
    else if (shape < 57)
        questions = between(2, 10);
    else if (shape < 82)
        questions = between(11, 200);
    else if (shape < 88)
        questions = between(201, 999);
    else if (shape < 94)
        questions = 1000;
    else
        questions = between(1001, 1100);
    return FileWriter(random).file(questions);
}

} // namespace soak
