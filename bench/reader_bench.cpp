// SPDX-FileCopyrightText: 2026 The Tavrelo developers
// SPDX-License-Identifier: MIT
#include "bank/question_bank.h"
#include "bank/question_reader.h"
#include "platform/core/text_file.h"
#include "platform/core/windows1251.h"
#include "tests/support/encoded_text.h"
#include "tests/support/question_file.h"

#include <QBuffer>

#include <benchmark/benchmark.h>

#include <memory>
#include <random>
#include <vector>

using namespace Qt::StringLiterals;

namespace {

// A question file as teachers write them: 1000 questions of one to three lines of Russian text, four answers,
// one of them marked, a blank line between questions; CR LF throughout.
const QString &questionText()
{
    static const QString file = [] {
        const QStringList words =
            QStringLiteral(
                "какой год основания города Москвы считается общепринятым в исторической науке и почему летописи "
                "называют именно эту дату столицей государства князь Юрий Долгорукий пригласил союзников на пир "
                "реки берега крепость стены башни торговые пути между севером и югом великое княжество событие "
                "войско битва поле победа договор мир соседние земли народ язык письменность церковь")
                .split(u' ');
        std::mt19937 random(1147);
        const auto phrase = [&](int minWords, int maxWords) {
            const int count = std::uniform_int_distribution<int>(minWords, maxWords)(random);
            QStringList picked;
            for (int i = 0; i < count; ++i)
                picked << words.at(std::uniform_int_distribution<qsizetype>(0, words.size() - 1)(random));
            QString text = picked.join(u' ');
            text[0] = text[0].toUpper();
            return text;
        };
        QString text = u"Тест по истории России\r\n\r\n"_s;
        for (int n = 1; n <= 1000; ++n) {
            text += u"Вес вопроса: "_s + QString::number(n % 5 + 1) + u"\r\n"_s;
            const int lines = std::uniform_int_distribution<int>(1, 3)(random);
            for (int line = 0; line < lines; ++line)
                text += phrase(6, 14) + (line + 1 == lines ? u"?\r\n"_s : u"\r\n"_s);
            const int right = std::uniform_int_distribution<int>(0, 3)(random);
            for (int answer = 0; answer < 4; ++answer) {
                text += QChar(u'A' + answer) + u")"_s + phrase(1, 5) + (answer == right ? u"*"_s : QString())
                      + u"\r\n"_s;
            }
            text += u"\r\n"_s;
        }
        return text;
    }();
    return file;
}

const QByteArray &questionFile(platform::TextEncoding encoding = platform::TextEncoding::Windows1251)
{
    static const QByteArray windows1251 = support::encodeText(questionText(), platform::TextEncoding::Windows1251);
    static const QByteArray utf8 = support::encodeText(questionText(), platform::TextEncoding::Utf8);
    return encoding == platform::TextEncoding::Utf8 ? utf8 : windows1251;
}

void readInto(platform::TextStream &stream, benchmark::State &state)
{
    state.PauseTiming(); // the bank belongs to the window's lifetime, not to the read
    auto bank = std::make_unique<QuestionBank>();
    state.ResumeTiming();
    qint16 questionCount = 0;
    qint16 headers = 0;
    readQuestions(stream, *bank, questionCount, [&](qint16 n) { headers = n; });
    benchmark::DoNotOptimize(headers);
    state.PauseTiming();
    bank.reset();
    state.ResumeTiming();
    if (questionCount != 1000)
        state.SkipWithError("the file did not load whole");
}

// Arg 0: the file in Windows-1251; 1: the same in UTF-8 (twice the bytes for its Cyrillic letters).
void BM_ReadQuestionsFromMemory(benchmark::State &state)
{
    const QByteArray &file = questionFile(state.range(0) ? platform::TextEncoding::Utf8
                                                         : platform::TextEncoding::Windows1251);
    QBuffer buffer;
    buffer.setData(file);
    buffer.open(QIODevice::ReadOnly);
    for (auto _ : state) {
        buffer.seek(0);
        platform::TextStream stream(buffer);
        readInto(stream, state);
    }
    state.SetBytesProcessed(state.iterations() * file.size());
}
BENCHMARK(BM_ReadQuestionsFromMemory)->ArgName("utf8")->Arg(0)->Arg(1)->Unit(benchmark::kMicrosecond);

void BM_ReadQuestionsFromFile(benchmark::State &state)
{
    const support::TestFolder folder;
    const QString path = folder.write(u"data.txt"_s, questionFile());
    for (auto _ : state) {
        const auto stream = platform::OpenTextFile(path);
        readInto(*stream, state);
        stream->Close();
    }
    state.SetBytesProcessed(state.iterations() * questionFile().size());
}
BENCHMARK(BM_ReadQuestionsFromFile)->Unit(benchmark::kMicrosecond);

// Finds every line of the bytes and hands it to `take` decoded: what any line reader does, with nothing kept.
template<class Take> void splitAndDecode(const QByteArray &bytes, Take &&take)
{
    const char *data = bytes.constData();
    const qsizetype size = bytes.size();
    qsizetype start = 0;
    while (start < size) {
        qsizetype end = start;
        while (end < size && data[end] != '\r' && data[end] != '\n')
            ++end;
        take(QByteArrayView(data + start, end - start));
        start = end + (end + 1 < size && data[end] == '\r' && data[end + 1] == '\n' ? 2 : 1);
    }
}

// The floor: every line decoded into a string of its own, as a line-by-line reading interface returns it.
void BM_FloorDecodeAndSplit(benchmark::State &state)
{
    for (auto _ : state) {
        splitAndDecode(questionFile(), [](QByteArrayView bytes) {
            const QString line = platform::decodeWindows1251(bytes);
            benchmark::DoNotOptimize(line.constData());
        });
    }
    state.SetBytesProcessed(state.iterations() * questionFile().size());
}
BENCHMARK(BM_FloorDecodeAndSplit)->Unit(benchmark::kMicrosecond);

// Below the floor: every line decoded into one reused buffer, allocating nothing at all.
void BM_FloorDecodeAndSplitReusing(benchmark::State &state)
{
    std::vector<char16_t> line(size_t(questionFile().size()));
    for (auto _ : state) {
        splitAndDecode(questionFile(), [&](QByteArrayView bytes) {
            platform::decodeWindows1251(bytes, line.data());
            benchmark::DoNotOptimize(line.data());
            benchmark::ClobberMemory();
        });
    }
    state.SetBytesProcessed(state.iterations() * questionFile().size());
}
BENCHMARK(BM_FloorDecodeAndSplitReusing)->Unit(benchmark::kMicrosecond);

} // namespace

BENCHMARK_MAIN();
