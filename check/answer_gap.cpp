// SPDX-FileCopyrightText: 2026 The Tavrelo developers
// SPDX-License-Identifier: MIT
#include "check/answer_gap.h"

#include <QStringList>

#include <algorithm>

using namespace Qt::StringLiterals;

namespace {

// "A", "A and B", "A, B and C".
QString enumerate(const QStringList &items)
{
    if (items.size() < 2)
        return items.join(QString());
    return items.first(items.size() - 1).join(u", "_s) + u" and "_s + items.last();
}

QString answerLetter(int answer)
{
    return QString(QChar(u'A' + answer - 1));
}

int shownCount(const std::array<bool, 4> &present)
{
    return int(std::count(present.begin(), present.end(), true));
}

} // namespace

int firstHiddenAnswer(const std::array<bool, 4> &present)
{
    for (int answer = shownCount(present) + 1; answer <= 4; ++answer) {
        if (present[answer - 1])
            return answer;
    }
    return 0;
}

QString answerGap(int question, const std::array<bool, 4> &present, int marked)
{
    if (firstHiddenAnswer(present) == 0)
        return {};
    static const QString ordinals[] = {u"first"_s, u"second"_s, u"third"_s};
    const int shown = shownCount(present);
    QStringList all, hidden, empty;
    for (int answer = 1; answer <= 4; ++answer) {
        if (present[answer - 1])
            all << answerLetter(answer);
        if (present[answer - 1] && answer > shown)
            hidden << answerLetter(answer);
        if (!present[answer - 1] && answer <= shown)
            empty << ordinals[answer - 1];
    }

    QString text = u"question "_s + QString::number(question)
                 + (all.size() == 1 ? u" has only answer "_s : u" has answers "_s) + enumerate(all) + u": "_s;
    text += hidden.size() == 1 ? u"answer "_s + hidden.first() + u" is never shown; "_s
                               : u"answers "_s + enumerate(hidden) + u" are never shown; "_s;
    if (shown == 1)
        text += u"the only button is empty"_s;
    else
        text += u"the "_s + enumerate(empty) + (empty.size() == 1 ? u" button is empty"_s : u" buttons are empty"_s);
    if (marked > shown)
        text += u"; its marked answer "_s + answerLetter(marked)
              + u" cannot be chosen, so every choice counts as wrong"_s;
    return text;
}
