// SPDX-FileCopyrightText: 2026 The Tavrelo developers
// SPDX-License-Identifier: MIT
#include "check/rules/finding_log.h"

#include <algorithm>

FindingLog::FindingLog(Output output) : m_output(std::move(output))
{
}

void FindingLog::add(Finding finding)
{
    if (finding.severity == Severity::Error)
        ++m_errors;
    else if (finding.severity == Severity::Warning)
        ++m_warnings;
    else
        ++m_notes;
    m_waiting.push_back(std::move(finding));
    if (m_waiting.size() >= MaxWaiting)
        flush();
}

void FindingLog::flush()
{
    std::stable_sort(m_waiting.begin(), m_waiting.end(), [](const Finding &a, const Finding &b) {
        return a.line != b.line ? a.line < b.line : a.severity < b.severity;
    });
    for (const Finding &finding : m_waiting)
        m_output(finding);
    m_waiting.clear();
}
