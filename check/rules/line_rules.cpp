// SPDX-FileCopyrightText: 2026 The Tavrelo developers
// SPDX-License-Identifier: MIT
#include "check/rules/line_rules.h"

#include "bank/line_class.h"
#include "check/rules/messages.h"

#include <QStringList>

#include <utility>

using namespace Qt::StringLiterals;

bool isBlankChar(QChar ch)
{
    return ch == u' ' || ch == u'\t' || ch == u'\u00A0';
}

qsizetype leadingBlanks(QStringView line)
{
    qsizetype i = 0;
    while (i < line.size() && isBlankChar(line[i]))
        ++i;
    return i;
}

namespace {

// The small Cyrillic letter that a Latin letter (in small form) passes for in the header's words, or 0.
char16_t cyrillicLookAlike(char16_t latin)
{
    switch (latin) {
    case u'a': return u'а';
    case u'b': return u'в';
    case u'c': return u'с';
    case u'e': return u'е';
    case u'o': return u'о';
    case u'p': return u'р';
    default: return 0;
    }
}

struct HeaderLook {
    bool leadingBlanks = false;
    bool latinLetters = false;
    bool letterCase = false;
    bool spacing = false;
    bool spaceBeforeColon = false;
    bool noColon = false;
};

// Walks the line along "Вес вопроса:", forgiving what authors get wrong; false when it is some other line.
bool readLikeHeader(QStringView line, HeaderLook &look)
{
    qsizetype i = 0;
    const auto skipBlanks = [&] {
        const qsizetype start = i;
        while (i < line.size() && isBlankChar(line[i]))
            ++i;
        return line.mid(start, i - start);
    };
    const auto readWord = [&](QStringView word) {
        for (const QChar expected : word) {
            if (i >= line.size())
                return false;
            const QChar actual = line[i++];
            if (actual == expected)
                continue;
            QChar small = actual.toLower();
            if (small.unicode() < 0x80) {
                small = QChar(cyrillicLookAlike(small.unicode()));
                look.latinLetters = true;
            }
            if (small != expected.toLower())
                return false;
            look.letterCase = look.letterCase || actual.isUpper() != expected.isUpper();
        }
        return true;
    };

    look.leadingBlanks = !skipBlanks().isEmpty();
    if (!readWord(u"Вес"))
        return false;
    look.spacing = skipBlanks() != u" ";
    if (!readWord(u"вопроса"))
        return false;
    const bool blanksBeforeColon = !skipBlanks().isEmpty();
    look.noColon = i == line.size() || line[i] != u':';
    look.spaceBeforeColon = blanksBeforeColon && !look.noColon;
    return true;
}

} // namespace

QString looksLikeAnswer(QStringView line, bool belowAnswers)
{
    const qsizetype start = leadingBlanks(line);
    if (line.size() < start + 2 || line[start + 1] != u')')
        return {};
    const char16_t letter = line[start].unicode();
    if (start > 0) {
        if (letter >= u'A' && letter <= u'D')
            return Messages::tr("looks like answer %1, but spaces or tabs stand before \"%1)\", so the line is "
                                "question text")
                .arg(QChar(letter));
        return {};
    }
    if (letter >= u'a' && letter <= u'd')
        return Messages::tr("looks like answer %1, but its \"%2\" is a small letter, so the line is question text")
            .arg(QChar(letter - u'a' + u'A'))
            .arg(QChar(letter));
    const auto cyrillic = [&](char16_t latin) {
        return Messages::tr("looks like answer %1, but its \"%2\" is the Cyrillic letter, so the line is question text")
            .arg(QChar(latin))
            .arg(QChar(letter));
    };
    switch (letter) {
    case u'А': return cyrillic(u'A');
    case u'В': return cyrillic(u'B');
    case u'С': return cyrillic(u'C');
    case u'Б':
    case u'Г':
    case u'Д':
        return Messages::tr("looks like an answer, but answers take the Latin letters A) to D), not \"%1)\", so the "
                            "line is question text")
            .arg(QChar(letter));
    default: break;
    }
    if (belowAnswers && letter >= u'E' && letter <= u'Z') {
        if (isMarkedAnswer(line))
            return Messages::tr("looks like answer %1, but Tavrelo shows only answers A) to D), so the line is "
                                "question text, its \"*\" too")
                .arg(QChar(letter));
        return Messages::tr("looks like answer %1, but Tavrelo shows only answers A) to D), so the line is question "
                            "text")
            .arg(QChar(letter));
    }
    return {};
}

