// SPDX-FileCopyrightText: 2026 The Tavrelo developers
// SPDX-License-Identifier: MIT
#include "check/convert/office/paragraph_questions.h"

#include "check/convert/office/answer_key.h"
#include "check/rules/messages.h"

#include <QRegularExpression>

#include <algorithm>
#include <optional>

using namespace Qt::StringLiterals;

namespace {

// A paragraph's number or letter, as its list shows it or as it is typed.
struct Label {
    bool digit = false;
    int value = 0; // a number's value; for a letter, its place in its alphabet from 1
    QChar letter;
    QChar separator; // ")" or "."
};

std::optional<Label> parseLabel(const QString &text)
{
    static const QRegularExpression label(u"^\\s*(\\d{1,3}|[A-Za-zА-Яа-яЁё])\\s*([.)])?\\s*$"_s);
    // A list's number may hold its outer levels ("1.2)"): the last part counts.
    const qsizetype dot = text.lastIndexOf(u'.', -2);
    const QRegularExpressionMatch match = label.match(dot >= 0 ? text.mid(dot + 1) : text);
    if (!match.hasMatch())
        return std::nullopt;
    Label parsed;
    const QString core = match.captured(1);
    parsed.separator = match.capturedLength(2) > 0 ? match.captured(2).at(0) : QChar(u'.');
    parsed.digit = core[0].isDigit();
    if (parsed.digit) {
        parsed.value = core.toInt();
        return parsed;
    }
    parsed.letter = core[0].toLower();
    static const QString russian = u"абвгдежзиклмнопрстуфхцчшщэюя"_s;
    static const QString latin = u"abcdefghijklmnopqrstuvwxyz"_s;
    const qsizetype place = russian.indexOf(parsed.letter);
    parsed.value = int(place >= 0 ? place : latin.indexOf(parsed.letter)) + 1;
    return parsed;
}

// A number or letter typed at the start of a paragraph: "1.", "1)", "б)", "А." (a "." only before a space or the
// end, so that "3.14" stays text), with a "*" or "+" before it; its length.
struct Typed {
    Label label;
    qsizetype length = 0;
    bool marked = false;
};

std::optional<Typed> typedLabel(const QString &text)
{
    static const QRegularExpression typed(
        u"^\\s*([*+]\\s*)?(\\d{1,3}|[A-Za-zА-Яа-яЁё])\\s*(\\)|\\.(?=\\s|$))[ \\t\\x{A0}]*"_s);
    const QRegularExpressionMatch match = typed.match(text);
    if (!match.hasMatch())
        return std::nullopt;
    const std::optional<Label> label = parseLabel(match.captured(2) + match.captured(3));
    if (!label)
        return std::nullopt;
    return Typed{*label, match.capturedLength(), match.capturedLength(1) > 0};
}

// A paragraph whose last lines are answers lettered from "а" (typed with line breaks, as in a table's cell) is
// taken as its question's lines, then a paragraph for each answer; others as they are.
void splitAnswerLines(const OfficeParagraph &paragraph, std::vector<OfficeParagraph> &into)
{
    const QStringList lines = paragraph.text.split(u'\n');
    qsizetype first = lines.size();
    while (first > 1) {
        const std::optional<Typed> typed = typedLabel(lines[first - 1]);
        if (!typed || typed->label.digit)
            break;
        --first;
    }
    const auto letterAt = [&](qsizetype line) { return typedLabel(lines[line])->label.value; };
    bool lettered = lines.size() - first >= 2 && lines.size() - first <= 4;
    for (qsizetype line = first; lettered && line < lines.size(); ++line)
        lettered = letterAt(line) == line - first + 1;
    if (!lettered) {
        into.push_back(paragraph);
        return;
    }
    const auto piece = [&](qsizetype from, qsizetype length, bool keepsLabel) {
        OfficeParagraph part = paragraph;
        if (!keepsLabel)
            part.label.clear();
        part.text = paragraph.text.mid(from, length);
        part.emphasis = paragraph.emphasis.mid(from, length);
        into.push_back(std::move(part));
    };
    qsizetype at = 0;
    for (qsizetype line = 0; line < first; ++line)
        at += lines[line].size() + 1;
    piece(0, at - 1, true);
    for (qsizetype line = first; line < lines.size(); ++line) {
        piece(at, lines[line].size(), false);
        at += lines[line].size() + 1;
    }
}

// A paragraph as the layout sees it.
struct Item {
    const OfficeParagraph *paragraph = nullptr;
    std::optional<Label> label;
    bool fromList = false;
    QStringList lines;      // the text without its label
    qsizetype textFrom = 0; // where the text without its label begins in the paragraph's
    bool marked = false;    // a "*" or "+" before or after it
};

Item itemOf(const OfficeParagraph &paragraph, const std::optional<Label> &tableNumber)
{
    Item item;
    item.paragraph = &paragraph;
    QString text = paragraph.text;
    if (!paragraph.label.isEmpty()) {
        item.label = parseLabel(paragraph.label);
        item.fromList = item.label.has_value();
    }
    if (!item.label) {
        if (const std::optional<Typed> typed = typedLabel(text)) {
            item.label = typed->label;
            item.marked = typed->marked;
            item.textFrom = typed->length;
        } else if (tableNumber) {
            item.label = tableNumber;
        }
    }
    text = text.mid(item.textFrom);
    // A mark before the text or after it.
    const QString trimmed = text.trimmed();
    if (!trimmed.isEmpty() && (trimmed.front() == u'*' || trimmed.front() == u'+')) {
        item.marked = true;
        text = trimmed.mid(1);
    } else if (trimmed.size() > 1 && (trimmed.back() == u'*' || trimmed.back() == u'+')) {
        item.marked = true;
        text = trimmed.left(trimmed.size() - 1);
    }
    for (const QString &line : text.split(u'\n'))
        item.lines << line.trimmed();
    while (!item.lines.isEmpty() && item.lines.back().isEmpty())
        item.lines.removeLast();
    while (!item.lines.isEmpty() && item.lines.front().isEmpty())
        item.lines.removeFirst();
    return item;
}

bool isTableNumber(const OfficeParagraph &paragraph)
{
    static const QRegularExpression number(u"^\\s*\\d{1,3}\\s*[.)]?\\s*$"_s);
    return paragraph.column == 1
        && (number.match(paragraph.text).hasMatch()
            || (paragraph.text.trimmed().isEmpty() && !paragraph.label.isEmpty()));
}

// A letter's place in the Latin alphabet, with the Cyrillic letters that pass for Latin ones (А, В, С, Е).
int latinPlace(QChar letter)
{
    static const QString latin = u"abcdefghijklmnopqrstuvwxyz"_s;
    static const QString cyrillic = u"авсе"_s;
    static const QString asLatin = u"abce"_s;
    const qsizetype lookAlike = cyrillic.indexOf(letter);
    return int(latin.indexOf(lookAlike >= 0 ? asLatin.at(lookAlike) : letter)) + 1;
}

struct Building {
    SourceQuestion question;
    std::optional<Label> label;
    int level = 0;
    bool fromList = false;
    std::vector<Item> answers;
};

class Layout {
public:
    explicit Layout(SourceQuiz &quiz) : m_quiz(quiz) {}

