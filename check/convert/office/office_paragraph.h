// SPDX-FileCopyrightText: 2026 The Tavrelo developers
// SPDX-License-Identifier: MIT
#pragma once

#include "check/rules/finding.h"

#include <QString>
#include <QStringList>
#include <QtGlobal>

#include <vector>

// How a run of text is set apart from plain text: the ways a teacher marks the right answer.
enum Emphasis : quint8 {
    Bold = 1,
    Underline = 2,
    Highlight = 4, // a highlight or a shaded background
    Colour = 8,    // a colour other than black or the default
};

// A paragraph of a Word or Writer document as the reader of questions takes it: its text line by line, the number
// or letter its list shows before it, and how all of its text is set apart.
struct OfficeParagraph {
    qint64 number = 0;   // counted from 1 in document order, the paragraphs in tables' cells included
    QString label;       // the list's number as the office program shows it ("1.", "б)"), or empty
    int level = 0;       // the list's level, 0 for the outermost or for a paragraph in no list
    QString text;        // its text, with "\n" where it has a line break
    QByteArray emphasis; // for each character of text, the Emphasis bits of its run; neutral for a formula's
    int row = 0;         // in a table: its row, counted from 1 through the document; else 0
    int column = 0;      // in a table: its cell in the row, from 1
};

constexpr char neutralEmphasis = char(0xFF);

// Adds text set apart as emphasis says to the paragraph.
void addText(OfficeParagraph &paragraph, const QString &text, quint8 emphasis);
// What every visible character of the paragraph from from on carries (none when it has none).
quint8 emphasisFrom(const OfficeParagraph &paragraph, qsizetype from);

// A document read into paragraphs, with what it holds that plain text cannot show, at its paragraphs.
struct OfficeDocument {
    std::vector<OfficeParagraph> paragraphs;
    std::vector<Finding> notes;
    QString error; // why the document could not be read, in the user's language; empty when it was
};

// What Tavrelo cannot show, left out at its place (a formula's plain text is kept where it has one).
enum class Loss : quint8 { Image, Drawing, TextBox, Footnote, Formula };
Finding lossNote(qint64 paragraph, Loss loss, const QString &formulaText = {});
