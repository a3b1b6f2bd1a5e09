// SPDX-FileCopyrightText: 2026 The Tavrelo developers
// SPDX-License-Identifier: MIT
#include "check/convert/source_question.h"

#include "check/rules/quote.h"

#include <algorithm>

NextLine linesOf(const QStringList &lines)
{
    return [&lines, next = qsizetype(0)]() mutable -> std::optional<QString> {
        if (next == lines.size())
            return std::nullopt;
        return lines[next++];
    };
}

QString questionName(const SourceQuestion &question)
{
    QString name = QString::number(question.number);
    if (!question.title.isEmpty())
        return name + u' ' + quote(question.title);
    const auto shown = std::find_if(question.text.begin(), question.text.end(),
                                    [](const SourceLine &line) { return !line.text.trimmed().isEmpty(); });
    return shown == question.text.end() ? name : name + u' ' + quote(shown->text.trimmed());
}
