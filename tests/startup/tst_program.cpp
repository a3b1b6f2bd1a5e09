// SPDX-FileCopyrightText: 2026 The Tavrelo developers
// SPDX-License-Identifier: MIT
#include "platform/runtime_error.h"
#include "tests/support/process.h"
#include "tests/support/unreadable_file.h"

#include <QFile>
#include <QFileInfo>
#include <QTemporaryDir>
#include <QTest>

#include <optional>

using namespace Qt::StringLiterals;

namespace {

constexpr int TimeoutMs = 30000;

// The copy keeps the program's own name, .exe included where there is one.
const QString Program = QFileInfo(QStringLiteral(TAVRELO_EXECUTABLE)).fileName();

// Runs a copy of the program from its own folder, so data.txt can be whatever the test puts there.
support::ProcessOutcome run(const QTemporaryDir &folder, const QProcessEnvironment &environment)
{
    return support::RunProcess(folder.filePath(Program), {}, folder.path(), environment, TimeoutMs);
}

} // namespace

class TestProgram final : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void init()
    {
        m_folder.emplace();
        QVERIFY(m_folder->isValid());
        QVERIFY(QFile::copy(QStringLiteral(TAVRELO_EXECUTABLE), m_folder->filePath(Program)));
    }

    void cleanup() { m_folder.reset(); }

    // As a user meets it: the message box names the error, and the program ends with a failure status.
    void unreadableDataFileEndsProgram()
    {
        const support::UnreadableFile unreadable(m_folder->filePath(u"data.txt"_s));
        QVERIFY(unreadable.made());
        QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
        environment.insert(u"QT_QPA_PLATFORM"_s, u"offscreen"_s);
        environment.insert(u"TAVRELO_ANSWER_MESSAGE_BOXES"_s, u"1"_s);

        const auto outcome = run(*m_folder, environment);
        const platform::RuntimeError expected(support::UnreadableFile::error());
        QCOMPARE(outcome.status, QProcess::NormalExit);
        QCOMPARE(outcome.code, 1);
        const QString box = u"Message box (critical) \"Tavrelo\":\nRun-time error '%1':\n\n%2\n"_s
                                .arg(expected.number())
                                .arg(expected.description());
        QVERIFY2(outcome.errors.contains(box), qPrintable(outcome.errors));
        QCOMPARE(outcome.errors.count(u"Message box"_s), 1);
    }

    void noDisplayFailsWithoutCrash()
    {
#ifdef Q_OS_WIN
        QSKIP("a Windows program always has its desktop");
#endif
        QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
        environment.insert(u"QT_QPA_PLATFORM"_s, u"xcb"_s);
        environment.remove(u"DISPLAY"_s);
        environment.remove(u"WAYLAND_DISPLAY"_s);

        const auto outcome = run(*m_folder, environment);
        QCOMPARE(outcome.status, QProcess::NormalExit);
        QCOMPARE(outcome.code, 1);
        QVERIFY2(outcome.errors.contains(u"display"_s), qPrintable(outcome.errors));
    }

private:
    std::optional<QTemporaryDir> m_folder;
};

QTEST_GUILESS_MAIN(TestProgram)
#include "tst_program.moc"
