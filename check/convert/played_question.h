// SPDX-FileCopyrightText: 2026 The Tavrelo developers
// SPDX-License-Identifier: MIT
#pragma once

#include "check/rules/finding.h"
#include "check/rules/quiz_model.h"

#include <QStringList>

#include <optional>
#include <vector>

// A question as Tavrelo plays it, for writing into a format that takes no empty lines at either end of a text, no
// spaces at either end of a line and no empty answer buttons.
struct PlayedQuestion {
    int number = 0;
    qint64 line = 0;     // its header's
    QStringList text;    // each line trimmed; none empty at the start or the end
    QStringList answers; // each button's text after its letter, trimmed; empty buttons left out
    std::vector<qint64> answerLines;
    int right = 0; // into answers
};

// The question of a section of Tavrelo's quiz, or nothing, with a note, when its right answer cannot be told: no
// answer marked, or a marked one that no button shows. An empty button is left out with a note.
std::optional<PlayedQuestion> playedQuestion(const QuizSection &section, std::vector<Finding> &notes);
