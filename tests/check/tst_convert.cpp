// SPDX-FileCopyrightText: 2026 The Tavrelo developers
// SPDX-License-Identifier: MIT
#include "check/convert/convert_file.h"
#include "check/rules/finding_log.h"
#include "check/rules/quiz_builder.h"
#include "check/rules/user_language.h"

#include "tests/support/buffer_stream.h"
#include "tests/support/encoded_text.h"
#include "tests/support/question_file.h"

#include <QBuffer>
#include <QDir>
#include <QRegularExpression>
#include <QTest>

using namespace Qt::StringLiterals;

Q_DECLARE_METATYPE(QuizFormat) // a test row's column (Qt 6 knows an enum by itself)

namespace {

struct Converted {
    ExitStatus status = ExitStatus::Unreadable;
    QByteArray output;
    QStringList notes; // "LINE: level: text"
    int converted = 0;
    int leftOut = 0;
};

Converted convert(const QByteArray &input, QuizFormat to)
{
    QBuffer buffer;
    buffer.setData(input);
    buffer.open(QIODevice::ReadOnly);
    Converted converted;
    const Conversion conversion = convertQuiz(buffer, u"in"_s, to,
                                              [&](const QString &line) { converted.notes << line.mid(3).trimmed(); });
    converted.status = conversion.status;
    converted.output = conversion.output;
    converted.converted = conversion.converted;
    converted.leftOut = conversion.leftOut;
    return converted;
}

// The converted file as the converter hands it to its writer: UTF-8, CR LF.
QByteArray written(const QString &text)
{
    return text.isEmpty() ? QByteArray() : QString(text).replace(u"\n"_s, u"\r\n"_s).toUtf8();
}

// The quiz as Tavrelo plays it, as the round trip compares it: each question whose marked answer a button shows
// (GIFT has no question without a right answer), by its text lines, each trimmed, without empty lines at either
// end; the text after the letter of each button that shows an answer, trimmed; and which of those is right. Empty
// when a question has no marked answer at all.
QStringList playedQuiz(const QByteArray &bytes)
{
    QStringList quiz;
    bool marked = true;
    support::BufferStream source(bytes);
    QuizBuilder builder([&](const QuizSection &section) {
        if (section.kind != SectionKind::Question)
            return;
        marked = marked && section.rightAnswer > 0;
        if (section.rightAnswer == 0 || section.rightAnswer > section.shownAnswers())
            return;
        QStringList text;
        for (const QString &line : section.textLines())
            text << line.trimmed();
        while (!text.isEmpty() && text.back().isEmpty())
            text.removeLast();
        while (!text.isEmpty() && text.front().isEmpty())
            text.removeFirst();
        QStringList answers;
        for (int k = 1; k <= section.shownAnswers(); ++k) {
            const QString &answer = section.answers[size_t(k - 1)];
            if (!answer.isEmpty())
                answers << (k == section.rightAnswer ? u"* "_s : u"  "_s) + answer.mid(2).trimmed();
        }
        quiz << text.join(u" / "_s) + u" | "_s + answers.join(u" | "_s);
    });
    FindingLog log([&](const Finding &finding) { builder.takeFinding(finding); });
    checkStream(source.stream(), log, &builder);
    return marked ? quiz : QStringList();
}

} // namespace

class TestConvert : public QObject {
    Q_OBJECT

private slots:
    void initTestCase();
    void intoTavrelo_data();
    void intoTavrelo();
    void outOfTavrelo_data();
    void outOfTavrelo();
    void encodings_data();
    void encodings();
    void counts_data();
    void counts();
    void roundTrip_data();
    void roundTrip();
    void nothingWritten();
    void inRussian();
};

void TestConvert::initTestCase()
{
    useUserLanguage(QLocale(QLocale::English));
}

