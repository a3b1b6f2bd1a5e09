// SPDX-FileCopyrightText: 2026 The Tavrelo developers
// SPDX-License-Identifier: MIT
#include "check/convert/convert_file.h"
#include "check/convert/dropped_file.h"
#include "check/rules/user_language.h"

#include "tests/support/zip_archive.h"

#include <QBuffer>
#include <QFile>
#include <QTemporaryDir>
#include <QTest>

using namespace Qt::StringLiterals;

namespace {

const QString wordNamespaces = uR"x(xmlns:w="http://schemas.openxmlformats.org/wordprocessingml/2006/main" )x"
                               uR"x(xmlns:m="http://schemas.openxmlformats.org/officeDocument/2006/math")x"_s;

// Word's lists for the rows: 1 is "1." with answers "а)" inside; 2 the same list, its answers starting again at "а"
// (a start override); 3 "А." in Latin capitals; 4 "а)" in a custom format, as Word writes it for older programs too.
const QString wordNumbering =
    u"<w:numbering "_s + wordNamespaces
    + uR"x(><w:abstractNum w:abstractNumId="0"><w:lvl w:ilvl="0"><w:start w:val="1"/><w:numFmt w:val="decimal"/>)x"
      uR"x(<w:lvlText w:val="%1."/></w:lvl><w:lvl w:ilvl="1"><w:start w:val="1"/><w:numFmt w:val="russianLower"/>)x"
      uR"x(<w:lvlText w:val="%2)"/></w:lvl></w:abstractNum><w:abstractNum w:abstractNumId="1"><w:lvl w:ilvl="0">)x"
      uR"x(<w:start w:val="1"/><w:numFmt w:val="upperLetter"/><w:lvlText w:val="%1."/></w:lvl></w:abstractNum>)x"
      uR"x(<w:num w:numId="1"><w:abstractNumId w:val="0"/></w:num><w:num w:numId="2"><w:abstractNumId w:val="0"/>)x"
      uR"x(<w:lvlOverride w:ilvl="1"><w:startOverride w:val="1"/></w:lvlOverride></w:num>)x"
      uR"x(<w:abstractNum w:abstractNumId="2"><w:lvl w:ilvl="0"><w:start w:val="1"/><mc:AlternateContent>)x"
      uR"x(<mc:Choice Requires="w14"><w:numFmt w:val="custom" w:format="а, б, в, ..."/></mc:Choice><mc:Fallback>)x"
      uR"x(<w:numFmt w:val="decimal"/></mc:Fallback></mc:AlternateContent><w:lvlText w:val="%1)"/></w:lvl>)x"
      uR"x(</w:abstractNum><w:num w:numId="3"><w:abstractNumId w:val="1"/></w:num>)x"
      uR"x(<w:num w:numId="4"><w:abstractNumId w:val="2"/></w:num></w:numbering>)x"_s;

const QString wordStyles =
    u"<w:styles "_s + wordNamespaces
    + uR"x(><w:style w:type="character" w:styleId="Strong"><w:rPr><w:b/></w:rPr></w:style>)x"
      uR"x(<w:style w:type="paragraph" w:styleId="Answer"><w:pPr><w:numPr><w:ilvl w:val="1"/><w:numId w:val="1"/>)x"
      uR"x(</w:numPr></w:pPr></w:style><w:style w:type="paragraph" w:styleId="Right"><w:basedOn w:val="Answer"/>)x"
      uR"x(<w:rPr><w:u w:val="single"/></w:rPr></w:style></w:styles>)x"_s;

QByteArray docx(const QString &body)
{
    return support::zip(
        {{u"word/document.xml"_s,
          (u"<w:document "_s + wordNamespaces + u"><w:body>"_s + body + u"</w:body></w:document>"_s).toUtf8(), true},
         {u"word/numbering.xml"_s, wordNumbering.toUtf8()},
         {u"word/styles.xml"_s, wordStyles.toUtf8()}});
}

