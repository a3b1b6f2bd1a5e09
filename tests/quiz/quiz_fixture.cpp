// SPDX-FileCopyrightText: 2026 The Tavrelo developers
// SPDX-License-Identifier: MIT
#include "quiz_fixture.h"

#include <QAbstractItemView>
#include <QApplication>
#include <QFile>
#include <QLineEdit>
#include <QScreen>
#include <QStringEncoder>
#include <QTest>

using namespace Qt::StringLiterals;

namespace quiztest {

QStringList FileLines(const QList<Question> &questions)
{
    QStringList lines;
    for (const Question &q : questions) {
        lines << u"Вес вопроса: 1"_s;
        lines << q.text << q.answers;
    }
    return lines;
}

QList<Question> NumberedQuestions(int n, int answers)
{
    QList<Question> questions;
    for (int k = 1; k <= n; ++k) {
        Question q{{u"Question %1"_s.arg(k)}, {}};
        for (int a = 0; a < answers; ++a)
            q.answers << u"%1) answer %2.%3%4"_s.arg(QChar(u'A' + a)).arg(k).arg(a + 1).arg(a == 0 ? u"*" : u"");
        questions << q;
    }
    return questions;
}

QList<Question> QuestionsWithAnswers(const QList<int> &answerCounts)
{
    QList<Question> questions;
    for (int k = 1; k <= answerCounts.size(); ++k)
        questions << NumberedQuestions(k, answerCounts[k - 1]).last();
    return questions;
}

bool IsFixedDialog(const QWidget &window)
{
    const Qt::WindowFlags flags = window.windowFlags();
    return window.windowType() == Qt::Dialog && !(flags & Qt::WindowMinimizeButtonHint)
        && !(flags & Qt::WindowMaximizeButtonHint) && window.minimumSize() == window.size()
        && window.maximumSize() == window.size();
}

bool IsCentred(const platform::Form &window)
{
    const QRect area = window.screen()->availableGeometry();
    const QRect outer(window.frameGeometry().topLeft(), QSize(qRound(window.Width() / 15), qRound(window.Height() / 15)));
    return qAbs(outer.center().x() - area.center().x()) <= 1 && qAbs(outer.center().y() - area.center().y()) <= 1;
}

static QString dataFileName()
{
    return QCoreApplication::applicationDirPath() + u"/data.txt"_s;
}

void WriteDataFile(const QStringList &lines)
{
    QStringEncoder encode("windows-1251");
    const QByteArray bytes = encode(lines.join(u"\r\n"_s) + u"\r\n"_s);
    QVERIFY(!encode.hasError());
    WriteDataFileBytes(bytes);
}

void WriteDataFileBytes(const QByteArray &bytes)
{
    QFile file(dataFileName());
    QVERIFY(file.open(QIODevice::WriteOnly | QIODevice::Truncate));
    QCOMPARE(file.write(bytes), bytes.size());
}

void RemoveDataFile()
{
    QFile::remove(dataFileName());
}

QuizWindow::QuizWindow()
    : m_recorder(std::make_unique<platform::MessageBoxRecorder>([this](const platform::Message &m) {
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
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
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
    if (control(checkBox).Value() != checked)
        click(checkBox);
}

void QuizWindow::pickFromList(int row)
{
    auto *list = control(u"qList").as<QComboBox>();
    list->showPopup();
    QAbstractItemView *view = list->view();
    view->setCurrentIndex(list->model()->index(row, 0));
    QTest::keyClick(view, Qt::Key_Return);
}

QList<int> QuizWindow::visibleAnswers()
{
    QList<int> visible;
    for (int j = 1; j <= MainWindow::AnswerButtons; ++j) {
        if (platform::Control *button = window().controls().Find(u"qAnswers", j);
            button && button->Visible() && button->widget()->isVisible())
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
