// SPDX-FileCopyrightText: 2026 The Tavrelo developers
// SPDX-License-Identifier: MIT
#pragma once

#include "check/rules/quiz_builder.h"
#include "platform/core/text_encoding.h"

#include <QString>
#include <QtGlobal>

#include <functional>
#include <optional>

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

// Reads a stream as Tavrelo does, reporting every finding to the log and, with a builder, every line to the builder
// too; raises what the stream raises.
CheckCounts checkStream(platform::TextStream &stream, FindingLog &log, QuizBuilder *builder = nullptr);

// What a check found of a file as a whole.
struct FileSummary {
    ExitStatus status = ExitStatus::Unreadable;
    std::optional<platform::TextEncoding> encoding; // none when the file could not be opened
    CheckCounts counts;
    qint64 errors = 0;
    qint64 warnings = 0;
    qint64 notes = 0;
};

// Checks one question file the way Tavrelo opens and reads it: a note on the encoding read and each finding, then
// a summary line, go to print, every line beginning with the file's name. With onSection, the quiz is handed over
// too, section by section, as QuizBuilder gathers it.
FileSummary checkFile(const QString &path, const PrintLine &print, const QuizBuilder::OnSection &onSection);
inline ExitStatus checkFile(const QString &path, const PrintLine &print)
{
    return checkFile(path, print, {}).status;
}

// "the file is read as UTF-8", as the report's first note says.
QString encodingNote(platform::TextEncoding encoding);

// "2 questions loaded, 5 answers, 1 question with a marked answer; 2 errors, 4 warnings", as the report ends.
QString summaryLine(const FileSummary &summary);
