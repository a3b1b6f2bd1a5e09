// SPDX-FileCopyrightText: 2026 The Tavrelo developers
// SPDX-License-Identifier: MIT
#pragma once

#include <QString>
#include <QtGlobal>

#include <functional>

class FindingLog;

namespace platform {
class TextStream;
}

// Exit statuses of tavrelo-check.
enum class ExitStatus : int {
    Clean = 0,      // no error or warning (notes allowed)
    Slips = 1,      // an error or a warning
    Unreadable = 2, // the file cannot be read the way Tavrelo reads it
};

using PrintLine = std::function<void(const QString &line)>;

struct CheckCounts {
    qint16 questions = 0;
    qint64 answers = 0;
    qint64 markedQuestions = 0;
};

// Reads a stream as Tavrelo does, reporting every finding to the log; raises what the stream raises.
CheckCounts checkStream(platform::TextStream &stream, FindingLog &log);

// Whether two names name one existing file (links and relative paths followed).
bool sameFile(const QString &a, const QString &b);

// Checks one question file the way Tavrelo opens and reads it: a note on the encoding read and each finding, then
// a summary line, go to print, every line beginning with the file's name.
ExitStatus checkFile(const QString &path, const PrintLine &print);
