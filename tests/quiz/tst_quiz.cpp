// SPDX-FileCopyrightText: 2026 The Tavrelo developers
// SPDX-License-Identifier: MIT
// Playing a quiz through the real window: start, checks and their messages, the score, and moving around.
#include "tests/quiz/quiz_fixture.h"
#include "tests/support/encoded_text.h"
#include "tests/support/question_file.h"

#include <QAccessible>
#include <QLabel>
#include <QLineEdit>
#include <QTest>

using namespace Qt::StringLiterals;
using namespace quiztest;
using namespace support;
using platform::MessageIcon;

Q_DECLARE_METATYPE(MessageIcon)

namespace {

struct Score {
    QString total, right, wrong, rate;
};

Score score(QuizWindow &quiz)
{
    return {quiz.caption(u"LabelTotal"), quiz.caption(u"LabelRight"), quiz.caption(u"LabelWrong"),
            quiz.caption(u"LabelRate")};
}

} // namespace

class TestQuiz final : public QObject {
    Q_OBJECT

private slots:
    void cleanup() { removeDataFile(); }

    void startSequence()
    {
        writeDataFile(fileLines(numberedQuestions(3)));
        QuizWindow quiz;
        MainWindow &w = quiz.window();
        QCOMPARE(MainWindowProbe::QuestionCount(w), 3);
        QCOMPARE(MainWindowProbe::CurrentQuestion(w), 1);
        QCOMPARE(MainWindowProbe::AnswerCount(w), 4);
        QVERIFY(!MainWindowProbe::FirstShow(w));
        QVERIFY(MainWindowProbe::TotalCount(w).isEmpty());
        QVERIFY(!MainWindowProbe::RightCount(w).isEmpty());
        QVERIFY(w.isEnabled());

        QCOMPARE(quiz.caption(u"LabelTotal"), u"Ответов всего: "_s);
        QCOMPARE(quiz.caption(u"LabelRight"), u"Правильных: 0"_s);
        QCOMPARE(quiz.caption(u"LabelWrong"), u"Неправильных: 0"_s);
        QCOMPARE(quiz.caption(u"LabelRate"), u"0%"_s);
        QCOMPARE(quiz.caption(u"MainFrame"), u"Question #1"_s);
        QCOMPARE(quiz.caption(u"qQuestion"), u"\r\nQuestion 1"_s);

        auto *list = quiz.ui().qList;
        QCOMPARE(list->count(), 3);
        QCOMPARE(list->itemText(0), u"1"_s);
        QCOMPARE(list->itemText(2), u"3"_s);
        QCOMPARE(list->currentText(), QString());

        QCOMPARE(quiz.visibleAnswers(), (QList<int>{1, 2, 3, 4}));
        for (int j = 1; j <= 4; ++j) {
            QVERIFY(!quiz.answer(j).Value());
            QCOMPARE(quiz.answer(j).Caption(), u"%1) answer 1.%2"_s.arg(QChar(u'A' + j - 1)).arg(j));
        }
        QVERIFY(quiz.messages().isEmpty());
    }

    void check_data()
    {
        QTest::addColumn<bool>("showMessage");
        QTest::addColumn<bool>("showRight");
        QTest::addColumn<int>("answer");
        QTest::addColumn<QString>("message"); // empty: no message box
        QTest::addColumn<MessageIcon>("icon");
        QTest::addColumn<QString>("right");
        QTest::addColumn<QString>("wrong");
        QTest::addColumn<QString>("rate");

        const QString longWrong = u"Увы, неправильно. Правильный ответ :\r\nA) answer 1.1"_s;
        const auto info = MessageIcon::Information;
        const auto error = MessageIcon::Critical;
        // clang-format off
        QTest::newRow("right, silent") << false << false << 1 << QString() << info << "1" << "0" << "100%";
        QTest::newRow("right, message") << true << false << 1 << u"Правильно!"_s << info << "1" << "0" << "100%";
        QTest::newRow("right, both") << true << true << 1 << u"Правильно!"_s << info << "1" << "0" << "100%";
        QTest::newRow("right, showRight only") << false << true << 1 << QString() << info << "1" << "0" << "100%";
        QTest::newRow("wrong, silent") << false << false << 3 << QString() << error << "0" << "1" << "0%";
        QTest::newRow("wrong, message") << true << false << 3 << u"Увы, неправильно."_s << error << "0" << "1"
                                        << "0%";
        QTest::newRow("wrong, showRight only") << false << true << 3 << QString() << error << "0" << "1" << "0%";
        QTest::newRow("wrong, both") << true << true << 3 << longWrong << error << "0" << "1" << "0%";
        // clang-format on
    }

