// SPDX-FileCopyrightText: 2026 The Tavrelo developers
// SPDX-License-Identifier: MIT
#pragma once

#include <QApplication>

#include <benchmark/benchmark.h>

// The main() of a benchmark that opens the program's windows: one application for all runs, and the program's
// own rule that closing a window does not end it.
inline int runWindowBenchmarks(int argc, char **argv)
{
    // Headless unless a display is asked for: QT_QPA_PLATFORM=xcb with DISPLAY set measures real X11 paints.
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM") && qEnvironmentVariableIsEmpty("DISPLAY"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    app.setQuitOnLastWindowClosed(false);
    benchmark::Initialize(&argc, argv);
    if (benchmark::ReportUnrecognizedArguments(argc, argv))
        return 1;
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