    void take(const Item &item)
    {
        if (!item.label) {
            if (item.lines.isEmpty())
                return;
            if (m_current && m_current->answers.empty())
                addText(item); // more lines of the question's text
            else
                m_plain.push_back(item);
            return;
        }
        if (m_current && m_plain.empty() && isAnswer(item)) {
            m_current->answers.push_back(item);
            return;
        }
        if (!item.label->digit && (!m_plain.empty() || !m_current)) {
            // Letters after plain paragraphs: those ask the question.
            startFromPlain();
            m_current->answers.push_back(item);
            return;
        }
        finish();
        flushPlain();
        m_current.emplace();
        m_current->question.line = item.paragraph->number;
        m_current->label = item.label;
        m_current->level = item.paragraph->level;
        m_current->fromList = item.fromList;
        if (!item.label->digit)
            m_current->answers.push_back(item); // letters starting again: a question without text
        else
            addText(item);
    }

    bool started() const { return m_current.has_value() || !m_built.empty(); }

    void finish()
    {
        if (!m_current)
            return;
        SourceQuestion &question = m_current->question;
        if (question.line == 0 && !m_current->answers.empty())
            question.line = m_current->answers.front().paragraph->number;
        question.number = int(m_quiz.questions.size()) + 1;
        for (const Item &answer : m_current->answers) {
            SourceAnswer written;
            written.text = answer.lines.join(u' ');
            written.line = answer.paragraph->number;
            question.answers.push_back(written);
        }
        m_built.push_back(std::move(*m_current));
        m_quiz.questions.push_back(m_built.back().question);
        m_current.reset();
    }

    // Paragraphs after the last question's answers that no answers follow.
    void flushPlain()
    {
        for (const Item &item : m_plain) {
            if (m_quiz.questions.empty() && m_built.empty()) {
                for (const QString &line : item.lines)
                    m_quiz.preamble += line + u'\n';
            } else {
                m_quiz.notes.push_back(Finding{item.paragraph->number, Severity::Note,
                                               Messages::tr("this paragraph between questions is left out: it is "
                                                            "no question, and no answers follow it")});
            }
        }
        m_plain.clear();
    }

