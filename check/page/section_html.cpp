// SPDX-FileCopyrightText: 2026 The Tavrelo developers
// SPDX-License-Identifier: MIT
#include "check/page/section_html.h"

#include "check/line_rules.h"
#include "check/messages.h"
#include "check/page/html_text.h"

#include <limits>

using namespace Qt::StringLiterals;

namespace {

int clampedCount(qint64 count)
{
    return int(qMin<qint64>(count, std::numeric_limits<int>::max()));
}

QChar answerLetter(int answer)
{
    return QChar(u'A' + answer - 1);
}

// A row that stands for a line of the file, its number in the margin.
void openRow(QString &html, QStringView tag, QStringView classes, qint64 line)
{
    html.append(u'<').append(tag);
    if (!classes.isEmpty())
        html.append(u" class=\"").append(classes).append(u'"');
    if (line > 0)
        html.append(u" data-n=\"").append(QString::number(line)).append(u'"');
    html += u'>';
}

// The file's text, isolated from what stands around it; `length` is the whole line's, of which `text` may be the
// start only.
void appendFileText(QString &html, QStringView text, qint64 length)
{
    qsizetype shown = qMin(text.size(), MaxCharactersShown);
    if (shown > 0 && shown < text.size() && text[shown - 1].isHighSurrogate())
        --shown;
    html += u"<bdi>";
    appendHtmlText(html, text.first(shown));
    html += u"</bdi>";
    if (length > shown) {
        html += u" <span class=\"cut\">"_s
              + Messages::tr("… %n more character(s) of this line are not shown here", nullptr,
                             clampedCount(length - shown))
              + u"</span>"_s;
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

void appendFindings(QString &html, const std::vector<Finding> &findings)
{
    static constexpr QStringView classes[] = {u"f e", u"f w", u"f n"};
    for (const Finding &finding : findings) {
        openRow(html, u"p", classes[int(finding.severity)], 0);
        html += u"<b>"_s + levelLabel(finding) + u"</b> <bdi>"_s;
        appendHtmlText(html, finding.text);
        html += u"</bdi></p>\n"_s;
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
void appendUnseen(QString &html, const QuizLine &line, const QString &why)
{
    openRow(html, u"p", u"x", line.number);
    appendFileText(html, line.text, line.length);
    if (!why.isEmpty())
        html += u"<em>"_s + why + u"</em>"_s;
    html += u"</p>\n"_s;
    appendFindings(html, line.findings);
}

void appendQuestion(QString &html, const QuizSection &section)
{
    html += u"<section class=\"q\" id=\"q"_s + QString::number(section.number) + u"\">\n"_s;
    // The caption as the quiz writes it, beside the header line.
    const QuizLine *header = section.lines.empty() ? nullptr : &section.lines.front();
    openRow(html, u"h2", u"", header ? header->number : 0);
    html += u"Question #"_s + QString::number(section.number) + u"</h2>\n"_s;
    if (header)
        appendFindings(html, header->findings);

    // The text as the learner reads it above the answers, every text line in order, with the dropped lines where
    // they fell out.
    // Blank lines at the text's end (those between questions, mostly) show on screen as the quiz shows them, and
    // take no room on paper.
    qint64 lastWritten = 0;
    for (const QuizLine &line : section.lines) {
        if (line.role == LineRole::Text && !isBlank(line.text))
            lastWritten = line.number;
    }
    bool textOpen = false;
    for (const QuizLine &line : section.lines) {
        if (line.role != LineRole::Text && line.role != LineRole::Dropped)
            continue;
        if (!textOpen) {
            html += u"<div class=\"t\">\n"_s;
            textOpen = true;
        }
        if (line.role == LineRole::Dropped) {
            appendUnseen(html, line, reason(line, section));
            continue;
        }
        openRow(html, u"p", line.number > lastWritten ? u"tb" : u"", line.number);
        appendFileText(html, line.text, line.length);
        html += u"</p>\n"_s;
        appendFindings(html, line.findings);
    }
    if (textOpen)
        html += u"</div>\n"_s;

    // The buttons 1..N, labelled as the quiz labels them; then the answer lines no button shows.
    const int shown = section.shownAnswers();
    if (shown > 0)
        html += u"<div class=\"a\">\n"_s;
    for (int answer = 1; answer <= shown; ++answer) {
        const QuizLine *source = nullptr;
        for (const QuizLine &line : section.lines) {
            if (line.answer == answer && line.role == LineRole::Answer)
                source = &line;
        }
        const bool right = answer == section.rightAnswer;
        openRow(html, u"p", right ? u"o r" : u"o", source ? source->number : 0);
        if (right) {
            html += u"<span class=\"m\" aria-hidden=\"true\">\u2714</span><span class=\"sr\">"_s
                  + Messages::tr("right answer:") + u" </span>"_s;
        }
        const QString &label = section.answers[size_t(answer - 1)];
        appendFileText(html, label, label.size());
        if (label.isEmpty())
            html += u"<span class=\"hint\">"_s
                  + Messages::tr("an empty button: the file has no answer %1").arg(answerLetter(answer)) + u"</span>"_s;
        html += u"</p>\n"_s;
        if (source)
            appendFindings(html, source->findings);
    }
    for (const QuizLine &line : section.lines) {
        if (line.role == LineRole::ReplacedAnswer || line.role == LineRole::HiddenAnswer)
            appendUnseen(html, line, reason(line, section));
    }
    if (shown > 0)
        html += u"</div>\n"_s;
}

void appendLinesAround(QString &html, const QuizSection &section)
{
    const bool before = section.kind == SectionKind::BeforeFirstQuestion;
    html += before ? u"<section class=\"pre\">\n"_s : u"<section class=\"nl\">\n"_s;
    html += u"<h2>"_s
          + (before ? Messages::tr("Before the first question header: never shown")
                    : Messages::tr("Question #%1 and all that follows: not loaded, Tavrelo loads the first %2 "
                                   "questions only")
                          .arg(section.number)
                          .arg(section.number - 1))
          + u"</h2>\n"_s;
    for (const QuizLine &line : section.lines)
        appendUnseen(html, line, {});
}

} // namespace

void appendSectionHtml(QString &html, const QuizSection &section)
{
    if (section.kind == SectionKind::Question)
        appendQuestion(html, section);
    else
        appendLinesAround(html, section);
    if (section.linesLeftOut > 0) {
        html += u"<p class=\"cut\">"_s
              + Messages::tr("… %n more line(s) of this part of the file are not shown here", nullptr,
                             clampedCount(section.linesLeftOut))
              + u"</p>\n"_s;
    }
    appendFindings(html, section.findings);
    if (section.findingsLeftOut > 0) {
        html += u"<p class=\"f n\">"_s
              + Messages::tr("… %n more finding(s) here are not shown; the report lists them all", nullptr,
                             clampedCount(section.findingsLeftOut))
              + u"</p>\n"_s;
    }
    html += u"</section>\n"_s;
}
