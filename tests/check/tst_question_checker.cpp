// SPDX-FileCopyrightText: 2026 The Tavrelo developers
// SPDX-License-Identifier: MIT
#include "bank/question_bank.h"
#include "bank/question_reader.h"
#include "check/rules/check_file.h"
#include "check/rules/finding_log.h"
#include "check/rules/quiz_builder.h"

#include "tests/support/bank_contents.h"
#include "tests/support/buffer_stream.h"
#include "tests/support/encoded_text.h"
#include "tests/support/windows1251.h"

#include <QTest>

#include <random>

using namespace Qt::StringLiterals;
using support::countLoaded;
using support::LoadedCounts;
using support::toWindows1251;

namespace {

const QString H = u"Вес вопроса: 1"_s;

struct Checked {
    QStringList findings; // "LINE: severity: text"
    CheckCounts counts;
};

Checked check(const QByteArray &bytes)
{
    support::BufferStream source(bytes);
    Checked checked;
    FindingLog log([&](const Finding &finding) { checked.findings << formatFinding(QString(), finding).mid(1); });
    checked.counts = checkStream(source.stream(), log);
    return checked;
}

QByteArray file(const QStringList &lines)
{
    return toWindows1251(lines.join(u"\r\n"_s));
}

} // namespace

class TestQuestionChecker : public QObject {
    Q_OBJECT

private slots:
    void findings_data();
    void findings();
    void controlNotesEnd();
    void moreThan1000Questions();
    void countsAgreeWithTheProgram();
    void sections_data();
    void sections();
};