void TestConvert::intoTavrelo_data()
{
    QTest::addColumn<QString>("source");
    QTest::addColumn<QString>("expected");  // the Tavrelo file, LF for CR LF
    QTest::addColumn<QStringList>("notes"); // each "LINE: level: " and the start of its text

    const QString q = u"Вес вопроса: 1\n"_s;
    // clang-format off
    QTest::newRow("GIFT: comments, category, title, feedback")
        << u"// from Moodle\n$CATEGORY: top/Geo\n\n::T1::2+2?{=4#yes\n~5#no}\n"_s
        << q + u"2+2?\nA) 4*\nB) 5\n"_s << QStringList{u"4: note: feedback is left out: Tavrelo shows none"_s};
    QTest::newRow("GIFT: escapes, \\n")
        << u"a \\= b \\{c\\} \\~ \\# \\: \\\\ d\\nnext{=x ~y}"_s
        << q + u"a = b {c} ~ # : \\ d\nnext\nA) x*\nB) y\n"_s << QStringList();
    QTest::newRow("GIFT: HTML to lines, entities, a format tag per answer")
        << u"[html]<p>One &amp; two&nbsp;three</p>\n<p>Four<br>five &#x3C0; m<sup>-2</sup>H<sub>2</sub></p>{=<b>x</b> "
           u"~[plain]<b>y</b>}"_s
        << q + u"One & two\u00A0three\nFour\nfive π m⁻²H₂\nA) x*\nB) <b>y</b>\n"_s << QStringList();
    QTest::newRow("GIFT: a question over lines, answers in a sentence")
        << u"::Q::Line one\n  line two {\n  ~a\n  =b\n} and so on.\n\nNext{=c ~d}"_s
        << q + u"Line one\nline two _____ and so on.\nA) a\nB) b*\n\n"_s + q + u"Next\nA) c*\nB) d\n"_s
        << QStringList();
    QTest::newRow("GIFT: full and no weight count, a penalty is left out")
        << u"W{~%100%a ~%-50%b ~%0%c}"_s << q + u"W\nA) a*\nB) b\nC) c\n"_s
        << QStringList{u"1: note: a negative mark for a wrong answer is left out"_s};
    QTest::newRow("GIFT: what Tavrelo cannot play")
        << u"TF{T}\n\nS{=a =b}\n\nM{=a -> 1 =b -> 2}\n\nN{#5:1}\n\nE{}\n\nD\n\nFive{=a ~b ~c ~d ~e}\n\nTwo{=a =b ~c}\n\n"
           u"Part{~%50%a ~%50%b}\n\nNone{~a ~b}\n\nOK{=a ~b}"_s
        << q + u"OK\nA) a*\nB) b\n"_s
        << QStringList{u"1: note: question 1 \"TF\" is left out: a true/false question"_s,
                       u"3: note: question 2 \"S\" is left out: a short-answer question"_s,
                       u"5: note: question 3 \"M\" is left out: a matching question"_s,
                       u"7: note: question 4 \"N\" is left out: a numerical question"_s,
                       u"9: note: question 5 \"E\" is left out: an essay"_s,
                       u"11: note: question 6 \"D\" is left out: a description"_s,
                       u"13: note: question 7 \"Five\" is left out: it has 5 answers"_s,
                       u"15: note: question 8 \"Two\" is left out: 2 of its answers are right"_s,
                       u"17: note: question 9 \"Part\" is left out: it gives part marks"_s,
                       u"19: warning: question 10 \"None\" is left out: none of its answers is right"_s};
    QTest::newRow("GIFT: categories over a question, tags never closed, a quote in one, \"&\" without \";\"")
        << u"$CATEGORY: a\n  $CATEGORY: b\nx <a 'y <b>z</b> <!-- w &amp {=1#fb ~2}"_s
        << q + u"x <a 'y z <!-- w &amp\nA) 1*\nB) 2\n"_s
        << QStringList{u"3: note: feedback is left out: Tavrelo shows none"_s};
    QTest::newRow("GIFT: broken blocks, an image")
        << u"::U::Open{=a ~b\n\n::Two::A{=a ~b} B{=c ~d}\n\nPic<img src=\"p.png\">{=a ~b}"_s
        << q + u"Pic\nA) a*\nB) b\n"_s
        << QStringList{u"1: warning: question 1 \"U\" is left out: its answers, opened with \"{\", are never closed"_s,
                       u"3: warning: question 2 \"Two\" is left out: a second \"{\" follows its answers"_s,
                       u"5: warning: question 3 \"Pic\" holds an image, a sound, a video or a link"_s};
    // Moodle's own GIFT test file question/format/gift/tests/fixtures/questions_in_category.gift.txt: a link to a
    // sound is media.
    QTest::newRow("Moodle: questions_in_category.gift.txt")
        << u"// question: 0  name: switch category to $course$/Default for New Features\n$CATEGORY: $course$/Default "
           u"for New Features\n\n// question: 44  name: Moodle activities\n::Moodle activities::[html]Match the "
           u"activity to the description.{\n\t=An activity supporting asynchronous discussions. -> Forum\n\t=A "
           u"teacher asks a question and specifies a choice of multiple responses. -> Choice\n\t=A bank of record "
           u"entries which participants can add to. -> Database\n\t=A collection of web pages that anyone can add to "
           u"or edit. -> Wiki\n\t= -> Chat\n}\n\n// question: 43  name: Greeting\n::Greeting::[html]<a "
           u"href\\=\"http\\://demo.moodle.net/file.php/5/media/bonjour.mp3\">Listen to this greeting\\:</a><br "
           u"/><br />What language is being spoken?{\n\t~English#Sorry, listen again.\n\t=French#Yes, well "
           u"done!\n\t~German#Sorry, listen again.\n\t~Spanish#Sorry, listen again.\n}\n\n// question: 46  name: "
           u"Moodle user\n::Moodle user::[html]Anyone who uses Moodle is a ...{\n\t=%100%Moodler#\n}\n\n// question: "
           u"45  name: Moodle acronym\n::Moodle acronym::[html]Moodle is an acronym for <span style\\=\"font-style\\: "
           u"italic;\">Modular Object-Oriented Dynamic Learning Environment</span>.{TRUE}\n"_s
        << q + u"Listen to this greeting:\n\nWhat language is being spoken?\nA) English\nB) French*\nC) German\nD) "
               u"Spanish\n"_s
        << QStringList{u"5: note: question 1 \"Moodle activities\" is left out: a matching question"_s,
                       u"14: warning: question 2 \"Greeting\" holds an image, a sound, a video or a link"_s,
                       u"15: note: feedback is left out"_s,
                       u"22: note: question 3 \"Moodle user\" is left out: a short-answer question"_s,
                       u"27: note: question 4 \"Moodle acronym\" is left out: a true/false question"_s};
    QTest::newRow("GIFT: <pre> keeps its lines, <sup> and <sub> without a Unicode form")
        << u"[html]<pre>\na  b\nc</pre><p>2<sup>x</sup> = 8, a<sub>n</sub>, x<sup>2</sup>, 2<sup><i>x</i>+1</sup></p>{=y ~z}"_s
        << q + u"a  b\nc\n2^x = 8, a_n, x², 2^(x+1)\nA) y*\nB) z\n"_s
        << QStringList{u"3: note: question 1 \"a  b\" has a superscript or subscript that plain text has no sign"_s};
    QTest::newRow("GIFT: answers without text, as Moodle leaves them out")
        << u"Q{= ~b ~c}\n\nR{=x ~ ~c}"_s << q + u"R\nA) x*\nB) c\n"_s
        << QStringList{u"1: warning: question 1 \"Q\" is left out: its right answer has no text"_s,
                       u"3: note: an answer without text is left out, as Moodle leaves it out"_s};
    // Moodle's own GIFT test inputs, question/format/gift/tests/giftformat_test.php.
    QTest::newRow("Moodle: giftformat_test.php imports")
        << u"// essay\n::Q8:: How are you? {}\n\n::Moodle activities::[html]Match the <b>activity</b> to the "
           u"description.{\n    =[html]An activity supporting asynchronous discussions. -> Forum\n    = -> Chat\n}\n\n"
           u"::Q2:: What's between orange and green in the spectrum?\n{\n    =yellow # right; good!\n    ~red # "
           u"[html]wrong, it's yellow\n    ~[plain]blue # wrong, it's yellow\n}\n\n::colours:: What's between orange "
           u"and green in the spectrum?\n{\n    ~%50%yellow # right; good!\n    ~%-100%red # [html]wrong\n    "
           u"~%50%off-beige # right; good!\n    ~%-100%[plain]blue # wrong\n}\n\n::colours:: What's between orange "
           u"and green in the spectrum?\n{\n    ~%100%yellow # right; good!\n    ~%-50%red # wrong\n    ~%-50%blue # "
           u"wrong\n}\n\n::Q5:: What is a number from 1 to 5? {#3:2~#Completely wrong}\n\n::Shortanswer::Which is "
           u"the best animal?{\n    =Frog#Good!\n    =%50%Cat#What is it with Moodlers and cats?\n    =%0%*#Completely "
           u"wrong\n    ####[html]Here is some general feedback!\n}"_s
        << (q + u"What's between orange and green in the spectrum?\nA) yellow*\nB) red\nC) blue\n"_s).repeated(2)
               .replace(u"blue\nВес"_s, u"blue\n\nВес"_s)
        << QStringList{u"2: note: question 1 \"Q8\" is left out: an essay"_s,
                       u"4: note: question 2 \"Moodle activities\" is left out: a matching question"_s,
                       u"11: note: feedback is left out, here and in 1 more question"_s,
                       u"16: note: question 4 \"colours\" is left out: it gives part marks"_s,
                       u"27: note: a negative mark for a wrong answer is left out"_s,
                       u"31: note: question 6 \"Q5\" is left out: a numerical question"_s,
                       u"33: note: question 7 \"Shortanswer\" is left out: a short-answer question"_s};
    QTest::newRow("Aiken")
        << u"Q1?\nA. x\nB) y\nANSWER: B\n\nQ2?\nA. a\nANSWER: C\n\nQ3?\nA. a\nB. b\n\nQ4?\nA) a\nB) b\nC) c\nD) d\nE) e\n"
           u"ANSWER: A"_s
        << q + u"Q1?\nA) x\nB) y*\n"_s
        << QStringList{u"8: warning: question 2 \"Q2?\" is left out: it has fewer than two answers, and Moodle takes none such"_s,
                       u"10: warning: question 3 \"Q3?\" is left out: no \"ANSWER:\" line"_s,
                       u"14: note: question 4 \"Q4?\" is left out: it has 5 answers"_s};
    // Moodle's own Aiken test files, question/format/aiken/tests/fixtures/.
    QTest::newRow("Moodle: aiken_errors.txt")
        << u"A question with too few answers\nA) Only answer\nANSWER: A\n\nA) Question not started\n\nANSWER: Question "
           u"not started\n\nA good question\nA) Correct\nB) Incorrect\nANSWER: A\n\nA question started but not "
           u"finished\nA) Correct-ish\nB) Incorrect-ish\n\nA second good question\nA)Incorrect (No space)\nB)Correct "
           u"(No space)\nANSWER: B"_s
        << q + u"A good question\nA) Correct*\nB) Incorrect\n\n"_s + q
           + u"A second good question\nA) Incorrect (No space)\nB) Correct (No space)*\n"_s
        << QStringList{u"3: warning: question 1 \"A question with too few answers\" is left out: it has fewer than two"_s,
                       u"5: warning: answer line before any question text is left out: \"A) Question not started\""_s,
                       u"7: warning: \"ANSWER:\" line without answers above it is left out"_s,
                       u"14: warning: question 3 \"A question started but not finished\" is left out: no \"ANSWER:\""_s};
    QTest::newRow("Moodle: questions.aiken.txt")
        << u"The Moodle project was started by:\nA) Petr Skoda\nB) Martin Dougiamas\nC) Eloy Lafuente\nD) Tim Hunt\n"
           u"ANSWER: B\n\nMoodle's abilities include handling user input that includes <html class=\"cool\"> & "
           u"images:\nA) True\nB) False\nANSWER: A\n"_s
        << q + u"The Moodle project was started by:\nA) Petr Skoda\nB) Martin Dougiamas*\nC) Eloy Lafuente\nD) Tim "
               u"Hunt\n\n"_s + q + u"Moodle's abilities include handling user input that includes <html "
               u"class=\"cool\"> & images:\nA) True*\nB) False\n"_s
        << QStringList();
    QTest::newRow("Aiken: a text over two lines is two questions, as Moodle reads it")
        << u"One\ntwo?\nA. a\nB. b\nANSWER: A"_s << q + u"two?\nA) a*\nB) b\n"_s
        << QStringList{u"1: warning: question 1 \"One\" is left out: Aiken holds a question's text on one line, and "
                       u"Moodle takes line 2"_s};
    QTest::newRow("Aiken: a run of text lines, one note")
        << u"One\ntwo\nthree\nfour?\nA. a\nB. b\nANSWER: A"_s << q + u"four?\nA) a*\nB) b\n"_s
        << QStringList{u"1: warning: questions 1 to 3 are left out: Aiken holds a question's text on one line"_s};
    QTest::newRow("nothing to convert")
        << u"$CATEGORY: top\n// a comment\n"_s << QString()
        << QStringList{u"1: warning: nothing in the file reads as a question"_s};
    QTest::newRow("lettered: а) to г), А) В) С), a misspelt header, \"*\" and spaces")
        << u"Title\nВес вопроса: 2\nQ1\nа) a\nб) b*\nв) c\nг) d\n\nВес вопроса : 1\nQ2\n  А) a\n  В) b* \n  С) c\n"_s
        << u"Title\nВес вопроса: 2\nQ1\nA) a\nB) b*\nC) c\nD) d\n\n"_s + q + u"Q2\nA) a\nB) b*\nC) c\n"_s
        << QStringList{u"4: note: the answers of question 1, lettered а), б), в), г), are written with the Latin"_s,
                       u"9: note: taken as the header of question 2, though it has a space before the colon"_s,
                       u"11: note: the answers of question 2, lettered А), В), С), are written"_s,
                       u"11: note: the answers of question 2 are written without the spaces"_s,
                       u"12: note: the \"*\" followed by spaces in question 2 is taken as the mark"_s};
    QTest::newRow("lettered: В) beside А) alone, beside Б), out of order")
        << u"Вес вопроса: 1\nQ1\nА) a*\nВ) b\nВес вопроса: 1\nQ2\nА) a\nБ) b\nВ) c*\nВес вопроса: 1\nQ3\nа) a*\nв) c\n"_s
        << q + u"Q1\nA) a*\nB) b\n\n"_s + q + u"Q2\nA) a\nB) b\nC) c*\n"_s
        << QStringList{u"3: note: the answers of question 1, lettered А), В)"_s,
                       u"7: note: the answers of question 2, lettered А), Б), В)"_s,
                       u"12: warning: question 3 is left out: its answers are lettered а), в), not one after another"_s};
    QTest::newRow("mends: \"Ве\", an answer or a header in the text, \"*\" ending an answer")
        << u"Верно ли?\nA) a\\nВес вопроса: 2{=x* ~y* ~z}"_s
        << q + u" Верно ли?\n A) a\n Вес вопроса: 2\nA) x**\nB) y* \nC) z\n"_s
        << QStringList{u"1: note: the text line \"Верно ли?\" begins with \"Ве\""_s,
                       u"2: note: the text line \"A) a\" would be taken for answer A"_s,
                       u"2: note: the text line \"Вес вопроса: 2\" begins with \"Ве\""_s,
                       u"2: note: the wrong answer \"y*\" ends in \"*\""_s};
    QTest::newRow("mends: ten text lines listed, one note for the rest")
        << u"Q"_s + u"\\nA) x"_s.repeated(12) + u"{=a ~b}"_s
        << q + u"Q\n"_s + u" A) x\n"_s.repeated(12) + u"A) a*\nB) b\n"_s
        << u"1: note: the text line \"A) x\" would be taken for answer A\n"_s.repeated(10).split(u'\n', Qt::SkipEmptyParts)
               + QStringList{u"1: note: 2 more text lines are written with a space before them, as these are; they "
                             u"are not listed"_s};
    QTest::newRow("the checker's word on the copy")
        << u"Город:\nА) Москва\n{=x ~y}"_s << q + u"Город:\nА) Москва\nA) x*\nB) y\n"_s
        << QStringList{u"2: note: the checker says of this line in the copy: looks like answer A, but its \"А\" is "
                       u"the Cyrillic letter"_s};
    QTest::newRow("past 1000 questions")
        << u"Q{=a ~b}\n\n"_s.repeated(1001) << (q + u"Q\nA) a*\nB) b\n\n"_s).repeated(1000).chopped(1)
        << QStringList{u"2001: warning: question 1001 \"Q\" and those after it are left out"_s};
    QTest::newRow("no format") << u"Just text\n"_s << QString()
                               << QStringList{u"error: cannot tell the format"_s};
    // clang-format on
}

