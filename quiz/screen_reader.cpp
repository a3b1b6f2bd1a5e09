// SPDX-FileCopyrightText: 2026 The Tavrelo developers
// SPDX-License-Identifier: MIT
#include "quiz/main_window.h"

#include <QStringList>
#include <QWidget>

using namespace Qt::StringLiterals;

namespace {

// About five minutes of speech: any real question is read whole, while a question of megabytes neither floods
// the screen reader nor the accessibility bus.
constexpr qsizetype SpokenTextLimit = 5000;

} // namespace

// The question text as a screen reader gets it: without the line break it starts with, and cut to a length that
// speech can carry.
QString MainWindow::SpokenQuestion(qint16 index) const
{
    if (index < 0 || index >= QuestionBank::SlotCount)
        return {};
    QStringView text = QStringView(QuestionBank.Field(index, 0)).trimmed();
    const bool cut = text.size() > SpokenTextLimit;
    if (cut)
        text = text.left(SpokenTextLimit);
    QString spoken = text.toString().replace(u"\r\n"_s, u"\n"_s);
    if (cut)
        spoken += u'…';
    return spoken;
}

// "Question #12. " and the question: what the frame's caption and the question label show, read as one.
QString MainWindow::SpokenNumberedQuestion(const QString &question) const
{
    return ui.MainFrame->Caption() + u'.' + (question.isEmpty() ? QString() : u' ' + question);
}

// Every display has the question read out, after the new score when a check has changed it: with no message box
// shown, the score is all the user learns of the check.
void MainWindow::TellScreenReaders()
{
    const QString question = SpokenQuestion(CurrentQuestion);
    // A label hands screen readers its whole text, which they fetch at every change: one too long to be read
    // whole hands them only what is read of it.
    const QString labelName = question.size() > SpokenTextLimit ? question : QString();
    if (ui.qQuestion->accessibleName() != labelName)
        ui.qQuestion->setAccessibleName(labelName);

    QString announcement = SpokenNumberedQuestion(question);
    if (TotalCount.Value() != m_spokenTotal) {
        m_spokenTotal = TotalCount.Value();
        const QStringList score{ui.LabelTotal->Caption(), ui.LabelRight->Caption(), ui.LabelWrong->Caption(),
                                ui.LabelRate->Caption()};
        announcement = score.join(u", "_s) + u". "_s + announcement;
    }
    m_announcer.announce(announcement);
}

// Tab or Shift+Tab from another control into the answers reads the question again; moving between the answers
// with the arrow keys does not.
void MainWindow::FocusChanged(QWidget *old, QWidget *now)
{
    const auto isAnswer = [this](const QWidget *widget) {
        for (int j = 1; j <= AnswerButtons; ++j) {
            const platform::OptionButton *button = ui.qAnswers.find(j);
            if (button && button == widget)
                return true;
        }
        return false;
    };
    if (old && old->window() == this && !isAnswer(old) && isAnswer(now))
        m_announcer.announce(SpokenNumberedQuestion(SpokenQuestion(CurrentQuestion)));
}
