// SPDX-FileCopyrightText: 2026 The Tavrelo developers
// SPDX-License-Identifier: MIT
#pragma once

#include "tests/support/process.h"

#include <QRegularExpression>

namespace support {

// A run of the real program, offscreen, with the window probe loaded into it: the probe answers every message box
// and closes the program's window once it is up, and says on standard error what it saw.
struct ProbedRun {
    ProcessOutcome outcome;

    bool windowUp() const { return outcome.errors.contains(QStringLiteral("Window up: Tavrelo\n")); }
    // Each box as "Message box (critical) "TITLE":\nTEXT".
    QStringList messageBoxes() const
    {
        QStringList boxes;
        const QRegularExpression box(QStringLiteral("Message box \\([a-z]+\\) \"[^\"]*\":\\n[^\\n]*(\\n\\n[^\\n]*)?"));
        for (auto matches = box.globalMatch(outcome.errors); matches.hasNext();)
            boxes << matches.next().captured();
        return boxes;
    }
    // The peak virtual memory of the program when its window came up, in kB; 0 where the system does not say.
    qint64 peakVirtualKb() const
    {
        const QRegularExpressionMatch match =
            QRegularExpression(QStringLiteral("VmPeak: (\\d+) kB")).match(outcome.errors);
        return match.hasMatch() ? match.captured(1).toLongLong() : 0;
    }
};

inline QProcessEnvironment probedEnvironment()
{
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    environment.insert(QStringLiteral("QT_QPA_PLATFORM"), QStringLiteral("offscreen"));
    environment.insert(QStringLiteral("QT_PLUGIN_PATH"), QStringLiteral(TAVRELO_PROBE_PLUGINS));
    environment.insert(QStringLiteral("QT_QPA_GENERIC_PLUGINS"), QStringLiteral("tavrelowindowprobe:Tavrelo"));
    return environment;
}

inline ProbedRun runProbed(const QString &program, const QString &folder, int timeoutMs,
                           const std::function<void()> &inChild = {})
{
    return {runProcess(program, {}, folder, probedEnvironment(), timeoutMs, inChild)};
}

} // namespace support
