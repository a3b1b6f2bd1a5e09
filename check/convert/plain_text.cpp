// SPDX-FileCopyrightText: 2026 The Tavrelo developers
// SPDX-License-Identifier: MIT
#include "check/convert/plain_text.h"

#include <QHash>
#include <QString>

#include <algorithm>
#include <array>
#include <string>
#include <vector>

using namespace Qt::StringLiterals;

namespace {

// The entities Moodle's editors write, and those a teacher types for signs that a keyboard lacks.
const QHash<QString, char16_t> &namedEntities()
{
    static const QHash<QString, char16_t> entities = [] {
        QHash<QString, char16_t> map{
            {u"amp"_s, u'&'},      {u"lt"_s, u'<'},       {u"gt"_s, u'>'},       {u"quot"_s, u'"'},
            {u"apos"_s, u'\''},    {u"nbsp"_s, 0x00A0},   {u"laquo"_s, 0x00AB},  {u"raquo"_s, 0x00BB},
            {u"ldquo"_s, 0x201C},  {u"rdquo"_s, 0x201D},  {u"bdquo"_s, 0x201E},  {u"lsquo"_s, 0x2018},
            {u"rsquo"_s, 0x2019},  {u"sbquo"_s, 0x201A},  {u"mdash"_s, 0x2014},  {u"ndash"_s, 0x2013},
            {u"hellip"_s, 0x2026}, {u"minus"_s, 0x2212},  {u"times"_s, 0x00D7},  {u"divide"_s, 0x00F7},
            {u"plusmn"_s, 0x00B1}, {u"deg"_s, 0x00B0},    {u"micro"_s, 0x00B5},  {u"middot"_s, 0x00B7},
            {u"bull"_s, 0x2022},   {u"copy"_s, 0x00A9},   {u"reg"_s, 0x00AE},    {u"trade"_s, 0x2122},
            {u"sect"_s, 0x00A7},   {u"para"_s, 0x00B6},   {u"euro"_s, 0x20AC},   {u"cent"_s, 0x00A2},
            {u"pound"_s, 0x00A3},  {u"yen"_s, 0x00A5},    {u"le"_s, 0x2264},     {u"ge"_s, 0x2265},
            {u"ne"_s, 0x2260},     {u"asymp"_s, 0x2248},  {u"equiv"_s, 0x2261},  {u"infin"_s, 0x221E},
            {u"sum"_s, 0x2211},    {u"prod"_s, 0x220F},   {u"radic"_s, 0x221A},  {u"int"_s, 0x222B},
            {u"part"_s, 0x2202},   {u"nabla"_s, 0x2207},  {u"isin"_s, 0x2208},   {u"notin"_s, 0x2209},
            {u"cap"_s, 0x2229},    {u"cup"_s, 0x222A},    {u"sub"_s, 0x2282},    {u"sup"_s, 0x2283},
            {u"and"_s, 0x2227},    {u"or"_s, 0x2228},     {u"not"_s, 0x00AC},    {u"forall"_s, 0x2200},
            {u"exist"_s, 0x2203},  {u"empty"_s, 0x2205},  {u"larr"_s, 0x2190},   {u"rarr"_s, 0x2192},
            {u"uarr"_s, 0x2191},   {u"darr"_s, 0x2193},   {u"harr"_s, 0x2194},   {u"lArr"_s, 0x21D0},
            {u"rArr"_s, 0x21D2},   {u"hArr"_s, 0x21D4},   {u"sup1"_s, 0x00B9},   {u"sup2"_s, 0x00B2},
            {u"sup3"_s, 0x00B3},   {u"frac12"_s, 0x00BD}, {u"frac14"_s, 0x00BC}, {u"frac34"_s, 0x00BE},
            {u"prime"_s, 0x2032},  {u"Prime"_s, 0x2033},  {u"permil"_s, 0x2030}, {u"numero"_s, 0x2116},
            {u"shy"_s, 0x00AD},    {u"thinsp"_s, 0x2009}, {u"ensp"_s, 0x2002},   {u"emsp"_s, 0x2003},
        };
        // The Greek letters, small and capital, as physics and mathematics use them.
        static constexpr std::array<const char16_t *, 24> greek = {u"alpha",  u"beta", u"gamma", u"delta", u"epsilon",
                                                                   u"zeta",   u"eta",  u"theta", u"iota",  u"kappa",
                                                                   u"lambda", u"mu",   u"nu",    u"xi",    u"omicron",
                                                                   u"pi",     u"rho",  u"sigma", u"tau",   u"upsilon",
                                                                   u"phi",    u"chi",  u"psi",   u"omega"};
        for (size_t i = 0; i < greek.size(); ++i) {
            // The alphabet skips final sigma (U+03C2) in small letters and its empty place in capitals.
            const char16_t offset = char16_t(i + (i >= 17 ? 1 : 0));
            QString name = QString::fromUtf16(greek[i]);
            map.insert(name, char16_t(0x03B1 + offset));
            name[0] = name[0].toUpper();
            map.insert(name, char16_t(0x0391 + offset));
        }
        return map;
    }();
    return entities;
}

// The character an entity at the start of text stands for, and how long the entity is; 0 long for none.
std::pair<char32_t, qsizetype> entityAt(QStringView text)
{
    constexpr qsizetype MaxLength = 32; // up to the ";", longer than any entity's name or number
    const qsizetype end = text.left(qMin(text.size(), MaxLength + 1)).indexOf(u';');
    if (end < 2 || end > MaxLength)
        return {0, 0};
    const QStringView body = text.mid(1, end - 1);
    if (body.front() == u'#') {
        const bool hex = body.size() > 1 && (body[1] == u'x' || body[1] == u'X');
        bool ok = false;
        const uint code = body.mid(hex ? 2 : 1).toUInt(&ok, hex ? 16 : 10);
        // No NUL, no half of a surrogate pair, nothing beyond Unicode: those stay as written.
        if (!ok || code == 0 || (code >= 0xD800 && code < 0xE000) || code > 0x10FFFF)
            return {0, 0};
        return {char32_t(code), end + 1};
    }
    const auto found = namedEntities().constFind(body.toString());
    if (found == namedEntities().constEnd())
        return {0, 0};
    return {char32_t(*found), end + 1};
}

// The superscript or subscript form of a character, as a formula's "m/s<sup>2</sup>" or "H<sub>2</sub>O" shows
// it in plain text, or 0 where Unicode has none.
char32_t raised(char32_t ch, bool superscript)
{
    static constexpr char32_t sup[] = {U'⁰', U'¹', U'²', U'³', U'⁴', U'⁵', U'⁶', U'⁷', U'⁸', U'⁹'};
    static constexpr char32_t sub[] = {U'₀', U'₁', U'₂', U'₃', U'₄', U'₅', U'₆', U'₇', U'₈', U'₉'};
    if (ch >= U'0' && ch <= U'9')
        return (superscript ? sup : sub)[ch - U'0'];
    switch (ch) {
    case U'+': return superscript ? U'⁺' : U'₊';
    case U'-':
    case U'−': return superscript ? U'⁻' : U'₋';
    case U'=': return superscript ? U'⁼' : U'₌';
    case U'(': return superscript ? U'⁽' : U'₍';
    case U')': return superscript ? U'⁾' : U'₎';
    case U'n': return superscript ? U'ⁿ' : 0;
    default: return 0;
    }
}

bool isTagStart(QStringView text)
{
    return text.size() > 1 && text[0] == u'<' && (text[1].isLetter() || text[1] == u'/' || text[1] == u'!');
}

// Where the tags that begin at places of a text end, asked for in the order of those places. A search that found
// no end is not run again over the same text: a text of many unclosed "<a" or "<!--" costs one pass.
class TagEnds final {
public:
    explicit TagEnds(QStringView text) : m_text(text) {}

