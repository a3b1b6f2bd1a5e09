// SPDX-FileCopyrightText: 2026 The Tavrelo developers
// SPDX-License-Identifier: MIT
#include "bank/question_bank.h"
#include "bank/question_reader.h"
#include "check/check_file.h"
#include "check/to_cp1251.h"
#include "platform/core/text_file.h"

#include "tests/support/bank_contents.h"
#include "tests/support/encoded_text.h"
#include "tests/support/question_file.h"
#include "tests/support/unreadable_file.h"
#include "tests/support/windows1251.h"

#include <QBuffer>
#include <QDir>
#include <QFile>
#include <QProcess>
#include <QStringEncoder>
#include <QTest>

#include <optional>

using namespace Qt::StringLiterals;
using support::encodeText;
using support::filledFields;
using support::toWindows1251;

namespace {

const QString Quiz = u"Тест\r\nВес вопроса: 1\r\nСтолица России?\r\nA) Москва*\r\nB) Казань\r\n"
                     u"Вес вопроса: 2\r\nЙод — это\r\nA) газ\r\nB) галоген*\r\n"_s;

// What the program loads from the file, field by field.
QStringList loadedFields(const QString &path)
{
    const auto stream = platform::OpenTextFile(path);
    QuestionBank bank;
    qint16 questions = 0;
    readQuestions(*stream, bank, questions, nullptr);
    return filledFields(bank);
}

} // namespace

class TestCheckFile : public QObject {
    Q_OBJECT

private slots:
    void init();
    void exitStatus_data();
    void exitStatus();
    void encoding_data();
    void encoding();
    void slipsAtTheirLines_data();
    void slipsAtTheirLines();
    void bundledSampleIsClean();
    void conversion_data();
    void conversion();
    void conversionRefused_data();
    void conversionRefused();
    void commandLine_data();
    void commandLine();

private:
    QString write(const QString &name, const QByteArray &bytes) { return m_folder->write(name, bytes); }
    ExitStatus check(const QString &path, QStringList *output = nullptr);

    std::optional<support::TestFolder> m_folder;
};

void TestCheckFile::init()
{
    m_folder.emplace();
}

ExitStatus TestCheckFile::check(const QString &path, QStringList *output)
{
    QStringList lines;
    const ExitStatus status = checkFile(path, [&](const QString &line) { lines << line; });
    if (output)
        *output = lines;
    return status;
}

void TestCheckFile::exitStatus_data()
{
    QTest::addColumn<QString>("name");
    QTest::addColumn<QByteArray>("bytes");
    QTest::addColumn<int>("status");
    QTest::addColumn<QString>("last"); // the last line printed, after the file's name

    const QByteArray clean = toWindows1251(u"Вес вопроса: 1\r\nQ\r\nA)a*\r\nB)b\r\n"_s);
    const QString loaded = u"1 question loaded, 2 answers, 1 question with a marked answer; "_s;
    QTest::newRow("clean") << u"clean.txt"_s << clean << 0 << loaded + u"0 errors, 0 warnings"_s;
    QTest::newRow("notes only") << u"notes.txt"_s << "title\n" + clean << 0 << loaded + u"0 errors, 0 warnings"_s;
    QTest::newRow("a warning") << u"warning.txt"_s << clean + "C)c* \r\n"
                               << 1
                               << u"1 question loaded, 3 answers, 1 question with a marked answer; 0 errors, "
                                  u"1 warning"_s;
    QTest::newRow("an error") << u"error.txt"_s << QByteArray("Q\r\n") << 1
                              << u"0 questions loaded, 0 answers, 0 questions with a marked answer; 1 error, "
                                 u"0 warnings"_s;
    QTest::newRow("missing") << u"missing.txt"_s << QByteArray() << 2
                             << u"error: no such file, so Tavrelo says \"Data file not found\" and starts with no "
                                u"questions"_s;
    QTest::newRow("folder") << u"folder.txt"_s << QByteArray() << 2
                            << u"error: is a folder, so Tavrelo says \"Data file not found\" and starts with no "
                               u"questions"_s;
    const platform::ErrorKind unreadable = support::UnreadableFile::error();
    QTest::newRow("unreadable") << u"unreadable.txt"_s << QByteArray() << 2
                                << u"error: cannot be read: %1 (run-time error %2), which ends Tavrelo"_s
                                       .arg(unreadable.description)
                                       .arg(unreadable.number);
}

void TestCheckFile::exitStatus()
{
    QFETCH(QString, name);
    QFETCH(QByteArray, bytes);
    QFETCH(int, status);
    QFETCH(QString, last);
    std::optional<support::UnreadableFile> unreadable;
    if (name == u"folder.txt") {
        QVERIFY(QDir(m_folder->path()).mkdir(name));
    } else if (name == u"unreadable.txt") {
        unreadable.emplace(m_folder->filePath(name));
        QVERIFY(unreadable->made());
    } else if (name != u"missing.txt") {
        write(name, bytes);
    }
    const QString path = m_folder->filePath(name);
    QStringList output;
    QCOMPARE(int(check(path, &output)), status);
    QCOMPARE(output.last(), path + u": "_s + last);
}

