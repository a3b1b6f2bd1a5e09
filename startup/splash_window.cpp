// SPDX-FileCopyrightText: 2026 The Tavrelo developers
// SPDX-License-Identifier: MIT
#include "startup/splash_window.h"

#include "platform/core/app_info.h"
#include "platform/forms/error_guard.h"
#include "quiz/main_window.h"
#include "startup/logo.h"

#include <QMouseEvent>

#include <utility>

using namespace Qt::StringLiterals;
using platform::Forms;

SplashWindow::SplashWindow() : DesignedForm(splashWindowDesign())
{
    // Qt puts the program's name into a title bar left empty; a blank keeps it without text.
    setWindowTitle(u" "_s);
    ui.imgLogo->SetPicture(logoPicture());
    ui.Frame1->installEventFilter(this);
}

void SplashWindow::Form_Load()
{
    platform::Label &version = *ui.lblVersion;
    // The version is right-aligned, so a longer text grows it to the left.
    const float right = version.Left() + version.Width();
    version.SetCaption(
        u"Version %1.%2.%3"_s.arg(platform::AppMajor()).arg(platform::AppMinor()).arg(platform::AppRevision()));
    version.SetLeft(right - version.Width());
    ui.lblProductName->SetCaption(platform::AppTitle());
}

void SplashWindow::Form_KeyPress(qint16 KeyAscii)
{
    Q_UNUSED(KeyAscii);
    Forms<SplashWindow>::Unload();
}

void SplashWindow::Frame1_Click()
{
    Forms<MainWindow>::Show();
    Forms<SplashWindow>::Unload();
}

// A click is a left press and release on the frame's own area. Presses on the picture and the labels reach
// the frame too, since they ignore the mouse, so the point must not lie on one of them.
bool SplashWindow::eventFilter(QObject *watched, QEvent *event)
{
    if (watched != ui.Frame1)
        return platform::Form::eventFilter(watched, event);
    const auto *frame = static_cast<QWidget *>(watched);
    const auto onFrameItself = [frame](const QMouseEvent *mouse) {
        const QPoint point = mouse->pos();
        return frame->rect().contains(point) && !frame->childAt(point);
    };
    if (event->type() == QEvent::MouseButtonPress) {
        const auto *mouse = static_cast<QMouseEvent *>(event);
        if (mouse->button() == Qt::LeftButton)
            m_framePressed = onFrameItself(mouse);
    } else if (event->type() == QEvent::MouseButtonRelease) {
        const auto *mouse = static_cast<QMouseEvent *>(event);
        if (mouse->button() == Qt::LeftButton && std::exchange(m_framePressed, false) && onFrameItself(mouse))
            platform::runHandler([this] { Frame1_Click(); });
    }
    return platform::Form::eventFilter(watched, event);
}
