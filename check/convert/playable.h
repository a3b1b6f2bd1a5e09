// SPDX-FileCopyrightText: 2026 The Tavrelo developers
// SPDX-License-Identifier: MIT
#pragma once

#include "check/convert/source_question.h"

#include <optional>

// Tavrelo plays a question with one right answer among at most four, and nothing else. For any other question,
// the note that leaves it out and says why; nothing for one it can play.
std::optional<Finding> leftOutNote(const SourceQuestion &question);
