// SPDX-FileCopyrightText: 2026 The Tavrelo developers
// SPDX-License-Identifier: MIT
// Playing with the keyboard alone: Tab always reaches the answers, the first focus follows the tab order, and
// Enter clicks the focused command button.
#include "tests/quiz/quiz_fixture.h"
#include "tests/support/question_file.h"

#include <QApplication>
#include <QPushButton>
#include <QSignalSpy>
#include <QTest>

#include <map>
#include <memory>

using namespace Qt::StringLiterals;
using namespace quiztest;
using namespace support;

namespace {

// The controls that Tab (or Shift+Tab) visits from "Я прав?" until it is back there.
QStringList roundFromCheck(QuizWindow &quiz, Qt::KeyboardModifiers direction)
{
    quiz.control(u"bCheck").widget()->setFocus();
    QStringList visited;
    do {
        quiz.key(Qt::Key_Tab, direction);
        visited << QuizWindow::focusName();
    } while (visited.last() != u"bCheck" && visited.size() < 20);
    return visited;
}

// A widget shows that it has the focus: it looks different once the focus has gone elsewhere. (Qt, like the
// classic desktop, draws the focus only once the keyboard has been used in the window.)
bool showsFocus(QWidget *widget, QWidget *elsewhere)
{
    const QImage focused = widget->grab().toImage();
    elsewhere->setFocus();
    const QImage unfocused = widget->grab().toImage();
    widget->setFocus();
    return focused != unfocused;
}

} // namespace

class TestKeyboard final : public QObject {
    Q_OBJECT

private slots:
    void cleanup() { removeDataFile(); }

    void answersStayReachable_data()
    {
        QTest::addColumn<QList<int>>("answerCounts");
        QTest::addColumn<QString>("steps");
        QTest::addColumn<int>("shown");
        QTest::newRow("D checked, the next question has three") << QList<int>{4, 3} << "k4 c" << 2;
        QTest::newRow("D chosen, >> to a question with three") << QList<int>{4, 3, 3} << "k4 n" << 2;
        QTest::newRow("D chosen, list back to question 1 with two") << QList<int>{2, 4} << "n k4 l1" << 1;
        QTest::newRow("C checked, then >> over two answers") << QList<int>{3, 2, 2} << "k3 c n" << 3;
        QTest::newRow("end page and back") << QList<int>{4, 4} << "n k4 c p" << 2;
    }

    void answersStayReachable()
    {
        QFETCH(QList<int>, answerCounts);
        QFETCH(QString, steps);
        QFETCH(int, shown);
        writeDataFile(fileLines(questionsWithAnswers(answerCounts)));
        QuizWindow quiz;
        quiz.activate();
        quiz.play(steps);
        QCOMPARE(MainWindowProbe::CurrentQuestion(quiz.window()), shown);

        // One Tab stop among the answers, on one shown; no hidden answer stays selected.
        QList<int> tabStops;
        for (int j = 0; j <= MainWindow::AnswerButtons; ++j) {
            const platform::OptionButton &button = quiz.answer(j);
            if (button.widget()->focusPolicy() & Qt::TabFocus)
                tabStops << j;
            if (!button.Visible())
                QVERIFY2(!button.Value(), qPrintable(u"hidden answer %1 is selected"_s.arg(j)));
        }
        QCOMPARE(tabStops, QList<int>{1});

        for (Qt::KeyboardModifiers direction : {Qt::NoModifier, Qt::ShiftModifier})
            QCOMPARE(roundFromCheck(quiz, direction).filter(u"qAnswers"_s), QStringList{u"qAnswers(1)"_s});
    }

    // The quiz of the report: D of four answers chosen with the arrow keys and Space, checked with Enter; the
    // next question has three answers, and Tab must reach them.
    void wholeQuizWithoutMouse()
    {
        writeDataFile(fileLines(questionsWithAnswers({4, 3})));
        QuizWindow quiz;
        quiz.activate();
        QCOMPARE(QApplication::focusWidget(), quiz.answer(1).widget());

        for (int down = 0; down < 3; ++down)
            quiz.key(Qt::Key_Down);
        quiz.key(Qt::Key_Space);
        QVERIFY(quiz.answer(4).Value());
        quiz.key(Qt::Key_Tab);
        QCOMPARE(QApplication::focusWidget(), quiz.control(u"bCheck").widget());
        quiz.key(Qt::Key_Return);
        QCOMPARE(quiz.caption(u"MainFrame"), u"Question #2"_s);
        QCOMPARE(quiz.caption(u"LabelWrong"), u"Неправильных: 1"_s);

        // From "Я прав?" round the window, through the answers, and back.
        QCOMPARE(roundFromCheck(quiz, Qt::NoModifier),
                 (QStringList{u"showRight"_s, u"showMessage"_s, u"bPrevious"_s, u"qList"_s, u"bNext"_s,
                              u"qAnswers(1)"_s, u"bCheck"_s}));
        quiz.key(Qt::Key_Tab, Qt::ShiftModifier);
        QCOMPARE(QuizWindow::focusName(), u"qAnswers(1)"_s);
        QVERIFY(showsFocus(quiz.answer(1).widget(), quiz.control(u"bNext").widget()));
        quiz.key(Qt::Key_Down);
        quiz.key(Qt::Key_Space);
        quiz.key(Qt::Key_Tab);
        quiz.key(Qt::Key_Enter, Qt::KeypadModifier);
        QCOMPARE(quiz.caption(u"MainFrame"), u"Question #3"_s);
        QCOMPARE(quiz.caption(u"LabelRight"), u"Правильных: 0"_s);
        QCOMPARE(quiz.caption(u"LabelTotal"), u"Ответов всего: 2"_s);
    }

