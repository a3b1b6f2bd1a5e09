// SPDX-FileCopyrightText: 2026 The Tavrelo developers
// SPDX-License-Identifier: MIT
#include "check/convert/gift_reader.h"

#include "check/convert/plain_text.h"
#include "check/rules/messages.h"

#include <algorithm>
#include <optional>

using namespace Qt::StringLiterals;

namespace {

bool isEscapable(QChar ch)
{
    return ch == u'\\' || ch == u'~' || ch == u'=' || ch == u'#' || ch == u'{' || ch == u'}' || ch == u':'
        || ch == u'n';
}

// Where the text first holds what, not escaped by a backslash, from a position on; -1 for nowhere.
qsizetype findUnescaped(QStringView text, QStringView what, qsizetype from = 0)
{
    for (qsizetype i = from; i < text.size(); ++i) {
        if (text[i] == u'\\' && i + 1 < text.size() && isEscapable(text[i + 1])) {
            ++i;
            continue;
        }
        if (text.mid(i).startsWith(what))
            return i;
    }
    return -1;
}

QString unescape(QStringView text)
{
    QString plain;
    plain.reserve(text.size());
    for (qsizetype i = 0; i < text.size(); ++i) {
        if (text[i] == u'\\' && i + 1 < text.size() && isEscapable(text[i + 1])) {
            ++i;
            plain += text[i] == u'n' ? QChar(u'\n') : text[i];
        } else {
            plain += text[i];
        }
    }
    return plain;
}

// A text with GIFT's escapes undone, pieced from parts of a block, which can tell where each of its characters stood
// in the block: from where each part began and where escapes dropped a backslash (few, so little is kept).
class Unescaped final {
public:
    // A part of the block from `base` on; fixed: a text of our own, all of it standing at `base`.
    void append(QStringView part, qsizetype base, bool fixed = false)
    {
        m_parts.push_back(Part{m_text.size(), base, fixed, m_escapes.size()});
        m_text.reserve(m_text.size() + part.size());
        for (qsizetype i = 0; i < part.size(); ++i) {
            if (!fixed && part[i] == u'\\' && i + 1 < part.size() && isEscapable(part[i + 1])) {
                ++i;
                m_escapes.push_back(m_text.size());
                m_text += part[i] == u'n' ? QChar(u'\n') : part[i];
            } else {
                m_text += part[i];
            }
        }
    }
    const QString &text() const { return m_text; }
    qsizetype originOf(qsizetype at) const
    {
        const auto part = std::upper_bound(m_parts.begin(), m_parts.end(), at,
                                           [](qsizetype position, const Part &p) { return position < p.start; });
        if (part == m_parts.begin())
            return 0;
        const Part &p = *(part - 1);
        if (p.fixed)
            return p.base;
        // Each escape before `at` in this part stood for two characters of the block.
        const auto escapes = std::upper_bound(m_escapes.begin() + qsizetype(p.firstEscape), m_escapes.end(), at);
        return p.base + (at - p.start) + (escapes - (m_escapes.begin() + qsizetype(p.firstEscape)));
    }

private:
    struct Part {
        qsizetype start; // in the text
        qsizetype base;  // in the block
        bool fixed;
        size_t firstEscape;
    };
    QString m_text;
    std::vector<Part> m_parts;
    std::vector<qsizetype> m_escapes; // where in the text a character came from an escape
};

qsizetype skipSpaces(QStringView text, qsizetype from)
{
    while (from < text.size() && text[from].isSpace())
        ++from;
    return from;
}

// A weight at the start of an answer, "%50%" or "%-33.3%", and how long it is.
std::optional<std::pair<double, qsizetype>> weightAt(QStringView answer)
{
    if (!answer.startsWith(u'%'))
        return std::nullopt;
    const qsizetype end = answer.indexOf(u'%', 1);
    if (end < 0)
        return std::nullopt;
    const QStringView number = answer.mid(1, end - 1);
    const qsizetype digitsFrom = number.startsWith(u'-') ? 1 : 0;
    const qsizetype point = number.indexOf(u'.');
    const auto digits = [](QStringView part) {
        return !part.isEmpty()
            && std::all_of(part.begin(), part.end(), [](QChar ch) { return ch >= u'0' && ch <= u'9'; });
    };
    const bool wellFormed = point < 0
                              ? digits(number.mid(digitsFrom))
                              : digits(number.mid(digitsFrom, point - digitsFrom)) && digits(number.mid(point + 1));
    if (!wellFormed)
        return std::nullopt;
    return std::pair{number.toDouble(), end + 1};
}

// A format tag at the start of a text, and the text after it.
std::optional<TextFormat> takeFormatTag(QStringView &text)
{
    static const std::pair<QStringView, TextFormat> tags[] = {{u"[html]", TextFormat::Html},
                                                              {u"[moodle]", TextFormat::Moodle},
                                                              {u"[plain]", TextFormat::Plain},
                                                              {u"[markdown]", TextFormat::Markdown}};
    for (const auto &[tag, format] : tags) {
        if (text.startsWith(tag)) {
            text = text.mid(tag.size());
            return format;
        }
    }
    return std::nullopt;
}

// A block of the file, its lines joined by LF with their numbers kept, so that a place in it names its line.
class Block final {
public:
    void add(qint64 number, const QString &line)
    {
        if (!m_starts.empty())
            m_text += u'\n';
        m_starts.push_back(m_text.size());
        m_numbers.push_back(number);
        m_text += line;
    }
    bool isEmpty() const { return m_starts.empty(); }
    const QString &text() const { return m_text; }
    qint64 lineAt(qsizetype position) const
    {
        const auto after = std::upper_bound(m_starts.begin(), m_starts.end(), position);
        return m_numbers[size_t(std::max<std::ptrdiff_t>(after - m_starts.begin() - 1, 0))];
    }
    qint64 firstLine() const { return m_numbers.front(); }

private:
    QString m_text;
    std::vector<qsizetype> m_starts;
    std::vector<qint64> m_numbers;
};

class GiftReader final {
public:
    SourceQuiz read(const NextLine &nextLine)
    {
        Block block;
        for (qint64 number = 1;; ++number) {
            const std::optional<QString> line = nextLine();
            const QString trimmed = line ? line->trimmed() : QString();
            if (trimmed.startsWith(u"//"))
                continue; // a comment neither ends a question nor belongs to it
            if (!trimmed.isEmpty()) {
                // Moodle takes the "$CATEGORY:" lines that begin a block as a category's name; a question typed
                // right below them is kept.
                if (!block.isEmpty() || !trimmed.startsWith(u"$CATEGORY:"))
                    block.add(number, *line);
                continue;
            }
            if (!block.isEmpty())
                readBlock(block);
            block = Block();
            if (!line)
                break;
        }
        return std::move(m_quiz);
    }

private:
    void readBlock(const Block &block)
    {
        SourceQuestion question;
        question.number = ++m_number;
        question.line = block.firstLine();
        if (readQuestion(block, question))
            m_quiz.questions.push_back(std::move(question));
        else
            ++m_quiz.unreadable;
    }

