// SPDX-FileCopyrightText: 2026 The Tavrelo developers
// SPDX-License-Identifier: MIT
#include "loading/loading_window.h"

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QTimer>
#include <QWindow>

namespace {

// How long a window manager may take to map the window before the load goes on without it.
constexpr int ExposeTimeoutMs = 1000;

} // namespace

LoadingWindow::LoadingWindow() : DesignedForm(loadingWindowDesign())
{
}

void LoadingWindow::updateProgress(qint16 questionCount)
{
    platform::ProgressBar &bar = *ui.ProgressBar;
    bar.SetMin(1);
    bar.SetMax(static_cast<float>(questionCount) + 1);
    bar.SetValue(questionCount);
    bar.repaintIfWorthwhile();
}

void LoadingWindow::setVisible(bool visible)
{
    platform::Form::setVisible(visible);
    if (visible)
        waitUntilExposed();
}

// A window system maps a new window and reports it exposed through events; until those have been handled,
// Qt discards every paint of the window, and the loader will not return to the event loop before it is done.
// So take the window system's events here, leaving user input queued, until the window can be painted. Qt paints
// a window when it learns that it is exposed; only where it has not, the window is painted here.
void LoadingWindow::waitUntilExposed()
{
    QWindow *window = windowHandle();
    if (!window)
        return;
    m_painted = false;
    QTimer deadline;
    deadline.setSingleShot(true);
    deadline.start(ExposeTimeoutMs);
    while (!window->isExposed() && deadline.isActive())
        QCoreApplication::processEvents(QEventLoop::ExcludeUserInputEvents | QEventLoop::WaitForMoreEvents);
    if (!m_painted)
        repaint();
}

void LoadingWindow::paintEvent(QPaintEvent *event)
{
    m_painted = true;
    platform::Form::paintEvent(event);
}
