// SPDX-FileCopyrightText: 2026 The Tavrelo developers
// SPDX-License-Identifier: MIT
#pragma once

#include "check/convert/office/office_paragraph.h"
#include "check/convert/source_question.h"

// Finds the questions in a document's paragraphs as a teacher lays them out: a numbered or plain paragraph, then
// two to four answers lettered а) б) в) г) (or А. Б., a) b), A. B.) or numbered 1) 2) 3), typed or by the office
// program's lists; the question's own number (typed, a list's or a table's first column) dropped; the paragraphs
// before the first question kept before it. The right answer is the one with "*" or "+" before or after it, or the
// one answer of its question set apart by bold, underline, highlight or colour, or the one the key at the end
// names; marks that disagree are reported and none is taken. Notes and lines are paragraph numbers.
SourceQuiz paragraphQuestions(const OfficeDocument &document);
