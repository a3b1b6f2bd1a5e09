// SPDX-FileCopyrightText: 2026 The Tavrelo developers
// SPDX-License-Identifier: MIT
#include "check/page/section_html.h"

#include "check/page/html_text.h"
#include "check/rules/line_rules.h"
#include "check/rules/messages.h"

#include <cstring>
#include <limits>

namespace {

int clampedCount(qint64 count)
{
    return int(qMin<qint64>(count, std::numeric_limits<int>::max()));
}

QChar answerLetter(int answer)
{
    return QChar(u'A' + answer - 1);
}

// Bytes of the page's own markup. QByteArray::append goes through insert(), which costs more than these few bytes
// where a row of markup stands around every line of the file.
void add(QByteArray &html, const char *bytes, qsizetype size)
{
    const qsizetype at = html.size();
    html.resize(at + size);
    std::memcpy(html.data() + at, bytes, size_t(size));
}

template<size_t N> void add(QByteArray &html, const char (&literal)[N])
{
    add(html, literal, N - 1);
}

// The checker's own words; no file text comes through them.
void appendWords(QByteArray &html, const QString &words)
{
    html += words.toUtf8();
}

// A row that stands for a line of the file, its number in the margin: <p class="x" data-n="12">.
void openRow(QByteArray &html, const char *tag, const char *classes, qint64 line)
{
    char row[80];
    char *out = row;
    const auto put = [&](const char *text) {
        const size_t size = std::strlen(text);
        std::memcpy(out, text, size);
        out += size;
    };
    *out++ = '<';
    put(tag);
    if (*classes) {
        put(" class=\"");
        put(classes);
        *out++ = '"';
    }
    if (line > 0) {
        put(" data-n=\"");
        char digits[20];
        int count = 0;
        for (quint64 rest = quint64(line); rest > 0; rest /= 10)
            digits[count++] = char('0' + rest % 10);
        while (count > 0)
            *out++ = digits[--count];
        *out++ = '"';
    }
    *out++ = '>';
    add(html, row, out - row);
}

// The file's text, isolated from what stands around it; `length` is the whole line's, of which `text` may be the
// start only.
void appendFileText(QByteArray &html, QStringView text, qint64 length)
{
    qsizetype shown = qMin(text.size(), MaxCharactersShown);
    if (shown > 0 && shown < text.size() && text[shown - 1].isHighSurrogate())
        --shown;
    add(html, "<bdi>");
    appendHtmlText(html, text.left(shown));
    add(html, "</bdi>");
    if (length > shown) {
        html += " <span class=\"cut\">";
        appendWords(html, Messages::tr("… %n more character(s) of this line are not shown here", nullptr,
                                       clampedCount(length - shown)));
        html += "</span>";
    }
}

QString levelLabel(const Finding &finding)
{
    switch (finding.severity) {
    case Severity::Error: return Messages::tr("line %1, error:").arg(finding.line);
    case Severity::Warning: return Messages::tr("line %1, warning:").arg(finding.line);
    case Severity::Note: break;
    }
    return Messages::tr("line %1, note:").arg(finding.line);
}

void appendFindings(QByteArray &html, const std::vector<Finding> &findings)
{
    static constexpr const char *classes[] = {"f e", "f w", "f n"};
    for (const Finding &finding : findings) {
        openRow(html, "p", classes[int(finding.severity)], 0);
        html += "<b>";
        appendWords(html, levelLabel(finding));
        html += "</b> <bdi>";
        appendQuotedHtmlText(html, finding.text); // the finding quotes the line
        html += "</bdi></p>\n";
    }
}

// Why the learner never meets the line.
QString reason(const QuizLine &line, const QuizSection &section)
{
    switch (line.role) {
    case LineRole::Dropped: return Messages::tr("dropped: begins with \"Ве\" and is no question header");
    case LineRole::ReplacedAnswer:
        return Messages::tr("replaced by a later answer %1 of this question").arg(answerLetter(line.answer));
    case LineRole::HiddenAnswer:
        return Messages::tr("no button shows it: the question has only %n answer button(s)", nullptr,
                            section.shownAnswers());
    default: return {};
    }
}

// A line the learner never meets, greyed.
void appendUnseen(QByteArray &html, const QuizLine &line, const QString &why)
{
    openRow(html, "p", "x", line.number);
    appendFileText(html, line.text, line.length);
    if (!why.isEmpty()) {
        html += "<em>";
        appendWords(html, why);
        html += "</em>";
    }
    html += "</p>\n";
    appendFindings(html, line.findings);
}

// The text as the learner reads it above the answers, every text line in order; with its sources, the line numbers,
// the findings and the dropped lines where they fell out.
void appendText(QByteArray &html, const QuizSection &section, bool withSources)
{
    // Blank lines at the text's end (those between questions, mostly) show nothing to the learner: they stand on the
    // page only for a finding of their own, and take no room on paper.
    qint64 lastWritten = 0;
    for (const QuizLine &line : section.lines) {
        if (line.role == LineRole::Text && !isBlank(line.text))
            lastWritten = line.number;
    }
    bool open = false;
    for (const QuizLine &line : section.lines) {
        if (line.role != LineRole::Text && (line.role != LineRole::Dropped || !withSources))
            continue;
        if (!open) {
            html += "<div class=\"t\">\n";
            open = true;
        }
        if (line.role == LineRole::Dropped) {
            appendUnseen(html, line, reason(line, section));
            continue;
        }
        const bool trailing = line.number > lastWritten;
        if (trailing && (line.findings.empty() || !withSources))
            continue;
        openRow(html, "p", trailing ? "tb" : "", withSources ? line.number : 0);
        appendFileText(html, line.text, line.length);
        add(html, "</p>\n");
        if (withSources)
            appendFindings(html, line.findings);
    }
    if (open)
        html += "</div>\n";
}

// The buttons 1..N, labelled as the quiz labels them, the right one marked; then the answer lines no button shows.
void appendAnswers(QByteArray &html, const QuizSection &section)
{
    const int shown = section.shownAnswers();
    if (shown == 0)
        return;
    html += "<div class=\"a\">\n";
    for (int answer = 1; answer <= shown; ++answer) {
        const QuizLine *source = nullptr;
        for (const QuizLine &line : section.lines) {
            if (line.answer == answer && line.role == LineRole::Answer)
                source = &line;
        }
        const QString &label = section.answers[size_t(answer - 1)];
        openAnswerButton(html, answer == section.rightAnswer, source ? source->number : 0);
        appendFileText(html, label, label.size());
        if (label.isEmpty()) {
            html += "<span class=\"hint\">";
            appendWords(html, Messages::tr("an empty button: the file has no answer %1").arg(answerLetter(answer)));
            html += "</span>";
        }
        html += "</p>\n";
        if (source)
            appendFindings(html, source->findings);
    }
    for (const QuizLine &line : section.lines) {
        if (line.role == LineRole::ReplacedAnswer || line.role == LineRole::HiddenAnswer)
            appendUnseen(html, line, reason(line, section));
    }
    html += "</div>\n";
}

// About how many lines of 12 pt text a question takes in print, against about how many one A4 sheet holds.
constexpr int PrintCharactersPerLine = 75;
constexpr int PrintLinesPerSheet = 40;

qint64 printedLines(qint64 characters)
{
    return qMax<qint64>(1, (qMin<qint64>(characters, MaxCharactersShown) + PrintCharactersPerLine - 1)
                               / PrintCharactersPerLine);
}

qint64 printedLines(const QuizSection &section)
{
    qint64 lines = 2; // the caption and the room around the question
    for (const QuizLine &line : section.lines) {
        if (line.role == LineRole::Text && !isBlank(line.text))
            lines += printedLines(line.length);
    }
    for (int answer = 1; answer <= section.shownAnswers(); ++answer)
        lines += printedLines(section.answers[size_t(answer - 1)].size() + 5); // the button's room
    return lines;
}

// Print keeps a question whole on one sheet where it can; one taller than a sheet is split, and the author is told.
void appendTallNote(QByteArray &html, qint64 lines)
{
    html += "<p class=\"f w\"><b>";
    appendWords(html, Messages::tr("in print:"));
    html += "</b> ";
    appendWords(html, Messages::tr("this question takes about %1 lines, more than one A4 sheet holds (about %2): "
                                   "it will be split across sheets")
                          .arg(lines)
                          .arg(PrintLinesPerSheet));
    html += "</p>\n";
}

void appendQuestion(QByteArray &html, const QuizSection &section)
{
    const qint64 lines = printedLines(section);
    const bool tall = lines > PrintLinesPerSheet;
    html += (tall ? "<section class=\"q tall\" id=\"q" : "<section class=\"q\" id=\"q")
          + QByteArray::number(section.number) + "\">\n";
    // The caption as the quiz writes it, beside the header line.
    const QuizLine *header = section.lines.empty() ? nullptr : &section.lines.front();
    openRow(html, "h2", "", header ? header->number : 0);
    html += "Question #" + QByteArray::number(section.number) + "</h2>\n";
    if (header)
        appendFindings(html, header->findings);
    if (tall)
        appendTallNote(html, lines);
    appendText(html, section, true);
    appendAnswers(html, section);
}

void appendLinesAround(QByteArray &html, const QuizSection &section)
{
    const bool before = section.kind == SectionKind::BeforeFirstQuestion;
    html += before ? "<section class=\"pre\">\n<h2>" : "<section class=\"nl\">\n<h2>";
    appendWords(html, before ? Messages::tr("Before the first question header: never shown")
                             : Messages::tr("Question #%1 and all that follows: not loaded, Tavrelo loads the "
                                            "first %2 questions only")
                                   .arg(section.number)
                                   .arg(section.number - 1));
    html += "</h2>\n";
    for (const QuizLine &line : section.lines)
        appendUnseen(html, line, {});
}

} // namespace

