// SPDX-FileCopyrightText: 2026 The Tavrelo developers
// SPDX-License-Identifier: MIT
//
// Feeds arbitrary bytes through the line reader and the question reader and aborts when the bank breaks one of
// the promises its readers rely on, when the lines or their ends differ from a plain reference split of the whole
// input decoded at once, when the
// question file checker counts other questions, answers or marks than the reader files, or when a question beyond
// the bank's capacity is filed.
#include "bank/question_bank.h"
#include "bank/question_reader.h"
#include "check/rules/check_file.h"
#include "check/rules/finding_log.h"
#include "check/rules/quiz_builder.h"
#include "platform/core/text_file.h"
#include "tests/support/bank_contents.h"
#include "tests/support/buffer_stream.h"
#include "tests/support/reference_text.h"

#include <QStringList>

#include <algorithm>
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

// The lines as the format defines them, found over the whole input at once; ends gets each one's terminator.
QStringList referenceLines(QByteArrayView bytes, QList<platform::LineEnd> *ends = nullptr)
{
    const QString text = support::referenceText(bytes);
    QStringList lines;
    qsizetype start = 0;
    for (qsizetype i = 0; i < text.size(); ++i) {
        if (text[i] != u'\r' && text[i] != u'\n')
            continue;
        lines << text.mid(start, i - start);
        platform::LineEnd end = text[i] == u'\n' ? platform::LineEnd::Lf : platform::LineEnd::Cr;
        if (text[i] == u'\r' && i + 1 < text.size() && text[i + 1] == u'\n') {
            end = platform::LineEnd::CrLf;
            ++i;
        }
        if (ends)
            *ends << end;
        start = i + 1;
    }
    if (start < text.size()) {
        lines << text.mid(start);
        if (ends)
            *ends << platform::LineEnd::None;
    }
    return lines;
}

QStringList streamLines(const QByteArray &bytes, qsizetype chunkSize, QList<platform::LineEnd> &ends)
{
    support::BufferStream source(bytes, chunkSize);
    platform::TextStream &stream = source.stream();
    QStringList lines;
    while (!stream.AtEndOfStream()) {
        lines << stream.ReadLine();
        ends << stream.lastLineEnd();
    }
    return lines;
}

