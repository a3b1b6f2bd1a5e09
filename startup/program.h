// SPDX-FileCopyrightText: 2026 The Tavrelo developers
// SPDX-License-Identifier: MIT
#pragma once

namespace startup {

enum class FirstWindow {
    MainWindow,
    // The splash window, which leads into the main window when its frame is clicked.
    Splash,
};

// The whole program: starts the window runtime, loads the start-up window MainWindow (whose Form_Load reads
// the question file), shows it and runs the event loop until the last window is unloaded; or shows the splash
// window first, when asked to. Returns the exit status; without a usable display it returns 1 after Qt's own
// message.
int run(int &argc, char **argv, FirstWindow first = FirstWindow::MainWindow);

} // namespace startup
