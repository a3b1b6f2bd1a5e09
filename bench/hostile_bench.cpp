// SPDX-FileCopyrightText: 2026 The Tavrelo developers
// SPDX-License-Identifier: MIT
// The shapes of file that cost the checker most, each beside an ordinary file measured in the same run: for the
// converter, a GIFT bank of 2000 questions; for the plain check and the page, a quiz of 1000 questions. The first
// argument is the shape, 0 for the ordinary file; the second the scale, 2 for the shape twice over, whose time and
// memory must grow no faster than the file.
//
// Counters: file_KB; peak_MB, the resident memory one run adds (measured in a child process); and beside a hostile
// file, time_to_aim and memory_to_aim, its best time and its peak over what the ordinary file allows it: 5 times the
// ordinary time and 0.25 s, 2 times the ordinary peak and 10 times the hostile file's size. At most 1 meets the aim.
#include "check/convert/convert_file.h"
#include "check/page/quiz_pages.h"
#include "check/rules/check_file.h"
#include "tests/support/question_file.h"

#include <QBuffer>

#include <benchmark/benchmark.h>

#include <algorithm>
#include <chrono>
#include <functional>
#include <map>

#ifdef __linux__
#include <malloc.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cstdio>
#include <cstdlib>
#include <cstring>
#endif

using namespace Qt::StringLiterals;