    // Where the tag that begins at `at` ends, after its ">", quoted attribute values skipped; -1 when it never does.
    qsizetype tagEnd(qsizetype at)
    {
        if (at < m_lastAsked)
            *this = TagEnds(m_text); // asked out of order: start afresh
        m_lastAsked = at;
        const QStringView rest = m_text.mid(at);
        if (rest.startsWith(u"<!--")) {
            // A "-->" missing after one place is missing after every later place.
            if (m_noCommentEndFrom >= 0 && at + 4 >= m_noCommentEndFrom)
                return -1;
            const qsizetype end = rest.indexOf(u"-->", 4);
            if (end < 0)
                m_noCommentEndFrom = at + 4;
            return end < 0 ? -1 : at + end + 3;
        }
        const qsizetype from = at + 1;
        for (UnclosedScan &scan : m_unclosed) {
            scan.moveTo(m_text, from);
            if (scan.quote == 0)
                return -1; // this scan is where that one was, and will miss the ">" as that one did
        }
        char16_t quote = 0;
        for (qsizetype i = from; i < m_text.size(); ++i) {
            const char16_t ch = m_text[i].unicode();
            if (quote != 0) {
                if (ch == quote)
                    quote = 0;
            } else if (ch == u'"' || ch == u'\'') {
                quote = ch;
            } else if (ch == u'>') {
                return i + 1;
            }
        }
        m_unclosed.push_back(UnclosedScan{from, 0});
        return -1;
    }

private:
    // A scan for a tag's ">" that reached the text's end without one, followed on as later tags are asked for.
    // Each quote moves every scan from one state into another (outside quotes, inside "..." or inside '...'), never
    // two into the same, so scans that part stay parted: no more than three of them ever reach the end.
    struct UnclosedScan {
        qsizetype at;   // how far it is followed
        char16_t quote; // the quote it is inside at that place, 0 for none
        void moveTo(QStringView text, qsizetype to)
        {
            for (; at < to; ++at) {
                const char16_t ch = text[at].unicode();
                if (quote != 0)
                    quote = ch == quote ? 0 : quote;
                else if (ch == u'"' || ch == u'\'')
                    quote = ch;
            }
        }
    };

