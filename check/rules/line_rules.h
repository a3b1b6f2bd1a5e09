// SPDX-FileCopyrightText: 2026 The Tavrelo developers
// SPDX-License-Identifier: MIT
#pragma once

#include "platform/core/text_encoding.h"

#include <QString>
#include <QStringView>

// What a line looks like to its author, as opposed to what the reader makes of it. Each rule returns the
// finding's text without the quoted line, or an empty string when the line is not that kind of slip.

// What an author types as a space: a space, a tab or a no-break space (Windows-1251 byte A0).
bool isBlankChar(QChar ch);
// How many such characters the line begins with.
qsizetype leadingBlanks(QStringView line);

// A text line that was meant as an answer: "А)" with a Cyrillic letter, "b)", "  C)", "E)" past the last one.
QString looksLikeAnswer(QStringView line);

// An answer line whose button would show its letter alone: "A)", "B) *".
bool answerWithoutText(QStringView answerLine);

// A text or dropped line that was meant as a question header; the reasons it is none, such as
// "a space before the colon" or "small letters".
QString headerSlips(QStringView line);

// An answer line whose "*" is followed by spaces or tabs, so that it marks nothing.
bool starThenBlanks(QStringView line);

// Empty, or spaces and tabs only: nothing the learner would see.
bool isBlank(QStringView line);

// Where the line first holds a control character (or U+FFFD), and where a direction mark or bidirectional control
// (U+200E, U+200F, U+061C, the embeddings, overrides and isolates), -1 for none: one pass for both, since every line
// of a file is looked at.
struct LineMarks {
    qsizetype control = -1;
    qsizetype direction = -1;
};
LineMarks findMarks(QStringView line);

// The control character at `at` (findMarks' control), or U+FFFD, as a finding's text ("a NUL byte at column 3"), or
// empty for -1. In a Windows-1251 file a character is a byte, and U+0098 the one byte that it leaves undefined; in
// UTF-8 and UTF-16 the C1 controls are characters of their own. illFormedAt is where decoding first put U+FFFD for
// bytes that are no text in the file's encoding, or -1: a U+FFFD anywhere else is one that the file holds.
QString controlCharacter(QStringView line, qsizetype at, platform::TextEncoding encoding, qsizetype illFormedAt);

// The direction control at `at` (findMarks' direction) as a finding's text, or empty for -1: invisible, it reorders
// what the learner reads.
QString directionControl(QStringView line, qsizetype at);
