// SPDX-FileCopyrightText: 2026 The Tavrelo developers
// SPDX-License-Identifier: MIT
#pragma once

#include "platform/forms/form.h"
#include "startup/splash_window_design.h"

// The splash window: product name, version and contact line over the logo, all inside the frame Frame1.
// Form_Load writes the name and version; any key that types a character closes the window, and a click on the
// frame itself (not on the picture or a label in it) opens the main window and then closes this one. No
// control takes the focus, so every key reaches the window.
class SplashWindow final : public platform::DesignedForm<SplashWindowControls> {
    Q_OBJECT
public:
    SplashWindow();
    Q_DISABLE_COPY_MOVE(SplashWindow)

protected:
    void Form_Load() override;
    void Form_KeyPress(qint16 KeyAscii) override;
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    void Frame1_Click();

    bool m_framePressed = false;
};
