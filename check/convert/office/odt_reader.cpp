// SPDX-FileCopyrightText: 2026 The Tavrelo developers
// SPDX-License-Identifier: MIT
#include "check/convert/office/odt_reader.h"

#include "check/convert/office/list_numbering.h"
#include "check/convert/office/office_xml.h"
#include "check/convert/office/run_style.h"
#include "check/convert/office/zip_entries.h"

#include <deque>
#include <map>

using namespace Qt::StringLiterals;

namespace {

struct WriterLevel {
    NumberStyle style = NumberStyle::None;
    QString prefix;
    QString suffix;
    int start = 1;
    int shownLevels = 1;
};
using ListStyle = std::array<WriterLevel, ListCounters::levels>;

struct Style {
    QString parent;
    QString listStyle;
    RunStyle run;
};

struct Styles {
    std::map<QString, Style> paragraphs; // and spans: Writer names them apart, and a clash only shares formatting
    std::map<QString, ListStyle> lists;

    // What a paragraph or span style sets, with its parents' (a chain of a few dozen at most, never a loop).
    Style resolved(const QString &name) const
    {
        std::vector<const Style *> chain;
        QString at = name;
        for (int i = 0; i < 32 && !at.isEmpty(); ++i) {
            const auto found = paragraphs.find(at);
            if (found == paragraphs.end())
                break;
            chain.push_back(&found->second);
            at = found->second.parent;
        }
        Style style;
        for (auto it = chain.rbegin(); it != chain.rend(); ++it) {
            style.run.apply((*it)->run);
            if (!(*it)->listStyle.isEmpty())
                style.listStyle = (*it)->listStyle;
        }
        return style;
    }
};

RunStyle textProperties(const OfficeXml &xml)
{
    RunStyle run;
    if (xml.hasAttribute(u"fo:font-weight")) {
        const QString weight = xml.attribute(u"fo:font-weight");
        run.set(Bold, weight == u"bold" || weight.toInt() >= 600);
    }
    if (xml.hasAttribute(u"style:text-underline-style"))
        run.set(Underline, xml.attribute(u"style:text-underline-style") != u"none");
    if (xml.hasAttribute(u"fo:background-color")) {
        const QString colour = xml.attribute(u"fo:background-color").toLower();
        run.set(Highlight, colour != u"transparent" && colour != u"#ffffff");
    }
    if (xml.hasAttribute(u"fo:color"))
        run.set(Colour, xml.attribute(u"fo:color") != u"#000000");
    return run;
}

// Reads the styles of styles.xml or content.xml into styles; says what went wrong, or nothing.
QString readStyles(const QByteArray &bytes, const QString &part, Styles &styles)
{
    OfficeXml xml(bytes);
    Style *style = nullptr;
    ListStyle *list = nullptr;
    while (xml.next()) {
        const QStringView name = xml.qualifiedName();
        if (!xml.isStartElement())
            continue;
        if (name == u"office:body" || name == u"office:master-styles") {
            break;
        } else if (name == u"style:style") {
            style = &styles.paragraphs[xml.attribute(u"style:name")];
            *style = Style{xml.attribute(u"style:parent-style-name"), xml.attribute(u"style:list-style-name"), {}};
            list = nullptr;
        } else if (name == u"style:text-properties" && style) {
            style->run = textProperties(xml);
        } else if (name == u"text:list-style") {
            list = &styles.lists[xml.attribute(u"style:name")];
            *list = ListStyle{};
            style = nullptr;
        } else if ((name == u"text:list-level-style-number" || name == u"text:list-level-style-bullet") && list) {
            WriterLevel &level =
                (*list)[size_t(qBound(1, xml.attribute(u"text:level").toInt(), ListCounters::levels) - 1)];
            if (name == u"text:list-level-style-number") {
                level.style = writerNumberStyle(xml.attribute(u"style:num-format"));
                level.prefix = xml.attribute(u"style:num-prefix").left(20);
                level.suffix = xml.attribute(u"style:num-suffix").left(20);
                const QString start = xml.attribute(u"text:start-value");
                level.start = start.isEmpty() ? 1 : start.toInt();
                const QString shown = xml.attribute(u"text:display-levels");
                level.shownLevels = qBound(1, shown.isEmpty() ? 1 : shown.toInt(), ListCounters::levels);
            }
        }
    }
    if (xml.hasError())
        return xml.failure(part);
    return {};
}

// What a frame holds, to say what is left out; a formula's plain text from its object.
class Frames {
public:
    explicit Frames(ZipEntries &zip) : m_zip(zip) {}

