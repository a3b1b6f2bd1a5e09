// SPDX-FileCopyrightText: 2026 The Tavrelo developers
// SPDX-License-Identifier: MIT
#include "bank/question_reader.h"

#include "bank/question_bank.h"
#include "platform/text_file.h"

#include <QString>
#include <QStringView>

#include <type_traits>

using namespace Qt::StringLiterals;

namespace {

constexpr QStringView HeaderMarker = u"Вес вопроса:";
constexpr QStringView DroppedMarker = u"Ве";

// "1".."4" as static data: marking an answer allocates nothing. Inlined, as a call would cost more than it.
Q_ALWAYS_INLINE QString AnswerNumber(int answer)
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

// The program's own reading tells nobody; the compiler drops every step that only a listener needs.
struct NoListener {
};

template<class Listener>
ReadOutcome Read(platform::TextStream &stream, QuestionBank &bank, qint16 &QuestionCount,
                 const std::function<void(qint16)> &onHeader, Listener &listener)
{
    constexpr bool listening = !std::is_same_v<Listener, NoListener>;
    [[maybe_unused]] qint64 number = 0;
    while (!stream.AtEndOfStream()) {
        // A view into the stream's line buffer: only an answer takes a string of its own, at its exact size.
        QStringView line = stream.ReadLineView();
        [[maybe_unused]] LineReport report;
        if constexpr (listening)
            report = LineReport{.number = ++number, .text = line, .end = stream.LastLineEnd()};
        // Only a line that begins with "В" can be a header or dropped: one character spares most comparisons.
        const bool ve = !line.isEmpty() && line.front() == HeaderMarker.front();
        if (ve && line.startsWith(HeaderMarker)) {
            if (QuestionCount >= QuestionBank::QuestionCapacity) {
                if constexpr (listening) {
                    report.use = LineUse::NotRead;
                    report.question = QuestionCount;
                    listener.LineRead(report);
                }
                return ReadOutcome{.cut = true};
            }
            ++QuestionCount;
            if (onHeader)
                onHeader(QuestionCount);
            if constexpr (listening)
                report.use = LineUse::Header;
        } else if (const int answer = AnswerOf(line)) {
            if constexpr (listening) {
                report.use = LineUse::Answer;
                report.answer = qint8(answer);
                report.replacedAnswer = !bank.Field(QuestionCount, answer).isEmpty();
            }
            if (line.endsWith(u'*')) {
                if constexpr (listening) {
                    report.marked = true;
                    report.replacedMark = !bank.Field(QuestionCount, 5).isEmpty();
                }
                bank.ReplaceField(QuestionCount, 5, AnswerNumber(answer));
                line.chop(1);
            }
            bank.ReplaceField(QuestionCount, answer, line.toString());
        } else if (!ve || !line.startsWith(DroppedMarker)) {
            bank.AppendQuestionLine(QuestionCount, line);
        } else if constexpr (listening) {
            report.use = LineUse::Dropped;
        }
        if constexpr (listening) {
            report.question = QuestionCount;
            listener.LineRead(report);
        }
    }
    return ReadOutcome{};
}

} // namespace

ReadOutcome ReadQuestions(platform::TextStream &stream, QuestionBank &bank, qint16 &QuestionCount,
                          const std::function<void(qint16)> &onHeader)
{
    NoListener none;
    return Read(stream, bank, QuestionCount, onHeader, none);
}

ReadOutcome ReadQuestions(platform::TextStream &stream, QuestionBank &bank, qint16 &QuestionCount,
                          const std::function<void(qint16)> &onHeader, ReadListener &listener)
{
    return Read(stream, bank, QuestionCount, onHeader, listener);
}
