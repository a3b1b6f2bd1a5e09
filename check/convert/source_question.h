// SPDX-FileCopyrightText: 2026 The Tavrelo developers
// SPDX-License-Identifier: MIT
#pragma once

#include "check/rules/finding.h"

#include <QString>
#include <QStringList>
#include <QtGlobal>

#include <functional>
#include <optional>
#include <vector>

// A question as another format holds it, in plain text, before anything decides whether Tavrelo can play it. The
// readers of GIFT, Aiken and lettered files fill it; the Tavrelo writer takes the ones Tavrelo can play.

// What kind of question the source holds: only multiple choice can become a question of Tavrelo's.
enum class QuestionKind : quint8 {
    MultipleChoice,
    TrueFalse,
    ShortAnswer,
    Matching,
    Numerical,
    Essay,
    Description, // text alone, which asks nothing
};

struct SourceLine {
    QString text;
    qint64 line = 0; // where it stands in the source, counted from 1
};

struct SourceAnswer {
    QString text; // one line, without its letter
    qint64 line = 0;
    bool right = false;
    bool partial = false; // a weight between nothing and full marks
};

struct SourceQuestion {
    int number = 0;  // counted from 1 among the source's questions, those left out included
    qint64 line = 0; // where it begins
    QuestionKind kind = QuestionKind::MultipleChoice;
    QString title;  // its name in Moodle, which learners never see
    QString header; // the header line to write, when the source had one of Tavrelo's own; else a default
    std::vector<SourceLine> text;
    std::vector<SourceAnswer> answers;
    qint64 imageLine = 0;    // an image or other media that plain text cannot show, or 0
    qint64 feedbackLine = 0; // feedback the learner would have read, or 0
    qint64 penaltyLine = 0;  // a negative mark for a wrong answer, or 0
    qint64 raisedLine = 0;   // a superscript or subscript written with "^" or "_", or 0
};

// What a reader made of a file: its questions in order, and what it had to say on the way.
struct SourceQuiz {
    QString preamble; // lines to keep before the first header, never shown, each ended by LF: one string for them all
    std::vector<SourceQuestion> questions;
    std::vector<Finding> notes;
    int unreadable = 0; // questions the reader could not make out, each with a note
};

// The lines of a source, one at a time, as a reader takes them: each call gives the next line, or nothing after the
// last. A reader keeps no more of them than the question it is reading.
using NextLine = std::function<std::optional<QString>()>;

// The lines of a list, one at a time.
NextLine linesOf(const QStringList &lines);

// How a note names a question: its number, then its title or the start of its text.
QString questionName(const SourceQuestion &question);