// Each rule of the readers and of the Tavrelo writer, on a snippet, with the notes it gives at the source's lines.
void TestConvert::intoTavrelo()
{
    QFETCH(QString, source);
    QFETCH(QString, expected);
    QFETCH(QStringList, notes);
    const Converted converted = convert(source.toUtf8(), QuizFormat::Tavrelo);
    QCOMPARE(QString::fromUtf8(converted.output), QString::fromUtf8(written(expected)));
    QCOMPARE(converted.notes.size(), notes.size());
    for (qsizetype i = 0; i < notes.size(); ++i)
        QVERIFY2(converted.notes[i].startsWith(notes[i]), qPrintable(converted.notes[i]));
    const bool slips = std::any_of(notes.begin(), notes.end(),
                                   [](const QString &note) { return !note.contains(u"note:"); });
    QCOMPARE(converted.status, expected.isEmpty() || slips ? ExitStatus::Slips : ExitStatus::Clean);
}

void TestConvert::outOfTavrelo_data()
{
    QTest::addColumn<QString>("source"); // Tavrelo's question file
    QTest::addColumn<QuizFormat>("format");
    QTest::addColumn<QString>("expected");
    QTest::addColumn<QStringList>("notes");

    const QString q = u"Вес вопроса: 1\n"_s;
    // clang-format off
    QTest::newRow("GIFT: lines, an empty one, escapes, \"//\"")
        << u"Title\n"_s + q + u"\n  One: {a} = ~b #c \\d  \n\nTwo\n// three\nA) x\nB) y*\n\n"_s << QuizFormat::Gift
        << u"One\\: \\{a\\} \\= \\~b \\#c \\\\d\\n\nTwo\\n// three {\n\t~x\n\t=y\n}\n"_s << QStringList();
    QTest::newRow("GIFT: HTML kept as written, even a tag across lines; a tag before a text like a tag")
        << q + u"<b>bold</b> &amp;\nA) [html]x*\n"_s + q + u"[plain]\nA) %5% a*\nB) b\n"_s + q + u"a <b\nc> d\nA) x*\n"_s
        << QuizFormat::Gift
        << u"[plain]<b>bold</b> &amp; {\n\t~%100%[plain][html]x\n}\n\n[moodle][plain] {\n\t=[moodle]%5% a\n\t~b\n}\n\n"
           u"[plain]a <b\nc> d {\n\t~%100%x\n}\n"_s
        << QStringList{u"1: warning: question 1 has one answer alone"_s, u"8: warning: question 3 has one answer alone"_s};
    QTest::newRow("GIFT: what has no right answer to take")
        << q + u"No mark\nA) a\n"_s + q + u"Hidden\nA) a\nC) c\nD) d*\n"_s + q + u"Gap\nA) a*\nC) c\nB)\n"_s
        << QuizFormat::Gift << u"Gap {\n\t=a\n\t~\n\t~c\n}\n"_s
        << QStringList{u"1: warning: question 1 is left out: none of its answers is marked right"_s,
                       u"4: warning: question 2 is left out: its marked answer D is never shown"_s,
                       u"13: warning: answer B of question 3 has no text after its letter"_s};
    QTest::newRow("GIFT: an empty button")
        << q + u"Gap\nA) a\nC) c*\nD) d\n"_s << QuizFormat::Gift << u"Gap {\n\t~a\n\t=c\n}\n"_s
        << QStringList{u"1: note: question 1 shows an empty button where answer B is missing"_s};
    QTest::newRow("Aiken: text on one line, what Aiken cannot hold")
        << q + u"One\ntwo\nA) x\nB) y*\n"_s + q + u"A. looks like an answer\nA) x*\n"_s + q + u"Empty\nA)*\nB) b\n"_s
        << QuizFormat::Aiken << u"One two\nA) x\nB) y\nANSWER: B\n"_s
        << QStringList{u"1: note: the 2 lines of question 1's text are joined into one"_s,
                       u"6: warning: question 2 is left out: in Aiken its text \"A. looks like an answer\""_s,
                       u"11: warning: question 3 is left out: Aiken has no answer without text"_s};
    QTest::newRow("Aiken: one answer alone")
        << q + u"Qq\nA) x*\n"_s << QuizFormat::Aiken << QString()
        << QStringList{u"1: warning: question 1 is left out: it has one answer alone, and Moodle takes no Aiken"_s};
    QTest::newRow("lettered the Russian way, a misspelt header")
        << u"Вес вопроса : 1\nQ1\nа) a\n  б) b* \n"_s << QuizFormat::Gift << u"Q1 {\n\t~a\n\t=b\n}\n"_s
        << QStringList{u"1: note: taken as the header of question 1"_s,
                       u"3: note: the answers of question 1, lettered а), б), are read as its answers in that order"_s,
                       u"4: note: the answers of question 1 are read as answers, though spaces stand"_s,
                       u"4: note: the \"*\" followed by spaces in question 1 is taken as the mark"_s};
    QTest::newRow("GIFT to GIFT: nothing said of the copy between")
        << u"Верно ли?\nA) a{=x ~y*}"_s << QuizFormat::Gift << u"Верно ли?\nA) a {\n\t=x\n\t~y*\n}\n"_s
        << QStringList();
    QTest::newRow("GIFT to Aiken through Tavrelo's, with the source's lines")
        << u"::A::Q1{=a ~b}\n\n::B::Q2\n  \\n  on two lines\n{=a ~b}"_s << QuizFormat::Aiken
        << u"Q1\nA) a\nB) b\nANSWER: A\n\nQ2 on two lines\nA) a\nB) b\nANSWER: A\n"_s
        << QStringList{u"3: note: the 2 lines of question 2's text are joined into one"_s};
    // clang-format on
}

