// SPDX-FileCopyrightText: 2026 The Tavrelo developers
// SPDX-License-Identifier: MIT
#include "platform/core/app_info.h"

#include "platform/core/version.h"

#include <QCoreApplication>

using namespace Qt::StringLiterals;

namespace platform {

QString AppPath()
{
    QString path = QCoreApplication::applicationDirPath();
    if (path.endsWith(u'/'))
        path.chop(1);
    return path;
}

QString AppTitle()
{
    return u"Tavrelo"_s;
}

qint16 AppMajor()
{
    return version::Major;
}

qint16 AppMinor()
{
    return version::Minor;
}

qint16 AppRevision()
{
    return version::Revision;
}

} // namespace platform
