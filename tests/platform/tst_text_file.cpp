// SPDX-FileCopyrightText: 2026 The Tavrelo developers
// SPDX-License-Identifier: MIT
#include "platform/core/runtime_error.h"
#include "platform/core/text_file.h"
#include "tests/support/buffer_stream.h"
#include "tests/support/question_file.h"
#include "tests/support/run_time_error.h"
#include "tests/support/unreadable_file.h"

#include <QDir>
#include <QFile>
#include <QStringEncoder>
#include <QTest>

#include <optional>

#ifndef Q_OS_WIN
#include <unistd.h>
#endif

using namespace Qt::StringLiterals;
using platform::TextStream;

namespace {

// Hands out its bytes, then fails as a disk would once `failAfter` bytes have been read.
class FailingDevice final : public QIODevice {
public:
    FailingDevice(QByteArray data, qint64 failAfter) : m_data(std::move(data)), m_failAfter(failAfter)
    {
        open(QIODevice::ReadOnly | QIODevice::Unbuffered);
    }

    bool isSequential() const override { return true; }

protected:
    qint64 readData(char *out, qint64 maxSize) override
    {
        if (m_pos >= m_failAfter)
            return -1;
        const qint64 n = qMin(maxSize, qMin(m_failAfter, qint64(m_data.size())) - m_pos);
        std::memcpy(out, m_data.constData() + m_pos, size_t(n));
        m_pos += n;
        return n;
    }
    qint64 writeData(const char *, qint64) override { return -1; }

private:
    QByteArray m_data;
    qint64 m_failAfter;
    qint64 m_pos = 0;
};

QStringList readAll(TextStream &stream)
{
    QStringList lines;
    while (!stream.AtEndOfStream())
        lines << stream.ReadLine();
    return lines;
}

QStringList readAll(const QByteArray &bytes, qsizetype chunkSize)
{
    support::BufferStream source(bytes, chunkSize);
    return readAll(source.stream());
}

QChar endLetter(platform::LineEnd end)
{
    switch (end) {
    case platform::LineEnd::CrLf: return u'c';
    case platform::LineEnd::Lf: return u'l';
    case platform::LineEnd::Cr: return u'r';
    case platform::LineEnd::None: break;
    }
    return u'n';
}

} // namespace

class TestTextFile : public QObject {
    Q_OBJECT

private slots:
    void init();

    void lines_data();
    void lines();
    void lineEnds_data();
    void lineEnds();
    void encodings_data();
    void encodings();
    void crLfAcrossChunks_data();
    void crLfAcrossChunks();
    void longLineFromFile();
    void linesInPieces_data();
    void linesInPieces();
    void readPastEnd();
    void closeEndsTheStream();
    void deviceFailure_data();
    void deviceFailure();
    void unreadableFile();
    void openErrors_data();
    void openErrors();
    void permissionDenied();
    void fileExists_data();
    void fileExists();

private:
    QString write(const QString &name, const QByteArray &bytes) { return m_folder->write(name, bytes); }

    std::optional<support::TestFolder> m_folder;
};

void TestTextFile::init()
{
    m_folder.emplace();
}

void TestTextFile::lines_data()
{
    QTest::addColumn<QByteArray>("bytes");
    QTest::addColumn<qsizetype>("chunkSize");
    QTest::addColumn<QStringList>("expected");

    const struct {
        const char *name;
        QByteArray bytes;
        QStringList expected;
    } cases[] = {
        {"empty file", {}, {}},
        {"one line, no terminator", "abc", {u"abc"_s}},
        {"final CR LF adds no line", "abc\r\n", {u"abc"_s}},
        {"CR LF lines", "ab\r\ncd\r\nef", {u"ab"_s, u"cd"_s, u"ef"_s}},
        {"LF only", "ab\ncd\n", {u"ab"_s, u"cd"_s}},
        {"CR only", "ab\rcd\r", {u"ab"_s, u"cd"_s}},
        {"mixed", "a\r\nb\nc\rd", {u"a"_s, u"b"_s, u"c"_s, u"d"_s}},
        {"empty lines", "\r\n\r\nx\r\n\r\n", {QString(), QString(), u"x"_s, QString()}},
        {"LF CR is two terminators", "a\n\rb", {u"a"_s, QString(), u"b"_s}},
        {"CR CR LF", "a\r\r\nb", {u"a"_s, QString(), u"b"_s}},
        {"trailing lone CR", "a\r\r", {u"a"_s, QString()}},
        {"NUL bytes are characters", QByteArray("a\0b\r\n\0", 6), {u"a\0b"_s, QString(QChar(0))}},
        {"Cyrillic bytes", "\xC2\xE5\xF1\r\n\xFF", {u"Вес"_s, u"я"_s}},
        {"spaces and tabs kept", " \tx \r\n", {u" \tx "_s}},
    };
    for (const auto &row : cases) {
        for (const qsizetype chunk : {qsizetype(1), qsizetype(2), qsizetype(3), TextStream::DefaultChunkSize})
            QTest::addRow("%s, chunk %lld", row.name, qlonglong(chunk)) << row.bytes << chunk << row.expected;
    }
}

