// SPDX-FileCopyrightText: 2026 The Tavrelo developers
// SPDX-License-Identifier: MIT
#include "bank/question_reader.h"

#include "bank/question_bank.h"
#include "platform/large_text.h"
#include "platform/text_file.h"

#include <QString>
#include <QStringView>

using namespace Qt::StringLiterals;

namespace {

constexpr QStringView HeaderMarker = u"Вес вопроса:";
constexpr QStringView DroppedMarker = u"Ве";

// "1".."4" as static data: marking an answer allocates nothing.
QString AnswerNumber(int answer)
{
    switch (answer) {
    case 1: return u"1"_s;
    case 2: return u"2"_s;
    case 3: return u"3"_s;
    default: return u"4"_s;
    }
}

// 1..4 for a line beginning with the Latin "A)".."D)", else 0.
int AnswerOf(QStringView line)
{
    if (line.size() < 2 || line[1] != u')')
        return 0;
    const char16_t first = line[0].unicode();
    return first >= u'A' && first <= u'D' ? first - u'A' + 1 : 0;
}

} // namespace

ReadOutcome ReadQuestions(platform::TextStream &stream, QuestionBank &bank, qint16 &QuestionCount,
                          const std::function<void(qint16)> &onHeader)
{
    // Lines come in pieces, so that a line of any length costs no memory beyond what the bank keeps of it.
    const auto restOfLine = [&stream](const auto &take) {
        while (!stream.AtEndOfLine())
            take(stream.ReadLinePiece());
    };
    const auto skipRestOfLine = [&] { restOfLine([](QStringView) {}); };
    while (!stream.AtEndOfStream()) {
        // A view into the stream's buffer, the whole line or enough of it to tell its kind: only an answer takes
        // a string of its own.
        QStringView line = stream.ReadLinePiece();
        // Only a line that begins with "В" can be a header or dropped: one character spares most comparisons.
        const bool ve = !line.isEmpty() && line.front() == HeaderMarker.front();
        if (ve && line.startsWith(HeaderMarker)) {
            if (QuestionCount >= QuestionBank::QuestionCapacity)
                return ReadOutcome{.cut = true};
            skipRestOfLine();
            ++QuestionCount;
            if (onHeader)
                onHeader(QuestionCount);
        } else if (const int answer = AnswerOf(line)) {
            QString text = line.toString();
            if (!stream.AtEndOfLine())
                platform::ReserveLargeText(text, text.size() + stream.CharactersLeft());
            restOfLine([&text](QStringView more) { text.append(more); });
            if (text.endsWith(u'*')) {
                bank.ReplaceField(QuestionCount, 5, AnswerNumber(answer));
                text.chop(1);
            }
            bank.ReplaceField(QuestionCount, answer, std::move(text));
        } else if (!ve || !line.startsWith(DroppedMarker)) {
            bank.AppendQuestionLine(QuestionCount, line);
            restOfLine([&](QStringView more) {
                bank.ContinueQuestionLine(QuestionCount, more, more.size() + stream.CharactersLeft());
            });
        } else {
            skipRestOfLine();
        }
    }
    return ReadOutcome{};
}
