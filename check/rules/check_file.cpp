// SPDX-FileCopyrightText: 2026 The Tavrelo developers
// SPDX-License-Identifier: MIT
#include "check/rules/check_file.h"

#include "check/rules/finding_log.h"
#include "check/rules/messages.h"
#include "check/rules/question_checker.h"
#include "platform/core/runtime_error.h"
#include "platform/core/text_file.h"

#include <QFileInfo>

#include <memory>
#include <optional>

using namespace Qt::StringLiterals;

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

namespace {

QString runTimeError(const platform::RuntimeError &error)
{
    return Messages::tr("cannot be read: %1 (run-time error %2), which ends Tavrelo")
        .arg(error.Description())
        .arg(error.Number());
}

} // namespace

QString summaryLine(const FileSummary &summary)
{
    const CheckCounts &counts = summary.counts;
    return Messages::tr("%n question(s) loaded", nullptr, counts.questions) + u", "_s
         + Messages::tr("%n answer(s)", nullptr, int(counts.answers)) + u", "_s
         + Messages::tr("%n question(s) with a marked answer", nullptr, int(counts.markedQuestions)) + u"; "_s
         + Messages::tr("%n error(s)", nullptr, int(summary.errors)) + u", "_s
         + Messages::tr("%n warning(s)", nullptr, int(summary.warnings));
}

CheckCounts checkStream(platform::TextStream &stream, FindingLog &log, QuizBuilder *builder)
{
    QuestionChecker checker(log);
    checker.read(stream, builder);
    return CheckCounts{.questions = checker.questions(),
                       .answers = checker.answers(),
                       .markedQuestions = checker.markedQuestions()};
}

FileSummary checkFile(const QString &path, const PrintLine &print, const QuizBuilder::OnSection &onSection)
{
    const QString prefix = path + u": "_s;
    // As Tavrelo does: a missing file, or a folder of that name, is "Data file not found".
    if (!platform::FileExists(path)) {
        print(prefix + u"error: "_s
              + (QFileInfo(path).isDir()
                     ? Messages::tr("is a folder, so Tavrelo says \"Data file not found\" and starts with no questions")
                     : Messages::tr(
                         "no such file, so Tavrelo says \"Data file not found\" and starts with no questions")));
        return {};
    }
    std::optional<QuizBuilder> builder;
    if (onSection)
        builder.emplace(onSection);
    FindingLog log([&](const Finding &finding) {
        print(formatFinding(path, finding));
        if (builder)
            builder->takeFinding(finding);
    });
    FileSummary summary;
    try {
        const std::unique_ptr<platform::TextStream> stream = platform::OpenTextFile(path);
        summary.encoding = stream->encoding();
        log.add(Finding{1, Severity::Note, encodingNote(*summary.encoding)});
        summary.counts = checkStream(*stream, log, builder ? &*builder : nullptr);
        stream->Close();
    } catch (const platform::RuntimeError &error) {
        log.flush();
        print(prefix + u"error: "_s + runTimeError(error));
        return {};
    }
    summary.errors = log.errors();
    summary.warnings = log.warnings();
    summary.notes = log.notes();
    summary.status = summary.errors + summary.warnings > 0 ? ExitStatus::Slips : ExitStatus::Clean;
    print(prefix + summaryLine(summary));
    return summary;
}
