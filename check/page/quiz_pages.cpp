// SPDX-FileCopyrightText: 2026 The Tavrelo developers
// SPDX-License-Identifier: MIT
#include "check/page/quiz_pages.h"

#include "check/output/write_plan.h"
#include "check/page/open_in_browser.h"
#include "check/page/quiz_page.h"
#include "check/rules/messages.h"

#include <QDir>
#include <QFileInfo>

using namespace Qt::StringLiterals;

namespace {

bool endsInSeparator(const QString &path)
{
#ifdef Q_OS_WIN
    if (path.endsWith(u'\\'))
        return true;
#endif
    return path.endsWith(u'/');
}

// The file's name with .html for whatever it ended in: data.txt gives data.html.
QString pageName(const QString &file)
{
    return QFileInfo(file).completeBaseName() + u".html"_s;
}

// The page's name in a folder that holds the pages of several files: two files of one name (a/x.txt, b/x.txt) get
// x.html and x-2.html, in the order given, letter case aside, as Windows compares names.
QString distinctPageName(const QString &file, QStringList &taken)
{
    const QString base = QFileInfo(file).completeBaseName();
    QString name = base + u".html"_s;
    for (int n = 2; taken.contains(name, Qt::CaseInsensitive); ++n)
        name = base + u'-' + QString::number(n) + u".html"_s;
    taken << name;
    return name;
}

bool namesAPage(const QString &path)
{
    return path.endsWith(u".html"_s, Qt::CaseInsensitive) || path.endsWith(u".htm"_s, Qt::CaseInsensitive);
}

// The page beside the file, its folder spelt as the file's is.
QString besideFile(const QString &file)
{
    qsizetype folderEnd = file.lastIndexOf(u'/');
#ifdef Q_OS_WIN
    folderEnd = qMax(folderEnd, file.lastIndexOf(u'\\'));
#endif
    return file.left(folderEnd + 1) + pageName(file);
}

} // namespace

QuizPages::QuizPages(const QString &page, bool fromExplorer, const QStringList &files, int variants, Replace replace)
    : m_variants(variants), m_open(fromExplorer), m_replace(replace)
{
    const bool inFolder = !page.isEmpty() && (files.size() > 1 || endsInSeparator(page) || QFileInfo(page).isDir());
    if (inFolder)
        m_folder = page;
    m_notAFolder = files.size() > 1 && namesAPage(page) && !QFileInfo(page).isDir();
    QStringList taken;
    for (const QString &file : distinctFiles(files)) { // a file named twice has one page
        QString path;
        if (inFolder)
            path = (endsInSeparator(page) ? page : page + u'/') + distinctPageName(file, taken);
        else if (!page.isEmpty())
            path = page;
        else if (fromExplorer)
            path = besideFile(file);
        if (path.isEmpty())
            continue;
        m_pages.insert(file, path);
        m_order << path;
    }
}

void QuizPages::plan(WritePlan &plan) const
{
    for (const QString &page : m_order)
        plan.writes(page, Messages::tr("the page", "cannot write ... to"));
}

QString QuizPages::refusal() const
{
    if (m_notAFolder)
        return Messages::tr("with several question files, --html names the folder their pages go into, but %1 is the "
                            "name of a page: name a folder, such as pages, and each file's page goes into it named "
                            "after the file; nothing was written")
            .arg(m_folder);
    if (!m_folder.isEmpty() && QFileInfo::exists(m_folder) && !QFileInfo(m_folder).isDir())
        return Messages::tr("%1 is a file, but the pages of several question files go into a folder of that name; "
                            "nothing was written")
            .arg(m_folder);
    return {};
}

ExitStatus QuizPages::check(const QString &file, const PrintLine &print)
{
    const QString path = pageOf(file);
    if (path.isEmpty())
        return checkFile(file, print);
    const auto pageError = [&](const QString &why) {
        print(path + u": error: "_s + Messages::tr("the page cannot be written: %1").arg(why));
        return ExitStatus::Unreadable;
    };
    // The report still says what it can of the file.
    const auto checkWithoutPage = [&](const QString &why) {
        checkFile(file, print);
        return pageError(why);
    };
    if (!m_folder.isEmpty() && !QDir().mkpath(m_folder))
        return checkWithoutPage(Messages::tr("its folder cannot be made"));
    QuizPage page(path, m_variants, m_replace);
    if (!page.open(QFileInfo(file).fileName())) {
        page.cancel();
        return checkWithoutPage(page.errorString());
    }
    const FileSummary summary = checkFile(file, print, [&](const QuizSection &section) { page.add(section); });
    if (!summary.encoding) {
        page.cancel(); // the file could not be read: the report says why, and there is no quiz to show
        return summary.status;
    }
    if (!page.commit(summary))
        return pageError(page.errorString());
    print(file + u": "_s + Messages::tr("page written to %1").arg(path));
    if (m_open)
        openInBrowser(path);
    return summary.status;
}
