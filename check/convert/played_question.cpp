// SPDX-FileCopyrightText: 2026 The Tavrelo developers
// SPDX-License-Identifier: MIT
#include "check/convert/played_question.h"

#include "check/rules/messages.h"

std::optional<PlayedQuestion> playedQuestion(const QuizSection &section, std::vector<Finding> &notes)
{
    PlayedQuestion played{.number = section.number, .line = section.lines.empty() ? 0 : section.lines.front().number};
    const auto warn = [&](const QString &text) { notes.push_back(Finding{played.line, Severity::Warning, text}); };
    const int shown = section.shownAnswers();
    if (shown == 0) {
        warn(Messages::tr("question %1 is left out: it has no answers").arg(section.number));
        return std::nullopt;
    }
    if (section.rightAnswer == 0) {
        warn(Messages::tr("question %1 is left out: none of its answers is marked right").arg(section.number));
        return std::nullopt;
    }
    if (section.rightAnswer > shown) {
        warn(Messages::tr("question %1 is left out: its marked answer %2 is never shown, since an answer above it is "
                          "missing")
                 .arg(section.number)
                 .arg(QChar(u'A' + section.rightAnswer - 1)));
        return std::nullopt;
    }
    for (int k = 1; k <= shown; ++k) {
        const QString &answer = section.answers[size_t(k - 1)];
        if (answer.isEmpty()) {
            notes.push_back(Finding{played.line, Severity::Note,
                                    Messages::tr("question %1 shows an empty button where answer %2 is missing: it is "
                                                 "left out")
                                        .arg(section.number)
                                        .arg(QChar(u'A' + k - 1))});
            continue;
        }
        if (k == section.rightAnswer)
            played.right = int(played.answers.size());
        played.answers << answer.mid(2).trimmed();
        qint64 line = played.line;
        for (const QuizLine &kept : section.lines) {
            if (kept.role == LineRole::Answer && kept.answer == k)
                line = kept.number;
        }
        played.answerLines.push_back(line);
    }
    for (const QString &line : section.textLines())
        played.text << line.trimmed();
    while (!played.text.isEmpty() && played.text.back().isEmpty())
        played.text.removeLast();
    while (!played.text.isEmpty() && played.text.front().isEmpty())
        played.text.removeFirst();
    return played;
}
