// SPDX-FileCopyrightText: 2026 The Tavrelo developers
// SPDX-License-Identifier: MIT
#pragma once

#include "check/convert/tavrelo_writer.h"
#include "check/rules/quiz_model.h"

#include <optional>
#include <vector>

// What Tavrelo's reader, and the checker beside it, make of a copy before it is written.
struct CopyCheck {
    std::vector<QuizSection> questions; // the questions as the reader finds them
    std::vector<Finding> findings;      // the checker's errors and warnings, at the copy's lines
    // The first question written that the reader takes otherwise than the writer meant it, as an index into the
    // copy's questions; none when every question reads back as written.
    std::optional<size_t> firstMisread;
};

CopyCheck checkCopy(const TavreloCopy &copy);
