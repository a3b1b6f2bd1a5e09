// SPDX-FileCopyrightText: 2026 The Tavrelo developers
// SPDX-License-Identifier: MIT
#include "bank/question_bank.h"
#include "bank/question_reader.h"
#include "platform/core/text_file.h"

#include "tests/support/bank_contents.h"
#include "tests/support/buffer_stream.h"
#include "tests/support/encoded_text.h"
#include "tests/support/windows1251.h"

#include <QTest>

using namespace Qt::StringLiterals;
using support::filledFields;
using support::toWindows1251;

namespace {

const QString Header = u"Вес вопроса:"_s;

QByteArray file(const QStringList &lines)
{
    return toWindows1251(lines.join(u"\r\n"_s));
}

struct Loaded {
    QStringList filled;
    qint16 count = 0;
    QList<qint16> headers;
    bool cut = false;
    QString nextLine; // the first line left unread, if any
};

Loaded load(const QByteArray &bytes, qsizetype chunkSize = platform::TextStream::DefaultChunkSize)
{
    support::BufferStream source(bytes, chunkSize);
    platform::TextStream &stream = source.stream();
    QuestionBank bank;
    Loaded loaded;
    const auto onHeader = [&](qint16 n) { loaded.headers << n; };
    loaded.cut = readQuestions(stream, bank, loaded.count, onHeader).cut;
    loaded.filled = filledFields(bank);
    if (!stream.AtEndOfStream())
        loaded.nextLine = stream.ReadLine();
    return loaded;
}

} // namespace

class TestQuestionReader : public QObject {
    Q_OBJECT

private slots:
    void lineClasses_data();
    void lineClasses();
    void workedExample();
    void capacity_data();
    void capacity();
    void linesInPieces_data();
    void linesInPieces();
    void longLinesKeepLittleRoom_data();
    void longLinesKeepLittleRoom();
};

void TestQuestionReader::lineClasses_data()
{
    QTest::addColumn<QByteArray>("bytes");
    QTest::addColumn<int>("count");
    QTest::addColumn<QStringList>("filled");

    const QString H = Header;
    QTest::newRow("header with weight") << file({H + u" 10"_s, u"Q"_s}) << 1 << QStringList{u"1.0=\r\nQ"_s};
    QTest::newRow("header without weight") << file({H, u"Q"_s}) << 1 << QStringList{u"1.0=\r\nQ"_s};
    QTest::newRow("header with text after the colon") << file({H + u"x*"_s}) << 1 << QStringList();
    QTest::newRow("header after header") << file({H, H, u"Q"_s}) << 2 << QStringList{u"2.0=\r\nQ"_s};
    QTest::newRow("header as raw bytes") << QByteArray("\xC2\xE5\xF1\x20\xE2\xEE\xEF\xF0\xEE\xF1\xE0\x3A\r\nQ") << 1
                                         << QStringList{u"1.0=\r\nQ"_s};
    QTest::newRow("space before the colon is dropped")
        << file({H, u"one"_s, u"Вес вопроса :"_s, u"two"_s}) << 1 << QStringList{u"1.0=\r\none\r\ntwo"_s};
    QTest::newRow("header cut short is dropped")
        << file({H, u"one"_s, u"Вес вопрос"_s, u"two"_s}) << 1 << QStringList{u"1.0=\r\none\r\ntwo"_s};
    QTest::newRow("lower-case header is text") << file({H, u"one"_s, u"вес вопроса:"_s, u"two"_s}) << 1
                                               << QStringList{u"1.0=\r\none\r\nвес вопроса:\r\ntwo"_s};
    QTest::newRow("Ve line dropped") << file({H, u"Верно ли, что"_s, u"Q"_s}) << 1 << QStringList{u"1.0=\r\nQ"_s};
    QTest::newRow("Ve alone dropped") << file({H, u"Ве"_s}) << 1 << QStringList();
    QTest::newRow("single Ve letter is text") << file({H, u"В"_s}) << 1 << QStringList{u"1.0=\r\nВ"_s};
    QTest::newRow("Ve and another letter is text") << file({H, u"Вопрос"_s}) << 1 << QStringList{u"1.0=\r\nВопрос"_s};
    QTest::newRow("Latin answers") << file({H, u"A)a"_s, u"B)b"_s, u"C)c"_s, u"D)d"_s}) << 1
                                   << QStringList{u"1.1=A)a"_s, u"1.2=B)b"_s, u"1.3=C)c"_s, u"1.4=D)d"_s};
    QTest::newRow("answers out of order with a gap")
        << file({H, u"D)d"_s, u"A)a"_s}) << 1 << QStringList{u"1.1=A)a"_s, u"1.4=D)d"_s};
    // Cyrillic А, В, С, а by their bytes: text, not answers.
    QTest::newRow("Cyrillic look-alikes") << toWindows1251(H) + "\r\n\xC0)x\r\n\xC2)x\r\n\xD1)x\r\n\xE0)x" << 1
                                          << QStringList{u"1.0=\r\nА)x\r\nВ)x\r\nС)x\r\nа)x"_s};
    QTest::newRow("not quite answers") << file({H, u" A)x"_s, u"a)x"_s, u"A"_s, u"A(x"_s, u"E)x"_s, u"*"_s}) << 1
                                       << QStringList{u"1.0=\r\n A)x\r\na)x\r\nA\r\nA(x\r\nE)x\r\n*"_s};
    QTest::newRow("marker and star only") << file({H, u"B)*"_s}) << 1 << QStringList{u"1.2=B)"_s, u"1.5=2"_s};
    QTest::newRow("A marked") << file({H, u"A)x*"_s}) << 1 << QStringList{u"1.1=A)x"_s, u"1.5=1"_s};
    QTest::newRow("star then space marks nothing") << file({H, u"C)x* "_s}) << 1 << QStringList{u"1.3=C)x* "_s};
    QTest::newRow("star inside stays") << file({H, u"C)x*y"_s}) << 1 << QStringList{u"1.3=C)x*y"_s};
    QTest::newRow("only one star cut") << file({H, u"D)x**"_s}) << 1 << QStringList{u"1.4=D)x*"_s, u"1.5=4"_s};
    QTest::newRow("two marked answers") << file({H, u"A)a*"_s, u"C)c*"_s}) << 1
                                        << QStringList{u"1.1=A)a"_s, u"1.3=C)c"_s, u"1.5=3"_s};
    QTest::newRow("later mark wins, also backwards")
        << file({H, u"C)c*"_s, u"A)a*"_s}) << 1 << QStringList{u"1.1=A)a"_s, u"1.3=C)c"_s, u"1.5=1"_s};
    QTest::newRow("repeated marker replaces, mark stays")
        << file({H, u"A)one*"_s, u"A)two"_s}) << 1 << QStringList{u"1.1=A)two"_s, u"1.5=1"_s};
    QTest::newRow("text after D)") << file({H, u"Q"_s, u"D)d"_s, u"more"_s}) << 1
                                   << QStringList{u"1.0=\r\nQ\r\nmore"_s, u"1.4=D)d"_s};
    QTest::newRow("blank line joins the question before")
        << file({H, u"Q"_s, QString(), H}) << 2 << QStringList{u"1.0=\r\nQ\r\n"_s};
    QTest::newRow("spaces and tabs kept") << file({H, u" Q\t"_s}) << 1 << QStringList{u"1.0=\r\n Q\t"_s};
    QTest::newRow("before the first header")
        << file({u"title"_s, u"A)x*"_s, H, u"Q"_s}) << 1
        << QStringList{u"0.0=\r\ntitle"_s, u"0.1=A)x"_s, u"0.5=1"_s, u"1.0=\r\nQ"_s};
    QTest::newRow("no header") << file({u"a"_s, u"b"_s}) << 0 << QStringList{u"0.0=\r\na\r\nb"_s};
    QTest::newRow("empty file") << QByteArray() << 0 << QStringList();
    QTest::newRow("one empty line") << QByteArray("\r\n") << 0 << QStringList{u"0.0=\r\n"_s};
}