// A paragraph of Word's: in list numId at level, with runs; a run is "**bold**" or plain, "\n" a line break.
QString wp(const QString &text, int numId = 0, int level = 0, const QString &style = {})
{
    QString properties;
    if (!style.isEmpty())
        properties += uR"x(<w:pStyle w:val="%1"/>)x"_s.arg(style);
    if (numId > 0)
        properties += uR"x(<w:numPr><w:ilvl w:val="%1"/><w:numId w:val="%2"/></w:numPr>)x"_s.arg(level).arg(numId);
    QString runs;
    const QStringList parts = text.split(u"**"_s);
    for (qsizetype i = 0; i < parts.size(); ++i) {
        if (!parts[i].isEmpty())
            runs += u"<w:r>"_s + (i % 2 ? u"<w:rPr><w:b/></w:rPr>"_s : QString()) + u"<w:t xml:space=\"preserve\">"_s
                  + QString(parts[i]).replace(u"\n"_s, u"</w:t><w:br/><w:t>"_s) + u"</w:t></w:r>"_s;
    }
    return u"<w:p><w:pPr>"_s + properties + u"</w:pPr>"_s + runs + u"</w:p>"_s;
}

const QString writerNamespaces = uR"x(xmlns:office="urn:oasis:names:tc:opendocument:xmlns:office:1.0" )x"
                                 uR"x(xmlns:style="urn:oasis:names:tc:opendocument:xmlns:style:1.0" )x"
                                 uR"x(xmlns:text="urn:oasis:names:tc:opendocument:xmlns:text:1.0" )x"
                                 uR"x(xmlns:fo="urn:oasis:names:tc:opendocument:xmlns:xsl-fo-compatible:1.0")x"_s;

// Writer's list style "L" in styles.xml: "1)" with answers "А." (Russian capitals) inside; a paragraph style
// "Right" in bold, on a parent.
const QString writerStyles =
    u"<office:document-styles "_s + writerNamespaces
    + uR"x(><office:styles><style:style style:name="Base" style:family="paragraph"/>)x"
      uR"x(<style:style style:name="Right" style:family="paragraph" style:parent-style-name="Base">)x"
      uR"x(<style:text-properties fo:font-weight="bold"/></style:style><text:list-style style:name="L">)x"
      uR"x(<text:list-level-style-number text:level="1" style:num-suffix=")" style:num-format="1"/>)x"
      uR"x(<text:list-level-style-number text:level="2" style:num-suffix="." style:num-format="А, Б, .., Аа, Аб, ... (ru)"/>)x"
      uR"x(</text:list-style></office:styles></office:document-styles>)x"_s;

QByteArray odt(const QString &text)
{
    return support::zip({{u"mimetype"_s, "application/vnd.oasis.opendocument.text"},
                         {u"content.xml"_s,
                          (u"<office:document-content "_s + writerNamespaces + u"><office:body><office:text>"_s + text
                           + u"</office:text></office:body></office:document-content>"_s)
                              .toUtf8(),
                          true},
                         {u"styles.xml"_s, writerStyles.toUtf8()}});
}

struct Converted {
    QString output; // LF for CR LF
    QStringList notes;
};

Converted convert(const QByteArray &bytes)
{
    QBuffer buffer;
    buffer.setData(bytes);
    buffer.open(QIODevice::ReadOnly);
    Converted converted;
    const Conversion conversion = convertQuiz(buffer, u"in"_s, QuizFormat::Tavrelo,
                                              [&](const QString &line) { converted.notes << line.mid(3); });
    converted.output = QString::fromUtf8(conversion.output).replace(u"\r\n"_s, u"\n"_s);
    return converted;
}

const QString q = u"Вес вопроса: 1\n"_s;

} // namespace

class TestConvertOffice : public QObject {
    Q_OBJECT

private slots:
    void initTestCase() { useUserLanguage(QLocale(QLocale::English)); }
    void snippets_data();
    void snippets();
    void fixtures_data();
    void fixtures();
    void hostile_data();
    void hostile();
    void dropped_data();
    void dropped();
};

