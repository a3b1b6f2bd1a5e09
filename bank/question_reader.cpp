// SPDX-FileCopyrightText: 2026 The Tavrelo developers
// SPDX-License-Identifier: MIT
#include "bank/question_reader.h"

#include "bank/question_bank.h"
#include "platform/core/large_text.h"
#include "platform/core/text_file.h"

#include <QString>
#include <QStringView>

#include <type_traits>

using namespace Qt::StringLiterals;

namespace {

constexpr QStringView HeaderMarker = u"Вес вопроса:";
constexpr QStringView DroppedMarker = u"Ве";

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

// 1..4 for a line beginning with the Latin "A)".."D)", else 0.
int answerOf(QStringView line)
{
    if (line.size() < 2 || line[1] != u')')
        return 0;
    const char16_t first = line[0].unicode();
    return first >= u'A' && first <= u'D' ? first - u'A' + 1 : 0;
}

// The program's own reading tells nobody; the compiler drops every step that only a listener needs.
struct NoListener {};

template<class Listener>
ReadOutcome Read(platform::TextStream &stream, QuestionBank &bank, qint16 &QuestionCount,
                 const std::function<void(qint16)> &onHeader, Listener &listener)
{
    constexpr bool listening = !std::is_same_v<Listener, NoListener>;
    [[maybe_unused]] qint64 number = 0;
    [[maybe_unused]] QString wholeLine; // a line of several pieces, gathered for the listener
    [[maybe_unused]] LineReport report;

    // Lines come in pieces, so that a line of any length costs no memory beyond what the bank keeps of it. The
    // first piece, which tells the line's class, has been read; this takes the rest, handing each piece on.
    const auto restOfLine = [&](QStringView first, const auto &take) {
        if constexpr (listening) {
            report.text = first;
            if (!stream.atEndOfLine())
                wholeLine = first.toString();
        }
        [[maybe_unused]] const bool several = !stream.atEndOfLine();
        while (!stream.atEndOfLine()) {
            const QStringView more = stream.readLinePiece();
            if constexpr (listening)
                wholeLine.append(more);
            take(more);
        }
        if constexpr (listening) {
            if (several)
                report.text = wholeLine;
            report.end = stream.lastLineEnd();
        }
    };
    const auto skipRestOfLine = [&](QStringView first) { restOfLine(first, [](QStringView) {}); };

    while (!stream.AtEndOfStream()) {
        // A view into the stream's buffer, the whole line or enough of it to tell its kind: only an answer takes
        // a string of its own.
        const QStringView line = stream.readLinePiece();
        if constexpr (listening)
            report = LineReport{.number = ++number};
        // Only a line that begins with "В" can be a header or dropped: one character spares most comparisons.
        const bool ve = !line.isEmpty() && line.front() == HeaderMarker.front();
        if (ve && line.startsWith(HeaderMarker)) {
            if (QuestionCount >= QuestionBank::QuestionCapacity) {
                if constexpr (listening) {
                    skipRestOfLine(line);
                    report.use = LineUse::NotRead;
                    report.question = QuestionCount;
                    listener.lineRead(report);
                }
                return ReadOutcome{.cut = true};
            }
            skipRestOfLine(line);
            ++QuestionCount;
            if (onHeader)
                onHeader(QuestionCount);
            if constexpr (listening)
                report.use = LineUse::Header;
        } else if (const int answer = answerOf(line)) {
            QString text = line.toString();
            if (!stream.atEndOfLine())
                platform::reserveLargeText(text, text.size() + stream.charactersLeft());
            restOfLine(line, [&text](QStringView more) { text.append(more); });
            if constexpr (listening) {
                report.use = LineUse::Answer;
                report.answer = qint8(answer);
                report.replacedAnswer = !bank.Field(QuestionCount, answer).isEmpty();
            }
            if (text.endsWith(u'*')) {
                if constexpr (listening) {
                    report.marked = true;
                    report.replacedMark = !bank.Field(QuestionCount, 5).isEmpty();
                }
                bank.ReplaceField(QuestionCount, 5, answerNumber(answer));
                text.chop(1);
            }
            bank.ReplaceField(QuestionCount, answer, std::move(text));
        } else if (!ve || !line.startsWith(DroppedMarker)) {
            bank.AppendQuestionLine(QuestionCount, line);
            restOfLine(line, [&](QStringView more) {
                bank.continueQuestionLine(QuestionCount, more, more.size() + stream.charactersLeft());
            });
        } else {
            skipRestOfLine(line);
            if constexpr (listening)
                report.use = LineUse::Dropped;
        }
        if constexpr (listening) {
            report.question = QuestionCount;
            listener.lineRead(report);
        }
    }
    return ReadOutcome{};
}

} // namespace

ReadOutcome readQuestions(platform::TextStream &stream, QuestionBank &bank, qint16 &QuestionCount,
                          const std::function<void(qint16)> &onHeader)
{
    NoListener none;
    return Read(stream, bank, QuestionCount, onHeader, none);
}

ReadOutcome readQuestions(platform::TextStream &stream, QuestionBank &bank, qint16 &QuestionCount,
                          const std::function<void(qint16)> &onHeader, ReadListener &listener)
{
    return Read(stream, bank, QuestionCount, onHeader, listener);
}
