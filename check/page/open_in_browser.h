// SPDX-FileCopyrightText: 2026 The Tavrelo developers
// SPDX-License-Identifier: MIT
#pragma once

#include <QString>

// Opens a page in the user's default browser, as a double click in Explorer would. Only Windows starts the checker
// from Explorer; elsewhere this does nothing.
void openInBrowser(const QString &path);
