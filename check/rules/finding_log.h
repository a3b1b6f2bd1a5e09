// SPDX-FileCopyrightText: 2026 The Tavrelo developers
// SPDX-License-Identifier: MIT
#pragma once

#include "check/rules/finding.h"

#include <functional>
#include <vector>

// Counts findings and passes them on in line order, the graver first within a line. A question's findings come
// in out of order (those about the whole question are known only at its end), so they wait until flush, or until
// so many wait that memory would grow with the file.
class FindingLog final {
public:
    using Output = std::function<void(const Finding &)>;

    explicit FindingLog(Output output);
    Q_DISABLE_COPY_MOVE(FindingLog)

    void add(Finding finding);
    void flush();

    qint64 errors() const { return m_errors; }
    qint64 warnings() const { return m_warnings; }
    qint64 notes() const { return m_notes; }

private:
    static constexpr size_t MaxWaiting = 1000;

    Output m_output;
    std::vector<Finding> m_waiting;
    qint64 m_errors = 0;
    qint64 m_warnings = 0;
    qint64 m_notes = 0;
};