void TestConvertOffice::snippets_data()
{
    QTest::addColumn<QByteArray>("document");
    QTest::addColumn<QString>("expected");
    QTest::addColumn<QStringList>("notes"); // the start of each, "PARAGRAPH: level: text"

    const QString abc = u"A) а\nB) б*\nC) в\n"_s;
    // clang-format off
    QTest::newRow("Word: typed, \"*\" and \"+\" before or after, the title kept, lines kept")
        << docx(wp(u"Тест"_s) + wp(u"1. Вопрос\nвторой строкой"_s) + wp(u"а) а"_s) + wp(u"б) б*"_s) + wp(u"в) в"_s)
                + wp(u"2) Ещё"_s) + wp(u"A. x"_s) + wp(u"+B. y"_s))
        << u"Тест\n"_s + q + u"Вопрос\nвторой строкой\n"_s + abc + u"\n"_s + q + u"Ещё\nA) x\nB) y*\n"_s << QStringList();
    QTest::newRow("Word: lists' numbers as Word shows them, a level starting again, bold on the run or a style")
        << docx(wp(u"Один"_s, 1) + wp(u"а"_s, 1, 1) + wp(u"**б**"_s, 1, 1) + wp(u"Два"_s, 1)
                + wp(u"в"_s, 1, 1) + wp(u"г"_s, 1, 1)
                + u"<w:p><w:pPr><w:numPr><w:ilvl w:val=\"1\"/><w:numId w:val=\"1\"/></w:numPr></w:pPr><w:r><w:rPr>"
                  "<w:rStyle w:val=\"Strong\"/></w:rPr><w:t>д</w:t></w:r></w:p>"_s)
        << q + u"Один\nA) а\nB) б*\n\n"_s + q + u"Два\nA) в\nB) г\nC) д*\n"_s << QStringList();
    QTest::newRow("Word: a list from the paragraph's style, underline from its style, a start override")
        << docx(wp(u"Один"_s, 1) + wp(u"а"_s, 0, 0, u"Answer"_s) + wp(u"б"_s, 0, 0, u"Right"_s)
                + wp(u"Plain question"_s) + wp(u"x"_s, 2, 1) + wp(u"**y**"_s, 2, 1))
        << q + u"Один\nA) а\nB) б*\n\n"_s + q + u"Plain question\nA) x\nB) y*\n"_s << QStringList();
    QTest::newRow("Word: highlight and colour; letters numbered А. in Latin")
        << docx(wp(u"Q1"_s) + wp(u"p"_s, 3)
                + u"<w:p><w:pPr><w:numPr><w:ilvl w:val=\"0\"/><w:numId w:val=\"3\"/></w:numPr></w:pPr><w:r><w:rPr>"
                  "<w:highlight w:val=\"yellow\"/></w:rPr><w:t>q</w:t></w:r></w:p>"_s
                + wp(u"Q2"_s) + wp(u"а) r"_s)
                + u"<w:p><w:r><w:t>б) </w:t></w:r><w:r><w:rPr><w:color w:val=\"FF0000\"/></w:rPr><w:t>s</w:t>"
                  "</w:r></w:p>"_s)
        << q + u"Q1\nA) p\nB) q*\n\n"_s + q + u"Q2\nA) r\nB) s*\n"_s << QStringList();
    QTest::newRow("Word: numbered answers under numbered questions; a key at the end, in a paragraph and a table")
        << docx(wp(u"1. Один"_s) + wp(u"1) x"_s) + wp(u"2) y"_s) + wp(u"2. Два"_s) + wp(u"а) x"_s) + wp(u"б) y"_s)
                + wp(u"3. Три"_s) + wp(u"а) x"_s) + wp(u"б) y"_s) + wp(u"Ответы: 1 – 2, 2-а"_s)
                + u"<w:tbl><w:tr><w:tc>"_s + wp(u"3"_s) + u"</w:tc><w:tc>"_s + wp(u"б"_s)
                + u"</w:tc></w:tr></w:tbl>"_s)
        << q + u"Один\nA) x\nB) y*\n\n"_s + q + u"Два\nA) x*\nB) y\n\n"_s + q + u"Три\nA) x\nB) y*\n"_s
        << QStringList();
    QTest::newRow("Word: a key in a table of two rows, the numbers above the letters")
        << docx(wp(u"1. Один"_s) + wp(u"а) x"_s) + wp(u"б) y"_s) + wp(u"2. Два"_s) + wp(u"а) x"_s) + wp(u"б) y"_s)
                + wp(u"Ключ"_s) + u"<w:tbl><w:tr><w:tc>"_s + wp(u"1"_s) + u"</w:tc><w:tc>"_s + wp(u"2"_s)
                + u"</w:tc></w:tr><w:tr><w:tc>"_s + wp(u"б"_s) + u"</w:tc><w:tc>"_s + wp(u"а"_s)
                + u"</w:tc></w:tr></w:tbl>"_s)
        << q + u"Один\nA) x\nB) y*\n\n"_s + q + u"Два\nA) x*\nB) y\n"_s << QStringList();
    QTest::newRow("Word: a custom format; a bold paragraph mark and bold turned off on a bold style mark nothing")
        << docx(wp(u"Q"_s) + u"<w:p><w:pPr><w:numPr><w:ilvl w:val=\"0\"/><w:numId w:val=\"4\"/></w:numPr><w:rPr><w:b/>"
                              "</w:rPr></w:pPr><w:r><w:t>x</w:t></w:r></w:p>"_s
                + u"<w:p><w:pPr><w:numPr><w:ilvl w:val=\"0\"/><w:numId w:val=\"4\"/></w:numPr></w:pPr><w:r><w:rPr>"
                  "<w:rStyle w:val=\"Strong\"/><w:b w:val=\"0\"/></w:rPr><w:t>y</w:t></w:r></w:p>"_s
                + wp(u"**z**"_s, 4) + wp(u"Ответы: 1 - в"_s))
        << q + u"Q\nA) x\nB) y\nC) z*\n"_s << QStringList();
    QTest::newRow("Word: marks that disagree, answers set apart alike, a key naming what is not there")
        << docx(wp(u"1. Один"_s) + wp(u"а) x*"_s) + wp(u"б) **y**"_s) + wp(u"2. Два"_s) + wp(u"а) **x**"_s)
                + wp(u"б) **y**"_s) + wp(u"в) z"_s) + wp(u"3. Три"_s) + wp(u"а) x"_s) + wp(u"б) y"_s)
                + wp(u"Ключ: 3 - а, 9 - б"_s))
        << q + u"Три\nA) x*\nB) y\n"_s
        << QStringList{u"1: warning: the marks of question 1 \"Один\" disagree (the \"*\" or \"+\" marks а), "
                        "the formatting marks б))"_s,
                       u"1: warning: question 1 \"Один\" is left out: none"_s,
                       u"4: warning: 2 answers of question 2"_s, u"4: warning: question 2 \"Два\" is left out"_s,
                       u"11: warning: the key names question 9"_s};
    QTest::newRow("Word: question numbers in a table's first column, its cells' paragraphs in order")
        << docx(u"<w:tbl><w:tr><w:tc>"_s + wp(u"1"_s) + u"</w:tc><w:tc>"_s + wp(u"Один"_s) + wp(u"а) x"_s)
                + wp(u"б) y+"_s) + u"</w:tc></w:tr></w:tbl>"_s)
        << q + u"Один\nA) x\nB) y*\n"_s << QStringList();
    QTest::newRow("Word: what Tavrelo cannot show, at its paragraph; a formula's text kept")
        << docx(wp(u"1. Один"_s) + u"<w:p><w:r><w:drawing><pic:pic/></w:drawing></w:r></w:p>"_s
                + u"<w:p><w:r><w:t>а) </w:t></w:r><m:oMath><m:sSup><m:e><m:r><m:t>x</m:t></m:r></m:e><m:sup><m:r>"
                  "<m:t>2</m:t></m:r></m:sup></m:sSup></m:oMath><w:r><w:t>*</w:t></w:r></w:p>"_s
                + u"<w:p><w:r><w:t>б) y</w:t></w:r><w:r><w:footnoteReference w:id=\"1\"/></w:r></w:p>"_s
                + u"<w:p><w:r><w:pict><v:textbox><w:txbxContent>"_s + wp(u"hidden"_s)
                + u"</w:txbxContent></v:textbox></w:pict></w:r></w:p>"_s)
        << q + u"Один\nA) x^2*\nB) y\n"_s
        << QStringList{u"2: warning: an image is left out"_s, u"3: note: a formula is kept as its plain text, \"x^2\""_s,
                       u"4: warning: a footnote is left out"_s, u"5: warning: a text box is left out"_s};
    QTest::newRow("Writer: a list style of styles.xml, nested lists, bold from a paragraph style's parent")
        << odt(u"<text:list text:style-name=\"L\"><text:list-item><text:p>Один</text:p><text:list>"
                "<text:list-item><text:p>x</text:p></text:list-item><text:list-item><text:p text:style-name=\"Right\">"
                "y</text:p></text:list-item></text:list></text:list-item><text:list-item><text:p>Два</text:p>"
                "<text:list><text:list-item><text:p>x</text:p></text:list-item><text:list-item><text:p>y</text:p>"
                "</text:list-item></text:list></text:list-item></text:list>"
                "<text:p>Ответы: 2 – Б</text:p>"_s)
        << q + u"Один\nA) x\nB) y*\n\n"_s + q + u"Два\nA) x\nB) y*\n"_s << QStringList();
    QTest::newRow("Writer: a list that continues another, as the key counts; spaces, line breaks, a footnote")
        << odt(u"<text:list text:style-name=\"L\" xml:id=\"a\"><text:list-item><text:p>Один<text:line-break/>"
                "и<text:s text:c=\"2\"/>два</text:p><text:list><text:list-item><text:p>x</text:p></text:list-item>"
                "<text:list-item><text:p>y <text:span>+</text:span></text:p></text:list-item></text:list>"
                "</text:list-item></text:list><text:p>Комментарий</text:p>"
                "<text:list text:style-name=\"L\" text:continue-list=\"a\"><text:list-item><text:p>Два</text:p>"
                "<text:list><text:list-item><text:p>x<text:note><text:note-body><text:p>n</text:p></text:note-body>"
                "</text:note></text:p></text:list-item><text:list-item><text:p>y</text:p></text:list-item>"
                "</text:list></text:list-item></text:list><text:p>Ответы: 2 – Б</text:p>"_s)
        << q + u"Один\nи  два\nA) x\nB) y*\n\n"_s + q + u"Два\nA) x\nB) y*\n"_s
        << QStringList{u"4: note: this paragraph between questions is left out"_s,
                       u"6: warning: a footnote is left out"_s};
    QTest::newRow("Writer: letters of a list style after plain paragraphs")
        << odt(u"<text:p>Title</text:p><text:p>Question?</text:p><text:list text:style-name=\"L\"><text:list-item>"
                "<text:list><text:list-item><text:p>x+</text:p></text:list-item><text:list-item><text:p>y</text:p>"
                "</text:list-item></text:list></text:list-item></text:list>"_s)
        << u"Title\n"_s + q + u"Question?\nA) x*\nB) y\n"_s << QStringList();
    // clang-format on
}