// Tavrelo's quiz as its reader finds it, written as GIFT or Aiken, with notes at the Tavrelo file's lines.
void TestConvert::outOfTavrelo()
{
    QFETCH(QString, source);
    QFETCH(QuizFormat, format);
    QFETCH(QString, expected);
    QFETCH(QStringList, notes);
    const Converted converted = convert(source.toUtf8(), format);
    QCOMPARE(QString::fromUtf8(converted.output), QString::fromUtf8(written(expected)));
    QCOMPARE(converted.notes.size(), notes.size());
    for (qsizetype i = 0; i < notes.size(); ++i)
        QVERIFY2(converted.notes[i].startsWith(notes[i]), qPrintable(converted.notes[i]));
}

void TestConvert::encodings_data()
{
    QTest::addColumn<platform::TextEncoding>("encoding");
    for (const auto &[name, encoding] : support::encodingNames())
        QTest::newRow(name) << encoding;
}

// GIFT, Aiken and lettered files are read in every encoding Tavrelo reads.
void TestConvert::encodings()
{
    QFETCH(platform::TextEncoding, encoding);
    const QString expected = u"Вес вопроса: 1\nЁж?\nA) да*\nB) нет\n"_s;
    for (const QString &source :
         {u"Ёж?{=да ~нет}"_s, u"Ёж?\nA. да\nB. нет\nANSWER: A"_s, u"Вес вопроса: 1\nЁж?\nа) да*\nб) нет"_s})
        QCOMPARE(convert(support::encodeText(source, encoding), QuizFormat::Tavrelo).output, written(expected));
}

