// SPDX-FileCopyrightText: 2026 The Tavrelo developers
// SPDX-License-Identifier: MIT
// The rules the quiz window keeps after every action, checked against the expectations the player carries.
#include "soak_player.h"

#include "platform/core/twips.h"
#include "platform/forms/design.h"
#include "quiz/main_window_design.h"
#include "tests/support/window_checks.h"

#include <QApplication>
#include <QDialog>
#include <QRegularExpression>
#include <QTest>

#include <algorithm>

using namespace Qt::StringLiterals;

namespace soak {
namespace {

QStringList describe(const QList<support::Message> &messages)
{
    QStringList lines;
    for (const support::Message &m : messages)
        lines << u"%1 [%2] %3"_s.arg(m.icon == platform::MessageIcon::Critical ? u"critical"_s : u"information"_s,
                                     m.title, m.text);
    return lines;
}

QString describe(const Rect &r)
{
    return u"(%1, %2, %3, %4)"_s.arg(r.left).arg(r.top).arg(r.width).arg(r.height);
}

// On screen each CR LF of a question text starts a new line, whichever way the label is handed it.
QString lines(QString text)
{
    return text.replace(u"\r\n"_s, u"\n"_s);
}

const QStringView AnswerMarkers[] = {u"A)", u"B)", u"C)", u"D)"};

} // namespace

void QuizPlayer::checkStart()
{
    const int questions = m_file.exists ? std::min(m_file.headers, int(QuestionBank::QuestionCapacity)) : 0;
    m_expect.questionCount = questions;
    if (!m_file.exists)
        m_expectedMessages << support::Message{u"Data file not found"_s, platform::MessageIcon::Critical, u"Tavrelo"_s};
    if (m_file.headers > QuestionBank::QuestionCapacity)
        m_expectedMessages << support::Message{
            u"Data file holds more than 1000 questions; only the first 1000 were loaded"_s,
            platform::MessageIcon::Information, u"Tavrelo"_s};
    QCOMPARE(MainWindowProbe::QuestionCount(window()), questions);
    checkBank();
    if (QTest::currentTestFailed())
        return;

    // Question 1 was displayed before the window first appeared, and the first resize laid it out.
    const int shown = shownAnswers(bank(), 1);
    m_geometry = designGeometry();
    placeShownAnswers(m_geometry, shown, mainWindowDesign().window.clientHeight + platform::DesignFrameHeight);
    m_geometry = laidOut(m_geometry, window().Width(), window().Height(), shown);
    m_scoreBefore = m_expect.score();
    checkAll(true);
}

void QuizPlayer::checkBank()
{
    const QuestionBank &b = bank();
    const int count = MainWindowProbe::QuestionCount(window());
    for (int slot = 0; slot < QuestionBank::SlotCount; ++slot) {
        const QString where = u"slot %1"_s.arg(slot);
        for (int field = 0; field <= 5; ++field) {
            if (slot > count)
                QVERIFY2(b.Field(slot, field).isEmpty(), qPrintable(where + u" lies above the questions"_s));
        }
        const QString &text = b.Field(slot, 0);
        QVERIFY2(text.isEmpty() || text.startsWith(u"\r\n"_s), qPrintable(where));
        QVERIFY2(!QString(text).remove(u"\r\n"_s).contains(QRegularExpression(u"[\r\n]"_s)), qPrintable(where));
        for (int answer = 1; answer <= 4; ++answer) {
            const QString &stored = b.Field(slot, answer);
            QVERIFY2(stored.isEmpty() || stored.startsWith(AnswerMarkers[answer - 1]), qPrintable(where));
            QVERIFY2(!stored.contains(u'\r') && !stored.contains(u'\n'), qPrintable(where));
        }
        const QString &mark = b.Field(slot, 5);
        if (!mark.isEmpty()) {
            QVERIFY2(mark == u"1"_s || mark == u"2"_s || mark == u"3"_s || mark == u"4"_s,
                     qPrintable(where + u" marks "_s + mark));
            QVERIFY2(!b.Field(slot, mark.toInt()).isEmpty(), qPrintable(where + u" marks an empty answer"_s));
        }
    }
}

void QuizPlayer::checkAll(bool displayed)
{
    for (const auto check : {&QuizPlayer::checkRunning, &QuizPlayer::checkMessages, &QuizPlayer::checkState,
                             &QuizPlayer::checkQuestion, &QuizPlayer::checkGeometry}) {
        (this->*check)();
        if (QTest::currentTestFailed())
            return;
    }
    checkAnswers(displayed);
}

void QuizPlayer::checkRunning()
{
    QVERIFY2(m_errors.errors().isEmpty(), qPrintable(m_errors.errors().join(u'\n')));
    QCOMPARE(support::loadedWindows<MainWindow>(), 1); // the quiz window, not closed
    QCOMPARE(support::loadedWindows(), 1);
    QVERIFY(window().isVisible());
    QVERIFY(window().isEnabled());
    QCOMPARE(QApplication::activeModalWidget(), nullptr);
    QCOMPARE(QApplication::activePopupWidget(), nullptr);
    for (const QWidget *top : QApplication::topLevelWidgets())
        QVERIFY2(!(top->isVisible() && qobject_cast<const QDialog *>(top)), "a dialog was left open");
}

void QuizPlayer::checkMessages()
{
    QCOMPARE(describe(m_quiz.messages()), describe(m_expectedMessages));
    // The score moves on only once the message box is closed.
    for (const ScoreTexts &whileOpen : std::as_const(m_scoreWhileOpen))
        QCOMPARE(whileOpen.joined(), m_scoreBefore.joined());
    m_quiz.clearMessages();
}

void QuizPlayer::checkState()
{
    const MainWindow &w = window();
    const qint16 current = MainWindowProbe::CurrentQuestion(w);
    QVERIFY2(current >= 1 && current <= MainWindowProbe::QuestionCount(w) + 1,
             qPrintable(u"question %1 is on display"_s.arg(current)));
    QCOMPARE(current, m_expect.current);

    const ScoreCounter &right = MainWindowProbe::RightCount(w);
    const ScoreCounter &wrong = MainWindowProbe::WrongCount(w);
    const ScoreCounter &total = MainWindowProbe::TotalCount(w);
    QCOMPARE(right.value() + wrong.value(), total.value());
    QCOMPARE(right.value(), m_expect.right);
    QCOMPARE(wrong.value(), m_expect.wrong);
    QCOMPARE(total.isEmpty(), m_expect.total() == 0);

    QCOMPARE(shownScore().joined(), m_expect.score().joined());

    QCOMPARE(m_quiz.ui().showMessage->Value(), m_expect.showMessage);
    QCOMPARE(m_quiz.ui().showRight->Value(), m_expect.showRight);
    auto *list = m_quiz.ui().qList;
    QCOMPARE(list->count(), int(MainWindowProbe::QuestionCount(w)));
    QCOMPARE(list->currentText(), m_listText);
}

void QuizPlayer::checkQuestion()
{
    const int current = m_expect.current;
    QCOMPARE(m_quiz.caption(u"MainFrame"), u"Question #%1"_s.arg(current));
    const bool hasSlot = current <= QuestionBank::QuestionCapacity;
    QCOMPARE(lines(m_quiz.caption(u"qQuestion")), hasSlot ? lines(bank().Field(current, 0)) : QString());
}

void QuizPlayer::checkAnswers(bool displayed)
{
    const int current = m_expect.current;
    const int shown = shownAnswers(bank(), current);
    QCOMPARE(int(MainWindowProbe::AnswerCount(window())), shown);
    const platform::OptionButton &pattern = m_quiz.answer(0);
    QVERIFY(!pattern.Visible() && !pattern.widget()->isVisible() && !pattern.Value());

    for (int j = 1; j <= MainWindow::AnswerButtons; ++j) {
        const platform::OptionButton *button = m_quiz.ui().qAnswers.find(j);
        QVERIFY2(button, qPrintable(u"answer button %1 does not exist"_s.arg(j)));
        const bool visible = j <= shown;
        const QString which = u"answer button %1 of %2 on display"_s.arg(j).arg(shown);
        QVERIFY2(button->Visible() == visible, qPrintable(which));
        QVERIFY2(button->widget()->isVisibleTo(&window()) == visible, qPrintable(which));
        if (visible) {
            QCOMPARE(button->Caption(), bank().Field(current, j));
            QVERIFY2(button->Value() == (j == m_expect.chosen),
                     qPrintable(which + (displayed ? u", right after a display"_s : QString())));
        } else {
            QVERIFY2(!button->Value(), qPrintable(which + u" is selected while hidden"_s));
        }
    }
}

void QuizPlayer::checkGeometry()
{
    const Geometry actual = readGeometry(window());
    QCOMPARE(actual.size(), m_geometry.size());
    for (const auto &[name, expected] : m_geometry) {
        const Rect &got = actual.at(name);
        QVERIFY2(got == expected, qPrintable(u"%1 at %2, expected %3 (outer size %4 x %5%6)"_s
                                                 .arg(name, describe(got), describe(expected))
                                                 .arg(window().Width())
                                                 .arg(window().Height())
                                                 .arg(window().isMinimized() ? u", minimised"_s : QString())));
    }
}

} // namespace soak
