// SPDX-FileCopyrightText: 2026 The Tavrelo developers
// SPDX-License-Identifier: MIT
#include "check/output/report_file.h"

namespace {

#ifdef Q_OS_WIN
constexpr char LineEnd[] = "\r\n";
#else
constexpr char LineEnd[] = "\n";
#endif

} // namespace

ReportFile::ReportFile(const QString &path, Replace replace) : m_file(path, OutputFormat::Report, replace)
{
}

void ReportFile::writeLine(const QString &line)
{
    m_file.write(line.toUtf8() + LineEnd);
}