    void firstFocusFollowsTheTabOrder_data()
    {
        QTest::addColumn<QList<int>>("answerCounts"); // empty: no question file
        QTest::addColumn<QString>("expected");
        QTest::newRow("question 1 has answers") << QList<int>{3, 4} << "qAnswers(1)";
        QTest::newRow("question 1 has none") << QList<int>{0, 4} << "bCheck";
        QTest::newRow("no question file") << QList<int>{} << "bCheck";
    }

    void firstFocusFollowsTheTabOrder()
    {
        QFETCH(QList<int>, answerCounts);
        QFETCH(QString, expected);
        if (answerCounts.isEmpty())
            removeDataFile();
        else
            writeDataFile(fileLines(questionsWithAnswers(answerCounts)));
        QuizWindow quiz;
        quiz.activate();
        QCOMPARE(QuizWindow::focusName(), expected);
    }

    void enterClicksOnlyTheFocusedCommandButton_data()
    {
        QTest::addColumn<QString>("focus");
        QTest::addColumn<QString>("typed"); // into the list's text field
        QTest::addColumn<int>("key");
        QTest::addColumn<int>("shownAfter");
        for (const auto &[key, keyName] : {std::pair{Qt::Key_Return, "Enter"}, {Qt::Key_Enter, "keypad Enter"}}) {
            QTest::addRow("%s on Я прав?", keyName) << u"bCheck"_s << QString() << int(key) << 3;
            QTest::addRow("%s on <<", keyName) << u"bPrevious"_s << QString() << int(key) << 1;
            QTest::addRow("%s on >>", keyName) << u"bNext"_s << QString() << int(key) << 3;
            QTest::addRow("%s in the list, a number typed", keyName) << u"qList"_s << u"4"_s << int(key) << 2;
            QTest::addRow("%s in the list, nothing typed", keyName) << u"qList"_s << QString() << int(key) << 2;
        }
    }

    void enterClicksOnlyTheFocusedCommandButton()
    {
        QFETCH(QString, focus);
        QFETCH(QString, typed);
        QFETCH(int, key);
        QFETCH(int, shownAfter);
        writeDataFile(fileLines(numberedQuestions(4)));
        QuizWindow quiz;
        quiz.activate();
        quiz.click(u"bNext");
        quiz.choose(2);
        std::map<QString, std::unique_ptr<QSignalSpy>> clicks;
        for (const QString &name : {u"bCheck"_s, u"bPrevious"_s, u"bNext"_s}) {
            auto *button = &quiz.control<QPushButton>(name);
            clicks[name] = std::make_unique<QSignalSpy>(button, &QAbstractButton::clicked);
        }

        quiz.control(focus).widget()->setFocus();
        if (!typed.isEmpty())
            QTest::keyClicks(QApplication::focusWidget(), typed);
        quiz.key(Qt::Key(key), key == Qt::Key_Enter ? Qt::KeypadModifier : Qt::NoModifier);

        QCOMPARE(MainWindowProbe::CurrentQuestion(quiz.window()), shownAfter);
        for (const auto &[name, spy] : clicks) {
            QCOMPARE(spy->size(), name == focus ? 1 : 0);
            // Enter is the focused button's own: no button is the window's default or waits to become it.
            const auto *button = &quiz.control<QPushButton>(name);
            QVERIFY(!button->isDefault());
            QVERIFY(!button->autoDefault());
        }
    }

    // A held Enter clicks once, as a held Space does.
    void heldEnterClicksOnce()
    {
        writeDataFile(fileLines(numberedQuestions(4)));
        QuizWindow quiz;
        quiz.activate();
        QWidget *next = quiz.control(u"bNext").widget();
        next->setFocus();
        QTest::keyPress(next, Qt::Key_Return);
        for (int repeat = 0; repeat < 2; ++repeat) {
            QKeyEvent repeated(QEvent::KeyPress, Qt::Key_Return, Qt::NoModifier, u"\r"_s, true);
            QApplication::sendEvent(next, &repeated);
        }
        QTest::keyRelease(next, Qt::Key_Return);
        QCOMPARE(MainWindowProbe::CurrentQuestion(quiz.window()), 2);
    }
};

QTEST_MAIN(TestKeyboard)
#include "tst_keyboard.moc"
