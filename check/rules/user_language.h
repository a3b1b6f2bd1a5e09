// SPDX-FileCopyrightText: 2026 The Tavrelo developers
// SPDX-License-Identifier: MIT
#pragma once

#include <QLocale>

// Speaks the first language of the locale's list that the checker knows: Russian, or else English, whose
// translation only chooses between "1 question" and "2 questions". The translations are built into the program.
// With no argument, the user's own: LANGUAGE, LC_ALL, LC_MESSAGES or LANG on Linux, the display language on
// Windows.
void useUserLanguage(const QLocale &locale = QLocale::system());
