// SPDX-FileCopyrightText: 2026 The Tavrelo developers
// SPDX-License-Identifier: MIT
#pragma once

#include <QProcess>
#include <QProcessEnvironment>
#include <QString>
#include <QStringList>

#include <functional>

namespace support {

// How a program run by a test ended. A run that did not start, or did not end in time (it is then killed),
// counts as a crash with exit code -1.
struct ProcessOutcome {
    bool finished = false;
    QProcess::ExitStatus status = QProcess::CrashExit;
    int code = -1;
    QString output;
    QString errors;

    bool succeeded() const { return finished && status == QProcess::NormalExit && code == 0; }
    QString report() const { return output + errors; }
};

#if QT_VERSION_MAJOR < 6
// Qt 5 runs a virtual function of the process in the child where Qt 6 takes a function.
class ChildSetupProcess : public QProcess {
public:
    explicit ChildSetupProcess(std::function<void()> inChild) : m_inChild(std::move(inChild)) {}

protected:
    void setupChildProcess() override
    {
        if (m_inChild)
            m_inChild();
    }

private:
    std::function<void()> m_inChild;
};
#endif

// inChild runs in the new process before the program starts (where the system allows), to set its limits.
inline ProcessOutcome runProcess(const QString &program, const QStringList &arguments, const QString &folder,
                                 const QProcessEnvironment &environment, int timeoutMs,
                                 const std::function<void()> &inChild = {})
{
#if QT_VERSION_MAJOR >= 6
    QProcess process;
#ifdef Q_OS_UNIX
    if (inChild)
        process.setChildProcessModifier(inChild);
#endif
#else
    ChildSetupProcess process(inChild);
#endif
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
