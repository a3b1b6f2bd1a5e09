// SPDX-FileCopyrightText: 2026 The Tavrelo developers
// SPDX-License-Identifier: MIT
#include "check/rules/answer_gap.h"
#include "check/rules/line_rules.h"
#include "check/rules/quote.h"
#include "tests/support/encoded_text.h"

#include <QTest>

using namespace Qt::StringLiterals;

// The checker's rules of what looks like a slip, line by line, and of what a gap between answers shows.
class TestCheckRules : public QObject {
    Q_OBJECT

private slots:
    void looksLikeAnswer_data();
    void looksLikeAnswer();
    void headerSlips_data();
    void headerSlips();
    void starThenBlanks_data();
    void starThenBlanks();
    void controlCharacter_data();
    void controlCharacter();
    void answerGap_data();
    void answerGap();
    void quote_data();
    void quote();
};

void TestCheckRules::looksLikeAnswer_data()
{
    QTest::addColumn<QString>("line");
    QTest::addColumn<QString>("finding"); // a part of it, or empty for none
    QTest::newRow("Cyrillic А") << u"А) Дунай"_s << u"answer A, but its \"А\" is the Cyrillic letter"_s;
    QTest::newRow("Cyrillic В, bare") << u"В)"_s << u"answer B, but its \"В\" is the Cyrillic letter"_s;
    QTest::newRow("Cyrillic С") << u"С)x"_s << u"answer C, but its \"С\" is the Cyrillic letter"_s;
    QTest::newRow("Russian Б") << u"Б) x"_s << u"answers take the Latin letters A) to D), not \"Б)\""_s;
    QTest::newRow("small b") << u"b) x"_s << u"answer B, but its \"b\" is a small letter"_s;
    QTest::newRow("spaces before") << u"  C) x"_s << u"answer C, but spaces or tabs stand before \"C)\""_s;
    QTest::newRow("tab before") << u"\tD)x"_s << u"answer D, but spaces or tabs"_s;
    QTest::newRow("no-break space before") << u"\u00A0A)x"_s << u"answer A, but spaces or tabs"_s;
    QTest::newRow("past D, marked") << u"E) д*"_s
                                    << u"answer E, but Tavrelo shows only answers A) to D), so the line is question "
                                       u"text, its \"*\" too"_s;
    QTest::newRow("small Cyrillic а: an enumeration") << u"а) первое"_s << QString();
    QTest::newRow("small e") << u"e) x"_s << QString();
    QTest::newRow("spaces before a small letter") << u" a) x"_s << QString();
    QTest::newRow("number") << u"1) x"_s << QString();
    QTest::newRow("no parenthesis") << u"А. x"_s << QString();
    QTest::newRow("one letter") << u"А"_s << QString();
}

void TestCheckRules::looksLikeAnswer()
{
    QFETCH(QString, line);
    QFETCH(QString, finding);
    const QString found = ::looksLikeAnswer(line);
    QCOMPARE(found.isEmpty(), finding.isEmpty());
    QVERIFY2(found.contains(finding), qPrintable(found));
}

void TestCheckRules::headerSlips_data()
{
    QTest::addColumn<QString>("line");
    QTest::addColumn<QString>("slips");
    QTest::newRow("space before the colon") << u"Вес вопроса : 1"_s << u"a space before the colon"_s;
    QTest::newRow("small letters") << u"вес вопроса: 1"_s << u"letters in the wrong case"_s;
    QTest::newRow("capitals") << u"ВЕС ВОПРОСА:"_s << u"letters in the wrong case"_s;
    QTest::newRow("two spaces") << u"Вес  вопроса:"_s << u"not one plain space between the words"_s;
    QTest::newRow("no space") << u"Весвопроса:"_s << u"not one plain space between the words"_s;
    QTest::newRow("no-break space") << u"Вес\u00A0вопроса:"_s << u"not one plain space between the words"_s;
    QTest::newRow("Latin B, e, c") << u"Bec вопроса:"_s << u"Latin letters that look like Cyrillic ones"_s;
    QTest::newRow("Latin o, p") << u"Вес вoпрoса:"_s << u"Latin letters that look like Cyrillic ones"_s;
    QTest::newRow("indented") << u" Вес вопроса: 2"_s << u"spaces before it"_s;
    QTest::newRow("no colon") << u"Вес вопроса 1"_s << u"no colon"_s;
    QTest::newRow("nothing after") << u"Вес вопроса"_s << u"no colon"_s;
    QTest::newRow("several") << u"вес  вопроса :"_s
                             << u"letters in the wrong case, not one plain space between the words, "
                                u"a space before the colon"_s;
    QTest::newRow("other Ve line") << u"Верно ли, что"_s << QString();
    QTest::newRow("plural") << u"Вес вопросов:"_s << QString();
    QTest::newRow("cut short") << u"Вес вопрос"_s << QString();
    QTest::newRow("empty") << QString() << QString();
}

void TestCheckRules::headerSlips()
{
    QFETCH(QString, line);
    QFETCH(QString, slips);
    QCOMPARE(::headerSlips(line), slips);
}

void TestCheckRules::starThenBlanks_data()
{
    QTest::addColumn<QString>("line");
    QTest::addColumn<bool>("slip");
    QTest::newRow("space") << u"B) x* "_s << true;
    QTest::newRow("tab and spaces") << u"B) x*\t  "_s << true;
    QTest::newRow("marker and star") << u"B)* "_s << true;
    QTest::newRow("marked") << u"B) x*"_s << false;
    QTest::newRow("trailing space, no star") << u"B) x "_s << false;
    QTest::newRow("star inside") << u"B) x *y "_s << false;
}