bool isTallInPrint(const QuizSection &section)
{
    return printedLines(section) > PrintLinesPerSheet;
}

void openAnswerButton(QByteArray &html, bool right, qint64 line)
{
    openRow(html, "p", right ? "o r" : "o", line);
    if (right) {
        html += "<span class=\"m\" aria-hidden=\"true\">\xE2\x9C\x94</span><span class=\"sr\">";
        appendWords(html, Messages::tr("right answer:"));
        html += " </span>";
    }
}

void appendPrintedText(QByteArray &html, const QuizSection &section)
{
    appendText(html, section, false);
}

void appendShownText(QByteArray &html, QStringView text, qint64 length)
{
    appendFileText(html, text, length);
}

void appendSectionHtml(QByteArray &html, const QuizSection &section)
{
    if (section.kind == SectionKind::Question)
        appendQuestion(html, section);
    else
        appendLinesAround(html, section);
    if (section.linesLeftOut > 0) {
        html += "<p class=\"cut\">";
        appendWords(html, Messages::tr("… %n more line(s) of this part of the file are not shown here", nullptr,
                                       clampedCount(section.linesLeftOut)));
        html += "</p>\n";
    }
    appendFindings(html, section.findings);
    if (section.findingsLeftOut > 0) {
        html += "<p class=\"f n\">";
        appendWords(html, Messages::tr("… %n more finding(s) here are not shown; the report lists them all", nullptr,
                                       clampedCount(section.findingsLeftOut)));
        html += "</p>\n";
    }
    html += "</section>\n";
}
