// SPDX-FileCopyrightText: 2026 The Tavrelo developers
// SPDX-License-Identifier: MIT
#include "check/convert/office/office_document.h"

#include "check/convert/office/docx_reader.h"
#include "check/convert/office/odt_reader.h"
#include "check/convert/office/paragraph_questions.h"
#include "check/convert/office/zip_entries.h"
#include "check/rules/messages.h"

using namespace Qt::StringLiterals;

namespace {

const QByteArray zipHead("PK\x03\x04", 4);
const QByteArray emptyZipHead("PK\x05\x06", 4);
const QByteArray compoundHead("\xD0\xCF\x11\xE0\xA1\xB1\x1A\xE1", 8); // Word 97-2003, and encrypted .docx
const QByteArray rtfHead("{\\rtf");

QString saveAs()
{
    return Messages::tr("open it in Word or LibreOffice and save it as a Word document (.docx) or an "
                        "OpenDocument text (.odt)");
}

} // namespace

bool looksLikeOfficeFile(const QByteArray &head)
{
    return head.startsWith(zipHead) || head.startsWith(emptyZipHead) || head.startsWith(compoundHead)
        || head.startsWith(rtfHead);
}

OfficeQuestions readOfficeDocument(const QByteArray &bytes)
{
    OfficeQuestions read;
    if (bytes.startsWith(compoundHead)) {
        read.error = Messages::tr("this is a Word 97-2003 document (.doc), a password-protected one or another "
                                  "older Office file, which the checker cannot read: %1")
                         .arg(saveAs());
        return read;
    }
    if (bytes.startsWith(rtfHead)) {
        read.error = Messages::tr("this is an RTF document, which the checker cannot read: %1").arg(saveAs());
        return read;
    }
    ZipEntries zip(bytes);
    if (!zip.isValid()) {
        read.error = zip.error();
        return read;
    }
    OfficeDocument document;
    if (zip.contains(u"word/document.xml"_s)) {
        document = readDocx(zip);
    } else if (zip.contains(u"content.xml"_s)) {
        const std::optional<QByteArray> mimetype = zip.read(u"mimetype"_s);
        if (mimetype && !mimetype->startsWith("application/vnd.oasis.opendocument.text")) {
            read.error = Messages::tr("this is an OpenDocument file, but no text document (it is %1): %2")
                             .arg(QString::fromLatin1(mimetype->left(100)), saveAs());
            return read;
        }
        document = readOdt(zip);
    } else {
        read.error = Messages::tr("this is a zip file, but no Word or Writer document: %1").arg(saveAs());
        return read;
    }
    if (!document.error.isEmpty()) {
        read.error = document.error;
        return read;
    }
    read.quiz = paragraphQuestions(document);
    return read;
}