void TestQuestionChecker::findings_data()
{
    QTest::addColumn<QByteArray>("bytes");
    QTest::addColumn<QStringList>("expected"); // each "LINE: severity: " and a part of the text

    const auto row = [](const char *name, const QStringList &lines, const QStringList &expected) {
        QTest::newRow(name) << file(lines) << expected;
    };
    row("clean", {H, u"Q"_s, u"A)a"_s, u"B)b*"_s, QString(), H, u"Q"_s, u"A)a*"_s}, {});
    row("empty file", {}, {u"1: error: no question header"_s});
    row("no header", {u"Вес вопроса : 1"_s, u"Q"_s},
        {u"1: error: no question header"_s, u"1: warning: misspelt question header (a space before the colon) is "
                                            u"never shown, nor are the lines below it"_s});
    row("gap", {H, u"Q"_s, u"A)a"_s, u"B)b*"_s, u"D)d"_s},
        {u"5: error: answer D is never shown; the third button is empty"_s});
    row("no answers", {H, u"Q"_s, H, u"Q"_s, u"A)a*"_s}, {u"1: warning: question 1 has no answers"_s});
    row("no mark", {H, u"Q"_s, u"A)a"_s}, {u"1: warning: question 1 has no marked answer"_s});
    row("two marks", {H, u"Q"_s, u"A)a*"_s, u"B)b*"_s},
        {u"4: warning: second marked answer in question 1: only this one counts as right, not answer A marked on "
         u"line 3"_s});
    row("repeated marker", {H, u"Q"_s, u"A)a*"_s, u"A)b*"_s},
        {u"4: warning: answer A again in question 1: this line replaces the one on line 3: \"A)b*\""_s});
    row("repeated marker keeps the mark", {H, u"Q"_s, u"A)a*"_s, u"A)b"_s},
        {u"4: warning: answer A again in question 1: this line replaces the one on line 3, and the \"*\" of line 3 "
         u"still marks it right"_s});
    row("look-alike answers", {H, u"А)a"_s, u"b)b"_s, u" C)c"_s, u"D)d*"_s},
        {u"2: warning: looks like answer A"_s, u"3: warning: looks like answer B"_s,
         u"4: warning: looks like answer C"_s, u"5: error: answer D is never shown"_s});
    row("misspelt header before answers", {H, u"Вес  вопроса: 2"_s, u"A)a*"_s, u"more"_s},
        {u"2: warning: misspelt question header (not one plain space between the words) is dropped"_s,
         u"4: note: text after the answers of question 1"_s});
    row("misspelt header as text", {H, u"A)a*"_s, u"вес вопроса: 1"_s, u"Q"_s},
        {u"3: warning: misspelt question header (letters in the wrong case) shows as text of question 1, and the "
         u"lines below it join it"_s});
    row("misspelt first header", {u"вес вопроса: 1"_s, u"Q"_s, H, u"Q"_s, u"A)a*"_s},
        {u"1: warning: misspelt question header (letters in the wrong case) is never shown, nor are the lines below "
         u"it"_s,
         u"1: note: lines before the first question header are never shown"_s});
    row("Ve line", {H, u"Q"_s, u"Верно ли"_s, u"A)a*"_s},
        {u"3: warning: line begins with \"Ве\" but is no question header, so it is dropped and the learner never "
         u"sees it: \"Верно ли\""_s});
    row("answers without text", {H, u"Q"_s, u"A)"_s, u"B) *"_s, u"C)*c"_s},
        {u"3: warning: answer A has no text: its button shows the letter alone: \"A)\""_s,
         u"4: warning: answer B has no text"_s});
    row("question without text", {H, QString(), u"A)a*"_s, H, u"Q"_s, u"A)a*"_s},
        {u"1: warning: question 1 has no text"_s});
    row("answers past D", {H, u"Q"_s, u"A)a"_s, u"B)b*"_s, u"E) e*"_s, u"F)f"_s},
        {u"5: warning: looks like answer E, but Tavrelo shows only answers A) to D), so the line is question text, its \"*\" too"_s,
         u"6: warning: looks like answer F"_s});
    row("star then a space", {H, u"Q"_s, u"A)a*"_s, u"B)b* "_s},
        {u"4: warning: answer B ends in \"*\" followed by spaces or tabs"_s});
    row("text after answers, once a question",
        {H, u"A)a*"_s, QString(), u"more"_s, u"and more"_s, H, u"A)a*"_s, u"x"_s},
        {u"4: note: text after the answers of question 1 joins its text above the answer buttons: \"more\""_s,
         u"8: note: text after the answers of question 2"_s});
    row("before the first header", {QString(), u"title"_s, u"A)x*"_s, u"Верно"_s, H, u"Q"_s, u"A)a*"_s},
        {u"2: note: lines before the first question header are never shown: \"title\""_s});
    QTest::newRow("line ends, each kind once")
        << toWindows1251(H + u"\nQ\r\nA)a*\nB)b\rC)c\r\nD)d\r"_s)
        << QStringList{u"1: note: line ends in LF alone, not CR LF"_s, u"4: note: line ends in CR alone, not CR LF"_s};
    QTest::newRow("control byte") << toWindows1251(H) + QByteArray("\r\nA)a\0*\r\n\x98", 10)
                                  << QStringList{u"2: note: line holds a NUL byte at column 4: \"A)a␀*\""_s,
                                                 u"3: note: line holds the byte 0x98"_s,
                                                 u"3: note: text after the answers"_s};
    // Decoding puts U+FFFD for bytes that are no text; one that the file holds, and a C1 control, are characters.
    QTest::newRow("UTF-8 characters and bytes")
        << "\xEF\xBB\xBF" + (H + u"\r\nA)a*\r\n"_s).toUtf8() + "\xFFx\xEF\xBF\xBD\r\nx\xEF\xBF\xBD\r\n\xC2\x98"
        << QStringList{u"3: note: line holds bytes that are not text in the file's encoding, shown as \"\uFFFD\", at "
                       u"column 1"_s,
                       u"3: note: text after the answers"_s,
                       u"4: note: line holds the character \"\uFFFD\" (U+FFFD), which stands for text lost when the "
                       u"file was converted before, at column 2"_s,
                       u"5: note: line holds the control character U+0098 at column 1"_s};
    QTest::newRow("direction marks")
        << (H + u"\r\n\u200F2 - 5 = ?\r\nA)\u200E-3*\r\nB)\u061C3"_s).toUtf8()
        << QStringList{u"2: warning: line holds the invisible direction control U+200F at column 1"_s,
                       u"3: warning: line holds the invisible direction control U+200E at column 3"_s,
                       u"4: warning: line holds the invisible direction control U+061C at column 3"_s};
    QTest::newRow("UTF-16 unpaired surrogate")
        << support::encodeText(H + u"\r\nA)a*\r\nx"_s, platform::TextEncoding::Utf16LE) + QByteArray("\x00\xD8y\0", 4)
        << QStringList{u"3: note: line holds bytes that are not text in the file's encoding, shown as \"\uFFFD\", at "
                       u"column 2"_s,
                       u"3: note: text after the answers"_s};
}

void TestQuestionChecker::findings()
{
    QFETCH(QByteArray, bytes);
    QFETCH(QStringList, expected);
    const QStringList findings = check(bytes).findings;
    QCOMPARE(findings.size(), expected.size());
    for (qsizetype i = 0; i < findings.size(); ++i) {
        const qsizetype severityEnd = expected[i].indexOf(u": "_s, expected[i].indexOf(u": "_s) + 2);
        QCOMPARE(findings[i].left(severityEnd), expected[i].left(severityEnd));
        QVERIFY2(findings[i].contains(expected[i].mid(severityEnd + 2)), qPrintable(findings[i]));
    }
}

void TestQuestionChecker::controlNotesEnd()
{
    QStringList lines{H, u"A)a*"_s};
    for (int i = 0; i < 20; ++i)
        lines << u"\x01"_s;
    const QStringList findings = check(file(lines)).findings;
    QCOMPARE(findings.size(), 12); // ten lines, one closing note, and the text after the answers
    QVERIFY(findings.last().startsWith(u"13: note: more lines hold control characters"_s));
}

