// SPDX-FileCopyrightText: 2026 The Tavrelo developers
// SPDX-License-Identifier: MIT
#pragma once

#include "check/convert/source_question.h"

#include <QStringList>

// Reads a file laid out as Tavrelo's own, as its author meant it rather than as Tavrelo's reader takes it: answers
// lettered а) to г) in Russian order (either case), with the Cyrillic А, В, С that pass for Latin letters, in
// small Latin letters or after spaces; a misspelt header; a "*" with spaces after it; lines beginning with "Ве"
// as text. Which order a question's letters follow is told by the letters it uses: "В)" is the second answer
// after "А)" alone or beside "С)", and the third beside "Б)". The notes on the letters say what Tavrelo's file is
// written with when intoTavrelo, else only how the answers were read.
SourceQuiz readLettered(const NextLine &nextLine, bool intoTavrelo = true);
