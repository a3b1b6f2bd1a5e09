// SPDX-FileCopyrightText: 2026 The Tavrelo developers
// SPDX-License-Identifier: MIT
#include "bank/question_reader.h"

#include "bank/line_class.h"
#include "bank/question_bank.h"
#include "platform/core/large_text.h"
#include "platform/core/text_file.h"

#include <QString>
#include <QStringView>

using namespace Qt::StringLiterals;

namespace {

// "1".."4" as static data: marking an answer allocates nothing. Inlined, as a call would cost more than it.
Q_ALWAYS_INLINE QString answerNumber(int answer)
{
    switch (answer) {
    case 1: return u"1"_s;
    case 2: return u"2"_s;
    case 3: return u"3"_s;
    default: return u"4"_s;
    }
}

static_assert(platform::TextStream::MinimumPiece >= HeaderMarker.size(), "a first piece tells every line class");

void skipRestOfLine(platform::TextStream &stream)
{
    while (!stream.atEndOfLine())
        stream.readLinePiece();
}

// The answer line begun with `first`: the one string of its own that a line takes, grown piece by piece.
void fileAnswer(platform::TextStream &stream, QuestionBank &bank, int slot, int answer, QStringView first)
{
    QString text = first.toString();
    const bool grows = !stream.atEndOfLine();
    while (!stream.atEndOfLine())
        platform::appendToLargeText(text, stream.readLinePiece());
    if (isMarkedAnswer(text)) {
        bank.ReplaceField(slot, 5, answerNumber(answer));
        text.chop(1);
    }
    if (grows)
        platform::fitLargeText(text);
    bank.ReplaceField(slot, answer, std::move(text));
}

} // namespace

ReadOutcome readQuestions(platform::TextStream &stream, QuestionBank &bank, qint16 &QuestionCount,
                          const std::function<void(qint16)> &onHeader)
{
    bool cut = false;
    bool grownText = false; // the question's text took a line in pieces, so it may hold room to give back
    const auto fitText = [&] {
        if (grownText)
            bank.fitQuestionText(QuestionCount);
        grownText = false;
    };
    while (!cut && !stream.AtEndOfStream()) {
        // Lines come in pieces, so that a line of any length costs no memory beyond what the bank keeps of it. The
        // first, a view into the stream's buffer, holds enough of the line to tell its class.
        const QStringView first = stream.readLinePiece();
        const LineClass line = classifyLine(first);
        switch (line.kind) {
        case LineKind::Header:
            cut = QuestionCount >= QuestionBank::QuestionCapacity;
            if (cut)
                break;
            skipRestOfLine(stream);
            fitText();
            ++QuestionCount;
            if (onHeader)
                onHeader(QuestionCount);
            break;
        case LineKind::Answer: fileAnswer(stream, bank, QuestionCount, line.answer, first); break;
        case LineKind::Text:
            bank.AppendQuestionLine(QuestionCount, first);
            while (!stream.atEndOfLine()) {
                bank.continueQuestionLine(QuestionCount, stream.readLinePiece());
                grownText = true;
            }
            break;
        case LineKind::Dropped: skipRestOfLine(stream); break;
        }
    }
    fitText();
    return ReadOutcome{.cut = cut};
}
