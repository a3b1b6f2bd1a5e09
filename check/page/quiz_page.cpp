// SPDX-FileCopyrightText: 2026 The Tavrelo developers
// SPDX-License-Identifier: MIT
#include "check/page/quiz_page.h"

#include "check/messages.h"
#include "check/page/html_text.h"
#include "check/page/page_style.h"
#include "check/page/section_html.h"

#include "platform/core/app_info.h"

#include <QFile>

using namespace Qt::StringLiterals;

namespace {

constexpr char Marker[] = R"(<meta name="generator" content="tavrelo-check">)";
// The head before the marker is fixed, so that a page is known by its first bytes.
constexpr qsizetype MarkerWithin = 128;
// Room for the heading's encoding and counts, written last; a few hundred bytes in any language.
constexpr qsizetype HeadingRoom = 2048;

QString capitalized(QString text)
{
    if (!text.isEmpty())
        text[0] = text[0].toUpper();
    return text;
}

QString heading(const FileSummary &summary)
{
    QString html;
    if (summary.encoding)
        html += u"<p class=\"enc\">"_s + capitalized(encodingNote(*summary.encoding)) + u".</p>"_s;
    const bool slips = summary.errors + summary.warnings > 0;
    html += (slips ? u"<p class=\"sum bad\">"_s : u"<p class=\"sum\">"_s) + capitalized(summaryLine(summary)) + u", "_s
          + Messages::tr("%n note(s)", nullptr, int(summary.notes)) + u".</p>"_s;
    return html;
}

} // namespace

QuizPage::QuizPage(const QString &path) : m_file(path)
{
}

bool QuizPage::isMadeHere(const QString &path)
{
    QFile page(path);
    return page.open(QIODevice::ReadOnly) && page.read(MarkerWithin).contains(Marker);
}

void QuizPage::write(const QString &html)
{
    m_file.write(html.toUtf8());
}

bool QuizPage::open(const QString &fileName)
{
    if (!m_file.open(QIODevice::WriteOnly))
        return false;
    QString head = u"<!DOCTYPE html>\n<html lang=\""_s + Messages::tr("en", "the page's language, as HTML names it")
                 + u"\">\n<head>\n<meta charset=\"utf-8\">\n"_s + QLatin1StringView(Marker)
                 + u"\n<meta http-equiv=\"Content-Security-Policy\" content=\"default-src 'none'; style-src "
                   u"'unsafe-inline'\">\n<meta name=\"viewport\" content=\"width=device-width, initial-scale=1\">\n"
                   u"<title>"_s;
    appendPlainHtmlText(head, fileName);
    head += u" — Tavrelo</title>\n<style>"_s;
    write(head);
    m_file.write(pageStyle().data(), pageStyle().size());

    QString top = u"</style>\n</head>\n<body>\n<div id=\"learners\"><div id=\"key\">\n<header>\n<h1><bdi>"_s;
    appendHtmlText(top, fileName);
    top += u"</bdi></h1>\n"_s;
    write(top);
    m_headingAt = m_file.pos();
    m_file.write(QByteArray(HeadingRoom, ' '));
    write(u"\n<nav>"_s + Messages::tr("Show:") + u" <a href=\"#key\">"_s + Messages::tr("Answer key, with ✔")
          + u"</a> <a href=\"#learners\">"_s + Messages::tr("Copy for learners, no marks")
          + u"</a></nav>\n<p class=\"tip\">"_s
          + Messages::tr("Print it with Ctrl+P on A4: each question stays on one page, and the findings and the lines "
                         "the learner never sees are left out.")
          + u"</p>\n</header>\n<main>\n"_s);
    return m_file.error() == QFileDevice::NoError;
}

void QuizPage::add(const QuizSection &section)
{
    if (section.kind == SectionKind::Question) {
        const bool shown = section.rightAnswer > 0 && section.rightAnswer <= section.shownAnswers();
        m_key.push_back(quint8(shown ? section.rightAnswer : 0));
    }
    m_html.clear();
    appendSectionHtml(m_html, section);
    write(m_html);
}

bool QuizPage::commit(const FileSummary &summary)
{
    QString end = u"</main>\n"_s;
    if (!m_key.empty()) {
        end += u"<section class=\"k\">\n<h2>"_s + Messages::tr("Answer key") + u"</h2>\n<ol>"_s;
        for (const quint8 answer : m_key)
            end += answer > 0 ? u"<li>"_s + QChar(u'A' + answer - 1) + u"</li>"_s : u"<li>—</li>"_s;
        end += u"</ol>\n</section>\n"_s;
    }
    end += u"<footer class=\"by\">"_s
         + Messages::tr("Made by tavrelo-check %1.%2.%3")
               .arg(platform::AppMajor())
               .arg(platform::AppMinor())
               .arg(platform::AppRevision())
         + u"</footer>\n</div></div>\n</body>\n</html>\n"_s;
    write(end);

    QByteArray top = heading(summary).toUtf8();
    if (top.size() > HeadingRoom)
        top.clear(); // never in practice: numbers and the translator's words
    const qint64 endAt = m_file.pos();
    if (!m_file.seek(m_headingAt) || m_file.write(top) != top.size() || !m_file.seek(endAt)) {
        m_file.cancelWriting();
        return false;
    }
    return m_file.commit();
}
