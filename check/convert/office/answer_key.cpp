// SPDX-FileCopyrightText: 2026 The Tavrelo developers
// SPDX-License-Identifier: MIT
#include "check/convert/office/answer_key.h"

#include <QRegularExpression>

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
    std::vector<KeyPair> pairs;
    for (auto match = pair.globalMatch(text); match.hasNext() && pairs.size() < 100000;) {
        const QRegularExpressionMatch found = match.next();
        pairs.push_back(KeyPair{found.captured(1).toInt(), found.captured(2).at(0)});
    }
    return pairs;
}
