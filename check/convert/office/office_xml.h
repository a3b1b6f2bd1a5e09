// SPDX-FileCopyrightText: 2026 The Tavrelo developers
// SPDX-License-Identifier: MIT
#pragma once

#include <QString>
#include <QXmlStreamReader>

// A document's XML is read as untrusted input: a DTD (and so any entity of its own) stops the reading, since an
// office program never writes one; QXmlStreamReader expands no external entity anyway.
class OfficeXml : public QXmlStreamReader {
public:
    explicit OfficeXml(const QByteArray &xml);
    // Reads on to the next start or end of an element or to text; false at the end or on an error.
    bool next();
    // Skips the element just started, with all it holds.
    void skip();
    // Why reading stopped short, in the user's language, naming the part; empty when it did not.
    QString failure(const QString &part) const;
    // An attribute of the element just started, by its qualified name ("w:val").
    QString attribute(QStringView qualifiedName) const;
    bool hasAttribute(QStringView qualifiedName) const;
};
