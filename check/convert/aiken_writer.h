// SPDX-FileCopyrightText: 2026 The Tavrelo developers
// SPDX-License-Identifier: MIT
#pragma once

#include "check/convert/played_question.h"

#include <QString>

// Writes questions as Aiken: the text on one line (its lines joined by spaces, with a note), the answers as "A) ..."
// and "ANSWER: X". A question that Aiken cannot hold is left out with a note: one without text, one whose text
// would read as an answer or as the "ANSWER:" line, one with an answer without text. Returns how many it wrote.
qsizetype writeAiken(const std::vector<PlayedQuestion> &questions, QString &aiken, std::vector<Finding> &notes);