    void check()
    {
        QFETCH(bool, showMessage);
        QFETCH(bool, showRight);
        QFETCH(int, answer);
        QFETCH(QString, message);
        QFETCH(MessageIcon, icon);
        QFETCH(QString, right);
        QFETCH(QString, wrong);
        QFETCH(QString, rate);

        writeDataFile(fileLines(numberedQuestions(3)));
        QuizWindow quiz;
        quiz.setOption(u"showMessage", showMessage);
        quiz.setOption(u"showRight", showRight);
        // The score moves on only once the message box is closed.
        Score whileOpen;
        quiz.setWhileMessageOpen([&](const support::Message &) { whileOpen = score(quiz); });
        quiz.check(answer);

        if (message.isEmpty()) {
            QVERIFY(quiz.messages().isEmpty());
        } else {
            QCOMPARE(quiz.messages().size(), 1);
            QCOMPARE(quiz.messages().at(0).text, message);
            QCOMPARE(quiz.messages().at(0).icon, icon);
            QCOMPARE(quiz.messages().at(0).title, u"Tavrelo"_s);
            QCOMPARE(whileOpen.total, u"Ответов всего: "_s);
            QCOMPARE(whileOpen.rate, u"0%"_s);
        }
        QCOMPARE(quiz.caption(u"LabelTotal"), u"Ответов всего: 1"_s);
        QCOMPARE(quiz.caption(u"LabelRight"), u"Правильных: "_s + right);
        QCOMPARE(quiz.caption(u"LabelWrong"), u"Неправильных: "_s + wrong);
        QCOMPARE(quiz.caption(u"LabelRate"), rate);
        QCOMPARE(MainWindowProbe::CurrentQuestion(quiz.window()), 2);
        QCOMPARE(quiz.caption(u"MainFrame"), u"Question #2"_s);
        QCOMPARE(quiz.visibleAnswers(), (QList<int>{1, 2, 3, 4}));
        for (int j = 1; j <= 4; ++j)
            QVERIFY(!quiz.answer(j).Value());
    }

    void percentage_data()
    {
        QTest::addColumn<QString>("answers"); // r: right, w: wrong, in order
        QTest::addColumn<QString>("rate");
        // clang-format off
        QTest::newRow("2 of 3 rounds down") << "rrw" << "66%";
        QTest::newRow("1 of 3 rounds down") << "wrw" << "33%";
        QTest::newRow("3 of 3") << "rrr" << "100%";
        QTest::newRow("0 of 2") << "ww" << "0%";
        QTest::newRow("5 of 7") << "rrwrrwr" << "71%";
        // clang-format on
    }

    void percentage()
    {
        QFETCH(QString, answers);
        QFETCH(QString, rate);
        writeDataFile(fileLines(numberedQuestions(10)));
        QuizWindow quiz;
        int rights = 0;
        for (QChar a : answers) {
            quiz.check(a == u'r' ? 1 : 2);
            rights += a == u'r';
        }
        const auto n = answers.size();
        QCOMPARE(quiz.caption(u"LabelRate"), rate);
        QCOMPARE(quiz.caption(u"LabelTotal"), u"Ответов всего: %1"_s.arg(n));
        QCOMPARE(quiz.caption(u"LabelRight"), u"Правильных: %1"_s.arg(rights));
        QCOMPARE(quiz.caption(u"LabelWrong"), u"Неправильных: %1"_s.arg(n - rights));
    }

    void checkWithNothingChosenChangesNothing()
    {
        writeDataFile(fileLines(numberedQuestions(3)));
        QuizWindow quiz;
        quiz.setOption(u"showMessage", true);
        quiz.check(1);
        const Score before = score(quiz);
        quiz.click(u"bCheck");
        QCOMPARE(MainWindowProbe::CurrentQuestion(quiz.window()), 2);
        QCOMPARE(score(quiz).total, before.total);
        QCOMPARE(score(quiz).right, before.right);
        QCOMPARE(quiz.messages().size(), 1);
    }

    void recheckingCountsAgain()
    {
        writeDataFile(fileLines(numberedQuestions(3)));
        QuizWindow quiz;
        quiz.check(1);
        quiz.click(u"bPrevious");
        QCOMPARE(MainWindowProbe::CurrentQuestion(quiz.window()), 1);
        quiz.check(1);
        QCOMPARE(quiz.caption(u"LabelTotal"), u"Ответов всего: 2"_s);
        QCOMPARE(quiz.caption(u"LabelRight"), u"Правильных: 2"_s);
    }

