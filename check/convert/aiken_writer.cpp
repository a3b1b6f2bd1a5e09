// SPDX-FileCopyrightText: 2026 The Tavrelo developers
// SPDX-License-Identifier: MIT
#include "check/convert/aiken_writer.h"

#include "check/convert/aiken_reader.h"
#include "check/rules/messages.h"
#include "check/rules/quote.h"

#include <algorithm>

using namespace Qt::StringLiterals;

qsizetype writeAiken(const std::vector<PlayedQuestion> &questions, QString &aiken, std::vector<Finding> &notes)
{
    qsizetype written = 0;
    for (const PlayedQuestion &question : questions) {
        const auto leaveOut = [&](qint64 line, const QString &why) {
            notes.push_back(Finding{line, Severity::Warning, why});
        };
        QStringList shown = question.text;
        shown.removeAll(QString());
        const QString text = shown.join(u' ');
        if (text.size() < 2) {
            // Moodle passes over lines shorter than two characters.
            leaveOut(question.line, Messages::tr("question %1 is left out: Aiken wants a question text of two "
                                                 "characters or more")
                                        .arg(question.number));
            continue;
        }
        if (isAikenAnswer(text) || isAikenAnswerLine(text)) {
            leaveOut(question.line, Messages::tr("question %1 is left out: in Aiken its text %2 would read as an "
                                                 "answer")
                                        .arg(question.number)
                                        .arg(quote(text)));
            continue;
        }
        const auto empty = std::find(question.answers.begin(), question.answers.end(), QString());
        if (empty != question.answers.end()) {
            leaveOut(question.answerLines[size_t(empty - question.answers.begin())],
                     Messages::tr("question %1 is left out: Aiken has no answer without text").arg(question.number));
            continue;
        }
        if (question.answers.size() < 2) {
            leaveOut(question.line, Messages::tr("question %1 is left out: it has one answer alone, and Moodle takes "
                                                 "no Aiken question with fewer than two")
                                        .arg(question.number));
            continue;
        }
        if (shown.size() > 1) {
            notes.push_back(Finding{question.line, Severity::Note,
                                    Messages::tr("the %n lines of question %1's text are joined into one, since Aiken "
                                                 "holds a question on one line",
                                                 nullptr, int(shown.size()))
                                        .arg(question.number)});
        }
        if (!aiken.isEmpty())
            aiken += u'\n';
        aiken += text + u'\n';
        for (qsizetype k = 0; k < question.answers.size(); ++k)
            aiken += QChar(char16_t(u'A' + k)) + u") "_s + question.answers[k] + u'\n';
        aiken += u"ANSWER: "_s + QChar(u'A' + question.right) + u'\n';
        ++written;
    }
    return written;
}
