// SPDX-FileCopyrightText: 2026 The Tavrelo developers
// SPDX-License-Identifier: MIT
#include "check/page/html_text.h"

using namespace Qt::StringLiterals;

namespace {

bool isBidiControl(char16_t ch)
{
    return (ch >= 0x202A && ch <= 0x202E) || (ch >= 0x2066 && ch <= 0x2069);
}

// Whether the character goes to the page as it is: the common case, tested first.
bool isPlain(char16_t ch)
{
    if (ch < 0x7F)
        return ch >= 0x20 ? ch != u'&' && ch != u'<' && ch != u'>' && ch != u'"' && ch != u'\'' : ch == u'\t';
    return ch > 0x9F && !isBidiControl(ch);
}

QStringView bidiName(char16_t ch)
{
    static constexpr QStringView names[] = {u"LRE", u"RLE", u"PDF", u"LRO", u"RLO", u"LRI", u"RLI", u"FSI", u"PDI"};
    return ch <= 0x202E ? names[ch - 0x202A] : names[5 + ch - 0x2066];
}

// NUL..U+001F as the Control Pictures block draws them (U+2400..), DEL as U+2421.
QChar controlPicture(char16_t ch)
{
    return ch == 0x7F ? QChar(0x2421) : QChar(0x2400 + ch);
}

void appendEscaped(QString &html, char16_t ch)
{
    switch (ch) {
    case u'&': html += u"&amp;"; break;
    case u'<': html += u"&lt;"; break;
    case u'>': html += u"&gt;"; break;
    case u'"': html += u"&quot;"; break;
    case u'\'': html += u"&#39;"; break;
    default: break;
    }
}

template<class AppendOther> void appendText(QString &html, QStringView text, AppendOther appendOther)
{
    const char16_t *data = text.utf16();
    const qsizetype size = text.size();
    qsizetype plainFrom = 0;
    for (qsizetype i = 0; i < size; ++i) {
        if (isPlain(data[i]))
            continue;
        html.append(QStringView(data + plainFrom, i - plainFrom));
        appendOther(data[i]);
        plainFrom = i + 1;
    }
    html.append(QStringView(data + plainFrom, size - plainFrom));
}

} // namespace

void appendHtmlText(QString &html, QStringView text)
{
    appendText(html, text, [&](char16_t ch) {
        if (ch < 0x20 || ch == 0x7F)
            html += u"<span class=\"c\">"_s + controlPicture(ch) + u"</span>"_s;
        else if (ch >= 0x80 && ch <= 0x9F)
            html += u"<span class=\"c\">U+"_s + QString::number(ch, 16).toUpper().rightJustified(4, u'0')
                  + u"</span>"_s;
        else if (isBidiControl(ch))
            html.append(u"<span class=\"c\">").append(bidiName(ch)).append(u"</span>");
        else
            appendEscaped(html, ch);
    });
}

void appendPlainHtmlText(QString &html, QStringView text)
{
    appendText(html, text, [&](char16_t ch) {
        if (ch < 0x20 || ch == 0x7F)
            html += controlPicture(ch);
        else if ((ch >= 0x80 && ch <= 0x9F) || isBidiControl(ch))
            html += u'\uFFFD';
        else
            appendEscaped(html, ch);
    });
}
