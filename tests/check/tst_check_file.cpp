// SPDX-FileCopyrightText: 2026 The Tavrelo developers
// SPDX-License-Identifier: MIT
#include "bank/question_bank.h"
#include "bank/question_reader.h"
#include "check/app/explorer_console.h"
#include "check/convert/to_cp1251.h"
#include "check/rules/check_file.h"
#include "check/rules/user_language.h"
#include "platform/core/text_file.h"

#include "tests/support/bank_contents.h"
#include "tests/support/encoded_text.h"
#include "tests/support/question_file.h"
#include "tests/support/unreadable_file.h"
#include "tests/support/windows1251.h"

#include <QBuffer>
#include <QDir>
#include <QDirIterator>
#include <QFile>
#include <QProcess>
#include <QRegularExpression>
#include <QStringEncoder>
#include <QTest>

#include <optional>

#ifdef Q_OS_WIN
#include <qt_windows.h>
#else
#include <cerrno>
#include <sys/stat.h>
#include <sys/sysmacros.h>
#include <unistd.h>
#endif

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

// The part of a printed line after the file's name that editors read: ":LINE: error: ", ": error: " or ": ".
QString findingPrefix(const QString &line, const QString &path)
{
    static const QRegularExpression prefix(u"^(:\\d+)*: ((error|warning|note): )?"_s);
    return line.startsWith(path) ? prefix.match(line.mid(path.size())).captured() : line;
}

// The message's own words: the line without its prefix and without the question file's text quoted in it.
QString messageWords(const QString &line, const QString &path)
{
    static const QRegularExpression quoted(u"\"[^\"]*\""_s);
    return line.mid(path.size() + findingPrefix(line, path).size()).remove(quoted);
}

QByteArray contents(const QString &path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

bool hasCyrillic(const QString &text)
{
    return std::any_of(text.begin(), text.end(), [](QChar ch) { return ch.script() == QChar::Script_Cyrillic; });
}

// Runs the checker as a program, in a given language (LANG), from the folder.
struct CheckerRun {
    int status = -1;
    QByteArray output;
};

CheckerRun runChecker(const QString &folder, const QStringList &arguments, const QString &language = u"C"_s)
{
    QProcess checker;
    checker.setWorkingDirectory(folder);
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    for (const QString &name : {u"LANGUAGE"_s, u"LC_ALL"_s, u"LC_MESSAGES"_s})
        environment.remove(name);
    environment.insert(u"LANG"_s, language);
    checker.setProcessEnvironment(environment);
    checker.start(QStringLiteral(TAVRELO_CHECK), arguments);
    // Its input is a pipe, never closed: a checker that waited for Enter here would never end.
    if (!checker.waitForFinished(10000))
        return {};
    return {checker.exitStatus() == QProcess::NormalExit ? checker.exitCode() : -1, checker.readAllStandardOutput()};
}

} // namespace

class TestCheckFile : public QObject {
    Q_OBJECT

private slots:
    void initTestCase();
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
    void inRussian_data();
    void inRussian();
    void reportFile();
    void writesNothingOverWhatItHas_data();
    void writesNothingOverWhatItHas();
    void waitBeforeClosing_data();
    void waitBeforeClosing();

private:
    QString write(const QString &name, const QByteArray &bytes) { return m_folder->write(name, bytes); }
    ExitStatus check(const QString &path, QStringList *output = nullptr);

    std::optional<support::TestFolder> m_folder;
};

void TestCheckFile::initTestCase()
{
    useUserLanguage(QLocale(QLocale::English));
}

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
    QTest::newRow("a file the checker made") << "\xEF\xBB\xBFtavrelo-check 1.0.0 #0123456789abcdef\r\n" + utf8;
}

