// SPDX-FileCopyrightText: 2026 The Tavrelo developers
// SPDX-License-Identifier: MIT
#pragma once

#include "loading/loading_window_design.h"
#include "platform/forms/form.h"

// The loading window: one line of text over a progress bar, shown by the question loader while it reads the
// question file and unloaded when it is done. It has no handlers; the loader moves the bar through
// updateProgress. The read never gives the event loop a turn, so the window puts itself on screen when shown
// and paints its bar itself whenever the picture changes.
class LoadingWindow final : public platform::DesignedForm<LoadingWindowControls> {
    Q_OBJECT
public:
    LoadingWindow();
    Q_DISABLE_COPY_MOVE(LoadingWindow)

    // After the n-th question header: Min 1, then Max n + 1, then Value n, so the bar is (n - 1) / n full.
    void updateProgress(qint16 questionCount);

    void setVisible(bool visible) override;

protected:
    void paintEvent(QPaintEvent *event) override;

private:
    void waitUntilExposed();

    bool m_painted = false; // since the window was last shown
};
