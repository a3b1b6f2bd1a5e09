// SPDX-FileCopyrightText: 2026 The Tavrelo developers
// SPDX-License-Identifier: MIT
#pragma once

#include "check/output/output_file.h"
#include "check/rules/check_file.h"

#include <QString>

class QIODevice;

// Writes a Windows-1251 copy of a UTF-8 or UTF-16 question file, read as the program reads it, with CR LF line ends
// and without a byte-order mark, for readers that take only Windows-1251. A character that Windows-1251 cannot
// hold is an error at its line and column, and then nothing is written; so is a file read as Windows-1251. Never
// writes over the input, nor over a file the checker did not make unless replace says so. The copy begins with the
// checker's mark, a line before the first question that the learner never sees.
ExitStatus convertToCp1251(const QString &inputPath, const QString &outputPath, const PrintLine &print,
                           Replace replace = Replace::OwnFiles);

// The same between devices, naming the input as inputName in messages; what it writes is whole only when it
// returns Clean.
ExitStatus convertToCp1251(QIODevice &input, QIODevice &output, const QString &inputName, const PrintLine &print);