    void warn(qint64 line, const QString &text) { m_quiz.notes.push_back(Finding{line, Severity::Warning, text}); }

    bool readQuestion(const Block &block, SourceQuestion &question)
    {
        const QStringView text = block.text();
        qsizetype pos = skipSpaces(text, 0);
        if (text.mid(pos).startsWith(u"::")) {
            const qsizetype end = findUnescaped(text, u"::", pos + 2);
            if (end < 0) {
                warn(question.line,
                     Messages::tr("question %1 is left out: its title has no closing \"::\"").arg(question.number));
                return false;
            }
            question.title = unescape(text.mid(pos + 2, end - pos - 2)).trimmed();
            pos = skipSpaces(text, end + 2);
        }
        QStringView body = text.mid(pos);
        const TextFormat format = takeFormatTag(body).value_or(TextFormat::Moodle);
        pos = text.size() - body.size();

        const qsizetype open = findUnescaped(text, u"{", pos);
        if (open < 0) {
            question.kind = QuestionKind::Description;
            Unescaped whole;
            whole.append(text.mid(pos), pos);
            setText(block, question, whole, format);
            return true;
        }
        const qsizetype close = findUnescaped(text, u"}", open + 1);
        if (close < 0) {
            warn(block.lineAt(open), Messages::tr("question %1 is left out: its answers, opened with \"{\", are never "
                                                  "closed with \"}\"")
                                         .arg(questionName(question)));
            return false;
        }
        const QStringView after = text.mid(close + 1);
        if (const qsizetype second = findUnescaped(after, u"{"); second >= 0) {
            warn(block.lineAt(close + 1 + second),
                 Messages::tr("question %1 is left out: a second \"{\" follows its answers; a blank line must part "
                              "two questions")
                     .arg(questionName(question)));
            return false;
        }
        // Text after the answers makes a sentence with a gap where they stand.
        Unescaped sentence;
        sentence.append(text.mid(pos, open - pos), pos);
        if (!after.trimmed().isEmpty()) {
            sentence.append(u"_____", open, true);
            sentence.append(after, close + 1);
        }
        setText(block, question, sentence, format);
        readAnswers(block, open + 1, close, format, question);
        return !m_answerWithoutText;
    }

    // Each line at the line of the file it begins on.
    void setText(const Block &block, SourceQuestion &question, const Unescaped &text, TextFormat format)
    {
        const PlainText plain = plainText(text.text(), format);
        for (qsizetype k = 0; k < plain.lines.size(); ++k) {
            const qint64 line = block.lineAt(text.originOf(plain.starts[size_t(k)]));
            question.text.push_back(SourceLine{plain.lines[k], line});
        }
        if (plain.media)
            question.imageLine = block.lineAt(text.originOf(plain.mediaAt));
        if (plain.raisedAsSigns)
            question.raisedLine = block.lineAt(text.originOf(plain.raisedAt));
    }

