// SPDX-FileCopyrightText: 2026 The Tavrelo developers
// SPDX-License-Identifier: MIT
#pragma once

#include "check/output/output_file.h"
#include "check/rules/check_file.h"
#include "check/rules/quiz_model.h"

#include <QString>

#include <memory>
#include <vector>

class QuizVariants;

// One page of one question file's quiz, written section by section as the checker hands them over, so that it
// holds no more of the file than one section. The page is headed with the quiz's title, the lines before the first
// question, so its head is written once the first section tells them. The heading's counts are known only at the
// end: they go into room kept for them at the top. With variants for a class, the page holds those instead of the
// file's order, and keeps what print shows of every question until the end. The page is put in place whole at
// commit, or not at all.
class QuizPage final {
public:
    // variants: how many variants for a class the page holds (2..10), or 0 for the quiz in the file's order.
    explicit QuizPage(const QString &path, int variants = 0, Replace replace = Replace::OwnFiles);
    ~QuizPage();
    Q_DISABLE_COPY_MOVE(QuizPage)

    // Opens the page of the question file named fileName.
    bool open(const QString &fileName);
    void add(const QuizSection &section);
    // Writes the heading's counts and the answer key, and puts the page in place.
    bool commit(const FileSummary &summary);
    void cancel() { m_file.cancel(); }
    QString errorString() const { return m_file.errorString(); }

private:
    void write(const QByteArray &html);
    void writeHead(const QuizSection *before);

    OutputFile m_file;
    QString m_fileName;
    int m_variantCount = 0;
    std::unique_ptr<QuizVariants> m_variants;
    bool m_headWritten = false;
    QByteArray m_title;        // the title's part of the heading, which each variant repeats
    std::vector<quint8> m_key; // each question's right answer 1..4, 0 when no button is marked
    QByteArray m_html;         // sections not yet written
};
