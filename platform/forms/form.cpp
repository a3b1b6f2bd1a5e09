// SPDX-FileCopyrightText: 2026 The Tavrelo developers
// SPDX-License-Identifier: MIT
#include "platform/forms/form.h"

#include "platform/accessibility/accessibility.h"
#include "platform/core/twips.h"
#include "platform/forms/error_guard.h"
#include "platform/forms/window_placement.h"

#include <QCloseEvent>
#include <QCoreApplication>
#include <QGuiApplication>
#include <QKeyEvent>
#include <QScreen>
#include <QThread>
#include <QWindowStateChangeEvent>

namespace platform {
namespace {
int loadedForms = 0;

// The program ends with its event loop; asked outside one, nothing happens.
void quitProgram()
{
#if QT_VERSION_MAJOR >= 6
    QCoreApplication::quit();
#else
    // Qt 5's quit() outside the loop would end the next one at once (a message box shown later), where Qt 6 ignores
    // it; inside, it asks by the Quit event, as Qt 6 does.
    if (QThread::currentThread()->loopLevel() > 0) {
        QEvent quit(QEvent::Quit);
        QCoreApplication::sendEvent(QCoreApplication::instance(), &quit);
    }
#endif
}
} // namespace

Form::Form(const WindowDesign &design)
{
    installAccessibility();
    showAsWindowToScreenReaders(*this);
    setWindowTitle(design.caption.toString());
    setFont(makeFont(design.font, font()));
    const QSize client(twipsToPixels(design.clientWidth), twipsToPixels(design.clientHeight));
    if (design.border == BorderStyle::FixedDialog) {
        // Neither minimise nor maximise; and, as on the classic desktop, a dialog without a caption has no title
        // bar at all.
        Qt::WindowFlags flags = Qt::Dialog | Qt::MSWindowsFixedSizeDialogHint | Qt::CustomizeWindowHint;
        flags |= design.caption.isEmpty() ? Qt::FramelessWindowHint : Qt::WindowTitleHint | Qt::WindowCloseButtonHint;
        setWindowFlags(flags);
        setFixedSize(client);
    } else {
        resize(client);
    }
}

float Form::Width() const
{
    return pixelsToTwips(width()) + DesignFrameWidth;
}

float Form::Height() const
{
    return pixelsToTwips(height()) + DesignFrameHeight;
}

void Form::load(Form **slot)
{
    m_slot = slot;
    *slot = this;
    ++loadedForms;
    runHandler([this] { Form_Load(); });
}

void Form::showModeless()
{
    if (!m_centred) {
        m_centred = true;
        if (const QScreen *screen = QGuiApplication::primaryScreen())
            move(placeWindow(QSize(twipsToPixels(Width()), twipsToPixels(Height())), screen->availableGeometry()));
    }
    // Left to Qt, the first focus would go to the first control created, whatever its tab index.
    if (!focusWidget()) {
        if (QWidget *first = m_controls.firstTabStop())
            first->setFocus(Qt::TabFocusReason);
    }
    show();
}

void unloadForm(Form *form)
{
    if (!form->m_slot)
        return;
    *form->m_slot = nullptr;
    form->m_slot = nullptr;
    --loadedForms;
    form->hide();
    // The window may be unloading itself from one of its own handlers: let that return first.
    form->deleteLater();
    if (loadedForms == 0)
        quitProgram();
}

void Form::resizeEvent(QResizeEvent *event)
{
    QWidget::resizeEvent(event);
    runHandler([this] { Form_Resize(); });
}

void Form::changeEvent(QEvent *event)
{
    QWidget::changeEvent(event);
    if (event->type() != QEvent::WindowStateChange)
        return;
    // Minimising, and restoring to the state the window had before, bring no new size of their own, so the
    // resize handler hears of them here. Maximising and leaving the maximised state change the size, and the
    // resize that follows the new state calls the handler: called here, it would read the size being left.
    const Qt::WindowStates before = static_cast<QWindowStateChangeEvent *>(event)->oldState();
    const Qt::WindowStates sizing = Qt::WindowMaximized | Qt::WindowFullScreen;
    const bool minimising = !before.testFlag(Qt::WindowMinimized) && isMinimized();
    const bool restoringInPlace = before.testFlag(Qt::WindowMinimized) && !isMinimized()
                               && (before & sizing) == (windowState() & sizing);
    if (minimising || restoringInPlace)
        runHandler([this] { Form_Resize(); });
}

void Form::keyPressEvent(QKeyEvent *event)
{
    const QString text = event->text();
    if (text.isEmpty()) {
        QWidget::keyPressEvent(event);
        return;
    }
    const auto keyAscii = static_cast<qint16>(text.at(0).unicode());
    runHandler([this, keyAscii] { Form_KeyPress(keyAscii); });
}

void Form::closeEvent(QCloseEvent *event)
{
    // Closing a window from its title bar unloads it, as closing does everywhere in the program.
    event->accept();
    unloadForm(this);
}

} // namespace platform
