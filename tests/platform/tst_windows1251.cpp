// SPDX-FileCopyrightText: 2026 The Tavrelo developers
// SPDX-License-Identifier: MIT
#include "platform/core/windows1251.h"

#include <QStringDecoder>
#include <QTest>

#ifdef Q_OS_WIN
#include <qt_windows.h>
#endif

// The system's converter, where it has one, is the reference for every byte value.
class TestWindows1251 : public QObject {
    Q_OBJECT

private slots:
    void everyByte_data();
    void everyByte();
    void oneCharacterPerByte();
    void encodeRoundTrip();
    void runsOfEveryKindAtEveryOffset();
};

void TestWindows1251::everyByte_data()
{
    QTest::addColumn<int>("byte");
    for (int byte = 0; byte < 256; ++byte)
        QTest::addRow("0x%02X", byte) << byte;
}

void TestWindows1251::everyByte()
{
    QFETCH(int, byte);
    const char raw = char(byte);
#ifdef Q_OS_WIN
    // Windows' own code page 1251, which the question files come from.
    wchar_t wide[2] = {};
    const QString expected = QString::fromWCharArray(wide, MultiByteToWideChar(1251, 0, &raw, 1, wide, 2));
#else
    QStringDecoder reference("windows-1251");
    if (!reference.isValid())
        QSKIP("Qt has no windows-1251 converter here");
    const QString expected = reference.decode(QByteArrayView(&raw, 1));
#endif
    QCOMPARE(expected.size(), 1);
    QCOMPARE(QChar(platform::windows1251ToUnicode(uchar(byte))), expected.at(0));
}

void TestWindows1251::oneCharacterPerByte()
{
    QByteArray bytes;
    for (int byte = 255; byte >= 0; --byte)
        bytes.append(char(byte));
    bytes.append(bytes); // every value twice, NUL inside
    const QString text = platform::decodeWindows1251(bytes);
    QCOMPARE(text.size(), bytes.size());
    for (qsizetype i = 0; i < bytes.size(); ++i)
        QCOMPARE(text.at(i), QChar(platform::windows1251ToUnicode(uchar(bytes.at(i)))));
    QCOMPARE(platform::decodeWindows1251({}), QString());
}

void TestWindows1251::encodeRoundTrip()
{
    int encodable = 0;
    for (char32_t ch = 0; ch <= 0xFFFF; ++ch) {
        const std::optional<char> byte = platform::unicodeToWindows1251(char16_t(ch));
        if (!byte)
            continue;
        ++encodable;
        QCOMPARE(platform::windows1251ToUnicode(uchar(*byte)), char16_t(ch));
    }
    QCOMPARE(encodable, 256); // every byte, and nothing else
}

// Russian text decodes sixteen bytes at a time where no byte lies in 0x80..0xBF: runs of letters, ASCII and
// the irregular block, cut at every offset, must come out as byte by byte.
void TestWindows1251::runsOfEveryKindAtEveryOffset()
{
    QByteArray bytes;
    for (int run = 0; run < 40; ++run) {
        for (int i = 0; i < 5 + run % 23; ++i) {
            const int kind = run % 3;
            bytes.append(char(kind == 0 ? 0xC0 + (run * 7 + i) % 64 : kind == 1 ? (run + i) % 128 : 0x80 + i % 64));
        }
    }
    for (qsizetype offset = 0; offset < 17; ++offset) {
        const QByteArrayView part = QByteArrayView(bytes).sliced(offset);
        const QString text = platform::decodeWindows1251(part);
        QCOMPARE(text.size(), part.size());
        for (qsizetype i = 0; i < part.size(); ++i)
            QCOMPARE(text.at(i), QChar(platform::windows1251ToUnicode(uchar(part.at(i)))));
    }
}

QTEST_APPLESS_MAIN(TestWindows1251)
#include "tst_windows1251.moc"