// One row per rule of the office readers and of the layout of questions, on a document made in memory.
void TestConvertOffice::snippets()
{
    QFETCH(QByteArray, document);
    QFETCH(QString, expected);
    QFETCH(QStringList, notes);
    const Converted converted = convert(document);
    QCOMPARE(converted.output, expected);
    QCOMPARE(converted.notes.size(), notes.size());
    for (qsizetype i = 0; i < notes.size(); ++i)
        QVERIFY2(converted.notes[i].startsWith(notes[i]), qPrintable(converted.notes[i]));
}

void TestConvertOffice::fixtures_data()
{
    QTest::addColumn<QString>("name");
    QTest::addColumn<QStringList>("notes");
    for (const QString &format : {u"docx"_s, u"odt"_s}) {
        QTest::addRow("typed letters and \"*\", an image and formulas (%s)", qPrintable(format))
            << u"typed-letters-star."_s + format
            << QStringList{u"9: warning: an image is left out"_s, u"14: note: a formula is kept"_s,
                           u"15: note: a formula is kept as its plain text, \"a^2\""_s};
        QTest::addRow("lists in Russian letters, bold and underline, a table (%s)", qPrintable(format))
            << u"word-lists-bold."_s + format
            << QStringList{u"11: note: the text line"_s, u"20: warning: 2 answers of question 5"_s,
                           u"20: warning: question 5"_s};
        QTest::addRow("a key at the end, in a paragraph and a table; a footnote (%s)", qPrintable(format))
            << u"key-at-end."_s + format << QStringList{u"15: warning: a footnote is left out"_s};
    }
}

