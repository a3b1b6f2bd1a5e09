// SPDX-FileCopyrightText: 2026 The Tavrelo developers
// SPDX-License-Identifier: MIT
#pragma once

#include <QtGlobal>

#include <functional>

class QuestionBank;

namespace platform {
class TextStream;
}

struct ReadOutcome {
    // The file held more questions than the bank has slots: questions 1..1000 were filed, and reading stopped
    // at the next header.
    bool cut = false;
};

// Sorts every line of the stream into the bank, from the current slot QuestionCount on (the caller starts at 0),
// by its class (bank/line_class.h): a header counts a question and calls onHeader with the new count; an answer
// line fills its field, its mark making it the right one; text joins the question text; a dropped line goes.
// Raises whatever the stream raises.
ReadOutcome readQuestions(platform::TextStream &stream, QuestionBank &bank, qint16 &QuestionCount,
                          const std::function<void(qint16)> &onHeader);
