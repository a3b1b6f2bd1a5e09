// SPDX-FileCopyrightText: 2026 The Tavrelo developers
// SPDX-License-Identifier: MIT
#pragma once

#include "tests/support/windows1251.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QList>
#include <QStringList>
#include <QTemporaryDir>

namespace support {

// One question of a test file: its text lines, and its answer lines as they stand in the file.
struct Question {
    QStringList text;
    QStringList answers;
};

// The lines of a question file, each question opened by a header.
inline QStringList fileLines(const QList<Question> &questions)
{
    QStringList lines;
    for (const Question &q : questions) {
        lines << QStringLiteral("Вес вопроса: 1");
        lines << q.text << q.answers;
    }
    return lines;
}

// Question k: "Question k" with `answers` answers "A) answer k.1*", "B) answer k.2" and so on, the first marked.
inline Question numberedQuestion(int k, int answers = 4)
{
    Question q{{QStringLiteral("Question %1").arg(k)}, {}};
    for (int a = 0; a < answers; ++a) {
        q.answers << QStringLiteral("%1) answer %2.%3%4")
                         .arg(QChar(u'A' + a))
                         .arg(k)
                         .arg(a + 1)
                         .arg(a == 0 ? QStringLiteral("*") : QString());
    }
    return q;
}

// Questions 1 to n, each with `answers` answers.
inline QList<Question> numberedQuestions(int n, int answers = 4)
{
    QList<Question> questions;
    for (int k = 1; k <= n; ++k)
        questions << numberedQuestion(k, answers);
    return questions;
}

// Questions 1, 2, ... with answerCounts[k - 1] answers each.
inline QList<Question> questionsWithAnswers(const QList<int> &answerCounts)
{
    QList<Question> questions;
    for (int k = 1; k <= answerCounts.size(); ++k)
        questions << numberedQuestion(k, answerCounts[k - 1]);
    return questions;
}

// The file as the program reads it: Windows-1251, every line ended by CR LF.
inline QByteArray questionFileBytes(const QStringList &lines)
{
    return toWindows1251(lines.join(QStringLiteral("\r\n")) + QStringLiteral("\r\n"));
}

// Writes the bytes as the whole file. A test file that cannot be written ends the run: nothing after it would
// mean anything.
inline QString writeFile(const QString &path, QByteArrayView bytes)
{
    QFile file(path);
    const bool written = file.open(QIODevice::WriteOnly | QIODevice::Truncate)
                      && file.write(bytes.data(), bytes.size()) == bytes.size();
    if (!written)
        qFatal("cannot write %s", qPrintable(QDir::toNativeSeparators(path)));
    return path;
}

// A fresh temporary folder for a test's files, removed with it.
class TestFolder final {
public:
    TestFolder()
    {
        if (!m_dir.isValid())
            qFatal("cannot make a temporary folder: %s", qPrintable(m_dir.errorString()));
    }
    Q_DISABLE_COPY_MOVE(TestFolder)

    QString path() const { return m_dir.path(); }
    QString filePath(const QString &name) const { return m_dir.filePath(name); }
    QString write(const QString &name, QByteArrayView bytes) const { return writeFile(filePath(name), bytes); }

private:
    QTemporaryDir m_dir;
};

// The program reads data.txt from the folder that holds it; each test program has a folder of its own.
inline QString dataFilePath()
{
    return QCoreApplication::applicationDirPath() + QStringLiteral("/data.txt");
}

inline void writeDataFile(const QStringList &lines)
{
    writeFile(dataFilePath(), questionFileBytes(lines));
}

inline void writeDataFileBytes(QByteArrayView bytes)
{
    writeFile(dataFilePath(), bytes);
}

inline void removeDataFile()
{
    QFile::remove(dataFilePath());
}

} // namespace support
