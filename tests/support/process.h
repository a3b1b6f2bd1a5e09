// SPDX-FileCopyrightText: 2026 The Tavrelo developers
// SPDX-License-Identifier: MIT
#pragma once

#include <QProcess>
#include <QProcessEnvironment>
#include <QString>
#include <QStringList>

namespace support {

// How a program run by a test ended. A run that did not start, or did not end in time (it is then killed),
// counts as a crash with exit code -1.
struct ProcessOutcome {
    bool finished = false;
    QProcess::ExitStatus status = QProcess::CrashExit;
    int code = -1;
    QString output;
    QString errors;

    bool Succeeded() const { return finished && status == QProcess::NormalExit && code == 0; }
    QString Report() const { return output + errors; }
};

inline ProcessOutcome RunProcess(const QString &program, const QStringList &arguments, const QString &folder,
                                 const QProcessEnvironment &environment, int timeoutMs)
{
    QProcess process;
    process.setProcessEnvironment(environment);
    process.setWorkingDirectory(folder);
    process.start(program, arguments);
    ProcessOutcome outcome;
    outcome.finished = process.waitForStarted(timeoutMs) && process.waitForFinished(timeoutMs);
    if (!outcome.finished) {
        process.kill();
        process.waitForFinished(timeoutMs);
        return outcome;
    }
    outcome.status = process.exitStatus();
    outcome.code = process.exitCode();
    // A Windows program's text streams end their lines in CR LF.
    outcome.output =
        QString::fromUtf8(process.readAllStandardOutput()).replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
    outcome.errors =
        QString::fromUtf8(process.readAllStandardError()).replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
    return outcome;
}

} // namespace support
