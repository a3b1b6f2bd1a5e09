// SPDX-FileCopyrightText: 2026 The Tavrelo developers
// SPDX-License-Identifier: MIT
#include "check/convert/office/docx_reader.h"

#include "check/convert/office/list_numbering.h"
#include "check/convert/office/office_xml.h"
#include "check/convert/office/run_style.h"
#include "check/convert/office/zip_entries.h"

#include <map>
#include <set>

using namespace Qt::StringLiterals;

namespace {

bool isOff(const QString &value)
{
    return value == u"0" || value == u"false" || value == u"off" || value == u"none";
}

// Reads the run properties <w:rPr> just started, to its end.
RunStyle readRunProperties(OfficeXml &xml, QString *characterStyle = nullptr)
{
    RunStyle style;
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
        const QString value = xml.attribute(u"w:val");
        if (name == u"w:b")
            style.set(Bold, !isOff(value));
        else if (name == u"w:u")
            style.set(Underline, !value.isEmpty() && !isOff(value));
        else if (name == u"w:highlight")
            style.set(Highlight, !isOff(value));
        else if (name == u"w:shd") {
            const QString fill = xml.attribute(u"w:fill").toLower();
            style.set(Highlight, !fill.isEmpty() && fill != u"auto" && fill != u"ffffff");
        } else if (name == u"w:color")
            style.set(Colour, !value.isEmpty() && value != u"auto" && value != u"000000");
        else if (name == u"w:rStyle" && characterStyle)
            *characterStyle = value;
    }
    return style;
}

struct NumberingProperties {
    QString numId; // empty when not given; "0" ends a list a style gave
    int level = -1;
};

// Reads <w:numPr> just started.
void readNumberingProperties(OfficeXml &xml, NumberingProperties &numbering)
{
    int depth = 1;
    while (depth > 0 && xml.next()) {
        if (xml.isEndElement()) {
            --depth;
        } else if (xml.isStartElement()) {
            ++depth;
            if (xml.qualifiedName() == u"w:numId")
                numbering.numId = xml.attribute(u"w:val");
            else if (xml.qualifiedName() == u"w:ilvl")
                numbering.level = qBound(0, xml.attribute(u"w:val").toInt(), ListCounters::levels - 1);
        }
    }
}

struct Style {
    QString basedOn;
    RunStyle run;
    NumberingProperties numbering;
};

std::map<QString, Style> readStyles(const QByteArray &bytes, QString &error)
{
    std::map<QString, Style> styles;
    OfficeXml xml(bytes);
    Style *style = nullptr;
    while (xml.next()) {
        if (!xml.isStartElement())
            continue;
        const QStringView name = xml.qualifiedName();
        if (name == u"w:style")
            style = &styles[xml.attribute(u"w:styleId")];
        else if (!style)
            continue;
        else if (name == u"w:basedOn")
            style->basedOn = xml.attribute(u"w:val");
        else if (name == u"w:rPr")
            style->run = readRunProperties(xml);
        else if (name == u"w:numPr")
            readNumberingProperties(xml, style->numbering);
    }
    error = xml.failure(u"word/styles.xml"_s);
    return styles;
}

// A style with what it takes from those it is based on (a chain of at most a few dozen, and never a loop).
Style resolved(const std::map<QString, Style> &styles, const QString &id)
{
    std::vector<const Style *> chain;
    QString at = id;
    for (int i = 0; i < 32 && !at.isEmpty(); ++i) {
        const auto found = styles.find(at);
        if (found == styles.end())
            break;
        chain.push_back(&found->second);
        at = found->second.basedOn;
    }
    Style style;
    for (auto it = chain.rbegin(); it != chain.rend(); ++it) {
        style.run.apply((*it)->run);
        if (!(*it)->numbering.numId.isEmpty())
            style.numbering.numId = (*it)->numbering.numId;
        if ((*it)->numbering.level >= 0)
            style.numbering.level = (*it)->numbering.level;
    }
    return style;
}

struct WordLevel {
    int start = 1;
    NumberStyle style = NumberStyle::Decimal;
    QString text = u"%1."_s;
    int restart = -1; // the 1-based level whose paragraphs start this one again; -1 for any outer one
};

