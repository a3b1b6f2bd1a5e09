// SPDX-FileCopyrightText: 2026 The Tavrelo developers
// SPDX-License-Identifier: MIT
#pragma once

#include <QString>
#include <QtGlobal>

namespace platform {

// The folder that holds the program, without a trailing separator: file names are formed by appending
// "/name", so the root folder gives an empty string. Needs a QCoreApplication.
QString AppPath();

// "Tavrelo": the title of every message box.
QString AppTitle();

qint16 AppMajor();
qint16 AppMinor();
qint16 AppRevision();

} // namespace platform