    QStringView m_text;
    qsizetype m_lastAsked = 0;
    qsizetype m_noCommentEndFrom = -1; // no "-->" from this place on
    std::vector<UnclosedScan> m_unclosed;
};

QString tagName(QStringView tag)
{
    qsizetype i = tag.startsWith(u"</") ? 2 : 1;
    const qsizetype start = i;
    while (i < tag.size() && tag[i].isLetterOrNumber())
        ++i;
    return tag.mid(start, i - start).toString().toLower();
}

bool isBlockTag(const QString &name)
{
    static const QStringList blocks = {u"p"_s,          u"div"_s,     u"li"_s,      u"ul"_s,      u"ol"_s,
                                       u"dl"_s,         u"dt"_s,      u"dd"_s,      u"tr"_s,      u"table"_s,
                                       u"thead"_s,      u"tbody"_s,   u"tfoot"_s,   u"caption"_s, u"h1"_s,
                                       u"h2"_s,         u"h3"_s,      u"h4"_s,      u"h5"_s,      u"h6"_s,
                                       u"blockquote"_s, u"pre"_s,     u"hr"_s,      u"section"_s, u"article"_s,
                                       u"header"_s,     u"footer"_s,  u"aside"_s,   u"nav"_s,     u"figure"_s,
                                       u"figcaption"_s, u"address"_s, u"center"_s,  u"main"_s,    u"form"_s,
                                       u"fieldset"_s,   u"legend"_s,  u"details"_s, u"summary"_s};
    return blocks.contains(name);
}

// What plain text cannot show: an image, a sound, a video, an embedded page, and a link's target (its words stay).
bool isMediaTag(const QString &name, QStringView tag)
{
    static const QStringList media = {u"img"_s,     u"svg"_s,    u"video"_s, u"audio"_s,  u"source"_s, u"track"_s,
                                      u"picture"_s, u"object"_s, u"embed"_s, u"iframe"_s, u"canvas"_s, u"map"_s};
    return media.contains(name) || (name == u"a" && tag.contains(u"href", Qt::CaseInsensitive));
}

// Builds the lines as a browser lays the text out, roughly: enough for questions, which are paragraphs, lists
// and tables.
class LineBuilder final {
public:
    explicit LineBuilder(bool collapse) : m_collapse(collapse) {}