void TestCheckRules::starThenBlanks()
{
    QFETCH(QString, line);
    QFETCH(bool, slip);
    QCOMPARE(::starThenBlanks(line), slip);
}

void TestCheckRules::controlCharacter_data()
{
    QTest::addColumn<QString>("line");
    QTest::addColumn<platform::TextEncoding>("encoding");
    QTest::addColumn<int>("illFormedAt"); // where decoding put U+FFFD for bytes, or -1
    QTest::addColumn<QString>("finding");
    using E = platform::TextEncoding;
    const E cp1251 = E::Windows1251;
    // clang-format off
    QTest::newRow("NUL") << QString(u"ab\0c"_s) << cp1251 << -1 << u"a NUL byte at column 3"_s;
    QTest::newRow("escape") << u"\x1B[0m"_s << E::Utf8 << -1 << u"the control byte 0x1B at column 1"_s;
    QTest::newRow("DEL") << u"x\x7F"_s << cp1251 << -1 << u"the control byte 0x7F at column 2"_s;
    QTest::newRow("byte 0x98") << u"x\u0098"_s << cp1251 << -1
                               << u"the byte 0x98, which Windows-1251 leaves undefined, at column 2"_s;
    QTest::newRow("C1 in UTF-8") << u"x\u0098"_s << E::Utf8 << -1 << u"the control character U+0098 at column 2"_s;
    QTest::newRow("NUL in UTF-16") << QString(u"a\0"_s) << E::Utf16LE << -1
                                   << u"the control character U+0000 at column 2"_s;
    QTest::newRow("U+FFFD the file holds") << u"x\uFFFDy\uFFFD"_s << E::Utf8WithMark << 3
                                           << u"the character \"\uFFFD\" (U+FFFD), which stands for text lost when "
                                              u"the file was converted before, at column 2"_s;
    QTest::newRow("bytes that are no text") << u"x\uFFFD"_s << E::Utf16BE << 1
                                            << u"bytes that are not text in the file's encoding, shown as "
                                               u"\"\uFFFD\", at column 2"_s;
    QTest::newRow("tab is none") << u"a\tb"_s << cp1251 << -1 << QString();
    QTest::newRow("Cyrillic is none") << u"Вопрос №1"_s << E::Utf8 << -1 << QString();
    // clang-format on
}

void TestCheckRules::controlCharacter()
{
    QFETCH(QString, line);
    QFETCH(platform::TextEncoding, encoding);
    QFETCH(int, illFormedAt);
    QFETCH(QString, finding);
    QCOMPARE(::controlCharacter(line, findMarks(line).control, encoding, illFormedAt), finding);
}

void TestCheckRules::answerGap_data()
{
    QTest::addColumn<QString>("answers"); // the letters present
    QTest::addColumn<int>("marked");
    QTest::addColumn<QString>("finding");
    QTest::newRow("all four") << u"ABCD"_s << 2 << QString();
    QTest::newRow("from A, no gap") << u"AB"_s << 1 << QString();
    QTest::newRow("none") << QString() << 0 << QString();
    QTest::newRow("A, B and D")
        << u"ABD"_s << 2 << u"question 7 has answers A, B and D: answer D is never shown; the third button is empty"_s;
    QTest::newRow("hidden mark") << u"ABD"_s << 4
                                 << u"question 7 has answers A, B and D: answer D is never shown; the third button "
                                    u"is empty; its marked answer D cannot be chosen, so every choice counts as "
                                    u"wrong"_s;
    QTest::newRow("A and C") << u"AC"_s << 0
                             << u"question 7 has answers A and C: answer C is never shown; the second button is "
                                u"empty"_s;
    QTest::newRow("D alone") << u"D"_s << 4
                             << u"question 7 has only answer D: answer D is never shown; the only button is empty; "
                                u"its marked answer D cannot be chosen, so every choice counts as wrong"_s;
    QTest::newRow("C and D") << u"CD"_s << 0
                             << u"question 7 has answers C and D: answers C and D are never shown; the first and "
                                u"second buttons are empty"_s;
}

void TestCheckRules::answerGap()
{
    QFETCH(QString, answers);
    QFETCH(int, marked);
    QFETCH(QString, finding);
    std::array<bool, 4> present{};
    for (const QChar letter : answers)
        present[letter.unicode() - u'A'] = true;
    QCOMPARE(::answerGap(7, present, marked), finding);
}

void TestCheckRules::quote_data()
{
    QTest::addColumn<QString>("line");
    QTest::addColumn<QString>("quoted");
    QTest::newRow("short") << u"А) Дунай"_s << u"\"А) Дунай\""_s;
    QTest::newRow("60 characters whole") << QString(60, u'я') << u'"' + QString(60, u'я') + u'"';
    QTest::newRow("61 shortened") << QString(61, u'я') << u'"' + QString(59, u'я') + u"…\""_s;
    QTest::newRow("controls shown") << QString(u"a\0\x1B\x7F\u0098\tb"_s) << u"\"a␀␛␡⟨U+0098⟩\tb\""_s;
    QTest::newRow("direction marks by code point") << u"\u200F2 - 5\u061C"_s << u"\"⟨U+200F⟩2 - 5⟨U+061C⟩\""_s;
}

void TestCheckRules::quote()
{
    QFETCH(QString, line);
    QFETCH(QString, quoted);
    QCOMPARE(::quote(line), quoted);
}

QTEST_APPLESS_MAIN(TestCheckRules)
#include "tst_check_rules.moc"