    void navigationStopsAtBothEnds()
    {
        writeDataFile(fileLines(numberedQuestions(3)));
        QuizWindow quiz;
        quiz.click(u"bPrevious");
        QCOMPARE(MainWindowProbe::CurrentQuestion(quiz.window()), 1);
        quiz.click(u"bNext");
        quiz.click(u"bNext");
        quiz.click(u"bNext");
        QCOMPARE(MainWindowProbe::CurrentQuestion(quiz.window()), 3);
        QCOMPARE(quiz.caption(u"MainFrame"), u"Question #3"_s);
    }

    void endPage_data()
    {
        QTest::addColumn<int>("questions");
        QTest::addColumn<int>("answers"); // of each question; answer 1 is the right one
        QTest::addColumn<int>("checked"); // on the last question
        QTest::addColumn<QString>("label");
        QTest::addColumn<QString>("score"); // what the check makes of that label
        QTest::newRow("after the last question") << 2 << 4 << 1 << u"LabelRight"_s << u"Правильных: 1"_s;
        QTest::newRow("after question 1000 of a full bank, which has no slot for it")
            << 1000 << 2 << 2 << u"LabelWrong"_s << u"Неправильных: 1"_s;
    }

    // Checking the last question leads to an empty end page, where ">>" and the check do nothing and "<<" goes back.
    void endPage()
    {
        QFETCH(int, questions);
        QFETCH(int, answers);
        QFETCH(int, checked);
        QFETCH(QString, label);
        QFETCH(QString, score);
        writeDataFile(fileLines(numberedQuestions(questions, answers)));
        QuizWindow quiz;
        MainWindow &w = quiz.window();
        QCOMPARE(MainWindowProbe::QuestionCount(w), questions);
        quiz.pickFromList(questions - 1);
        QCOMPARE(quiz.caption(u"MainFrame"), u"Question #%1"_s.arg(questions));
        quiz.check(checked);
        const int end = questions + 1;
        QCOMPARE(MainWindowProbe::CurrentQuestion(w), end);
        QCOMPARE(quiz.caption(u"MainFrame"), u"Question #%1"_s.arg(end));
        QCOMPARE(quiz.caption(u"qQuestion"), QString());
        QCOMPARE(MainWindowProbe::AnswerCount(w), 0);
        QVERIFY(quiz.visibleAnswers().isEmpty());
        QCOMPARE(quiz.caption(u"LabelTotal"), u"Ответов всего: 1"_s);
        QCOMPARE(quiz.caption(label), score);

        quiz.click(u"bNext");
        quiz.click(u"bCheck");
        QCOMPARE(MainWindowProbe::CurrentQuestion(w), end);
        QCOMPARE(quiz.caption(u"LabelTotal"), u"Ответов всего: 1"_s);
        quiz.click(u"bPrevious");
        QCOMPARE(MainWindowProbe::CurrentQuestion(w), questions);
        QList<int> shown;
        for (int j = 1; j <= answers; ++j)
            shown << j;
        QCOMPARE(quiz.visibleAnswers(), shown);
    }

    void listPickMovesButLeavesItsText()
    {
        writeDataFile(fileLines(numberedQuestions(10)));
        QuizWindow quiz;
        quiz.pickFromList(6);
        QCOMPARE(MainWindowProbe::CurrentQuestion(quiz.window()), 7);
        quiz.click(u"bNext");
        QCOMPARE(MainWindowProbe::CurrentQuestion(quiz.window()), 8);
        QCOMPARE(quiz.caption(u"MainFrame"), u"Question #8"_s);
        QCOMPARE(quiz.ui().qList->Text(), u"7"_s);
        quiz.check(1);
        QCOMPARE(quiz.ui().qList->Text(), u"7"_s);
    }

    void typingIntoTheListNeitherAddsNorMoves_data()
    {
        QTest::addColumn<QString>("typed");
        QTest::addColumn<bool>("enter");
        QTest::newRow("an entry's number, Enter") << "2" << true;
        QTest::newRow("an entry's number, no Enter") << "3" << false;
        QTest::newRow("no entry's number, Enter") << "77" << true;
        QTest::newRow("not a number, Enter") << "abc" << true;
    }

    void typingIntoTheListNeitherAddsNorMoves()
    {
        QFETCH(QString, typed);
        QFETCH(bool, enter);
        writeDataFile(fileLines(numberedQuestions(5)));
        QuizWindow quiz;
        auto *list = quiz.ui().qList;
        list->setFocus();
        QTest::keyClicks(list->lineEdit(), typed);
        if (enter)
            QTest::keyClick(list->lineEdit(), Qt::Key_Return);
        quiz.control(u"bCheck").widget()->setFocus(); // leaving the field must not pick either
        QCOMPARE(list->count(), 5);
        QCOMPARE(MainWindowProbe::CurrentQuestion(quiz.window()), 1);
        QCOMPARE(quiz.caption(u"MainFrame"), u"Question #1"_s);
        // A pick from the list still works afterwards.
        quiz.pickFromList(3);
        QCOMPARE(MainWindowProbe::CurrentQuestion(quiz.window()), 4);
    }