    Loss read(OfficeXml &xml, QString &formula)
    {
        Loss loss = Loss::Drawing;
        int depth = 1;
        while (depth > 0 && xml.next()) {
            if (xml.isEndElement()) {
                --depth;
                continue;
            }
            if (!xml.isStartElement())
                continue;
            ++depth;
            const QStringView name = xml.qualifiedName();
            if (name == u"draw:text-box") {
                loss = Loss::TextBox;
            } else if (name == u"draw:object" || name == u"draw:object-ole") {
                loss = Loss::Formula;
                formula = objectText(xml.attribute(u"xlink:href"));
            } else if (name == u"draw:image" && loss == Loss::Drawing) {
                loss = Loss::Image;
            }
        }
        return loss;
    }

private:
    // The annotation a formula object keeps its text in (Writer's own formula language); empty if none.
    QString objectText(QString href)
    {
        if (href.startsWith(u"./"))
            href = href.mid(2);
        if (href.isEmpty() || href.contains(u".."))
            return {};
        const std::optional<QByteArray> bytes = m_zip.read(href + u"/content.xml"_s);
        if (!bytes)
            return {};
        OfficeXml xml(*bytes);
        while (xml.next()) {
            if (xml.isStartElement() && xml.qualifiedName().endsWith(u"annotation"))
                return xml.readElementText(QXmlStreamReader::SkipChildElements).left(10000);
        }
        return {};
    }

    ZipEntries &m_zip;
};

class OdtBody {
public:
    OdtBody(OfficeXml &xml, const Styles &styles, Frames &frames, OfficeDocument &document)
        : m_xml(xml), m_styles(styles), m_frames(frames), m_document(document)
    {
    }

    void read()
    {
        std::vector<std::pair<int, int>> tables;
        while (m_xml.next()) {
            const QStringView name = m_xml.qualifiedName();
            if (m_xml.isEndElement()) {
                if (name == u"table:table" && !tables.empty())
                    tables.pop_back();
                else if (name == u"text:list" && !m_lists.empty())
                    m_lists.pop_back();
                continue;
            }
            if (!m_xml.isStartElement())
                continue;
            if (name == u"table:table") {
                tables.emplace_back(0, 0);
            } else if (name == u"table:table-row" && !tables.empty()) {
                tables.back() = {++m_rows, 0};
            } else if ((name == u"table:table-cell" || name == u"table:covered-table-cell") && !tables.empty()) {
                ++tables.back().second;
            } else if (name == u"text:list") {
                openList();
            } else if (name == u"text:list-item" || name == u"text:list-header") {
                if (!m_lists.empty()) {
                    m_lists.back().numbered = name == u"text:list-item";
                    const QString start = m_xml.attribute(u"text:start-value");
                    m_lists.back().startOverride = start.isEmpty() ? -1 : start.toInt();
                }
            } else if (name == u"text:p" || name == u"text:h") {
                m_paragraph = OfficeParagraph{};
                m_paragraph.number = ++m_paragraphs;
                if (!tables.empty()) {
                    m_paragraph.row = tables.back().first;
                    m_paragraph.column = tables.back().second;
                }
                const QString style = m_xml.attribute(u"text:style-name");
                readParagraph(style);
                numberParagraph(style);
                // An empty paragraph is only counted: a document of millions of them takes no memory for them.
                if (!m_paragraph.text.trimmed().isEmpty() || !m_paragraph.label.isEmpty())
                    m_document.paragraphs.push_back(std::move(m_paragraph));
            } else if (name == u"office:annotation" || name == u"text:tracked-changes"
                       || name == u"text:table-of-content" || name == u"office:forms") {
                m_xml.skip();
            }
        }
    }

private:
    struct OpenList {
        QString style;
        size_t counters = 0;
        bool numbered = false;
        int startOverride = -1;
    };

    void openList()
    {
        QString style = m_xml.attribute(u"text:style-name");
        if (style.isEmpty() && !m_lists.empty())
            style = m_lists.back().style;
        size_t counters = 0;
        if (!m_lists.empty()) {
            counters = m_lists.back().counters; // a list inside a list counts on its levels
        } else {
            const QString continued = m_xml.attribute(u"text:continue-list");
            const auto byId = m_ids.find(continued);
            if (!continued.isEmpty() && byId != m_ids.end()) {
                counters = byId->second;
            } else if (m_xml.attribute(u"text:continue-numbering") == u"true" && m_lastByStyle.count(style)) {
                counters = m_lastByStyle[style];
            } else {
                m_counters.emplace_back();
                counters = m_counters.size() - 1;
            }
            m_lastByStyle[style] = counters;
            const QString id = m_xml.attribute(u"xml:id");
            if (!id.isEmpty())
                m_ids[id] = counters;
        }
        m_lists.push_back(OpenList{style, counters, false, -1});
    }

