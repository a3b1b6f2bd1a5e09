// SPDX-FileCopyrightText: 2026 The Tavrelo developers
// SPDX-License-Identifier: MIT
#include "check/check_file.h"

#include "check/finding_log.h"
#include "check/messages.h"
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
    case platform::TextEncoding::Utf8: return Messages::tr("the file is read as UTF-8");
    case platform::TextEncoding::Utf8WithMark:
        return Messages::tr("the file is read as UTF-8, as its byte-order mark says");
    case platform::TextEncoding::Utf16LE:
        return Messages::tr("the file is read as UTF-16 (little-endian), as its byte-order mark says");
    case platform::TextEncoding::Utf16BE:
        return Messages::tr("the file is read as UTF-16 (big-endian), as its byte-order mark says");
    }
    return Messages::tr("the file is read as Windows-1251 (Cyrillic), since it is not UTF-8 throughout and has no "
                        "byte-order mark");
}

QString summary(const CheckCounts &counts, const FindingLog &log)
{
    return Messages::tr("%n question(s) loaded", nullptr, counts.questions) + u", "_s
         + Messages::tr("%n answer(s)", nullptr, int(counts.answers)) + u", "_s
         + Messages::tr("%n question(s) with a marked answer", nullptr, int(counts.markedQuestions)) + u"; "_s
         + Messages::tr("%n error(s)", nullptr, int(log.errors())) + u", "_s
         + Messages::tr("%n warning(s)", nullptr, int(log.warnings()));
}

QString runTimeError(const platform::RuntimeError &error)
{
    return Messages::tr("cannot be read: %1 (run-time error %2), which ends Tavrelo")
        .arg(error.Description())
        .arg(error.Number());
}

} // namespace

bool sameFile(const QString &a, const QString &b)
{
    const QFileInfo first(a), second(b);
    return first.exists() && second.exists() && first.canonicalFilePath() == second.canonicalFilePath();
}

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
        print(prefix + u"error: "_s
              + (QFileInfo(path).isDir()
                     ? Messages::tr("is a folder, so Tavrelo says \"Data file not found\" and starts with no questions")
                     : Messages::tr(
                         "no such file, so Tavrelo says \"Data file not found\" and starts with no questions")));
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
