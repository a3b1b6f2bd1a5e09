// SPDX-FileCopyrightText: 2026 The Tavrelo developers
// SPDX-License-Identifier: MIT
#include "check/check_file.h"

#include "check/finding_log.h"
#include "check/messages.h"
#include "check/question_checker.h"
#include "platform/core/runtime_error.h"
#include "platform/core/text_file.h"

#include <QFile>
#include <QFileInfo>

#include <memory>

using namespace Qt::StringLiterals;

namespace {

QString encodingError(FileEncoding encoding)
{
    const QString fix =
        encoding == FileEncoding::Utf8 || encoding == FileEncoding::Utf8WithBom
            ? Messages::tr("save it as Windows-1251 (Cyrillic), or convert it with tavrelo-check --to-cp1251 NEW-FILE "
                           "FILE")
            : Messages::tr("save it as Windows-1251 (Cyrillic)");
    return Messages::tr("the file is saved as %1, but Tavrelo reads only Windows-1251: the learner sees garbled text, "
                        "and no header or answer marker matches; %2")
        .arg(encodingName(encoding), fix);
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

FileEncoding detectFileEncoding(const QString &path)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly | QIODevice::Unbuffered))
        throw platform::RuntimeError(platform::Error::PathFileAccessError);
    return detectEncoding(file);
}

} // namespace

CheckCounts checkStream(platform::TextStream &stream, FileEncoding encoding, FindingLog &log)
{
    if (encoding != FileEncoding::Windows1251)
        log.add(Finding{1, Severity::Error, encodingError(encoding)});
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
        const FileEncoding encoding = detectFileEncoding(path);
        const CheckCounts counts = checkStream(*stream, encoding, log);
        stream->Close();
        print(prefix + summary(counts, log));
    } catch (const platform::RuntimeError &error) {
        log.flush();
        print(prefix + u"error: "_s + runTimeError(error));
        return ExitStatus::Unreadable;
    }
    return log.errors() + log.warnings() > 0 ? ExitStatus::Slips : ExitStatus::Clean;
}
