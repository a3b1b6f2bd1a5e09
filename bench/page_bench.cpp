// SPDX-FileCopyrightText: 2026 The Tavrelo developers
// SPDX-License-Identifier: MIT
// What the page of a quiz costs beside the plain check of its file: 1000 questions with 2 KB of text each, in
// Windows-1251 and in UTF-8, and one line of 50 MB. The goals: the page at most 3 times the file's size and written
// in at most 1.5 times the plain check's time (BM_CheckWithPage less BM_PlainCheck, against BM_PlainCheck); for the
// 50 MB line, a page of at most 5 MB. BM_CheckHandingOverSections tells the quiz model's share of the page's time.
#include "check/page/quiz_pages.h"
#include "check/rules/check_file.h"
#include "tests/support/encoded_text.h"
#include "tests/support/question_file.h"

#include <QFileInfo>

#include <benchmark/benchmark.h>

#include <random>

using namespace Qt::StringLiterals;

namespace {

enum class Quiz { Windows1251, Utf8, OneLongLine };

// 1000 questions, each with about 2 KB of Russian text in lines of 60 to 160 characters, and four short answers,
// one marked.
QString longQuestions()
{
    const QStringList words = u"какой год основания города Москвы считается общепринятым в исторической науке и "
                              u"почему летописи называют именно эту дату столицей государства князь реки берега "
                              u"крепость стены башни торговые пути между севером и югом событие войско битва"_s.split(
                                  u' ');
    std::mt19937 random(29);
    const auto word = [&] { return words.at(std::uniform_int_distribution<qsizetype>(0, words.size() - 1)(random)); };
    QString text;
    for (int n = 1; n <= 1000; ++n) {
        text += u"Вес вопроса: 1\r\n"_s;
        for (qsizetype written = 0; written < 2048;) {
            const int length = std::uniform_int_distribution<int>(60, 160)(random);
            QString line = word();
            while (line.size() < length)
                line += u' ' + word();
            written += line.size() + 2;
            text += line + u"\r\n"_s;
        }
        const int right = std::uniform_int_distribution<int>(0, 3)(random);
        for (int answer = 0; answer < 4; ++answer)
            text += QChar(u'A' + answer) + u") "_s + word() + (answer == right ? u"*\r\n"_s : u"\r\n"_s);
        text += u"\r\n"_s;
    }
    return text;
}

QByteArray quizFile(Quiz quiz)
{
    switch (quiz) {
    case Quiz::Windows1251: return support::encodeText(longQuestions(), platform::TextEncoding::Windows1251);
    case Quiz::Utf8: return support::encodeText(longQuestions(), platform::TextEncoding::Utf8);
    case Quiz::OneLongLine: break;
    }
    const QByteArray words = support::encodeText(u"основания города Москвы в исторической науке "_s,
                                                 platform::TextEncoding::Utf8);
    return words.repeated(50 * (1 << 20) / words.size());
}

struct Bench {
    support::TestFolder folder;
    QString file;
    qint64 fileSize = 0;

    explicit Bench(benchmark::State &state)
    {
        const QByteArray bytes = quizFile(Quiz(state.range(0)));
        file = folder.write(u"data.txt"_s, bytes);
        fileSize = bytes.size();
        state.counters["file_MB"] = double(fileSize) / (1 << 20);
    }
};

const PrintLine Nothing = [](const QString &) {};

void BM_PlainCheck(benchmark::State &state)
{
    const Bench bench(state);
    for (auto _ : state)
        benchmark::DoNotOptimize(checkFile(bench.file, Nothing));
}

// The check that hands over its quiz, section by section, to nobody: what the page costs beyond its own writing.
void BM_CheckHandingOverSections(benchmark::State &state)
{
    const Bench bench(state);
    for (auto _ : state)
        benchmark::DoNotOptimize(checkFile(bench.file, Nothing, [](const QuizSection &) {}));
}

// The page, and with range(1) variants for a class in place of the file's order.
void BM_CheckWithPage(benchmark::State &state)
{
    const Bench bench(state);
    const QString page = bench.folder.filePath(u"data.html"_s);
    for (auto _ : state) {
        QuizPages pages(page, false, {bench.file}, int(state.range(1)));
        benchmark::DoNotOptimize(pages.check(bench.file, Nothing));
    }
    state.counters["page_to_file"] = double(QFileInfo(page).size()) / double(bench.fileSize);
    state.counters["page_MB"] = double(QFileInfo(page).size()) / (1 << 20);
}

// Arg: the quiz, 0 for 1000 questions in Windows-1251, 1 for the same in UTF-8, 2 for one line of 50 MB.
BENCHMARK(BM_PlainCheck)->DenseRange(0, 2)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_CheckHandingOverSections)->DenseRange(0, 2)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_CheckWithPage)->ArgsProduct({{0, 1, 2}, {0}})->Args({0, 10})->Unit(benchmark::kMillisecond);

} // namespace

BENCHMARK_MAIN();
