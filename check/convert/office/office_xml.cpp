// SPDX-FileCopyrightText: 2026 The Tavrelo developers
// SPDX-License-Identifier: MIT
#include "check/convert/office/office_xml.h"

#include "check/rules/messages.h"

OfficeXml::OfficeXml(const QByteArray &xml) : QXmlStreamReader(xml)
{
    setNamespaceProcessing(false); // office programs use fixed prefixes; their names are matched as written
}

bool OfficeXml::next()
{
    while (!atEnd()) {
        switch (readNext()) {
        case DTD: raiseError(Messages::tr("it declares a DTD, which no office program writes")); return false;
        case StartElement:
        case EndElement:
        case Characters: return true;
        default: break;
        }
    }
    return false;
}

void OfficeXml::skip()
{
    int depth = 1;
    while (depth > 0 && next()) {
        if (isStartElement())
            ++depth;
        else if (isEndElement())
            --depth;
    }
}

QString OfficeXml::failure(const QString &part) const
{
    if (!hasError())
        return {};
    if (error() == CustomError)
        return Messages::tr("%1 in the document cannot be read: %2").arg(part, errorString());
    return Messages::tr("%1 in the document is not well-formed XML (line %2): %3")
        .arg(part)
        .arg(lineNumber())
        .arg(errorString());
}

QString OfficeXml::attribute(QStringView qualifiedName) const
{
    return attributes().value(qualifiedName.toString()).toString();
}

bool OfficeXml::hasAttribute(QStringView qualifiedName) const
{
    return attributes().hasAttribute(qualifiedName.toString());
}
