// SPDX-FileCopyrightText: 2026 The Tavrelo developers
// SPDX-License-Identifier: MIT
// What a screen reader gets from the quiz window: each display read out (with the new score after a check), the
// question again when Tab enters the answers, and a tree of controls without the hidden pattern button.
#include "tests/quiz/quiz_fixture.h"
#include "tests/support/question_file.h"

#include <QAccessible>
#include <QApplication>
#include <QTest>
#include <QtGui/private/qguiapplication_p.h>
#include <QtGui/qpa/qplatformaccessibility.h>
#include <QtGui/qpa/qplatformintegration.h>

using namespace Qt::StringLiterals;
using namespace quiztest;
using namespace support;

namespace {

// Screen readers read out a notification that appears: these are the names of those that did, in order.
QStringList heard;
// UI Automation reads out a value change whose value is a string: those of notifications, in order.
QStringList notified;
#ifdef Q_OS_WIN
constexpr bool ValueChangesAnnounce = true;
#else
constexpr bool ValueChangesAnnounce = false; // AT-SPI would only log a warning
#endif

void recordAnnouncements(QAccessibleEvent *event)
{
    QAccessibleInterface *source = event->accessibleInterface();
    if (!source || source->role() != QAccessible::Notification)
        return;
    if (event->type() == QAccessible::ObjectShow)
        heard << source->text(QAccessible::Name);
    if (event->type() == QAccessible::ValueChanged) {
        // Qt's bridge passes on only a string.
        if (const QVariant value = static_cast<QAccessibleValueChangeEvent *>(event)->value();
            value.userType() == QMetaType::QString)
            notified << value.toString();
    }
}

void forgetAnnouncements()
{
    heard.clear();
    notified.clear();
}

const QString OneWrong = u"Ответов всего: 1, Правильных: 0, Неправильных: 1, 0%. "_s;
const QString OneRight = u"Ответов всего: 1, Правильных: 1, Неправильных: 0, 100%. "_s;

void collect(QAccessibleInterface *node, QList<QObject *> &objects)
{
    objects << node->object();
    for (int i = 0; i < node->childCount(); ++i) {
        if (QAccessibleInterface *child = node->child(i))
            collect(child, objects);
    }
}

} // namespace

class TestScreenReader final : public QObject {
    Q_OBJECT

private slots:
    void initTestCase()
    {
        QAccessible::installUpdateHandler(recordAnnouncements);
        // Qt sends accessibility events only while a screen reader listens; offscreen there is none to say so.
        QGuiApplicationPrivate::platformIntegration()->accessibility()->setActive(true);
        QVERIFY(QAccessible::isActive());
    }
    void init() { forgetAnnouncements(); }
    void cleanup()
    {
        removeDataFile();
        // Whatever was read out reached UI Automation too, as the very same text.
        QCOMPARE(notified, ValueChangesAnnounce ? heard : QStringList());
    }

    void everyDisplayIsReadOut_data()
    {
        QTest::addColumn<QString>("steps");
        QTest::addColumn<QString>("read"); // what the last step has read out; empty: nothing

        QTest::newRow("start") << "" << u"Question #1. Question 1"_s;
        QTest::newRow("check, wrong") << "k2 c" << OneWrong + u"Question #2. Question 2"_s;
        QTest::newRow("check, right") << "k1 c" << OneRight + u"Question #2. Question 2"_s;
        QTest::newRow("check with a message box") << "m k2 c" << OneWrong + u"Question #2. Question 2"_s;
        QTest::newRow("check with nothing chosen") << "c" << QString();
        QTest::newRow(">>") << "n" << u"Question #2. Question 2"_s;
        QTest::newRow("<<") << "n p" << u"Question #1. Question 1"_s;
        QTest::newRow("pick from the list") << "l3" << u"Question #3. Question 3"_s;
        QTest::newRow("score only after a check") << "k1 c p" << u"Question #1. Question 1"_s;
        QTest::newRow("end page") << "l3 k1 c" << OneRight + u"Question #4."_s;
    }

    void everyDisplayIsReadOut()
    {
        QFETCH(QString, steps);
        QFETCH(QString, read);
        writeDataFile(fileLines(numberedQuestions(3)));
        QuizWindow quiz;
        qsizetype headBeforeBox = -1;
        quiz.setWhileMessageOpen([&](const support::Message &) { headBeforeBox = heard.size(); });
        QStringList allSteps = steps.split(u' ', Qt::SkipEmptyParts);
        const QString lastStep = allSteps.isEmpty() ? QString() : allSteps.takeLast();
        quiz.play(allSteps.join(u' '));
        const qsizetype before = lastStep.isEmpty() ? 0 : heard.size();
        quiz.play(lastStep);

        const QStringList readOut = heard.mid(before);
        QCOMPARE(readOut, read.isEmpty() ? QStringList() : QStringList{read});
        // A message box is read first; the new question and score come once it is closed.
        if (!quiz.messages().isEmpty())
            QCOMPARE(headBeforeBox, before);
    }

