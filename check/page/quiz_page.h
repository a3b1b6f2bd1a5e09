// SPDX-FileCopyrightText: 2026 The Tavrelo developers
// SPDX-License-Identifier: MIT
#pragma once

#include "check/output/output_file.h"
#include "check/rules/check_file.h"
#include "check/rules/quiz_model.h"

#include <QString>

#include <vector>

// One page of one question file's quiz, written section by section as the checker hands them over, so that it
// holds no more of the file than one section. The heading's counts are known only at the end: they go into room
// kept for them at the top. The page is put in place whole at commit, or not at all.
class QuizPage final {
public:
    explicit QuizPage(const QString &path, Replace replace = Replace::OwnFiles);
    Q_DISABLE_COPY_MOVE(QuizPage)

    // Writes the page's head, titled with the question file's name.
    bool open(const QString &fileName);
    void add(const QuizSection &section);
    // Writes the heading's counts and the answer key, and puts the page in place.
    bool commit(const FileSummary &summary);
    void cancel() { m_file.cancel(); }
    QString errorString() const { return m_file.errorString(); }

private:
    void write(const QByteArray &html);

    OutputFile m_file;
    std::vector<quint8> m_key; // each question's right answer 1..4, 0 when no button is marked
    QByteArray m_html;         // sections not yet written
};