// The documents LibreOffice made from the sources beside them (scripts/make-office-fixtures.sh), each as .docx
// and as .odt, into the same quiz.
void TestConvertOffice::fixtures()
{
    QFETCH(QString, name);
    QFETCH(QStringList, notes);
    const QString folder = QStringLiteral(TAVRELO_SOURCE_DIR "/tests/check/data/office/");
    QFile document(folder + name);
    QVERIFY(document.open(QIODevice::ReadOnly));
    QFile expected(folder + name.section(u'.', 0, 0) + u".tavrelo.txt"_s);
    QVERIFY(expected.open(QIODevice::ReadOnly));
    const Converted converted = convert(document.readAll());
    QCOMPARE(converted.output, QString::fromUtf8(expected.readAll().mid(3)).replace(u"\r\n"_s, u"\n"_s));
    QCOMPARE(converted.notes.size(), notes.size());
    for (qsizetype i = 0; i < notes.size(); ++i)
        QVERIFY2(converted.notes[i].startsWith(notes[i]), qPrintable(converted.notes[i]));
}

void TestConvertOffice::hostile_data()
{
    QTest::addColumn<QByteArray>("document");
    QTest::addColumn<QString>("error");

    const QByteArray body = docx(wp(u"1. Q"_s) + wp(u"а) x*"_s) + wp(u"б) y"_s));
    const QByteArray spaces(8 * 1024 * 1024, ' ');
    const auto document = [](const QByteArray &xml, qint64 stated = -1) {
        return support::zip({{u"word/document.xml"_s, xml, true, stated}});
    };
    std::vector<support::ZipPart> many(5001, support::ZipPart{u"x"_s, {}});
    many.push_back({u"word/document.xml"_s, "<w:document/>"});
    // clang-format off
    QTest::newRow("a part that would unpack to more than a part may") << document({}, 65 * 1024 * 1024)
        << u"word/document.xml in the document cannot be read: it would unpack to 65 MB"_s;
    QTest::newRow("a part that expands as a zip bomb does") << document("<a>" + spaces + "</a>")
        << u"word/document.xml in the document cannot be read: it would unpack to"_s;
    QTest::newRow("a part that unpacks to more than the directory says") << document("<a>" + spaces + "</a>", 1000)
        << u"word/document.xml in the document cannot be read: it unpacks to more than the zip's directory says"_s;
    QTest::newRow("too many entries") << support::zip(many) << u"the file holds 5002 zip entries"_s;
    QTest::newRow("cut short") << body.left(body.size() / 2) << u"the file is broken or cut short"_s;
    QTest::newRow("a part cut short") << body.left(30) + body.mid(60) << u"the file is broken or cut short"_s;
    QTest::newRow("a DTD") << document("<!DOCTYPE w [<!ENTITY a \"aaaa\">]><w:document>&a;</w:document>")
        << u"word/document.xml in the document cannot be read: it declares a DTD"_s;
    QTest::newRow("broken XML") << document("<w:document><w:p>") << u"word/document.xml in the document is not well-formed XML"_s;
    QTest::newRow("a .doc") << QByteArray("\xD0\xCF\x11\xE0\xA1\xB1\x1A\xE1 and more") << u"this is a Word 97-2003 document (.doc)"_s;
    QTest::newRow("an RTF") << QByteArray("{\\rtf1 text}") << u"this is an RTF document"_s;
    QTest::newRow("a spreadsheet") << support::zip({{u"mimetype"_s, "application/vnd.oasis.opendocument.spreadsheet"}, {u"content.xml"_s, "<a/>"}})
        << u"this is an OpenDocument file, but no text document"_s;
    QTest::newRow("a zip of something else") << support::zip({{u"a.txt"_s, "text"}}) << u"this is a zip file, but no Word or Writer document"_s;
    // clang-format on
}

