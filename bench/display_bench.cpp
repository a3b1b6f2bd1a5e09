// SPDX-FileCopyrightText: 2026 The Tavrelo developers
// SPDX-License-Identifier: MIT
// What a question costs on screen, by the size of its text: from the start of the main window's load to its
// first paint, and for a resize of the window afterwards. The goal: a question of one line of 50 MB, with or
// without spaces, within 1.5 times the first paint of an ordinary file, and a resize within 50 ms.
#include "bench/window_benchmark_main.h"
#include "platform/forms/form.h"
#include "quiz/main_window.h"
#include "tests/support/deferred_delete.h"
#include "tests/support/question_file.h"
#include "tests/support/windows1251.h"

#include <QApplication>

#include <benchmark/benchmark.h>

using namespace Qt::StringLiterals;
using platform::Forms;

namespace {

enum class Text { Ordinary, Words, NoSpace };

// 1000 questions of one line each; question 1 is one line of `megabytes` MB of Russian words or of letters
// without a space, or an ordinary line.
QByteArray questionFile(Text kind, int megabytes)
{
    const QString ordinary = u"В каком году основана Москва и почему летописи называют именно эту дату?"_s;
    QString first = ordinary;
    if (kind != Text::Ordinary) {
        const QString unit = kind == Text::Words ? u"основания города Москвы в исторической науке "_s
                                                 : u"абвгдежзийклмнопрстуфхцчшщъыьэюя"_s;
        first = unit.repeated(megabytes * (1 << 20) / unit.size());
    }
    QString text;
    for (int n = 1; n <= 1000; ++n) {
        text += u"Вес вопроса: 1\r\n"_s + (n == 1 ? first : ordinary) + u"\r\n"_s;
        text += u"A) первый*\r\nB) второй\r\nC) третий\r\nD) четвёртый\r\n"_s;
    }
    return support::toWindows1251(text);
}

void writeDataFile(benchmark::State &state)
{
    const QByteArray bytes = questionFile(static_cast<Text>(state.range(0)), static_cast<int>(state.range(1)));
    support::writeDataFileBytes(bytes);
    state.counters["file_MB"] = static_cast<double>(bytes.size()) / (1 << 20);
}

// Paints the whole window now, as the first expose of a window on screen does.
void paint(QWidget &window)
{
    benchmark::DoNotOptimize(window.grab());
}

void discard(benchmark::State &state)
{
    state.PauseTiming();
    Forms<MainWindow>::Unload();
    support::flushDeferredDeletes();
    QCoreApplication::processEvents();
    state.ResumeTiming();
}

void BM_FirstPaint(benchmark::State &state)
{
    writeDataFile(state);
    for (auto _ : state) {
        Forms<MainWindow>::Show();
        paint(Forms<MainWindow>::get());
        discard(state);
    }
}

// Text kind and megabytes of question 1.
BENCHMARK(BM_FirstPaint)
    ->Args({static_cast<int>(Text::Ordinary), 0})
    ->Args({static_cast<int>(Text::Words), 5})
    ->Args({static_cast<int>(Text::NoSpace), 5})
    ->Args({static_cast<int>(Text::Words), 50})
    ->Args({static_cast<int>(Text::NoSpace), 50})
    ->Unit(benchmark::kMillisecond);

// Dragging the border: every step lays the window out for its new size and paints it.
void BM_Resize(benchmark::State &state)
{
    writeDataFile(state);
    Forms<MainWindow>::Show();
    MainWindow &window = Forms<MainWindow>::get();
    paint(window);
    int step = 0;
    for (auto _ : state) {
        step = (step + 1) % 40;
        window.resize(721 + 12 * step, 584 + 9 * step);
        paint(window);
    }
    Forms<MainWindow>::Unload();
    support::flushDeferredDeletes();
}

BENCHMARK(BM_Resize)
    ->Args({static_cast<int>(Text::Ordinary), 0})
    ->Args({static_cast<int>(Text::Words), 50})
    ->Args({static_cast<int>(Text::NoSpace), 50})
    ->Unit(benchmark::kMillisecond);

} // namespace

int main(int argc, char **argv)
{
    return runWindowBenchmarks(argc, argv);
}
