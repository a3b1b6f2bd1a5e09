// SPDX-FileCopyrightText: 2026 The Tavrelo developers
// SPDX-License-Identifier: MIT
#include "check/convert/formats.h"

#include "bank/line_class.h"
#include "check/convert/aiken_reader.h"
#include "check/rules/line_rules.h"
#include "check/rules/messages.h"

#include <QFileInfo>

using namespace Qt::StringLiterals;

namespace {

bool isGiftLine(const QString &line)
{
    const QString trimmed = line.trimmed();
    if (trimmed.startsWith(u"//"))
        return false;
    if (trimmed.startsWith(u"::") || trimmed.startsWith(u"$CATEGORY:"))
        return true;
    for (qsizetype i = 0; i < trimmed.size(); ++i) {
        if (trimmed.at(i) == u'\\')
            ++i;
        else if (trimmed.at(i) == u'{')
            return true;
    }
    return false;
}

} // namespace

std::optional<QuizFormat> detectFormat(const NextLine &nextLine)
{
    bool aiken = false;
    bool gift = false;
    bool misspeltHeader = false;
    QString previous;
    while (const std::optional<QString> next = nextLine()) {
        const QString &line = *next;
        if (classifyLine(line).kind == LineKind::Header)
            return QuizFormat::Tavrelo;
        const QString trimmed = line.trimmed();
        aiken = aiken || (isAikenAnswerLine(trimmed) && isAikenAnswer(previous));
        gift = gift || isGiftLine(line);
        misspeltHeader = misspeltHeader || !headerSlips(line).isEmpty();
        if (!trimmed.isEmpty())
            previous = trimmed;
    }
    if (aiken)
        return QuizFormat::Aiken;
    if (gift)
        return QuizFormat::Gift;
    if (misspeltHeader)
        return QuizFormat::Tavrelo;
    return std::nullopt;
}

std::optional<QuizFormat> outputFormat(const QString &option, const QString &outputPath)
{
    if (option.isEmpty())
        return QFileInfo(outputPath).suffix().compare(u"gift"_s, Qt::CaseInsensitive) == 0 ? QuizFormat::Gift
                                                                                           : QuizFormat::Tavrelo;
    const QString name = option.toLower();
    if (name == u"tavrelo")
        return QuizFormat::Tavrelo;
    if (name == u"gift")
        return QuizFormat::Gift;
    if (name == u"aiken")
        return QuizFormat::Aiken;
    return std::nullopt;
}

QString formatName(QuizFormat format)
{
    switch (format) {
    case QuizFormat::Tavrelo: break;
    case QuizFormat::Gift: return Messages::tr("GIFT");
    case QuizFormat::Aiken: return Messages::tr("Aiken");
    }
    return Messages::tr("Tavrelo's question file");
}