void TestCheckFile::encoding_data()
{
    QTest::addColumn<QByteArray>("bytes");
    QTest::addColumn<QString>("note");
    QTest::addColumn<int>("status");

    using E = platform::TextEncoding;
    const QString marked = u", as its byte-order mark says"_s;
    const QString read = u"the file is read as "_s;
    const QString clean = u"Вес вопроса: 1\r\nЧему равно π?\r\nA) 3,14*\r\nB) √10\r\n"_s;
    QTest::newRow("Windows-1251") << toWindows1251(u"Вес вопроса: 1\r\nЧему равно пи?\r\nA) 3,14*\r\nB) 10\r\n"_s)
                                  << read
                                         + u"Windows-1251 (Cyrillic), since it is not UTF-8 throughout and has no "
                                           u"byte-order mark"_s
                                  << 0;
    QTest::newRow("UTF-8") << encodeText(clean, E::Utf8) << read + u"UTF-8"_s << 0;
    QTest::newRow("UTF-8 with a mark") << encodeText(clean, E::Utf8WithMark) << read + u"UTF-8"_s + marked << 0;
    QTest::newRow("UTF-16LE") << encodeText(clean, E::Utf16LE) << read + u"UTF-16 (little-endian)"_s + marked << 0;
    QTest::newRow("UTF-16BE") << encodeText(clean, E::Utf16BE) << read + u"UTF-16 (big-endian)"_s + marked << 0;
    QTest::newRow("ill-formed UTF-8 after a mark")
        << "\xEF\xBB\xBF" + encodeText(clean, E::Utf8) + "\xC0" << read + u"UTF-8"_s + marked << 0;
}

// The checker reads a file as the program does, says how, and counts lines as an editor shows them.
void TestCheckFile::encoding()
{
    QFETCH(QByteArray, bytes);
    QFETCH(QString, note);
    QFETCH(int, status);
    const QString path = write(u"data.txt"_s, bytes);
    QStringList output;
    QCOMPARE(int(check(path, &output)), status);
    QCOMPARE(output.first(), path + u":1: note: "_s + note);
    QCOMPARE(loadedFields(path).size(), 4);
}

void TestCheckFile::slipsAtTheirLines_data()
{
    QTest::addColumn<platform::TextEncoding>("encoding");
    for (const auto &[name, encoding] : support::encodingNames())
        QTest::newRow(name) << encoding;
}

void TestCheckFile::slipsAtTheirLines()
{
    QFETCH(platform::TextEncoding, encoding);
    // U+010A and U+0D0A hold the bytes 0A and 0D in UTF-16, where they end no line; Windows-1251 has neither.
    const QString odd = encoding == platform::TextEncoding::Windows1251 ? u"x"_s : u"\u010A\u0D0A"_s;
    const QString path = write(
        u"data.txt"_s, encodeText(u"Вес вопроса: 1\n"_s + odd + u"\r\nA) а*\r\nВес вопроса : 2\r\n"_s, encoding));
    QStringList output;
    QCOMPARE(check(path, &output), ExitStatus::Slips);
    QVERIFY2(output.filter(path + u":4: warning: misspelt question header"_s).size() == 1,
             qPrintable(output.join(u'\n')));
}

void TestCheckFile::bundledSampleIsClean()
{
    QStringList output;
    QCOMPARE(check(QStringLiteral(TAVRELO_SOURCE_DIR "/data/data.txt"), &output), ExitStatus::Clean);
    QVERIFY2(output.last().endsWith(u"0 errors, 0 warnings"_s), qPrintable(output.join(u'\n')));
}

void TestCheckFile::conversion_data()
{
    QTest::addColumn<QByteArray>("input");
    const QByteArray utf8 = Quiz.toUtf8();
    QTest::newRow("CR LF") << utf8;
    QTest::newRow("BOM") << "\xEF\xBB\xBF" + utf8;
    QTest::newRow("LF") << QByteArray(utf8).replace("\r\n", "\n");
    QTest::newRow("no final line end") << utf8.chopped(2);
    // "Й" as И and a combining breve, as some systems store it.
    QTest::newRow("decomposed") << Quiz.normalized(QString::NormalizationForm_D).toUtf8();
    QTest::newRow("UTF-16LE") << encodeText(Quiz, platform::TextEncoding::Utf16LE);
    QTest::newRow("UTF-16BE") << encodeText(Quiz, platform::TextEncoding::Utf16BE);
}

// A UTF-8 or UTF-16 quiz, converted and then read by the program, gives the same questions as its Windows-1251
// original.
void TestCheckFile::conversion()
{
    QFETCH(QByteArray, input);
    const QString in = write(u"in.txt"_s, input);
    const QString output = m_folder->filePath(u"cp1251.txt"_s);
    QCOMPARE(convertToCp1251(in, output, [](const QString &line) { QFAIL(qPrintable(line)); }), ExitStatus::Clean);
    const QString original = write(u"original.txt"_s, toWindows1251(Quiz));
    QCOMPARE(loadedFields(output), loadedFields(original));
    QFile converted(output);
    QVERIFY(converted.open(QIODevice::ReadOnly));
    QCOMPARE(converted.readAll(), toWindows1251(Quiz));
    QCOMPARE(check(output), ExitStatus::Clean);
}

