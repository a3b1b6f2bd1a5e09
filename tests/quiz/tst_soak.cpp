// SPDX-FileCopyrightText: 2026 The Tavrelo developers
// SPDX-License-Identifier: MIT
// A long seeded sequence of random user actions on the real quiz window, over random question files, with the
// rules of the quiz checked after every action.
//
// TAVRELO_SOAK_SEED (default 1) and TAVRELO_SOAK_ACTIONS (default 4000) choose the run. File k of a run with
// seed S is the first file of a run with seed S + k, so a failure is replayed alone, up to the failing action,
// with the seed and the count that the failure report gives.
#include "soak_file_generator.h"
#include "soak_player.h"

#include <QElapsedTimer>
#include <QHashFunctions>
#include <QRandomGenerator>
#include <QTest>

#include <cstdio>

using namespace Qt::StringLiterals;

namespace {

constexpr int DefaultActions = 4000;
constexpr int LongestPlayPerFile = 400;
constexpr int ActionsInReport = 25;

QtMessageHandler testLog = nullptr;

// The headless platform says at every opened drop-down list that it cannot raise it nor grab the keyboard;
// thousands of those lines would bury what matters.
void QuietHeadlessPlatform(QtMsgType type, const QMessageLogContext &context, const QString &message)
{
    if (message.startsWith(u"This plugin does not support"_s))
        return;
    testLog(type, context, message);
}

quint32 EnvironmentNumber(const char *name, quint32 fallback)
{
    bool ok = false;
    const quint32 value = qEnvironmentVariable(name).toUInt(&ok);
    return ok ? value : fallback;
}

} // namespace

class SoakTest final : public QObject {
    Q_OBJECT

private slots:
    void initTestCase()
    {
        // Nothing may depend on the order of a hash: a seed replays the same run in every process.
        QHashSeed::setDeterministicGlobalSeed();
        testLog = qInstallMessageHandler(QuietHeadlessPlatform);
    }

    void cleanupTestCase()
    {
        qInstallMessageHandler(testLog);
        quiztest::RemoveDataFile();
    }

    void randomActionsKeepTheRules()
    {
        const quint32 seed = EnvironmentNumber("TAVRELO_SOAK_SEED", 1);
        const quint32 actions = EnvironmentNumber("TAVRELO_SOAK_ACTIONS", DefaultActions);
        std::printf("soak: seed %u, %u actions\n", seed, actions);
        std::fflush(stdout);

        QElapsedTimer clock;
        clock.start();
        quint32 done = 0;
        quint32 files = 0;
        int hiddenSelections = 0;
        for (quint32 fileSeed = seed; done < actions; ++fileSeed, ++files) {
            QRandomGenerator random(fileSeed);
            const soak::QuestionFile file = soak::RandomQuestionFile(random);
            const quint32 budget = 1 + random.bounded(quint32(LongestPlayPerFile));
            soak::QuizPlayer player(random, file, hiddenSelections);
            player.checkStart();
            quint32 played = 0;
            while (!QTest::currentTestFailed() && played < budget && done < actions) {
                player.act();
                ++played;
                ++done;
            }
            if (QTest::currentTestFailed()) {
                report(player, seed, fileSeed, file, done, played);
                return;
            }
        }
        std::printf("soak: %u actions on %u files in %.1f s; a hidden answer button was selected %d times\n", done,
                    files, double(clock.elapsed()) / 1000, hiddenSelections);
    }

private:
    static void report(const soak::QuizPlayer &player, quint32 seed, quint32 fileSeed, const soak::QuestionFile &file,
                       quint32 done, quint32 played)
    {
        const QStringList &log = player.log();
        const QStringList last = log.mid(qMax(0, int(log.size()) - ActionsInReport));
        std::printf("soak failed at action %u of the run with seed %u, on a file of %d question headers (%lld "
                    "bytes%s)\n"
                    "replay that file alone: TAVRELO_SOAK_SEED=%u TAVRELO_SOAK_ACTIONS=%u\n"
                    "the last actions, the failing one last:\n  %s\n",
                    done, seed, file.headers, qlonglong(file.bytes.size()), file.exists ? "" : ", missing",
                    fileSeed, qMax(played, 1u), qPrintable(last.join(u"\n  "_s)));
        std::fflush(stdout);
    }
};

QTEST_MAIN(SoakTest)
#include "tst_soak.moc"
