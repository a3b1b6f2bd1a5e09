// SPDX-FileCopyrightText: 2026 The Tavrelo developers
// SPDX-License-Identifier: MIT
#pragma once

#include <QString>
#include <QStringList>

#include <vector>

// The files one run of the checker reads and writes, all named before anything is written, so that no file it
// writes is one it reads or one it writes something else to, however the names are spelt (platform::sameFile).
class WritePlan final {
public:
    void reads(const QString &path);
    // What is written, as "cannot write %1 to" names it: "the report", in the user's language.
    void writes(const QString &path, const QString &what);

    // The first clash, as the message that stops the run; empty when there is none.
    QString clash() const;

private:
    struct Written {
        QString path;
        QString what;
    };

    QStringList m_read;
    std::vector<Written> m_written;
};