struct Numbering {
    std::map<QString, std::array<WordLevel, ListCounters::levels>> abstracts;
    struct Instance {
        QString abstract;
        std::map<int, int> startOverrides;
    };
    std::map<QString, Instance> instances;
};

Numbering readNumbering(const QByteArray &bytes, QString &error)
{
    Numbering numbering;
    OfficeXml xml(bytes);
    std::array<WordLevel, ListCounters::levels> *abstract = nullptr;
    WordLevel *level = nullptr;
    Numbering::Instance *instance = nullptr;
    int overrideLevel = 0;
    bool formatRead = false;
    while (xml.next()) {
        if (!xml.isStartElement())
            continue;
        const QStringView name = xml.qualifiedName();
        if (name == u"mc:Fallback") {
            xml.skip(); // the same as its mc:Choice, for older programs
        } else if (name == u"w:abstractNum") {
            abstract = &numbering.abstracts[xml.attribute(u"w:abstractNumId")];
            instance = nullptr;
            level = nullptr;
        } else if (name == u"w:num") {
            instance = &numbering.instances[xml.attribute(u"w:numId")];
            abstract = nullptr;
            level = nullptr;
        } else if (name == u"w:lvl" && abstract) {
            level = &(*abstract)[size_t(qBound(0, xml.attribute(u"w:ilvl").toInt(), ListCounters::levels - 1))];
            formatRead = false;
        } else if (name == u"w:start" && level) {
            level->start = xml.attribute(u"w:val").toInt();
        } else if (name == u"w:numFmt" && level && !formatRead) {
            level->style = wordNumberStyle(xml.attribute(u"w:val"), xml.attribute(u"w:format"));
            formatRead = true;
        } else if (name == u"w:lvlText" && level) {
            level->text = xml.attribute(u"w:val");
        } else if (name == u"w:lvlRestart" && level) {
            level->restart = xml.attribute(u"w:val").toInt();
        } else if (name == u"w:abstractNumId" && instance) {
            instance->abstract = xml.attribute(u"w:val");
        } else if (name == u"w:lvlOverride" && instance) {
            overrideLevel = qBound(0, xml.attribute(u"w:ilvl").toInt(), ListCounters::levels - 1);
        } else if (name == u"w:startOverride" && instance) {
            instance->startOverrides[overrideLevel] = xml.attribute(u"w:val").toInt();
        }
    }
    error = xml.failure(u"word/numbering.xml"_s);
    return numbering;
}

// Word's counting: one set of counters for each abstract list, which every list on it continues, except that a
// list with a start override starts again where it is first used.
class WordLists {
public:
    explicit WordLists(Numbering numbering) : m_numbering(std::move(numbering)) {}

    QString label(const QString &numId, int level)
    {
        const auto instance = m_numbering.instances.find(numId);
        if (instance == m_numbering.instances.end())
            return {};
        const auto abstract = m_numbering.abstracts.find(instance->second.abstract);
        if (abstract == m_numbering.abstracts.end())
            return {};
        const auto &levels = abstract->second;
        ListCounters &counters = m_counters[instance->second.abstract];
        if (m_used.insert(numId).second) {
            for (const auto &[overridden, start] : instance->second.startOverrides) {
                counters.started[size_t(overridden)] = true;
                counters.value[size_t(overridden)] = qBound(-1, start - 1, 1000000);
            }
        }
        const WordLevel &own = levels[size_t(level)];
        counters.count(level, own.start);
        counters.restartInside(level, [&](int inner) {
            const int restart = levels[size_t(inner)].restart;
            return restart != 0 && (restart < 0 || level < restart);
        });
        if (own.style == NumberStyle::None)
            return {};
        QString text = own.text;
        for (int k = ListCounters::levels - 1; k >= 0; --k) {
            const QString placeholder = u'%' + QString::number(k + 1);
            if (text.contains(placeholder))
                text.replace(placeholder, formatNumber(counters.value[size_t(k)], levels[size_t(k)].style));
        }
        return text.left(100);
    }

private:
    Numbering m_numbering;
    std::map<QString, ListCounters> m_counters;
    std::set<QString> m_used;
};

