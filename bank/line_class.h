// SPDX-FileCopyrightText: 2026 The Tavrelo developers
// SPDX-License-Identifier: MIT
#pragma once

#include <QStringView>
#include <QtGlobal>

// What a line of a question file is, told by its first characters; the reader files lines by it and the
// question file checker judges them by it, so the two can never disagree.
enum class LineKind : quint8 {
    Text,    // joins the question text
    Header,  // "Вес вопроса:" counts a question
    Answer,  // "A)".."D)" fills an answer field
    Dropped, // begins with "Ве" and is no header
};

struct LineClass {
    LineKind kind = LineKind::Text;
    qint8 answer = 0; // 1..4 for an answer line
};

inline constexpr QStringView HeaderMarker = u"Вес вопроса:";
inline constexpr QStringView DroppedMarker = u"Ве";
// An answer line that ends in it is the right answer of its question; it is not part of the answer's text.
inline constexpr QChar AnswerMark = u'*';

// Needs no more of the line than its first HeaderMarker.size() characters. Inlined into the reader's loop, as a
// call per line would cost more than the test itself.
inline LineClass classifyLine(QStringView firstPiece)
{
    // Only a line that begins with "В" can be a header or dropped: one character spares most comparisons.
    if (!firstPiece.isEmpty() && firstPiece.front() == HeaderMarker.front()) {
        if (firstPiece.startsWith(HeaderMarker))
            return {LineKind::Header};
        return {firstPiece.startsWith(DroppedMarker) ? LineKind::Dropped : LineKind::Text};
    }
    if (firstPiece.size() >= 2 && firstPiece[1] == u')') {
        const char16_t letter = firstPiece[0].unicode();
        if (letter >= u'A' && letter <= u'D')
            return {LineKind::Answer, qint8(letter - u'A' + 1)};
    }
    return {LineKind::Text};
}

// Whether a whole answer line marks its answer as the right one.
inline bool isMarkedAnswer(QStringView answerLine)
{
    return answerLine.endsWith(AnswerMark);
}
