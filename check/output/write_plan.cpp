// SPDX-FileCopyrightText: 2026 The Tavrelo developers
// SPDX-License-Identifier: MIT
#include "check/output/write_plan.h"

#include "check/rules/messages.h"
#include "platform/core/file_names.h"

#include <algorithm>
#include <utility>

QStringList distinctFiles(const QStringList &files)
{
    QStringList distinct;
    for (const QString &file : files) {
        if (std::none_of(distinct.begin(), distinct.end(),
                         [&](const QString &earlier) { return platform::sameFile(file, earlier); }))
            distinct << file;
    }
    return distinct;
}

void WritePlan::reads(const QString &path)
{
    m_read << path;
}

void WritePlan::writes(const QString &path, const QString &what)
{
    m_written.push_back({path, what});
}

QString WritePlan::refused(const Written &output, const QString &why)
{
    return Messages::tr("cannot write %1 to %2: %3; nothing was written").arg(output.what, output.path, why);
}

QString WritePlan::clash() const
{
    std::vector<platform::FileTarget> read, written;
    for (const QString &path : m_read)
        read.push_back(platform::findTarget(path));
    for (const Written &output : m_written) {
        written.push_back(platform::findTarget(output.path));
        // Any doubt of where it goes, or a target that is no file, first: then nothing is compared with it.
        if (const QString refusal = outputRefusal(written.back(), Replace::Any); !refusal.isEmpty())
            return refused(output, refusal);
    }
    for (size_t w = 0; w < m_written.size(); ++w) {
        const Written &output = m_written[w];
        for (size_t r = 0; r < read.size(); ++r) {
            if (!platform::sameTarget(written[w], read[r]))
                continue;
            if (output.path == m_read[qsizetype(r)])
                return Messages::tr("cannot write %1 to %2, a file the checker reads; nothing was written")
                    .arg(output.what, output.path);
            return Messages::tr("cannot write %1 to %2: that is %3, which the checker reads; nothing was written")
                .arg(output.what, output.path, m_read[qsizetype(r)]);
        }
        for (size_t other = 0; other < w; ++other) {
            if (platform::sameTarget(written[w], written[other]))
                return Messages::
                    tr("cannot write %1 (%2) and %3 (%4) to one file: name two different files; nothing was written")
                        .arg(m_written[other].what, m_written[other].path, output.what, output.path);
            // One a file, the other made in a folder of that name: the second to be written would fail half-way.
            for (const auto &[file, folder] : {std::pair{other, w}, std::pair{w, other}}) {
                if (platform::isInside(written[file], written[folder]))
                    return Messages::tr("cannot write %1 to %2, since %3 goes into a folder of that name (%4): name "
                                        "two different places; nothing was written")
                        .arg(m_written[folder].what, m_written[folder].path, m_written[file].what,
                             m_written[file].path);
            }
        }
    }
    for (size_t w = 0; w < m_written.size(); ++w) {
        if (const QString refusal = outputRefusal(written[w], m_replace); !refusal.isEmpty())
            return refused(m_written[w], refusal);
    }
    return {};
}
