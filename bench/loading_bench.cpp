// SPDX-FileCopyrightText: 2026 The Tavrelo developers
// SPDX-License-Identifier: MIT
#include "bank/question_bank.h"
#include "bank/question_reader.h"
#include "bench/window_benchmark_main.h"
#include "loading/loading_window.h"
#include "platform/core/text_file.h"
#include "platform/forms/form.h"
#include "quiz/main_window.h"
#include "tests/support/deferred_delete.h"
#include "tests/support/main_window_probe.h"
#include "tests/support/question_file.h"
#include "tests/support/windows1251.h"

#include <QApplication>
#include <QFile>

#include <benchmark/benchmark.h>

#include <memory>

using namespace Qt::StringLiterals;
using platform::Forms;

namespace {

constexpr int Questions = 1000;

// The largest file the program takes whole: 1000 questions of `lines` long lines each and four long answers.
QByteArray largestFile(int lines)
{
    const QString sentence = u"Какое из перечисленных утверждений о строении и свойствах вещества верно для "
                             u"всех агрегатных состояний при нормальном давлении и комнатной температуре? "_s;
    QString text;
    for (int n = 1; n <= Questions; ++n) {
        text += u"Вес вопроса: %1\r\n"_s.arg(n % 5 + 1);
        for (int line = 0; line < lines; ++line)
            text += u"%1.%2 "_s.arg(n).arg(line) + sentence + u"\r\n"_s;
        for (int answer = 0; answer < 4; ++answer)
            text += QChar(u'A' + answer) + u") "_s + sentence.left(90) + (answer == n % 4 ? u"*"_s : QString())
                  + u"\r\n"_s;
        text += u"\r\n"_s;
    }
    return support::toWindows1251(text);
}

// The loader reads data.txt from the program's folder; each benchmark writes it before its first run.
void writeDataFile(benchmark::State &state)
{
    const QByteArray bytes = largestFile(static_cast<int>(state.range(0)));
    support::writeDataFileBytes(bytes);
    state.counters["file_MB"] = static_cast<double>(bytes.size()) / (1 << 20);
}

void settle(benchmark::State &state)
{
    state.PauseTiming();
    support::flushDeferredDeletes();
    QCoreApplication::processEvents();
    state.ResumeTiming();
}

template<class OnHeader> void readFile(benchmark::State &state, OnHeader &&onHeader)
{
    state.PauseTiming(); // the bank lives as long as the main window, not the read
    auto bank = std::make_unique<QuestionBank>();
    state.ResumeTiming();
    const auto stream = platform::OpenTextFile(support::dataFilePath());
    qint16 count = 0;
    readQuestions(*stream, *bank, count, onHeader);
    stream->Close();
    state.PauseTiming();
    bank.reset();
    state.ResumeTiming();
    if (count != Questions)
        state.SkipWithError("the file did not load whole");
}

void BM_ReaderAlone(benchmark::State &state)
{
    writeDataFile(state);
    for (auto _ : state)
        readFile(state, [](qint16 n) { benchmark::DoNotOptimize(n); });
    state.SetBytesProcessed(state.iterations() * QFile(support::dataFilePath()).size());
}
// The argument of every benchmark: text lines per question.
BENCHMARK(BM_ReaderAlone)->Arg(8)->Arg(40)->Unit(benchmark::kMillisecond);

// The reader with the loading window shown, moved and unloaded, as the loader drives it.
void BM_ReaderWithLoadingWindow(benchmark::State &state)
{
    writeDataFile(state);
    for (auto _ : state) {
        Forms<LoadingWindow>::Show();
        readFile(state, [](qint16 n) { Forms<LoadingWindow>::get().updateProgress(n); });
        Forms<LoadingWindow>::Unload();
        settle(state);
    }
    state.SetBytesProcessed(state.iterations() * QFile(support::dataFilePath()).size());
}
BENCHMARK(BM_ReaderWithLoadingWindow)->Arg(8)->Arg(40)->Unit(benchmark::kMillisecond);

// The main window's whole loader, from disabling the window to enabling it again.
void BM_LoadQuestions(benchmark::State &state)
{
    writeDataFile(state);
    for (auto _ : state) {
        state.PauseTiming();
        auto window = std::make_unique<MainWindow>();
        state.ResumeTiming();
        MainWindowProbe::LoadQuestions(*window);
        state.PauseTiming();
        const bool whole = MainWindowProbe::QuestionCount(*window) == Questions;
        window.reset();
        state.ResumeTiming();
        if (!whole)
            state.SkipWithError("the file did not load whole");
        settle(state);
    }
    state.SetBytesProcessed(state.iterations() * QFile(support::dataFilePath()).size());
}
BENCHMARK(BM_LoadQuestions)->Arg(8)->Arg(40)->Unit(benchmark::kMillisecond);

} // namespace

int main(int argc, char **argv)
{
    return runWindowBenchmarks(argc, argv);
}