void checkBank(const QuestionBank &bank, qint16 questionCount, const QList<qint16> &headers, bool cut)
{
    require(questionCount >= 0 && questionCount <= QuestionBank::QuestionCapacity, "0 <= QuestionCount <= 1000");
    require(!cut || questionCount == QuestionBank::QuestionCapacity, "a cut file fills the bank");
    require(headers.size() == questionCount, "one progress call per question");
    for (qsizetype i = 0; i < headers.size(); ++i)
        require(headers[i] == i + 1, "progress calls count 1..n");

    for (int slot = 0; slot < QuestionBank::SlotCount; ++slot) {
        if (slot > questionCount) {
            for (int field = 0; field < QuestionBank::FieldCount; ++field)
                require(bank.Field(slot, field).isEmpty(), "slots above QuestionCount are empty");
            continue;
        }
        const QString &text = bank.Field(slot, 0);
        require(text.isEmpty() || text.startsWith(u"\r\n"), "question text begins with CR LF");
        for (int answer = 1; answer <= 4; ++answer) {
            const QString &field = bank.Field(slot, answer);
            const QChar marker[2] = {QChar(u'A' + answer - 1), QChar(u')')};
            require(field.isEmpty() || field.startsWith(QStringView(marker, 2)), "answer k begins with its marker");
        }
        const QString &right = bank.Field(slot, 5);
        if (!right.isEmpty()) {
            require(right.size() == 1 && right[0] >= u'1' && right[0] <= u'4', "field 5 is 1..4");
            require(!bank.Field(slot, right[0].unicode() - u'0').isEmpty(), "field 5 names a stored answer");
        }
    }
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    // The first byte picks a chunk size, small ones most of the time, so that every kind of line end meets
    // every chunk boundary.
    qsizetype chunkSize = platform::TextStream::DefaultChunkSize;
    if (size > 0) {
        if (data[0] < 0xF0)
            chunkSize = 1 + data[0] % 16;
        ++data;
        --size;
    }
    const QByteArray bytes(reinterpret_cast<const char *>(data), qsizetype(size));

    QList<platform::LineEnd> ends;
    const QStringList reference = referenceLines(bytes, &ends);
    for (const qsizetype chunk : {chunkSize, platform::TextStream::DefaultChunkSize}) {
        QList<platform::LineEnd> streamEnds;
        require(streamLines(bytes, chunk, streamEnds) == reference, "lines match the reference split");
        require(streamEnds == ends, "each line's end is told as it stands");
    }

    // Read in pieces of a few characters and in whole lines, the bank comes out the same.
    const auto load = [&bytes](qsizetype chunk, QuestionBank &bank, qint16 &questionCount, QList<qint16> &headers) {
        support::BufferStream source(bytes, chunk);
        return readQuestions(source.stream(), bank, questionCount, [&](qint16 n) { headers << n; }).cut;
    };
    QuestionBank bank;
    qint16 questionCount = 0;
    QList<qint16> headers;
    const bool cut = load(chunkSize, bank, questionCount, headers);
    checkBank(bank, questionCount, headers, cut);
    const auto requireSameBank = [&](const QuestionBank &other, const char *rule) {
        for (int slot = 0; slot <= questionCount; ++slot) {
            for (int field = 0; field < QuestionBank::FieldCount; ++field)
                require(other.Field(slot, field) == bank.Field(slot, field), rule);
        }
    };

    QuestionBank whole;
    qint16 wholeCount = 0;
    QList<qint16> wholeHeaders;
    require(load(platform::TextStream::DefaultChunkSize, whole, wholeCount, wholeHeaders) == cut
                && wholeCount == questionCount,
            "the same questions in pieces and whole");
    requireSameBank(whole, "the same fields in pieces and whole");

    const qsizetype headerLines = std::count_if(reference.begin(), reference.end(),
                                                [](const QString &line) { return line.startsWith(u"Вес вопроса:"); });
    require(questionCount == qMin<qsizetype>(headerLines, QuestionBank::QuestionCapacity)
                && cut == (headerLines > QuestionBank::QuestionCapacity),
            "every header up to the bank's capacity is filed, and none beyond it");

    // The checker classifies lines by the reader's own rule, reading them whole: it must count what was filed, and
    // the quiz it gathers for pages and conversions must hold what the bank holds, every line and finding in place.
    support::BufferStream checked(bytes, chunkSize);
    qint16 sections = 0;
    qint64 nextLine = 1;
    qint64 made = 0, placed = 0;
    QuizBuilder builder([&](const QuizSection &section) {
        const int slot = section.kind == SectionKind::BeforeFirstQuestion ? 0 : section.number;
        require(section.kind != SectionKind::NotLoaded || (cut && slot == questionCount + 1),
                "only question 1001 is not loaded");
        require(slot == 0 || section.kind == SectionKind::NotLoaded || slot == ++sections, "questions in order");
        if (section.kind != SectionKind::NotLoaded) {
            require(section.text == bank.Field(slot, 0), "the model's text is the bank's");
            for (int answer = 1; answer <= 4; ++answer)
                require(section.answers[answer - 1] == bank.Field(slot, answer), "the model's answers are the bank's");
            require(QString(section.rightAnswer ? QString::number(section.rightAnswer) : QString())
                        == bank.Field(slot, 5),
                    "the model's right answer is the bank's");
        }
        for (const QuizLine &line : section.lines) {
            require(line.number == nextLine++, "every line once, in order");
            require(reference.value(line.number - 1).startsWith(line.text)
                        && line.length == reference.value(line.number - 1).size(),
                    "a line as read");
            for (const Finding &finding : line.findings)
                require(finding.line == line.number, "a finding beside its line");
            placed += qint64(line.findings.size());
        }
        nextLine += section.linesLeftOut;
        placed += qint64(section.findings.size()) + section.findingsLeftOut;
    });
    FindingLog log([&](const Finding &finding) {
        ++made;
        builder.takeFinding(finding);
    });
    const CheckCounts counts = checkStream(checked.stream(), log, &builder);
    require(cut || nextLine == reference.size() + 1, "every line in a section");
    require(placed == made, "every finding in a section");
    const support::LoadedCounts loaded = support::countLoaded(bank, questionCount);
    require(counts.questions == questionCount && counts.answers == loaded.answers
                && counts.markedQuestions == loaded.marked,
            "the checker counts what the reader files");
    return 0;
}