    // Inside <pre>, white space and line breaks show as written.
    void keepSpaces(bool keep) { m_keep = keep; }

    // A character of the text at `at`.
    void add(char32_t ch, qsizetype at)
    {
        const bool collapse = m_collapse && !m_keep;
        const bool space = ch == u' ' || ch == u'\t' || ch == u'\f' || ((ch == u'\n' || ch == u'\r') && collapse);
        if (!m_started && !QChar::isSpace(ch)) { // as trimming sees it: a no-break space alone starts nothing
            m_started = true;
            m_start = at;
        }
        if (space && collapse) {
            m_lastWasCr = false;
            if (!m_line.isEmpty() && !m_line.endsWith(u' '))
                m_line += u' ';
            return;
        }
        if (ch == u'\n' || ch == u'\r') {
            // CR LF, as text pasted from Windows holds, is one line break.
            if (ch == u'\n' && m_lastWasCr) {
                m_lastWasCr = false;
                return;
            }
            m_lastWasCr = ch == u'\r';
            breakLine();
            m_start = at + 1;
            return;
        }
        m_lastWasCr = false;
        if (QChar::requiresSurrogates(ch)) {
            m_line += QChar(QChar::highSurrogate(ch));
            m_line += QChar(QChar::lowSurrogate(ch));
        } else {
            m_line += QChar(char16_t(ch));
        }
    }

    void breakLine()
    {
        m_lines << m_line.trimmed();
        m_starts.push_back(m_start);
        m_line.clear();
        m_started = false;
    }

    // A paragraph, a list item or a table row begins or ends: a new line, unless one has just begun.
    void breakBlock()
    {
        if (m_started)
            breakLine();
        else
            m_line.clear();
    }

    void finish(PlainText &plain)
    {
        breakLine();
        qsizetype first = 0;
        while (first < m_lines.size() && m_lines[first].isEmpty())
            ++first;
        qsizetype end = m_lines.size();
        while (end > first && m_lines[end - 1].isEmpty())
            --end;
        plain.lines = m_lines.mid(first, end - first);
        plain.starts.assign(m_starts.begin() + first, m_starts.begin() + end);
    }

private:
    const bool m_collapse;
    bool m_keep = false;
    bool m_lastWasCr = false;
    bool m_started = false; // the line holds more than white space
    QString m_line;
    qsizetype m_start = 0;
    QStringList m_lines;
    std::vector<qsizetype> m_starts;
};

// The characters inside <sup> or <sub>: written raised when Unicode has a form for each, else after "^" or "_",
// in parentheses when more than one, so that "2<sup>x</sup>" reads "2^x" and not "2x".
class RaisedRun final {
public:
    void begin(int direction)
    {
        m_direction = direction;
        m_text.clear();
    }
    bool isOpen() const { return m_direction != 0; }
    void add(char32_t ch, qsizetype at)
    {
        if (m_text.empty())
            m_at = at;
        m_text.push_back(ch);
    }
    qsizetype at() const { return m_at; }
    // Writes the run; true when it took signs.
    bool end(LineBuilder &builder)
    {
        const bool superscript = m_direction > 0;
        m_direction = 0;
        if (m_text.empty())
            return false;
        if (std::all_of(m_text.begin(), m_text.end(), [&](char32_t ch) { return raised(ch, superscript) != 0; })) {
            for (const char32_t ch : m_text)
                builder.add(raised(ch, superscript), m_at);
            return false;
        }
        const bool several = m_text.size() > 1;
        builder.add(superscript ? U'^' : U'_', m_at);
        if (several)
            builder.add(U'(', m_at);
        for (const char32_t ch : m_text)
            builder.add(ch, m_at);
        if (several)
            builder.add(U')', m_at);
        return true;
    }

private:
    int m_direction = 0; // 1 inside <sup>, -1 inside <sub>
    qsizetype m_at = 0;
    std::u32string m_text;
};

} // namespace

