// SPDX-FileCopyrightText: 2026 The Tavrelo developers
// SPDX-License-Identifier: MIT
#pragma once

#include <QStringList>
#include <QStringView>

#include <vector>

// How Moodle shows a text, as GIFT's [html], [moodle], [plain] and [markdown] tags say.
enum class TextFormat : quint8 {
    Moodle,   // HTML allowed, and each line break of the source shows
    Html,     // HTML: line breaks come from the tags alone, runs of white space show as one space
    Plain,    // shown as written
    Markdown, // shown as written: Tavrelo has no markup
};

struct PlainText {
    QStringList lines;             // each trimmed; none empty at the start or the end
    std::vector<qsizetype> starts; // for each line, where in the text it begins
    bool media = false;            // an image, a sound, a video, a link or the like, which plain text cannot show
    bool raisedAsSigns = false;    // a superscript or subscript written as "^x" or "_n"
    qsizetype mediaAt = -1;        // where in the text the first of them stands, or -1
    qsizetype raisedAt = -1;       // where the first superscript or subscript written with signs stands, or -1
};

// A text as the learner reads it, line by line: tags give way to line breaks (a paragraph, a list item, <br>, the
// lines of <pre>), entities are decoded, digits and signs in <sup> and <sub> become superscripts and subscripts (and
// what Unicode has no such form for is written "2^x", "a_n", "2^(x+1)"), scripts and styles are left out.
PlainText plainText(QStringView text, TextFormat format);