    void questionTextAsStored_data()
    {
        QTest::addColumn<QStringList>("lines");
        QTest::addColumn<QString>("read");
        QTest::addColumn<QString>("named"); // what the question label hands screen readers
        QTest::newRow("lines") << QStringList{u"first line"_s, u"  second & <b>line</b>"_s}
                               << u"Question #1. first line\n  second & <b>line</b>"_s
                               << u"\nfirst line\n  second & <b>line</b>"_s;
        const QString limit(5000, u'ж');
        QTest::newRow("as long as is read whole, longer than shows")
            << QStringList{limit} << u"Question #1. "_s + limit << limit;
        QTest::newRow("one line of a megabyte, cut")
            << QStringList{QString(1 << 20, u'ж')} << u"Question #1. "_s + limit + u'…' << limit + u'…';
    }

    void questionTextAsStored()
    {
        QFETCH(QStringList, lines);
        QFETCH(QString, read);
        QFETCH(QString, named);
        writeDataFile(fileLines({{lines, {u"A) a*"_s, u"B) b"_s}}, {{u"next"_s}, {u"A) c*"_s}}}));
        QuizWindow quiz;
        QCOMPARE(heard, QStringList{read});
        // The question label hands screen readers its text as shown, or the question as read where it shows less.
        QWidget *label = quiz.ui().qQuestion;
        QCOMPARE(QAccessible::queryAccessibleInterface(label)->text(QAccessible::Name), named);
        quiz.activate();
        quiz.control(u"bNext").widget()->setFocus();
        quiz.key(Qt::Key_Tab);
        QCOMPARE(heard.size(), 2);
        QCOMPARE(heard.last(), read);
        quiz.click(u"bNext");
        QCOMPARE(QAccessible::queryAccessibleInterface(label)->text(QAccessible::Name), u"\nnext"_s);
    }

    void tabIntoTheAnswersReadsTheQuestion_data()
    {
        QTest::addColumn<QString>("from");
        QTest::addColumn<int>("key");
        QTest::addColumn<bool>("shift");
        QTest::addColumn<bool>("read");
        QTest::newRow("Tab from >>") << "bNext" << int(Qt::Key_Tab) << false << true;
        QTest::newRow("Shift+Tab from Я прав?") << "bCheck" << int(Qt::Key_Tab) << true << true;
        QTest::newRow("Down from one answer to the next") << "qAnswers(1)" << int(Qt::Key_Down) << false << false;
        QTest::newRow("Tab out of the answers") << "qAnswers(1)" << int(Qt::Key_Tab) << false << false;
    }

    void tabIntoTheAnswersReadsTheQuestion()
    {
        QFETCH(QString, from);
        QFETCH(int, key);
        QFETCH(bool, shift);
        QFETCH(bool, read);
        writeDataFile(fileLines(numberedQuestions(3)));
        QuizWindow quiz;
        quiz.activate();
        quiz.click(u"bNext");
        quiz.window().findChild<QWidget *>(from)->setFocus();
        forgetAnnouncements();
        quiz.key(Qt::Key(key), shift ? Qt::ShiftModifier : Qt::NoModifier);
        QCOMPARE(heard, read ? QStringList{u"Question #2. Question 2"_s} : QStringList());
    }

    void accessibilityTree()
    {
        writeDataFile(fileLines(numberedQuestions(3)));
        QuizWindow quiz;
        QAccessibleInterface *window = QAccessible::queryAccessibleInterface(&quiz.window());
        QCOMPARE(window->role(), QAccessible::Window);
        QCOMPARE(window->text(QAccessible::Name), u"Tavrelo"_s);
        QList<QObject *> tree;
        collect(window, tree);
        QVERIFY(!tree.contains(quiz.answer(0).widget()));
        for (int j = 1; j <= 4; ++j)
            QVERIFY(tree.contains(quiz.answer(j).widget()));

        QAccessibleInterface *list = QAccessible::queryAccessibleInterface(quiz.control(u"qList").widget());
        QCOMPARE(list->text(QAccessible::Name), u"Выбор вопроса по номеру"_s);
        // The frame keeps its caption as its name: screen readers say it before every answer they read.
        QAccessibleInterface *frame = QAccessible::queryAccessibleInterface(quiz.control(u"MainFrame").widget());
        QCOMPARE(frame->role(), QAccessible::Grouping);
        QCOMPARE(frame->text(QAccessible::Name), u"Question #1"_s);
        const auto labelled = frame->relations(QAccessible::Labelled);
        QCOMPARE(labelled.size(), frame->childCount());
    }
};

QTEST_MAIN(TestScreenReader)
#include "tst_screen_reader.moc"