void TestConvert::counts_data()
{
    QTest::addColumn<QString>("source");
    QTest::addColumn<QuizFormat>("format");
    QTest::addColumn<int>("converted");
    QTest::addColumn<int>("leftOut");
    QTest::newRow("past 1000, into GIFT")
        << u"Вес вопроса: 1\nQ\nA) a*\nB) b\n"_s.repeated(1003) << QuizFormat::Gift << 1000 << 3;
    QTest::newRow("Aiken, every kind left out")
        << u"Few\nA) a\nANSWER: A\nA) not started\nANSWER: A\nOpen\nA) a\nB) b\nGood\nA)a\nB)b\nANSWER: B\nLast\nA) a"_s
        << QuizFormat::Tavrelo << 1 << 3;
}

// The summary counts every question: those written and those left out.
void TestConvert::counts()
{
    QFETCH(QString, source);
    QFETCH(QuizFormat, format);
    QFETCH(int, converted);
    QFETCH(int, leftOut);
    const Converted result = convert(source.toUtf8(), format);
    QCOMPARE(result.converted, converted);
    QCOMPARE(result.leftOut, leftOut);
}

void TestConvert::roundTrip_data()
{
    QTest::addColumn<QString>("path");
    QTest::newRow("data/data.txt") << QStringLiteral(TAVRELO_SOURCE_DIR "/data/data.txt");
    const QDir corpus(QStringLiteral(TAVRELO_SOURCE_DIR "/fuzz/corpus"));
    for (const QString &name : corpus.entryList(QDir::Files))
        QTest::newRow(qPrintable(u"fuzz/corpus/"_s + name)) << corpus.filePath(name);
}

