// SPDX-FileCopyrightText: 2026 The Tavrelo developers
// SPDX-License-Identifier: MIT
#pragma once

#include "check/rules/quiz_model.h"

#include <QByteArray>
#include <QStringView>

// One section of the quiz as the page shows it, in UTF-8. A question as Tavrelo shows it: its caption, its text
// line by line, its answer buttons in order with the right one marked; beside each, the line of the file it came
// from and the checker's findings on that line. The lines the learner never meets stand greyed in their places with
// the reason. A line far longer than anyone reads is cut, with a note of what follows, so that a page stays a few
// times its file's size however the file is made.
void appendSectionHtml(QByteArray &html, const QuizSection &section);

// At most this many characters of one line of the file go on the page.
inline constexpr qsizetype MaxCharactersShown = 20000;

// The pieces a variant of the quiz is made of, as print shows them.
// The text the learner reads above the answers, without line numbers, findings or dropped lines.
void appendPrintedText(QByteArray &html, const QuizSection &section);
// Text of the file, isolated from the page around it and cut past MaxCharactersShown; length is the whole line's.
void appendShownText(QByteArray &html, QStringView text, qint64 length);
// Whether the question takes more than one A4 sheet in print. Such a question is marked "tall" on the page: it starts
// where it falls, rather than on a sheet of its own that it overflows anyway.
bool isTallInPrint(const QuizSection &section);
// The start of an answer button, <p class="o">, with the right one's mark; `line` the file's line, or 0.
void openAnswerButton(QByteArray &html, bool right, qint64 line);