void TestTextFile::lines()
{
    QFETCH(QByteArray, bytes);
    QFETCH(qsizetype, chunkSize);
    QFETCH(QStringList, expected);
    QCOMPARE(readAll(bytes, chunkSize), expected);
}

void TestTextFile::lineEnds_data()
{
    QTest::addColumn<QByteArray>("bytes");
    QTest::addColumn<qsizetype>("chunkSize");
    QTest::addColumn<QString>("ends"); // one letter per line: c CR LF, l LF, r CR, n none

    const struct {
        const char *name;
        QByteArray bytes;
        QString ends;
    } cases[] = {
        {"CR LF", "ab\r\ncd\r\n", u"cc"_s},
        {"last line without a terminator", "ab\r\ncd", u"cn"_s},
        {"one character, no terminator", "x", u"n"_s},
        {"mixed", "a\r\nb\nc\rd", u"clrn"_s},
        {"empty lines", "\r\n\n\r\r\n", u"clrc"_s},
        {"LF CR", "a\n\rb", u"lrn"_s},
        {"CR CR LF", "a\r\r\n", u"rc"_s},
        {"trailing lone CR", "a\r\r", u"rr"_s},
    };
    for (const auto &row : cases) {
        for (const qsizetype chunk : {qsizetype(1), qsizetype(2), qsizetype(3), TextStream::DefaultChunkSize})
            QTest::addRow("%s, chunk %lld", row.name, qlonglong(chunk)) << row.bytes << chunk << row.ends;
    }
}

void TestTextFile::lineEnds()
{
    QFETCH(QByteArray, bytes);
    QFETCH(qsizetype, chunkSize);
    QFETCH(QString, ends);

    support::BufferStream source(bytes, chunkSize);
    TextStream &stream = source.stream();
    QString seen;
    while (!stream.AtEndOfStream()) {
        stream.readLineView();
        seen += endLetter(stream.lastLineEnd());
    }
    QCOMPARE(seen, ends);
}

