// SPDX-FileCopyrightText: 2026 The Tavrelo developers
// SPDX-License-Identifier: MIT
#include "platform/form.h"

#include "platform/error_guard.h"
#include "platform/twips.h"
#include "platform/window_placement.h"

#include <QCloseEvent>
#include <QCoreApplication>
#include <QGuiApplication>
#include <QKeyEvent>
#include <QScreen>

namespace platform {
namespace {
int loadedForms = 0;
} // namespace

Form::Form(const FormDesign &design)
{
    setWindowTitle(design.caption.toString());
    setFont(MakeFont(design.font, font()));
    const QSize client(TwipsToPixels(design.clientWidth), TwipsToPixels(design.clientHeight));
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
    m_controls.Build(*this, design.controls);
}

float Form::Width() const
{
    return PixelsToTwips(width()) + DesignFrameWidth;
}

float Form::Height() const
{
    return PixelsToTwips(height()) + DesignFrameHeight;
}

void Form::load(Form **slot)
{
    m_slot = slot;
    *slot = this;
    ++loadedForms;
    RunHandler([this] { Form_Load(); });
}

void Form::showModeless()
{
    if (!m_centred) {
        m_centred = true;
        if (const QScreen *screen = QGuiApplication::primaryScreen())
            move(PlaceWindow(QSize(TwipsToPixels(Width()), TwipsToPixels(Height())), screen->availableGeometry()));
    }
    show();
}

void UnloadForm(Form *form)
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
        QCoreApplication::quit();
}

int LoadedFormCount()
{
    return loadedForms;
}

void Form::resizeEvent(QResizeEvent *event)
{
    QWidget::resizeEvent(event);
    RunHandler([this] { Form_Resize(); });
}

void Form::changeEvent(QEvent *event)
{
    QWidget::changeEvent(event);
    // Minimising and restoring change the window's size as far as its layout is concerned.
    if (event->type() == QEvent::WindowStateChange)
        RunHandler([this] { Form_Resize(); });
}

void Form::keyPressEvent(QKeyEvent *event)
{
    const QString text = event->text();
    if (text.isEmpty()) {
        QWidget::keyPressEvent(event);
        return;
    }
    const auto keyAscii = static_cast<qint16>(text.at(0).unicode());
    RunHandler([this, keyAscii] { Form_KeyPress(keyAscii); });
}

void Form::closeEvent(QCloseEvent *event)
{
    // Closing a window from its title bar unloads it, as closing does everywhere in the program.
    event->accept();
    UnloadForm(this);
}

} // namespace platform
