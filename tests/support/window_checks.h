// SPDX-FileCopyrightText: 2026 The Tavrelo developers
// SPDX-License-Identifier: MIT
#pragma once

#include "platform/forms/form.h"
#include "tests/support/deferred_delete.h"

#include <QApplication>
#include <QScreen>
#include <QStringView>
#include <QTimer>
#include <QWidget>

#include <functional>

namespace support {

// A fixed dialog: no minimise or maximise button, and a size that cannot change.
inline bool isFixedDialog(const QWidget &window)
{
    const Qt::WindowFlags flags = window.windowFlags();
    return window.windowType() == Qt::Dialog && !(flags & Qt::WindowMinimizeButtonHint)
        && !(flags & Qt::WindowMaximizeButtonHint) && window.minimumSize() == window.size()
        && window.maximumSize() == window.size();
}

// A shown window whose outer size, as the program counts it, is centred on its screen's free area.
inline bool isCentred(const platform::Form &window)
{
    const QRect area = window.screen()->availableGeometry();
    const QSize outerSize(qRound(window.Width() / 15), qRound(window.Height() / 15));
    const QRect outer(window.frameGeometry().topLeft(), outerSize);
    return qAbs(outer.center().x() - area.center().x()) <= 1 && qAbs(outer.center().y() - area.center().y()) <= 1;
}

// The control of a window that the design names so, seen as the widget on screen; naming none ends the run.
template<class W = QWidget> W &widget(const QWidget &window, QStringView name)
{
    W *widget = window.findChild<W *>(name.toString());
    if (!widget)
        qFatal("%s has no control %s", qPrintable(window.objectName()), qPrintable(name.toString()));
    return *widget;
}

// The loaded windows of kind W. An unloaded window is hidden and discarded at the event loop's next turn, so this
// first discards those: call it where the program would be back in its event loop, never from inside a handler.
template<class W = platform::Form> int loadedWindows()
{
    flushDeferredDeletes();
    int loaded = 0;
    for (QWidget *window : QApplication::topLevelWidgets())
        loaded += dynamic_cast<W *>(window) != nullptr;
    return loaded;
}

// Whether `action`, run from the event loop as the program's handlers are, ends the program: unloading the last
// window asks the application to quit. The request is taken here, so the test runs on.
inline bool endsProgram(const std::function<void()> &action)
{
    class QuitWatch final : public QObject {
    public:
        bool asked = false;

    protected:
        bool eventFilter(QObject *watched, QEvent *event) override
        {
            if (watched != qApp || event->type() != QEvent::Quit)
                return false;
            asked = true;
            return true;
        }
    } watch;
    qApp->installEventFilter(&watch);
    QTimer::singleShot(0, &watch, [&action] {
        action();
        QCoreApplication::exit();
    });
    QCoreApplication::exec();
    qApp->removeEventFilter(&watch);
    return watch.asked;
}

} // namespace support