void TestTextFile::encodings_data()
{
    QTest::addColumn<QByteArray>("bytes");
    QTest::addColumn<qsizetype>("chunkSize");
    QTest::addColumn<int>("encoding");
    QTest::addColumn<QStringList>("expected");

    const auto utf16 = [](const QString &text, QStringEncoder::Encoding order) {
        return QByteArray(QStringEncoder(order, QStringEncoder::Flag::WriteBom)(text));
    };
    const QString math = u"Вес вопроса: 1\r\nπ ≤ √2, x² → ∞ 😀\nĊ\r"_s;
    const QStringList mathLines{u"Вес вопроса: 1"_s, u"π ≤ √2, x² → ∞ 😀"_s, u"Ċ"_s};
    // Longer than a piece read in small chunks, so that pieces end inside characters of two, three and four bytes.
    const QString longLine = u"ж√😀"_s.repeated(40);
    // Runs of Cyrillic of every length between spaces and punctuation, as 16-byte blocks meet them.
    const QString prose = u"Съешь же ещё этих мягких французских булок, да выпей чаю. Ёж: «ЮЯ»!"_s.repeated(9);
    const QString fffd(1, QChar(0xFFFD));
    using E = platform::TextEncoding;
    const struct {
        const char *name;
        QByteArray bytes;
        E encoding;
        QStringList expected;
    } cases[] = {
        {"UTF-8", math.toUtf8(), E::Utf8, mathLines},
        {"UTF-8 with a mark, the header on line 1", "\xEF\xBB\xBF" + math.toUtf8(), E::Utf8WithMark, mathLines},
        // U+010A is the bytes 0A 01 in UTF-16LE: no line end.
        {"UTF-16LE", utf16(math, QStringEncoder::Utf16LE), E::Utf16LE, mathLines},
        {"UTF-16BE", utf16(math, QStringEncoder::Utf16BE), E::Utf16BE, mathLines},
        {"long UTF-8 line", (longLine + u"\r\nx"_s).toUtf8(), E::Utf8, {longLine, u"x"_s}},
        {"long UTF-16 line", utf16(longLine, QStringEncoder::Utf16LE), E::Utf16LE, {longLine}},
        {"Russian prose", (prose + u"\n"_s + prose.mid(1)).toUtf8(), E::Utf8, {prose, prose.mid(1)}},
        {"ASCII reads as UTF-8", "A) x*\r\n", E::Utf8, {u"A) x*"_s}},
        {"empty", {}, E::Utf8, {}},
        {"only a mark", "\xEF\xBB\xBF", E::Utf8WithMark, {}},
        // "ДЁ" in Windows-1251 is well-formed UTF-8; the Windows-1251 header far below it is not.
        {"Windows-1251 that opens as UTF-8",
         "\xC4\xA8\r\n" + QByteArray(70000, 'x') + "\r\n\xC2\xE5\xF1",
         E::Windows1251,
         {u"ДЁ"_s, QString(70000, u'x'), u"Вес"_s}},
        {"UTF-8 cut short at the end", "\xD0\x96\xD0", E::Windows1251, {u"Р–Р"_s}},
        {"ill-formed UTF-8 after a mark",
         "\xEF\xBB\xBF"
         "a\xC0"
         "b\xE2\x82"
         "c\xED\xA0\x80"
         "d\xF4\x90\r\n\xE2\x82",
         E::Utf8WithMark,
         {u"a"_s + fffd + u"b"_s + fffd + u"c"_s + fffd.repeated(3) + u"d"_s + fffd.repeated(2), fffd}},
        {"odd UTF-16 byte count",
         QByteArray("\xFF\xFE"
                    "A\0B",
                    5),
         E::Utf16LE,
         {u"A"_s + fffd}},
        {"unpaired UTF-16 surrogates",
         QByteArray("\xFF\xFE\x00\xD8"
                    "A\0\x00\xDC\x3D\xD8",
                    10),
         E::Utf16LE,
         {fffd + u"A"_s + fffd + fffd}},
        {"NUL characters", QByteArray("\xFE\xFF\0\0\0\n\0\0", 8), E::Utf16BE, {QString(QChar(0)), QString(QChar(0))}},
    };
    for (const auto &row : cases) {
        for (const qsizetype chunk : {qsizetype(1), qsizetype(2), qsizetype(3), TextStream::DefaultChunkSize})
            QTest::addRow("%s, chunk %lld", row.name, qlonglong(chunk))
                << row.bytes << chunk << int(row.encoding) << row.expected;
    }
}

void TestTextFile::encodings()
{
    QFETCH(QByteArray, bytes);
    QFETCH(qsizetype, chunkSize);
    QFETCH(int, encoding);
    QFETCH(QStringList, expected);
    support::BufferStream source(bytes, chunkSize);
    QCOMPARE(readAll(source.stream()), expected);
    QCOMPARE(int(source.stream().encoding()), encoding);
    // Read in pieces, every piece holds whole characters and enough of them to tell a line's class.
    support::BufferStream pieces(bytes, chunkSize);
    QStringList lines{QString()};
    while (!pieces.stream().AtEndOfStream()) {
        const QStringView piece = pieces.stream().readLinePiece();
        QVERIFY(piece.isEmpty() || !piece.front().isLowSurrogate());
        QVERIFY(piece.isEmpty() || !piece.back().isHighSurrogate());
        lines.back() += piece;
        if (pieces.stream().atEndOfLine())
            lines << QString();
        else
            QCOMPARE_GE(piece.size(), TextStream::MinimumPiece);
    }
    lines.removeLast();
    QCOMPARE(lines, expected);
}

void TestTextFile::crLfAcrossChunks_data()
{
    QTest::addColumn<bool>("fromFile");
    QTest::newRow("buffer") << false;
    QTest::newRow("file") << true;
}

void TestTextFile::crLfAcrossChunks()
{
    QFETCH(bool, fromFile);
    // The CR is the last byte of the first chunk, its LF the first of the second.
    const QByteArray first(TextStream::DefaultChunkSize - 1, 'x');
    const QByteArray bytes = first + "\r\ny\r\n";
    const QStringList expected = {QString::fromLatin1(first), u"y"_s};
    if (fromFile) {
        auto stream = platform::OpenTextFile(write(u"split.txt"_s, bytes));
        QCOMPARE(readAll(*stream), expected);
    } else {
        QCOMPARE(readAll(bytes, TextStream::DefaultChunkSize), expected);
    }
}