void TestCheckFile::conversionRefused_data()
{
    QTest::addColumn<QByteArray>("input");
    QTest::addColumn<bool>("intoInput");
    QTest::addColumn<int>("status");
    QTest::addColumn<QStringList>("messages"); // after the folder's name

    QTest::newRow("no Windows-1251 form")
        << u"Вес вопроса: 1\nЧто это 😀?\nA) ✓*\n"_s.toUtf8() << false << 1
        << QStringList{u"in.txt:2:9: error: \"😀\" (U+1F600) has no Windows-1251 form"_s,
                       u"in.txt:3:4: error: \"✓\" (U+2713) has no Windows-1251 form"_s,
                       u"out.txt: nothing was written"_s};
    QTest::newRow("not UTF-8") << toWindows1251(Quiz) << false << 1
                               << QStringList{u"in.txt: error: is neither UTF-8 nor UTF-16, so there is nothing to "
                                              u"convert"_s,
                                              u"out.txt: nothing was written"_s};
    QTest::newRow("ill-formed UTF-16") << QByteArray("\xFF\xFE"
                                                     "A\0\r\0\n\0"
                                                     "\x00\xD8",
                                                     10)
                                       << false << 1
                                       << QStringList{
                                              u"in.txt:2:1: error: \"\uFFFD\" (U+FFFD) has no Windows-1251 form"_s,
                                              u"out.txt: nothing was written"_s};
    QTest::newRow("into its input") << QByteArray("x") << true << 2
                                    << QStringList{u"in.txt: error: is the file being converted; name a new file for "
                                                   u"the copy"_s};
}

void TestCheckFile::conversionRefused()
{
    QFETCH(QByteArray, input);
    QFETCH(bool, intoInput);
    QFETCH(int, status);
    QFETCH(QStringList, messages);
    const QString in = write(u"in.txt"_s, input);
    const QString out = intoInput ? in : write(u"out.txt"_s, "kept");
    QStringList printed;
    QCOMPARE(int(convertToCp1251(in, out,
                                 [&](const QString &line) { printed << line.mid(m_folder->path().size() + 1); })),
             status);
    QCOMPARE(printed, messages);
    QFile kept(out);
    QVERIFY(kept.open(QIODevice::ReadOnly));
    QCOMPARE(kept.readAll(), intoInput ? input : QByteArray("kept"));
}

void TestCheckFile::commandLine_data()
{
    QTest::addColumn<QStringList>("arguments");
    QTest::addColumn<int>("status");
    QTest::addColumn<QString>("last");

    QTest::newRow("data.txt by default") << QStringList() << 0 << u"data.txt: 1 question loaded"_s;
    QTest::newRow("the worst status") << QStringList{u"data.txt"_s, u"missing.txt"_s, u"warning.txt"_s} << 2
                                      << u"warning.txt: 1 question loaded, 2 answers, 0 questions"_s;
    QTest::newRow("version") << QStringList{u"--version"_s} << 0 << u"tavrelo-check 1.0.3"_s;
    QTest::newRow("unknown option") << QStringList{u"--fix"_s} << 2 << QString();
    QTest::newRow("convert, then check the copy")
        << QStringList{u"--to-cp1251"_s, u"copy.txt"_s, u"utf8.txt"_s} << 0 << u"copy.txt: 2 questions loaded"_s;
    // Not the console's code page: a pipe gets UTF-8 on every system.
    QTest::newRow("Cyrillic output in UTF-8")
        << QStringList{u"--to-cp1251"_s, u"копия.txt"_s, u"utf8.txt"_s} << 0 << u"копия.txt: 2 questions loaded"_s;
}

void TestCheckFile::commandLine()
{
    QFETCH(QStringList, arguments);
    QFETCH(int, status);
    QFETCH(QString, last);
    write(u"data.txt"_s, toWindows1251(u"Вес вопроса: 1\r\nA)a*"_s));
    write(u"warning.txt"_s, toWindows1251(u"Вес вопроса: 1\r\nA)a\r\nB)b"_s));
    write(u"utf8.txt"_s, Quiz.toUtf8());
    QProcess checker;
    checker.setWorkingDirectory(m_folder->path());
    checker.start(QStringLiteral(TAVRELO_CHECK), arguments);
    QVERIFY(checker.waitForFinished());
    QCOMPARE(checker.exitCode(), status);
    const QStringList lines = QString::fromUtf8(checker.readAllStandardOutput()).split(u'\n', Qt::SkipEmptyParts);
    QCOMPARE(lines.value(lines.size() - 1).startsWith(last), true);
}

QTEST_GUILESS_MAIN(TestCheckFile)
#include "tst_check_file.moc"
