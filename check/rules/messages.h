// SPDX-FileCopyrightText: 2026 The Tavrelo developers
// SPDX-License-Identifier: MIT
#pragma once

#include <QCoreApplication>

// The checker's messages in the user's language: Messages::tr("...") marks a text for Qt Linguist, and the
// translator that useUserLanguage() installs puts it into Russian or leaves it English.
struct Messages {
    Q_DECLARE_TR_FUNCTIONS(Messages)
};
