// SPDX-FileCopyrightText: 2026 The Tavrelo developers
// SPDX-License-Identifier: MIT
#pragma once

#include "check/output/output_file.h"
#include "check/rules/check_file.h"

#include <QHash>
#include <QString>
#include <QStringList>

class WritePlan;

// The pages one run of the checker writes, one per question file: where each goes, whether it may go there, and
// the check that writes it. --html PAGE names the page of one file; with several files, or when PAGE is a folder,
// each page is named after its file in the folder PAGE (data.txt gives data.html, and a second x.txt x-2.html), which
// is made if missing; a PAGE ending in .html is no folder for them.
// Started from Explorer without --html, each file gets its page beside it, and every page opens in the browser.
class QuizPages final {
public:
    // page: --html's PAGE, or empty for none; files: as given, a file named twice among them; variants: how many
    // variants for a class each page holds, or 0.
    QuizPages(const QString &page, bool fromExplorer, const QStringList &files, int variants = 0,
              Replace replace = Replace::OwnFiles);
    Q_DISABLE_COPY_MOVE(QuizPages)

    void plan(WritePlan &plan) const;
    // Why nothing may be written beyond what the plan finds: a file where the pages' folder goes; empty when every
    // page may be written.
    QString refusal() const;
    // Checks the file as checkFile does, writes its page, if it has one, and names the page in the report.
    ExitStatus check(const QString &file, const PrintLine &print);

    // The page of the file; empty when it has none.
    QString pageOf(const QString &file) const { return m_pages.value(file); }

private:
    QHash<QString, QString> m_pages;
    QStringList m_order; // the pages in the order of the files, for the plan
    QString m_folder;    // the folder that --html names, when it names one
    int m_variants = 0;
    bool m_notAFolder = false; // several files, and PAGE names a page
    bool m_open = false;
    Replace m_replace;
};