namespace {

const PrintLine Nothing = [](const QString &) {};

QString repeated(QStringView text, qsizetype times)
{
    return text.toString().repeated(times);
}

// The converter's shapes, GIFT into Tavrelo's file but for the last, Tavrelo's file into GIFT.
enum ConvertShape {
    GiftBank,          // 2000 questions of about 300 bytes, a title and four answers each
    Categories,        // 8000 lines "$CATEGORY: a", then one question
    OpenComments,      // a question text of 100,000 "<!--"
    OpenTags,          // a question text of 100,000 "<a"
    Ampersands,        // a question text of 200,000 "&"
    TavreloOpenTags,   // a Tavrelo text line of 50,000 "<a", into GIFT
    OpenQuotedTags,    // a question text of 70,000 "<a\"" and "'", each quote opening what the next closes
    ShortLinesGift,    // a GIFT question of 100,000 short lines
    ConvertShapeCount, // not a shape
};

QByteArray convertInput(int shape, int scale)
{
    const QString question = u" {=да ~нет}\n"_s;
    switch (ConvertShape(shape)) {
    case GiftBank: {
        QString bank;
        for (int n = 1; n <= 2000 * scale; ++n) {
            bank += u"::Вопрос %1:: Какой из городов назван в вопросе номер %1 столицей области, и почему? Ответ "
                    u"дайте одним словом.{\n\t=Москва %1\n\t~Санкт-Петербург\n\t~Казань\n\t~Новосибирск\n}\n\n"_s.arg(
                        n);
        }
        return bank.toUtf8();
    }
    case Categories: return (repeated(u"$CATEGORY: a\n", 8000 * scale) + u"Вопрос"_s + question).toUtf8();
    case OpenComments: return (repeated(u"<!--", 100000 * scale) + question).toUtf8();
    case OpenTags: return (repeated(u"<a", 100000 * scale) + question).toUtf8();
    case Ampersands: return (repeated(u"&", 200000 * scale) + question).toUtf8();
    case TavreloOpenTags:
        return (u"Вес вопроса: 1\r\n"_s + repeated(u"<a", 50000 * scale) + u"\r\nA) да*\r\nB) нет\r\n"_s).toUtf8();
    case OpenQuotedTags: return (repeated(u"<a\"<b'", 35000 * scale) + question).toUtf8();
    case ShortLinesGift: return (repeated(u"a\n", 100000 * scale) + u"Вопрос"_s + question).toUtf8();
    case ConvertShapeCount: break;
    }
    return {};
}

// The plain check's and the page's shapes, in Tavrelo's layout.
enum CheckShape {
    Quiz,            // 1000 questions of about 400 bytes
    LinesBefore,     // 30,000 short lines before the first header
    ShortLines,      // one question of 100,000 short lines
    FindingsEvery,   // a finding on every line: 66,000 lines "Ве" in one question
    CheckShapeCount, // not a shape
};

QByteArray checkInput(int shape, int scale)
{
    const QString question = u"Вес вопроса: 1\r\nВопрос\r\nA) да*\r\nB) нет\r\n"_s;
    switch (CheckShape(shape)) {
    case Quiz: {
        QString quiz;
        for (int n = 1; n <= 1000 * scale; ++n) {
            quiz += u"Вес вопроса: 1\r\nКакой из городов назван в вопросе номер %1 столицей области, и почему? Ответ "
                    u"дайте одним словом.\r\nA) Москва %1*\r\nB) Санкт-Петербург\r\nC) Казань\r\nD) Новосибирск\r\n"
                    u"\r\n"_s.arg(n);
        }
        return quiz.toUtf8();
    }
    case LinesBefore: return (repeated(u"текст\r\n", 30000 * scale) + question).toUtf8();
    case ShortLines:
        return (u"Вес вопроса: 1\r\n"_s + repeated(u"a\r\n", 100000 * scale) + u"A) да*\r\nB) нет\r\n"_s).toUtf8();
    case FindingsEvery:
        return (u"Вес вопроса: 1\r\nВопрос\r\n"_s + repeated(u"Ве\r\n", 66000 * scale) + u"A) да*\r\nB) нет\r\n"_s)
            .toUtf8();
    case CheckShapeCount: break;
    }
    return {};
}

// The resident memory that one run of the work adds, in bytes, measured in a child process so that nothing the
// benchmark itself holds or has held counts; 0 where this cannot be measured. Code and data of the libraries that
// the run is the first in the child to touch count too: a megabyte or two.
double peakGrowth(const std::function<void()> &work)
{
#ifdef __linux__
    const auto kilobytes = [](const char *field) {
        FILE *status = std::fopen("/proc/self/status", "r");
        long value = 0;
        char line[256];
        const size_t length = std::strlen(field);
        while (status && std::fgets(line, sizeof line, status)) {
            if (std::strncmp(line, field, length) == 0)
                value = std::atol(line + length);
        }
        if (status)
            std::fclose(status);
        return value;
    };
    int pipeEnds[2];
    if (pipe(pipeEnds) != 0)
        return 0;
    const pid_t child = fork();
    if (child == 0) {
        close(pipeEnds[0]);
        malloc_trim(0); // what earlier runs freed would otherwise be reused without growing
        if (FILE *peak = std::fopen("/proc/self/clear_refs", "w")) {
            std::fputs("5", peak); // the peak from here on
            std::fclose(peak);
        }
        const long before = kilobytes("VmRSS:");
        work();
        const long grown = kilobytes("VmHWM:") - before;
        const ssize_t written = write(pipeEnds[1], &grown, sizeof grown);
        _exit(written == sizeof grown ? 0 : 1);
    }
    close(pipeEnds[1]);
    long grown = 0;
    const bool read = child > 0 && ::read(pipeEnds[0], &grown, sizeof grown) == sizeof grown;
    close(pipeEnds[0]);
    if (child > 0)
        waitpid(child, nullptr, 0);
    return read ? double(grown) * 1024 : 0;
#else
    (void)work;
    return 0;
#endif
}

double bestSeconds(const std::function<void()> &work, int runs)
{
    double best = 1e9;
    for (int run = 0; run < runs; ++run) {
        const auto start = std::chrono::steady_clock::now();
        work();
        best = std::min(best, std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count());
    }
    return best;
}

struct Figures {
    double seconds = 0;
    double peak = 0;
};

// Runs the benchmark's loop over the work and sets its counters, beside the ordinary file's figures.
void measure(benchmark::State &state, qsizetype fileSize, const std::function<void()> &work, const Figures &ordinary)
{
    double best = 1e9;
    for (auto _ : state) {
        const auto start = std::chrono::steady_clock::now();
        work();
        best = std::min(best, std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count());
    }
    const double peak = peakGrowth(work);
    state.counters["file_KB"] = double(fileSize) / 1024;
    state.counters["peak_MB"] = peak / (1 << 20);
    if (state.range(0) != 0) {
        state.counters["time_to_aim"] = best / (5 * ordinary.seconds + 0.25);
        state.counters["memory_to_aim"] = peak / (2 * ordinary.peak + 10 * double(fileSize));
    }
}

// A conversion of bytes held in memory, as the program converts a file.
std::function<void()> conversion(const QByteArray &bytes, QuizFormat to)
{
    return [&bytes, to] {
        QBuffer buffer;
        buffer.setData(bytes);
        buffer.open(QIODevice::ReadOnly);
        benchmark::DoNotOptimize(convertQuiz(buffer, u"in"_s, to, Nothing));
    };
}

void BM_Convert(benchmark::State &state)
{
    const int shape = int(state.range(0));
    const QuizFormat to = shape == TavreloOpenTags ? QuizFormat::Gift : QuizFormat::Tavrelo;
    const QByteArray bytes = convertInput(shape, int(state.range(1)));
    static const Figures ordinary = [] {
        static const QByteArray bank = convertInput(GiftBank, 1);
        const auto work = conversion(bank, QuizFormat::Tavrelo);
        return Figures{bestSeconds(work, 5), peakGrowth(work)};
    }();
    measure(state, bytes.size(), conversion(bytes, to), ordinary);
}

// The plain check, or the check that writes the page, of a file written into a folder of its own.
struct CheckedFile {
    support::TestFolder folder;
    QString file;
    QString page;
    bool withPage = false;