    void readAnswers(const Block &block, qsizetype from, qsizetype to, TextFormat format, SourceQuestion &question)
    {
        m_answerWithoutText = false;
        QStringView answers = QStringView(block.text()).mid(from, to - from);
        if (const qsizetype general = findUnescaped(answers, u"####"); general >= 0) {
            if (!answers.mid(general + 4).trimmed().isEmpty())
                question.feedbackLine = block.lineAt(from + general);
            answers = answers.left(general);
        }
        const QStringView trimmed = answers.trimmed();
        if (trimmed.isEmpty()) {
            question.kind = QuestionKind::Essay;
            return;
        }
        if (trimmed.front() == u'#') {
            question.kind = QuestionKind::Numerical;
            return;
        }
        if (findUnescaped(trimmed, u"~") < 0) {
            if (findUnescaped(trimmed, u"=") >= 0 && trimmed.contains(u"->")) {
                question.kind = QuestionKind::Matching;
                return;
            }
            const qsizetype feedback = findUnescaped(trimmed, u"#");
            const QStringView truth = (feedback < 0 ? trimmed : trimmed.left(feedback)).trimmed();
            const bool trueFalse = truth == u"T" || truth == u"TRUE" || truth == u"F" || truth == u"FALSE";
            question.kind = trueFalse ? QuestionKind::TrueFalse : QuestionKind::ShortAnswer;
            return;
        }
        // Multiple choice: each answer begins at a "~" or a "=" that no backslash escapes.
        std::vector<qsizetype> starts;
        for (qsizetype i = 0; i < answers.size(); ++i) {
            if (answers[i] == u'\\' && i + 1 < answers.size() && isEscapable(answers[i + 1]))
                ++i;
            else if (answers[i] == u'~' || answers[i] == u'=')
                starts.push_back(i);
        }
        // Moodle takes text before the first answer as a wrong answer.
        if (!answers.left(starts.front()).trimmed().isEmpty())
            readAnswer(block, from, answers.left(starts.front()), u'~', format, question);
        for (size_t k = 0; k < starts.size(); ++k) {
            const qsizetype end = k + 1 < starts.size() ? starts[k + 1] : answers.size();
            readAnswer(block, from + starts[k] + 1, answers.mid(starts[k] + 1, end - starts[k] - 1), answers[starts[k]],
                       format, question);
        }
    }

    void readAnswer(const Block &block, qsizetype at, QStringView body, QChar marker, TextFormat format,
                    SourceQuestion &question)
    {
        SourceAnswer answer{.line = block.lineAt(at)};
        body = body.trimmed();
        std::optional<double> weight;
        if (const std::optional<std::pair<double, qsizetype>> found = weightAt(body)) {
            weight = found->first;
            body = body.mid(found->second).trimmed();
        }
        if (const qsizetype feedback = findUnescaped(body, u"#"); feedback >= 0) {
            if (!body.mid(feedback + 1).trimmed().isEmpty())
                question.feedbackLine = question.feedbackLine > 0 ? question.feedbackLine : answer.line;
            body = body.left(feedback).trimmed();
        }
        const TextFormat answerFormat = takeFormatTag(body).value_or(format);
        const PlainText plain = plainText(unescape(body), answerFormat);
        answer.text = plain.lines.join(u' ');
        if (plain.raisedAsSigns)
            question.raisedLine = question.raisedLine > 0 ? question.raisedLine : answer.line;
        if (plain.media) {
            if (answer.text.isEmpty()) {
                warn(answer.line, Messages::tr("question %1 is left out: one of its answers is an image or other "
                                               "media alone, which Tavrelo cannot show")
                                      .arg(questionName(question)));
                m_answerWithoutText = true;
            }
            question.imageLine = question.imageLine > 0 ? question.imageLine : answer.line;
        }
        const double full = weight.value_or(marker == u'=' ? 100 : 0);
        answer.right = full == 100;
        answer.partial = full > 0 && full != 100;
        if (answer.text.isEmpty() && !plain.media) {
            // Moodle leaves out an answer without text, and a question whose right answer that was.
            if (answer.right) {
                warn(answer.line, Messages::tr("question %1 is left out: its right answer has no text, and Moodle "
                                               "leaves out an answer without text")
                                      .arg(questionName(question)));
                m_answerWithoutText = true;
            } else {
                m_quiz.notes.push_back(Finding{answer.line, Severity::Note,
                                               Messages::tr("an answer without text is left out, as Moodle leaves "
                                                            "it out")});
            }
            return;
        }
        if (full < 0)
            question.penaltyLine = question.penaltyLine > 0 ? question.penaltyLine : answer.line;
        question.answers.push_back(std::move(answer));
    }

    SourceQuiz m_quiz;
    int m_number = 0;
    bool m_answerWithoutText = false;
};

} // namespace

SourceQuiz readGift(const NextLine &nextLine)
{
    return GiftReader().read(nextLine);
}
