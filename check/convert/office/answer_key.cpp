// SPDX-FileCopyrightText: 2026 The Tavrelo developers
// SPDX-License-Identifier: MIT
#include "check/convert/office/answer_key.h"

#include <QRegularExpression>
#include <QStringList>

#include <algorithm>

using namespace Qt::StringLiterals;

bool opensAnswerKey(const QString &text)
{
    static const QRegularExpression heading(
        u"^\\s*(правильные\\s+ответы|ответы|ответ|ключи?(\\s+к\\s+тесту)?|answers|answer\\s+key|key)\\s*(:|$)"_s,
        QRegularExpression::CaseInsensitiveOption);
    return heading.match(text).hasMatch();
}

std::vector<KeyPair> keyPairs(const QString &text)
{
    static const QRegularExpression pair(
        u"(?<![\\p{L}\\d])(\\d{1,4})\\s*[-–—.:)=]?\\s*([\\p{L}]|\\d)(?![\\p{L}\\d])"_s);
    static const QRegularExpression separators(u"[\\s,;|]+"_s);
    static const QRegularExpression number(u"^\\d{1,4}$"_s);
    static const QRegularExpression answer(u"^([\\p{L}]|\\d)[.)]?$"_s);
    std::vector<KeyPair> pairs;
    const QStringList lines = text.split(u'\n');
    for (qsizetype i = 0; i < lines.size() && pairs.size() < 100000; ++i) {
        // A table of two rows, the questions' numbers above their answers: "1 2 3" over "б а в".
        const QStringList numbers = lines[i].split(separators, Qt::SkipEmptyParts);
        const QStringList answers = i + 1 < lines.size() ? lines[i + 1].split(separators, Qt::SkipEmptyParts)
                                                         : QStringList();
        const auto all = [](const QStringList &words, const QRegularExpression &form) {
            return std::all_of(words.begin(), words.end(),
                               [&](const QString &word) { return form.match(word).hasMatch(); });
        };
        if (numbers.size() > 1 && numbers.size() == answers.size() && all(numbers, number) && all(answers, answer)) {
            for (qsizetype k = 0; k < numbers.size(); ++k)
                pairs.push_back(KeyPair{numbers[k].toInt(), answers[k].at(0)});
            ++i;
            continue;
        }
        for (auto match = pair.globalMatch(lines[i]); match.hasNext() && pairs.size() < 100000;) {
            const QRegularExpressionMatch found = match.next();
            pairs.push_back(KeyPair{found.captured(1).toInt(), found.captured(2).at(0)});
        }
    }
    return pairs;
}
