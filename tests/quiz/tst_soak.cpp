// SPDX-FileCopyrightText: 2026 The Tavrelo developers
// SPDX-License-Identifier: MIT
// A long seeded sequence of random user actions on the real quiz window, over random question files, with the
// rules of the quiz checked after every action.
//
// TAVRELO_SOAK_SEED (default 1) and TAVRELO_SOAK_ACTIONS (default 4000) choose the run. The files of a run with
// seed S are the first files of the runs with seeds S, S + 1, S + 2 and so on, so a failing file is replayed
// alone, up to the failing action, with the seed and the count that the failure report gives.
#include "soak_file_generator.h"
#include "soak_player.h"

#include "bank/question_bank.h"
#include "tests/support/question_file.h"

#include <QElapsedTimer>
#include <QHashFunctions>
#include <QRandomGenerator>
#include <QTest>

#include <cstdio>

using namespace Qt::StringLiterals;

namespace {

constexpr int DefaultActions = 4000;
constexpr int LongestPlayPerFile = 150;
constexpr int ActionsInReport = 25;
constexpr int ProgressEvery = 100000;
constexpr int LongestRunMs = 24 * 60 * 60 * 1000;

QtMessageHandler testLog = nullptr;

// The headless platform says at every opened drop-down list that it cannot raise it nor grab the keyboard;
// thousands of those lines would bury what matters.
void quietHeadlessPlatform(QtMsgType type, const QMessageLogContext &context, const QString &message)
{
    if (message.startsWith(u"This plugin does not support"_s))
        return;
    testLog(type, context, message);
}

quint32 environmentNumber(const char *name, quint32 fallback)
{
    bool ok = false;
    const quint32 value = qEnvironmentVariable(name).toUInt(&ok);
    return ok ? value : fallback;
}

} // namespace

class TestSoak final : public QObject {
    Q_OBJECT

public:
    // Runs before the application exists. A long run outlasts Qt Test's five minutes per test function;
    // ctest keeps a time limit of its own.
    static void initMain()
    {
        if (!qEnvironmentVariableIsSet("QTEST_FUNCTION_TIMEOUT"))
            qputenv("QTEST_FUNCTION_TIMEOUT", QByteArray::number(LongestRunMs));
    }

private slots:
    void initTestCase()
    {
        // Nothing may depend on the order of a hash: a seed replays the same run in every process.
#if QT_VERSION_MAJOR >= 6
        QHashSeed::setDeterministicGlobalSeed();
#else
        qSetGlobalQHashSeed(0); // Qt 5's way to the same
#endif
        testLog = qInstallMessageHandler(quietHeadlessPlatform);
    }

    void cleanupTestCase()
    {
        qInstallMessageHandler(testLog);
        support::removeDataFile();
    }

    void randomActionsKeepTheRules()
    {
        const quint32 seed = environmentNumber("TAVRELO_SOAK_SEED", 1);
        const quint32 actions = environmentNumber("TAVRELO_SOAK_ACTIONS", DefaultActions);
        std::printf("soak: seed %u, %u actions\n", seed, actions);
        std::fflush(stdout);

        QElapsedTimer clock;
        clock.start();
        FileTally tally;
        quint32 done = 0;
        for (quint32 fileSeed = seed; done < actions; ++fileSeed) {
            QRandomGenerator random(fileSeed);
            const soak::QuestionFile file = soak::randomQuestionFile(random);
            tally.add(file);
            const quint32 budget = 1 + random.bounded(quint32(LongestPlayPerFile));
            soak::QuizPlayer player(random, file);
            player.checkStart();
            quint32 played = 0;
            while (!QTest::currentTestFailed() && played < budget && done < actions) {
                player.act();
                ++played;
                if (++done % ProgressEvery == 0) {
                    std::printf("soak: %u actions on %d files in %.0f s\n", done, tally.files,
                                double(clock.elapsed()) / 1000);
                    std::fflush(stdout);
                }
            }
            if (QTest::currentTestFailed()) {
                report(player, file, seed, fileSeed, played);
                return;
            }
        }
        std::printf("soak: %u actions in %.1f s on %s\n", done, double(clock.elapsed()) / 1000,
                    qPrintable(tally.summary()));
    }

private:
    // What kinds of file a run went through, for its summary.
    struct FileTally {
        int files = 0, missing = 0, withoutQuestions = 0, full = 0, overfull = 0;
        qsizetype largest = 0;

        void add(const soak::QuestionFile &file)
        {
            ++files;
            missing += !file.exists;
            withoutQuestions += file.exists && file.headers == 0;
            full += file.headers == QuestionBank::QuestionCapacity;
            overfull += file.headers > QuestionBank::QuestionCapacity;
            largest = qMax(largest, qsizetype(file.bytes.size()));
        }

        QString summary() const
        {
            return u"%1 files (%2 missing, %3 without questions, %4 of 1000 questions, %5 of more; the largest "
                   "%6 bytes)"_s.arg(files)
                       .arg(missing)
                       .arg(withoutQuestions)
                       .arg(full)
                       .arg(overfull)
                       .arg(largest);
        }
    };

    static void report(const soak::QuizPlayer &player, const soak::QuestionFile &file, quint32 seed, quint32 fileSeed,
                       quint32 played)
    {
        const QStringList &log = player.log();
        const QString where = played == 0 ? u"on loading"_s : u"at its action %1"_s.arg(played);
        std::printf("soak with seed %u failed on file %u, %s; the file holds %d question headers in %lld bytes%s\n"
                    "replay that file alone: TAVRELO_SOAK_SEED=%u TAVRELO_SOAK_ACTIONS=%u\n"
                    "its last actions, the failing one last:\n  %s\n",
                    seed, fileSeed - seed + 1, qPrintable(where), file.headers, qlonglong(file.bytes.size()),
                    file.exists ? "" : " (missing)", fileSeed, qMax(played, 1u),
                    qPrintable(log.mid(qMax(0, int(log.size()) - ActionsInReport)).join(u"\n  "_s)));
        std::fflush(stdout);
    }
};

QTEST_MAIN(TestSoak)
#include "tst_soak.moc"
