// SPDX-FileCopyrightText: 2026 The Tavrelo developers
// SPDX-License-Identifier: MIT
#include "check/convert/copy_check.h"

#include "check/rules/check_file.h"
#include "check/rules/finding_log.h"
#include "check/rules/quiz_builder.h"
#include "platform/core/text_file.h"

#include <QBuffer>

namespace {

// The text compared line by line as it stands in the section, without a list of its lines.
bool sameText(const QuizSection &section, const QStringList &lines)
{
    if (section.text.isEmpty())
        return lines.isEmpty();
    qsizetype at = 0;
    for (const QStringView line : QStringView(section.text).mid(2).split(u"\r\n")) {
        if (at == lines.size() || line != lines[at])
            return false;
        ++at;
    }
    return at == lines.size();
}

bool readsAsWritten(const QuizSection &section, const TavreloCopy::Question &written)
{
    return sameText(section, written.textLines) && section.answers == written.answers
        && section.rightAnswer == written.rightAnswer;
}

} // namespace

CopyCheck checkCopy(const TavreloCopy &copy)
{
    CopyCheck check;
    QBuffer buffer;
    buffer.setData(tavreloBytes(copy));
    buffer.open(QIODevice::ReadOnly);
    platform::TextStream stream(buffer);
    QuizBuilder builder([&](const QuizSection &section) {
        if (section.kind != SectionKind::BeforeFirstQuestion)
            check.questions.push_back(section);
    });
    FindingLog log([&](const Finding &finding) {
        builder.takeFinding(finding);
        // What the checker says of a line mended on purpose is never told: not kept, however many there are.
        const size_t at = size_t(finding.line - 1);
        if (finding.severity != Severity::Note && !(at < copy.mended.size() && copy.mended[at]))
            check.findings.push_back(finding);
    });
    checkStream(stream, log, &builder);

    const size_t written = copy.questions.size();
    for (size_t i = 0; i < written; ++i) {
        if (i >= check.questions.size() || check.questions[i].kind != SectionKind::Question
            || !readsAsWritten(check.questions[i], copy.questions[i])) {
            check.firstMisread = i;
            break;
        }
    }
    if (!check.firstMisread && written > 0 && check.questions.size() > written)
        check.firstMisread = written - 1; // a header hid in the last question's lines
    return check;
}
