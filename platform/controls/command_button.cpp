// SPDX-FileCopyrightText: 2026 The Tavrelo developers
// SPDX-License-Identifier: MIT
#include "platform/controls/command_button.h"

#include <QKeyEvent>

namespace platform {

CommandButton::CommandButton(QWidget *parent) : QPushButton(parent), Control(this)
{
    // An auto-default button would take Enter too, but draws itself with the default button's frame.
    setAutoDefault(false);
}

void CommandButton::keyPressEvent(QKeyEvent *event)
{
    const bool enter = event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter;
    const bool plain = (event->modifiers() & ~Qt::KeypadModifier) == Qt::NoModifier;
    if (!enter || !plain) {
        QPushButton::keyPressEvent(event);
        return;
    }
    event->accept();
    // One press, one click: a held Enter must not race through the questions.
    if (!event->isAutoRepeat())
        click();
}

} // namespace platform
