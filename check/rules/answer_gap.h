// SPDX-FileCopyrightText: 2026 The Tavrelo developers
// SPDX-License-Identifier: MIT
#pragma once

#include <QString>

#include <array>

// The quiz shows as many buttons as a question has answers, filled from answer A on: a question with answers A,
// B and D shows A, B and an empty third button, and D never. Says so for a question whose answers leave such a
// gap (present[k] for answers A..D; marked 1..4, or 0 for none), or returns an empty string.
QString answerGap(int question, const std::array<bool, 4> &present, int marked);

// The first answer, 1..4, that such a gap hides; 0 when none is hidden.
int firstHiddenAnswer(const std::array<bool, 4> &present);