// A Tavrelo file whose every question has a marked answer, taken to GIFT and back, is played the same (playedQuiz
// says what that compares).
void TestConvert::roundTrip()
{
    QFETCH(QString, path);
    QFile file(path);
    QVERIFY(file.open(QIODevice::ReadOnly));
    const QByteArray original = file.readAll();
    const QStringList played = playedQuiz(original);
    if (played.isEmpty())
        QSKIP("a question has no marked answer");
    const Converted gift = convert(original, QuizFormat::Gift);
    const Converted back = convert(gift.output, QuizFormat::Tavrelo);
    QCOMPARE(playedQuiz(back.output), played);
}

// No question to convert: no file, and an existing one is left as it was.
void TestConvert::nothingWritten()
{
    const support::TestFolder folder;
    const QString in = folder.write(u"in.gift"_s, "Essay{}\n");
    const QString out = folder.write(u"out.txt"_s, "kept");
    QStringList printed;
    QCOMPARE(convertFile(in, out, QuizFormat::Tavrelo, [&](const QString &line) { printed << line; }),
             ExitStatus::Slips);
    QCOMPARE(printed.last(), in
                                 + u": 0 questions converted into Tavrelo's question file, 1 left out; nothing was "
                                   u"written"_s);
    QFile kept(out);
    QVERIFY(kept.open(QIODevice::ReadOnly));
    QCOMPARE(kept.readAll(), QByteArray("kept"));
}

