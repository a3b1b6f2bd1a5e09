// SPDX-FileCopyrightText: 2026 The Tavrelo developers
// SPDX-License-Identifier: MIT
#pragma once

#include "check/rules/check_file.h"
#include "check/rules/quiz_model.h"

#include <QSaveFile>
#include <QString>

#include <vector>

// One page of one question file's quiz, written section by section as the checker hands them over, so that it
// holds no more of the file than one section. The heading's counts are known only at the end: they go into room
// kept for them at the top. The page is put in place whole at commit, or not at all.
class QuizPage final {
public:
    explicit QuizPage(const QString &path);
    Q_DISABLE_COPY_MOVE(QuizPage)

    // Writes the page's head, titled with the question file's name.
    bool open(const QString &fileName);
    void add(const QuizSection &section);
    // Writes the heading's counts and the answer key, and puts the page in place.
    bool commit(const FileSummary &summary);
    void cancel() { m_file.cancelWriting(); }
    QString errorString() const { return m_file.errorString(); }

    // Whether the file at path is a page this checker made, which it may write over; a page says so near its start.
    static bool isMadeHere(const QString &path);

private:
    void write(const QByteArray &html);

    QSaveFile m_file;
    qint64 m_headingAt = 0;
    std::vector<quint8> m_key; // each question's right answer 1..4, 0 when no button is marked
    QByteArray m_html;         // sections not yet written
};
