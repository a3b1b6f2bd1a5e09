// SPDX-FileCopyrightText: 2026 The Tavrelo developers
// SPDX-License-Identifier: MIT
#pragma once

#include <QStringView>
#include <QtGlobal>

#include <functional>

class QuestionBank;

namespace platform {
class TextStream;
enum class LineEnd : quint8;
} // namespace platform

struct ReadOutcome {
    // The file held more questions than the bank has slots: questions 1..1000 were filed, and reading stopped
    // at the next header.
    bool cut = false;
};

// What the reader did with a line.
enum class LineUse : quint8 {
    Header,  // counted a question
    Answer,  // filled an answer field
    Text,    // joined the question text
    Dropped, // began with "Ве" and was no header
    NotRead, // a header with no slot left: reading stopped at it
};

// One line as the reader met it, for a listener such as the question file checker.
struct LineReport {
    qint64 number = 0; // counted from 1, as an editor counts lines
    QStringView text;  // the line as read, a trailing "*" included; lasts until the listener returns
    platform::LineEnd end{};
    LineUse use = LineUse::Text;
    qint16 question = 0;         // the slot the line went to: 0 before the first header; a header's new count
    qint8 answer = 0;            // 1..4 for an answer line
    bool marked = false;         // an answer whose trailing "*" made it the right one
    bool replacedAnswer = false; // an answer that replaced one with the same marker
    bool replacedMark = false;   // a marked answer that replaced an earlier mark of its question
};

class ReadListener {
public:
    // Called once per line read, after the reader has filed it.
    virtual void lineRead(const LineReport &line) = 0;

protected:
    ~ReadListener() = default;
};

// Sorts every line of the stream into the bank, from the current slot QuestionCount on (the caller starts at 0):
// a header "Вес вопроса:" counts a question and calls onHeader with the new count; an answer line "A)".."D)"
// fills its field, a trailing "*" marking it right; any other line not beginning with "Ве" is question text.
// Raises whatever the stream raises.
ReadOutcome readQuestions(platform::TextStream &stream, QuestionBank &bank, qint16 &QuestionCount,
                          const std::function<void(qint16)> &onHeader);
// The same, telling the listener about every line.
ReadOutcome readQuestions(platform::TextStream &stream, QuestionBank &bank, qint16 &QuestionCount,
                          const std::function<void(qint16)> &onHeader, ReadListener &listener);