void TestQuestionReader::lineClasses()
{
    QFETCH(QByteArray, bytes);
    QFETCH(int, count);
    QFETCH(QStringList, filled);

    const Loaded loaded = load(bytes);
    QCOMPARE(loaded.count, count);
    QCOMPARE(loaded.filled, filled);
    QCOMPARE(loaded.headers.size(), count);
    QVERIFY(!loaded.cut);
}

void TestQuestionReader::workedExample()
{
    const Loaded loaded = load(file({
        u"Тест по истории"_s,
        Header + u" 3"_s,
        u"В каком году"_s,
        u"основана Москва?"_s,
        u"A)1147"_s,
        u"B)1240*"_s,
        QString(),
        Header + u" 1"_s,
        u"Вернитесь к началу"_s,
        u"C)никогда"_s,
    }));
    QCOMPARE(loaded.count, 2);
    QCOMPARE(loaded.filled, (QStringList{
                                u"0.0=\r\nТест по истории"_s,
                                u"1.0=\r\nВ каком году\r\nоснована Москва?\r\n"_s,
                                u"1.1=A)1147"_s,
                                u"1.2=B)1240"_s,
                                u"1.5=2"_s,
                                u"2.3=C)никогда"_s,
                            }));
    // The loading window sets Min 1, Max n + 1, Value n from these.
    QCOMPARE(loaded.headers, (QList<qint16>{1, 2}));
}

void TestQuestionReader::capacity_data()
{
    QTest::addColumn<int>("questions");
    QTest::newRow("999") << 999;
    QTest::newRow("exactly 1000") << 1000;
    QTest::newRow("1001") << 1001;
    QTest::newRow("1200") << 1200;
}