bool answerWithoutText(QStringView answerLine)
{
    QStringView text = answerLine.mid(qMin<qsizetype>(2, answerLine.size()));
    if (isMarkedAnswer(text))
        text.chop(1);
    return isBlank(text);
}

QString headerSlips(QStringView line)
{
    HeaderLook look;
    if (!readLikeHeader(line, look))
        return {};
    const std::pair<bool, QString> named[] = {
        {look.leadingBlanks, Messages::tr("spaces before it")},
        {look.latinLetters, Messages::tr("Latin letters that look like Cyrillic ones")},
        {look.letterCase, Messages::tr("letters in the wrong case")},
        {look.spacing, Messages::tr("not one plain space between the words")},
        {look.spaceBeforeColon, Messages::tr("a space before the colon")},
        {look.noColon, Messages::tr("no colon")},
    };
    QStringList slips;
    for (const auto &[found, slip] : named) {
        if (found)
            slips << slip;
    }
    return slips.join(u", "_s);
}

bool starThenBlanks(QStringView line)
{
    qsizetype end = line.size();
    while (end > 0 && isBlankChar(line[end - 1]))
        --end;
    return end < line.size() && end > 0 && line[end - 1] == u'*';
}

bool isBlank(QStringView line)
{
    return leadingBlanks(line) == line.size();
}

LineMarks findMarks(QStringView line)
{
    LineMarks marks;
    const char16_t *const units = line.utf16();
    for (qsizetype i = 0; i < line.size(); ++i) {
        const char16_t ch = units[i];
        // Most of a question file is printable ASCII or lies between Latin-1 and Arabic, Cyrillic among them.
        if ((ch >= 0x20 && ch < 0x7F) || (ch >= 0xA0 && ch < 0x061C))
            continue;
        if (marks.control < 0 && ((ch < 0x20 && ch != u'\t') || (ch >= 0x7F && ch < 0xA0) || ch == 0xFFFD))
            marks.control = i;
        else if (marks.direction < 0
                 && (ch == 0x061C || ch == 0x200E || ch == 0x200F || (ch >= 0x202A && ch <= 0x202E)
                     || (ch >= 0x2066 && ch <= 0x2069)))
            marks.direction = i;
        if (marks.control >= 0 && marks.direction >= 0)
            break;
    }
    return marks;
}

QString directionControl(QStringView line, qsizetype at)
{
    if (at < 0)
        return {};
    return Messages::tr("the invisible direction control U+%1 at column %2, which can turn the line round on the "
                        "page and on screen (\"2 - 5 = ?\" shows as \"? = 5 - 2\")")
        .arg(QString::number(line[at].unicode(), 16).toUpper().rightJustified(4, u'0'))
        .arg(at + 1);
}

QString controlCharacter(QStringView line, qsizetype at, platform::TextEncoding encoding, qsizetype illFormedAt)
{
    if (at < 0)
        return {};
    const char16_t ch = line[at].unicode();
    const qsizetype column = at + 1;
    if (ch == 0xFFFD) {
        if (at == illFormedAt)
            return Messages::tr("bytes that are not text in the file's encoding, shown as \"\uFFFD\", at column %1")
                .arg(column);
        return Messages::tr("the character \"\uFFFD\" (U+FFFD), which stands for text lost when the file was converted "
                            "before, at column %1")
            .arg(column);
    }
    const bool bytes = encoding == platform::TextEncoding::Windows1251
                    || (ch < 0x80 && encoding != platform::TextEncoding::Utf16LE
                        && encoding != platform::TextEncoding::Utf16BE);
    if (!bytes)
        return Messages::tr("the control character U+%1 at column %2")
            .arg(QString::number(ch, 16).toUpper().rightJustified(4, u'0'))
            .arg(column);
    if (ch == 0)
        return Messages::tr("a NUL byte at column %1").arg(column);
    const QString hex = u"0x"_s + QString::number(ch, 16).toUpper().rightJustified(2, u'0');
    if (ch == 0x98)
        return Messages::tr("the byte %1, which Windows-1251 leaves undefined, at column %2").arg(hex).arg(column);
    return Messages::tr("the control byte %1 at column %2").arg(hex).arg(column);
}
