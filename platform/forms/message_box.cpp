// SPDX-FileCopyrightText: 2026 The Tavrelo developers
// SPDX-License-Identifier: MIT
#include "platform/forms/message_box.h"

#include "platform/controls/wrapped_caption.h"
#include "platform/core/app_info.h"

#include <QApplication>
#include <QMessageBox>
#include <QScreen>

#include <cstdio>

using namespace Qt::StringLiterals;

namespace platform {
namespace {
MessageBoxRecorder *activeRecorder = nullptr;

// Lets a test of the whole program watch its message boxes with nobody at the screen: with
// TAVRELO_ANSWER_MESSAGE_BOXES=1 each box is written to standard error and answered at once.
bool answerOnStandardError()
{
    static const bool answer = qEnvironmentVariable("TAVRELO_ANSWER_MESSAGE_BOXES") == u"1"_s;
    return answer;
}

// The widest that a message box lays its text out, on any screen.
constexpr int WidestText = 1000;

// A box taller than the screen shows no more: the box gets only as much of the text as fills the screen at its
// widest, so a message naming an answer of megabytes cannot stall the program.
QString shownText(const QString &text)
{
    const QScreen *screen = QGuiApplication::primaryScreen();
    if (!screen)
        return text;
    WrappedCaption caption;
    caption.SetText(text);
    return text.first(caption.Prepare(QSize(WidestText, screen->availableGeometry().height()), QApplication::font()));
}
} // namespace

MessageBoxRecorder::MessageBoxRecorder(std::function<void(const Message &)> whileOpen)
    : m_whileOpen(std::move(whileOpen)), m_previous(activeRecorder)
{
    activeRecorder = this;
}

MessageBoxRecorder::~MessageBoxRecorder()
{
    activeRecorder = m_previous;
}

void MsgBox(const QString &text, MessageIcon icon, const QString &title)
{
    const Message message{text, icon, title.isEmpty() ? AppTitle() : title};
    if (MessageBoxRecorder *recorder = activeRecorder) {
        recorder->m_messages.append(message);
        if (recorder->m_whileOpen)
            recorder->m_whileOpen(message);
        return;
    }
    if (answerOnStandardError()) {
        const char *kind = icon == MessageIcon::Critical ? "critical" : "information";
        std::fprintf(stderr, "Message box (%s) \"%s\":\n%s\n", kind, message.title.toUtf8().constData(),
                     message.text.toUtf8().constData());
        std::fflush(stderr);
        return;
    }
    QMessageBox box(icon == MessageIcon::Critical ? QMessageBox::Critical : QMessageBox::Information, message.title,
                    shownText(message.text), QMessageBox::Ok);
    box.setTextFormat(Qt::PlainText);
    box.exec();
}

} // namespace platform
