// SPDX-FileCopyrightText: 2026 The Tavrelo developers
// SPDX-License-Identifier: MIT
#pragma once

#include "platform/controls/control.h"

#include <QPushButton>

namespace platform {

// A command button that Enter (or keypad Enter) clicks while it has the focus, as Space does, without being the
// window's default button: there is none, so Enter elsewhere (in a text field) clicks nothing.
class CommandButton final : public QPushButton, public Control {
    Q_OBJECT
public:
    explicit CommandButton(QWidget *parent);
    Q_DISABLE_COPY_MOVE(CommandButton)

    QString Caption() const { return unescapeMnemonics(text()); }
    void SetCaption(const QString &caption) { setText(escapeMnemonics(caption)); }

protected:
    void keyPressEvent(QKeyEvent *event) override;
};

} // namespace platform
