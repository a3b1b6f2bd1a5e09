// SPDX-FileCopyrightText: 2026 The Tavrelo developers
// SPDX-License-Identifier: MIT
#include "quiz/question_announcer.h"

#include "platform/controls/shown_text.h"

#include <QApplication>
#include <QStringList>

using namespace Qt::StringLiterals;

namespace {

// About five minutes of speech: any real question is read whole, while a question of megabytes neither floods
// the screen reader nor the accessibility bus.
constexpr qsizetype SpokenTextLimit = 5000;

// The question text as a screen reader gets it: without the line break it starts with, and cut to a length that
// speech can carry.
QString spokenText(const QString &text)
{
    QStringView spoken = QStringView(text).trimmed();
    const bool cut = spoken.size() > SpokenTextLimit;
    if (cut)
        spoken = spoken.left(SpokenTextLimit);
    QString result = platform::shownText(spoken);
    if (cut)
        result += u'…';
    return result;
}

} // namespace

QuestionAnnouncer::QuestionAnnouncer(QWidget &window, const MainWindowControls &ui) : m_ui(ui), m_announcer(window)
{
    // The announcer, a member, ends this connection before the controls go: focus still moves while they do.
    QObject::connect(qApp, &QApplication::focusChanged, &m_announcer,
                     [this](QWidget *old, QWidget *now) { focusChanged(old, now); });
}

// With no message box shown, the score is all the user learns of a check, so a new score is read first.
void QuestionAnnouncer::questionShown(const QString &text, qint64 total)
{
    const QString question = spokenText(text);
    // A label hands screen readers the text it holds, which they fetch at every change: where that is less than the
    // whole question, or more than is read of it, it hands them the question as it is read out.
    const bool asRead = !m_ui.qQuestion->showsWholeCaption() || question.size() > SpokenTextLimit;
    const QString labelName = asRead ? question : QString();
    if (m_ui.qQuestion->accessibleName() != labelName)
        m_ui.qQuestion->setAccessibleName(labelName);

    // "Question #12." and the question: what the frame's caption and the question label show, read as one.
    m_question = m_ui.MainFrame->Caption() + u'.' + (question.isEmpty() ? QString() : u' ' + question);
    QString announcement = m_question;
    if (total != m_spokenTotal) {
        m_spokenTotal = total;
        const QStringList score{m_ui.LabelTotal->Caption(), m_ui.LabelRight->Caption(), m_ui.LabelWrong->Caption(),
                                m_ui.LabelRate->Caption()};
        announcement = score.join(u", "_s) + u". "_s + announcement;
    }
    m_announcer.announce(announcement);
}

bool QuestionAnnouncer::isAnswer(const QWidget *widget) const
{
    for (int j = 1; const platform::OptionButton *button = m_ui.qAnswers.find(j); ++j) {
        if (button == widget)
            return true;
    }
    return false;
}

void QuestionAnnouncer::focusChanged(QWidget *old, QWidget *now)
{
    if (old && old->window() == m_ui.MainFrame->window() && !isAnswer(old) && isAnswer(now))
        m_announcer.announce(m_question);
}