    void returningClearsTheChoice()
    {
        writeDataFile(fileLines(numberedQuestions(3)));
        QuizWindow quiz;
        quiz.choose(2);
        QVERIFY(quiz.answer(2).Value());
        quiz.click(u"bNext");
        quiz.choose(3);
        quiz.click(u"bPrevious");
        for (int j = 1; j <= 4; ++j)
            QVERIFY(!quiz.answer(j).Value());
        // The same question displayed again also starts with nothing chosen.
        quiz.choose(4);
        MainWindowProbe::ShowQuestion(quiz.window(), 1);
        QVERIFY(!quiz.answer(4).Value());
        QCOMPARE(quiz.caption(u"LabelTotal"), u"Ответов всего: "_s);
    }

    void answerButtonsFollowEachQuestion_data()
    {
        QTest::addColumn<QList<int>>("answerCounts"); // per question
        QTest::addColumn<QList<int>>("path");         // questions shown in turn, via the list
        QTest::addColumn<QList<int>>("visible");      // buttons visible at the end
        QTest::newRow("4 answers, then question 1 with 2") << QList<int>{2, 4} << QList<int>{2, 1} << QList<int>{1, 2};
        QTest::newRow("later question with more than question 1")
            << QList<int>{1, 4} << QList<int>{2} << QList<int>{1, 2, 3, 4};
        QTest::newRow("4, then 3 hides the fourth") << QList<int>{1, 4, 3} << QList<int>{2, 3} << QList<int>{1, 2, 3};
        QTest::newRow("no answers at all") << QList<int>{0, 0} << QList<int>{2, 1} << QList<int>{};
        QTest::newRow("question 1 without answers, then 2") << QList<int>{0, 2} << QList<int>{2} << QList<int>{1, 2};
    }

    void answerButtonsFollowEachQuestion()
    {
        QFETCH(QList<int>, answerCounts);
        QFETCH(QList<int>, path);
        QFETCH(QList<int>, visible);
        QList<Question> questions;
        for (int k = 0; k < answerCounts.size(); ++k) {
            Question q{{u"Q%1"_s.arg(k + 1)}, {}};
            for (int a = 0; a < answerCounts[k]; ++a)
                q.answers << u"%1) q%2 a%3"_s.arg(QChar(u'A' + a)).arg(k + 1).arg(a + 1);
            questions << q;
        }
        writeDataFile(fileLines(questions));
        QuizWindow quiz;
        for (int question : path)
            quiz.pickFromList(question - 1);
        const int shown = path.last();
        QCOMPARE(quiz.visibleAnswers(), visible);
        QCOMPARE(MainWindowProbe::AnswerCount(quiz.window()), visible.size());
        for (int j : visible)
            QCOMPARE(quiz.answer(j).Caption(), u"%1) q%2 a%3"_s.arg(QChar(u'A' + j - 1)).arg(shown).arg(j));
    }

    void gapInAnswersShowsTheFirstFields()
    {
        writeDataFile({u"Вес вопроса:"_s, u"text"_s, u"A) one"_s, u"C) three*"_s});
        QuizWindow quiz;
        QCOMPARE(quiz.visibleAnswers(), (QList<int>{1, 2}));
        QCOMPARE(quiz.answer(1).Caption(), u"A) one"_s);
        QCOMPARE(quiz.answer(2).Caption(), QString());
        // The marked answer is not on display: every choice counts as wrong.
        quiz.check(2);
        QCOMPARE(quiz.caption(u"LabelWrong"), u"Неправильных: 1"_s);
    }

    void unmarkedQuestionGetsTheShortMessage()
    {
        writeDataFile(
            {u"Вес вопроса:"_s, u"no answer is marked"_s, u"A) one"_s, u"B) two"_s, u"Вес вопроса:"_s, u"next"_s});
        QuizWindow quiz;
        quiz.setOption(u"showMessage", true);
        quiz.setOption(u"showRight", true);
        quiz.check(1);
        QCOMPARE(quiz.messages().size(), 1);
        QCOMPARE(quiz.messages().at(0).text, u"Увы, неправильно."_s);
        QCOMPARE(quiz.messages().at(0).icon, MessageIcon::Critical);
        QCOMPARE(quiz.caption(u"LabelWrong"), u"Неправильных: 1"_s);
        QCOMPARE(MainWindowProbe::CurrentQuestion(quiz.window()), 2);
    }

