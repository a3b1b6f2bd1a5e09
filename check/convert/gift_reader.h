// SPDX-FileCopyrightText: 2026 The Tavrelo developers
// SPDX-License-Identifier: MIT
#pragma once

#include "check/convert/source_question.h"

#include <QStringList>

// Reads Moodle's GIFT as Moodle imports it: questions parted by blank lines, "//" comment lines, "$CATEGORY:",
// "::title::", a [html], [moodle], [plain] or [markdown] tag, backslash escapes, and an answer block in braces whose
// content tells the kind of question.
SourceQuiz readGift(const NextLine &nextLine);
