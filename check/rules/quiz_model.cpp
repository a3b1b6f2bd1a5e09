// SPDX-FileCopyrightText: 2026 The Tavrelo developers
// SPDX-License-Identifier: MIT
#include "check/rules/quiz_model.h"

#include <algorithm>

using namespace Qt::StringLiterals;

int QuizSection::shownAnswers() const
{
    return int(std::count_if(answers.begin(), answers.end(), [](const QString &answer) { return !answer.isEmpty(); }));
}

QStringList QuizSection::textLines() const
{
    // Every line stands after its CR LF, the first one included.
    return text.isEmpty() ? QStringList() : text.mid(2).split(u"\r\n"_s);
}
