// SPDX-FileCopyrightText: 2026 The Tavrelo developers
// SPDX-License-Identifier: MIT
#include "platform/core/runtime_error.h"
#include "tests/support/encoded_text.h"
#include "tests/support/probed_run.h"
#include "tests/support/question_file.h"
#include "tests/support/unreadable_file.h"

#include <QFile>
#include <QFileInfo>
#include <QTemporaryDir>
#include <QTest>

#include <optional>

#ifdef Q_OS_UNIX
#include <sys/resource.h>
#endif

using namespace Qt::StringLiterals;

namespace {

constexpr int TimeoutMs = 60000;

} // namespace

class TestProgram final : public QObject {
    Q_OBJECT

private Q_SLOTS:
    // Each run, a copy of the program in a folder of its own, so data.txt can be whatever the test puts there.
    void init()
    {
        m_folder.emplace();
        QVERIFY(m_folder->isValid());
        // The copy keeps the program's own name, .exe included where there is one.
        m_program = m_folder->filePath(QFileInfo(QStringLiteral(TAVRELO_EXECUTABLE)).fileName());
        QVERIFY(QFile::copy(QStringLiteral(TAVRELO_EXECUTABLE), m_program));
    }

    void cleanup() { m_folder.reset(); }

    // As a user meets it: the message box names the error, and the program ends with a failure status.
    void unreadableDataFileEndsProgram()
    {
        const support::UnreadableFile unreadable(m_folder->filePath(u"data.txt"_s));
        QVERIFY(unreadable.made());
        const auto run = support::runProbed(m_program, m_folder->path(), TimeoutMs);
        const platform::RuntimeError expected(support::UnreadableFile::error());
        QCOMPARE(run.outcome.status, QProcess::NormalExit);
        QCOMPARE(run.outcome.code, 1);
        QCOMPARE(run.messageBoxes(),
                 QStringList{u"Message box (critical) \"Tavrelo\":\nRun-time error '%1':\n\n%2"_s.arg(expected.Number())
                                 .arg(expected.Description())});
        QVERIFY(!run.windowUp());
    }

    void longLinesLoadInTheMemoryTheyNeed_data()
    {
        QTest::addColumn<platform::TextEncoding>("encoding");
        QTest::newRow("Windows-1251") << platform::TextEncoding::Windows1251;
        QTest::newRow("UTF-8") << platform::TextEncoding::Utf8;
    }

    // A file of many long lines costs the memory that its text takes, not the rest of the file for every line:
    // it loads with no more address space than the program takes on the sample plus four bytes a character, in
    // every encoding.
    void longLinesLoadInTheMemoryTheyNeed()
    {
        QFETCH(platform::TextEncoding, encoding);
#if !defined(Q_OS_LINUX) || defined(__SANITIZE_ADDRESS__)
        QSKIP("needs Linux's /proc and a program without the address sanitizer's shadow memory");
#else
        QVERIFY(QFile::copy(QStringLiteral(TAVRELO_SAMPLE), m_folder->filePath(u"data.txt"_s)));
        const auto onSample = support::runProbed(m_program, m_folder->path(), TimeoutMs);
        QVERIFY2(onSample.windowUp() && onSample.peakVirtualKb() > 0, qPrintable(onSample.outcome.report()));

        const QString text = (u"Вес вопроса: 1\r\n"_s + u"Длинная строка вопроса без конца. "_s.repeated(8500)
                              + u"\r\nA) a*\r\n"_s)
                                 .repeated(200);
        support::writeFile(m_folder->filePath(u"data.txt"_s), support::encodeText(text, encoding));

        const rlim_t limit = rlim_t(onSample.peakVirtualKb()) * 1024 + 4 * rlim_t(text.size());
        const auto onLongLines = support::runProbed(m_program, m_folder->path(), TimeoutMs, [limit] {
            const rlimit addressSpace{limit, limit};
            setrlimit(RLIMIT_AS, &addressSpace);
        });
        QVERIFY2(onLongLines.windowUp(), qPrintable(onLongLines.outcome.report()));
        QCOMPARE(onLongLines.messageBoxes(), QStringList());
#endif
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

        const auto outcome = support::runProcess(m_program, {}, m_folder->path(), environment, TimeoutMs);
        QCOMPARE(outcome.status, QProcess::NormalExit);
        QCOMPARE(outcome.code, 1);
        QVERIFY2(outcome.errors.contains(u"display"_s), qPrintable(outcome.errors));
    }

private:
    std::optional<QTemporaryDir> m_folder;
    QString m_program;
};

QTEST_GUILESS_MAIN(TestProgram)
#include "tst_program.moc"
