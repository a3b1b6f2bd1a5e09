// SPDX-FileCopyrightText: 2026 The Tavrelo developers
// SPDX-License-Identifier: MIT
#include "tests/quiz/quiz_fixture.h"

#include "tests/support/deferred_delete.h"

#include <QAbstractItemView>
#include <QApplication>
#include <QLineEdit>
#include <QTest>

using namespace Qt::StringLiterals;

namespace quiztest {

QuizWindow::QuizWindow()
    : m_recorder(std::make_unique<support::MessageBoxRecorder>([this](const support::Message &m) {
          if (m_whileOpen)
              m_whileOpen(m);
      }))
{
    platform::Forms<MainWindow>::Show();
    if (!QTest::qWaitForWindowExposed(&window()))
        qWarning("quiz window not exposed");
}

QuizWindow::~QuizWindow()
{
    platform::Forms<MainWindow>::Unload();
    support::flushDeferredDeletes();
}

void QuizWindow::click(QStringView name)
{
    QTest::mouseClick(control(name).widget(), Qt::LeftButton);
}

void QuizWindow::choose(int j)
{
    QTest::mouseClick(answer(j).widget(), Qt::LeftButton);
}

void QuizWindow::setOption(QStringView checkBox, bool checked)
{
    if (control<platform::CheckBox>(checkBox).Value() != checked)
        click(checkBox);
}

void QuizWindow::pickFromList(int row)
{
    platform::ComboBox *list = ui().qList;
    list->showPopup();
    QAbstractItemView *view = list->view();
    view->setCurrentIndex(list->model()->index(row, 0));
    QTest::keyClick(view, Qt::Key_Return);
}

QList<int> QuizWindow::visibleAnswers()
{
    QList<int> visible;
    for (int j = 1; j <= MainWindow::AnswerButtons; ++j) {
        if (const platform::OptionButton *button = ui().qAnswers.find(j);
            button && button->Visible() && button->isVisible())
            visible << j;
    }
    return visible;
}

void QuizWindow::play(const QString &steps)
{
    for (const QString &step : steps.split(u' ', Qt::SkipEmptyParts)) {
        const int number = step.mid(1).toInt();
        switch (step.at(0).unicode()) {
        case u'm': setOption(u"showMessage", true); break;
        case u'k': choose(number); break;
        case u'c': click(u"bCheck"); break;
        case u'n': click(u"bNext"); break;
        case u'p': click(u"bPrevious"); break;
        case u'l': pickFromList(number - 1); break;
        default: QFAIL(qPrintable(u"unknown step "_s + step));
        }
    }
}

void QuizWindow::activate()
{
    window().activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(&window()));
}

void QuizWindow::key(Qt::Key key, Qt::KeyboardModifiers modifiers)
{
    QWidget *focus = QApplication::focusWidget();
    QVERIFY2(focus, "nothing has the focus");
    QTest::keyClick(focus, key, modifiers);
}

QString QuizWindow::focusName()
{
    QWidget *focus = QApplication::focusWidget();
    if (qobject_cast<QLineEdit *>(focus))
        focus = focus->parentWidget();
    return focus ? focus->objectName() : QString();
}

} // namespace quiztest
