// SPDX-FileCopyrightText: 2026 The Tavrelo developers
// SPDX-License-Identifier: MIT
#pragma once

#include "check/convert/source_question.h"

#include <QByteArray>
#include <QString>
#include <QStringList>

#include <array>
#include <vector>

// A question file of Tavrelo's made from questions it can play, and what its reader must find in it.
struct TavreloCopy {
    // A question as written, in the fields the program's bank will hold for it.
    struct Question {
        const SourceQuestion *source = nullptr;
        QStringList textLines;          // the text as the learner reads it, line by line
        std::array<QString, 4> answers; // "A) ..." as the buttons label them
        int rightAnswer = 0;            // 1..4
    };

    QString text;                    // every line ended by CR LF
    std::vector<qint64> sourceLines; // for line n of the copy, at n - 1: its line in the source, or 0
    std::vector<bool> mended;        // for line n, at n - 1: changed so that Tavrelo reads it as the source meant
    std::vector<Question> questions;
    std::vector<Finding> notes; // on the source's lines: what did not fit
    std::vector<Finding> mends; // on the source's lines: each change, which only this copy holds
};

// Writes the questions, each under a header and parted by blank lines, after the lines of the preamble (each ended by
// LF; Tavrelo never shows them). A line that Tavrelo would read otherwise than the source meant is mended, with a
// note: a text line beginning with "Ве" (dropped, or a header) or with "A)" to "D)" (an answer) gets a space before it;
// a wrong answer ending in "*" (which would mark it) a space after it. Questions past the bank's 1000 are left out.
TavreloCopy writeTavrelo(QStringView preamble, const std::vector<const SourceQuestion *> &questions);

// The copy as it is written, in UTF-8; its file puts a byte-order mark before it.
QByteArray tavreloBytes(const TavreloCopy &copy);
