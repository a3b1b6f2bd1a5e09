// SPDX-FileCopyrightText: 2026 The Tavrelo developers
// SPDX-License-Identifier: MIT
#pragma once

#include "check/rules/finding.h"

#include <QString>
#include <QStringList>
#include <QtGlobal>

#include <array>
#include <vector>

// The quiz as the program's reader finds it, one section of the file at a time: what the learner meets of each
// question, and the lines of the file it came from, each with what became of it and the checker's findings on it.
// The page that shows a quiz and the conversions into other formats read this, never the file's lines themselves.

// What became of a line of the file.
enum class LineRole : quint8 {
    Header,         // "Вес вопроса:" opens a question
    Text,           // a line of the question's text
    Answer,         // the answer a button shows
    ReplacedAnswer, // an answer line that a later one of the same letter replaced
    HiddenAnswer,   // an answer past a gap: no button shows it
    Dropped,        // begins with "Ве" and is no header: the reader drops it
    Unshown,        // stands before the first header: never shown
    NotLoaded,      // the header of question 1001, where the reader stops
};

struct QuizLine {
    qint64 number = 0; // counted from 1, as an editor counts lines
    LineRole role = LineRole::Text;
    qint8 answer = 0;    // 1..4 on an answer line of any role, 0 on others
    bool marked = false; // an answer line that ends in "*"
    QString text;        // as read, "*" included; its start only, once the section has kept MaxCharactersKept
    qint64 length = 0;   // the line's whole length in UTF-16 units, text.size() or more
    std::vector<Finding> findings;
};

enum class SectionKind : quint8 {
    BeforeFirstQuestion, // the lines before the first header, which the program keeps in slot 0 and never shows
    Question,
    NotLoaded, // the header of a question past the 1000 the program loads; nothing after it is read
};

// One question, with its fields as the program's bank holds them, or the lines around the questions.
struct QuizSection {
    // A section keeps this many lines, and this many characters of their text in all, so that what it holds
    // beside the bank's fields stays bounded however the file is made; what is left out is counted.
    static constexpr qsizetype MaxLinesKept = 2000;
    static constexpr qsizetype MaxCharactersKept = 100000;

    SectionKind kind = SectionKind::Question;
    qint16 number = 0; // the question's number, from 1; 0 before the first question

    // The bank's fields: the text, every text line after CR LF (whole, however long); the answers "A)".."D)"
    // as the buttons label them, without the mark; the right answer 1..4, or 0 when none is marked.
    QString text;
    std::array<QString, 4> answers;
    int rightAnswer = 0;

    std::vector<QuizLine> lines;   // in file order, the header first
    qint64 linesLeftOut = 0;       // lines past MaxLinesKept
    std::vector<Finding> findings; // on lines left out, or on no line of the file (an empty file's line 1)...
    qint64 findingsLeftOut = 0;    // ...up to MaxLinesKept of them

    // The answer buttons the quiz shows: answers 1..shownAnswers(), an empty one for each gap among them.
    int shownAnswers() const;
    // What the learner reads above the answers, line by line, as Tavrelo shows the text.
    QStringList textLines() const;
};