void TestTextFile::longLineFromFile()
{
    QByteArray longLine(1024 * 1024, '\xE0');
    longLine[500000] = '\0';
    auto stream = platform::OpenTextFile(write(u"long.txt"_s, "a\r\n" + longLine + "\r\nb"));
    QCOMPARE(stream->ReadLine(), u"a"_s);
    const QString line = stream->ReadLine();
    QCOMPARE(line.size(), longLine.size());
    QCOMPARE(line.count(u'а'), longLine.size() - 1);
    QCOMPARE(line.at(500000), QChar(0));
    QCOMPARE(stream->ReadLine(), u"b"_s);
    QVERIFY(stream->AtEndOfStream());
}

void TestTextFile::linesInPieces_data()
{
    QTest::addColumn<QByteArray>("bytes");
    QTest::addColumn<QStringList>("expected");
    // Windows-1251 letters, one byte each: a piece of MinimumPiece bytes is MinimumPiece characters.
    const QByteArray x16(TextStream::MinimumPiece, '\xE6');
    const QString s16(TextStream::MinimumPiece, u'ж');
    QTest::newRow("shorter than a piece") << QByteArray("ab\r\ncd") << QStringList{u"ab"_s, u"cd"_s};
    QTest::newRow("exactly a piece, then CR LF") << x16 + "\r\n" << QStringList{s16};
    QTest::newRow("two pieces and a bit") << x16 + x16 + "y\rz" << QStringList{s16 + s16 + u"y"_s, u"z"_s};
    QTest::newRow("pieces to the very end, no terminator") << x16 + x16 << QStringList{s16 + s16};
    QTest::newRow("CR LF right after a piece") << x16 + "\r\n\r\n" << QStringList{s16, QString()};
}

// With chunks of one byte every line comes in pieces of MinimumPiece characters, but its last one.
void TestTextFile::linesInPieces()
{
    QFETCH(QByteArray, bytes);
    QFETCH(QStringList, expected);
    support::BufferStream source(bytes, 1);
    TextStream &stream = source.stream();
    QStringList lines;
    while (!stream.AtEndOfStream()) {
        QString line;
        for (;;) {
            const QStringView piece = stream.readLinePiece();
            line += piece;
            if (stream.atEndOfLine())
                break;
            QCOMPARE(piece.size(), TextStream::MinimumPiece);
        }
        lines << line;
    }
    QCOMPARE(lines, expected);
    QCOMPARE(support::errorNumberOf([&] { stream.readLinePiece(); }), 62);
}

void TestTextFile::readPastEnd()
{
    for (const QByteArray &bytes : {QByteArray(), QByteArray("last\r\n")}) {
        support::BufferStream source(bytes);
        TextStream &stream = source.stream();
        readAll(stream);
        QVERIFY(stream.AtEndOfStream());
        QCOMPARE(support::errorNumberOf([&] { stream.ReadLine(); }), 62);
        try {
            stream.ReadLine();
        } catch (const platform::RuntimeError &error) {
            QCOMPARE(error.Description(), u"Input past end of file"_s);
        }
    }
}

void TestTextFile::closeEndsTheStream()
{
    auto stream = platform::OpenTextFile(write(u"two.txt"_s, "one\r\ntwo\r\n"));
    QCOMPARE(stream->ReadLine(), u"one"_s);
    stream->Close();
    QVERIFY(stream->AtEndOfStream());
    QCOMPARE(support::errorNumberOf([&] { stream->ReadLine(); }), 62);
    stream->Close(); // twice is harmless
}

void TestTextFile::deviceFailure_data()
{
    QTest::addColumn<qint64>("failAfter");
    QTest::addColumn<qsizetype>("chunkSize");
    QTest::addColumn<QStringList>("before");

    QTest::newRow("at once") << qint64(0) << TextStream::DefaultChunkSize << QStringList();
    QTest::newRow("inside the second line") << qint64(6) << TextStream::DefaultChunkSize << QStringList{u"ab"_s};
    QTest::newRow("inside the second line, small chunks") << qint64(6) << qsizetype(2) << QStringList{u"ab"_s};
    QTest::newRow("before the last line's end") << qint64(9) << qsizetype(4) << QStringList{u"ab"_s, u"cd"_s};
}

