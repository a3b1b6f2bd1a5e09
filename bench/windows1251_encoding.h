// SPDX-FileCopyrightText: 2026 The Tavrelo developers
// SPDX-License-Identifier: MIT
#pragma once

#include <QByteArray>
#include <QStringEncoder>
#include <QStringView>

// Question files for the benchmarks are written as teachers save them: in Windows-1251.
inline QByteArray ToWindows1251(QStringView text)
{
    QStringEncoder encode("windows-1251");
    return encode(text);
}