// What a drawing or an embedded object holds, to say what is left out.
Loss drawingLoss(OfficeXml &xml)
{
    Loss loss = Loss::Drawing;
    int depth = 1;
    while (depth > 0 && xml.next()) {
        if (xml.isEndElement()) {
            --depth;
        } else if (xml.isStartElement()) {
            ++depth;
            const QStringView name = xml.qualifiedName();
            if (name == u"w:txbxContent" || name == u"wps:txbx" || name == u"v:textbox")
                loss = Loss::TextBox;
            else if (loss == Loss::Drawing && (name == u"pic:pic" || name == u"v:imagedata" || name == u"a:blip"))
                loss = Loss::Image;
            else if (name == u"o:OLEObject" && xml.attribute(u"ProgID").startsWith(u"Equation"))
                loss = Loss::Formula;
        }
    }
    return loss;
}

// A formula of Word's own (Office Math), as its plain text.
QString formulaText(OfficeXml &xml)
{
    QString text;
    int depth = 1;
    while (depth > 0 && xml.next()) {
        if (xml.isEndElement()) {
            --depth;
        } else if (xml.isStartElement() && xml.qualifiedName() == u"m:t") {
            text += xml.readElementText(QXmlStreamReader::SkipChildElements);
        } else if (xml.isStartElement()) {
            ++depth;
            // As one would type it: a^2, x_1, (a)/(b).
            const QStringView name = xml.qualifiedName();
            if (name == u"m:sup")
                text += u'^';
            else if (name == u"m:sub")
                text += u'_';
            else if (name == u"m:den")
                text += u'/';
        }
    }
    return text.left(10000);
}

class DocxBody {
public:
    DocxBody(OfficeXml &xml, const std::map<QString, Style> &styles, WordLists &lists, OfficeDocument &document)
        : m_xml(xml), m_styles(styles), m_lists(lists), m_document(document)
    {
    }

    void read()
    {
        std::vector<std::pair<int, int>> tables; // the row and cell at each table level
        while (m_xml.next()) {
            const QStringView name = m_xml.qualifiedName();
            if (m_xml.isEndElement()) {
                if (name == u"w:tbl" && !tables.empty())
                    tables.pop_back();
                continue;
            }
            if (!m_xml.isStartElement())
                continue;
            if (name == u"w:tbl") {
                tables.emplace_back(0, 0);
            } else if (name == u"w:tr" && !tables.empty()) {
                tables.back() = {++m_rows, 0};
            } else if (name == u"w:tc" && !tables.empty()) {
                ++tables.back().second;
            } else if (name == u"w:p") {
                m_paragraph = OfficeParagraph{};
                m_paragraph.number = ++m_paragraphs;
                if (!tables.empty()) {
                    m_paragraph.row = tables.back().first;
                    m_paragraph.column = tables.back().second;
                }
                readParagraph();
                // An empty paragraph is only counted: a document of millions of them takes no memory for them.
                if (!m_paragraph.text.trimmed().isEmpty() || !m_paragraph.label.isEmpty())
                    m_document.paragraphs.push_back(std::move(m_paragraph));
            } else if (name == u"w:sectPr" || name == u"mc:Fallback") {
                m_xml.skip();
            }
        }
    }

private:
    void note(Loss loss, const QString &formula = {})
    {
        m_document.notes.push_back(lossNote(m_paragraph.number, loss, formula));
    }

    void addText(const QString &text, const RunStyle &run) { ::addText(m_paragraph, text, run.value()); }

