// SPDX-FileCopyrightText: 2026 The Tavrelo developers
// SPDX-License-Identifier: MIT
#pragma once

#include "check/output/output_file.h"

#include <QString>
#include <QStringList>

#include <vector>

// The files in the order given, each once however its name is spelt (platform::sameFile).
QStringList distinctFiles(const QStringList &files);

// The files one run of the checker reads and writes, all named before anything is written, so that nothing is
// written unless every file may be: each target found as the writing will find it (platform::findTarget), none a
// file the run reads or one it writes something else to, however the names are spelt, and none a file of the
// user's unless she said --replace (outputRefusal).
class WritePlan final {
public:
    explicit WritePlan(Replace replace = Replace::OwnFiles) : m_replace(replace) {}

    void reads(const QString &path);
    // What is written, as "cannot write %1 to" names it: "the report", in the user's language.
    void writes(const QString &path, const QString &what);

    Replace replace() const { return m_replace; }

    // The first reason not to write, as the message that stops the run; empty when there is none.
    QString clash() const;

private:
    struct Written {
        QString path;
        QString what;
    };

    static QString refused(const Written &output, const QString &why);

    Replace m_replace;
    QStringList m_read;
    std::vector<Written> m_written;
};