    std::vector<Building> &built() { return m_built; }

private:
    bool isAnswer(const Item &item) const
    {
        const Label &label = *item.label;
        const Building &current = *m_current;
        if (!current.answers.empty()) {
            const Item &previous = current.answers.back();
            const Label &last = *previous.label;
            if (last.digit != label.digit || last.separator != label.separator)
                return false;
            if (item.fromList && previous.fromList && item.paragraph->level != previous.paragraph->level)
                return false;
            const int next = int(current.answers.size()) + 1;
            return label.value == next || (!label.digit && latinPlace(label.letter) == next);
        }
        if (!label.digit)
            return true;
        // Numbered answers after a numbered question: deeper in its list, or counting from 1 on their own.
        if (item.fromList && current.fromList && item.paragraph->level > current.level)
            return true;
        return label.value == 1 && current.label
            && (current.label->separator != label.separator || current.label->value != 1);
    }

    void addText(const Item &item)
    {
        for (const QString &line : item.lines)
            m_current->question.text.push_back(SourceLine{line, item.paragraph->number});
    }

    // A question begins with the plain paragraphs just before its answers; before the first question only the
    // last of them, the others being the test's title.
    void startFromPlain()
    {
        finish();
        std::vector<Item> plain = std::move(m_plain);
        m_plain.clear();
        if (m_built.empty() && plain.size() > 1) {
            m_plain.assign(plain.begin(), plain.end() - 1);
            flushPlain();
            plain.erase(plain.begin(), plain.end() - 1);
        }
        m_current.emplace();
        m_current->question.line = plain.empty() ? 0 : plain.front().paragraph->number;
        for (const Item &item : plain)
            addText(item);
    }

    SourceQuiz &m_quiz;
    std::optional<Building> m_current;
    std::vector<Item> m_plain;
    std::vector<Building> m_built;
};

// The answer a key's letter or number names among a question's answers.
std::optional<size_t> keyedAnswer(const Building &question, QChar key)
{
    const QChar letter = key.toLower();
    for (size_t i = 0; i < question.answers.size(); ++i) {
        const Label &label = *question.answers[i].label;
        if ((label.digit && key.isDigit() && label.value == key.digitValue())
            || (!label.digit && label.letter == letter))
            return i;
    }
    const std::optional<Label> label = parseLabel(QString(key));
    if (label && label->value >= 1 && size_t(label->value) <= question.answers.size())
        return size_t(label->value - 1);
    return std::nullopt;
}

// The one answer set apart from the others by its formatting, if exactly one is; how many are, in count.
std::optional<size_t> formattedAnswer(const Building &question, int &count)
{
    count = 0;
    if (question.answers.size() < 2)
        return std::nullopt;
    std::vector<quint8> emphasis;
    quint8 common = 0xFF;
    for (const Item &answer : question.answers) {
        emphasis.push_back(emphasisFrom(*answer.paragraph, answer.textFrom));
        common &= emphasis.back();
    }
    std::optional<size_t> found;
    for (size_t i = 0; i < emphasis.size(); ++i) {
        if ((emphasis[i] & ~common) != 0) {
            found = i;
            ++count;
        }
    }
    return count == 1 ? found : std::nullopt;
}

QString letterOf(const Building &question, size_t answer)
{
    const Item &item = question.answers[answer];
    if (item.paragraph->label.isEmpty()) {
        const std::optional<Typed> typed = typedLabel(item.paragraph->text);
        return typed ? item.paragraph->text.left(typed->length).trimmed() : QString::number(answer + 1);
    }
    return item.paragraph->label;
}

} // namespace