    void readParagraph()
    {
        NumberingProperties numbering;
        QString paragraphStyle;
        RunStyle run;
        RunStyle base;
        int depth = 1;
        while (depth > 0 && m_xml.next()) {
            const QStringView name = m_xml.qualifiedName();
            if (m_xml.isEndElement()) {
                --depth;
                if (name == u"w:r")
                    run = base;
                continue;
            }
            if (!m_xml.isStartElement())
                continue;
            if (name == u"w:pPr") {
                readParagraphProperties(numbering, paragraphStyle);
                base = resolved(m_styles, paragraphStyle).run;
                run = base;
            } else if (name == u"w:rPr") {
                QString characterStyle;
                const RunStyle direct = readRunProperties(m_xml, &characterStyle);
                run = base;
                run.apply(resolved(m_styles, characterStyle).run);
                run.apply(direct);
            } else if (name == u"w:t") {
                addText(m_xml.readElementText(QXmlStreamReader::SkipChildElements), run);
            } else if (name == u"w:tab" || name == u"w:ptab") {
                addText(u" "_s, run);
                ++depth;
            } else if (name == u"w:noBreakHyphen") {
                addText(u"-"_s, run);
                ++depth;
            } else if ((name == u"w:br"
                        && (m_xml.attribute(u"w:type").isEmpty() || m_xml.attribute(u"w:type") == u"textWrapping"))
                       || name == u"w:cr") {
                ::addText(m_paragraph, u"\n"_s, 0);
                ++depth;
            } else if (name == u"w:drawing" || name == u"w:pict" || name == u"w:object") {
                note(drawingLoss(m_xml));
            } else if (name == u"w:footnoteReference" || name == u"w:endnoteReference") {
                note(Loss::Footnote);
                ++depth;
            } else if (name == u"m:oMath") {
                const QString formula = formulaText(m_xml);
                note(Loss::Formula, formula);
                ::addText(m_paragraph, formula, quint8(neutralEmphasis));
            } else if (name == u"w:del" || name == u"w:instrText" || name == u"w:delText" || name == u"mc:Fallback"
                       || name == u"w:fldData") {
                m_xml.skip();
            } else {
                ++depth;
            }
        }
        if (numbering.numId.isEmpty() || numbering.level < 0) {
            const NumberingProperties fromStyle = resolved(m_styles, paragraphStyle).numbering;
            if (numbering.numId.isEmpty())
                numbering.numId = fromStyle.numId;
            if (numbering.level < 0)
                numbering.level = fromStyle.level;
        }
        if (!numbering.numId.isEmpty() && numbering.numId != u"0") {
            m_paragraph.level = qMax(0, numbering.level);
            m_paragraph.label = m_lists.label(numbering.numId, m_paragraph.level);
        }
    }

    void readParagraphProperties(NumberingProperties &numbering, QString &style)
    {
        int depth = 1;
        while (depth > 0 && m_xml.next()) {
            if (m_xml.isEndElement()) {
                --depth;
                continue;
            }
            if (!m_xml.isStartElement())
                continue;
            const QStringView name = m_xml.qualifiedName();
            if (name == u"w:pStyle") {
                style = m_xml.attribute(u"w:val");
                ++depth;
            } else if (name == u"w:numPr") {
                readNumberingProperties(m_xml, numbering);
            } else {
                m_xml.skip(); // the paragraph mark's own formatting, and the rest
            }
        }
    }

    OfficeXml &m_xml;
    const std::map<QString, Style> &m_styles;
    WordLists &m_lists;
    OfficeDocument &m_document;
    OfficeParagraph m_paragraph;
    int m_rows = 0;
    qint64 m_paragraphs = 0;
};

} // namespace

OfficeDocument readDocx(ZipEntries &zip)
{
    OfficeDocument document;
    const auto part = [&](const QString &name) {
        std::optional<QByteArray> bytes = zip.read(name);
        if (!bytes && document.error.isEmpty())
            document.error = zip.error();
        return bytes.value_or(QByteArray());
    };
    const QByteArray body = part(u"word/document.xml"_s);
    const QByteArray styleBytes = part(u"word/styles.xml"_s);
    const QByteArray numberingBytes = part(u"word/numbering.xml"_s);
    if (!document.error.isEmpty())
        return document;
    std::map<QString, Style> styles;
    if (!styleBytes.isEmpty())
        styles = readStyles(styleBytes, document.error);
    Numbering numbering;
    if (document.error.isEmpty() && !numberingBytes.isEmpty())
        numbering = readNumbering(numberingBytes, document.error);
    if (!document.error.isEmpty())
        return document;
    WordLists lists(std::move(numbering));
    OfficeXml xml(body);
    DocxBody(xml, styles, lists, document).read();
    document.error = xml.failure(u"word/document.xml"_s);
    return document;
}