    void numberParagraph(const QString &paragraphStyle)
    {
        if (m_lists.empty() || !m_lists.back().numbered)
            return;
        OpenList &list = m_lists.back();
        list.numbered = false; // the item's later paragraphs go on unnumbered
        const int level = qMin(int(m_lists.size()) - 1, ListCounters::levels - 1);
        m_paragraph.level = level;
        QString styleName = list.style;
        if (styleName.isEmpty())
            styleName = m_styles.resolved(paragraphStyle).listStyle;
        const auto style = m_styles.lists.find(styleName);
        if (style == m_styles.lists.end())
            return;
        const WriterLevel &own = style->second[size_t(level)];
        ListCounters &counters = m_counters[list.counters];
        if (list.startOverride >= 0) {
            counters.started[size_t(level)] = false;
            counters.count(level, list.startOverride);
        } else {
            counters.count(level, own.start);
        }
        counters.restartInside(level, [](int) { return true; });
        if (own.style == NumberStyle::None)
            return;
        QStringList numbers;
        for (int k = qMax(0, level - own.shownLevels + 1); k <= level; ++k)
            numbers << formatNumber(counters.value[size_t(k)], style->second[size_t(k)].style);
        m_paragraph.label = own.prefix + numbers.join(u'.') + own.suffix;
    }

    void addText(const QString &text, char emphasis = 0)
    {
        ::addText(m_paragraph, text, emphasis ? quint8(emphasis) : m_runs.back().value());
    }

    void readParagraph(const QString &style)
    {
        m_runs = {m_styles.resolved(style).run};
        int depth = 1;
        while (depth > 0 && m_xml.next()) {
            const QStringView name = m_xml.qualifiedName();
            if (m_xml.isCharacters()) {
                QString text = m_xml.text().toString();
                for (QChar &c : text) {
                    if (c == u'\n' || c == u'\r' || c == u'\t')
                        c = u' ';
                }
                addText(text);
                continue;
            }
            if (m_xml.isEndElement()) {
                --depth;
                if (name == u"text:span" && m_runs.size() > 1)
                    m_runs.pop_back();
                continue;
            }
            ++depth;
            if (name == u"text:span") {
                RunStyle run = m_runs.back();
                run.apply(m_styles.resolved(m_xml.attribute(u"text:style-name")).run);
                m_runs.push_back(run);
            } else if (name == u"text:s") {
                addText(QString(qBound(1, m_xml.attribute(u"text:c").toInt(), 100), u' '));
            } else if (name == u"text:tab") {
                addText(u" "_s);
            } else if (name == u"text:line-break") {
                addText(u"\n"_s);
            } else if (name == u"draw:frame" || name == u"draw:custom-shape" || name == u"draw:rect"
                       || name == u"draw:g" || name == u"draw:line" || name == u"draw:ellipse") {
                --depth;
                QString formula;
                const Loss loss = name == u"draw:frame" ? m_frames.read(m_xml, formula) : (m_xml.skip(), Loss::Drawing);
                m_document.notes.push_back(lossNote(m_paragraph.number, loss, formula));
                if (loss == Loss::Formula)
                    addText(formula.simplified(), neutralEmphasis);
            } else if (name == u"text:note") {
                --depth;
                m_xml.skip();
                m_document.notes.push_back(lossNote(m_paragraph.number, Loss::Footnote));
            } else if (name == u"office:annotation" || name == u"text:ruby-text") {
                --depth;
                m_xml.skip();
            }
        }
    }

    OfficeXml &m_xml;
    const Styles &m_styles;
    Frames &m_frames;
    OfficeDocument &m_document;
    OfficeParagraph m_paragraph;
    std::vector<RunStyle> m_runs;
    int m_rows = 0;
    qint64 m_paragraphs = 0;
    std::vector<OpenList> m_lists;
    std::deque<ListCounters> m_counters;
    std::map<QString, size_t> m_ids;
    std::map<QString, size_t> m_lastByStyle;
};

} // namespace

OfficeDocument readOdt(ZipEntries &zip)
{
    OfficeDocument document;
    const std::optional<QByteArray> content = zip.read(u"content.xml"_s);
    const std::optional<QByteArray> styleBytes = zip.read(u"styles.xml"_s);
    if (!content || (!styleBytes && !zip.isValid())) {
        document.error = zip.error();
        return document;
    }
    Styles styles;
    if (styleBytes)
        document.error = readStyles(*styleBytes, u"styles.xml"_s, styles);
    if (document.error.isEmpty())
        document.error = readStyles(*content, u"content.xml"_s, styles);
    if (!document.error.isEmpty())
        return document;
    Frames frames(zip);
    OfficeXml xml(*content);
    OdtBody(xml, styles, frames, document).read();
    document.error = xml.failure(u"content.xml"_s);
    return document;
}
