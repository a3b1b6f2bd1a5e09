// SPDX-FileCopyrightText: 2026 The Tavrelo developers
// SPDX-License-Identifier: MIT
#pragma once

#include "platform/form.h"

#include <QScreen>
#include <QStringView>
#include <QWidget>

namespace support {

// A fixed dialog: no minimise or maximise button, and a size that cannot change.
inline bool IsFixedDialog(const QWidget &window)
{
    const Qt::WindowFlags flags = window.windowFlags();
    return window.windowType() == Qt::Dialog && !(flags & Qt::WindowMinimizeButtonHint)
        && !(flags & Qt::WindowMaximizeButtonHint) && window.minimumSize() == window.size()
        && window.maximumSize() == window.size();
}

// A shown window whose outer size, as the program counts it, is centred on its screen's free area.
inline bool IsCentred(const platform::Form &window)
{
    const QRect area = window.screen()->availableGeometry();
    const QSize outerSize(qRound(window.Width() / 15), qRound(window.Height() / 15));
    const QRect outer(window.frameGeometry().topLeft(), outerSize);
    return qAbs(outer.center().x() - area.center().x()) <= 1 && qAbs(outer.center().y() - area.center().y()) <= 1;
}

// The control of a window that the design names so, seen as the widget on screen; naming none ends the run.
template<class W = QWidget> W &Widget(const QWidget &window, QStringView name)
{
    W *widget = window.findChild<W *>(name.toString());
    if (!widget)
        qFatal("%s has no control %s", qPrintable(window.objectName()), qPrintable(name.toString()));
    return *widget;
}

} // namespace support