void TestQuestionChecker::moreThan1000Questions()
{
    QStringList lines;
    for (int n = 1; n <= 1002; ++n)
        lines << H << u"Q"_s << u"A)a*"_s;
    const Checked checked = check(file(lines));
    QCOMPARE(checked.findings,
             QStringList{u"3001: warning: question 1001 begins here, but Tavrelo loads only the first 1000 questions: "
                         u"nothing from this line on is loaded"_s});
    QCOMPARE(checked.counts.questions, 1000);
    QCOMPARE(checked.counts.answers, 1000);
}

// Files of every kind of line, in random order: the summary counts what the program loads.
void TestQuestionChecker::countsAgreeWithTheProgram()
{
    const QStringList kinds = {H,         H,        u"Q"_s,  QString(),          u"A)a"_s,   u"B)b*"_s, u"C)c"_s,
                               u"D)d*"_s, u"A)*"_s, u"Ве"_s, u"Вес вопроса :"_s, u"B)x* "_s, u"А)a"_s};
    for (const int lineCount : {0, 1, 10, 200, 5000}) {
        std::mt19937 random(lineCount);
        QStringList lines;
        for (int i = 0; i < lineCount; ++i)
            lines << kinds[std::uniform_int_distribution<qsizetype>(0, kinds.size() - 1)(random)];
        const QByteArray bytes = file(lines);

        support::BufferStream source(bytes);
        QuestionBank bank;
        qint16 questions = 0;
        readQuestions(source.stream(), bank, questions, nullptr);
        const LoadedCounts loaded = countLoaded(bank, questions);

        const CheckCounts counts = check(bytes).counts;
        QCOMPARE(counts.questions, questions);
        QCOMPARE(counts.answers, loaded.answers);
        QCOMPARE(counts.markedQuestions, loaded.marked);
    }
}

void TestQuestionChecker::sections_data()
{
    QTest::addColumn<QByteArray>("bytes");
    // Each section as "number: " and a letter for each line kept: Header, Text, Answer, Replaced, hidden (X),
    // Dropped, Unshown, Not loaded, then "!" for each finding on it; "+N" for lines left out, "+N!" for findings
    // held by the section itself.
    QTest::addColumn<QStringList>("expected");

    QTest::newRow("every role") << file({u"title"_s, H, u"Q"_s, u"A)a*"_s, u"A)b"_s, u"Верно"_s, u"C)c"_s, u"more"_s})
                                << QStringList{u"0: U!"_s, u"1: H T R A! D! X! T!"_s};
    QTest::newRow("an empty file") << QByteArray() << QStringList{u"0: +1!"_s};
    QTest::newRow("a header's own note") << toWindows1251(H + u"\nQ\r\nA)a*\r\n"_s + H + u"\r\nQ\r\nA)b*"_s)
                                         << QStringList{u"1: H! T A"_s, u"2: H T A"_s};
    QStringList many{H, u"Q"_s};
    for (int i = 0; i < QuizSection::MaxLinesKept + 2; ++i)
        many << u"A)a*"_s;
    QTest::newRow("lines past those kept")
        << file(many) << QStringList{u"1: H T R"_s + u" R!"_s.repeated(QuizSection::MaxLinesKept - 3) + u" +4 +4!"_s};
    QStringList past1000;
    for (int n = 1; n <= 1001; ++n)
        past1000 << H << u"Q"_s << u"A)a*"_s;
    QStringList sections;
    for (int n = 1; n <= 1000; ++n)
        sections << u"%1: H T A"_s.arg(n);
    sections << u"1001: N!"_s;
    QTest::newRow("question 1001") << file(past1000) << sections;
}

// The quiz gathered for pages and conversions: what became of each line, and the findings beside their lines.
void TestQuestionChecker::sections()
{
    QFETCH(QByteArray, bytes);
    QFETCH(QStringList, expected);
    QStringList sections;
    QuizBuilder builder([&](const QuizSection &section) {
        static const QString roles = u"HTARXDUN"_s;
        QStringList lines;
        for (const QuizLine &line : section.lines)
            lines << roles[int(line.role)] + u"!"_s.repeated(qsizetype(line.findings.size()));
        if (section.linesLeftOut > 0)
            lines << u"+%1"_s.arg(section.linesLeftOut);
        if (const qint64 held = qint64(section.findings.size()) + section.findingsLeftOut; held > 0)
            lines << u"+%1"_s.arg(held) + u"!"_s;
        sections << QString::number(section.number) + u": "_s + lines.join(u' ');
    });
    support::BufferStream source(bytes);
    FindingLog log([&](const Finding &finding) { builder.takeFinding(finding); });
    checkStream(source.stream(), log, &builder);
    QCOMPARE(sections, expected);
}

QTEST_APPLESS_MAIN(TestQuestionChecker)
#include "tst_question_checker.moc"
