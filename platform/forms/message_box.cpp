// SPDX-FileCopyrightText: 2026 The Tavrelo developers
// SPDX-License-Identifier: MIT
#include "platform/forms/message_box.h"

#include "platform/controls/wrapped_caption.h"
#include "platform/core/app_info.h"

#include <QApplication>
#include <QMessageBox>
#include <QScreen>

namespace platform {
namespace {

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
    caption.setText(text);
    return text.left(caption.prepare(QSize(WidestText, screen->availableGeometry().height()), QApplication::font()));
}

} // namespace

void MsgBox(const QString &text, MessageIcon icon, const QString &title)
{
    QMessageBox box(icon == MessageIcon::Critical ? QMessageBox::Critical : QMessageBox::Information,
                    title.isEmpty() ? AppTitle() : title, shownText(text), QMessageBox::Ok);
    box.setTextFormat(Qt::PlainText);
    box.exec();
}

} // namespace platform