void TestQuestionReader::capacity()
{
    QFETCH(int, questions);
    QStringList lines;
    for (int n = 1; n <= questions; ++n)
        lines << Header + u' ' + QString::number(n) << u"Question "_s + QString::number(n) << u"B)b*"_s;
    const Loaded loaded = load(file(lines));
    const int filed = qMin(questions, 1000);
    QCOMPARE(loaded.count, filed);
    QCOMPARE(loaded.cut, questions > 1000);
    QCOMPARE(loaded.headers.size(), filed);
    QCOMPARE(loaded.headers.first(), 1);
    QCOMPARE(loaded.headers.last(), filed);
    QCOMPARE(loaded.filled.size(), 3 * filed);
    QCOMPARE(loaded.filled.mid(loaded.filled.size() - 3),
             (QStringList{QString::number(filed) + u".0=\r\nQuestion "_s + QString::number(filed),
                          QString::number(filed) + u".2=B)b"_s, QString::number(filed) + u".5=2"_s}));
    // Reading stopped right at the first header the bank had no slot for.
    QCOMPARE(loaded.nextLine, questions > 1000 ? u"Question 1001"_s : QString());
}

void TestQuestionReader::linesInPieces_data()
{
    QTest::addColumn<qsizetype>("chunkSize");
    QTest::addColumn<platform::TextEncoding>("encoding");
    for (const auto &[name, encoding] : support::encodingNames()) {
        QTest::addRow("%s, pieces of the least size", name) << qsizetype(1) << encoding;
        QTest::addRow("%s, pieces of 17", name) << qsizetype(17) << encoding;
        QTest::addRow("%s, lines shorter than a piece", name) << platform::TextStream::DefaultChunkSize << encoding;
    }
}

// Lines of every class, many pieces long when read in small chunks, in every encoding, come out as when read whole
// from Windows-1251; a byte-order mark leaves a header on the first line a header.
void TestQuestionReader::linesInPieces()
{
    QFETCH(qsizetype, chunkSize);
    QFETCH(platform::TextEncoding, encoding);
    const QString tail = u"длинный хвост строки, много длиннее одного куска"_s.repeated(3);
    const QStringList lines{Header + u" 1 "_s + tail, u"текст "_s + tail, u"Ве "_s + tail, u"B)"_s + tail + u"*"_s,
                            u"C)"_s + tail + u"*x"_s, u"ещё текст"_s,     Header,          u"D)"_s + tail};
    const Loaded loaded = load(support::encodeText(lines.join(u"\r\n"_s), encoding), chunkSize);
    QCOMPARE(loaded.count, 2);
    QCOMPARE(loaded.headers, (QList<qint16>{1, 2}));
    QCOMPARE(loaded.filled, (QStringList{
                                u"1.0=\r\nтекст "_s + tail + u"\r\nещё текст"_s,
                                u"1.2=B)"_s + tail,
                                u"1.3=C)"_s + tail + u"*x"_s,
                                u"1.5=2"_s,
                                u"2.4=D)"_s + tail,
                            }));
}

void TestQuestionReader::longLinesKeepLittleRoom_data()
{
    QTest::addColumn<QStringList>("lines");
    QTest::addColumn<int>("slot");
    QTest::addColumn<int>("field");
    QTest::addColumn<platform::TextEncoding>("encoding");
    const QString tail(300'000, u'ж'); // several chunks
    for (const platform::TextEncoding encoding : {platform::TextEncoding::Windows1251, platform::TextEncoding::Utf8}) {
        const char *in = encoding == platform::TextEncoding::Utf8 ? "UTF-8" : "Windows-1251";
        QTest::addRow("question text, %s", in) << QStringList{Header, tail, Header} << 1 << 0 << encoding;
        QTest::addRow("question text of two lines, %s", in)
            << QStringList{Header, tail, tail, Header} << 1 << 0 << encoding;
        QTest::addRow("last question's text, %s", in) << QStringList{Header, tail} << 1 << 0 << encoding;
        QTest::addRow("text before the first header, %s", in) << QStringList{tail, Header} << 0 << 0 << encoding;
        QTest::addRow("answer, %s", in) << QStringList{Header, u"A)"_s + tail} << 1 << 1 << encoding;
        QTest::addRow("marked answer, %s", in)
            << QStringList{Header, u"B)"_s + tail + u"*"_s, Header} << 1 << 2 << encoding;
    }
}

// A text that grew by doubling while its lines came in pieces keeps little room to grow once it is whole.
void TestQuestionReader::longLinesKeepLittleRoom()
{
    QFETCH(QStringList, lines);
    QFETCH(int, slot);
    QFETCH(int, field);
    QFETCH(platform::TextEncoding, encoding);
    support::BufferStream source(support::encodeText(lines.join(u"\r\n"_s), encoding));
    QuestionBank bank;
    qint16 count = 0;
    readQuestions(source.stream(), bank, count, nullptr);
    const QString &text = bank.Field(slot, field);
    QVERIFY(text.size() >= 300'000);
    QCOMPARE_LE(text.capacity() - text.size(), text.size() / 8);
}

QTEST_APPLESS_MAIN(TestQuestionReader)
#include "tst_question_reader.moc"