void TestTextFile::deviceFailure()
{
    QFETCH(qint64, failAfter);
    QFETCH(qsizetype, chunkSize);
    QFETCH(QStringList, before);

    FailingDevice device("ab\r\ncd\r\nef", failAfter);
    TextStream stream(device, chunkSize);
    QStringList lines;
    try {
        while (!stream.AtEndOfStream())
            lines << stream.ReadLine();
        QFAIL("the failure went unnoticed");
    } catch (const platform::RuntimeError &error) {
        QCOMPARE(error.Number(), 57);
        QCOMPARE(error.Description(), u"Device I/O error"_s);
    }
    QCOMPARE(lines, before);
}

void TestTextFile::unreadableFile()
{
    const QString path = m_folder->filePath(u"data.txt"_s);
    const support::UnreadableFile unreadable(path);
    QVERIFY(unreadable.made());
    QVERIFY(platform::FileExists(path));
    QCOMPARE(support::errorNumberOf([&] { platform::OpenTextFile(path)->AtEndOfStream(); }),
             support::UnreadableFile::error().number);
}

void TestTextFile::openErrors_data()
{
    QTest::addColumn<QString>("name");
    QTest::addColumn<int>("number");
    QTest::addColumn<QString>("description");
    QTest::newRow("missing") << u"missing.txt"_s << 53 << u"File not found"_s;
    QTest::newRow("in a missing folder") << u"nowhere/data.txt"_s << 53 << u"File not found"_s;
    QTest::newRow("folder") << u"folder.txt"_s << 75 << u"Path/File access error"_s;
}

void TestTextFile::openErrors()
{
    QFETCH(QString, name);
    QFETCH(int, number);
    QFETCH(QString, description);
    QVERIFY(QDir(m_folder->path()).mkdir(u"folder.txt"_s));
    const QString path = m_folder->filePath(name);
    try {
        platform::OpenTextFile(path);
        QFAIL("opened");
    } catch (const platform::RuntimeError &error) {
        QCOMPARE(error.Number(), number);
        QCOMPARE(error.Description(), description);
    }
    QVERIFY(!QFileInfo(path).isFile()); // never created
}

void TestTextFile::permissionDenied()
{
#ifdef Q_OS_WIN
    QSKIP("Qt takes no read permission away on Windows; unreadableFile is the Windows case");
#else
    if (geteuid() == 0)
        QSKIP("file permissions do not bind root");
#endif
    const QString path = write(u"secret.txt"_s, "x");
    QVERIFY(QFile::setPermissions(path, QFileDevice::WriteOwner));
    QCOMPARE(support::errorNumberOf([&] { platform::OpenTextFile(path); }), 70);
}

void TestTextFile::fileExists_data()
{
    QTest::addColumn<QString>("name");
    QTest::addColumn<bool>("exists");
    QTest::newRow("regular file") << u"file.txt"_s << true;
    QTest::newRow("empty file") << u"empty.txt"_s << true;
    QTest::newRow("missing") << u"missing.txt"_s << false;
    QTest::newRow("folder") << u"folder.txt"_s << false;
#ifndef Q_OS_WIN // QFile::link makes shell shortcuts there, which are files of their own
    QTest::newRow("link to a file") << u"file-link.txt"_s << true;
    QTest::newRow("link to a folder") << u"folder-link.txt"_s << false;
    QTest::newRow("dangling link") << u"dangling.txt"_s << false;
#endif
    QTest::newRow("empty name") << QString() << false;
}

void TestTextFile::fileExists()
{
    QFETCH(QString, name);
    QFETCH(bool, exists);
    const QString file = write(u"file.txt"_s, "x");
    write(u"empty.txt"_s, {});
    QVERIFY(QDir(m_folder->path()).mkdir(u"folder.txt"_s));
#ifndef Q_OS_WIN
    QVERIFY(QFile::link(file, m_folder->filePath(u"file-link.txt"_s)));
    QVERIFY(QFile::link(m_folder->filePath(u"folder.txt"_s), m_folder->filePath(u"folder-link.txt"_s)));
    QVERIFY(QFile::link(m_folder->filePath(u"gone.txt"_s), m_folder->filePath(u"dangling.txt"_s)));
#endif
    QCOMPARE(platform::FileExists(name.isEmpty() ? name : m_folder->filePath(name)), exists);
}

QTEST_GUILESS_MAIN(TestTextFile)
#include "tst_text_file.moc"
