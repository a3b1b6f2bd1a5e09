// SPDX-FileCopyrightText: 2026 The Tavrelo developers
// SPDX-License-Identifier: MIT
// The portable package as a user gets it: cpack's archive unpacked into a folder of its own, the program started
// there on the sample beside it, and cmake --install laying out the same.
#include "platform/version.h"

#include <QDir>
#include <QDirIterator>
#include <QFile>
#include <QProcess>
#include <QTemporaryDir>
#include <QTest>

using namespace Qt::StringLiterals;

namespace {

constexpr int TimeoutMs = 120000;

const QString PackageName = u"tavrelo-%1.%2.%3.%4-Linux"_s.arg(platform::version::Major)
                                .arg(platform::version::Minor)
                                .arg(platform::version::Patch)
                                .arg(platform::version::Revision);

struct Outcome {
    bool finished = false;
    QProcess::ExitStatus status = QProcess::CrashExit;
    int code = -1;
    QString output;
    QString errors;
};

Outcome run(const QString &program, const QStringList &arguments, const QString &folder,
            const QProcessEnvironment &environment = QProcessEnvironment::systemEnvironment())
{
    QProcess process;
    process.setProcessEnvironment(environment);
    process.setWorkingDirectory(folder);
    process.start(program, arguments);
    Outcome outcome;
    outcome.finished = process.waitForStarted(TimeoutMs) && process.waitForFinished(TimeoutMs);
    if (!outcome.finished) {
        process.kill();
        process.waitForFinished(TimeoutMs);
    }
    outcome.status = process.exitStatus();
    outcome.code = process.exitCode();
    outcome.output = QString::fromUtf8(process.readAllStandardOutput());
    outcome.errors = QString::fromUtf8(process.readAllStandardError());
    return outcome;
}

bool succeeded(const Outcome &outcome)
{
    return outcome.finished && outcome.status == QProcess::NormalExit && outcome.code == 0;
}

QString report(const Outcome &outcome)
{
    return outcome.output + outcome.errors;
}

// The files of a folder and of the folders inside it, as paths relative to it.
QStringList filesUnder(const QString &folder)
{
    QStringList files;
    const QDir root(folder);
    QDirIterator it(folder, QDir::Files | QDir::Hidden, QDirIterator::Subdirectories);
    while (it.hasNext())
        files << root.relativeFilePath(it.next());
    files.sort();
    return files;
}

QByteArray contents(const QString &path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

} // namespace

class TestPackage final : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void initTestCase()
    {
        QVERIFY(m_work.isValid());
        QVERIFY(QDir(m_work.path()).mkpath(u"archive"_s));
        const Outcome packed = run(QStringLiteral(TAVRELO_CPACK),
                                   {u"--config"_s, QStringLiteral(TAVRELO_BUILD_DIR "/CPackConfig.cmake"), u"-B"_s,
                                    m_work.filePath(u"archive"_s)},
                                   QStringLiteral(TAVRELO_BUILD_DIR));
        QVERIFY2(succeeded(packed), qPrintable(report(packed)));
        m_archive = m_work.filePath(u"archive/"_s + PackageName + u".tar.gz"_s);
        QVERIFY2(QFile::exists(m_archive), qPrintable(report(packed)));

        QVERIFY(QDir(m_work.path()).mkpath(u"unpacked"_s));
        const Outcome unpacked = run(QStringLiteral(TAVRELO_CMAKE), {u"-E"_s, u"tar"_s, u"xzf"_s, m_archive},
                                     m_work.filePath(u"unpacked"_s));
        QVERIFY2(succeeded(unpacked), qPrintable(report(unpacked)));
        m_folder = m_work.filePath(u"unpacked/"_s + PackageName);
    }

    void archiveHoldsOneFolder()
    {
        QCOMPARE(QDir(m_work.filePath(u"unpacked"_s)).entryList(QDir::AllEntries | QDir::NoDotAndDotDot),
                 QStringList{PackageName});
        QCOMPARE(filesUnder(m_folder), (QStringList{u"README.txt"_s, u"data.txt"_s, u"tavrelo"_s, u"tavrelo-check"_s}));
        QCOMPARE(contents(m_folder + u"/data.txt"_s), contents(QStringLiteral(TAVRELO_SAMPLE)));
    }

    void installLaysOutTheSame()
    {
        const QString prefix = m_work.filePath(u"prefix"_s);
        const Outcome installed = run(QStringLiteral(TAVRELO_CMAKE),
                                      {u"--install"_s, QStringLiteral(TAVRELO_BUILD_DIR), u"--prefix"_s, prefix},
                                      m_work.path());
        QVERIFY2(succeeded(installed), qPrintable(report(installed)));
        QCOMPARE(filesUnder(prefix), filesUnder(m_folder));
    }

    // Started from another folder, the program still reads the data.txt beside it: without it, a message box
    // would say that the data file is not found.
    void programStartsOnItsSample()
    {
        QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
        environment.insert(u"QT_QPA_PLATFORM"_s, u"offscreen"_s);
        environment.insert(u"TAVRELO_ANSWER_MESSAGE_BOXES"_s, u"1"_s);
        environment.insert(u"QT_PLUGIN_PATH"_s, QStringLiteral(TAVRELO_PROBE_PLUGINS));
        environment.insert(u"QT_QPA_GENERIC_PLUGINS"_s, u"tavrelowindowprobe:Tavrelo"_s);

        const Outcome outcome = run(m_folder + u"/tavrelo"_s, {}, m_work.path(), environment);
        QVERIFY2(succeeded(outcome), qPrintable(report(outcome)));
        QVERIFY2(outcome.errors.contains(u"Window up: Tavrelo\n"_s), qPrintable(report(outcome)));
        QVERIFY2(!outcome.errors.contains(u"Message box"_s), qPrintable(report(outcome)));
    }

    void checkerFindsNoSlipInTheSample()
    {
        const Outcome outcome = run(m_folder + u"/tavrelo-check"_s, {}, m_folder);
        QVERIFY2(succeeded(outcome), qPrintable(report(outcome)));
        QVERIFY2(outcome.output.contains(u"data.txt: "_s), qPrintable(report(outcome)));
    }

private:
    QTemporaryDir m_work;
    QString m_archive;
    QString m_folder;
};

QTEST_GUILESS_MAIN(TestPackage)
#include "tst_package.moc"