    void fileTextIsShownAsStored()
    {
        const QString html = u"<b>bold</b> &amp; <i>x</i>"_s;
        writeDataFile(
            {u"Вес вопроса:"_s, html, u"second & line"_s, u"A) Tom & Jerry*"_s, u"B) <font color=red>red</font>"_s});
        QuizWindow quiz;
        auto *label = quiz.ui().qQuestion;
        QCOMPARE(label->textFormat(), Qt::PlainText);
        QCOMPARE(label->text(), u"\n"_s + html + u"\nsecond & line"_s);
        QCOMPARE(MainWindowProbe::bank(quiz.window()).Field(1, 0), u"\r\n"_s + html + u"\r\nsecond & line"_s);
        // Buttons would take '&' as a mnemonic marker: it must reach the screen as it stands.
        QCOMPARE(quiz.answer(1).text(), u"A) Tom && Jerry"_s);
        QCOMPARE(quiz.answer(1).Caption(), u"A) Tom & Jerry"_s);
        // A screen reader reads the caption as it stands.
        QAccessibleInterface *answer = QAccessible::queryAccessibleInterface(quiz.answer(1).widget());
        QVERIFY(answer);
        QCOMPARE(answer->text(QAccessible::Name), u"A) Tom & Jerry"_s);
        QCOMPARE(quiz.answer(2).Caption(), u"B) <font color=red>red</font>"_s);

        quiz.setOption(u"showMessage", true);
        quiz.setOption(u"showRight", true);
        quiz.check(2);
        QCOMPARE(quiz.messages().at(0).text, u"Увы, неправильно. Правильный ответ :\r\nA) Tom & Jerry"_s);
    }

    void textBeyondWindows1251IsShownAndSpoken_data()
    {
        QTest::addColumn<platform::TextEncoding>("encoding");
        QTest::newRow("UTF-8") << platform::TextEncoding::Utf8;
        QTest::newRow("UTF-16LE") << platform::TextEncoding::Utf16LE;
    }

    // Teachers of mathematics write what Windows-1251 cannot hold.
    void textBeyondWindows1251IsShownAndSpoken()
    {
        QFETCH(platform::TextEncoding, encoding);
        const QStringList lines{u"Вес вопроса: 1"_s, u"Чему равно π?"_s, u"A) π ≈ 3,14*"_s, u"B) √10 → 😀"_s};
        writeDataFileBytes(encodeText(lines.join(u"\r\n"_s), encoding));
        QuizWindow quiz;
        QCOMPARE(quiz.ui().qQuestion->text(), u"\nЧему равно π?"_s);
        QCOMPARE(quiz.answer(1).Caption(), u"A) π ≈ 3,14"_s);
        QCOMPARE(quiz.answer(2).Caption(), u"B) √10 → 😀"_s);
        QAccessibleInterface *answer = QAccessible::queryAccessibleInterface(quiz.answer(2).widget());
        QVERIFY(answer);
        QCOMPARE(answer->text(QAccessible::Name), u"B) √10 → 😀"_s);
        quiz.setOption(u"showMessage", true);
        quiz.setOption(u"showRight", true);
        quiz.check(2);
        QCOMPARE(quiz.messages().at(0).text, u"Увы, неправильно. Правильный ответ :\r\nA) π ≈ 3,14"_s);
    }

    void noQuestions()
    {
        removeDataFile();
        QuizWindow quiz;
        MainWindow &w = quiz.window();
        QCOMPARE(quiz.messages().size(), 1);
        QCOMPARE(quiz.messages().at(0).text, u"Data file not found"_s);
        QCOMPARE(quiz.messages().at(0).icon, MessageIcon::Critical);
        QCOMPARE(MainWindowProbe::QuestionCount(w), 0);
        QCOMPARE(quiz.ui().qList->count(), 0);
        QCOMPARE(quiz.caption(u"MainFrame"), u"Question #1"_s);
        QVERIFY(quiz.visibleAnswers().isEmpty());
        quiz.click(u"bNext");
        quiz.click(u"bPrevious");
        quiz.click(u"bCheck");
        QCOMPARE(MainWindowProbe::CurrentQuestion(w), 1);
        QCOMPARE(quiz.caption(u"LabelTotal"), u"Ответов всего: "_s);
        QVERIFY(w.isEnabled());
    }
};

QTEST_MAIN(TestQuiz)
#include "tst_quiz.moc"
