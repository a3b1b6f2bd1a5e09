// SPDX-FileCopyrightText: 2026 The Tavrelo developers
// SPDX-License-Identifier: MIT
#pragma once

#include "platform/controls/control.h"

#include <QLabel>

namespace platform {

// An image control: its picture stretched to fill it, beneath the other controls of its container.
class Image final : public QLabel, public Control {
    Q_OBJECT
public:
    explicit Image(QWidget *parent) : QLabel(parent), Control(this)
    {
        setScaledContents(true);
        lower();
    }
    Q_DISABLE_COPY_MOVE(Image)

    void SetPicture(const QPixmap &picture) { setPixmap(picture); }
};

} // namespace platform
