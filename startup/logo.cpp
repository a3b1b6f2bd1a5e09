// SPDX-FileCopyrightText: 2026 The Tavrelo developers
// SPDX-License-Identifier: MIT
#include "startup/logo.h"

using namespace Qt::StringLiterals;

QPixmap logoPicture()
{
    // Resources in a static library are registered by hand, since nothing else pulls their object file in.
    [[maybe_unused]] static const bool registered = [] {
        Q_INIT_RESOURCE(startup);
        return true;
    }();
    return QPixmap(u":/startup/tavrelo.png"_s);
}
