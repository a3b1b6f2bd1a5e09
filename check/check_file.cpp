// SPDX-FileCopyrightText: 2026 The Tavrelo developers
// SPDX-License-Identifier: MIT
#include "check/check_file.h"

#include "check/finding_log.h"
#include "check/question_checker.h"
#include "platform/core/runtime_error.h"
#include "platform/core/text_file.h"

#include <QFileInfo>

#include <memory>

using namespace Qt::StringLiterals;

namespace {

QString encodingNote(platform::TextEncoding encoding)
{
    switch (encoding) {
    case platform::TextEncoding::Windows1251: break;
    case platform::TextEncoding::Utf8: return u"the file is read as UTF-8"_s;
    case platform::TextEncoding::Utf8WithMark: return u"the file is read as UTF-8, as its byte-order mark says"_s;
    case platform::TextEncoding::Utf16LE:
        return u"the file is read as UTF-16 (little-endian), as its byte-order mark says"_s;
    case platform::TextEncoding::Utf16BE:
        return u"the file is read as UTF-16 (big-endian), as its byte-order mark says"_s;
    }
    return u"the file is read as Windows-1251 (Cyrillic), since it is not UTF-8 throughout and has no byte-order "
           u"mark"_s;
}

QString counted(qint64 count, const QString &one, const QString &many)
{
    return QString::number(count) + u' ' + (count == 1 ? one : many);
}

QString summary(const CheckCounts &counts, const FindingLog &log)
{
    return counted(counts.questions, u"question"_s, u"questions"_s) + u" loaded, "_s
         + counted(counts.answers, u"answer"_s, u"answers"_s) + u", "_s
         + counted(counts.markedQuestions, u"question"_s, u"questions"_s) + u" with a marked answer; "_s
         + counted(log.errors(), u"error"_s, u"errors"_s) + u", "_s
         + counted(log.warnings(), u"warning"_s, u"warnings"_s);
}

QString runTimeError(const platform::RuntimeError &error)
{
    return u"cannot be read: "_s + error.Description() + u" (run-time error "_s + QString::number(error.Number())
         + u"), which ends Tavrelo"_s;
}

} // namespace

CheckCounts checkStream(platform::TextStream &stream, FindingLog &log)
{
    QuestionChecker checker(log);
    checker.read(stream);
    return CheckCounts{.questions = checker.questions(),
                       .answers = checker.answers(),
                       .markedQuestions = checker.markedQuestions()};
}

ExitStatus checkFile(const QString &path, const PrintLine &print)
{
    const QString prefix = path + u": "_s;
    // As Tavrelo does: a missing file, or a folder of that name, is "Data file not found".
    if (!platform::FileExists(path)) {
        print(prefix + u"error: "_s + (QFileInfo(path).isDir() ? u"is a folder"_s : u"no such file"_s)
              + u", so Tavrelo says \"Data file not found\" and starts with no questions"_s);
        return ExitStatus::Unreadable;
    }
    FindingLog log([&](const Finding &finding) { print(formatFinding(path, finding)); });
    try {
        const std::unique_ptr<platform::TextStream> stream = platform::OpenTextFile(path);
        log.add(Finding{1, Severity::Note, encodingNote(stream->encoding())});
        const CheckCounts counts = checkStream(*stream, log);
        stream->Close();
        print(prefix + summary(counts, log));
    } catch (const platform::RuntimeError &error) {
        log.flush();
        print(prefix + u"error: "_s + runTimeError(error));
        return ExitStatus::Unreadable;
    }
    return log.errors() + log.warnings() > 0 ? ExitStatus::Slips : ExitStatus::Clean;
}
