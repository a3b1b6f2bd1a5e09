// SPDX-FileCopyrightText: 2026 The Tavrelo developers
// SPDX-License-Identifier: MIT
#pragma once

#include "check/convert/source_question.h"

#include <QStringList>

// Reads Moodle's Aiken format: the question's text, then its answers, each on a line of its own beginning with a
// capital letter and "." or ")" (a space after it or none), then "ANSWER: " and the right one's letter, counted from
// A.
SourceQuiz readAiken(const NextLine &nextLine);

// Whether a line, trimmed, is one of Aiken's answers: what Moodle takes for one, and so what a question's text must
// never look like.
bool isAikenAnswer(QStringView trimmed);
bool isAikenAnswerLine(QStringView trimmed); // "ANSWER: X"
