// SPDX-FileCopyrightText: 2026 The Tavrelo developers
// SPDX-License-Identifier: MIT
#pragma once

#include <QString>

namespace platform {

enum class MessageIcon { Information, Critical };

// A modal message box with a single OK button; the text is always plain text. Without a title it carries the
// application's title. Returns when the user has closed it.
void MsgBox(const QString &text, MessageIcon icon, const QString &title = {});

} // namespace platform
