// SPDX-FileCopyrightText: 2026 The Tavrelo developers
// SPDX-License-Identifier: MIT
#pragma once

#include "check/output/output_file.h"
#include "check/rules/check_file.h"

#include <QFile>
#include <QString>

#include <optional>

// Opens the file a conversion reads, which must exist and must not be the file the conversion writes; otherwise says
// why through print, in the report's form, and gives the exit status to end with.
std::optional<ExitStatus> openConversionInput(QFile &input, const QString &outputPath, const PrintLine &print);

// Says through print that the conversion's output cannot be written, and why; gives the exit status to end with.
ExitStatus cannotWrite(const OutputFile &output, const PrintLine &print);
