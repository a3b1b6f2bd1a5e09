// SPDX-FileCopyrightText: 2026 The Tavrelo developers
// SPDX-License-Identifier: MIT
#include "check/page/quiz_page.h"

#include "check/page/html_text.h"
#include "check/page/page_style.h"
#include "check/page/section_html.h"
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

} // namespace

QuizPage::QuizPage(const QString &path, Replace replace) : m_file(path, OutputFormat::Page, replace)
{
}

void QuizPage::write(const QByteArray &html)
{
    m_file.write(html);
}

bool QuizPage::open(const QString &fileName)
{
    if (!m_file.open())
        return false;
    QByteArray head = "<!DOCTYPE html>\n<html lang=\""
                    + Messages::tr("en", "the page's language, as HTML names it").toUtf8() + "\">\n<head>\n";
    write(head);
    if (!m_file.writePageMark())
        return false;
    head = "<meta charset=\"utf-8\">\n<meta http-equiv=\"Content-Security-Policy\" "
           "content=\"default-src 'none'; style-src 'unsafe-inline'\">\n<meta name=\"viewport\" "
           "content=\"width=device-width, initial-scale=1\">\n<title>";
    appendPlainHtmlText(head, fileName);
    head += " \xE2\x80\x94 Tavrelo</title>\n<style>";
    head += pageStyle();
    head += "</style>\n</head>\n<body>\n<div id=\"learners\"><div id=\"key\">\n<header>\n<h1><bdi>";
    appendHtmlText(head, fileName);
    head += "</bdi></h1>\n";
    write(head);
    if (!m_file.keepRoom(HeadingRoom))
        return false;
    write((u"\n<nav>"_s + Messages::tr("Show:") + u" <a href=\"#key\">"_s + Messages::tr("Answer key, with ✔")
           + u"</a> <a href=\"#learners\">"_s + Messages::tr("Copy for learners, no marks")
           + u"</a></nav>\n<p class=\"tip\">"_s
           + Messages::tr("Print it with Ctrl+P on A4: each question stays on one page, and the findings and the "
                          "lines the learner never sees are left out.")
           + u"</p>\n</header>\n<main>\n"_s)
              .toUtf8());
    return m_file.ok();
}

void QuizPage::add(const QuizSection &section)
{
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
    QByteArray &end = m_html;
    end += "</main>\n";
    if (!m_key.empty()) {
        end += "<section class=\"k\">\n<h2>" + Messages::tr("Answer key").toUtf8() + "</h2>\n<ol>";
        for (const quint8 answer : m_key) {
            if (answer > 0)
                end.append("<li>").append(char('A' + answer - 1)).append("</li>");
            else
                end.append("<li>\xE2\x80\x94</li>"); // a dash: no button is marked
        }
        end += "</ol>\n</section>\n";
    }
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
