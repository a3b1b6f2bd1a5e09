// SPDX-FileCopyrightText: 2026 The Tavrelo developers
// SPDX-License-Identifier: MIT
#include "startup/program.h"

#include "platform/forms/form.h"
#include "quiz/main_window.h"
#include "startup/logo.h"
#include "startup/splash_window.h"

#include <QApplication>
#include <QIcon>

#include <cstdio>
#include <cstdlib>
#include <memory>

namespace startup {
namespace {

QtMessageHandler qtHandler = nullptr;

// Qt reports a display it cannot open as a fatal message and then aborts; the user has been told already, so
// end with a plain failure status instead of a crash.
void fatalEndsQuietly(QtMsgType type, const QMessageLogContext &context, const QString &message)
{
    if (qtHandler)
        qtHandler(type, context, message);
    else
        std::fprintf(stderr, "%s\n", qPrintable(qFormatLogMessage(type, context, message)));
    if (type == QtFatalMsg) {
        std::fflush(nullptr);
        std::_Exit(EXIT_FAILURE);
    }
}

std::unique_ptr<QApplication> startWindowRuntime(int &argc, char **argv)
{
    qtHandler = qInstallMessageHandler(fatalEndsQuietly);
#if QT_VERSION_MAJOR < 6
    // Qt 5 sizes fonts by the screen's DPI while the windows' twips stay pixels, so at 125 or 150 % the captions
    // would outgrow their controls; scaled as Qt 6 always scales, fonts and windows grow together.
    QCoreApplication::setAttribute(Qt::AA_EnableHighDpiScaling);
    QCoreApplication::setAttribute(Qt::AA_UseHighDpiPixmaps);
    QGuiApplication::setHighDpiScaleFactorRoundingPolicy(Qt::HighDpiScaleFactorRoundingPolicy::PassThrough);
#endif
    auto app = std::make_unique<QApplication>(argc, argv);
    qInstallMessageHandler(qtHandler);
    return app;
}

} // namespace

int run(int &argc, char **argv, FirstWindow first)
{
    const std::unique_ptr<QApplication> app = startWindowRuntime(argc, argv);
    // The program ends when its last window is unloaded, which the window layer tells the application.
    app->setQuitOnLastWindowClosed(false);
    app->setWindowIcon(QIcon(logoPicture()));

    if (first == FirstWindow::Splash) {
        platform::Forms<SplashWindow>::Show();
    } else {
        platform::Forms<MainWindow>::Load();
        platform::Forms<MainWindow>::Show();
    }
    return app->exec();
}

} // namespace startup
