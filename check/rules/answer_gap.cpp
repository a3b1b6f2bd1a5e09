// SPDX-FileCopyrightText: 2026 The Tavrelo developers
// SPDX-License-Identifier: MIT
#include "check/rules/answer_gap.h"

#include "check/rules/messages.h"

#include <QStringList>

#include <algorithm>

using namespace Qt::StringLiterals;

namespace {

// "A", "A and B", "A, B and C".
QString enumerate(const QStringList &items)
{
    if (items.size() < 2)
        return items.join(QString());
    return Messages::tr("%1 and %2").arg(items.mid(0, items.size() - 1).join(u", "_s), items.last());
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
    // The buttons, counted from the top.
    const QString ordinals[] = {Messages::tr("first", "button"), Messages::tr("second", "button"),
                                Messages::tr("third", "button")};
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

    QString text = (all.size() == 1 ? Messages::tr("question %1 has only answer %2")
                                    : Messages::tr("question %1 has answers %2"))
                       .arg(question)
                       .arg(enumerate(all))
                 + u": "_s;
    text += (hidden.size() == 1 ? Messages::tr("answer %1 is never shown") : Messages::tr("answers %1 are never shown"))
                .arg(enumerate(hidden))
          + u"; "_s;
    if (shown == 1)
        text += Messages::tr("the only button is empty");
    else
        text += (empty.size() == 1 ? Messages::tr("the %1 button is empty") : Messages::tr("the %1 buttons are empty"))
                    .arg(enumerate(empty));
    if (marked > shown)
        text += u"; "_s
              + Messages::tr("its marked answer %1 cannot be chosen, so every choice counts as wrong")
                    .arg(answerLetter(marked));
    return text;
}
