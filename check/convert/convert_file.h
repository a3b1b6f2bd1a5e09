// SPDX-FileCopyrightText: 2026 The Tavrelo developers
// SPDX-License-Identifier: MIT
#pragma once

#include "check/convert/formats.h"
#include "check/output/output_file.h"
#include "check/rules/check_file.h"

#include <QByteArray>
#include <QString>

class QIODevice;

struct Conversion {
    ExitStatus status = ExitStatus::Unreadable;
    bool read = false; // whether the input was read and its format told
    QByteArray output; // the converted file in UTF-8 with CR LF, without the byte-order mark that its file gets;
                       // empty when nothing converted
    int converted = 0;
    int leftOut = 0;
};

// Converts a quiz read as Tavrelo reads text (UTF-8, UTF-16 or Windows-1251) from the format its content shows into
// another: into Tavrelo's question file from GIFT, Aiken or a lettered file of Tavrelo's layout, checked by Tavrelo's
// reader before it is handed back; out of Tavrelo's question file into GIFT or Aiken as Tavrelo plays it; from GIFT
// or Aiken into either through Tavrelo's. Prints a note on every question left out and on every change, as
// "NAME:LINE: level: text" at the input's lines, in line order. The input is read twice, line by line, and must
// be able to go back to its start.
Conversion convertQuiz(QIODevice &input, const QString &inputName, QuizFormat to, const PrintLine &print);

// The same from a file into a new one, written whole or not at all, never over the input nor over a file the checker
// did not make unless replace says so, with the checker's mark where the format has room for it; ends with a line
// that counts the questions and names what was written; sets written, if given, when the file was written.
ExitStatus convertFile(const QString &inputPath, const QString &outputPath, QuizFormat to, const PrintLine &print,
                       Replace replace = Replace::OwnFiles, bool *written = nullptr);
