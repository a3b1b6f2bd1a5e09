// SPDX-FileCopyrightText: 2026 The Tavrelo developers
// SPDX-License-Identifier: MIT
#pragma once

#include "check/output/output_file.h"

#include <QString>

// The report written to a file by the checker itself (--output): UTF-8 with a byte-order mark and, on Windows, CR LF
// line ends, so that Notepad reads it right. A shell's redirection may not: Windows PowerShell 5.1 decodes a
// program's output in the console's code page before it writes the file. The file is put in place whole at commit.
class ReportFile final {
public:
    ReportFile(const QString &path, Replace replace);
    Q_DISABLE_COPY_MOVE(ReportFile)

    bool open() { return m_file.open(); }
    void writeLine(const QString &line);
    bool commit() { return m_file.commit(); }
    QString errorString() const { return m_file.errorString(); }

private:
    OutputFile m_file;
};
