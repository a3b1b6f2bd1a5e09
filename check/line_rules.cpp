// SPDX-FileCopyrightText: 2026 The Tavrelo developers
// SPDX-License-Identifier: MIT
#include "check/line_rules.h"

#include <QStringList>

#include <algorithm>
#include <utility>

using namespace Qt::StringLiterals;

namespace {

// What an author types as a space: a space, a tab or a no-break space (Windows-1251 byte A0).
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
        return line.sliced(start, i - start);
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

QString looksLikeAnswer(QStringView line)
{
    const qsizetype start = leadingBlanks(line);
    if (line.size() < start + 2 || line[start + 1] != u')')
        return {};
    const char16_t letter = line[start].unicode();
    const auto answer = [](char16_t latin) { return u"looks like answer "_s + QChar(latin); };
    const QString isText = u", so the line is question text"_s;
    if (start > 0) {
        if (letter >= u'A' && letter <= u'D')
            return answer(letter) + u", but spaces or tabs stand before \""_s + QChar(letter) + u")\""_s + isText;
        return {};
    }
    if (letter >= u'a' && letter <= u'd')
        return answer(letter - u'a' + u'A') + u", but its \""_s + QChar(letter) + u"\" is a small letter"_s + isText;
    const auto cyrillic = [&](char16_t latin) {
        return answer(latin) + u", but its \""_s + QChar(letter) + u"\" is the Cyrillic letter"_s + isText;
    };
    switch (letter) {
    case u'А': return cyrillic(u'A');
    case u'В': return cyrillic(u'B');
    case u'С': return cyrillic(u'C');
    case u'Б':
    case u'Г':
    case u'Д':
        return u"looks like an answer, but answers take the Latin letters A) to D), not \""_s + QChar(letter) + u")\""_s
             + isText;
    default: return {};
    }
}

QString headerSlips(QStringView line)
{
    HeaderLook look;
    if (!readLikeHeader(line, look))
        return {};
    const std::pair<bool, QString> named[] = {
        {look.leadingBlanks, u"spaces before it"_s},
        {look.latinLetters, u"Latin letters that look like Cyrillic ones"_s},
        {look.letterCase, u"letters in the wrong case"_s},
        {look.spacing, u"not one plain space between the words"_s},
        {look.spaceBeforeColon, u"a space before the colon"_s},
        {look.noColon, u"no colon"_s},
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

QString controlCharacter(QStringView line)
{
    // U+0098 is what the reader makes of byte 0x98, the one byte that Windows-1251 leaves undefined, and U+FFFD what
    // it makes of bytes that are no UTF-8 or UTF-16 in a file read as such.
    const auto isControl = [](QChar ch) {
        return (ch < u' ' && ch != u'\t') || ch == u'\x7F' || ch == u'\x98' || ch == u'\uFFFD';
    };
    const auto found = std::find_if(line.begin(), line.end(), isControl);
    if (found == line.end())
        return {};
    const char16_t ch = found->unicode();
    const QString column = u" at column "_s + QString::number(found - line.begin() + 1);
    if (ch == 0)
        return u"a NUL byte"_s + column;
    if (ch == 0xFFFD)
        return u"bytes that are not text in the file's encoding, shown as \"\uFFFD\","_s + column;
    const QString hex = u"0x"_s + QString::number(ch, 16).toUpper().rightJustified(2, u'0');
    if (ch == 0x98)
        return u"the byte "_s + hex + u", which Windows-1251 leaves undefined,"_s + column;
    return u"the control byte "_s + hex + column;
}
