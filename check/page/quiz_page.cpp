// SPDX-FileCopyrightText: 2026 The Tavrelo developers
// SPDX-License-Identifier: MIT
#include "check/page/quiz_page.h"

#include "check/page/html_text.h"
#include "check/page/page_style.h"
#include "check/page/quiz_variants.h"
#include "check/page/section_html.h"
#include "check/rules/line_rules.h"
#include "check/rules/messages.h"
#include "platform/core/app_info.h"

using namespace Qt::StringLiterals;

namespace {

// Room for the heading's encoding and counts, written last; a few hundred bytes in any language.
constexpr qsizetype HeadingRoom = 2048;
// Sections go to the file in batches of about this size: one system call each, not one per question.
constexpr qsizetype BatchSize = 256 * 1024;

QString capitalized(QString text)
{
    if (!text.isEmpty())
        text[0] = text[0].toUpper();
    return text;
}

// The encoding and the counts, in the report's words.
QByteArray heading(const FileSummary &summary)
{
    QString html;
    if (summary.encoding)
        html += u"<p class=\"enc\">"_s + capitalized(encodingNote(*summary.encoding)) + u".</p>"_s;
    const bool slips = summary.errors + summary.warnings > 0;
    html += (slips ? u"<p class=\"sum bad\">"_s : u"<p class=\"sum\">"_s) + capitalized(summaryLine(summary)) + u", "_s
          + Messages::tr("%n note(s)", nullptr, int(summary.notes)) + u".</p>"_s;
    return html.toUtf8();
}

// The title is the first few lines before the first question that are not blank, each cut to a heading's length.
constexpr qsizetype MaxTitleLines = 3;
constexpr qsizetype MaxTitleCharacters = 200;

QStringList titleLines(const QuizSection *before)
{
    QStringList lines;
    if (!before)
        return lines;
    for (const QuizLine &line : before->lines) {
        if (isBlank(line.text))
            continue;
        QString text = line.text.trimmed();
        if (text.size() > MaxTitleCharacters || line.length > line.text.size()) {
            text.truncate(MaxTitleCharacters);
            if (text.at(text.size() - 1).isHighSurrogate())
                text.chop(1);
            text += u'…';
        }
        lines << text;
        if (lines.size() == MaxTitleLines)
            break;
    }
    return lines;
}

// The lines a learner fills in at the top of her copy.
QByteArray fieldsHtml()
{
    return (u"<div class=\"fields\"><span>"_s + Messages::tr("Name:") + u"</span><span>"_s + Messages::tr("Class:")
            + u"</span><span>"_s + Messages::tr("Date:") + u"</span></div>\n"_s)
        .toUtf8();
}

} // namespace

QuizPage::QuizPage(const QString &path, int variants, Replace replace)
    : m_file(path, OutputFormat::Page, replace), m_variantCount(variants)
{
    if (variants > 0)
        m_variants = std::make_unique<QuizVariants>();
}

QuizPage::~QuizPage() = default;

void QuizPage::write(const QByteArray &html)
{
    m_file.write(html);
}

bool QuizPage::open(const QString &fileName)
{
    m_fileName = fileName;
    return m_file.open();
}

void QuizPage::writeHead(const QuizSection *before)
{
    m_headWritten = true;
    QStringList title = titleLines(before);
    const bool titled = !title.isEmpty();
    if (!titled)
        title << m_fileName;
    QByteArray head = "<!DOCTYPE html>\n<html lang=\""
                    + Messages::tr("en", "the page's language, as HTML names it").toUtf8() + "\">\n<head>\n";
    write(head);
    m_file.writePageMark(); // a failure shows at commit, as every write's does
    head = "<meta charset=\"utf-8\">\n<meta http-equiv=\"Content-Security-Policy\" "
           "content=\"default-src 'none'; style-src 'unsafe-inline'\">\n<meta name=\"viewport\" "
           "content=\"width=device-width, initial-scale=1\">\n<title>";
    appendPlainHtmlText(head, title.first());
    head += " \xE2\x80\x94 Tavrelo</title>\n<style>";
    head += pageStyle();
    head += sheetStyle(title.first(), m_variantCount);
    head += m_variants ? "</style>\n</head>\n<body class=\"vs\">\n" : "</style>\n</head>\n<body>\n";
    head += "<div id=\"learners\"><div id=\"key\">\n<header>\n";

    m_title = "<p class=\"kl\">" + Messages::tr("Answer key").toUtf8() + "</p>\n<h1><bdi>";
    appendHtmlText(m_title, title.first());
    m_title += "</bdi></h1>\n";
    for (const QString &line : title.mid(1)) {
        m_title += "<p class=\"sub\"><bdi>";
        appendHtmlText(m_title, line);
        m_title += "</bdi></p>\n";
    }
    head += m_title;
    if (titled) {
        head += "<p class=\"file\"><bdi>";
        appendHtmlText(head, m_fileName);
        head += "</bdi></p>\n";
    }
    write(head);
    m_file.keepRoom(HeadingRoom);
    QString tip = Messages::tr("Print it with Ctrl+P on A4: each question stays on one page, and the findings and the "
                               "lines the learner never sees are left out.");
    if (m_variants)
        tip += u' ' + Messages::tr("Each variant starts on a new sheet, with its own answer key.");
    write((u"\n<nav>"_s + Messages::tr("Show:") + u" <a href=\"#key\">"_s + Messages::tr("Answer key, with ✔")
           + u"</a> <a href=\"#learners\">"_s + Messages::tr("Copy for learners, no marks")
           + u"</a></nav>\n<p class=\"tip\">"_s + tip + u"</p>\n</header>\n"_s)
              .toUtf8());
    if (!m_variants)
        write(fieldsHtml());
    write("<main>\n");
}

void QuizPage::add(const QuizSection &section)
{
    if (!m_headWritten)
        writeHead(section.kind == SectionKind::BeforeFirstQuestion ? &section : nullptr);
    if (m_variants) {
        m_variants->add(section); // the findings stay in the report
        return;
    }
    if (section.kind == SectionKind::Question) {
        const bool marked = section.rightAnswer > 0 && section.rightAnswer <= section.shownAnswers();
        m_key.push_back(quint8(marked ? section.rightAnswer : 0));
    }
    appendSectionHtml(m_html, section);
    if (m_html.size() >= BatchSize) {
        write(m_html);
        m_html.truncate(0); // keeps its room for the next batch
    }
}

bool QuizPage::commit(const FileSummary &summary)
{
    if (!m_headWritten)
        writeHead(nullptr);
    QByteArray &end = m_html;
    if (m_variants && !m_variants->empty()) {
        const QByteArray fields = fieldsHtml();
        for (int variant = 1; variant <= m_variantCount; ++variant) {
            m_variants->appendVariant(end, variant, m_title, fields);
            write(end);
            end.truncate(0);
        }
    }
    end += "</main>\n";
    appendAnswerKey(end, Messages::tr("Answer key"), m_key);
    end += "<footer class=\"by\">"
         + Messages::tr("Made by tavrelo-check %1.%2.%3")
               .arg(platform::AppMajor())
               .arg(platform::AppMinor())
               .arg(platform::AppRevision())
               .toUtf8()
         + "</footer>\n</div></div>\n</body>\n</html>\n";
    write(end);

    QByteArray top = heading(summary);
    if (top.size() > HeadingRoom)
        top.clear(); // never in practice: numbers and the translator's words
    if (!m_file.fillRoom(top)) {
        m_file.cancel();
        return false;
    }
    return m_file.commit();
}