SourceQuiz paragraphQuestions(const OfficeDocument &document)
{
    SourceQuiz quiz;
    quiz.notes = document.notes;
    Layout layout(quiz);
    std::vector<OfficeParagraph> paragraphs;
    paragraphs.reserve(document.paragraphs.size());
    for (const OfficeParagraph &paragraph : document.paragraphs)
        splitAnswerLines(paragraph, paragraphs);
    std::optional<Label> tableNumber;
    int tableRow = 0;
    size_t keyAt = paragraphs.size();
    for (size_t i = 0; i < paragraphs.size(); ++i) {
        const OfficeParagraph &paragraph = paragraphs[i];
        if (paragraph.row != tableRow) {
            tableNumber.reset();
            tableRow = paragraph.row;
        }
        if (layout.started() && paragraph.label.isEmpty() && opensAnswerKey(paragraph.text)) {
            keyAt = i;
            break;
        }
        if (paragraph.row > 0 && isTableNumber(paragraph)) {
            tableNumber = parseLabel(paragraph.label.isEmpty() ? paragraph.text.trimmed() : paragraph.label);
            continue;
        }
        layout.take(itemOf(paragraph, tableNumber));
        tableNumber.reset();
    }
    layout.finish();
    layout.flushPlain();

    // The key: its heading's paragraph and all after it, a table's row on one line.
    std::vector<std::optional<size_t>> keyed(quiz.questions.size());
    std::vector<qint64> keyLines(quiz.questions.size());
    if (keyAt < paragraphs.size()) {
        QString text;
        int row = -1;
        for (size_t i = keyAt; i < paragraphs.size(); ++i) {
            const OfficeParagraph &paragraph = paragraphs[i];
            text += (paragraph.row > 0 && paragraph.row == row) ? u" "_s : u"\n"_s;
            row = paragraph.row;
            text += (paragraph.label + u' ' + paragraph.text).trimmed();
            if (text.size() > 1000000)
                break;
        }
        const qint64 keyLine = paragraphs[keyAt].number;
        int found = 0;
        for (const KeyPair &pair : keyPairs(text)) {
            // The key counts questions as the document numbers them.
            const auto question = std::find_if(layout.built().begin(), layout.built().end(), [&](const Building &b) {
                return b.label && b.label->digit ? b.label->value == pair.question : b.question.number == pair.question;
            });
            if (question == layout.built().end()) {
                quiz.notes.push_back(Finding{keyLine, Severity::Warning,
                                             Messages::tr("the key names question %1, which the document does not "
                                                          "hold")
                                                 .arg(pair.question)});
                continue;
            }
            const size_t index = size_t(question - layout.built().begin());
            keyed[index] = keyedAnswer(*question, pair.answer);
            keyLines[index] = keyLine;
            if (!keyed[index]) {
                quiz.notes.push_back(Finding{keyLine, Severity::Warning,
                                             Messages::tr("the key gives question %1 the answer %2, which it does not "
                                                          "have")
                                                 .arg(pair.question)
                                                 .arg(pair.answer)});
            }
            ++found;
        }
        if (found == 0) {
            quiz.notes.push_back(Finding{keyLine, Severity::Warning,
                                         Messages::tr("this looks like a key of answers, but it holds no pair of a "
                                                      "question's number and an answer's letter, as \"1 – б\"")});
        }
    }

    for (size_t q = 0; q < quiz.questions.size(); ++q) {
        SourceQuestion &question = quiz.questions[q];
        const Building &building = layout.built()[q];
        std::vector<size_t> starred;
        for (size_t i = 0; i < building.answers.size(); ++i) {
            if (building.answers[i].marked)
                starred.push_back(i);
        }
        int setApart = 0;
        const std::optional<size_t> formatted = formattedAnswer(building, setApart);
        // Each way of marking that the question uses, with what it says.
        std::vector<std::pair<QString, size_t>> marks;
        if (starred.size() == 1)
            marks.emplace_back(Messages::tr("the \"*\" or \"+\""), starred.front());
        if (formatted)
            marks.emplace_back(Messages::tr("the formatting"), *formatted);
        if (keyed[q])
            marks.emplace_back(Messages::tr("the key"), *keyed[q]);
        if (starred.size() > 1) {
            for (const size_t i : starred)
                question.answers[i].right = true;
            continue;
        }
        if (marks.empty()) {
            if (setApart > 1) {
                quiz.notes.push_back(Finding{question.line, Severity::Warning,
                                             Messages::tr("%1 answers of question %2 are set apart by bold, "
                                                          "underline, highlight or colour, so none is taken as right")
                                                 .arg(setApart)
                                                 .arg(questionName(question))});
            }
            continue;
        }
        const bool agree = std::all_of(marks.begin(), marks.end(),
                                       [&](const auto &mark) { return mark.second == marks.front().second; });
        if (agree) {
            question.answers[marks.front().second].right = true;
            continue;
        }
        QStringList said;
        for (const auto &[how, answer] : marks)
            said << Messages::tr("%1 marks %2", "the key marks б)").arg(how, letterOf(building, answer));
        quiz.notes.push_back(Finding{question.line, Severity::Warning,
                                     Messages::tr("the marks of question %1 disagree (%2), so none is taken")
                                         .arg(questionName(question), said.join(u", "_s))});
    }
    return quiz;
}