// A document of any content stops with a message, within bounded memory, and nothing is converted.
void TestConvertOffice::hostile()
{
    QFETCH(QByteArray, document);
    QFETCH(QString, error);
    QBuffer buffer;
    buffer.setData(document);
    buffer.open(QIODevice::ReadOnly);
    QStringList printed;
    const Conversion conversion = convertQuiz(buffer, u"in"_s, QuizFormat::Tavrelo,
                                              [&](const QString &line) { printed << line; });
    QCOMPARE(conversion.read, false);
    QCOMPARE(conversion.status, ExitStatus::Unreadable);
    QCOMPARE(printed.size(), 1);
    QVERIFY2(printed.front().startsWith(u"in: error: "_s + error), qPrintable(printed.front()));
}

void TestConvertOffice::dropped_data()
{
    QTest::addColumn<QString>("name");
    QTest::addColumn<QByteArray>("content");
    QTest::addColumn<QString>("copy"); // empty when the file is checked as it is

    const QByteArray aiken = "Q?\nA. x\nB. y\nANSWER: B\n";
    QTest::newRow("a Word document") << u"Тест 1.docx"_s << docx(wp(u"1. Q"_s)) << u"Тест 1.txt"_s;
    QTest::newRow("a .doc, to say how to save it")
        << u"old.doc"_s << QByteArray("\xD0\xCF\x11\xE0\xA1\xB1\x1A\xE1") << u"old.txt"_s;
    QTest::newRow("GIFT") << u"quiz.gift"_s << QByteArray("Q? {=a ~b}") << u"quiz.txt"_s;
    QTest::newRow("Aiken named .txt, never over itself") << u"a.b.txt"_s << aiken << u"a.b-tavrelo.txt"_s;
    QTest::newRow("Tavrelo's own") << u"data.txt"_s << QByteArray("Вес вопроса: 1\nQ\nA) x*\n") << QString();
    QTest::newRow("text of no format") << u"notes.txt"_s << QByteArray("just text") << QString();
}

// Dropped in Explorer, a file of another format is converted beside itself into NAME.txt, which is then checked.
void TestConvertOffice::dropped()
{
    QFETCH(QString, name);
    QFETCH(QByteArray, content);
    QFETCH(QString, copy);
    QTemporaryDir folder;
    QFile file(folder.filePath(name));
    QVERIFY(file.open(QIODevice::WriteOnly) && file.write(content) == content.size());
    file.close();
    QCOMPARE(isConvertedWhenDropped(file.fileName()), !copy.isEmpty());
    if (!copy.isEmpty())
        QCOMPARE(droppedConversionTarget(file.fileName()), folder.filePath(copy));
}

QTEST_GUILESS_MAIN(TestConvertOffice)
#include "tst_convert_office.moc"
