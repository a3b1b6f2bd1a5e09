// SPDX-FileCopyrightText: 2026 The Tavrelo developers
// SPDX-License-Identifier: MIT
#pragma once

#include <QString>

namespace platform {

// Whether two names stand for one file, or will once it is made. Where both name an existing file, by the file's
// identity (device and inode; volume and file index on Windows), so that links, relative names, 8.3 short names,
// letter case and subst drives all come out as the file system takes them. Where neither does, by the folder's
// identity (or its cleaned absolute name, when it is missing too) and the last part of the name, compared as the file
// system compares names: on Windows regardless of letter case and of the trailing dots and spaces that it drops.
bool sameFile(const QString &a, const QString &b);

} // namespace platform