// A UTF-8 or UTF-16 quiz, converted and then read by the program, gives the same questions as its Windows-1251
// original, after the checker's mark, which stands before them.
void TestCheckFile::conversion()
{
    QFETCH(QByteArray, input);
    const QString in = write(u"in.txt"_s, input);
    const QString output = m_folder->filePath(u"cp1251.txt"_s);
    QCOMPARE(convertToCp1251(in, output, [](const QString &line) { QFAIL(qPrintable(line)); }), ExitStatus::Clean);
    const QString original = write(u"original.txt"_s, toWindows1251(Quiz));
    QCOMPARE(loadedFields(output).mid(1), loadedFields(original).mid(1)); // slot 0, never shown, holds the mark
    QFile converted(output);
    QVERIFY(converted.open(QIODevice::ReadOnly));
    const QByteArray written = converted.readAll();
    QVERIFY2(written.startsWith("tavrelo-check "), written.left(40).constData());
    QCOMPARE(written.mid(written.indexOf("\r\n") + 2), toWindows1251(Quiz));
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
    QTest::newRow("a mark without a form") << u"Вес вопроса: 1\nЗвук з\u0301?\n"_s.toUtf8() << false << 1
                                           << QStringList{u"in.txt:2:7: error: \"з\u0301\" holds U+0301, which has "
                                                          u"no Windows-1251 form"_s,
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
    // Replacing allowed, so that what keeps the file as it was is the failed conversion.
    QCOMPARE(int(convertToCp1251(
                 in, out, [&](const QString &line) { printed << line.mid(m_folder->path().size() + 1); },
                 Replace::Any)),
             status);
    QCOMPARE(printed, messages);
    QFile kept(out);
    QVERIFY(kept.open(QIODevice::ReadOnly));
    QCOMPARE(kept.readAll(), intoInput ? input : QByteArray("kept"));
}

void TestCheckFile::commandLine_data()
{
    QTest::addColumn<QStringList>("arguments");
    QTest::addColumn<QString>("language"); // LANG
    QTest::addColumn<int>("status");
    QTest::addColumn<QString>("last");

    const QString c = u"C"_s;
    QTest::newRow("data.txt by default") << QStringList() << c << 0 << u"data.txt: 1 question loaded"_s;
    QTest::newRow("the worst status") << QStringList{u"data.txt"_s, u"missing.txt"_s, u"warning.txt"_s} << c << 2
                                      << u"warning.txt: 1 question loaded, 2 answers, 0 questions"_s;
    QTest::newRow("version") << QStringList{u"--version"_s} << c << 0 << u"tavrelo-check 1.0.3"_s;
    QTest::newRow("unknown option") << QStringList{u"--fix"_s} << c << 2 << QString();
    QTest::newRow("convert, then check the copy")
        << QStringList{u"--to-cp1251"_s, u"copy.txt"_s, u"utf8.txt"_s} << c << 0 << u"copy.txt: 2 questions loaded"_s;
    // Not the console's code page: a pipe gets UTF-8 on every system.
    QTest::newRow("Cyrillic output in UTF-8")
        << QStringList{u"--to-cp1251"_s, u"копия.txt"_s, u"utf8.txt"_s} << c << 0 << u"копия.txt: 2 questions loaded"_s;
    QTest::newRow("convert, GIFT by the name")
        << QStringList{u"--convert"_s, u"quiz.gift"_s, u"utf8.txt"_s} << c << 0
        << u"utf8.txt: 2 questions converted into GIFT, 0 left out; written to quiz.gift"_s;
    QTest::newRow("convert, Aiken by --format")
        << QStringList{u"--convert"_s, u"quiz.txt"_s, u"--format"_s, u"AIKEN"_s, u"utf8.txt"_s} << c << 0
        << u"utf8.txt: 2 questions converted into Aiken"_s;
    QTest::newRow("convert, an unknown format")
        << QStringList{u"--convert"_s, u"q.txt"_s, u"--format"_s, u"xml"_s} << c << 2 << QString();
    QTest::newRow("convert into its input")
        << QStringList{u"--convert"_s, u"utf8.txt"_s, u"utf8.txt"_s} << c << 2 << QString();
    // As Explorer passes files dropped on the program: several, named with spaces and Cyrillic letters.
    QTest::newRow("dropped files") << QStringList{u"мой тест.txt"_s, u"ещё один тест.txt"_s} << c << 0
                                   << u"ещё один тест.txt: 1 question loaded"_s;
    QTest::newRow("Russian") << QStringList() << u"ru_RU.UTF-8"_s << 0 << u"data.txt: загружен 1 вопрос"_s;
    QTest::newRow("a page") << QStringList{u"--html"_s, u"страница.html"_s, u"data.txt"_s} << c << 0
                            << u"data.txt: page written to страница.html"_s;
    QTest::newRow("variants") << QStringList{u"--variants"_s, u"2"_s, u"--html"_s, u"p.html"_s, u"data.txt"_s} << c << 0
                              << u"data.txt: page written to p.html"_s;
    QTest::newRow("too many variants") << QStringList{u"--variants"_s, u"11"_s, u"--html"_s, u"p.html"_s} << c << 2
                                       << QString();
    QTest::newRow("variants without a page") << QStringList{u"--variants"_s, u"2"_s} << c << 2 << QString();
    QTest::newRow("English for other languages")
        << QStringList() << u"de_DE.UTF-8"_s << 0 << u"data.txt: 1 question loaded"_s;
}

void TestCheckFile::commandLine()
{
    QFETCH(QStringList, arguments);
    QFETCH(QString, language);
    QFETCH(int, status);
    QFETCH(QString, last);
#ifdef Q_OS_WIN
    if (language != u"C")
        QSKIP("Windows takes the language from the user's settings, not from LANG");
#endif
    const QByteArray quiz = toWindows1251(u"Вес вопроса: 1\r\nQ\r\nA)a*"_s);
    for (const QString &name : {u"data.txt"_s, u"мой тест.txt"_s, u"ещё один тест.txt"_s})
        write(name, quiz);
    write(u"warning.txt"_s, toWindows1251(u"Вес вопроса: 1\r\nA)a\r\nB)b"_s));
    write(u"utf8.txt"_s, Quiz.toUtf8());
    const CheckerRun run = runChecker(m_folder->path(), arguments, language);
    QCOMPARE(run.status, status);
    const QStringList lines = QString::fromUtf8(run.output).split(u'\n', Qt::SkipEmptyParts);
    QVERIFY2(lines.value(lines.size() - 1).startsWith(last), run.output.constData());
}

// Every kind of message reads in Russian, and keeps the form "FILE:LINE: error: " that editors read.
void TestCheckFile::inRussian_data()
{
    QTest::addColumn<QByteArray>("bytes");
    QTest::addColumn<QString>("convertTo"); // empty: check the file

    const auto file = [](const QString &text) { return toWindows1251(text); };
    const QString header = u"Вес вопроса: 1\r\n"_s;
    const QString question = header + u"Q\r\nA) a*\r\nB) b\r\n"_s;
    // clang-format off
    QTest::newRow("no header") << file(u"Q\r\n"_s) << QString();
    QTest::newRow("before the first header") << file(u"Title\r\n"_s + question) << QString();
    QTest::newRow("Cyrillic answer letter") << file(question + u"В) b\r\n"_s) << QString();
    QTest::newRow("small answer letter") << file(question + u"c) c\r\n"_s) << QString();
    QTest::newRow("spaces before a letter") << file(question + u" C) c\r\n"_s) << QString();
    QTest::newRow("no such letter") << file(question + u"Д) d\r\n"_s) << QString();
    QTest::newRow("misspelt header, dropped") << file(question + u"Вес вопроса : 2\r\n"_s) << QString();
    QTest::newRow("misspelt header, shown") << file(question + u"вес  вопроса 2\r\n"_s) << QString();
    QTest::newRow("misspelt header first") << file(u"Вес вопрoса:\r\n"_s + question) << QString();
    QTest::newRow("answer gap") << file(header + u"Q\r\nA) a\r\nC) c*\r\nD) d\r\n"_s) << QString();
    QTest::newRow("one answer past a gap") << file(header + u"Q\r\nB) b*\r\n"_s) << QString();
    QTest::newRow("no answers") << file(header + u"Q\r\n"_s) << QString();
    QTest::newRow("no marked answer") << file(header + u"Q\r\nA) a\r\n"_s) << QString();
    QTest::newRow("answer again, still marked") << file(question + u"A) a2\r\n"_s) << QString();
    QTest::newRow("second mark") << file(question + u"C) c*\r\n"_s) << QString();
    QTest::newRow("star then blanks") << file(question + u"C) c* \r\n"_s) << QString();
    QTest::newRow("text after the answers") << file(question + u"more\r\n"_s) << QString();
    QTest::newRow("answer without text, past D") << file(question + u"C) *\r\nE) e*\r\n"_s) << QString();
    QTest::newRow("question without text") << file(header + u"A) a*\r\n"_s) << QString();
    QTest::newRow("direction mark") << (question + u"\u200F2 - 5\r\n"_s).toUtf8() << QString();
    QTest::newRow("dropped line") << file(question + u"Верно ли\r\n"_s) << QString();
    QTest::newRow("LF and CR alone") << file(question + u"x\ny\rz\r\n"_s) << QString();
    QTest::newRow("control bytes") << QByteArray("x\x01\r\n\x98\r\n\0\r\n") + file(question) << QString();
    QTest::newRow("many control bytes") << QByteArray("\x01\r\n").repeated(12) + file(question) << QString();
    QTest::newRow("past 1000 questions") << file(question.repeated(1001)) << QString();
    QTest::newRow("UTF-8") << (question + u"Ёж\r\n"_s).toUtf8() << QString();
    QTest::newRow("UTF-8 with a mark") << "\xEF\xBB\xBF" + question.toUtf8() << QString();
    QTest::newRow("UTF-16LE") << QByteArray("\xFF\xFE") + QByteArray("x\0", 2) << QString();
    QTest::newRow("UTF-16BE") << QByteArray("\xFE\xFF") + QByteArray("\0x", 2) << QString();
    QTest::newRow("bytes that are no text") << "\xEF\xBB\xBF" + question.toUtf8() + "\xFF\r\n" << QString();
    QTest::newRow("missing") << QByteArray() << QString();
    QTest::newRow("converted") << question.toUtf8() << u"copy.txt"_s;
    QTest::newRow("no Windows-1251 form") << u"A) ✓*\r\n"_s.toUtf8() << u"copy.txt"_s;
    QTest::newRow("not UTF-8") << file(question) << u"copy.txt"_s;
    QTest::newRow("into its input") << question.toUtf8() << u"in.txt"_s;
    // clang-format on
}

void TestCheckFile::inRussian()
{
    QFETCH(QByteArray, bytes);
    QFETCH(QString, convertTo);
    const QString path = m_folder->filePath(u"in.txt"_s);
    if (QTest::currentDataTag() != QByteArrayView("missing"))
        write(u"in.txt"_s, bytes);
    const auto output = [&](QLocale::Language language) {
        useUserLanguage(QLocale(language));
        QStringList lines;
        const PrintLine print = [&](const QString &line) { lines << line; };
        if (convertTo.isEmpty())
            checkFile(path, print);
        else
            convertToCp1251(path, m_folder->filePath(convertTo), print);
        return lines;
    };
    const QStringList russian = output(QLocale::Russian);
    const QStringList english = output(QLocale::English);
    QCOMPARE(russian.size(), english.size());
    for (qsizetype i = 0; i < russian.size(); ++i) {
        // The converter's messages name the copy, too.
        const QString file = russian[i].startsWith(path) ? path : m_folder->filePath(convertTo);
        QCOMPARE(findingPrefix(russian[i], file), findingPrefix(english[i], file));
        QVERIFY2(hasCyrillic(messageWords(russian[i], file)), qPrintable(russian[i]));
        QVERIFY2(!hasCyrillic(messageWords(english[i], file)), qPrintable(english[i]));
    }
}

// --output writes what the console would show, in UTF-8 with a byte-order mark and the system's line ends, after
// the checker's mark.
void TestCheckFile::reportFile()
{
    write(u"data.txt"_s, toWindows1251(u"Title\r\nВес вопроса: 1\r\nA)a"_s));
    const CheckerRun console = runChecker(m_folder->path(), {u"data.txt"_s}, u"ru_RU.UTF-8"_s);
    QCOMPARE(console.status, 1);
    const CheckerRun toFile = runChecker(m_folder->path(), {u"-o"_s, u"отчёт.txt"_s, u"data.txt"_s}, u"ru_RU.UTF-8"_s);
    QCOMPARE(toFile.status, 1);
    QCOMPARE(toFile.output, QByteArray());
    QByteArray expected = QByteArray(console.output).replace("\r\n", "\n");
#ifdef Q_OS_WIN
    expected.replace("\n", "\r\n");
#endif
    const QByteArray written = contents(m_folder->filePath(u"отчёт.txt"_s));
    const QByteArray mark = "\xEF\xBB\xBFtavrelo-check ";
    QVERIFY2(written.startsWith(mark), written.left(60).constData());
    QCOMPARE(written.mid(written.indexOf('\n') + 1), expected);
}

void TestCheckFile::writesNothingOverWhatItHas_data()
{
    QTest::addColumn<QStringList>("arguments"); // "SHORT" stands for the 8.3 name of "длинное имя.txt"
    // What is there before the run: "name" a file of the user's, "name#" one the checker made and the user changed,
    // "name -> target" a symbolic link, "name => target" a hard link, "name/" a folder, "name|" a FIFO, "name!" a
    // character device, "name^" a folder made before that may then not be written.
    QTest::addColumn<QStringList>("present");
    QTest::addColumn<bool>("clash");
    QTest::addColumn<QString>("written"); // without a clash: the file that holds the checker's output afterwards
    QTest::addColumn<bool>("twice");      // run twice: the second run writes over the first one's output

#ifdef Q_OS_WIN
    const bool windows = true;
#else
    const bool windows = false;
#endif
    const QStringList quiz{u"data.txt"_s};
    QStringList chain{u"data.txt"_s, u"l1 -> data.txt"_s};
    for (int i = 2; i <= 45; ++i) // more than any system follows
        chain << u"l%1 -> l%2"_s.arg(i).arg(i - 1);
    // clang-format off
    QTest::newRow("a new report") << QStringList{u"-o"_s, u"report.txt"_s, u"data.txt"_s} << quiz << false
                                  << u"report.txt"_s << false;
    QTest::newRow("the report as the file checked") << QStringList{u"--output"_s, u"data.txt"_s, u"data.txt"_s}
                                                    << quiz << true << QString() << false;
    QTest::newRow("the report as a data.txt not there yet") << QStringList{u"-o"_s, u"data.txt"_s} << QStringList()
                                                            << true << QString() << false;
    QTest::newRow("the copy as the report, neither there yet")
        << QStringList{u"--to-cp1251"_s, u"out.txt"_s, u"-o"_s, u"out.txt"_s, u"data.txt"_s} << quiz << true
        << QString() << false;
    QTest::newRow("the report in another case") << QStringList{u"-o"_s, u"DATA.TXT"_s, u"data.txt"_s} << quiz
                                                << windows << u"DATA.TXT"_s << false;
    QTest::newRow("the copy in another case") << QStringList{u"--to-cp1251"_s, u"Data.txt"_s, u"data.txt"_s} << quiz
                                              << windows << u"Data.txt"_s << false;
    QTest::newRow("the report with a trailing dot") << QStringList{u"-o"_s, u"data.txt."_s, u"data.txt"_s} << quiz
                                                    << windows << u"data.txt."_s << false;
    QTest::newRow("the report by its short name") << QStringList{u"-o"_s, u"SHORT"_s, u"длинное имя.txt"_s}
                                                  << QStringList{u"длинное имя.txt"_s} << true << QString() << false;
    QTest::newRow("a new page") << QStringList{u"--html"_s, u"data.html"_s, u"data.txt"_s} << quiz << false
                                << u"data.html"_s << false;
    QTest::newRow("the page as the report, neither there yet")
        << QStringList{u"--html"_s, u"out.html"_s, u"-o"_s, u"out.html"_s, u"data.txt"_s} << quiz << true
        << QString() << false;
    QTest::newRow("the page over a file it did not make") << QStringList{u"--html"_s, u"data.html"_s, u"data.txt"_s}
                                                          << QStringList{u"data.txt"_s, u"data.html"_s} << true
                                                          << QString() << false;
    QTest::newRow("the report through more links than the system follows")
        << QStringList{u"-o"_s, u"l45"_s, u"data.txt"_s} << chain << true << QString() << false;
    QTest::newRow("a link to nothing, named by another output")
        << QStringList{u"--to-cp1251"_s, u"copy.txt"_s, u"--html"_s, u"page.html"_s, u"data.txt"_s}
        << QStringList{u"data.txt"_s, u"page.html -> copy.txt"_s} << true << QString() << false;
    QTest::newRow(".. after a linked folder")
        << QStringList{u"--convert"_s, u"link/../out.gift"_s, u"-o"_s, u"A/out.gift"_s, u"data.txt"_s}
        << QStringList{u"data.txt"_s, u"A/B/"_s, u"link -> A/B"_s} << true << QString() << false;
    QTest::newRow("an output named as the folder of another")
        << QStringList{u"--to-cp1251"_s, u"out"_s, u"--html"_s, u"out/"_s, u"data.txt"_s} << quiz << true << QString()
        << false;
    QTest::newRow("the report named as the pages' folder")
        << QStringList{u"-o"_s, u"out"_s, u"--html"_s, u"out"_s, u"data.txt"_s, u"b.txt"_s}
        << QStringList{u"data.txt"_s, u"b.txt"_s} << true << QString() << false;
    QTest::newRow("a file in a folder that may not be written")
        << QStringList{u"--replace"_s, u"-o"_s, u"report.txt"_s, u"--to-cp1251"_s, u"ro/copy.txt"_s, u"data.txt"_s}
        << QStringList{u"data.txt"_s, u"ro/"_s, u"ro/copy.txt"_s, u"ro^"_s} << true << QString() << false;
    QTest::newRow("a hard link to the input") << QStringList{u"-o"_s, u"hard.txt"_s, u"data.txt"_s}
                                              << QStringList{u"data.txt"_s, u"hard.txt => data.txt"_s} << true
                                              << QString() << false;
    QTest::newRow("a FIFO as the converted file") << QStringList{u"--convert"_s, u"fifo.txt"_s, u"data.txt"_s}
                                                  << QStringList{u"data.txt"_s, u"fifo.txt|"_s} << true << QString()
                                                  << false;
    QTest::newRow("a FIFO as the page") << QStringList{u"--html"_s, u"fifo.html"_s, u"data.txt"_s}
                                        << QStringList{u"data.txt"_s, u"fifo.html|"_s} << true << QString() << false;
    QTest::newRow("a device as the report") << QStringList{u"-o"_s, u"null"_s, u"data.txt"_s}
                                            << QStringList{u"data.txt"_s, u"null!"_s} << true << QString() << false;
    QTest::newRow("a folder as the report") << QStringList{u"-o"_s, u"folder"_s, u"data.txt"_s}
                                            << QStringList{u"data.txt"_s, u"folder/"_s} << true << QString() << false;
    QTest::newRow("a file of the user's") << QStringList{u"-o"_s, u"notes.txt"_s, u"data.txt"_s}
                                          << QStringList{u"data.txt"_s, u"notes.txt"_s} << true << QString() << false;
    QTest::newRow("a file of the user's, with --replace")
        << QStringList{u"--replace"_s, u"-o"_s, u"notes.txt"_s, u"data.txt"_s}
        << QStringList{u"data.txt"_s, u"notes.txt"_s} << false << u"notes.txt"_s << false;
    QTest::newRow("a file the checker made, changed since") << QStringList{u"-o"_s, u"report.txt"_s, u"data.txt"_s}
                                                            << QStringList{u"data.txt"_s, u"report.txt#"_s} << true
                                                            << QString() << false;
    QTest::newRow("its own report again") << QStringList{u"-o"_s, u"report.txt"_s, u"data.txt"_s} << quiz << false
                                          << u"report.txt"_s << true;
    QTest::newRow("its own GIFT again") << QStringList{u"--convert"_s, u"out.gift"_s, u"data.txt"_s} << quiz << false
                                        << u"out.gift"_s << true;
    QTest::newRow("its own Windows-1251 copy again") << QStringList{u"--to-cp1251"_s, u"copy.txt"_s, u"data.txt"_s}
                                                     << quiz << false << u"copy.txt"_s << true;
    QTest::newRow("its own Aiken file again") << QStringList{u"--convert"_s, u"out.aiken"_s, u"--format"_s,
                                                             u"aiken"_s, u"data.txt"_s}
                                              << quiz << true << QString() << true;
    QTest::newRow("a device name of Windows") << QStringList{u"-o"_s, u"NUL"_s, u"data.txt"_s} << quiz << windows
                                              << u"NUL"_s << false;
    QTest::newRow("a device name of Windows with an extension") << QStringList{u"-o"_s, u"CON.txt"_s, u"data.txt"_s}
                                                                << quiz << windows << u"CON.txt"_s << false;
    QTest::newRow("two files of one name into one folder")
        << QStringList{u"--html"_s, u"pages"_s, u"data.txt"_s, u"sub/data.txt"_s}
        << QStringList{u"data.txt"_s, u"sub/"_s, u"sub/data.txt"_s} << false << u"pages/data-2.html"_s << false;
    QTest::newRow("a file named twice") << QStringList{u"--html"_s, u"pages"_s, u"data.txt"_s, u"./data.txt"_s}
                                        << quiz << false << u"pages/data.html"_s << false;
    QTest::newRow("several files and a page's name")
        << QStringList{u"--html"_s, u"out.html"_s, u"data.txt"_s, u"other.txt"_s}
        << QStringList{u"data.txt"_s, u"other.txt"_s} << true << QString() << false;
    QTest::newRow("an empty page name") << QStringList{u"--html"_s, QString(), u"data.txt"_s} << quiz << true
                                        << QString() << false;
    // clang-format on
}

namespace {

// What a folder holds, all the way down and links unfollowed: each entry's kind and what it holds or names.
QStringList folderState(const QString &folder)
{
    QStringList state;
    QDirIterator entries(folder, QDir::AllEntries | QDir::System | QDir::Hidden | QDir::NoDotAndDotDot,
                         QDirIterator::Subdirectories);
    while (entries.hasNext()) {
        const QFileInfo entry(entries.next());
        const QString name = QDir(folder).relativeFilePath(entry.filePath());
        if (entry.isSymLink())
            state << name + u" -> "_s + entry.symLinkTarget();
        else if (entry.isDir())
            state << name + u'/';
        else if (entry.isFile())
            state << name + u": "_s + QString::fromLatin1(contents(entry.filePath()).toHex());
        else
            state << name + u" (other)"_s;
    }
    state.sort();
    return state;
}

// Makes what the row names, or says why it cannot be made here.
QString make(const QString &folder, const QString &entry)
{
    const qsizetype link = qMax(entry.indexOf(u" -> "_s), entry.indexOf(u" => "_s));
    const QString path = folder + u'/' + (link > 0 ? entry.left(link) : entry);
    if (const qsizetype arrow = entry.indexOf(u" -> "_s); arrow > 0) {
#ifdef Q_OS_WIN
        return u"Windows makes no symbolic link without a privilege"_s;
#else
        return QFile::link(entry.mid(arrow + 4), path) ? QString() : u"no link"_s;
#endif
    }
    if (const qsizetype arrow = entry.indexOf(u" => "_s); arrow > 0) {
#ifdef Q_OS_WIN
        return u"a hard link is made on Linux only"_s;
#else
        return ::link(QFile::encodeName(folder + u'/' + entry.mid(arrow + 4)).constData(),
                      QFile::encodeName(path).constData())
                    == 0
                 ? QString()
                 : u"no hard link"_s;
#endif
    }
    if (entry.endsWith(u'/'))
        return QDir().mkpath(path) ? QString() : u"no folder"_s;
    if (entry.endsWith(u'^')) {
#ifdef Q_OS_WIN
        return u"a folder's read-only attribute refuses nothing on Windows"_s;
#else
        if (::geteuid() == 0)
            return u"root writes into any folder"_s;
        return QFile::setPermissions(path.chopped(1), QFile::ReadOwner | QFile::ExeOwner) ? QString()
                                                                                          : u"no read-only folder"_s;
#endif
    }
    if (entry.endsWith(u'|') || entry.endsWith(u'!')) {
#ifdef Q_OS_WIN
        return u"Windows has no FIFO or device in a folder"_s;
#else
        const QByteArray name = QFile::encodeName(path.chopped(1));
        if (entry.endsWith(u'|'))
            return ::mkfifo(name.constData(), 0600) == 0 ? QString() : u"no FIFO"_s;
        return ::mknod(name.constData(), S_IFCHR | 0666, makedev(1, 3)) == 0
                 ? QString()
                 : u"only root makes a device: %1"_s.arg(qt_error_string(errno));
#endif
    }
    if (entry.endsWith(u'#')) {
        support::writeFile(path.chopped(1), "\xEF\xBB\xBFtavrelo-check 1.0.0 #0123456789abcdef\n" + Quiz.toUtf8());
        return {};
    }
    support::writeFile(path, Quiz.toUtf8());
    return {};
}

} // namespace

// Every file a run writes is found as the system will find it, must be a regular file or none, and is compared with
// every file it reads and every other file it writes, before anything is written, however the names are spelt; a
// file of the user's is replaced only with --replace. A refusal ends the run with status 2 and leaves everything
// as it was.
void TestCheckFile::writesNothingOverWhatItHas()
{
    QFETCH(QStringList, arguments);
    QFETCH(QStringList, present);
    QFETCH(bool, clash);
    QFETCH(QString, written);
    QFETCH(bool, twice);
    for (const QString &entry : present) {
        if (const QString why = make(m_folder->path(), entry); !why.isEmpty())
            QSKIP(qPrintable(why));
    }
    if (const qsizetype at = arguments.indexOf(u"SHORT"_s); at >= 0) {
#ifdef Q_OS_WIN
        wchar_t shortPath[MAX_PATH];
        const QString longPath = QDir::toNativeSeparators(m_folder->filePath(present.first()));
        const DWORD length = GetShortPathNameW(reinterpret_cast<const wchar_t *>(longPath.utf16()), shortPath,
                                               MAX_PATH);
        QVERIFY(length > 0 && length < MAX_PATH);
        arguments[at] = QFileInfo(QString::fromWCharArray(shortPath, int(length))).fileName();
        QVERIFY(arguments[at] != present.first());
#else
        QSKIP("only Windows gives files a second, short name");
#endif
    }
    if (twice) {
        const CheckerRun first = runChecker(m_folder->path(), arguments);
        QVERIFY(first.status == 0 || first.status == 1);
    }
    const QStringList before = folderState(m_folder->path());
    // A checker that opened a FIFO would wait for ever: the run is ended after a while, and fails.
    const CheckerRun run = runChecker(m_folder->path(), arguments);
    for (const QString &entry : present) {
        if (entry.endsWith(u'^'))
            QFile::setPermissions(m_folder->filePath(entry.chopped(1)),
                                  QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
    }
    if (clash) {
        QCOMPARE(run.status, 2);
        QCOMPARE(folderState(m_folder->path()), before);
        return;
    }
    QVERIFY2(run.status == 0 || run.status == 1, run.output.constData());
    const QByteArray output = contents(m_folder->filePath(written));
    QVERIFY2(output.left(100).contains("tavrelo-check"), output.left(100).constData());
    if (twice)
        QCOMPARE(folderState(m_folder->path()), before); // the same output again, in the same place
}

void TestCheckFile::waitBeforeClosing_data()
{
    QTest::addColumn<int>("processes");
    QTest::addColumn<bool>("inputIsConsole");
    QTest::addColumn<bool>("outputIsConsole");
    QTest::addColumn<bool>("waits");

    // clang-format off
    QTest::newRow("started from Explorer")   << 1 << true  << true  << true;
    QTest::newRow("from a command prompt")   << 2 << true  << true  << false;
    QTest::newRow("input from a pipe")       << 1 << false << true  << false;
    QTest::newRow("output redirected")       << 1 << true  << false << false;
    QTest::newRow("no console")              << 0 << false << false << false;
    // clang-format on
}

void TestCheckFile::waitBeforeClosing()
{
    QFETCH(int, processes);
    QFETCH(bool, inputIsConsole);
    QFETCH(bool, outputIsConsole);
    QFETCH(bool, waits);
    QCOMPARE(waitsBeforeClosing({processes, inputIsConsole, outputIsConsole}), waits);
}

QTEST_GUILESS_MAIN(TestCheckFile)
#include "tst_check_file.moc"
