// SPDX-FileCopyrightText: 2026 The Tavrelo developers
// SPDX-License-Identifier: MIT
#pragma once

#include "check/convert/source_question.h"

#include <QString>
#include <QtGlobal>

#include <optional>

enum class QuizFormat : quint8 { Tavrelo, Gift, Aiken };

// The format a file's lines are in, told by what only that format holds, in this order: a question header
// "Вес вопроса:" of Tavrelo's (spelt right); an Aiken answer line "ANSWER: X" right after a lettered answer; a
// GIFT answer block "{", a "::title::" or a "$CATEGORY:"; a misspelt header of Tavrelo's. None for a file that
// holds none of these.
std::optional<QuizFormat> detectFormat(const NextLine &nextLine);

// The output format --format names (tavrelo, gift or aiken, in any case), or without it the one OUT's name
// tells: ".gift" is GIFT, anything else Tavrelo's. None for a name --format does not know.
std::optional<QuizFormat> outputFormat(const QString &option, const QString &outputPath);

// "Tavrelo's question file", "GIFT", "Aiken", in the user's language.
QString formatName(QuizFormat format);
