// SPDX-FileCopyrightText: 2026 The Tavrelo developers
// SPDX-License-Identifier: MIT
// The portable package as a user gets it: cpack's archive unpacked into a folder of its own, the program started
// there on the sample beside it, and cmake --install laying out the same.
#include "platform/core/version.h"
#include "tests/support/probed_run.h"

#include <QDir>
#include <QDirIterator>
#include <QFile>
#include <QTemporaryDir>
#include <QTest>

using namespace Qt::StringLiterals;

namespace {

constexpr int TimeoutMs = 120000;

const QString PackageName = u"tavrelo-%1.%2.%3.%4-Linux"_s.arg(platform::version::Major)
                                .arg(platform::version::Minor)
                                .arg(platform::version::Patch)
                                .arg(platform::version::Revision);

support::ProcessOutcome run(const QString &program, const QStringList &arguments, const QString &folder,
                            const QProcessEnvironment &environment = QProcessEnvironment::systemEnvironment())
{
    return support::runProcess(program, arguments, folder, environment, TimeoutMs);
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
        const auto packed = run(QStringLiteral(TAVRELO_CPACK),
                                {u"--config"_s, QStringLiteral(TAVRELO_BUILD_DIR "/CPackConfig.cmake"), u"-B"_s,
                                 m_work.filePath(u"archive"_s)},
                                QStringLiteral(TAVRELO_BUILD_DIR));
        QVERIFY2(packed.succeeded(), qPrintable(packed.report()));
        m_archive = m_work.filePath(u"archive/"_s + PackageName + u".tar.gz"_s);
        QVERIFY2(QFile::exists(m_archive), qPrintable(packed.report()));

        QVERIFY(QDir(m_work.path()).mkpath(u"unpacked"_s));
        const auto unpacked = run(QStringLiteral(TAVRELO_CMAKE), {u"-E"_s, u"tar"_s, u"xzf"_s, m_archive},
                                  m_work.filePath(u"unpacked"_s));
        QVERIFY2(unpacked.succeeded(), qPrintable(unpacked.report()));
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
        const auto installed = run(QStringLiteral(TAVRELO_CMAKE),
                                   {u"--install"_s, QStringLiteral(TAVRELO_BUILD_DIR), u"--prefix"_s, prefix},
                                   m_work.path());
        QVERIFY2(installed.succeeded(), qPrintable(installed.report()));
        QCOMPARE(filesUnder(prefix), filesUnder(m_folder));
    }

    // Started from another folder, the program still reads the data.txt beside it: without it, a message box
    // would say that the data file is not found.
    void programStartsOnItsSample()
    {
        const auto run = support::runProbed(m_folder + u"/tavrelo"_s, m_work.path(), TimeoutMs);
        QVERIFY2(run.outcome.succeeded(), qPrintable(run.outcome.report()));
        QVERIFY2(run.windowUp(), qPrintable(run.outcome.report()));
        QCOMPARE(run.messageBoxes(), QStringList());
    }

    void checkerFindsNoSlipInTheSample()
    {
        const auto outcome = run(m_folder + u"/tavrelo-check"_s, {}, m_folder);
        QVERIFY2(outcome.succeeded(), qPrintable(outcome.report()));
        QVERIFY2(outcome.output.contains(u"data.txt: "_s), qPrintable(outcome.report()));
    }

private:
    QTemporaryDir m_work;
    QString m_archive;
    QString m_folder;
};

QTEST_GUILESS_MAIN(TestPackage)
#include "tst_package.moc"