PlainText plainText(QStringView text, TextFormat format)
{
    const bool markup = format == TextFormat::Moodle || format == TextFormat::Html;
    LineBuilder builder(format == TextFormat::Html);
    PlainText plain;
    QString skipUntil; // the closing tag of a script or a style
    RaisedRun raisedRun;
    int preDepth = 0;
    const auto endRaised = [&] {
        if (!raisedRun.isOpen())
            return;
        const qsizetype at = raisedRun.at();
        if (raisedRun.end(builder) && !plain.raisedAsSigns) {
            plain.raisedAsSigns = true;
            plain.raisedAt = at;
        }
    };
    const auto add = [&](char32_t ch, qsizetype at) {
        if (raisedRun.isOpen())
            raisedRun.add(ch, at);
        else
            builder.add(ch, at);
    };
    TagEnds tagEnds(text);
    for (qsizetype i = 0; i < text.size();) {
        const QStringView rest = text.mid(i);
        if (markup && isTagStart(rest)) {
            if (const qsizetype end = tagEnds.tagEnd(i); end > 0) {
                const QStringView tag = rest.left(end - i);
                const QString name = tagName(tag);
                const bool closing = rest.startsWith(u"</");
                const qsizetype at = i;
                i = end;
                if (!skipUntil.isEmpty()) {
                    if (closing && name == skipUntil)
                        skipUntil.clear();
                    continue;
                }
                if (name == u"sup" || name == u"sub") {
                    endRaised();
                    if (!closing)
                        raisedRun.begin(name == u"sup" ? 1 : -1);
                    continue;
                }
                if (isMediaTag(name, tag)) {
                    if (!plain.media)
                        plain.mediaAt = at;
                    plain.media = true;
                    continue;
                }
                // A raised run never crosses a line; inline tags such as <b> inside it leave it whole.
                if (name == u"script" || name == u"style") {
                    endRaised();
                    if (!closing)
                        skipUntil = name;
                } else if (name == u"br") {
                    endRaised();
                    builder.breakLine();
                } else if (name == u"li" && !closing) {
                    endRaised();
                    builder.breakBlock();
                    builder.add(U'•', at);
                    builder.add(U' ', at);
                } else if (isBlockTag(name)) {
                    endRaised();
                    builder.breakBlock();
                    if (name == u"pre") {
                        preDepth = qMax(0, preDepth + (closing ? -1 : 1));
                        builder.keepSpaces(preDepth > 0);
                        // As a browser does, a line break right after <pre> starts no line.
                        if (!closing && i < text.size() && (text[i] == u'\r' || text[i] == u'\n'))
                            i += text.mid(i).startsWith(u"\r\n") ? 2 : 1;
                    }
                } else if (name == u"td" || name == u"th") {
                    add(U' ', at);
                }
                continue;
            }
        }
        if (!skipUntil.isEmpty()) {
            ++i;
            continue;
        }
        if (markup && rest.front() == u'&') {
            if (const auto [ch, length] = entityAt(rest); length > 0) {
                add(ch, i);
                i += length;
                continue;
            }
        }
        char32_t ch = rest.front().unicode();
        qsizetype length = 1;
        if (rest.size() > 1 && rest[0].isHighSurrogate() && rest[1].isLowSurrogate()) {
            ch = QChar::surrogateToUcs4(rest[0], rest[1]);
            length = 2;
        }
        if (raisedRun.isOpen() && (ch == u'\n' || ch == u'\r'))
            endRaised();
        add(ch, i);
        i += length;
    }
    endRaised();
    builder.finish(plain);
    return plain;
}
