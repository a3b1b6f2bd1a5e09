// SPDX-FileCopyrightText: 2026 The Tavrelo developers
// SPDX-License-Identifier: MIT
// Playing with the keyboard alone: Tab always reaches the answers, the first focus follows the tab order, and
// Enter clicks the focused command button.
#include "quiz_fixture.h"

#include <QApplication>
#include <QLineEdit>
#include <QPushButton>
#include <QSignalSpy>
#include <QTest>

using namespace Qt::StringLiterals;
using namespace quiztest;

namespace {

// The widgets that Tab (or Shift+Tab) visits from the focus, once round.
QList<QWidget *> tabCycle(QuizWindow &quiz, Qt::KeyboardModifiers modifiers)
{
    QList<QWidget *> visited;
    for (int step = 0; step < 12; ++step) {
        quiz.key(Qt::Key_Tab, modifiers);
        visited << QApplication::focusWidget();
    }
    return visited;
}

// The control that has the focus; the list's text field stands for the list.
QString focusName()
{
    QWidget *focus = QApplication::focusWidget();
    if (qobject_cast<QLineEdit *>(focus))
        focus = focus->parentWidget();
    return focus ? focus->objectName() : QString();
}

int answerNumber(QuizWindow &quiz, const QWidget *widget)
{
    for (int j = 1; j <= MainWindow::AnswerButtons; ++j) {
        if (quiz.answer(j).widget() == widget)
            return j;
    }
    return 0;
}

// Runs steps such as "c4 n p l1": c4 chooses answer 4 and checks, k4 only chooses it, n is ">>", p is "<<",
// l1 picks question 1 from the list.
void play(QuizWindow &quiz, const QString &steps)
{
    for (const QString &step : steps.split(u' ', Qt::SkipEmptyParts)) {
        const int number = step.mid(1).toInt();
        switch (step.at(0).unicode()) {
        case u'c': quiz.check(number); break;
        case u'k': quiz.choose(number); break;
        case u'n': quiz.click(u"bNext"); break;
        case u'p': quiz.click(u"bPrevious"); break;
        case u'l': quiz.pickFromList(number - 1); break;
        }
    }
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

class KeyboardTest final : public QObject {
    Q_OBJECT

private slots:
    void cleanup() { RemoveDataFile(); }

    void answersStayReachable_data()
    {
        QTest::addColumn<QList<int>>("answerCounts");
        QTest::addColumn<QString>("steps");
        QTest::addColumn<int>("shown");
        QTest::newRow("D checked, the next question has three") << QList<int>{4, 3} << "c4" << 2;
        QTest::newRow("D chosen, >> to a question with three") << QList<int>{4, 3, 3} << "k4 n" << 2;
        QTest::newRow("D chosen, list back to question 1 with two") << QList<int>{2, 4} << "n k4 l1" << 1;
        QTest::newRow("C checked, then >> over two answers") << QList<int>{3, 2, 2} << "c3 n" << 3;
        QTest::newRow("end page and back") << QList<int>{4, 4} << "n c4 p" << 2;
    }

    void answersStayReachable()
    {
        QFETCH(QList<int>, answerCounts);
        QFETCH(QString, steps);
        QFETCH(int, shown);
        WriteDataFile(FileLines(QuestionsWithAnswers(answerCounts)));
        QuizWindow quiz;
        quiz.activate();
        play(quiz, steps);
        QCOMPARE(MainWindowProbe::CurrentQuestion(quiz.window()), shown);

        // One Tab stop among the answers, on one shown; no hidden answer stays selected.
        QList<int> tabStops;
        for (int j = 0; j <= MainWindow::AnswerButtons; ++j) {
            const platform::Control &button = quiz.answer(j);
            if (button.widget()->focusPolicy() & Qt::TabFocus)
                tabStops << j;
            if (!button.Visible())
                QVERIFY2(!button.Value(), qPrintable(u"hidden answer %1 is selected"_s.arg(j)));
        }
        QCOMPARE(tabStops, QList<int>{1});

        for (Qt::KeyboardModifiers direction : {Qt::NoModifier, Qt::ShiftModifier}) {
            quiz.control(u"bCheck").widget()->setFocus();
            QList<int> reached;
            for (QWidget *w : tabCycle(quiz, direction)) {
                if (const int j = answerNumber(quiz, w); j && !reached.contains(j))
                    reached << j;
            }
            QCOMPARE(reached, QList<int>{1});
        }
    }

    // The quiz of the report: D of four answers chosen with the arrow keys and Space, checked with Enter; the
    // next question has three answers, and Tab must reach them.
    void wholeQuizWithoutMouse()
    {
        WriteDataFile(FileLines(QuestionsWithAnswers({4, 3})));
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

        // From "Я прав?" round the window to the answers.
        QStringList path;
        for (int tab = 0; tab < 6; ++tab) {
            quiz.key(Qt::Key_Tab);
            path << focusName();
        }
        QCOMPARE(path, (QStringList{u"showRight"_s, u"showMessage"_s, u"bPrevious"_s, u"qList"_s, u"bNext"_s,
                                    u"qAnswers(1)"_s}));
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
            RemoveDataFile();
        else
            WriteDataFile(FileLines(QuestionsWithAnswers(answerCounts)));
        QuizWindow quiz;
        quiz.activate();
        QCOMPARE(focusName(), expected);
    }

    void enterClicksTheFocusedCommandButton_data()
    {
        QTest::addColumn<QString>("button");
        QTest::addColumn<int>("key");
        QTest::addColumn<int>("shownAfter");
        for (const auto &[key, keyName] : {std::pair{Qt::Key_Return, "Enter"}, {Qt::Key_Enter, "keypad Enter"}}) {
            QTest::addRow("%s on Я прав?", keyName) << u"bCheck"_s << int(key) << 3;
            QTest::addRow("%s on <<", keyName) << u"bPrevious"_s << int(key) << 1;
            QTest::addRow("%s on >>", keyName) << u"bNext"_s << int(key) << 3;
        }
    }

    void enterClicksTheFocusedCommandButton()
    {
        QFETCH(QString, button);
        QFETCH(int, key);
        QFETCH(int, shownAfter);
        WriteDataFile(FileLines(NumberedQuestions(4)));
        QuizWindow quiz;
        quiz.activate();
        quiz.click(u"bNext");
        quiz.choose(2);
        auto *pushButton = quiz.control(button).as<QPushButton>();
        pushButton->setFocus();
        QSignalSpy clicks(pushButton, &QAbstractButton::clicked);
        const Qt::KeyboardModifiers modifiers = key == Qt::Key_Enter ? Qt::KeypadModifier : Qt::NoModifier;
        quiz.key(Qt::Key(key), modifiers);
        QCOMPARE(clicks.size(), 1);
        QCOMPARE(MainWindowProbe::CurrentQuestion(quiz.window()), shownAfter);
        // Enter is the focused button's own: no button is the window's default or waits to become it.
        for (const char *name : {"bCheck", "bPrevious", "bNext"}) {
            const auto *b = quiz.control(QString::fromLatin1(name)).as<QPushButton>();
            QVERIFY(!b->isDefault());
            QVERIFY(!b->autoDefault());
        }
    }

    // A held Enter clicks once, as a held Space does.
    void heldEnterClicksOnce()
    {
        WriteDataFile(FileLines(NumberedQuestions(4)));
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

    void enterInTheListPicksNothing_data()
    {
        QTest::addColumn<QString>("typed");
        QTest::addColumn<int>("key");
        QTest::newRow("an entry's number, Enter") << "3" << int(Qt::Key_Return);
        QTest::newRow("an entry's number, keypad Enter") << "4" << int(Qt::Key_Enter);
        QTest::newRow("nothing typed, Enter") << "" << int(Qt::Key_Return);
    }

    void enterInTheListPicksNothing()
    {
        QFETCH(QString, typed);
        QFETCH(int, key);
        WriteDataFile(FileLines(NumberedQuestions(5)));
        QuizWindow quiz;
        quiz.activate();
        quiz.choose(1);
        QList<QSignalSpy *> clicks;
        for (const char *name : {"bCheck", "bPrevious", "bNext"})
            clicks << new QSignalSpy(quiz.control(QString::fromLatin1(name)).as<QPushButton>(),
                                     &QAbstractButton::clicked);
        QLineEdit *field = quiz.control(u"qList").as<QComboBox>()->lineEdit();
        field->setFocus();
        QTest::keyClicks(field, typed);
        quiz.key(Qt::Key(key), key == Qt::Key_Enter ? Qt::KeypadModifier : Qt::NoModifier);
        QCOMPARE(MainWindowProbe::CurrentQuestion(quiz.window()), 1);
        QVERIFY(MainWindowProbe::TotalCount(quiz.window()).IsEmpty());
        for (QSignalSpy *spy : clicks)
            QCOMPARE(spy->size(), 0);
        qDeleteAll(clicks);
    }
};

QTEST_MAIN(KeyboardTest)
#include "tst_keyboard.moc"