// Every kind of note reads in Russian, in the form "FILE:LINE: level: " that editors read.
void TestConvert::inRussian()
{
    const QByteArray source =
        u"::A::<img src=\"x\">Верно?{=a#да ~%-5%b ~c*}\n\nТ{T}\n\nS{=a}\n\nM{=a -> b}\n\nN{#1}\n\nE{}\n\n"
        u"D\n\nF{=a ~b ~c ~d ~e}\n\nR{=a =b}\n\nP{~%50%a}\n\nZ{~a}\n\n::U::{=a\n\nХ{=a}{=b}"_s.toUtf8();
    const auto notes = [&](QLocale::Language language, QuizFormat to) {
        useUserLanguage(QLocale(language));
        return convert(to == QuizFormat::Tavrelo ? source : convert(source, QuizFormat::Tavrelo).output, to).notes;
    };
    static const QRegularExpression quoted(u"\"[^\"]*\"|^\\d+: (error|warning|note): "_s);
    for (const QuizFormat to : {QuizFormat::Tavrelo, QuizFormat::Gift}) {
        const QStringList russian = notes(QLocale::Russian, to);
        const QStringList english = notes(QLocale::English, to);
        QCOMPARE(russian.size(), english.size());
        for (qsizetype i = 0; i < russian.size(); ++i) {
            const QString words = QString(russian[i]).remove(quoted);
            QVERIFY2(std::any_of(words.begin(), words.end(),
                                 [](QChar ch) { return ch.script() == QChar::Script_Cyrillic; }),
                     qPrintable(russian[i]));
            static const QRegularExpression prefix(u"^(\\d+: )?(error|warning|note): "_s);
            QCOMPARE(prefix.match(russian[i]).captured(), prefix.match(english[i]).captured());
        }
    }
}

QTEST_GUILESS_MAIN(TestConvert)
#include "tst_convert.moc"
