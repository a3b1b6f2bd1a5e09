// SPDX-FileCopyrightText: 2026 The Tavrelo developers
// SPDX-License-Identifier: MIT
#include "check/convert/playable.h"

#include "check/rules/messages.h"

#include <algorithm>

namespace {

QString kindName(QuestionKind kind)
{
    switch (kind) {
    case QuestionKind::MultipleChoice: break;
    case QuestionKind::TrueFalse: return Messages::tr("a true/false question");
    case QuestionKind::ShortAnswer: return Messages::tr("a short-answer question");
    case QuestionKind::Matching: return Messages::tr("a matching question");
    case QuestionKind::Numerical: return Messages::tr("a numerical question");
    case QuestionKind::Essay: return Messages::tr("an essay");
    case QuestionKind::Description: return Messages::tr("a description, which asks nothing");
    }
    return {};
}

} // namespace

std::optional<Finding> leftOutNote(const SourceQuestion &question)
{
    const QString name = questionName(question);
    const auto note = [&](Severity severity, const QString &text) { return Finding{question.line, severity, text}; };
    if (question.kind != QuestionKind::MultipleChoice) {
        return note(Severity::Note, Messages::tr("question %1 is left out: %2, and Tavrelo asks only multiple choice "
                                                 "with one right answer")
                                        .arg(name, kindName(question.kind)));
    }
    const auto &answers = question.answers;
    if (answers.empty())
        return note(Severity::Warning, Messages::tr("question %1 is left out: it has no answers").arg(name));
    if (answers.size() > 4) {
        return note(Severity::Note,
                    Messages::tr("question %1 is left out: it has %2 answers, and Tavrelo shows at most four")
                        .arg(name)
                        .arg(answers.size()));
    }
    if (std::any_of(answers.begin(), answers.end(), [](const SourceAnswer &answer) { return answer.partial; })) {
        return note(Severity::Note, Messages::tr("question %1 is left out: it gives part marks for some answers, and "
                                                 "Tavrelo counts one answer right and the others wrong")
                                        .arg(name));
    }
    const auto right = std::count_if(answers.begin(), answers.end(),
                                     [](const SourceAnswer &answer) { return answer.right; });
    if (right > 1) {
        return note(Severity::Note,
                    Messages::tr("question %1 is left out: %2 of its answers are right, and Tavrelo counts only one")
                        .arg(name)
                        .arg(right));
    }
    if (right == 0)
        return note(Severity::Warning, Messages::tr("question %1 is left out: none of its answers is right").arg(name));
    return std::nullopt;
}
