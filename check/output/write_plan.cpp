// SPDX-FileCopyrightText: 2026 The Tavrelo developers
// SPDX-License-Identifier: MIT
#include "check/output/write_plan.h"

#include "check/rules/messages.h"
#include "platform/core/file_names.h"

void WritePlan::reads(const QString &path)
{
    m_read << path;
}

void WritePlan::writes(const QString &path, const QString &what)
{
    m_written.push_back({path, what});
}

QString WritePlan::clash() const
{
    for (auto written = m_written.begin(); written != m_written.end(); ++written) {
        for (const QString &read : m_read) {
            if (!platform::sameFile(written->path, read))
                continue;
            if (written->path == read)
                return Messages::tr("cannot write %1 to %2, a file the checker reads; nothing was written")
                    .arg(written->what, written->path);
            return Messages::tr("cannot write %1 to %2: that is %3, which the checker reads; nothing was written")
                .arg(written->what, written->path, read);
        }
        for (auto other = m_written.begin(); other != written; ++other) {
            if (platform::sameFile(written->path, other->path))
                return Messages::
                    tr("cannot write %1 (%2) and %3 (%4) to one file: name two different files; nothing was written")
                        .arg(other->what, other->path, written->what, written->path);
        }
    }
    return {};
}
