// SPDX-FileCopyrightText: 2026 The Tavrelo developers
// SPDX-License-Identifier: MIT
//
// Feeds arbitrary bytes to the GIFT reader and takes every question it finds playable through the converter's whole
// way: into Tavrelo's question file, back out of it as Tavrelo plays the quiz, into GIFT and Aiken, and back in.
// Aborts when the reader gives a line break inside a line or a line the file does not have, when Tavrelo would read
// the copy otherwise than the source meant (a mend missing), or when GIFT or Aiken written from the quiz reads back
// as another quiz; then converts the bytes into each format by the converter's whole way, reading them as whatever
// format they show.
#include "check/convert/aiken_reader.h"
#include "check/convert/aiken_writer.h"
#include "check/convert/convert_file.h"
#include "check/convert/copy_check.h"
#include "check/convert/gift_reader.h"
#include "check/convert/gift_writer.h"
#include "check/convert/playable.h"
#include "check/convert/tavrelo_writer.h"
#include "tests/support/buffer_stream.h"

#include <QBuffer>
#include <QStringDecoder>

#include <cstdint>
#include <cstdio>
#include <cstdlib>

using namespace Qt::StringLiterals;

namespace {

void require(bool condition, const char *what)
{
    if (!condition) {
        std::fprintf(stderr, "violated: %s\n", what);
        std::abort();
    }
}

bool oneLine(const QString &text)
{
    return !text.contains(u'\n') && !text.contains(u'\r');
}

void requireSame(const SourceQuestion &question, const PlayedQuestion &played, const char *what)
{
    QStringList text;
    for (const SourceLine &line : question.text)
        text << line.text;
    QStringList answers;
    int right = -1;
    for (const SourceAnswer &answer : question.answers) {
        if (answer.right)
            right = int(answers.size());
        answers << answer.text;
    }
    require(text == played.text && answers == played.answers && right == played.right, what);
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    support::BufferStream source(QByteArray(reinterpret_cast<const char *>(data), qsizetype(size)));
    QStringList lines;
    while (!source.stream().AtEndOfStream())
        lines << source.stream().ReadLine();

    const SourceQuiz quiz = readGift(linesOf(lines));
    std::vector<const SourceQuestion *> playable;
    for (const SourceQuestion &question : quiz.questions) {
        require(question.line >= 1 && question.line <= lines.size(), "a question begins at a line of the file");
        for (const SourceLine &line : question.text)
            require(oneLine(line.text) && line.line >= 1 && line.line <= lines.size(), "text lines are lines");
        for (const SourceAnswer &answer : question.answers)
            require(oneLine(answer.text) && answer.line >= 1 && answer.line <= lines.size(), "answers are lines");
        if (!leftOutNote(question))
            playable.push_back(&question);
    }
    for (const Finding &note : quiz.notes)
        require(note.line >= 1 && note.line <= lines.size() && oneLine(note.text), "notes stand at lines");

    const TavreloCopy copy = writeTavrelo({}, playable);
    const CopyCheck check = checkCopy(copy);
    require(!check.firstMisread, "Tavrelo reads the copy as written");
    std::vector<Finding> notes;
    std::vector<PlayedQuestion> played;
    for (size_t i = 0; i < check.questions.size(); ++i) {
        std::optional<PlayedQuestion> question = playedQuestion(check.questions[i], notes);
        require(question.has_value(), "every question written is played");
        requireSame(*copy.questions[i].source, *question, "Tavrelo plays the question the source meant");
        played.push_back(std::move(*question));
    }

    const QStringList giftLines = writeGift(played, notes).split(u'\n');
    const SourceQuiz gift = readGift(linesOf(giftLines));
    require(gift.questions.size() == played.size() && gift.unreadable == 0, "GIFT reads back question for question");
    for (size_t i = 0; i < played.size(); ++i) {
        require(!leftOutNote(gift.questions[i]), "GIFT reads back as multiple choice with one right answer");
        requireSame(gift.questions[i], played[i], "GIFT reads back the same question");
    }

    QString aiken;
    const qsizetype written = writeAiken(played, aiken, notes);
    const QStringList aikenLines = aiken.split(u'\n');
    const SourceQuiz aikenBack = readAiken(linesOf(aikenLines));
    require(qsizetype(aikenBack.questions.size()) == written && aikenBack.unreadable == 0,
            "Aiken reads back question for question");

    // The whole conversion, whatever format the bytes turn out to be in, into each format.
    for (const QuizFormat to : {QuizFormat::Tavrelo, QuizFormat::Gift, QuizFormat::Aiken}) {
        QBuffer input;
        input.setData(reinterpret_cast<const char *>(data), qsizetype(size));
        input.open(QIODevice::ReadOnly);
        const Conversion conversion = convertQuiz(input, QString(), to, [](const QString &line) {
            require(oneLine(line), "a note is one line");
        });
        // A U+FEFF that the quiz's text begins with is kept; the file's own byte-order mark is its writer's.
        QStringDecoder utf8(QStringDecoder::Utf8,
                            QStringDecoder::Flag::Stateless | QStringDecoder::Flag::ConvertInitialBom);
        const QString text = utf8.decode(conversion.output);
        require(text.size() <= conversion.output.size() && !utf8.hasError(), "output in UTF-8");
    }
    return 0;
}