    CheckedFile(const QByteArray &bytes, bool withPage)
        : file(folder.write(u"data.txt"_s, bytes)), page(folder.filePath(u"data.html"_s)), withPage(withPage)
    {
    }
    std::function<void()> work() const
    {
        return [this] {
            if (withPage) {
                QuizPages pages(page, false, {file});
                benchmark::DoNotOptimize(pages.check(file, Nothing));
            } else {
                benchmark::DoNotOptimize(checkFile(file, Nothing));
            }
        };
    }
};

void checkBenchmark(benchmark::State &state, bool withPage)
{
    const QByteArray bytes = checkInput(int(state.range(0)), int(state.range(1)));
    static std::map<bool, Figures> ordinary;
    if (!ordinary.contains(withPage)) {
        const CheckedFile quiz(checkInput(Quiz, 1), withPage);
        ordinary[withPage] = Figures{bestSeconds(quiz.work(), 5), peakGrowth(quiz.work())};
    }
    const CheckedFile checked(bytes, withPage);
    measure(state, bytes.size(), checked.work(), ordinary[withPage]);
}

void BM_PlainCheck(benchmark::State &state)
{
    checkBenchmark(state, false);
}

void BM_CheckWithPage(benchmark::State &state)
{
    checkBenchmark(state, true);
}

// Arguments: the shape, the scale.
BENCHMARK(BM_Convert)
    ->ArgsProduct({benchmark::CreateDenseRange(0, ConvertShapeCount - 1, 1), {1, 2}})
    ->Unit(benchmark::kMillisecond);
BENCHMARK(BM_PlainCheck)
    ->ArgsProduct({benchmark::CreateDenseRange(0, CheckShapeCount - 1, 1), {1, 2}})
    ->Unit(benchmark::kMillisecond);
BENCHMARK(BM_CheckWithPage)
    ->ArgsProduct({benchmark::CreateDenseRange(0, CheckShapeCount - 1, 1), {1, 2}})
    ->Unit(benchmark::kMillisecond);

} // namespace

BENCHMARK_MAIN();
