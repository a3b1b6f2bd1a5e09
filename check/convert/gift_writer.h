// SPDX-FileCopyrightText: 2026 The Tavrelo developers
// SPDX-License-Identifier: MIT
#pragma once

#include "check/convert/played_question.h"

#include <QString>

// Writes questions as GIFT that Moodle imports as multiple choice and that readGift reads back the same: the text's
// lines as lines (an empty one as "\n"), GIFT's signs escaped, the answers one a line, the right one after "=", a
// lone answer as "~%100%" (Moodle wants two). [plain] goes before a text that holds HTML, which [moodle] would show
// otherwise. Notes what Moodle will refuse.
QString writeGift(const std::vector<PlayedQuestion> &questions, std::vector<Finding> &notes);
