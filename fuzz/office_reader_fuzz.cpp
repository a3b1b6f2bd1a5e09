// SPDX-FileCopyrightText: 2026 The Tavrelo developers
// SPDX-License-Identifier: MIT
//
// Feeds arbitrary bytes to the reader of Word and Writer documents, two ways: as a whole file (a zip, as the
// documents in fuzz/office_corpus are), and, since a zip's checksums turn nearly every change into a broken file, as
// the XML of a document's main part, packed into a .docx or an .odt here (the first byte chooses which, and whether
// the rest is the styles of a Writer document or the numbering of a Word one). Aborts when a note is not one line,
// when the converter gives output that is not UTF-8, or when a document it could not read is
// taken as read.
#include "check/convert/convert_file.h"
#include "check/convert/office/office_document.h"
#include "tests/support/zip_archive.h"

#include <QBuffer>
#include <QStringDecoder>

#include <cstdint>
#include <cstdio>
#include <cstdlib>

using namespace Qt::StringLiterals;

namespace {

void require(bool condition, const char *what)
{
    if (!condition) {
        std::fprintf(stderr, "violated: %s\n", what);
        std::abort();
    }
}

void convert(const QByteArray &bytes)
{
    const OfficeQuestions read = readOfficeDocument(bytes);
    require(read.quiz.has_value() == read.error.isEmpty(), "a document is read, or else says why not");
    if (read.quiz) {
        for (const Finding &note : read.quiz->notes)
            require(note.line >= 1 && !note.text.contains(u'\n'), "notes stand at paragraphs");
    }
    QBuffer input;
    input.setData(bytes);
    input.open(QIODevice::ReadOnly);
    const Conversion conversion = convertQuiz(input, QString(), QuizFormat::Tavrelo, [](const QString &line) {
        require(!line.contains(u'\n') && !line.contains(u'\r'), "a note is one line");
    });
    // Decoded keeping a U+FEFF at the start, which a document's text may begin with; the file's own byte-order mark
    // is its writer's.
    QStringDecoder utf8(QStringDecoder::Utf8,
                        QStringDecoder::Flag::Stateless | QStringDecoder::Flag::ConvertInitialBom);
    const QString text = utf8.decode(conversion.output);
    require(!utf8.hasError() && text.toUtf8() == conversion.output, "output in UTF-8");
    require(conversion.read || conversion.output.isEmpty(), "nothing is written of what was not read");
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    const QByteArray bytes(reinterpret_cast<const char *>(data), qsizetype(size));
    convert(bytes);
    if (size == 0)
        return 0;
    const QByteArray xml = bytes.mid(1);
    switch (data[0] % 4) {
    case 0: convert(support::zip({{u"word/document.xml"_s, xml}})); break;
    case 1:
        convert(support::zip({{u"word/document.xml"_s, "<w:document><w:body><w:p><w:pPr><w:numPr><w:ilvl w:val=\"1\"/>"
                                                       "<w:numId w:val=\"1\"/></w:numPr></w:pPr></w:p></w:body>"
                                                       "</w:document>"},
                              {u"word/numbering.xml"_s, xml},
                              {u"word/styles.xml"_s, xml}}));
        break;
    case 2:
        convert(support::zip({{u"mimetype"_s, "application/vnd.oasis.opendocument.text"}, {u"content.xml"_s, xml}}));
        break;
    default:
        convert(support::zip({{u"content.xml"_s, "<office:body><office:text><text:list text:style-name=\"L\">"
                                                 "<text:list-item><text:p>x</text:p></text:list-item></text:list>"
                                                 "</office:text></office:body>"},
                              {u"styles.xml"_s, xml}}));
        break;
    }
    return 0;
}
